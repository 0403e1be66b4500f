#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A socket between the program and the suite's CUPS server that misbehaves
// the way networks and servers do: it never answers, or it stops once after
// so many bytes from the client on one connection, to cut that connection
// there or to let the test change the server's mind before the rest goes
// through.
class CupsProxy
{
public:
    enum class Mode {
        Silent, // takes connections and requests, never answers
        Cut,    // the first connection to pass the given bytes is closed there
        Pause,  // the first connection to pass them waits there for the action
    };

    CupsProxy(const QString& path, const QString& server, Mode mode, qint64 after = 0,
              std::function<void()> action = {})
        : m_path(path.toUtf8()), m_server(server.toUtf8()), m_mode(mode), m_after(after),
          m_action(std::move(action))
    {
        ::unlink(m_path.constData());
        m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un address = addressOf(m_path);
        if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_listener, 8) != 0)
            return;
        m_thread = std::thread([this] { serve(); });
    }

    ~CupsProxy()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
        ::unlink(m_path.constData());
    }

    bool listening() const { return m_thread.joinable(); }
    CupsProxy(const CupsProxy&) = delete;
    CupsProxy& operator=(const CupsProxy&) = delete;

private:
    struct Link
    {
        int client = -1, server = -1;
        qint64 sent = 0; // bytes from the client passed on
    };

    static sockaddr_un addressOf(const QByteArray& path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        return address;
    }

    int connectServer() const
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un address = addressOf(m_server);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    static void close(Link& link)
    {
        ::close(link.client);
        if (link.server >= 0)
            ::close(link.server);
        link.client = link.server = -1;
    }

    // Passes what one side wrote to the other; false when the link ends.
    bool pass(Link& link, bool fromClient)
    {
        char buffer[4096];
        qint64 room = sizeof buffer;
        const bool limited = !m_fired && m_mode != Mode::Silent;
        if (fromClient && limited)
            room = qMin(room, m_after - link.sent);
        const ssize_t got = ::read(fromClient ? link.client : link.server, buffer, size_t(room));
        if (got <= 0)
            return false;
        if (m_mode == Mode::Silent)
            return true;
        if (::write(fromClient ? link.server : link.client, buffer, size_t(got)) != got)
            return false;
        if (!fromClient)
            return true;
        link.sent += got;
        if (limited && link.sent >= m_after) {
            m_fired = true;
            if (m_mode == Mode::Cut)
                return false;
            m_action();
        }
        return true;
    }

    void serve()
    {
        std::vector<Link> links;
        while (!m_stop) {
            std::vector<pollfd> fds{{m_listener, POLLIN, 0}};
            for (const Link& link : links) {
                fds.push_back({link.client, POLLIN, 0});
                fds.push_back({link.server, short(link.server >= 0 ? POLLIN : 0), 0});
            }
            if (::poll(fds.data(), fds.size(), 50) <= 0)
                continue;
            const size_t polled = links.size();
            if (fds[0].revents & POLLIN) {
                Link link;
                link.client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
                if (m_mode != Mode::Silent)
                    link.server = connectServer();
                links.push_back(link);
            }
            for (size_t i = 0; i < polled; ++i) {
                const bool ok =
                    (!(fds[1 + 2 * i].revents & (POLLIN | POLLHUP)) || pass(links[i], true)) &&
                    (!(fds[2 + 2 * i].revents & (POLLIN | POLLHUP)) || pass(links[i], false));
                if (!ok)
                    close(links[i]);
            }
            std::erase_if(links, [](const Link& l) { return l.client < 0; });
        }
        for (Link& link : links)
            close(link);
    }

    QByteArray m_path, m_server;
    Mode m_mode;
    qint64 m_after;
    std::function<void()> m_action;
    bool m_fired = false;
    int m_listener = -1;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
