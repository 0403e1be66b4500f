#pragma once

#include <cstddef>
#include <iterator>

// Every control of the main window and every menu and item of its menu bar,
// each named once, here. The ids clicks are raised by, the Form's members and
// readable aliases, Giadsp's handlers and the control table's rows all come
// from these two lists, so none of them can name what the others lack.
//
// A control's line says how code reaches it besides its window name:
//   N(name)           nothing more
//   A(name, alias)    a readable alias too (form.machineTitle() is Label13)
//   C(name)           a click runs Giadsp::name_Click
//   AC(name, alias)   both
// The controls stand in the window's creation order; the grid, which the
// Form keeps as a FlexGrid, is the one control not listed.
// clang-format off
#define ZELTAN_CONTROLS(N, A, C, AC)                                                     \
    A(Label13, machineTitle)                                                             \
    N(Label1) A(Label6, secondaryRatio) C(Command18) C(Command1)                         \
    N(Label2) A(Label7, spurTeeth) C(Command19) C(Command2)                              \
    N(Label3) A(Label8, pinionTeeth) C(Command20) C(Command3)                            \
    N(Label4) A(Label9, totalRatio) C(Command21) C(Command4)                             \
    A(Label11, keypadEntry)                                                              \
    C(Command6) C(Command7) C(Command8) C(Command9) C(Command10) C(Command11)            \
    C(Command12) C(Command13) C(Command14) C(Command15) C(Command16) C(Command17)        \
    A(Label12, statusLine) C(Command5) A(Check1, keepOtherGear) C(Command29)             \
    N(Label16) A(Label35, newModuleHint) A(Text2, newModuleName)                         \
    N(Label33) A(Label5, spurRangeLabel) A(Label10, pinionRangeLabel) AC(Combo7, module) \
    AC(Combo1, spurRangeStart) N(Label14) AC(Combo2, spurRangeWidth)                     \
    N(Label29) A(Combo5, spurInterval)                                                   \
    AC(Combo3, pinionRangeStart) N(Label15) AC(Combo4, pinionRangeWidth)                 \
    N(Label30) A(Combo6, pinionInterval)                                                 \
    N(Label17) N(Label28) AC(List1, machineList) N(Label18) A(Text1, machineName)        \
    N(Label19) A(Label20, panelSecondaryRatio) N(Label21) A(Label34, panelModule)        \
    N(Label22) A(Label23, panelSpurStart) A(Label24, panelSpurWidth)                     \
    A(Label31, panelSpurInterval)                                                        \
    N(Label25) A(Label26, panelPinionStart) A(Label27, panelPinionWidth)                 \
    A(Label32, panelPinionInterval)                                                      \
    C(Command22) C(Command23) C(Command24) C(Command25) C(Command26) C(Command28)        \
    C(Command27)                                                                         \
    A(List2, manualPanel) AC(Command30, manualClose)

// The menu bar in its order, each item after its menu:
//   M(name)   a menu of items
//   C(name)   an item whose click runs Giadsp::name_Click
//   T(name)   one of the manual's topics: its click runs manualTopic_Click
//             with its place among them, the order of Manual::topicTitles()
#define ZELTAN_MENUS(M, C, T)                                                            \
    C(owaru)                                                                             \
    M(toriatukai) T(tzigensoku) T(tspgia) T(tpinion) T(tgensokuhi) T(tsitei)             \
    T(tsiteipr) T(tmasinst) T(tprinto) C(torisetutoziru) C(torisetuhiraku)               \
    C(purinto) C(verinf)                                                                 \
    M(tuuru) C(soukou) C(purebyuu) C(insatu) C(pdfhozon) C(csvhozon) C(kiroku)           \
    M(tuurusetumei) T(ttuuru) T(tsoukou) T(tkiroku) T(tkey)
// clang-format on

// Every id: the controls, the grid, the menus (a menu of items is reached by
// its name only).
#define ZELTAN_IDS(N, A, C, AC, T) ZELTAN_CONTROLS(N, A, C, AC) N(MSFlexGrid1) ZELTAN_MENUS(N, C, T)

// For a line a use passes over.
#define ZELTAN_SKIP(...)

// A control or menu item of the main window, by its window name.
enum class ControlId {
#define ZELTAN_ID(name, ...) name,
    ZELTAN_IDS(ZELTAN_ID, ZELTAN_ID, ZELTAN_ID, ZELTAN_ID, ZELTAN_ID)
#undef ZELTAN_ID
};

namespace ControlIds {

constexpr std::size_t Count = 0
#define ZELTAN_ONE(...) +1
    ZELTAN_IDS(ZELTAN_ONE, ZELTAN_ONE, ZELTAN_ONE, ZELTAN_ONE, ZELTAN_ONE)
#undef ZELTAN_ONE
    ;

constexpr std::size_t index(ControlId id) { return static_cast<std::size_t>(id); }

// The manual's topic items in the order of their titles.
inline constexpr ControlId ManualTopics[] = {
#define ZELTAN_TOPIC(name) ControlId::name,
    ZELTAN_MENUS(ZELTAN_SKIP, ZELTAN_SKIP, ZELTAN_TOPIC)
#undef ZELTAN_TOPIC
};

// The place of a manual topic item among them, or -1 for any other id.
constexpr int manualTopic(ControlId id)
{
    for (std::size_t i = 0; i < std::size(ManualTopics); ++i)
        if (ManualTopics[i] == id)
            return static_cast<int>(i);
    return -1;
}

} // namespace ControlIds
