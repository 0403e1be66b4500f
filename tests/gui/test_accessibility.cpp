#include "common/colour.h"
#include "common/flexgrid.h"
#include "fieldaccessible.h"
#include "form/controltable.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSet>

// What a screen reader finds: every control named for what it is, a label
// with the value it shows; the picked star, the status line's news, the
// grid's marks in words; the grid's headings as real row and column headers.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private:
    WindowFixture m_fixture;

    static QString said(QWidget* widget, QAccessible::Text text)
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        return iface ? iface->text(text) : QStringLiteral("<none>");
    }

private slots:
    void initTestCase() { AppSetup::apply(*qApp); }
    void init() { m_fixture.open(); }
    void cleanup() { m_fixture.close(); }

    void everyReachableControlHasItsRoleAsAUniqueName()
    {
        QSet<QString> names;
        for (const ControlSpec& desc : ControlTable::controls()) {
            QWidget* widget = m_fixture.window()->control(desc.name);
            QVERIFY2(widget, qPrintable(desc.name));
            QVERIFY2(!desc.role.isEmpty(), qPrintable(desc.name));
            // A label adds what it shows to its role.
            QVERIFY2(said(widget, QAccessible::Name).startsWith(desc.role), qPrintable(desc.name));
            if (widget->focusPolicy() == Qt::NoFocus)
                continue;
            QVERIFY2(!names.contains(desc.role), qPrintable(desc.role));
            names.insert(desc.role);
        }
    }

    // A screen reader speaks names: a label's is its role and what it shows.
    void nameSaysWhatDescriptionSaysWhatIsShown_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("described");
        auto row = [](const char* tag, const char* name, const char* role, const char* described) {
            QTest::newRow(tag) << name << role << described;
        };
        row("SET of the spur", "Command2", "スパーギア歯数 SET", "");
        row("star of the ratio, picked", "Command21", "減速比を計算",
            "★ 計算する値に選ばれています");
        row("star of the spur", "Command19", "スパーギア歯数を計算", "押すと計算する値に選びます");
        row("keypad entry", "Label11", "キーパッドの入力 2", "");
        row("status line", "Label12", "状況表示 減速比を計算表示します", "");
        row("a value", "Label9", "減速比 8.00000", "");
    }

    void nameSaysWhatDescriptionSaysWhatIsShown()
    {
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(QString, described);
        m_fixture.click("Command13"); // the entry shows 2
        QWidget* widget = m_fixture.window()->control(name);
        QCOMPARE(said(widget, QAccessible::Name), role);
        QCOMPARE(said(widget, QAccessible::Description), described);
    }

    void theStarsDescriptionFollowsThePick()
    {
        m_fixture.click("Command18");
        QCOMPARE(said(m_fixture.control("Command18"), QAccessible::Description),
                 QStringLiteral("★ 計算する値に選ばれています"));
        QCOMPARE(said(m_fixture.control("Command21"), QAccessible::Description),
                 QStringLiteral("押すと計算する値に選びます"));
    }

    // The new status line is spoken, and the survey's marks are told in words.
    void aSurveyIsToldToTheEar()
    {
        const QString before = m_fixture.caption("Label12");
        auto* news = m_fixture.window()->findChild<QWidget*>(QStringLiteral("announcer"));
        QVERIFY(news && !news->isVisible()); // start-up is no news
        m_fixture.click("Command5");         // the survey reports in the status line
        QVERIFY(m_fixture.caption("Label12") != before);
        const QString status = QStringLiteral("状況表示 ") + m_fixture.caption("Label12");
        QCOMPARE(said(m_fixture.control("Label12"), QAccessible::Name), status);
        // Orca speaks a notification when it is shown: the news, status first.
        QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(news);
        QCOMPARE(notice->role(), QAccessible::Notification);
        QVERIFY(news->isVisible());
        QVERIFY2(notice->text(QAccessible::Name).startsWith(status),
                 qPrintable(notice->text(QAccessible::Name)));
        QAccessibleInterface* table =
            QAccessible::queryAccessibleInterface(m_fixture.control("MSFlexGrid1"));
        const FlexGrid& grid = m_fixture.window()->app().form().MSFlexGrid1;
        QStringList told;
        for (int r = 1; r < grid.rows(); ++r)
            for (int c = 1; c < grid.cols(); ++c)
                if (grid.cell(r, c).colour == Colour::LightBlue ||
                    grid.cell(r, c).colour == Colour::Red)
                    told << table->tableInterface()
                                ->cellAt(r - 1, c - 1)
                                ->text(QAccessible::Description);
        QVERIFY(told.contains(QStringLiteral("最も近い組合せ")));
        QVERIFY(told.contains(QStringLiteral("指定減速比の±2.5%以内")));
        // The notice names the best pair and how many lie within the band.
        const QString best = QStringLiteral("最適 ピニオン%1/スパー%2 減速比 ")
                                 .arg(m_fixture.caption("Label8"), m_fixture.caption("Label7"));
        QVERIFY2(notice->text(QAccessible::Name).contains(best),
                 qPrintable(notice->text(QAccessible::Name)));
        QVERIFY(
            notice->text(QAccessible::Name).endsWith(QStringLiteral("以内 %1組").arg(told.size())));
    }

    // A field is read whole ("3900", not "390"), and an empty one says its
    // name when it takes the focus.
    void fieldsAreReadWholeAndEmptyOnesByName()
    {
        auto* edit = qobject_cast<QLineEdit*>(m_fixture.control("Text1"));
        QVERIFY(edit && !edit->accessibleName().isEmpty());
        edit->setText(QStringLiteral("3900"));
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(edit)->textInterface();
        QVERIFY(text);
        int start = -1, end = -1;
        text->attributes(2, &start, &end);
        QCOMPARE(text->text(start, end), QStringLiteral("3900"));
        edit->clear();
        edit->setFocus(Qt::TabFocusReason);
        auto* news = m_fixture.window()->findChild<QWidget*>(QStringLiteral("announcer"));
        QTRY_COMPARE(news->accessibleName(), FieldAccessible::emptyField(edit->accessibleName()));
    }

    // A cell names its spur heading and its pinion heading.
    void gridCellsHaveRowAndColumnHeaders_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("first cell") << 0 << 0;
        QTest::newRow("further down and right") << 7 << 4;
    }

    void gridCellsHaveRowAndColumnHeaders()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QWidget* view = m_fixture.control("MSFlexGrid1");
        const FlexGrid& grid = m_fixture.window()->app().form().MSFlexGrid1;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("減速比表"));
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row, col);
        QVERIFY(cell && cell->tableCellInterface());
        QCOMPARE(cell->text(QAccessible::Name), grid.cell(row + 1, col + 1).text);
        const auto across = cell->tableCellInterface()->columnHeaderCells();
        const auto down = cell->tableCellInterface()->rowHeaderCells();
        QCOMPARE(across.size(), 1);
        QCOMPARE(down.size(), 1);
        QCOMPARE(across.first()->text(QAccessible::Name), grid.cell(0, col + 1).text);
        QCOMPARE(down.first()->text(QAccessible::Name), grid.cell(row + 1, 0).text);
        QVERIFY(!grid.cell(0, col + 1).text.isEmpty());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
