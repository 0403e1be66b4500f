#pragma once

#include "app/gearbox.h"
#include "qthost.h"
#include "toolwindow.h"

#include <QHash>

class Announcer;
class Giadsp;
class QComboBox;
class QLabel;
class QLineEdit;

// The window 手持ちギア: a module's owned spurs and pinions, typed as ranges,
// and a car's motor mount for it. A field is stored when it is left or
// Return is pressed; a refused one keeps what was typed and says why.
class GearBoxWindow : public ToolWindow
{
    Q_OBJECT

public:
    // app: the main window's handlers, whose module and car it shows;
    // parent: the tool window it was opened from, over which it stays.
    GearBoxWindow(Giadsp& app, QWidget* parent);

    GearBox& box() { return m_box; }
    // A control by name ("module", "spurs", "pinions", "car", "least", "most").
    QWidget* control(const QString& name) const { return m_controls.value(name); }

signals:
    // A list or a mount was stored.
    void changed();

protected:
    // Every opening reads the file again and shows the main window's module and car.
    void opening(bool first) override;
    QWidget* firstFocus() override;

private:
    QLineEdit* addField(const QString& name, const QString& caption);
    void moduleChosen();
    void commitGears(QLineEdit* edited);
    void commitMount(QLineEdit* edited);
    void showLists();
    void showMount();
    void tell(const QString& text);

    Giadsp& m_app;
    QtHost m_host;
    GearBox m_box;
    QHash<QString, QWidget*> m_controls;
    QComboBox* m_module = nullptr;
    QComboBox* m_car = nullptr;
    QLineEdit *m_spurs = nullptr, *m_pinions = nullptr, *m_least = nullptr, *m_most = nullptr;
    QLabel* m_limits = nullptr;
    QLabel* m_status = nullptr;
    Announcer* m_announcer = nullptr;
    // What each field last held when stored or refused: leaving it unchanged
    // again says nothing twice.
    QHash<QLineEdit*, QString> m_settled;
    bool m_busy = false; // a message box is up: the field losing focus to it is no new edit
};
