#pragma once

#include "app/drivetool.h"
#include "calc/units.h"
#include "qthost.h"
#include "toolwindow.h"

#include <QHash>

class MainLink;
class Session;
class QGridLayout;
class Announcer;
class GearBoxWindow;
class QListWidget;
class QLabel;
class QLineEdit;
class QPushButton;
class RatioGridView;
class SheetTable;

// The modeless window 走行計算 beside the main window. Typed fields go
// straight into the DriveTool, buttons run its handlers by name, and after
// each of them (and after every handler of the main window, through
// formChanged) the tool's texts are drawn again.
class DriveWindow : public ToolWindow
{
    Q_OBJECT

public:
    // Shows and edits the session's DriveTool.
    DriveWindow(Session& session, MainLink& main);
    ~DriveWindow() override;

    DriveTool& tool() { return m_tool; }
    // A control by name ("tyreDiameter", "surveyRollout", "rollouts" …), or nullptr.
    QWidget* control(const QString& name) const { return m_controls.value(name); }
    SheetTable* table(DriveTool::TableIndex index) const { return m_tables.value(index); }
    RatioGridView* rolloutView() const { return m_rollouts; }

protected:
    // The tool reads drive.dat at the first opening (DriveTool::show).
    void opening(bool first) override;
    // Fonts, field widths and the rollout table at the windows' zoom.
    void rescale() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A grid of rows under a heading that spans its columns, laid on box.
    QGridLayout* headedGrid(QWidget* box, const QString& heading, int columns);
    QWidget* buildInputs();
    QWidget* buildWanted();
    QWidget* buildButtons();
    // 手持ちのギアだけ, ロールアウトを保つ, 手持ちギア… and what they found.
    QWidget* buildOwned();
    void openGearBox();
    // Beside the main window, the whole sheet where the screen has room,
    // never past the screen's available area.
    void placeOnScreen();
    // quantity: a length or speed typed in the chosen units; none for the
    // fields that have one unit only (KV, voltage, rpm, module).
    QLineEdit* addField(QGridLayout* grid, int row, const QString& name,
                        QString DriveTool::Fields::*field, const QString& caption,
                        const QString& unit, std::optional<Units::Quantity> quantity = {});
    // The chosen units into the tool, the unit words and the texts.
    void followUnits();
    QPushButton* addButton(const QString& name, const QString& caption,
                           const QString& accessibleName);
    void followMain();
    void handle(const QString& name);
    void render();

    Session& m_session;
    MainLink& m_main;
    QtHost m_host;
    DriveTool& m_tool;
    QHash<QString, QWidget*> m_controls;
    QHash<QLineEdit*, QString DriveTool::Fields::*> m_fields;
    QHash<QLineEdit*, Units::Quantity> m_quantities; // the fields typed in the chosen units
    QHash<QLineEdit*, QLabel*> m_unitLabels;
    QLabel* m_rolloutHeading = nullptr;
    QHash<int, SheetTable*> m_tables;
    QLabel* m_status = nullptr;
    QString m_headline; // as last said
    Announcer* m_announcer = nullptr;
    QWidget* m_sheet = nullptr; // everything, inside the scroll area
    QLabel* m_moduleNote = nullptr;
    QLabel* m_surveyNote = nullptr;
    RatioGridView* m_rollouts = nullptr;
    QLabel* m_ownedNote = nullptr;
    QListWidget* m_ownedPairs = nullptr;
    GearBoxWindow* m_gearBox = nullptr;
};
