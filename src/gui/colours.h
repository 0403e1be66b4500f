#pragma once

#include <QColor>
#include <QPalette>

class QWidget;
struct ControlSpec;

// The window's colours: the numbers of the control table and the grid, and
// the palette the design assumes for every colour it leaves to the system.
namespace Colours {

// A colour number (R + 256·G + 65536·B) as Qt's colour.
QColor of(int number);

// The light face the window was designed on, set on the window, its menus
// and dialogs, so no desktop theme changes it; its highlight is dark enough
// for white text to read.
QPalette design();

// The control's own colours from the table onto the palette roles that kind
// of widget paints with.
void apply(QWidget* widget, const ControlSpec& desc);

} // namespace Colours
