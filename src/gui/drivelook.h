#pragma once

#include <QFont>
#include <QString>
#include <Qt>

class QLabel;
class QWidget;

// The looks of the 走行計算 window, taken from the main window's: its face
// (ＭＳ Ｐゴシック 9 pt), lilac-on-black headings, blue value boxes on the face
// colour, the blue status line. Every colour is set, so no desktop theme
// changes them.
namespace DriveLook {

QFont font(bool bold = false);
// Lilac on black, framed, as the main window's section headings.
QLabel* heading(const QString& text, QWidget* parent,
                Qt::Alignment align = Qt::AlignCenter | Qt::AlignVCenter);
// Black on the grid's heading colour, as the ratio grid's fixed cells.
QLabel* columnHeading(const QString& text, QWidget* parent);
// Blue on the face, framed and sunken, as the main window's value boxes.
QLabel* valueBox(QWidget* parent, Qt::Alignment align = Qt::AlignRight | Qt::AlignVCenter);
// Blue and bold on the face, framed, as the main window's status line.
QLabel* statusLine(QWidget* parent);
// Plain text on the window (units, notes).
QLabel* plain(const QString& text, QWidget* parent);

// Puts text on a label that shows a value or a status; a screen reader hears
// role with it, as news. An unchanged text changes nothing, so typing in a
// field does not make every label speak again.
void show(QLabel* label, const QString& role, const QString& text);

} // namespace DriveLook
