#pragma once

#include "common/flexgrid.h"
#include "common/itemlist.h"

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

// An input caption that is empty or exactly "0" counts as not set.
inline bool isUnset(const Control& c) { return c.text.isEmpty() || c.text == u"0"; }

// clang-format off
#define ZELTAN_LABELS(X)                                                                  \
    X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label7) X(Label8)       \
    X(Label9) X(Label10) X(Label11) X(Label12) X(Label13) X(Label14) X(Label15)           \
    X(Label16) X(Label17) X(Label18) X(Label19) X(Label20) X(Label21) X(Label22)          \
    X(Label23) X(Label24) X(Label25) X(Label26) X(Label27) X(Label28) X(Label29)          \
    X(Label30) X(Label31) X(Label32) X(Label33) X(Label34) X(Label35)
#define ZELTAN_COMMANDS(X)                                                                \
    X(Command1) X(Command2) X(Command3) X(Command4) X(Command5) X(Command6) X(Command7)   \
    X(Command8) X(Command9) X(Command10) X(Command11) X(Command12) X(Command13)           \
    X(Command14) X(Command15) X(Command16) X(Command17) X(Command18) X(Command19)         \
    X(Command20) X(Command21) X(Command22) X(Command23) X(Command24) X(Command25)         \
    X(Command26) X(Command27) X(Command28) X(Command29) X(Command30)
// clang-format on
#define ZELTAN_COMBOS(X) X(Combo1) X(Combo2) X(Combo3) X(Combo4) X(Combo5) X(Combo6) X(Combo7)
#define ZELTAN_OTHERS(X) X(List1) X(List2) X(Text1) X(Text2) X(Check1)
#define ZELTAN_CONTROLS(X) ZELTAN_LABELS(X) ZELTAN_COMMANDS(X) ZELTAN_COMBOS(X) ZELTAN_OTHERS(X)

// Readable names for the controls code computes with, beside the window's own
// names (which stay): what each control holds. The control table's role
// column says the same in the user's words.
#define ZELTAN_ALIASES(X)                                                                          \
    X(machineTitle, Label13)                                                                       \
    X(secondaryRatio, Label6)                                                                      \
    X(spurTeeth, Label7)                                                                           \
    X(pinionTeeth, Label8)                                                                         \
    X(totalRatio, Label9)                                                                          \
    X(keypadEntry, Label11)                                                                        \
    X(statusLine, Label12)                                                                         \
    X(keepOtherGear, Check1)                                                                       \
    X(newModuleName, Text2)                                                                        \
    X(newModuleHint, Label35)                                                                      \
    X(spurRangeLabel, Label5)                                                                      \
    X(pinionRangeLabel, Label10)                                                                   \
    X(module, Combo7)                                                                              \
    X(spurRangeStart, Combo1)                                                                      \
    X(spurRangeWidth, Combo2)                                                                      \
    X(pinionRangeStart, Combo3)                                                                    \
    X(pinionRangeWidth, Combo4)                                                                    \
    X(spurInterval, Combo5)                                                                        \
    X(pinionInterval, Combo6)                                                                      \
    X(machineList, List1)                                                                          \
    X(machineName, Text1)                                                                          \
    X(panelSecondaryRatio, Label20)                                                                \
    X(panelModule, Label34)                                                                        \
    X(panelSpurStart, Label23)                                                                     \
    X(panelSpurWidth, Label24)                                                                     \
    X(panelSpurInterval, Label31)                                                                  \
    X(panelPinionStart, Label26)                                                                   \
    X(panelPinionWidth, Label27)                                                                   \
    X(panelPinionInterval, Label32)                                                                \
    X(manualPanel, List2)                                                                          \
    X(manualClose, Command30)

// Every control of the main window, named as the window names them. The
// controls are the only store of working values, as on the window itself.
struct Form
{
#define ZELTAN_DECLARE(name) Control name;
    ZELTAN_CONTROLS(ZELTAN_DECLARE)
#undef ZELTAN_DECLARE
    FlexGrid MSFlexGrid1;

#define ZELTAN_DECLARE_ALIAS(alias, name)                                                          \
    Control& alias() { return name; }                                                              \
    const Control& alias() const { return name; }
    ZELTAN_ALIASES(ZELTAN_DECLARE_ALIAS)
#undef ZELTAN_DECLARE_ALIAS

    // A form with every control at its design caption and visibility.
    Form();

    // The control of that name, or nullptr.
    Control* control(QStringView name);
    const Control* control(QStringView name) const;
    // The window's name of one of the controls.
    QString nameOf(const Control& control) const;
    // Back to the caption and visibility the control table gives it.
    void resetToDesign(Control& control) const;
    // The control's text as the screen and the page show it: the machine
    // title's design caption in the window's language, every other text as held.
    QString shown(const Control& control) const;

    // A selector never set shows its own control name ("Combo1"); that, or
    // nothing at all, counts as not set.
    bool isUnsetSelector(const Control& selector) const
    {
        return selector.text.isEmpty() || selector.text == nameOf(selector);
    }
};
