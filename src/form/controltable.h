#pragma once

#include "common/usertext.h"

#include <QList>
#include <QString>
#include <QStringList>

// The window as data: one entry per control with its kind, place (twips, from
// the top-left of the client area), design caption, font and look, role and
// click handler; the lines, the menus and the focus order. The Qt front end
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
    QString name;
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
    // The handler a click runs ("Command2_Click"), or "" when a click runs nothing.
    QString click = QString();
    // One of the buttons that carry ★ while their quantity is the one SET calculates.
    bool picksQuantity = false;
    // The caption is data a file keeps (GIA.DAT's machine name): the Form
    // holds it as written, and only the screen and the page translate it.
    bool storedCaption = false;
    // Keyboard keys (Qt::Key) that press this button while no field has the focus.
    QList<int> keys = {};
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
    QString name;
    QString caption;
    QString parent = QString();   // "" for the menu bar
    QString shortcut = QString(); // portable key text ("Ctrl+P"), shown in the menu
    QString click = QString();    // the handler, "" for a menu of items
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

const QList<ControlSpec>& controls();
const ControlSpec* find(const QString& name);
// A control's text as the screen and the page show it: a stored caption still
// at its design text reads in the window's language.
QString shownText(const ControlSpec& desc, const QString& text);
const QList<LineSpec>& lines();
const QList<MenuSpec>& menus();
// Control names in keyboard focus order.
const QStringList& focusOrder();
const QList<FooterText>& footer();

} // namespace ControlTable
