#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

// Where a tool window of the main window goes: offset from the main window's
// corner, at most the size of the screen's free room and never past it.
inline QRect placeBeside(const QWidget& main, QSize wanted, QPoint offset)
{
    const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    QSize size = wanted;
    QPoint at = main.frameGeometry().topLeft() + offset;
    if (screen) {
        // Room for a title bar and borders the window manager adds.
        const QRect room = screen->availableGeometry().adjusted(0, 0, -16, -40);
        size = size.boundedTo(room.size());
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - size.width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() - size.height())));
    }
    return {at, size};
}
