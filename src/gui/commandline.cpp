#include "commandline.h"

#include "platform/datafolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
} // namespace

namespace CommandLine {

namespace {

const QString Program = QStringLiteral("zeltan");

// QApplication reads these itself; they are accepted here and left in argv.
struct QtOption
{
    const char* name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"display", true},       {"style", true},
    {"stylesheet", true},    {"qwindowgeometry", true},
    {"qwindowtitle", true},  {"qwindowicon", true},
    {"session", true},       {"reverse", false},
};

Outcome usageError(const QString& what)
{
    Outcome o;
    o.openWindow = false;
    o.exitCode = UsageError;
    o.error = QStringLiteral("%1: %2\n").arg(Program, what);
    return o;
}

Outcome finished(const QString& text)
{
    Outcome o;
    o.openWindow = false;
    o.out = text;
    return o;
}

// Qt's headings in Japanese, like the rest of the text.
QString helpText(const QCommandLineParser& parser)
{
    return parser
        .helpText()
        // Qt names the program by its path once an application object exists
        // (the help in another language is made under one).
        .replace(QRegularExpression(QStringLiteral("^Usage: \\S+ \\[options\\]")),
                 Tr::tr("使い方: %1 [オプション]").arg(Program))
        .replace(QStringLiteral("\nOptions:\n"), Tr::tr("\nオプション:\n"));
}

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The bytes given for --data-dir (as "--data-dir DIR" or "--data-dir=DIR"),
// found in the raw arguments since decoding may not keep them.
QList<QByteArray> dataDirBytes(const QList<QByteArray>& argv)
{
    QList<QByteArray> given;
    for (qsizetype i = 1; i < argv.size(); ++i) {
        for (const QByteArray& option : {QByteArray("--data-dir"), QByteArray("-data-dir")}) {
            if (argv[i] == option && i + 1 < argv.size())
                given.append(argv[i + 1]);
            else if (argv[i].startsWith(option + '='))
                given.append(argv[i].mid(option.size() + 1));
        }
    }
    return given;
}

} // namespace

Outcome parse(const QList<QByteArray>& argv)
{
    QStringList arguments;
    for (const QByteArray& a : argv)
        arguments << QFile::decodeName(a);
    QCommandLineParser parser;
    // "-platform xcb" is one option to Qt, not -p -l -a …
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Tr::tr("RC電動カーのギア比確認ツール ZELTAN を起動します。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Tr::tr("この説明を表示して終了します"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Tr::tr("バージョンを表示して終了します"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     Tr::tr("データファイルを置くフォルダ（無ければ作成）。\n"
                                            "既定は $XDG_DATA_HOME/zeltan\n"
                                            "（通常 ~/.local/share/zeltan）"),
                                     QStringLiteral("DIR"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        Tr::tr("画面の言語：ja（日本語）または en（英語）。\n"
               "既定はツールメニューで選んだ言語、なければシステムの言語"),
        QStringLiteral("ja|en"));
    parser.addOptions({help, version, dataDir, lang});
    for (const QtOption& qt : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString hint = Tr::tr("\n使い方は「%1 --help」で表示されます").arg(Program);
    const QString noFolder = Tr::tr("--data-dir の後にフォルダを指定してください");
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(Tr::tr("不明なオプション「%1」です").arg(dashed(unknown.first())) +
                              hint);
        // Otherwise an option that needs a value ended the line.
        if (arguments.last().endsWith(QStringLiteral("data-dir")))
            return usageError(noFolder + hint);
        return usageError(parser.errorText() + hint);
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return usageError(Tr::tr("余分な引数「%1」があります").arg(extra.first()) + hint);
    if (parser.isSet(help))
        return finished(helpText(parser));
    if (parser.isSet(version))
        return finished(QStringLiteral("%1 %2\n").arg(Program, QStringLiteral(ZELTAN_VERSION)));

    Outcome o;
    if (parser.isSet(lang)) {
        o.language = Language::fromCode(parser.values(lang).constLast());
        if (!o.language)
            return usageError(Tr::tr("--lang には ja か en を指定してください") + hint);
    }
    Result<QString> folder = DataFolder::defaultLocation();
    if (parser.isSet(dataDir)) {
        if (parser.values(dataDir).size() > 1)
            return usageError(Tr::tr("--data-dir は1回だけ指定してください") + hint);
        const QList<QByteArray> given = dataDirBytes(argv);
        if (given.size() != 1 || given.first().isEmpty())
            return usageError(noFolder + hint);
        folder = DataFolder::nameFromBytes(given.first());
        if (folder)
            folder = QFileInfo(*folder).absoluteFilePath();
    }
    if (!folder)
        return usageError(folder.error());
    // Without a desktop Qt would abort with its plugin message (and 134);
    // say what is missing before anything is made.
    if (!parser.isSet(QStringLiteral("platform")) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return usageError(Tr::tr("画面がありません：ZELTAN はデスクトップ（X11 または "
                                 "Wayland）の上で動きます（DISPLAY も WAYLAND_DISPLAY "
                                 "も設定されていません）"));
    if (const Result<> usable = DataFolder::makeUsable(*folder); !usable)
        return usageError(usable.error());
    o.dataFolder = *folder;
    return o;
}

std::optional<Language::Choice> languageAsked(const QList<QByteArray>& argv)
{
    std::optional<Language::Choice> asked;
    for (qsizetype i = 1; i < argv.size(); ++i) {
        for (const QByteArray& option : {QByteArray("--lang"), QByteArray("-lang")}) {
            if (argv[i] == option && i + 1 < argv.size())
                asked = Language::fromCode(QString::fromLatin1(argv[i + 1]));
            else if (argv[i].startsWith(option + '='))
                asked = Language::fromCode(QString::fromLatin1(argv[i].mid(option.size() + 1)));
        }
    }
    return asked;
}

} // namespace CommandLine
