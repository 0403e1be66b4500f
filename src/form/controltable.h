#pragma once

#include "common/usertext.h"
#include "form/controlid.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The window as data: one entry per control with its kind, place (twips, from
// the top-left of the client area), design caption, font and look, role and
// place in the focus order; the lines and the menus. Its name, readable alias
// and click handler come with its id (form/controlid.h). The Qt front end
// builds its widgets from this in one loop, and tests check places and looks
// without a display.

enum class ControlKind { Label, Button, Combo, List, Text, Check, Grid };
enum class TextAlign { Left, Right, Centre };

namespace Look {
constexpr int Default = -1;     // the system's colour for that kind of control
constexpr int Face = -2;        // the dialog/button face colour
constexpr int Transparent = -3; // the window background shows through
} // namespace Look

namespace ControlTable {
inline const QString GothicFace = QStringLiteral(ZELTAN_KEY("ＭＳ Ｐゴシック"));
inline const QString MinchoFace = QStringLiteral(ZELTAN_KEY("ＭＳ 明朝"));
} // namespace ControlTable

// One control, whole: an entry names only what differs from these defaults.
struct ControlSpec
{
    ControlId id;
    ControlKind kind = ControlKind::Label;
    int left = 0, top = 0, width = 0, height = 0;
    QString caption = QString();             // design caption or text ("" for none)
    QString face = ControlTable::GothicFace; // font face as the window names it
    int pointSize = 9;
    bool bold = false;
    int foreground = Look::Default; // colour number or Look::Default
    int background = Look::Default; // colour number or a Look value
    bool bordered = false;
    TextAlign align = TextAlign::Left;
    bool hiddenAtStart = false;
    // What a user calls the control, as a screen reader says it (its
    // accessible name); the Form's readable alias says the same in code.
    QString role = QString();
    // Its place in the keyboard focus order, from 1; 0 for a control Tab passes by.
    int tab = 0;
    // One of the buttons that carry ★ while their quantity is the one SET calculates.
    bool picksQuantity = false;
    // The caption is data a file keeps (GIA.DAT's machine name): the Form
    // holds it as written, and only the screen and the page translate it.
    bool storedCaption = false;
    // Keyboard keys (Qt::Key) that press this button while no field has the focus.
    QList<int> keys = {};

    // Given by the id, never written in an entry: the window's name
    // ("Label13"), the Form's readable alias ("machineTitle", or "") and the
    // handler a click runs ("Command2_Click", or "" when a click runs nothing).
    QString name = QString();
    QString alias = QString();
    QString click = QString();
};

struct LineSpec
{
    QString name;
    int x1, y1, x2, y2;
    int colour;
};

// A menu, or one of its items: the handler an item's click runs, like a control's.
struct MenuSpec
{
    ControlId id;
    QString caption;
    std::optional<ControlId> parent = std::nullopt; // none for the menu bar
    QString shortcut = QString(); // portable key text ("Ctrl+P"), shown in the menu

    // Given by the id: the window's name and the handler ("" for a menu of items).
    QString name = QString();
    QString click = QString();
};

struct FooterText
{
    int left, top; // twips, top-left corner of the text
    QString text;
    QString face;
    int pointSize;
    bool bold, italic;
    int colour;
};

namespace ControlTable {

QString windowCaption();
constexpr int ClientWidth = 15240;  // twips
constexpr int ClientHeight = 10680; // twips

// The maker's contact line, shared by the footer, the version dialog and the
// print-out.
QString contactLine();

// The window's name of a control or menu item ("Command2", "owaru").
QString nameOf(ControlId id);
// The id of that name: for names that come from outside the program's code
// (a test's script, an object name); none for an unknown name.
std::optional<ControlId> idOf(QStringView name);

const QList<ControlSpec>& controls();
// The entry of a control; nullptr for a menu item or an unknown name.
const ControlSpec* find(ControlId id);
const ControlSpec* find(const QString& name);
// A control's text as the screen and the page show it: a stored caption still
// at its design text reads in the window's language.
QString shownText(const ControlSpec& desc, const QString& text);
const QList<LineSpec>& lines();
const QList<MenuSpec>& menus();
// Control names in keyboard focus order (the entries' tab column).
const QStringList& focusOrder();
const QList<FooterText>& footer();

} // namespace ControlTable
