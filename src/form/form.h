#pragma once

#include "common/flexgrid.h"
#include "common/itemlist.h"
#include "form/controlid.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// One control of the window as plain data. Labels and buttons use text as
// their caption; combo boxes their edit text and items; list boxes their items
// and the selected row; check boxes the checked flag.
struct Control
{
    QString text;
    ItemList items;
    int listIndex = -1; // selected row of a list box, -1 for none
    bool visible = true;
    bool checked = false;

    // The selected row's text of a list box, empty when nothing is selected.
    QString listText() const { return items.value(listIndex); }
    void clearList()
    {
        items.clear();
        listIndex = -1;
    }
};

// Every control of the main window, named as the window names them: the
// window's state as its controls hold it. The core never sees it;
// app/formprojection and the panels turn it into values and back.
struct Form
{
#define ZELTAN_DECLARE(name, ...) Control name;
    ZELTAN_CONTROLS(ZELTAN_DECLARE, ZELTAN_DECLARE, ZELTAN_DECLARE, ZELTAN_DECLARE)
#undef ZELTAN_DECLARE
    FlexGrid MSFlexGrid1;

    // Readable names for the controls code computes with, beside the
    // window's own names (which stay): what each control holds. The control
    // table's role column says the same in the user's words.
#define ZELTAN_DECLARE_ALIAS(name, alias)                                                          \
    Control& alias() { return name; }                                                              \
    const Control& alias() const { return name; }
    ZELTAN_CONTROLS(ZELTAN_SKIP, ZELTAN_DECLARE_ALIAS, ZELTAN_SKIP, ZELTAN_DECLARE_ALIAS)
#undef ZELTAN_DECLARE_ALIAS

    // A form with every control at its design caption and visibility.
    Form();

    // The control of that id, or nullptr for the grid and the menu items.
    Control* control(ControlId id);
    const Control* control(ControlId id) const;
    // The control of a name from outside the code (a test's script), or nullptr.
    Control* control(QStringView name);
    const Control* control(QStringView name) const;
    // The window's name of one of the controls.
    QString nameOf(const Control& control) const;
    // Back to the caption and visibility the control table gives it.
    void resetToDesign(Control& control) const;
    // The control's text as the screen and the page show it: the machine
    // title's design caption in the window's language, every other text as held.
    QString shown(const Control& control) const;
};
