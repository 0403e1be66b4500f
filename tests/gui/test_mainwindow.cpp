#include "appsetup.h"
#include "backdrop.h"
#include "form/controltable.h"
#include "gridmodel.h"
#include "itemlistview.h"
#include "ratiogridview.h"
#include "twips.h"
#include "windowfixture.h"
#include "zoom.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QSettings>

// The window on the offscreen platform: built from the table, clicks reach
// the handlers, fields keep what is typed, the version dialog opens and closes.
class MainWindowTest : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        AppSetup::apply(*qApp);
        const QString folder = AppSetup::dataFolder();
        QCOMPARE(folder, QDir(home.path()).filePath(QStringLiteral("zeltan")));
        QVERIFY(QDir(folder).exists());
    }

    void opensWithTheFocusOnTheFirstSetButton()
    {
        QCOMPARE(QApplication::focusWidget(), m_window->control(QStringLiteral("Command1")));
    }

    void windowHasItsCaptionAndFixedClientArea()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ギア比確認"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(1016, 712));
        QVERIFY(!m_window->windowIcon().isNull());
    }

    void controlsSitAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("title banner") << "Label13" << QRect(16, 16, 985, 41);
        QTest::newRow("keypad display") << "Label11" << QRect(504, 72, 121, 25);
        QTest::newRow("key 7") << "Command6" << QRect(504, 96, 41, 41);
        QTest::newRow("CLS") << "Command17" << QRect(584, 216, 41, 41);
        QTest::newRow("machine list") << "List1" << QRect(32, 472, 249, 136);
        QTest::newRow("grid") << "MSFlexGrid1" << QRect(632, 72, 369, 545);
    }

    void controlsSitAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QWidget* widget = m_window->control(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    // The footer's lines end inside the window at every zoom the window offers.
    void theFooterFitsAtEveryZoom()
    {
        const double kept = Zoom::factor();
        const auto restore = qScopeGuard([kept] { Zoom::setFactor(kept); });
        for (int step = 0; Zoom::Smallest + step * Zoom::Step <= Zoom::Largest + 1e-9; ++step) {
            Zoom::setFactor(Zoom::Smallest + step * Zoom::Step);
            for (const FooterText& line : ControlTable::footer()) {
                const int room = Twips::toPx(ControlTable::ClientWidth - line.left);
                const QFont font = AppSetup::fitted(
                    AppSetup::font(line.face, line.pointSize, line.bold, line.italic), line.text,
                    room);
                QVERIFY2(
                    AppSetup::inkWidth(font, line.text) <= room,
                    qPrintable(QStringLiteral("zoom %1: %2").arg(Zoom::factor()).arg(line.text)));
            }
        }
    }

    // A footer's stretch remembered from an earlier start draws the first
    // frame as measuring it would; one remembered wrongly (the fonts changed
    // since) is put right once that frame is out.
    void theFooterIsDrawnAlikeFittedOrRemembered_data()
    {
        QTest::addColumn<bool>("wrong");
        QTest::newRow("remembered as fitted") << false;
        QTest::newRow("remembered wrongly") << true;
    }
    void theFooterIsDrawnAlikeFittedOrRemembered()
    {
        QFETCH(bool, wrong);
        QSettings memory(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zeltan"),
                         QStringLiteral("zeltan"));
        memory.remove(QStringLiteral("footer"));
        const QImage fitted = Backdrop().grab().toImage();
        memory.beginGroup(QStringLiteral("footer"));
        QCOMPARE(memory.childKeys().size(), ControlTable::footer().size());
        if (wrong)
            for (const QString& key : memory.childKeys())
                memory.setValue(key, 60);
        memory.endGroup();
        Backdrop again;
        QCOMPARE(again.grab().toImage() == fitted, !wrong);
        QTRY_VERIFY(again.grab().toImage() == fitted);
    }

    void startsWithTheStarOnTotalRatioAndTheManualHidden()
    {
        QCOMPARE(button("Command21")->text(), QStringLiteral("★"));
        QCOMPARE(button("Command18")->text(), QString());
        for (const char* hidden : {"List2", "Command30", "Label35", "Text2"})
            QVERIFY2(m_window->control(QString::fromLatin1(hidden))->isHidden(), hidden);
        QVERIFY(m_window->control(QStringLiteral("MSFlexGrid1"))->isVisible());
    }

    void tabWalksTheControlsInTheirOrder()
    {
        const QStringList expected = {"Command1",    "Command2",  "Command3",  "Command4",
                                      "Command5",    "Command6",  "Command7",  "Command8",
                                      "Command9",    "Command10", "Command11", "Command12",
                                      "Command13",   "Command14", "Command15", "Command16",
                                      "Command17",   "Command18", "Command19", "Command20",
                                      "Command21",   "Check1",    "Combo1",    "Combo2",
                                      "Combo3",      "Combo4",    "List1",     "Text1",
                                      "Command22",   "Command23", "Command24", "Command25",
                                      "Command26",   "Command27", "Combo5",    "Combo6",
                                      "MSFlexGrid1", "Combo7",    "Command28", "Command29",
                                      "Command1"}; // hidden ones skipped
        button("Command1")->setFocus();
        QStringList walked;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            // An editable combo box keeps its focus in its line edit.
            if (auto* combo = qobject_cast<QComboBox*>(focus ? focus->parentWidget() : nullptr))
                focus = combo;
            walked << (focus ? focus->objectName() : QStringLiteral("<none>"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, expected);
    }

    void gridShowsTheFormsCells()
    {
        auto* grid = qobject_cast<RatioGridView*>(m_window->control(QStringLiteral("MSFlexGrid1")));
        QVERIFY(grid);
        const FlexGrid& cells = m_window->app().form().MSFlexGrid1;
        // Row 0 and column 0 are the headings, the rest the cells.
        QCOMPARE(grid->model()->rowCount(), cells.rows() - 1);
        QCOMPARE(grid->model()->columnCount(), cells.cols() - 1);
        QCOMPARE(grid->gridModel()->cornerData(Qt::DisplayRole).toString(), QStringLiteral("P/S"));
        QCOMPARE(grid->gridModel()->cornerData(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignCenter));
        QCOMPARE(grid->verticalHeader()->width(), 47);
        QCOMPARE(grid->horizontalHeader()->height(), 20);
    }

    void keypadClicksBuildTheEntry()
    {
        click("Command6");  // 7
        click("Command16"); // ・
        click("Command10"); // 5
        QCOMPARE(caption("Label11"), QStringLiteral("7.5"));
        QCOMPARE(m_window->app().form().Label11.text, QStringLiteral("7.5"));
        click("Command17"); // CLS
        QCOMPARE(caption("Label11"), QStringLiteral("0"));
    }

    void pickingAnIntervalStoresItsText()
    {
        auto* interval = qobject_cast<QComboBox*>(m_window->control(QStringLiteral("Combo6")));
        QVERIFY(interval);
        QCOMPARE(interval->currentText(), QStringLiteral("1"));
        interval->setFocus();
        QTest::keyClick(interval, Qt::Key_Down); // picks the next item, as a click would
        QCOMPARE(m_window->app().form().Combo6.text, QStringLiteral("2"));
        QCOMPARE(interval->currentText(), QStringLiteral("2"));
        QTest::keyClick(interval, Qt::Key_Up);
        QCOMPARE(m_window->app().form().Combo6.text, QStringLiteral("1"));
    }

    void rebuildingTheTableRefreshesTheGrid()
    {
        auto* width = qobject_cast<QComboBox*>(m_window->control(QStringLiteral("Combo2")));
        QVERIFY(width);
        const QString before = width->currentText();
        width->setFocus();
        width->lineEdit()->selectAll();
        QTest::keyClicks(width->lineEdit(), QStringLiteral("2"));
        click("Command29"); // 表再作成

        QAbstractItemModel* grid =
            qobject_cast<QTableView*>(m_window->control(QStringLiteral("MSFlexGrid1")))->model();
        const QString start = m_window->app().form().Combo1.text;
        auto heading = [grid](int col) { return grid->headerData(col - 1, Qt::Horizontal); };
        QCOMPARE(heading(1).toString(), start);
        QCOMPARE(heading(3).toString(), QString::number(start.toInt() + 2));
        QCOMPARE(heading(4).toString(), QString());
        QCOMPARE(grid->index(0, 3).data().toString(), QString());

        width->setFocus();
        width->lineEdit()->selectAll();
        QTest::keyClicks(width->lineEdit(), before);
        click("Command29");
        QCOMPARE(heading(4).toString(), QString::number(start.toInt() + 3));
    }

    void aRegisteredMachineComesBackFromTheList()
    {
        auto* name = qobject_cast<QLineEdit*>(m_window->control(QStringLiteral("Text1")));
        auto* list = qobject_cast<ItemListView*>(m_window->control(QStringLiteral("List1")));
        QVERIFY(name && list);
        const QString ratio = caption("Label6");

        click("Command23"); // copy the values above into the panel
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Racer 1"));
        click("Command22"); // 登録
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->itemText(0), QStringLiteral("Racer 1"));

        click("Command12"); // 1
        click("Command1");  // SET of the secondary ratio
        QCOMPARE(caption("Label6"), QStringLiteral("1"));

        const QPoint row = list->rowRect(0).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(m_window->app().form().List1.listIndex, 0);
        QCOMPARE(caption("Label13"), QStringLiteral("Racer 1"));
        QCOMPARE(caption("Label6"), ratio);

        // Clicking the row that is already selected restores the machine again.
        click("Command12");
        click("Command1");
        QCOMPARE(caption("Label6"), QStringLiteral("1"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(caption("Label6"), ratio);

        click("Command27"); // 削除 of the selected machine
        QCOMPARE(list->count(), 0);
    }

    void pastedControlCharactersBecomeBlanks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("paste"); // else committed by the input method
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("kept");
        auto row = [](const char* tag, const char* name, bool paste, const QString& entered,
                      const char* kept) { QTest::newRow(tag) << name << paste << entered << kept; };
        row("machine name, CR LF pasted", "Text1", true, "A\r\nB", "A B");
        row("module name, tab typed", "Text2", false, "4\t8P", "4 8P");
        row("module selector, LF and CR pasted", "Combo7", true, "a\nb\rc", "a b c");
        row("spur selector, NUL and DEL typed", "Combo1", false,
            QStringLiteral("7") + QChar(0) + u'0' + QChar(0x7f), "7 0 ");
    }

    void pastedControlCharactersBecomeBlanks()
    {
        QFETCH(QString, name);
        QFETCH(bool, paste);
        QFETCH(QString, entered);
        QFETCH(QString, kept);
        QWidget* widget = m_window->control(name);
        auto* combo = qobject_cast<QComboBox*>(widget);
        auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget);
        QVERIFY(edit);
        const QString before = edit->text();
        edit->selectAll();
        if (paste) {
            QApplication::clipboard()->setText(entered);
            edit->paste();
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(entered);
            QApplication::sendEvent(edit, &commit);
        }
        QCOMPARE(m_window->app().form().control(name)->text, kept);
        QCOMPARE(edit->text(), kept); // the blank is what the user sees
        edit->setText(before);
        QCOMPARE(m_window->app().form().control(name)->text, before);
    }

    void versionDialogOpensFromTheMenuAndClosesOnAnyKey()
    {
        QString title;
        QStringList texts;
        QPointer<QWidget> seen;
        QTimer::singleShot(100, this, [&] {
            seen = QApplication::activeModalWidget();
            if (!seen)
                return;
            title = seen->windowTitle();
            for (const QLabel* label : seen->findChildren<QLabel*>())
                texts << label->text();
            QTest::keyClick(seen, Qt::Key_A);
        });
        // Should the key not close it, the test fails rather than hangs.
        QTimer::singleShot(5000, this, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        m_window->menuAction(QStringLiteral("verinf"))->trigger();

        QVERIFY(seen.isNull()); // closed and deleted
        QCOMPARE(title, QStringLiteral("Zeltanバージョン情報"));
        QVERIFY(texts.contains(QStringLiteral("RC-EPカーギア比確認　ZELTAN")));
        QVERIFY(texts.contains(QStringLiteral("Ver.1.00.0005 2004/9/2")));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void startUpMessagesComeOverTheDrawnWindow()
    {
        // A folder where the car list belongs: start-up says so.
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("masin.dat")));
        MainWindow window(home.path());
        struct BoxWatch : QObject
        {
            MainWindow* window = nullptr;
            QStringList shown;
            bool overDrawnWindow = true;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (auto* box = qobject_cast<QMessageBox*>(watched);
                    box && event->type() == QEvent::Show) {
                    shown << box->text();
                    overDrawnWindow &= window->isVisible() && window->windowHandle() &&
                                       window->windowHandle()->isExposed();
                    QTimer::singleShot(0, box, &QDialog::reject);
                }
                return false;
            }
        } watch;
        watch.window = &window;
        qApp->installEventFilter(&watch);
        const auto uninstall = qScopeGuard([&watch] { qApp->removeEventFilter(&watch); });
        window.start();
        QVERIFY(watch.shown.isEmpty()); // not alone, before the window
        window.show();
        QTRY_VERIFY(!watch.shown.isEmpty());
        QVERIFY(watch.overDrawnWindow);
        m_fixture.takeMessages(); // the fixture's closer may have seen them too
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
