#include "form/controltable.h"
#include "keyboardkeypad.h"
#include "windowfixture.h"
#include "zoom.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

// The window under the keyboard alone: the keypad keys, Return on a button,
// the menus' shortcuts and the keys that open the menu bar, and the
// selectors, where only a pick from the list counts.
class KeyboardTest : public WindowTest
{
    Q_OBJECT

    QTemporaryDir m_config; // the zoom is saved here, not in the user's settings

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        AppSetup::apply(*qApp);
    }

    // Ctrl+minus zooms out a step and Ctrl+0 goes back to the design size;
    // each choice is kept for the next start.
    void theZoomKeysZoomAndAreKept()
    {
        QVERIFY(QFileInfo(Zoom::settingsPath()).path().startsWith(m_config.path()));
        const double before = Zoom::factor();
        QTest::keyClick(m_window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(Zoom::saved(), std::round((before - Zoom::Step) * 10) / 10);
        const double smaller = Zoom::factor();
        QVERIFY(smaller < before);
        QTest::keyClick(m_window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(Zoom::saved(), 1.0);
        QVERIFY(Zoom::factor() > smaller); // the largest that fits, as at the start
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

    // The boxes are made editable without setEditable, their lists on first
    // opening: the field completes nothing and the list is as setEditable left it.
    void selectorsCompleteNothingAndOpenTheirListAsBefore()
    {
        for (const ControlSpec& desc : ControlTable::controls()) {
            if (desc.kind != ControlKind::Combo)
                continue;
            auto* combo = qobject_cast<QComboBox*>(m_window->control(desc.name));
            QVERIFY2(combo && combo->isEditable() && combo->lineEdit(), qPrintable(desc.name));
            QVERIFY(!combo->lineEdit()->completer());
            combo->showPopup();
            auto* list = qobject_cast<QListView*>(combo->view());
            QVERIFY(list && list->uniformItemSizes() && list->hasMouseTracking());
            QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
            combo->hidePopup();
        }
    }

    // The selectors' arrows narrow with the zoom below the design size, so
    // a box as narrow as an interval keeps room for its text; other boxes
    // keep the style's arrow.
    void selectorArrowsShrinkBelowTheDesignSize()
    {
        auto* combo = qobject_cast<QComboBox*>(m_window->control(QStringLiteral("Combo5")));
        QComboBox plain;
        plain.setEditable(true);
        plain.resize(combo->size());
        auto arrowWidth = [](QComboBox* box) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            option.editable = true;
            return box->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box)
                .width();
        };
        const double zoom = Zoom::factor();
        Zoom::setFactor(1.0);
        const int designed = arrowWidth(combo), plainDesigned = arrowWidth(&plain);
        Zoom::setFactor(0.5);
        const int shrunk = arrowWidth(combo), plainShrunk = arrowWidth(&plain);
        Zoom::setFactor(zoom);
        QVERIFY(shrunk < designed);
        QCOMPARE(plainShrunk, plainDesigned);
    }

    // The menu bar's overflow arrow is read when first drawn, and is Fusion's.
    void theMenuBarsOverflowArrowIsFusions()
    {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
        const QIcon deferred = qApp->style()->standardIcon(arrow);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.pixmap(16).toImage(), fusion->standardIcon(arrow).pixmap(16).toImage());
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

    void aShortcutRunsItsItem()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        const QStringList asked = m_fixture.takeMessages();
        QCOMPARE(asked.size(), 1); // answered No: nothing printed
        QVERIFY2(asked.first().startsWith(QStringLiteral("プリンターは接続されていますか")),
                 qPrintable(asked.first()));
    }

    // F1 opens the manual's menu; F10 and a lone Alt hand the bar the keyboard
    // at its first menu. Esc leaves, and the keypad entry stays as it was.
    void keysOpenTheMenuBar_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("active");
        QTest::addColumn<bool>("popup");
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "toriatukai" << true;
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "owaru" << false;
        QTest::newRow("lone Alt") << int(Qt::Key_Alt) << int(Qt::AltModifier) << "owaru" << false;
    }

    void keysOpenTheMenuBar()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, active);
        QFETCH(bool, popup);
        click("Command13"); // 2: Esc must not clear it
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QMenuBar* bar = m_window->menuBar();
        QVERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction(), m_window->menuAction(active));
        QMenu* menu = bar->activeAction()->menu();
        if (popup) {
            QTRY_COMPARE(QApplication::activePopupWidget(), menu);
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        } else {
            QCOMPARE(QApplication::focusWidget(), bar);
            QTest::keyClick(bar, Qt::Key_Escape);
            QCOMPARE(QApplication::focusWidget(), before);
        }
        QCOMPARE(caption("Label11"), QStringLiteral("2"));
    }

    // Return and Enter press the focused button as Space does; the keypad
    // entry "2" is there first.
    // With cars registered, a whole Tab cycle through the window changes
    // nothing: taking the focus is no pick. Space on the list picks.
    void aTabCycleChangesNothingAndSpacePicks()
    {
        m_fixture.close();
        m_fixture.open([](const QString& folder) {
            QFile masin(QDir(folder).filePath(QStringLiteral("masin.dat")));
            QVERIFY(masin.open(QIODevice::WriteOnly));
            masin.write("Car A,48P,1,11,11,1,1,1,1\r\nCar B,48P,2,22,22,2,2,2,2\r\n");
        });
        m_window = m_fixture.window();
        const QStringList values = {"Label6", "Label7", "Label8", "Label9", "Label13"};
        auto shown = [&] {
            QStringList out;
            for (const QString& v : values)
                out << caption(qPrintable(v));
            return out;
        };
        const QStringList before = shown();
        QFile gia(QDir(m_fixture.folder()).filePath(QStringLiteral("GIA.DAT")));
        QVERIFY(gia.open(QIODevice::ReadOnly));
        const QByteArray bytes = gia.readAll();
        gia.close();

        QWidget* list = m_window->control(QStringLiteral("List1"));
        m_window->control(QStringLiteral("Command1"))->setFocus();
        bool visitedList = false;
        for (int i = 0; i < 120; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visitedList |= QApplication::focusWidget() == list;
        }
        QVERIFY(visitedList);
        QCOMPARE(shown(), before);
        QVERIFY(gia.open(QIODevice::ReadOnly));
        QCOMPARE(gia.readAll(), bytes);
        gia.close();

        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(caption("Label13"), QStringLiteral("Car A"));
        QCOMPARE(caption("Label7"), QStringLiteral("11"));
    }

    void returnPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shows");
        auto row = [](const char* tag, const char* name, int key, const char* label,
                      const char* shows) { QTest::newRow(tag) << name << key << label << shows; };
        row("Return on key 7", "Command6", Qt::Key_Return, "Label11", "27");
        row("Enter on key 1", "Command12", Qt::Key_Enter, "Label11", "21");
        row("Space on key 3", "Command14", Qt::Key_Space, "Label11", "23");
        row("Return on SET of the secondary ratio", "Command1", Qt::Key_Return, "Label6", "2");
    }

    void returnPressesTheFocusedButton()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(QString, label);
        QFETCH(QString, shows);
        click("Command13");
        QWidget* target = m_window->control(name);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(caption(qPrintable(label)), shows);
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
