#pragma once

#include <QWidget>

// Tells a screen reader news that appears away from the focus: the result
// of SET or a survey shows in labels the user is not on. Orca speaks a
// change of name or text only for the focused control, but it speaks a
// notification as soon as one is shown, so the news is shown as a
// notification (Qt 6.4 has no announcement event). Nothing is drawn.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    enum Repeat { Once, EvenIfSaid };
    // Speaks text once: an empty one, or the same news again unless asked
    // to, says nothing.
    void announce(const QString& text, Repeat repeat = Once);
};
