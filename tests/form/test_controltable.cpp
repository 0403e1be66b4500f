#include "app/formprojection.h"
#include "app/giadsp.h"
#include "calc/gearcalc.h"
#include "form/controltable.h"
#include "form/form.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> formNames()
{
    QSet<QString> names{QStringLiteral("MSFlexGrid1")};
#define ZELTAN_NAME(name) names.insert(QStringLiteral(#name));
    ZELTAN_CONTROLS(ZELTAN_NAME)
#undef ZELTAN_NAME
    return names;
}

TEST(ControlTable, EveryControlOfTheWindowHasOnePlace)
{
    // Every named control of the Form is in the table once, and nothing else is;
    // everything but a label is reached by Tab, once.
    QSet<QString> seen, focusable;
    for (const ControlSpec& desc : ControlTable::controls()) {
        EXPECT_FALSE(seen.contains(desc.name)) << qPrintable(desc.name);
        seen << desc.name;
        if (desc.kind != ControlKind::Label)
            focusable << desc.name;
        EXPECT_LE(desc.left + desc.width, ControlTable::ClientWidth) << qPrintable(desc.name);
        EXPECT_LE(desc.top + desc.height, ControlTable::ClientHeight) << qPrintable(desc.name);
    }
    EXPECT_EQ(seen, formNames());
    const QStringList& order = ControlTable::focusOrder();
    EXPECT_EQ(QSet<QString>(order.begin(), order.end()), focusable);
    EXPECT_EQ(order.size(), focusable.size());
    EXPECT_EQ(ControlTable::find("Label13")->face, "ＭＳ 明朝");
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

TEST(ControlTable, EveryButtonAndMenuItemHasAHandlerAndEveryHandlerAControl)
{
    // What the table says a click runs is what Giadsp runs for that name.
    const ClickTable<Giadsp>& clicks = Giadsp::clicks();
    QSet<QString> named, parents;
    for (const MenuSpec& m : ControlTable::menus())
        parents.insert(m.parent);
    for (const MenuSpec& m : ControlTable::menus()) {
        named.insert(m.name);
        EXPECT_EQ(m.click.toStdString(), clicks.handlerOf(m.name).toStdString());
        // A menu item, not a menu of items, runs something.
        EXPECT_EQ(m.click.isEmpty(), parents.contains(m.name)) << qPrintable(m.name);
    }
    for (const ControlSpec& desc : ControlTable::controls()) {
        named.insert(desc.name);
        EXPECT_EQ(desc.click.toStdString(), clicks.handlerOf(desc.name).toStdString())
            << qPrintable(desc.name);
        if (desc.kind == ControlKind::Button) {
            EXPECT_FALSE(desc.click.isEmpty()) << "no handler: " << qPrintable(desc.name);
        }
    }
    for (const QString& name : clicks.names())
        EXPECT_TRUE(named.contains(name)) << "handler without a control: " << qPrintable(name);
}

TEST(ControlTable, TheStarButtonsAreTheOnesThatPickAQuantity)
{
    using Q = GearCalc::Quantity;
    for (Q quantity : {Q::Secondary, Q::Spur, Q::Pinion, Q::Total}) {
        Form form;
        FormProjection::select(form, quantity);
        int stars = 0;
        for (const ControlSpec& desc : ControlTable::controls()) {
            const Control* c = form.control(desc.name);
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
    QHash<QString, QString> aliases;
#define ZELTAN_ALIAS(alias, name)                                                                  \
    aliases.insert(QStringLiteral(#name), QStringLiteral(#alias "()"));
    ZELTAN_ALIASES(ZELTAN_ALIAS)
#undef ZELTAN_ALIAS
    auto code = [](const QString& text) { return text.isEmpty() ? text : u'`' + text + u'`'; };

    QFile doc(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../docs/ARCHITECTURE.md"));
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
        const QStringList cells{code(desc.name), desc.role, code(aliases.value(desc.name)),
                                desc.click.isEmpty() ? QStringLiteral("—") : code(desc.click)};
        const QStringList row = rows.value(i);
        for (qsizetype c = 0; c < cells.size(); ++c)
            same = same && row.value(c).trimmed() == cells[c];
        expected << QStringLiteral("| %1 | %2 |").arg(cells.join(" | "), row.value(4).trimmed());
    }
    EXPECT_TRUE(same) << "the rows should read:\n" << qPrintable(expected.join(u'\n'));
}

} // namespace
