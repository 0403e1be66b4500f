#include "focusring.h"

#include "selectorbox.h"

#include <QApplication>
#include <QFocusFrame>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <functional>

namespace {

// Contrast 4.9:1 against the window's face (#efefef) and 3.7:1 against black.
const QColor Ring(0x00, 0x60, 0xdf);
constexpr int Width = 2;

// An icon the style makes only when it is first drawn.
class DeferredIcon : public QIconEngine
{
public:
    explicit DeferredIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIcon(m_make); }

private:
    const QIcon& icon()
    {
        if (m_icon.isNull())
            m_icon = m_make();
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

class RingStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        // The ring lies just outside the widget, over nothing it draws.
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return Width;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The menu bar asks for its overflow arrow when it is made, though it is
    // shown only in a window too narrow for its menus: read from the
    // resources once it is drawn, not before the first frame.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredIcon(
            [this, which] { return QProxyStyle::standardIcon(which, nullptr, nullptr); }));
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element != CE_FocusFrame) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(QPen(Ring, Width));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(
            QRectF(option->rect).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0));
        painter->restore();
    }
};

} // namespace

namespace FocusRing {

void install(QApplication& app)
{
    QApplication::setStyle(
        new RingStyle(SelectorBox::styleOver(QStyleFactory::create(QStringLiteral("Fusion")))));
    // The frame goes with the window it was last in; a new one is made then.
    static QPointer<QFocusFrame> frame;
    QObject::connect(&app, &QApplication::focusChanged, &app, [](QWidget*, QWidget* now) {
        if (!now || now->isWindow() || now->inherits("QMenu") || now->inherits("QMenuBar")) {
            if (frame)
                frame->setWidget(nullptr);
            return;
        }
        if (!frame)
            frame = new QFocusFrame(now);
        frame->setWidget(now);
    });
}

} // namespace FocusRing
