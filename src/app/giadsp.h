#pragma once

// The main window "ギア比確認" as a headless model.
//
//   user ─► Qt widgets (gui/) ─► Form: every control's text, list, visibility, grid cells
//                  │ raise(ControlId::Command2) ─► handler (here)
//                  │     ─► app/formprojection and the panels: the controls as values
//                  │     ─► calc/ gearmodules/ machines/ manual/ print/ (values in, values out)
//                  │     ◄─ the results written back into the Form, messages through Host
//                  └─ render the Form back onto the widgets after each handler
//
// Handlers are named after the window's events and stay short: each delegates
// to the panel or projection that owns the work. The platform (message boxes,
// busy pointer, printer, version dialog, quit) is reached only through Host.

#include "app/keypad.h"
#include "calc/gearcalc.h"
#include "form/controlid.h"
#include "form/form.h"
#include "platform/datafolder.h"
#include "platform/host.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Giadsp
{
public:
    Giadsp(Host& host, const QString& folder);

    Form& form() { return m_form; }
    const Form& form() const { return m_form; }
    const DataFolder& files() const { return m_files; }

    // Runs the handler of a control's click or a menu item (ControlId::Command6,
    // Combo7, List1, owaru, tzigensoku …). Returns false when it has none.
    bool raise(ControlId id);

    // 走行計算 is a window of the front end's own: soukou_Click asks it to
    // open one through this (nothing happens without a front end).
    void setDriveWindowOpener(std::function<void()> open) { m_openDriveWindow = std::move(open); }
    // セッティング記録 likewise, through kiroku_Click.
    void setNotebookWindowOpener(std::function<void()> open)
    {
        m_openNotebookWindow = std::move(open);
    }

    void Form_Load();

    // The click handlers, one for each control and menu item the lists of
    // form/controlid.h give a click.
#define ZELTAN_DECLARE_CLICK(name, ...) void name##_Click();
    ZELTAN_IDS(ZELTAN_SKIP, ZELTAN_SKIP, ZELTAN_DECLARE_CLICK, ZELTAN_DECLARE_CLICK, ZELTAN_SKIP)
#undef ZELTAN_DECLARE_CLICK

    // The manual topic items differ only by their title (index 0…11 in
    // the order of ControlIds::ManualTopics).
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
