#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The window as data: every control's kind, place (twips, from the top-left of
// the client area), design caption, font and look, the lines, the menus and the
// focus order. The Qt front end builds its widgets from this in one loop, and
// tests check places and looks without a display.

enum class ControlKind { Label, Button, Combo, List, Text, Check, Grid };
enum class TextAlign { Left, Right, Centre };

namespace Look {
constexpr int Default = -1;     // the system's colour for that kind of control
constexpr int Face = -2;        // the dialog/button face colour
constexpr int Transparent = -3; // the window background shows through
} // namespace Look

struct ControlSpec
{
    QString name;
    ControlKind kind;
    int left, top, width, height;
    QString caption; // design caption or text ("" for none)
    QString face;    // font face as the window names it
    int pointSize;
    bool bold;
    int foreground; // colour number or Look::Default
    int background; // colour number or a Look value
    bool bordered;
    TextAlign align;
    bool hiddenAtStart;
    // What a user calls the control: its accessible name, and the name of its
    // alias in Form where code computes with it.
    QString role = QString();
};

struct LineSpec
{
    QString name;
    int x1, y1, x2, y2;
    int colour;
};

struct MenuSpec
{
    QString name;
    QString caption;
    QString parent;               // "" for the menu bar
    QString shortcut = QString(); // portable key text ("Ctrl+P"), shown in the menu
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

inline const QString WindowCaption = QStringLiteral("ギア比確認");
constexpr int ClientWidth = 15240;  // twips
constexpr int ClientHeight = 10680; // twips

inline const QString GothicFace = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString MinchoFace = QStringLiteral("ＭＳ 明朝");

// The maker's contact line, shared by the footer, the version dialog and the
// print-out.
inline const QString ContactLine = QStringLiteral(
    "〒150-0002 東京都渋谷区渋谷9-99-9 テルン株式会社　TEL 03-0000-0000　FAX 03-0000-0001　"
    "E-mail info@terrun.example　http://www.terrun.example/");

const QList<ControlSpec>& controls();
const ControlSpec* find(const QString& name);
const QList<LineSpec>& lines();
const QList<MenuSpec>& menus();
// Control names in keyboard focus order.
const QStringList& focusOrder();
const QList<FooterText>& footer();

} // namespace ControlTable
