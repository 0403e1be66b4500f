#pragma once

// The main window "ギア比確認" as a headless model.
//
//   user ─► Qt widgets (gui/) ─► Form: every control's text, list, visibility, grid cells
//                  │ raise("Command2") ─► handler (here) ─► calc/ gearmodules/ machines/ manual/
//                  print/ ◄── render the Form back onto the widgets after each handler
//
// Handlers are named after the window's events and stay short: each delegates
// to the folder that owns the work. The platform (message boxes, busy pointer,
// printer, version dialog, quit) is reached only through Host.

#include "app/keypad.h"
#include "calc/gearcalc.h"
#include "form/clicktable.h"
#include "form/form.h"
#include "platform/datafolder.h"
#include "platform/host.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

// Every click handler of the window, named once after its control or menu
// item: the keypad, the SET buttons and the survey, the calculation
// selectors, the range selectors and modules, the machine panel, the manual,
// the menu bar and the tools menu.
// clang-format off
#define ZELTAN_CLICK_HANDLERS(X)                                                    \
    X(Command6) X(Command7) X(Command8) X(Command9) X(Command10) X(Command11)       \
    X(Command12) X(Command13) X(Command14) X(Command15) X(Command16) X(Command17)   \
    X(Command1) X(Command2) X(Command3) X(Command4) X(Command5)                    \
    X(Command18) X(Command19) X(Command20) X(Command21)                            \
    X(Combo1) X(Combo2) X(Combo3) X(Combo4) X(Combo7) X(Command29)                 \
    X(Command22) X(Command27) X(List1) X(Command23) X(Command24) X(Command25)      \
    X(Command26) X(Command28)                                                      \
    X(torisetutoziru) X(torisetuhiraku) X(Command30)                               \
    X(purinto) X(verinf) X(owaru)                                                  \
    X(soukou) X(purebyuu) X(insatu) X(pdfhozon) X(csvhozon) X(kiroku)
// The manual's topic items, in the order of their titles.
#define ZELTAN_MANUAL_TOPICS(X)                                                     \
    X(tzigensoku) X(tspgia) X(tpinion) X(tgensokuhi) X(tsitei) X(tsiteipr)         \
    X(tmasinst) X(tprinto) X(ttuuru) X(tsoukou) X(tkiroku) X(tkey)
// clang-format on

class Giadsp
{
public:
    Giadsp(Host& host, const QString& folder);

    Form& form() { return m_form; }
    const Form& form() const { return m_form; }
    const DataFolder& files() const { return m_files; }

    // Runs the handler of a control's click or a menu item, by name
    // ("Command6", "Combo7", "List1", "owaru", "tzigensoku" …). Returns false
    // when that control has no handler.
    bool raise(QStringView name);
    // Every name raise() knows, with its handler.
    static const ClickTable<Giadsp>& clicks();

    // 走行計算 is a window of the front end's own: soukou_Click asks it to
    // open one through this (nothing happens without a front end).
    void setDriveWindowOpener(std::function<void()> open) { m_openDriveWindow = std::move(open); }
    // セッティング記録 likewise, through kiroku_Click.
    void setNotebookWindowOpener(std::function<void()> open)
    {
        m_openNotebookWindow = std::move(open);
    }

    void Form_Load();

    // The click handlers, declared from the one list below.
#define ZELTAN_DECLARE_CLICK(name) void name##_Click();
    ZELTAN_CLICK_HANDLERS(ZELTAN_DECLARE_CLICK)
#undef ZELTAN_DECLARE_CLICK

    // The manual topic items differ only by their title (index 0…11 in
    // the order of ZELTAN_MANUAL_TOPICS).
    void manualTopic_Click(int topic);

    // 指定減速比調査 for a wanted ratio another window worked out: the same
    // checks, marks, inputs and GIA.DAT as after the button, while the keypad
    // entry stays the user's.
    void surveyRatio(const QString& ratio);

    // A noted setup put back as typing it and pressing SET would: tooth
    // counts whole, the total ratio worked out from the other three, the
    // car's name and its module (where the module table has it, else told),
    // a status line of its own, saved in GIA.DAT; the keypad entry stays the
    // user's.
    struct Gearing
    {
        QString car, module, secondary, spur, pinion, total;
    };
    void restoreGearing(const Gearing& run);

    // Writes GIA.DAT at once when a save still waits for the window to be
    // drawn; the program calls it before it ends.
    void saveLastInputsNow();

private:
    // zeltan-<car>-<date>.<extension>, proposed when results are saved.
    QString exportName(const QString& extension) const;
    void SaveLastInputs();
    void CalculateSelected();
    void SurveyWantedRatio();
    void ShowRangeLabels();
    void LoadSelectedModule();
    bool BuildRatioGrid();

    void typeOnKeypad(QString (*press)(const QString&, QChar), QChar key);
    // Moves the keypad entry into the target; false when it was refused.
    bool takeKeypadEntry(Control& target, Keypad::As as);
    void setRow(GearCalc::Quantity quantity);

    Host& m_host;
    DataFolder m_files;
    Form m_form;
    QString m_rememberedModule;
    std::optional<QStringList> m_unsavedInputs; // GIA.DAT's values waiting to be written
    std::function<void()> m_openDriveWindow;
    std::function<void()> m_openNotebookWindow;
};
