#include "appsetup.h"
#include "drivewindow.h"
#include "mainwindow.h"
#include "notebookwindow.h"
#include "selectorbox.h"
#include "zoom.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <cstdio>

namespace {

// In a process of its own on a screen of the row's size and scale: where the
// windows land, one line of numbers.
int reportPlacement()
{
    QApplication app(
        *new int(1), new char* [1] { const_cast<char*>("screens") });
    AppSetup::apply(app);
    QTemporaryDir data;
    MainWindow window(data.path());
    window.start();
    window.fitToScreen();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.menuAction(QStringLiteral("soukou"))->trigger();
    auto* drive = window.findChild<DriveWindow*>();
    if (!drive || !QTest::qWaitForWindowExposed(drive))
        return 1;
    window.menuAction(QStringLiteral("kiroku"))->trigger();
    auto* notebook = window.findChild<NotebookWindow*>();
    if (!notebook || !QTest::qWaitForWindowExposed(notebook))
        return 1;
    // What the tightest selector's field leaves beside its text (Qt's line
    // edit keeps 2 px each side): below 0 the text is cut.
    int slack = INT_MAX;
    for (const SelectorBox* box : window.findChildren<SelectorBox*>())
        if (box->isVisible() && !box->currentText().isEmpty())
            slack = qMin(slack, box->lineEdit()->width() - 4 -
                                    box->fontMetrics().horizontalAdvance(box->currentText()));
    // And every check box beside its caption.
    for (const QCheckBox* box : window.findChildren<QCheckBox*>())
        slack = qMin(slack, box->width() - box->sizeHint().width());
    const QRect room = window.screen()->availableGeometry();
    const QRect main = window.frameGeometry(), other = drive->frameGeometry();
    const QRect notes = notebook->frameGeometry();
    // 保存 whole in the notebook's window, never scrolled away (its tab
    // chosen, when the window is too narrow for the panes side by side).
    const QWidget* save = notebook->control(QStringLiteral("save"));
    for (QWidget* page = save ? save->parentWidget() : nullptr; page; page = page->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(
                page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr))
            tabs->setCurrentWidget(page);
    QCoreApplication::processEvents();
    const bool saveShows =
        save && notebook->rect().contains(QRect(save->mapTo(notebook, QPoint()), save->size())) &&
        save->visibleRegion().boundingRect().size() == save->size();
    // And every column of its list, the lap last, without scrolling sideways.
    const auto* list = notebook->findChild<QTableView*>();
    const bool columnsShow = list && list->horizontalScrollBar()->maximum() == 0;
    // 走行計算's rollout table with every spur of the ranges, where the screen has room.
    int spursShown = 0;
    if (const auto* rollouts = drive->findChild<QTableView*>(QStringLiteral("rollouts")))
        for (int c = 0; c < rollouts->model()->columnCount(); ++c)
            if (!rollouts->model()->headerData(c, Qt::Horizontal).toString().isEmpty() &&
                rollouts->columnViewportPosition(c) + rollouts->columnWidth(c) <=
                    rollouts->viewport()->width())
                ++spursShown;
    std::printf("%d %d %d %d | %d %d %d %d | %d %d %d %d | %.2f | %d | %d %d %d %d | %d %d | %d\n",
                room.x(), room.y(), room.width(), room.height(), main.x(), main.y(), main.width(),
                main.height(), other.x(), other.y(), other.width(), other.height(), Zoom::factor(),
                slack, notes.x(), notes.y(), notes.width(), notes.height(), int(saveShows),
                int(columnsShow), spursShown);
    return 0;
}

QList<QRect> rects(const QString& line)
{
    QList<QRect> out;
    for (const QString& part : line.split(u'|').mid(0, 3)) {
        const QStringList n = part.split(u' ', Qt::SkipEmptyParts);
        out << QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
    }
    return out;
}

} // namespace

// The windows (the main one, 走行計算, セッティング記録) on the screens users have: laptops at 125
// %, 150 % and 200 %, a desktop, a small projector. Each row starts a fresh process on its screen.
class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void bothWindowsFitTheScreen_data()
    {
        QTest::addColumn<QSize>("screen"); // device pixels
        QTest::addColumn<QString>("scale");
        QTest::addColumn<double>("zoom"); // at most
        QTest::newRow("desktop 1920×1080 at 100 %") << QSize(1920, 1080) << "1" << 1.0;
        QTest::newRow("laptop 1366×768 at 100 %") << QSize(1366, 768) << "1" << 1.0;
        QTest::newRow("laptop 1366×768 at 125 %") << QSize(1366, 768) << "1.25" << 0.9;
        QTest::newRow("laptop 1366×768 at 150 %") << QSize(1366, 768) << "1.5" << 0.75;
        QTest::newRow("laptop 1366×768 at 200 %") << QSize(1366, 768) << "2" << 0.6;
        QTest::newRow("1920×1080 at 150 %") << QSize(1920, 1080) << "1.5" << 1.0;
        QTest::newRow("projector 1024×600") << QSize(1024, 600) << "1" << 0.85;
    }

    void bothWindowsFitTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, scale);
        QFETCH(double, zoom);
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": %1,
            "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                       .arg(screen.width())
                       .arg(screen.height())
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZELTAN_SCREENS_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + config);
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path()); // no zoom saved
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        const QString line = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
        QVERIFY2(child.exitCode() == 0 && !line.isEmpty(),
                 child.readAllStandardError().constData());
        const QList<QRect> r = rects(line);
        QVERIFY2(r[0].contains(r[1]), qPrintable(line)); // the main window
        QVERIFY2(r[0].contains(r[2]), qPrintable(line)); // 走行計算
        QVERIFY2(line.section(u'|', 3, 3).toDouble() <= zoom, qPrintable(line));
        QVERIFY2(line.section(u'|', 4, 4).toInt() >= 0,
                 qPrintable(line)); // every selector's and check box's text shows
        const QStringList n = line.section(u'|', 5, 5).split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(r[0].contains(QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt())),
                 qPrintable(line)); // セッティング記録
        QVERIFY2(line.section(u'|', 6, 6).trimmed() == u"1 1", qPrintable(line)); // 保存, columns
        if (screen.width() >= 1920 && zoom == 1.0 && scale == u"1")
            QVERIFY2(line.section(u'|', 7, 7).toInt() == 16, qPrintable(line)); // spurs 75–90
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("ZELTAN_SCREENS_CHILD"))
        return reportPlacement();
    QCoreApplication app(argc, argv);
    ScreensTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screens.moc"
