#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class MainLink;
class QPushButton;

// A window of its own over the one it came from (走行計算, セッティング記録,
// 手持ちギア): made on first use and kept when closed, so it opens again as
// it was left; Esc and its 閉じる button close it. What each one does on
// opening, where it goes and how it follows the zoom are its own.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    // parent: the window it belongs to, and stays over.
    ToolWindow(QWidget* parent, const QString& name, const QString& title);

    // Makes the window ready (opening()), then shows it in front.
    void open();

protected:
    bool opened() const { return m_opened; }
    // Before the window shows; first at the first opening.
    virtual void opening(bool first) = 0;
    // The control that takes the focus at every opening, or none.
    virtual QWidget* firstFocus() { return nullptr; }
    // Fonts and sizes at the windows' zoom (followZoom).
    virtual void rescale() {}
    void followZoom(const MainLink& main);
    // At wanted size beside the window given, never past the screen.
    void moveBeside(const QWidget& window, QSize wanted, QPoint offset);
    // The window's 閉じる, worded by the window.
    QPushButton* addCloseButton(const QString& caption, const QString& spoken);

private:
    bool m_opened = false;
};
