#include "appsetup.h"
#include "form/controltable.h"
#include "gridmodel.h"
#include "keyboardkeypad.h"
#include "mainwindow.h"
#include "ratiogridview.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <utility>

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::unique_ptr<MainWindow> m_window;
    // Message boxes are answered at once and recorded, so a stray one fails a
    // case instead of hanging the run.
    QTimer m_boxCloser;
    QStringList m_messages;

    QString caption(const char* name) const
    {
        auto* label = qobject_cast<QLabel*>(m_window->control(QString::fromLatin1(name)));
        return label ? label->text() : QStringLiteral("<no label>");
    }
    QPushButton* button(const char* name) const
    {
        return qobject_cast<QPushButton*>(m_window->control(QString::fromLatin1(name)));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        AppSetup::apply(*qApp);
        const QString folder = AppSetup::dataFolder();
        QCOMPARE(folder, QDir(m_home.path()).filePath(QStringLiteral("zeltan")));
        QVERIFY(QDir(folder).exists());

        m_boxCloser.setInterval(50);
        connect(&m_boxCloser, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_messages << box->text();
                box->reject();
            }
        });
        m_boxCloser.start();

        m_window = std::make_unique<MainWindow>(folder);
        m_window->start();
        m_window->centreOnScreen();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        // The window opens with the focus on the first SET button.
        QCOMPARE(QApplication::focusWidget(), m_window->control(QStringLiteral("Command1")));
    }

    void cleanupTestCase() { m_window.reset(); }

    void cleanup()
    {
        const QStringList shown = std::exchange(m_messages, {});
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'|')));
    }

    void init()
    {
        click("Command17"); // every case starts from an empty keypad entry
        QCOMPARE(caption("Label11"), QStringLiteral("0"));
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

    void menusCarryTheTablesShortcuts()
    {
        for (const MenuSpec& menu : ControlTable::menus()) {
            QAction* action = m_window->menuAction(menu.name);
            QVERIFY2(action, qPrintable(menu.name));
            QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), menu.shortcut);
        }
        QCOMPARE(m_window->menuAction(QStringLiteral("verinf"))->text(),
                 QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
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

    void keyboardKeysMapToTheKeypad_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("7") << int(Qt::Key_7) << "Command6";
        QTest::newRow("0") << int(Qt::Key_0) << "Command15";
        QTest::newRow(".") << int(Qt::Key_Period) << "Command16";
        QTest::newRow(",") << int(Qt::Key_Comma) << "Command16";
        QTest::newRow("Esc") << int(Qt::Key_Escape) << "Command17";
        QTest::newRow("Delete") << int(Qt::Key_Delete) << "Command17";
        QTest::newRow("letter") << int(Qt::Key_A) << "";
    }

    void keyboardKeysMapToTheKeypad()
    {
        QFETCH(int, key);
        QFETCH(QString, button);
        QCOMPARE(KeyboardKeypad::buttonFor(key), button);
    }

    void typingOnAButtonPressesTheKeypad()
    {
        QPushButton* set = button("Command1");
        set->setFocus();
        QCOMPARE(QApplication::focusWidget(), set);
        QTest::keyClick(set, Qt::Key_7);
        QCOMPARE(caption("Label11"), QStringLiteral("7"));
        QTest::keyClick(set, Qt::Key_Period);
        QTest::keyClick(set, Qt::Key_5, Qt::KeypadModifier);
        QTest::keyClick(set, Qt::Key_5);
        QCOMPARE(caption("Label11"), QStringLiteral("7.55"));
        QTest::keyClick(set, Qt::Key_Escape);
        QCOMPARE(caption("Label11"), QStringLiteral("0"));
    }

    void typingInAFieldLeavesTheKeypadAlone()
    {
        auto* name = qobject_cast<QLineEdit*>(m_window->control(QStringLiteral("Text1")));
        QVERIFY(name);
        click("Command6"); // 7
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("12.5"));
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(caption("Label11"), QStringLiteral("7"));
        QCOMPARE(name->text(), QStringLiteral("12.5"));
        QCOMPARE(m_window->app().form().Text1.text, QStringLiteral("12.5"));

        auto* interval = qobject_cast<QComboBox*>(m_window->control(QStringLiteral("Combo5")));
        QVERIFY(interval);
        interval->setFocus();
        interval->lineEdit()->selectAll();
        QTest::keyClicks(interval->lineEdit(), QStringLiteral("3"));
        QTest::keyClick(interval->lineEdit(), Qt::Key_Delete);
        QCOMPARE(caption("Label11"), QStringLiteral("7"));
        QCOMPARE(m_window->app().form().Combo5.text, QStringLiteral("3"));
        interval->setFocus();
        interval->lineEdit()->selectAll();
        QTest::keyClicks(interval->lineEdit(), QStringLiteral("1"));
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
        auto* list = qobject_cast<QListWidget*>(m_window->control(QStringLiteral("List1")));
        QVERIFY(name && list);
        const QString ratio = caption("Label6");

        click("Command23"); // copy the values above into the panel
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Racer 1"));
        click("Command22"); // 登録
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Racer 1"));

        click("Command12"); // 1
        click("Command1");  // SET of the secondary ratio
        QCOMPARE(caption("Label6"), QStringLiteral("1"));

        const QPoint row = list->visualItemRect(list->item(0)).center();
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

    // Return in a selector's field, or leaving it, runs nothing even when the
    // text names an item; a pick from the open list runs the click.
    void onlyAPickFromTheListRunsTheSelector_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("watched"); // a control the click rewrites
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("runs");
        auto row = [](const char* tag, const char* name, const char* watched, const char* way,
                      bool runs) { QTest::newRow(tag) << name << watched << way << runs; };
        row("module typed, Return", "Combo7", "Combo1", "Return", false);
        row("module typed, Tab away", "Combo7", "Combo1", "Tab", false);
        row("module clicked in the list", "Combo7", "Combo1", "click", true);
        row("spur typed, Enter", "Combo1", "Label5", "Enter", false);
        row("spur picked with the keys", "Combo1", "Label5", "keys", true);
    }

    void onlyAPickFromTheListRunsTheSelector()
    {
        QFETCH(QString, name);
        QFETCH(QString, watched);
        QFETCH(QString, way);
        QFETCH(bool, runs);
        auto* combo = qobject_cast<QComboBox*>(m_window->control(name));
        m_window->render(); // the box shows the Form's item, as after any click
        QVERIFY(combo && combo->count() >= 2 && combo->currentIndex() >= 0);
        const int next = (combo->currentIndex() + 1) % combo->count();
        const QString item = combo->itemText(next);
        Control* mark = m_window->app().form().control(watched);
        mark->text = QStringLiteral("untouched");

        combo->setFocus();
        QAbstractItemView* list = combo->view();
        if (way == u"click") {
            combo->showPopup();
            const QRect row = list->visualRect(list->model()->index(next, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        } else if (way == u"keys") {
            combo->showPopup();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), item);
            QTest::keyClick(combo->lineEdit(), way == u"Return"  ? Qt::Key_Return
                                               : way == u"Enter" ? Qt::Key_Enter
                                                                 : Qt::Key_Tab);
        }
        QVERIFY(!list->isVisible());
        QCOMPARE(m_window->app().form().control(name)->text, item);
        QCOMPARE(combo->currentText(), item);
        QCOMPARE(mark->text != QStringLiteral("untouched"), runs);
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
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
