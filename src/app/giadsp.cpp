#include "giadsp.h"

#include "app/formprojection.h"
#include "app/keypad.h"
#include "app/lastinputs.h"
#include "app/machinepanel.h"
#include "app/mainsheet.h"
#include "app/manualpanel.h"
#include "app/modulepanel.h"
#include "app/pagedelivery.h"
#include "calc/gearcalc.h"
#include "calc/rangelabels.h"
#include "calc/ratiogrid.h"
#include "calc/survey.h"
#include "common/messages.h"
#include "common/numbertext.h"
#include "common/textfile.h"
#include "manual/manual.h"
#include "platform/busypointer.h"
#include "print/gridexport.h"

#include <QDate>

#include <cmath>
#include <utility>

using Quantity = GearCalc::Quantity;

Giadsp::Giadsp(Host& host, const QString& folder) : m_host(host), m_files(folder) {}

bool Giadsp::raise(ControlId id)
{
    // Each handler registered once against its id, from the same lists that declare it.
    switch (id) {
#define ZELTAN_RUN_CLICK(name, ...)                                                                \
    case ControlId::name:                                                                          \
        name##_Click();                                                                            \
        return true;
        ZELTAN_IDS(ZELTAN_SKIP, ZELTAN_SKIP, ZELTAN_RUN_CLICK, ZELTAN_RUN_CLICK, ZELTAN_SKIP)
#undef ZELTAN_RUN_CLICK
    default:
        break;
    }
    if (const int topic = ControlIds::manualTopic(id); topic >= 0) {
        manualTopic_Click(topic);
        return true;
    }
    return false;
}

// ---- Start-up ------------------------------------------------------------

void Giadsp::Form_Load()
{
    Form& f = m_form;
    // Fonts and places come from the control table, which the front end applies.
    f.spurInterval().items = QStringList{"1", "2", "3", "4", "5"};
    f.pinionInterval().items = QStringList{"1", "2"};
    f.spurInterval().text = QStringLiteral("1");
    f.pinionInterval().text = QStringLiteral("1");

    RatioGrid::layout(f.MSFlexGrid1);

    MachinePanel::ensureExists(m_host, m_files);
    MachinePanel::fillList(f, m_host, m_files);
    ModulePanel::fillSelector(f, m_host, m_files);

    const Result<QStringList> saved = TextFile::read(m_files.lastInputs());
    if (!saved && !saved.missing())
        m_host.message(saved.error());
    const QStringList values = LastInputs::fromLines(saved ? *saved : QStringList());
    LastInputs::restore(f, values, 0, LastInputs::ModuleLine + 1);
    LoadSelectedModule();
    LastInputs::restore(f, values, LastInputs::ModuleLine + 1, LastInputs::Count);

    f.machineName().text.clear();
    f.panelModule().text.clear();
    for (Control* c : {&f.keypadEntry(), &f.newModuleHint(), &f.newModuleName(), &f.statusLine()})
        f.resetToDesign(*c);

    BuildRatioGrid();
    ShowRangeLabels();
    // The footer lines are drawn by the front end from the control table.
    f.manualPanel().visible = false;
    f.manualClose().visible = false;
}

// ---- Keypad --------------------------------------------------------------

void Giadsp::typeOnKeypad(QString (*press)(const QString&, QChar), QChar key)
{
    m_form.keypadEntry().text = press(m_form.keypadEntry().text, key);
}

void Giadsp::Command6_Click() { typeOnKeypad(Keypad::pressDigit, u'7'); }
void Giadsp::Command7_Click() { typeOnKeypad(Keypad::pressDigit, u'8'); }
void Giadsp::Command8_Click() { typeOnKeypad(Keypad::pressDigit, u'9'); }
void Giadsp::Command9_Click() { typeOnKeypad(Keypad::pressDigit, u'4'); }
void Giadsp::Command10_Click() { typeOnKeypad(Keypad::pressDigit, u'5'); }
void Giadsp::Command11_Click() { typeOnKeypad(Keypad::pressDigit, u'6'); }
void Giadsp::Command12_Click() { typeOnKeypad(Keypad::pressDigit, u'1'); }
void Giadsp::Command13_Click() { typeOnKeypad(Keypad::pressDigit, u'2'); }
void Giadsp::Command14_Click() { typeOnKeypad(Keypad::pressDigit, u'3'); }
void Giadsp::Command15_Click() { typeOnKeypad(Keypad::pressDigit, u'0'); }
void Giadsp::Command16_Click() { typeOnKeypad(Keypad::pressPoint, u'.'); }
void Giadsp::Command17_Click() { m_form.keypadEntry().text = Keypad::Empty; }

// ---- SET buttons, selectors, survey --------------------------------------

bool Giadsp::takeKeypadEntry(Control& target, Keypad::As as)
{
    QString& entry = m_form.keypadEntry().text;
    if (entry == Keypad::Empty)
        return true;
    const Result<QString> value = Keypad::taken(entry, as);
    if (!value) {
        // The entry stays on the keypad so the user sees what was refused.
        m_host.message(value.error());
        return false;
    }
    target.text = *value;
    entry = Keypad::Empty;
    return true;
}

void Giadsp::setRow(Quantity quantity)
{
    const Keypad::As as = GearCalc::isToothCount(quantity) ? Keypad::As::Count : Keypad::As::Text;
    // A refused entry calculates nothing; the inputs are saved as they stand.
    if (takeKeypadEntry(FormProjection::valueOf(m_form, quantity), as))
        CalculateSelected();
    SaveLastInputs();
}

void Giadsp::Command1_Click() { setRow(Quantity::Secondary); }
void Giadsp::Command2_Click() { setRow(Quantity::Spur); }
void Giadsp::Command3_Click() { setRow(Quantity::Pinion); }
void Giadsp::Command4_Click() { setRow(Quantity::Total); }

void Giadsp::Command5_Click()
{
    if (takeKeypadEntry(m_form.totalRatio(), Keypad::As::Text))
        SurveyWantedRatio();
    SaveLastInputs();
}

void Giadsp::surveyRatio(const QString& ratio)
{
    m_form.totalRatio().text = ratio;
    SurveyWantedRatio();
    SaveLastInputs();
}

void Giadsp::Command18_Click() { FormProjection::select(m_form, Quantity::Secondary); }
void Giadsp::Command19_Click() { FormProjection::select(m_form, Quantity::Spur); }
void Giadsp::Command20_Click() { FormProjection::select(m_form, Quantity::Pinion); }
void Giadsp::Command21_Click() { FormProjection::select(m_form, Quantity::Total); }

// ---- Range selectors and modules -----------------------------------------

void Giadsp::Combo1_Click() { ShowRangeLabels(); }
void Giadsp::Combo2_Click() { ShowRangeLabels(); }
void Giadsp::Combo3_Click() { ShowRangeLabels(); }
void Giadsp::Combo4_Click() { ShowRangeLabels(); }

void Giadsp::Combo7_Click()
{
    ModulePanel::showCreationMode(m_form);
    LoadSelectedModule();
    ShowRangeLabels();
}

void Giadsp::Command29_Click()
{
    // Values the grid refused are not stored as a module either.
    if (BuildRatioGrid())
        ModulePanel::storeTypedModule(m_form, m_host, m_files, m_rememberedModule);
}

// ---- Machines ------------------------------------------------------------

void Giadsp::Command22_Click() { MachinePanel::registerMachine(m_form, m_host, m_files); }
void Giadsp::Command27_Click() { MachinePanel::deleteSelected(m_form, m_host, m_files); }

void Giadsp::List1_Click()
{
    Form& f = m_form;
    const QString name = f.machineList().listText();
    if (name.isEmpty())
        return;
    for (const auto& machine : MachinePanel::recordsNamed(name, m_host, m_files)) {
        f.machineTitle().text = machine.Name;
        f.module().text = machine.Module;
        LoadSelectedModule();
        f.secondaryRatio().text = machine.SecondaryRatio;
        f.spurRangeStart().text = machine.SpurStart;
        f.spurRangeWidth().text = machine.SpurSpan;
        f.pinionRangeStart().text = machine.PinionStart;
        f.pinionRangeWidth().text = machine.PinionSpan;
        f.spurInterval().text = machine.SpurInterval;
        f.pinionInterval().text = machine.PinionInterval;
    }
    f.spurTeeth().text = QStringLiteral("0");
    f.pinionTeeth().text = QStringLiteral("0");
    f.totalRatio().text = QStringLiteral("5.5");
    SurveyWantedRatio();
    SaveLastInputs();
}

void Giadsp::Command23_Click() { MachinePanel::transferAll(m_form); }
void Giadsp::Command24_Click() { MachinePanel::transferSecondary(m_form); }
void Giadsp::Command25_Click() { MachinePanel::transferSpur(m_form); }
void Giadsp::Command26_Click() { MachinePanel::transferPinion(m_form); }
void Giadsp::Command28_Click() { MachinePanel::transferModule(m_form); }

// ---- Manual --------------------------------------------------------------

void Giadsp::manualTopic_Click(int topic)
{
    ManualPanel::ShowManualTopic(m_form, m_host, m_files.path(Manual::fileName()),
                                 Manual::topicTitles().value(topic));
}

void Giadsp::torisetutoziru_Click()
{
    if (m_form.manualPanel().visible)
        ManualPanel::close(m_form);
}

void Giadsp::torisetuhiraku_Click()
{
    ManualPanel::reopen(m_form, m_host, m_files.path(Manual::fileName()));
}
void Giadsp::Command30_Click() { ManualPanel::close(m_form); }

// ---- Menu bar ------------------------------------------------------------

void Giadsp::purinto_Click()
{
    PageDelivery::printAfterQuestion(m_host, [this] { return MainSheet::buildPage(m_form); });
}
void Giadsp::verinf_Click() { m_host.showVersionDialog(); }
void Giadsp::owaru_Click() { m_host.quit(); }

// ---- Tools menu ------------------------------------------------------------

void Giadsp::soukou_Click()
{
    if (m_openDriveWindow)
        m_openDriveWindow();
}
void Giadsp::purebyuu_Click() { PageDelivery::preview(m_host, MainSheet::buildPage(m_form)); }
void Giadsp::insatu_Click() { PageDelivery::printWithDialog(m_host, MainSheet::buildPage(m_form)); }

// The saved files are named after the car whose results they hold.
QString Giadsp::exportName(const QString& extension) const
{
    return GridExport::fileName(m_form.machineTitle().text, QDate::currentDate(), extension);
}

void Giadsp::pdfhozon_Click()
{
    PageDelivery::savePdf(m_host, MainSheet::buildPage(m_form), exportName(QStringLiteral("pdf")));
}

void Giadsp::csvhozon_Click()
{
    PageDelivery::saveCsv(m_host, GridExport::csv(m_form.MSFlexGrid1),
                          exportName(QStringLiteral("csv")));
}

// ---- Private procedures --------------------------------------------------

void Giadsp::SaveLastInputs()
{
    // Syncing the file to disk takes longer than drawing the result, so it is
    // written once the window shows it; saves asked for until then are one,
    // of the latest values.
    const bool waiting = m_unsavedInputs.has_value();
    m_unsavedInputs = LastInputs::collect(m_form);
    if (!waiting)
        m_host.afterDrawing([this] { saveLastInputsNow(); });
}

void Giadsp::saveLastInputsNow()
{
    if (!m_unsavedInputs)
        return;
    const QStringList values = *std::exchange(m_unsavedInputs, std::nullopt);
    Result<> saved = LastInputs::check(values);
    if (saved)
        saved = TextFile::writeAtomically(m_files.lastInputs(), LastInputs::toLines(values));
    if (!saved)
        m_host.message(saved.error());
}

void Giadsp::CalculateSelected()
{
    const auto outcome = GearCalc::CalculateSelected(FormProjection::gearSetup(m_form));
    FormProjection::show(m_form, outcome);
    if (!outcome)
        m_host.message(outcome.error());
}

void Giadsp::SurveyWantedRatio()
{
    const auto request = Survey::read(FormProjection::surveyInputs(m_form));
    if (!request) {
        m_host.message(request.error());
        return;
    }
    BusyPointer busy(m_host);
    FormProjection::show(m_form, Survey::SurveyWantedRatio(m_form.MSFlexGrid1, *request));
}

void Giadsp::LoadSelectedModule() { ModulePanel::LoadSelectedModule(m_form, m_host, m_files); }

bool Giadsp::BuildRatioGrid()
{
    const auto table =
        RatioGrid::readTable(FormProjection::selection(m_form), m_form.secondaryRatio().text);
    if (!table) {
        m_host.message(table.error());
        return false;
    }
    // While a selector is unset there is nothing to draw, and nothing refused.
    if (*table) {
        BusyPointer busy(m_host);
        RatioGrid::BuildRatioGrid(m_form.MSFlexGrid1, **table);
    }
    return true;
}

void Giadsp::ShowRangeLabels()
{
    FormProjection::show(m_form, RangeLabels::captions(FormProjection::selection(m_form)));
}

void Giadsp::restoreGearing(const Gearing& run)
{
    auto whole = [](const QString& text) {
        const auto count = NumberText::toCount(text);
        return count ? NumberText::count(*count) : text;
    };
    m_form.secondaryRatio().text = run.secondary;
    m_form.spurTeeth().text = whole(run.spur);
    m_form.pinionTeeth().text = whole(run.pinion);
    const auto secondary = NumberText::toDouble(run.secondary);
    const auto spur = NumberText::toCount(run.spur), pinion = NumberText::toCount(run.pinion);
    const double total = secondary && spur && pinion && *pinion > 0
                             ? double(*spur) / double(*pinion) * *secondary
                             : NAN;
    m_form.totalRatio().text = std::isfinite(total) ? NumberText::ratio5(total) : run.total;
    if (!run.car.isEmpty())
        m_form.machineTitle().text = run.car;
    m_form.statusLine().text =
        Messages::restored(m_form.pinionTeeth().text, m_form.spurTeeth().text);
    if (!run.module.isEmpty() && run.module != m_form.module().text) {
        if (m_form.module().items.contains(run.module)) {
            m_form.module().text = run.module;
            Combo7_Click();
        } else {
            m_host.message(Messages::moduleNotInTable(run.module));
        }
    }
    SaveLastInputs();
}

void Giadsp::kiroku_Click()
{
    if (m_openNotebookWindow)
        m_openNotebookWindow();
}
