#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

// What a tool window (走行計算, セッティング記録) needs of the main window,
// without knowing it: where it stands on screen, when its results or zoom
// change, and how to draw a handler's result there. Their models come from
// the Session; the tool windows never reach each other or the main window
// through the widget tree.
class MainLink : public QObject
{
    Q_OBJECT

public:
    MainLink(QWidget& window, std::function<void()> showHandlerResult)
        : m_window(window), m_show(std::move(showHandlerResult))
    {
    }

    QWidget& window() const { return m_window; }
    // Draws on the main window what a handler run from a tool window changed.
    void showHandlerResult() const { m_show(); }

signals:
    void formChanged();  // the main window's results were drawn anew
    void zoomChanged();  // the windows' zoom changed
    void unitsChanged(); // mm/km/h or inches/mph chosen (UnitChoice::current())

private:
    QWidget& m_window;
    std::function<void()> m_show;
};
