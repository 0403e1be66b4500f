#include "language.h"

#include "zoom.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

static void initCatalogue() { Q_INIT_RESOURCE(i18n); }

namespace Language {

namespace {
Choice installed = Choice::Japanese;
const QString Key = QStringLiteral("window/language");

// Translations live in the program itself, so an installed copy and the build
// tree read the same file.
const QString Catalogue = QStringLiteral(":/i18n/zeltan_en.qm");

void load(QCoreApplication& app, const QString& path)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(path))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // the source texts are better than none
}

void loadQt(QCoreApplication& app, const QLocale& locale)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // Qt's English button texts are better than none
}
} // namespace

Choice ofLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Japanese || locale.language() == QLocale::C
               ? Choice::Japanese
               : Choice::English;
}

std::optional<Choice> fromCode(QStringView code)
{
    if (code == u"ja")
        return Choice::Japanese;
    if (code == u"en")
        return Choice::English;
    return std::nullopt;
}

QString code(Choice choice)
{
    return choice == Choice::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Choice> saved()
{
    if (!Zoom::settingsProblem().isEmpty())
        return std::nullopt;
    return fromCode(Zoom::settings().value(Key).toString());
}

void save(Choice choice)
{
    if (!Zoom::settingsProblem().isEmpty())
        return;
    QSettings s = Zoom::settings();
    s.setValue(Key, code(choice));
}

Choice choose(std::optional<Choice> fromCommandLine)
{
    if (fromCommandLine)
        return *fromCommandLine;
    if (const auto chosen = saved())
        return *chosen;
    return ofLocale(QLocale::system());
}

void install(QCoreApplication& app, Choice choice)
{
    installed = choice;
    if (choice == Choice::English) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        initCatalogue();
        load(app, Catalogue);
        return;
    }
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    loadQt(app, japanese);
}

Choice current() { return installed; }

} // namespace Language
