#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

class Giadsp;

// What a tool window (走行計算, セッティング記録) needs of the main window,
// without knowing it: where it stands on screen, the application's
// handlers, when its results or zoom change, and how to draw a handler's
// result there. The tool windows never reach each other or the main window
// through the widget tree.
class MainLink : public QObject
{
    Q_OBJECT

public:
    MainLink(QWidget& window, Giadsp& app, std::function<void()> showHandlerResult)
        : m_window(window), m_app(app), m_show(std::move(showHandlerResult))
    {
    }

    QWidget& window() const { return m_window; }
    Giadsp& app() const { return m_app; }
    // Draws on the main window what a handler run from a tool window changed.
    void showHandlerResult() const { m_show(); }

signals:
    void formChanged();  // the main window's results were drawn anew
    void zoomChanged();  // the windows' zoom changed
    void unitsChanged(); // mm/km/h or inches/mph chosen (UnitChoice::current())

private:
    QWidget& m_window;
    Giadsp& m_app;
    std::function<void()> m_show;
};
