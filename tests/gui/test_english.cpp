// The window in English: every caption whole at every zoom, no Japanese left
// but the user's data and the files' own keys, and data files byte for byte
// those of a Japanese session doing the same steps. Each language runs in a
// child process of its own, as the tables are built once per run.
#include "appsetup.h"
#include "mainwindow.h"
#include "zoom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRegularExpression Japanese(QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-"
                                                 "\\x{ffef}]"));
// Texts that may stay Japanese in English: the files' keys.
const QStringList Kept = {QStringLiteral("XXモジュール")};

QString withoutKept(QString text)
{
    for (const QString& k : Kept)
        text.remove(k);
    return text;
}

// The same steps in either language: a SET, then the window's own title
// registered as a car (its design text is what GIA.DAT and masin.dat keep).
QStringList runSteps(const QString& folder, bool english)
{
    AppSetup::apply(*qApp, english ? Language::Choice::English : Language::Choice::Japanese);
    QStringList problems;
    MainWindow w(folder);
    w.start();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return {QStringLiteral("window not shown")};
    auto click = [&](const char* name) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(w.control(QString::fromLatin1(name))),
                          Qt::LeftButton);
    };
    for (const char* digit : {"7", "0"})
        for (QAbstractButton* key : w.findChildren<QAbstractButton*>())
            if (key->text() == QLatin1String(digit))
                QTest::mouseClick(key, Qt::LeftButton);
    click("Command2");
    click("Command23");
    click("Command22");
    // The tool windows too, each as its menu item opens it.
    for (const char* tool : {"soukou", "kiroku"})
        w.menuAction(QString::fromLatin1(tool))->trigger();
    // The notebook is opened once its window is drawn.
    if (!QTest::qWaitFor([&] { return QFile::exists(folder + QStringLiteral("/notebook.db")); }))
        problems << QStringLiteral("the notebook was not opened");
    if (!english) {
        w.close();
        return problems;
    }

    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &w && top->isVisible())
            for (QWidget* c : top->findChildren<QWidget*>())
                for (const QString& t : {c->property("text").toString(), c->accessibleName()})
                    if (withoutKept(t).contains(Japanese))
                        problems << QStringLiteral("%1: Japanese \"%2\"").arg(c->objectName(), t);
    for (double zoom : {1.0, 1.25, 1.5}) {
        Zoom::save(zoom);
        w.fitToScreen();
        QCoreApplication::processEvents();
        for (QWidget* c : w.findChildren<QWidget*>()) {
            if (!c->isVisible())
                continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(c))
                text = l->text();
            else if (auto* b = qobject_cast<QAbstractButton*>(c))
                text = b->text();
            const int room = c->contentsRect().width() - (qobject_cast<QLabel*>(c) ? 0 : 4);
            if (!text.isEmpty() && c->fontMetrics().horizontalAdvance(text) > room &&
                !c->toolTip().contains(text))
                problems << QStringLiteral("%1 at %2: \"%3\" cut")
                                .arg(c->objectName())
                                .arg(zoom)
                                .arg(text);
            for (const QString& t : {text, c->accessibleName(), c->toolTip()})
                if (withoutKept(t).contains(Japanese))
                    problems << QStringLiteral("%1: Japanese \"%2\"").arg(c->objectName(), t);
        }
    }
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
        if (withoutKept(a->text()).contains(Japanese) && a->text() != QStringLiteral("日本語"))
            problems << QStringLiteral("menu: Japanese \"%1\"").arg(a->text());
    problems.removeDuplicates();
    w.close();
    return problems;
}

QMap<QString, QByteArray> filesOf(const QString& folder)
{
    QMap<QString, QByteArray> files;
    // The text files; notebook.db's pages depend on when its check ended.
    for (const QFileInfo& f : QDir(folder).entryInfoList(QDir::Files)) {
        if (f.suffix() == u"db")
            continue;
        QFile file(f.absoluteFilePath());
        if (file.open(QIODevice::ReadOnly))
            files.insert(f.fileName(), file.readAll());
    }
    return files;
}

} // namespace

class EnglishWindow : public QObject
{
    Q_OBJECT

private slots:
    void sameFilesAndNoJapanese()
    {
        QTemporaryDir ja, en;
        auto run = [](const QString& lang, const QString& folder) {
            QProcess child;
            // The zooms it tries are saved in preferences of its own.
            QTemporaryDir config;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--steps"), lang, folder});
            child.waitForFinished(60000);
            const QString problems = QString::fromUtf8(child.readAllStandardOutput());
            return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
                       ? problems
                       : QStringLiteral("child failed: ") + child.readAllStandardError();
        };
        QCOMPARE(run(QStringLiteral("ja"), ja.path()), QString());
        QCOMPARE(run(QStringLiteral("en"), en.path()), QString());
        const auto japanese = filesOf(ja.path()), english = filesOf(en.path());
        QVERIFY(japanese.contains(QStringLiteral("masin.dat")));
        QCOMPARE(english.keys(), japanese.keys());
        for (auto it = japanese.cbegin(); it != japanese.cend(); ++it)
            QVERIFY2(english.value(it.key()) == it.value(), qPrintable(it.key()));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QStringLiteral("--steps")) {
        const QStringList problems = runSteps(args[3], args[2] == QStringLiteral("en"));
        std::fputs(problems.join(u'\n').toUtf8().constData(), stdout);
        return 0;
    }
    EnglishWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_english.moc"
