#include "drivewindow.h"
#include "notebook/notebookmessages.h"
#include "notebookchartview.h"
#include "notebookcompare.h"
#include "notebookwindow.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSet>
#include <QTableView>
#include <QTableWidget>

// セッティング記録 beside the real main window: a run recorded from the
// windows, its temperature added, and its setup put back after the windows moved on.
class NotebookWindowTest : public WindowTest
{
    Q_OBJECT

    NotebookWindow* openNotebook()
    {
        QAction* menu = m_window->menuAction(QStringLiteral("kiroku"));
        if (!menu)
            return nullptr;
        menu->trigger();
        auto* nb = m_window->findChild<NotebookWindow*>();
        // Listed once the first frame is drawn.
        if (nb && !QTest::qWaitFor([nb] { return nb->notebook().isOpen(); }))
            return nullptr;
        return nb;
    }
    QString listed(NotebookWindow* nb, int row, int column) const
    {
        return nb->list()->model()->index(row, column).data().toString();
    }
    void type(NotebookWindow* nb, const char* field, const QString& text)
    {
        auto* edit = qobject_cast<QLineEdit*>(nb->control(QString::fromLatin1(field)));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void press(NotebookWindow* nb, const char* name)
    {
        QTest::mouseClick(qobject_cast<QPushButton*>(nb->control(QString::fromLatin1(name))),
                          Qt::LeftButton);
    }
    // A value on the main window's keypad, then its SET button.
    void set(const char* digits, const char* setButton)
    {
        click("Command17");
        const QString keys = QString::fromLatin1(digits);
        const QString pads = QStringLiteral("0123456789");
        const char* names[] = {"Command15", "Command12", "Command13", "Command14", "Command9",
                               "Command10", "Command11", "Command6",  "Command7",  "Command8"};
        for (QChar k : keys)
            click(k == u'.' ? "Command16" : names[pads.indexOf(k)]);
        click(setButton);
    }

private slots:
    void recordsFromTheWindowsAndRestores()
    {
        QCOMPARE(m_window->menuAction(QStringLiteral("kiroku"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+L")));
        NotebookWindow* nb = openNotebook();
        QVERIFY(nb && nb->isVisible());
        QCOMPARE(nb->windowTitle(), NotebookMessages::Title());

        set("84", "Command2");
        set("22", "Command3");
        const QStringList recorded = {caption("Label6"), caption("Label7"), caption("Label8"),
                                      caption("Label9")};
        auto* news = nb->findChild<QWidget*>(QStringLiteral("announcer"));
        QVERIFY(news);
        press(nb, "record");
        QCOMPARE(news->accessibleName(), NotebookMessages::Recorded()); // told to the ear
        QCOMPARE(nb->list()->model()->rowCount(), 1);
        QCOMPARE(listed(nb, 0, Notebook::Gears), QStringLiteral("22/84"));
        type(nb, "field:motor_temp", QStringLiteral("58"));
        type(nb, "field:lap", QStringLiteral("12.75"));
        press(nb, "save");
        QCOMPARE(news->accessibleName(), NotebookMessages::Saved());
        QCOMPARE(listed(nb, 0, Notebook::Temp), QStringLiteral("58.0℃"));
        // The charts follow in the frame after the list's.
        QTRY_COMPARE(nb->chart()->byTime().temps.size(), 1);

        // The windows move on; the keypad holds something of the user's.
        set("90", "Command2");
        set("25", "Command3");
        click("Command17");
        click("Command12");
        QVERIFY(caption("Label7") != recorded[1]);
        press(nb, "restore");
        QCOMPARE(news->accessibleName(), NotebookMessages::Restored());
        QCOMPARE(QStringList(
                     {caption("Label6"), caption("Label7"), caption("Label8"), caption("Label9")}),
                 recorded);
        QCOMPARE(caption("Label11"), QStringLiteral("1"));

        // Opening again raises the same window.
        QCOMPARE(openNotebook(), nb);
        QCOMPARE(m_window->findChildren<NotebookWindow*>().size(), 1);
    }

    // Tab from the list reaches every button and field, and leaves the list.
    // The window is drawn before the file is checked and read; a damaged
    // file found then is told and kept aside as ever, and the notebook is fresh.
    void drawsFirstThenChecksTheFile()
    {
        QFile damaged(QDir(m_fixture.folder()).filePath(Notebook::FileName));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(8192, 'x'));
        damaged.close();
        m_window->menuAction(QStringLiteral("kiroku"))->trigger();
        auto* nb = m_window->findChild<NotebookWindow*>();
        QVERIFY(nb && nb->isVisible());
        QVERIFY(!nb->notebook().isOpen());
        QTRY_VERIFY(nb->notebook().isOpen());
        QCOMPARE(m_fixture.takeMessages().size(), 1);
        QCOMPARE(QDir(m_fixture.folder()).entryList({"notebook.db.damaged-*"}).size(), 1);
        QCOMPARE(nb->list()->model()->rowCount(), 0);
    }

    // Once the main window's first frame is out the session reads the notebook
    // ahead: セッティング記録 then opens listed, in its own first frame.
    void opensListedAfterTheReadAhead()
    {
        m_fixture.close();
        m_fixture.open([](const QString& folder) {
            NotebookStore store;
            QVERIFY(store.open(QDir(folder).filePath(Notebook::FileName)));
            QList<NotebookEntry> runs(2);
            runs[0].taken = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
            runs[1].taken = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
            runs[0].car = runs[1].car = QStringLiteral("TRF");
            QVERIFY(store.addAll(runs));
        });
        m_window = m_fixture.window();
        Notebook& notebook = m_window->session().notebook();
        QTRY_VERIFY(notebook.opening());
        notebook.waitForReading();
        m_window->menuAction(QStringLiteral("kiroku"))->trigger();
        auto* nb = m_window->findChild<NotebookWindow*>();
        QVERIFY(nb && nb->isVisible());
        QCOMPARE(nb->list()->model()->rowCount(), 2);
        QTRY_VERIFY(notebook.isOpen());
    }

    void tabReachesEveryButtonFromTheList()
    {
        NotebookWindow* nb = openNotebook();
        QVERIFY(nb);
        press(nb, "record");
        QTest::qWait(100); // any box the run left is answered
        m_fixture.takeMessages();
        nb->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(nb));
        nb->list()->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), nb->list());
        QSet<QWidget*> reached;
        for (int i = 0; i < 80; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget());
        }
        for (QPushButton* button : nb->findChildren<QPushButton*>())
            if (button->isVisible())
                QVERIFY2(reached.contains(button), qPrintable(button->text()));
        QVERIFY(reached.contains(nb->control(QStringLiteral("field:lap"))));
        QVERIFY(reached.contains(nb->chart()));
    }

    // Quitting asks about a run being edited, as closing the notebook does.
    void quittingAsksAboutTypedFields()
    {
        NotebookWindow* nb = openNotebook();
        QVERIFY(nb);
        press(nb, "record");
        type(nb, "field:lap", QStringLiteral("12.75"));
        m_window->menuAction(QStringLiteral("owaru"))->trigger();
        QCOMPARE(m_fixture.takeMessages(), QStringList({NotebookMessages::AskSaveDraft()}));
    }

    // The chart takes the focus; the arrows step through its points left to
    // right, choosing each run and reading it out; a click picks a point.
    void theChartIsSteppedByKeysAndPickedByClicks()
    {
        QList<NotebookEntry> runs;
        for (const char* rollout : {"27.4", "25.1", "26.3"}) {
            NotebookEntry e;
            e.taken = QDateTime(QDate(2026, 12, 7), QTime(10, int(runs.size())));
            e.car = QStringLiteral("A");
            e.rollout = QString::fromLatin1(rollout);
            e.motorTemp = QStringLiteral("60");
            e.lap = QStringLiteral("12.5");
            runs << e;
        }
        {
            NotebookStore store;
            QVERIFY(store.open(QDir(m_fixture.folder()).filePath(Notebook::FileName)));
            QVERIFY(store.addAll(runs));
        }
        NotebookWindow* nb = openNotebook();
        QVERIFY(nb);
        NotebookChartView* chart = nb->chart();
        QCOMPARE(chart->focusPolicy(), Qt::StrongFocus);
        auto* news = nb->findChild<QWidget*>(QStringLiteral("announcer"));
        auto rolloutOfChosen = [&] {
            return listed(nb, int(nb->notebook().shownIndexOf(nb->notebook().selected())),
                          Notebook::Rollout);
        };
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(rolloutOfChosen(), QStringLiteral("25.10"));
        QCOMPARE(news->accessibleName(),
                 QStringLiteral("2026/12/07 10:01、ロールアウト 25.10、60.0℃、12.500秒"));
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(rolloutOfChosen(), QStringLiteral("26.30"));
        QVERIFY(chart->byGear().selectedTemp && chart->byGear().selectedTemp->x() == 26.3);
        QTest::keyClick(chart, Qt::Key_End);
        QCOMPARE(rolloutOfChosen(), QStringLiteral("27.40"));
        QTest::keyClick(chart, Qt::Key_Home);
        QCOMPARE(rolloutOfChosen(), QStringLiteral("25.10"));
        QVERIFY(chart->accessibleDescription().startsWith(
            NotebookChart::title(NotebookChart::XKind::Rollout)));
    }

    // Choosing a car, then a track, by keyboard shows their line over the
    // list and says it.
    void aCarOnATrackShowsAndSaysItsLine()
    {
        QList<NotebookEntry> runs;
        for (const auto& [rollout, temp] : {std::pair{"27", "55"}, {"28", "60"}, {"29", "65"}}) {
            NotebookEntry e;
            e.taken = QDateTime(QDate(2026, 12, 7), QTime(10, int(runs.size())));
            e.car = QStringLiteral("A");
            e.track = QStringLiteral("T");
            e.rollout = QString::fromLatin1(rollout);
            e.motorTemp = QString::fromLatin1(temp);
            runs << e;
        }
        {
            NotebookStore store;
            QVERIFY(store.open(QDir(m_fixture.folder()).filePath(Notebook::FileName)));
            QVERIFY(store.addAll(runs));
        }
        NotebookWindow* nb = openNotebook();
        QVERIFY(nb);
        QWidget* line = nb->control(QStringLiteral("trackLine"));
        auto* news = nb->findChild<QWidget*>(QStringLiteral("announcer"));
        QVERIFY(line && news && !line->isVisible());
        QTest::keyClick(nb->control(QStringLiteral("car")), Qt::Key_Down);
        QVERIFY(!line->isVisible());
        QTest::keyClick(nb->control(QStringLiteral("track")), Qt::Key_Down);
        const QString said = nb->notebook().trackLine();
        QVERIFY(said.endsWith(QStringLiteral("70℃以下に収まる最大のロールアウト 30.0 mm"
                                             "（予測、3回の走行から）。")));
        QVERIFY(line->isVisible());
        QCOMPARE(line->accessibleName(), QStringLiteral("このコースの記録 ") + said);
        QCOMPARE(news->accessibleName(), said);
        QVERIFY(nb->chart()->byGear().tempFit && nb->chart()->byGear().tempFit->slope == 5.0);

        // The newest run against the one before it, then against the oldest.
        QTest::mouseClick(qobject_cast<QPushButton*>(nb->control(QStringLiteral("compare"))),
                          Qt::LeftButton);
        auto* compare = nb->findChild<NotebookCompareDialog*>();
        QVERIFY(compare && compare->isVisible());
        auto marked = [&] {
            QStringList out;
            for (int r = 0; r < compare->table()->rowCount(); ++r)
                if (compare->table()->item(r, 1)->font().bold())
                    out << compare->table()->item(r, 0)->text();
            return out;
        };
        QCOMPARE(compare->table()->rowCount(), notebookFields().size() + 1);
        QCOMPARE(marked(), QStringList({"日時（違う）", "ロールアウト(mm)（違う）",
                                        "モーター温度(℃)（違う）"}));
        QCOMPARE(compare->table()->item(10, 1)->text(), QStringLiteral("29"));
        compare->side(1)->setCurrentIndex(0);
        QCOMPARE(marked(), QStringList());
    }

    // Values stored by an older copy or another tool, which once crashed the
    // chart (a scale over ±1e308) or looped for ever (laps one ULP apart):
    // the window opens, lists them all and draws.
    void opensAndDrawsWhateverIsStored()
    {
        QList<NotebookEntry> runs;
        const QString e308(308, u'0');
        for (const auto& [temp, lap] :
             {std::pair{QStringLiteral("60"), "-1" + e308},
              {QStringLiteral("61"), "1" + e308},
              {QStringLiteral("100000000000000000"), QStringLiteral("30.3")},
              {QStringLiteral("100000000000000016"), QStringLiteral("30.300000000000004")}}) {
            NotebookEntry e;
            e.taken = QDateTime(QDate(2026, 12, 7), QTime(10, int(runs.size())));
            e.car = QStringLiteral("A");
            e.rollout = QStringLiteral("27.4");
            e.motorTemp = temp;
            e.lap = lap;
            runs << e;
        }
        runs[0].note = QString(40000, u'm'); // brought in by an older import
        {
            NotebookStore store;
            QVERIFY(store.open(QDir(m_fixture.folder()).filePath(Notebook::FileName)));
            QVERIFY(store.addAll(runs));
        }
        NotebookWindow* nb = openNotebook();
        QVERIFY(nb);
        QCOMPARE(nb->list()->model()->rowCount(), 4);
        // A memo longer than the field holds is shown, not edited (an edit would cut it).
        nb->list()->selectRow(3);
        auto* note = qobject_cast<QLineEdit*>(nb->control(QStringLiteral("field:note")));
        QVERIFY(note && note->isReadOnly() && !note->toolTip().isEmpty());
        QCOMPARE(nb->notebook().draft.note.size(), 40000);
        QCOMPARE(listed(nb, 3, Notebook::Lap), "-1" + e308 + "※");
        QVERIFY(!nb->chart()->grab().isNull());
        QCOMPARE(nb->chart()->byTime().laps.size(), 2);
        QCOMPARE(nb->chart()->byTime().temps.size(), 2);
    }
};

QTEST_MAIN(NotebookWindowTest)
#include "test_notebookwindow.moc"
