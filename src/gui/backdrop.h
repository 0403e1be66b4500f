#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QWidget>

// The window's client area: the frame lines and the two footer lines are
// painted on its background on every paint, so they survive being covered.
class Backdrop : public QWidget
{
    Q_OBJECT

public:
    explicit Backdrop(QWidget* parent = nullptr);
    // Takes the size of the design at the windows' zoom.
    void rescale();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct FittedLine
    {
        QFont font;
        QPoint baseline; // where the text starts on its baseline
    };
    void fitFooter();
    // Fits the lines anew, keeps what was found and redraws if a remembered
    // stretch was not it (fonts installed or removed since).
    void checkFooter();

    QList<FittedLine> m_footer; // one per footer line, empty until painted at this zoom
};
