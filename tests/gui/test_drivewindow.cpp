#include "appsetup.h"
#include "drivelook.h"
#include "drivewindow.h"
#include "gridmodel.h"
#include "mainwindow.h"
#include "notebookwindow.h"
#include "ratiogridview.h"
#include "sheettable.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <utility>

// The 走行計算 window beside the real main window, on the offscreen platform.
class DriveWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::unique_ptr<MainWindow> m_main;
    DriveWindow* m_drive = nullptr;
    QTimer m_boxCloser;
    QStringList m_messages;

    void clickMain(const char* name)
    {
        auto* button = qobject_cast<QPushButton*>(m_main->control(QString::fromLatin1(name)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void type(const char* field, const QString& text)
    {
        auto* edit = qobject_cast<QLineEdit*>(m_drive->control(QString::fromLatin1(field)));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString figure(const QString& row) const
    {
        const SheetTable* t = m_drive->table(DriveTool::Current);
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->cell(r, 0)->text() == row)
                return t->cell(r, 1)->text();
        return QStringLiteral("<no row>");
    }
    QString unitOf(const QString& row) const
    {
        const SheetTable* t = m_drive->table(DriveTool::Current);
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->cell(r, 0)->text() == row)
                return t->cell(r, 2)->text();
        return QStringLiteral("<no row>");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        AppSetup::apply(*qApp);
        m_boxCloser.setInterval(50);
        connect(&m_boxCloser, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                box->reject();
            }
        });
        m_boxCloser.start();
        m_main = std::make_unique<MainWindow>(AppSetup::dataFolder());
        m_main->start();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));

        // ツール → 走行計算 opens the window; a second time raises the same one.
        QAction* menu = m_main->menuAction(QStringLiteral("soukou"));
        QCOMPARE(menu->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        menu->trigger();
        menu->trigger();
        const auto windows = m_main->findChildren<DriveWindow*>();
        QCOMPARE(windows.size(), 1);
        m_drive = windows.first();
        QVERIFY(QTest::qWaitForWindowExposed(m_drive));
        QCOMPARE(m_drive->windowTitle(), QStringLiteral("走行計算"));
    }

    void cleanupTestCase() { m_main.reset(); }

    void cleanup()
    {
        const QStringList shown = std::exchange(m_messages, {});
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'|')));
    }

    void typedInputsAndMainWindowSetsUpdateTheFiguresLive()
    {
        QCOMPARE(m_drive->tool().status(), QStringLiteral("タイヤ径が設定されていません"));
        type("tyreDiameter", QStringLiteral("64"));
        type("kv", QStringLiteral("4000"));
        type("voltage", QStringLiteral("7.4"));
        QCOMPARE(figure(QStringLiteral("ロールアウト")),
                 QStringLiteral("25.13")); // 80/25 as shipped
        // SET on the main window's keypad: spur 70, pinion 22.
        for (const char* key :
             {"Command6", "Command15", "Command2", "Command13", "Command13", "Command3"})
            clickMain(key);
        QCOMPARE(m_main->app().form().Label8.text, QStringLiteral("22"));
        QCOMPARE(figure(QStringLiteral("ロールアウト")), QStringLiteral("25.28"));
        QCOMPARE(figure(QStringLiteral("タイヤ回転数")), QStringLiteral("3721"));
        QCOMPARE(figure(QStringLiteral("最高速度（理論値・無負荷）")), QStringLiteral("44.9"));
        QCOMPARE(figure(QStringLiteral("中心距離")), QStringLiteral("24.34"));
        // A screen reader hears the figure with what it is.
        const SheetTable* current = m_drive->table(DriveTool::Current);
        QVERIFY(current->cell(0, 1)->accessibleName().endsWith(u' ' + current->cell(0, 1)->text()));
        // ... and hears the top speed change when the voltage does, away from the focus.
        auto* news = m_drive->findChild<QWidget*>(QStringLiteral("announcer"));
        type("voltage", QStringLiteral("8.4"));
        QVERIFY(news && news->isVisible());
        QCOMPARE(news->accessibleName(),
                 QStringLiteral("ロールアウト 25.28mm、最高速度 %1km/h")
                     .arg(figure(QStringLiteral("最高速度（理論値・無負荷）"))));
    }

    // A long value neither widens the window nor is lost: it shows elided,
    // whole in its tooltip and to a screen reader.
    void aLongValueNeverWidensTheWindow()
    {
        const int before = m_drive->width();
        type("tyreDiameter", QString(400, u'9')); // quoted by the status line
        QCoreApplication::processEvents();
        QVERIFY2(m_drive->width() <= before, qPrintable(QString::number(m_drive->width())));
        const QWidget* sheet = m_drive->findChild<QScrollArea*>()->widget();
        QVERIFY2(sheet->sizeHint().width() < 2000,
                 qPrintable(QString::number(sheet->sizeHint().width())));
        type("tyreDiameter", QStringLiteral("64"));
        // Whatever a label is given, it asks for a few dozen characters at most.
        std::unique_ptr<QLabel> box(DriveLook::valueBox(nullptr));
        DriveLook::show(box.get(), QStringLiteral("タイヤ径"), QString(400, u'9'));
        QVERIFY(box->sizeHint().width() < 600);
        QVERIFY(box->accessibleName().endsWith(QString(400, u'9')));
    }

    // A new zoom reaches the open window: its faces and its rollout table.
    void theWindowFollowsTheZoom()
    {
        const QLabel* status = m_drive->findChild<QLabel*>();
        const int column = m_drive->rolloutView()->columnWidth(1);
        m_main->setZoom(0.8);
        QCOMPARE(status->font().pointSizeF(), 9 * 0.8);
        QVERIFY(qAbs(m_drive->rolloutView()->columnWidth(1) - column * 0.8) <= 1); // in twips
        m_main->setZoom(1.0);
        QCOMPARE(status->font().pointSizeF(), 9.0);
    }

    void returnInAWantedFieldRunsTheMainSurveyAndKeepsTheWindow()
    {
        type("wantedRollout", QStringLiteral("25.28"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(m_drive->isVisible());
        const Form& f = m_main->app().form();
        QCOMPARE(f.Label12.text, QStringLiteral("48P 指定減速比 7.95340"));
        auto* spur = qobject_cast<QLabel*>(m_main->control(QStringLiteral("Label7")));
        QCOMPARE(spur->text(), f.Label7.text); // the main window was drawn again
        // The rollout table shows the survey's best cell in the same colour.
        const GridModel* model = m_drive->rolloutView()->gridModel();
        int best = 0;
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                best += model->index(r, c).data(Qt::ForegroundRole).value<QColor>() ==
                        QColor(0, 0, 255);
        QCOMPARE(best, 1);
    }

    // The tools' keys work from this window too: Ctrl+L opens セッティング記録.
    void theToolKeysWorkFromThisWindow()
    {
        QVERIFY(!m_main->findChild<NotebookWindow*>());
        m_drive->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_drive));
        QTest::keyClick(m_drive, Qt::Key_L, Qt::ControlModifier);
        auto* notebook = m_main->findChild<NotebookWindow*>();
        QVERIFY(notebook && notebook->isVisible());
        notebook->close();
    }

    void keyboardReachesEveryControlAndEachHasAName()
    {
        m_drive->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_drive));
        m_drive->control(QStringLiteral("tyreDiameter"))->setFocus();
        QStringList visited{QStringLiteral("tyreDiameter")};
        for (int i = 0; i < 17; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"tyreDiameter", "kv", "voltage", "motorRpm",
                              // the module comes from the main window: skipped
                              "wantedRollout", "surveyRollout", "wantedSpeed", "surveySpeed",
                              "wantedWheelRpm", "surveyWheelRpm", "ownedOnly", "keepRollout",
                              "gearBox", // the owned pairs' list is hidden while empty
                              "takeReference", "rollouts", "printSheet", "explain", "close"}));
        // Return presses the focused button; in a plain field it closes nothing.
        QTest::keyClick(m_drive->control(QStringLiteral("takeReference")), Qt::Key_Return);
        QCOMPARE(m_drive->table(DriveTool::Reference)->cell(0, 1)->text(),
                 m_main->app().form().Label7.text + u'/' + m_main->app().form().Label8.text);
        QTest::keyClick(m_drive->control(QStringLiteral("tyreDiameter")), Qt::Key_Return);
        QVERIFY(m_drive->isVisible());
        for (QWidget* w : m_drive->findChildren<QWidget*>()) {
            const bool control = w->focusPolicy() & Qt::TabFocus;
            const bool valueBox = qobject_cast<SheetTable*>(w->parentWidget()) != nullptr;
            if (control || valueBox)
                QVERIFY2(!w->accessibleName().isEmpty() || !w->isVisible(),
                         qPrintable(w->objectName() + w->metaObject()->className()));
        }
    }

    // Inches and mph on the screen, mm and km/h in the tool and drive.dat: a
    // value typed in inches is kept as a metric session typing it in mm would.
    void inchesAndMphAreShownAndTypedButKeptMetric()
    {
        type("tyreDiameter", QStringLiteral("64"));
        const double mm = figure(QStringLiteral("ロールアウト")).toDouble();
        m_main->menuAction(QStringLiteral("units_imperial"))->trigger();
        // The tests share one settings file: metric again even when a check fails.
        const auto metric =
            qScopeGuard([this] { m_main->menuAction(QStringLiteral("units_metric"))->trigger(); });
        auto* tyre = qobject_cast<QLineEdit*>(m_drive->control(QStringLiteral("tyreDiameter")));
        QCOMPARE(tyre->text(), QStringLiteral("2.52"));
        const QString inches = figure(QStringLiteral("ロールアウト"));
        QCOMPARE(inches.section(u'.', 1).size(), 3);
        QVERIFY2(qAbs(inches.toDouble() * 25.4 - mm) < 0.02, qPrintable(inches));
        QCOMPARE(unitOf(QStringLiteral("ロールアウト")), QStringLiteral("in"));
        QCOMPARE(unitOf(QStringLiteral("最高速度（理論値・無負荷）")), QStringLiteral("mph"));
        type("tyreDiameter", QStringLiteral("2.6"));
        type("wantedSpeed", QStringLiteral("31.3"));
        QCOMPARE(m_drive->tool().fields.tyreDiameter, QStringLiteral("66.04"));
        QCOMPARE(m_drive->tool().fields.wantedSpeed, QStringLiteral("50.3724672"));
        QCOMPARE(tyre->text(), QStringLiteral("2.6")); // as typed, not rewritten
        m_drive->tool().fieldLeft();
        QFile saved(QDir(AppSetup::dataFolder()).filePath(QStringLiteral("drive.dat")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine(), QByteArray("66.04\r\n"));
        // Back in mm the field shows what is kept.
        m_main->menuAction(QStringLiteral("units_metric"))->trigger();
        QCOMPARE(tyre->text(), QStringLiteral("66.04"));
        QCOMPARE(unitOf(QStringLiteral("ロールアウト")), QStringLiteral("mm"));
    }

    // Last: it ends the program with a field still being typed in.
    void endingTheProgramMidFieldKeepsWhatWasTyped()
    {
        type("tyreDiameter", QStringLiteral("66.5"));
        m_main.reset();
        QFile saved(QDir(AppSetup::dataFolder()).filePath(QStringLiteral("drive.dat")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readLine(), QByteArray("66.5\r\n"));
    }
};

QTEST_MAIN(DriveWindowTest)
#include "test_drivewindow.moc"
