#pragma once

#include "app/giadsp.h"
#include "form/controltable.h"
#include "support/fakehost.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

// The machine panel filled so that 登録 stores a car of that name.
inline void fillMachinePanel(Form& f, const QString& name)
{
    f.Text1.text = name;
    f.Label34.text = "48P";
    for (Control* c :
         {&f.Label20, &f.Label23, &f.Label24, &f.Label26, &f.Label27, &f.Label31, &f.Label32})
        c->text = "1";
}

// The window model in a fresh folder with a scripted host.
class AppFixture : public ::testing::Test
{
protected:
    FakeHost host;
    TempFolder dir;
    Giadsp app{host, dir.path()};
    Form& f = app.form();

    // The four quantities at once: secondary, spur, pinion, total.
    void quantities(const QString& secondary, const QString& spur, const QString& pinion,
                    const QString& total)
    {
        f.Label6.text = secondary;
        f.Label7.text = spur;
        f.Label8.text = pinion;
        f.Label9.text = total;
    }
    // The six range selectors: spur start, width, pinion start, width, intervals.
    void ranges(const QString& spurStart, const QString& spurWidth, const QString& pinionStart,
                const QString& pinionWidth, const QString& spurStep = "1",
                const QString& pinionStep = "1")
    {
        f.Combo1.text = spurStart;
        f.Combo2.text = spurWidth;
        f.Combo3.text = pinionStart;
        f.Combo4.text = pinionWidth;
        f.Combo5.text = spurStep;
        f.Combo6.text = pinionStep;
    }
    // The worked survey's selectors: spurs 70…85 and pinions 20…35 of `module`.
    void exampleRanges(const QString& module)
    {
        ranges("70", "15", "20", "15");
        f.Combo7.text = module;
    }
    void press(ControlId id) { ASSERT_TRUE(app.raise(id)) << qPrintable(ControlTable::nameOf(id)); }
    // A control a test's rows name, found through the control table.
    void press(const char* name)
    {
        const std::optional<ControlId> id = ControlTable::idOf(QString::fromLatin1(name));
        ASSERT_TRUE(id) << name;
        press(*id);
    }
    QString cellText(int row, int col) const { return f.MSFlexGrid1.cell(row, col).text; }
};
