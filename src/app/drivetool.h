#pragma once

// The window "走行計算" as a headless model.
//
//   main window's Form: Label6 ２次減速比, Label7 スパー, Label8 ピニオン,
//   Combo7 モジュール, MSFlexGrid1  ──┐
//   fields typed in this window ──────┴─► refresh() ─► sheet (tables as texts),
//                                                      status line, rollout table ─► gui/
//
// A wanted rollout, top speed or wheel rpm becomes a wanted total ratio that
// runs the main window's own survey: the ratio goes into its keypad entry
// (Label11) and Command5 is raised, exactly as if it had been typed there.
// The fields and the reference setup are kept in drive.dat in the data folder.

#include "app/gearbox.h"
#include "app/giadsp.h"
#include "calc/drive.h"
#include "common/flexgrid.h"
#include "form/clicktable.h"
#include "platform/host.h"
#include "print/driveprintout.h"

#include <QString>
#include <QStringList>
#include <QStringView>

class DriveTool
{
public:
    // The sheet's tables, in the order the page stacks them.
    enum TableIndex { Current, Reference, Steps, Pitches };

    // The drive inputs as typed (their module name is the main window's,
    // taken from it whenever they are read), and the wanted figures.
    struct Fields : Drive::Inputs
    {
        QString wantedRollout, wantedSpeed, wantedWheelRpm;
    };

    // host: this window's own door (its messages sit over this window).
    DriveTool(Giadsp& main, Host& host);

    // What the user typed; the front end writes here as the text changes.
    Fields fields;
    // 手持ちのギアだけ: the wanted-value surveys rank the gears owned that the
    // car's mount takes, and leave the main window as it is.
    bool ownedOnly = false;
    // The units the texts show; the fields hold mm and km/h whatever is chosen
    // (the front end converts a value typed in inches or mph as it arrives).
    Units::System units = Units::System::Metric;

    // Reads drive.dat and works everything out.
    void open();
    // Its window shows it: drive.dat is read the first time (open()), and
    // from then on the window's inputs are what counts; later openings work
    // everything out again.
    void show();
    bool shown() const { return m_shown; }
    // Before its window first showed it, 走行計算 is what drive.dat holds
    // now, which another copy of the program may have just written: read
    // again for whoever reads or restores the inputs (セッティング記録).
    void catchUp();
    // Works everything out again from the fields and the main window: after
    // each typed change and after every handler of the main window. Problems
    // go to the status line only; messages are for the buttons.
    void refresh();

    // Runs a handler by name ("surveyRollout", "takeReference" …).
    bool raise(QStringView name);
    // Every name raise() knows, with its handler.
    static const ClickTable<DriveTool>& clicks();

    void surveyRollout_Click();
    void surveySpeed_Click();
    void surveyWheelRpm_Click();
    void takeReference_Click();
    // ロールアウトを保つ: the owned pairs that keep the reference's rollout (or
    // the chosen notebook run's) on the tyre typed now.
    void keepRollout_Click();
    // The notebook's chosen run, whose rollout ロールアウトを保つ keeps in
    // place of the reference's; "" rollout forgets it.
    void setChosenRun(const QString& rollout, const QString& taken);
    void printSheet_Click();
    void explain_Click();
    // A field was left: drive.dat is written when the inputs changed.
    void fieldLeft();

    const DrivePrintOut::Sheet& sheet() const { return m_sheet; }
    // The first problem of the inputs or the main window's setup, or "".
    const QString& status() const { return m_status; }
    // What the last wanted-value survey asked the main window for, or "".
    const QString& surveyNote() const { return m_surveyNote; }
    // Where the module comes from, e.g. "メイン画面のモジュール 48P：m 0.52917";
    // "" when the main window's module names no pitch and the typed one counts.
    const QString& moduleNote() const { return m_moduleNote; }
    // The figures a racer acts on, in one sentence for the ear: "ロールアウト
    // 27.40mm、最高速度 50.4km/h、基準比 ロールアウト +3.5%、速度 +3.5%"; "" while
    // the status line tells why there are none.
    const QString& headline() const { return m_headline; }
    // What the last survey over the owned gears or ロールアウトを保つ found:
    // a heading sentence, then a pair a line, closest first.
    const QString& ownedNote() const { return m_ownedNote; }
    const QStringList& ownedPairs() const { return m_ownedPairs; }
    // The rollout table: the main ratio grid with a rollout in each ratio cell.
    const FlexGrid& rollouts() const { return m_rollouts; }
    // Whether the last handler ran one of the main window's, which must then
    // be drawn again.
    bool ranMainHandler() const { return m_ranMain; }
    QString filePath() const;

private:
    // The main window's setup read with the typed inputs.
    struct MainSetup
    {
        Drive::Setup setup;
        Result<Drive::Tool> tool;
        Result<Drive::Gear> gear;
        std::optional<Drive::Figures> figures; // none while the status line tells why
    };
    MainSetup readMainSetup();
    // The tables of the current setup, the conditions and the module note.
    void fillSheet(const MainSetup& now);
    // The reference setup with the inputs it was taken with.
    Result<Drive::Figures> referenceFigures() const;
    DrivePrintOut::Table comparison(const MainSetup& now) const;
    QString headlineOf(const MainSetup& now) const;
    Drive::Inputs inputs() const;
    Drive::Setup currentSetup() const;
    bool hasReference() const;
    void survey(Drive::Target target, const QString& field, const QString& wanted);
    void ownedSurvey(const Drive::Tool& tool, double ratio, const QString& field,
                     const QString& wanted);
    // The owned gears for the main window's car and module, read afresh;
    // none (told) when the notebook cannot be read or nothing is owned.
    std::optional<GearBox::Owned> ownedNow(double& secondary);
    void followGrid();
    void replaceRollouts(FlexGrid next);
    QList<Drive::PitchRange> pitchRanges() const;
    QStringList savedLines() const;
    void save();

    Giadsp& m_main;
    Host& m_host;
    Drive::Inputs m_referenceInputs; // as the reference was taken
    Drive::Setup m_reference;
    QStringList m_savedLines;
    DrivePrintOut::Sheet m_sheet;
    QString m_status, m_surveyNote, m_moduleNote, m_headline;
    GearBox m_gears;
    QString m_ownedNote;
    QStringList m_ownedPairs;
    QString m_chosenRollout, m_chosenTaken;
    FlexGrid m_rollouts;
    // What the rollout table was made from: the main grid's revision, the
    // secondary ratio and the tyre; unchanged, the table is not made again.
    struct GridKey
    {
        quint64 revision = 0;
        QString secondary, tyre;
        Units::System units = Units::System::Metric;
        bool operator==(const GridKey&) const = default;
    };
    std::optional<GridKey> m_gridKey;
    bool m_ranMain = false;
    bool m_shown = false;
};
