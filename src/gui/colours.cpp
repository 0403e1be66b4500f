#include "colours.h"

#include "common/colour.h"
#include "form/controltable.h"

#include <QWidget>

namespace Colours {

QColor of(int number)
{
    return QColor(Colour::red(number), Colour::green(number), Colour::blue(number));
}

QPalette design()
{
    struct Role
    {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    // The face every screenshot and the print-out were made with; only the
    // highlight is darker, for selected rows and menu items.
    static constexpr Role Roles[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff1f6c9e, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    QPalette palette;
    for (const Role& r : Roles) {
        palette.setColor(QPalette::Active, r.role, QColor::fromRgba(r.normal));
        palette.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.normal));
        palette.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    return palette;
}

void apply(QWidget* widget, const ControlSpec& desc)
{
    QPalette::ColorRole back = QPalette::Window;
    QPalette::ColorRole fore = QPalette::WindowText;
    switch (desc.kind) {
    case ControlKind::Button:
        back = QPalette::Button;
        fore = QPalette::ButtonText;
        break;
    case ControlKind::Combo:
    case ControlKind::List:
    case ControlKind::Text:
    case ControlKind::Grid:
        back = QPalette::Base;
        fore = QPalette::Text;
        break;
    case ControlKind::Label:
    case ControlKind::Check:
        break;
    }

    QPalette palette = widget->palette();
    if (desc.foreground >= 0)
        palette.setColor(fore, of(desc.foreground));
    if (desc.background >= 0)
        palette.setColor(back, of(desc.background));
    else if (desc.background == Look::Face)
        palette.setColor(back, palette.color(QPalette::Button));
    widget->setPalette(palette);

    // A label fills its box only when it has a colour of its own; transparent
    // and default ones show the window behind them.
    if (desc.kind == ControlKind::Label)
        widget->setAutoFillBackground(desc.background >= 0 || desc.background == Look::Face);
}

} // namespace Colours
