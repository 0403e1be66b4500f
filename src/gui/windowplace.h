#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

// Where a tool window of the main window goes: beside the main window where
// the screen has room for it (right, else left), else as far right as the
// screen allows; at most the size of the screen's free room and never past it.
// offset: where it goes over the main window when even the screen is too narrow.
inline QRect placeBeside(const QWidget& main, QSize wanted, QPoint offset)
{
    const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    QSize size = wanted;
    const QRect frame = main.frameGeometry();
    QPoint at = frame.topLeft() + offset;
    if (screen) {
        // Room for a title bar and borders the window manager adds.
        const QRect room = screen->availableGeometry().adjusted(0, 0, -16, -40);
        size = size.boundedTo(room.size());
        constexpr int Gap = 8;
        if (frame.right() + Gap + size.width() <= room.right()) {
            at = QPoint(frame.right() + Gap, frame.top());
        } else if (frame.left() - Gap - size.width() >= room.left()) {
            at = QPoint(frame.left() - Gap - size.width(), frame.top());
        } else if (size.width() > room.width() - offset.x()) {
            at.setX(room.right() - size.width());
        }
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - size.width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() - size.height())));
    }
    return {at, size};
}
