#include "appsetup.h"

#include "appicon.h"
#include "colours.h"
#include "fieldaccessible.h"
#include "focusring.h"
#include "form/controltable.h"
#include "language.h"
#include "platform/datafolder.h"
#include "zoom.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>

#include <fontconfig/fontconfig.h>

namespace {

// A desktop theme may set its own application font once the program runs
// (qt6ct does); the boxes the window opens keep the window's face.
class KeepsTheFace : public QObject
{
public:
    KeepsTheFace(const QFont& face, QObject* parent) : QObject(parent), m_face(face) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange &&
            QApplication::font() != m_face)
            QApplication::setFont(m_face);
        return QObject::eventFilter(watched, event);
    }

private:
    QFont m_face;
};

} // namespace

namespace AppSetup {

std::jthread loadFontConfigAside()
{
    // A third of the work before the first frame is fontconfig parsing its
    // configuration and mapping its caches; a second core does it while Qt
    // connects to the display. FcInit is thread-safe and done once.
    return std::jthread([] { FcInit(); });
}

void installFontSubstitutes()
{
    const QStringList gothic = {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList mincho = {QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")};
    // fontconfig knows none of these names, so without the mapping Latin
    // faces would be picked and the Japanese drawn from a random fallback.
    QFont::insertSubstitutions(ControlTable::GothicFace, gothic);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothic);
    QFont::insertSubstitutions(QStringLiteral(ZELTAN_KEY("MS Pｺﾞｼｯｸ")), gothic);
    QFont::insertSubstitutions(ControlTable::MinchoFace, mincho);
}

void apply(QApplication& app, Language::Choice language)
{
    Language::install(app, language);

    installFontSubstitutes();
    // The window is designed on one face; a desktop theme changes none of its
    // colours, in the window or in the boxes it opens. Fusion paints with the
    // palette it is given.
    FocusRing::install(app);
    FieldAccessible::install(app);
    QApplication::setPalette(Colours::design());
    // The menu bar and dialogs use the application font: the window's own face
    // keeps them from loading a second Japanese font.
    const QFont face = unzoomedFont(ControlTable::GothicFace, 9);
    QApplication::setFont(face);
    app.installEventFilter(new KeepsTheFace(face, &app));
    QApplication::setWindowIcon(appIcon());
    // Lets the desktop match the window to its menu entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zeltan.Zeltan"));
}

QFont font(const QString& face, int pointSize, bool bold, bool italic)
{
    QFont f = unzoomedFont(face, pointSize);
    f.setPointSizeF(pointSize * Zoom::factor());
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont unzoomedFont(const QString& face, int pointSize, bool bold, bool italic)
{
    QFont f(QFont::substitute(face), pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

int inkWidth(const QFont& font, const QString& text)
{
    // An italic line's last glyph leans past its advance.
    const QFontMetrics metrics(font);
    return qMax(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

QFont fitted(QFont font, const QString& text, int room)
{
    const int natural = inkWidth(font, text);
    if (natural <= room || room <= 0)
        return font;
    // A stretch does not narrow a hinted line in proportion: narrowed on
    // until it fits (at zoom 1.1 the first guess left "Corporation" cut).
    int stretch = qMax(50, 100 * room / natural);
    font.setStretch(stretch);
    while (stretch > 50 && inkWidth(font, text) > room)
        font.setStretch(--stretch);
    return font;
}

QString dataFolder()
{
    const Result<QString> folder = DataFolder::defaultLocation();
    if (!folder || !DataFolder::makeUsable(*folder))
        return QString();
    return *folder;
}

} // namespace AppSetup
