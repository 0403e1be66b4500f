#include "app/formprojection.h"
#include "calc/gearcalc.h"
#include "form/controltable.h"
#include "form/form.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(ControlTable, EveryControlOfTheWindowHasOnePlace)
{
    // Every control has one entry and every menu item one, each in the
    // window; everything but a label is reached by Tab, once.
    QSet<QString> controls, menus, focusable;
    for (const ControlSpec& desc : ControlTable::controls()) {
        EXPECT_FALSE(controls.contains(desc.name)) << qPrintable(desc.name);
        controls << desc.name;
        if (desc.kind != ControlKind::Label)
            focusable << desc.name;
        EXPECT_EQ(desc.tab > 0, desc.kind != ControlKind::Label) << qPrintable(desc.name);
        EXPECT_LE(desc.left + desc.width, ControlTable::ClientWidth) << qPrintable(desc.name);
        EXPECT_LE(desc.top + desc.height, ControlTable::ClientHeight) << qPrintable(desc.name);
    }
    for (const MenuSpec& menu : ControlTable::menus()) {
        EXPECT_FALSE(menus.contains(menu.name)) << qPrintable(menu.name);
        menus << menu.name;
    }
    EXPECT_EQ(controls.size() + menus.size(), qsizetype(ControlIds::Count));
    const QStringList& order = ControlTable::focusOrder();
    EXPECT_EQ(QSet<QString>(order.begin(), order.end()), focusable);
    EXPECT_EQ(order.size(), focusable.size());
    EXPECT_EQ(ControlTable::find(ControlId::Label13)->face, "ＭＳ 明朝");
}

TEST(ControlTable, ANameFromOutsideFindsItsControl)
{
    Form form;
    const struct
    {
        const char* name;
        std::optional<ControlId> id;
        const Control* control;
    } rows[] = {
        {"a label", ControlId::Label13, &form.machineTitle()},
        {"a button", ControlId::Command30, &form.manualClose()},
        {"the grid", ControlId::MSFlexGrid1, nullptr},
        {"a menu item", ControlId::tzigensoku, nullptr},
        {"no control", std::nullopt, nullptr},
    };
    for (const auto& r : rows) {
        const QString name = r.id ? ControlTable::nameOf(*r.id) : QStringLiteral("Command31");
        EXPECT_EQ(ControlTable::idOf(name), r.id) << r.name;
        EXPECT_EQ(form.control(name), r.control) << r.name;
        if (r.control) {
            EXPECT_EQ(form.nameOf(*r.control), name) << r.name;
        }
    }
}

TEST(ControlTable, EveryControlSaysWhatItIsAndNoTwoAUserReachesAlike)
{
    QSet<QString> reachable;
    for (const QString& name : ControlTable::focusOrder()) {
        const ControlSpec* desc = ControlTable::find(name);
        ASSERT_TRUE(desc) << qPrintable(name);
        EXPECT_FALSE(reachable.contains(desc->role)) << qPrintable(name);
        reachable.insert(desc->role);
    }
    for (const ControlSpec& desc : ControlTable::controls())
        EXPECT_FALSE(desc.role.isEmpty()) << qPrintable(desc.name);
}

TEST(ControlTable, EveryButtonAndMenuItemHasAHandler)
{
    QList<ControlId> parents;
    for (const MenuSpec& m : ControlTable::menus())
        if (m.parent)
            parents << *m.parent;
    // A menu item, not a menu of items, runs something.
    for (const MenuSpec& m : ControlTable::menus())
        EXPECT_EQ(m.click.isEmpty(), parents.contains(m.id)) << qPrintable(m.name);
    for (const ControlSpec& desc : ControlTable::controls())
        if (desc.kind == ControlKind::Button) {
            EXPECT_FALSE(desc.click.isEmpty()) << "no handler: " << qPrintable(desc.name);
        }
}

TEST(ControlTable, TheStarButtonsAreTheOnesThatPickAQuantity)
{
    using Q = GearCalc::Quantity;
    for (Q quantity : {Q::Secondary, Q::Spur, Q::Pinion, Q::Total}) {
        Form form;
        FormProjection::select(form, quantity);
        int stars = 0;
        for (const ControlSpec& desc : ControlTable::controls()) {
            const Control* c = form.control(desc.id);
            if (!c)
                continue;
            if (c->text == GearCalc::Star) {
                EXPECT_TRUE(desc.picksQuantity) << qPrintable(desc.name);
                ++stars;
            } else if (desc.picksQuantity) {
                EXPECT_TRUE(c->text.isEmpty()) << qPrintable(desc.name);
            }
        }
        EXPECT_EQ(stars, 1) << int(quantity);
    }
}

TEST(ControlTable, AKeyPressesOneButtonAtMost)
{
    QHash<int, QString> pressed;
    for (const ControlSpec& desc : ControlTable::controls())
        for (int key : desc.keys) {
            EXPECT_EQ(desc.kind, ControlKind::Button) << qPrintable(desc.name);
            EXPECT_FALSE(pressed.contains(key))
                << qPrintable(desc.name) << " and " << qPrintable(pressed.value(key));
            pressed.insert(key, desc.name);
        }
}

// docs/ARCHITECTURE.md's "Every control" table lists the controls in the
// table's order with their role, Form alias and handler; the last column (where
// the work is done) is the document's own. On a difference, the rows as they
// should read are printed, to be pasted in.
TEST(ControlTable, TheArchitectureMapListsEveryControlAsTheTableHasIt)
{
    auto code = [](const QString& text) { return text.isEmpty() ? text : u'`' + text + u'`'; };

    QFile doc(QStringLiteral(ZELTAN_SOURCE_DIR "/docs/ARCHITECTURE.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly)) << qPrintable(doc.fileName());
    const QString text = QString::fromUtf8(doc.readAll());
    const qsizetype section = text.indexOf("\n## Every control\n");
    ASSERT_GE(section, 0);
    QList<QStringList> rows;
    for (const QString& line : text.mid(section).split(u'\n').mid(2)) {
        if (line.startsWith(u'|'))
            rows << line.split(u'|').mid(1, 5);
        else if (!rows.isEmpty())
            break;
    }
    ASSERT_GE(rows.size(), 2);
    rows.remove(0, 2); // the heading and its rule

    QStringList expected;
    bool same = rows.size() == ControlTable::controls().size();
    for (qsizetype i = 0; i < ControlTable::controls().size(); ++i) {
        const ControlSpec& desc = ControlTable::controls()[i];
        const QString alias = desc.alias.isEmpty() ? QString() : desc.alias + QStringLiteral("()");
        const QStringList cells{code(desc.name), desc.role, code(alias),
                                desc.click.isEmpty() ? QStringLiteral("—") : code(desc.click)};
        const QStringList row = rows.value(i);
        for (qsizetype c = 0; c < cells.size(); ++c)
            same = same && row.value(c).trimmed() == cells[c];
        expected << QStringLiteral("| %1 | %2 |").arg(cells.join(" | "), row.value(4).trimmed());
    }
    EXPECT_TRUE(same) << "the rows should read:\n" << qPrintable(expected.join(u'\n'));
}

} // namespace
