#include "drivewindow.h"
#include "gearboxwindow.h"
#include "notebook/gearmessages.h"
#include "notebook/notebookstore.h"
#include "notebookwindow.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

// A racer at the pit table, by keyboard alone: the box of gears typed in,
// a wanted rollout surveyed over them only, then the advice of five runs.
class PitWalkTest : public QObject
{
    Q_OBJECT

    WindowFixture m_fixture;

    // Tab until the focus is on target, as a racer would; false when it never comes.
    static bool tabTo(QWidget* target)
    {
        for (int i = 0; i < 120 && QApplication::focusWidget() != target; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }
    static bool activate(QWidget* window)
    {
        // The offscreen platform has no window manager to hand the focus over.
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            return false;
        if (!QApplication::focusWidget() || QApplication::focusWidget()->window() != window)
            QTest::keyClick(window, Qt::Key_Tab);
        return QApplication::focusWidget() && QApplication::focusWidget()->window() == window;
    }

private slots:
    void init()
    {
        // Five runs of TRF on 筑波, 80 teeth on 22…26 at 2.5 and 64 mm, warmer
        // as the rollout grows: 4.18 ℃ a millimetre, 70 ℃ at 25.13 mm.
        m_fixture.open([](const QString& folder) {
            NotebookStore store;
            QVERIFY(store.open(QDir(folder).filePath(Notebook::FileName)));
            const char* runs[][3] = {{"22", "22.12", "58"},
                                     {"23", "23.12", "61"},
                                     {"24", "24.13", "66"},
                                     {"25", "25.13", "69"},
                                     {"26", "26.14", "75"}};
            QList<NotebookEntry> entries;
            for (int i = 0; i < 5; ++i) {
                NotebookEntry e;
                e.taken = QDateTime(QDate(2026, 12, 7), QTime(10, 10 * i));
                e.car = "TRF";
                e.track = "筑波";
                e.secondary = "2.5";
                e.spur = "80";
                e.pinion = runs[i][0];
                e.module = "48P";
                e.tyre = "64";
                e.rollout = runs[i][1];
                e.motorTemp = runs[i][2];
                entries << e;
            }
            QVERIFY(store.addAll(entries));
        });
    }
    void cleanup() { m_fixture.close(); }

    void gearsSurveyAndAdviceByKeyboard()
    {
        MainWindow* main = m_fixture.window();
        QTest::keyClick(main, Qt::Key_R, Qt::ControlModifier);
        auto* drive = main->findChild<DriveWindow*>();
        QVERIFY(drive && activate(drive));

        // The gears: 48P (the main window's module), spurs 75-90, pinions 20-25 and 28.
        QVERIFY(tabTo(drive->control("gearBox")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        auto* gears = drive->findChild<GearBoxWindow*>();
        QVERIFY(gears && activate(gears));
        QTRY_COMPARE(QApplication::focusWidget(), gears->control("module"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "75-90");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "20-25, 28, 22");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(gears->box().pinionsText("48P"), QStringLiteral("20-25, 28"));
        QCOMPARE(gears->findChild<QWidget*>("announcer")->accessibleName(),
                 GearMessages::gearsSaved("48P", 16, 7));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!gears->isVisible());

        // 25.28 mm on 64 mm tyres, owned gears only: 89/28 rolls 25.30 mm.
        QVERIFY(activate(drive));
        QVERIFY(tabTo(drive->control("tyreDiameter")));
        QTest::keyClicks(QApplication::focusWidget(), "64");
        QVERIFY(tabTo(drive->control("ownedOnly")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(tabTo(drive->control("wantedRollout")));
        QTest::keyClicks(QApplication::focusWidget(), "25.28");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* pairs = qobject_cast<QListWidget*>(drive->control("ownedPairs"));
        QVERIFY(pairs && pairs->count() > 0);
        QVERIFY2(pairs->item(0)->text().startsWith(
                     GearMessages::pair(28, 89, "7.9464", "25.30 mm", "+0.1")),
                 qPrintable(pairs->item(0)->text()));

        // The advice of the five runs, with the owned pair under it: 77/24
        // rolls 26.14 × 80/26 × 24/77 = 25.07 mm, the most under 25.13.
        QVERIFY(activate(main));
        QTest::keyClick(main, Qt::Key_L, Qt::ControlModifier);
        auto* notebook = main->findChild<NotebookWindow*>();
        QVERIFY(notebook && activate(notebook));
        QTRY_VERIFY(notebook->notebook().isOpen());
        for (const char* filter : {"car", "track"}) {
            QVERIFY(tabTo(notebook->control(filter)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        const QString line = qobject_cast<QLabel*>(notebook->control("trackLine"))->text();
        QVERIFY2(line.endsWith(QStringLiteral("70℃以下に収まる最大のロールアウト 25.1 mm"
                                              "（予測、5回の走行から）。→ 手持ち 77/24")),
                 qPrintable(line));
    }
};

QTEST_MAIN(PitWalkTest)
#include "test_pitwalk.moc"
