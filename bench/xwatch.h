#pragma once

// Watches the X server from outside the program measured: when a window of
// the root is mapped, and when its pixels first arrive (the DAMAGE
// extension). A window created with no background (as Qt's are) is damaged
// only when the program puts its image, so the first DamageNotify is the
// first frame drawn, as a compositor or a screen grab would see it.
//
// Plain libxcb: libxcb-damage's header is not installed with Qt's
// development packages, and the two requests needed are small.

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include <poll.h>
#include <sys/uio.h>

class XWatch
{
public:
    enum class Kind { None, Map, Damage };
    struct Event
    {
        Kind kind = Kind::None;
        xcb_window_t window = 0;
        int area = 0; // pixels of the damaged box
    };

    XWatch()
    {
        m_conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_conn))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_conn)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, m_root, XCB_CW_EVENT_MASK, &mask);
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(m_conn, &s_damage);
        if (!ext || !ext->present)
            return;
        m_firstEvent = ext->first_event;
        // QueryVersion must come first; 1.1 is what every server since 2004 has.
        struct
        {
            uint8_t major, minor;
            uint16_t length;
            uint32_t clientMajor, clientMinor;
        } version{0, 0, 0, 1, 1};
        free(xcb_wait_for_reply(m_conn, send(0, &version, sizeof version, false), nullptr));
        m_ok = true;
    }
    XWatch(const XWatch&) = delete;
    XWatch& operator=(const XWatch&) = delete;
    ~XWatch()
    {
        if (m_conn)
            xcb_disconnect(m_conn);
    }

    bool ok() const { return m_ok; }

    // The window's size now, as "WxH".
    std::string size(xcb_window_t window)
    {
        xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, window), nullptr);
        const std::string text =
            g ? std::to_string(g->width) + "x" + std::to_string(g->height) : std::string();
        free(g);
        return text;
    }

    // Forgets the windows seen so far: the next run's are new.
    void reset() { m_damages.clear(); }

    // The next map or damage of a top-level window, waiting up to timeoutMs;
    // Kind::None on timeout or a lost connection.
    Event next(int timeoutMs)
    {
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(m_conn)) {
                const Event seen = handle(e);
                free(e);
                if (seen.kind != Kind::None)
                    return seen;
            }
            pollfd fd{xcb_get_file_descriptor(m_conn), POLLIN, 0};
            if (xcb_connection_has_error(m_conn) || poll(&fd, 1, timeoutMs) <= 0)
                return {};
        }
    }

    // Whether a window shows more than one colour: a frame with content, not
    // a blank put out before the widgets drew.
    bool hasContent(xcb_window_t window)
    {
        xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(m_conn, xcb_get_geometry(m_conn, window), nullptr);
        if (!g)
            return false;
        xcb_get_image_reply_t* image =
            xcb_get_image_reply(m_conn,
                                xcb_get_image(m_conn, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                              g->width, g->height, ~0u),
                                nullptr);
        free(g);
        if (!image)
            return false;
        const uint8_t* data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        // Depth 24 comes as 4 bytes a pixel; the padding byte is not looked at.
        bool mixed = false;
        for (int i = 4; i + 3 <= length && !mixed; i += 4)
            mixed = data[i] != data[0] || data[i + 1] != data[1] || data[i + 2] != data[2];
        free(image);
        return mixed;
    }

    // Forgets a window's damage so far: its next pixels are told again
    // (a bounding-box damage object tells only growth).
    void subtract(xcb_window_t window)
    {
        const auto it = m_damages.find(window);
        if (it == m_damages.end())
            return;
        struct
        {
            uint8_t major, minor;
            uint16_t length;
            uint32_t damage, repair, parts;
        } request{0, 0, 0, it->second, 0, 0};
        send(3, &request, sizeof request, true);
        xcb_flush(m_conn);
    }

private:
    // Every top-level window gets a damage object as soon as it is created,
    // before the program can map or draw it.
    Event handle(xcb_generic_event_t* e)
    {
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* c = reinterpret_cast<xcb_create_notify_event_t*>(e);
            if (c->parent == m_root && !m_damages.count(c->window)) {
                const uint32_t damage = xcb_generate_id(m_conn);
                struct
                {
                    uint8_t major, minor;
                    uint16_t length;
                    uint32_t damage, drawable;
                    uint8_t level, pad[3];
                } create{0, 0, 0, damage, c->window, BoundingBox, {0, 0, 0}};
                send(1, &create, sizeof create, true);
                xcb_flush(m_conn);
                m_damages[c->window] = damage;
            }
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (m->event == m_root && m_damages.count(m->window))
                return {Kind::Map, m->window, 0};
        } else if (type == m_firstEvent) { // DamageNotify
            struct Notify
            {
                uint8_t type, level;
                uint16_t sequence;
                uint32_t drawable, damage, timestamp;
                int16_t x, y;
                uint16_t width, height;
            };
            const auto* d = reinterpret_cast<const Notify*>(e);
            // Qt's resizes and clears report empty boxes: only pixels count.
            if (m_damages.count(d->drawable) && d->width > 0 && d->height > 0)
                return {Kind::Damage, d->drawable, int(d->width) * int(d->height)};
        }
        return {};
    }

    unsigned send(uint8_t minor, void* request, size_t size, bool noReply)
    {
        // xcb writes the extension's opcode and the length into the header.
        iovec parts[3];
        parts[2].iov_base = request;
        parts[2].iov_len = size;
        const xcb_protocol_request_t header{1, &s_damage, minor, uint8_t(noReply)};
        return xcb_send_request(m_conn, 0, parts + 2, &header);
    }

    static constexpr uint8_t BoundingBox = 2; // one event per growth of the damaged box
    static inline xcb_extension_t s_damage{"DAMAGE", 0};
    xcb_connection_t* m_conn = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_firstEvent = 0;
    bool m_ok = false;
    std::map<xcb_window_t, uint32_t> m_damages;
};
