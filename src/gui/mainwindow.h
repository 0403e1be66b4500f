#pragma once

#include "app/session.h"
#include "mainlink.h"
#include "qthost.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

class Announcer;
class Backdrop;
class DriveWindow;
class KeyboardKeypad;
class NotebookWindow;
class QAction;
class RatioGridView;
struct ControlSpec;

// The window "ギア比確認" on screen. Every widget is built from the control
// table; each user edit goes straight into the Form, a click runs the
// control's handler by its id, and then the whole Form is rendered back with
// signals blocked, so code that sets a selector never raises its click.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const QString& dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Seeds the data folder with the shipped files, runs the start-up handler
    // and shows its result. Call once, before the window is shown.
    void start();
    // Draws the window at the largest zoom, up to the user's own, at which it
    // fits the available area of its screen, and places it wholly on it.
    void fitToScreen();
    // Draws the window at a zoom (Twips, fonts, the grid) and keeps it on its screen.
    void setZoom(double zoom);

    Giadsp& app() { return m_app; }
    Session& session() { return m_session; }
    // What the tool windows are given of this one.
    MainLink& link() { return m_link; }
    // The widget of a control ("Label11", "MSFlexGrid1" …), or nullptr.
    QWidget* control(const QString& name) const;
    // The action of a menu item ("verinf", "tzigensoku" …), or nullptr.
    QAction* menuAction(const QString& name) const;
    // Opens (or raises) the modeless 走行計算 window: what 走行計算 in ツール does.
    void openDriveWindow();
    // セッティング記録, made on first use and kept, as 走行計算.
    void openNotebookWindow();

    // Writes the whole Form onto the widgets.
    void render();
    // After a handler ran, from this window or another: the Form drawn again
    // and formChanged for the windows that follow it.
    void showHandlerResult();

signals:
    // After every handler, once the Form is on screen: windows that show
    // figures of the Form (走行計算) follow it from here.
    void formChanged();
    // The windows' zoom changed: windows drawn in twips follow it.
    void zoomChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Entry
    {
        const ControlSpec* desc;
        Control* control; // nullptr for the grid, which the Form keeps apart
        QWidget* widget;
        // The item list last put into the widget: the Form's lists are shared
        // copies, so an unchanged list compares equal at once, however long.
        ItemList renderedItems;
    };

    QWidget* createControl(const ControlSpec& desc, Control* control, QWidget* parent);
    void buildMenus();
    void setFocusOrder();
    void addZoomActions();
    void addLanguageActions();
    // Places every control at its twips at the current zoom.
    void placeControls();
    // The window moved inside, or onto, the available area of its screen.
    void keepOnScreen();
    // Runs the handler of a control or menu item, then renders the Form.
    void handle(ControlId id);
    void renderEntry(Entry& entry);
    // Whether a changed label is a result a screen reader hears of as news.
    bool isNews(const Control* control);

    QtHost m_host;
    Session m_session;
    Giadsp& m_app;
    MainLink m_link; // what the tool windows see of this one
    // Made on first use and kept when closed, so each opens again as it was left.
    DriveWindow* m_drive = nullptr;
    NotebookWindow* m_notebook = nullptr;
    Backdrop* m_backdrop;
    RatioGridView* m_grid = nullptr;
    KeyboardKeypad* m_keypad;
    Announcer* m_announcer;
    // The results that changed in this render, for the announcer.
    quint64 m_toldGrid = 0; // the grid revision whose survey was last told
    QStringList m_news;
    QList<Entry> m_entries;
    QHash<QString, QWidget*> m_widgets;
    QHash<QString, QAction*> m_actions;
    // Set when a mouse press on a list has already changed its row (and run
    // the handler), so the click that follows does not run it twice.
    bool m_listRowChangedByPress = false;
    bool m_followsScreen = false;
};
