#pragma once

// The main window "ギア比確認" as a headless model.
//
//   user ─► Qt widgets (gui/) ─► Form: every control's text, list, visibility, grid cells
//                  │ raise("Command2") ─► handler (here) ─► calc/ modules/ machines/ manual/ print/
//                  ◄── render the Form back onto the widgets after each handler
//
// Handlers are named after the window's events and stay short: each delegates
// to the folder that owns the work. The platform (message boxes, busy pointer,
// printer, version dialog, quit) is reached only through Host.

#include "form/form.h"
#include "platform/datafolder.h"
#include "platform/host.h"

#include <QString>
#include <QStringView>

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

    void Form_Load();

    // Keypad.
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();

    // SET buttons and the wanted-ratio survey.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // Calculation selectors.
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();

    // Range selectors and modules.
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Combo7_Click();
    void Command29_Click();

    // Machines.
    void Command22_Click();
    void Command27_Click();
    void List1_Click();
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Command26_Click();
    void Command28_Click();

    // Manual. The eight topic items differ only by their title (index 0…7 in
    // menu order).
    void manualTopic_Click(int topic);
    void torisetutoziru_Click();
    void torisetuhiraku_Click();
    void Command30_Click();

    // Menu bar.
    void purinto_Click();
    void verinf_Click();
    void owaru_Click();

    // Tools menu.
    void soukou_Click();
    void purebyuu_Click();
    void insatu_Click();
    void pdfhozon_Click();
    void csvhozon_Click();

private:
    void SaveLastInputs();
    void CalculateSelected();
    void SurveyWantedRatio();
    void ShowRangeLabels();
    void LoadSelectedModule();
    bool BuildRatioGrid();

    void typeOnKeypad(QString (*press)(const QString&, QChar), QChar key);
    bool takeKeypadEntry(Control& target, bool asCount);
    void setRow(int quantity);

    Host& m_host;
    DataFolder m_files;
    Form m_form;
    QString m_rememberedModule;
};
