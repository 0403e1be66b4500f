#include "app/giadsp.h"
#include "form/controltable.h"
#include "form/form.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(ControlTable, EveryControlOfTheWindowHasOnePlace)
{
    // Every named control of the Form is in the table once, and nothing else is.
    Form form;
    QStringList seen;
    for (const ControlSpec& desc : ControlTable::controls()) {
        EXPECT_FALSE(seen.contains(desc.name)) << qPrintable(desc.name);
        seen << desc.name;
        EXPECT_TRUE(desc.name == "MSFlexGrid1" || form.control(desc.name)) << qPrintable(desc.name);
        EXPECT_LE(desc.left + desc.width, ControlTable::ClientWidth) << qPrintable(desc.name);
        EXPECT_LE(desc.top + desc.height, ControlTable::ClientHeight) << qPrintable(desc.name);
    }
    EXPECT_EQ(seen.size(), 35 + 30 + 7 + 2 + 2 + 1 + 1);
    EXPECT_EQ(ControlTable::focusOrder().size(), 30 + 7 + 2 + 2 + 1 + 1);
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
    QSet<QString> clickable;
    for (const ControlSpec& desc : ControlTable::controls())
        if (desc.kind == ControlKind::Button)
            clickable.insert(desc.name);
    QSet<QString> menuNames, parents;
    for (const MenuSpec& m : ControlTable::menus()) {
        menuNames.insert(m.name);
        parents.insert(m.parent);
    }
    for (const QString& name : menuNames)
        if (!parents.contains(name))
            clickable.insert(name); // a menu item, not a menu of items
    const QStringList names = Giadsp::handlerNames();
    const QSet<QString> handled(names.begin(), names.end());
    for (const QString& name : clickable)
        EXPECT_TRUE(handled.contains(name)) << "no handler: " << qPrintable(name);
    for (const QString& name : handled)
        EXPECT_TRUE(ControlTable::find(name) || menuNames.contains(name))
            << "handler without a control: " << qPrintable(name);
}

} // namespace
