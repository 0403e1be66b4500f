#pragma once

#include "app/notebook.h"
#include "qthost.h"
#include "toolwindow.h"

#include <QHash>

#include <optional>

class MainLink;
class Session;
class Announcer;
class GearBoxWindow;
class NotebookChartView;
class NotebookListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class QTableView;

// The modeless window セッティング記録 beside the main window: filters, the
// list of runs, the entry being edited and the charts. Buttons run the
// Notebook's handlers by name and then everything is drawn again from it.
class NotebookWindow : public ToolWindow
{
    Q_OBJECT

public:
    // Shows the session's Notebook.
    NotebookWindow(Session& session, MainLink& main);
    ~NotebookWindow() override;

    Notebook& notebook() { return m_notebook; }
    // A control by name ("record", "car", "list", "field:motor_temp" …), or nullptr.
    QWidget* control(const QString& name) const { return m_controls.value(name); }
    QTableView* list() const { return m_list; }
    NotebookChartView* chart() const { return m_chart; }

    // Runs a handler of the model by name, then draws the window again.
    void handle(const QString& name);
    // The chart as a PNG where the user chooses.
    void saveChartPng();
    // Two listed runs side by side: the chosen one and the one listed after it.
    void compareRuns();
    // 手持ちギア… and 温度上限… (notebookwindowgears.cpp).
    void openGearBox();
    void askTempLimit();

protected:
    // The first opening draws the window empty; the notebook file is read
    // after its first frame (paintEvent).
    void opening(bool first) override;
    void rescale() override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildFilters();
    QWidget* buildEditor();
    QWidget* buildButtons();
    QPushButton* addButton(const QString& name, const QString& caption);
    // Opens the notebook file and lists it, once, waiting for a read begun
    // by the first frame (startReading) if there is one.
    void readNotebook();
    void startReading();
    // The reading thread's news: the list read, the file checked.
    void readProgress();
    void filterChosen();
    // Makes a run of the chart the chosen one, as a pick in the list would.
    void chooseRun(qint64 id);
    void rowChosen();
    // Draws everything from the model; chartLater leaves the charts to the
    // frame after (a run noted is listed within the frame of its click).
    void render(bool chartLater = false);
    void renderFilters();
    void renderTrackLine();
    void renderEditor();
    void renderChart();
    void placeOnScreen();
    // Lays the panes out for the window's width: side by side, or what does
    // not fit as tabs; anew also gives every pane its width again.
    void arrange(bool anew);

    Session& m_session;
    MainLink& m_main;
    QtHost m_host;
    Notebook& m_notebook;
    bool m_readAsked = false, m_read = false;
    QHash<QString, QWidget*> m_controls;
    QHash<QLineEdit*, QString NotebookEntry::*> m_fields;
    QLineEdit* m_date = nullptr;
    QComboBox* m_car = nullptr;
    QComboBox* m_track = nullptr;
    QComboBox* m_axis = nullptr;
    QLabel* m_trackLine = nullptr; // what the chosen car's runs on the chosen track say
    QTableView* m_list = nullptr;
    QSplitter* m_split = nullptr;
    QScrollArea* m_editor = nullptr; // the fields, scrolling in a short window
    QWidget* m_listBox = nullptr;    // the filters and the list
    QWidget* m_editorBox = nullptr;  // the fields and 保存
    QWidget* m_chartBox = nullptr;   // the charts and their axis
    QTabWidget* m_shared = nullptr;  // what does not fit side by side, as tabs
    enum class Panes { Three, ListBesideTabs, Tabs };
    Panes m_panes = Panes::Three;
    NotebookListModel* m_model = nullptr;
    NotebookChartView* m_chart = nullptr;
    std::optional<QList<qint64>> m_runsAcross; // the chart's runs left to right
    bool m_chartStale = false;                 // the charts wait for the frame after
    bool m_waited = false; // the busy pointer shows while another program holds the lock
    Announcer* m_announcer = nullptr;
    GearBoxWindow* m_gearBox = nullptr;
};
