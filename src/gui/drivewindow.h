#pragma once

#include "app/drivetool.h"
#include "calc/units.h"
#include "qthost.h"

#include <QHash>
#include <QWidget>

class MainLink;
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
class DriveWindow : public QWidget
{
    Q_OBJECT

public:
    explicit DriveWindow(MainLink& main);
    ~DriveWindow() override;

    DriveTool& tool() { return m_tool; }
    // Reads drive.dat on the first opening, then shows the window in front.
    void open();
    // A control by name ("tyreDiameter", "surveyRollout", "rollouts" …), or nullptr.
    QWidget* control(const QString& name) const { return m_controls.value(name); }
    SheetTable* table(DriveTool::TableIndex index) const { return m_tables.value(index); }
    RatioGridView* rolloutView() const { return m_rollouts; }

protected:
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
    // Fonts, field widths and the rollout table at the windows' zoom.
    void rescale();
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

    MainLink& m_main;
    QtHost m_host;
    DriveTool m_tool;
    bool m_opened = false;
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
