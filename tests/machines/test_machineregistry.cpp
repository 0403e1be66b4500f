#include "machines/machineregistry.h"
#include "support/appfixture.h"

namespace {

class Machines : public AppFixture
{
protected:
    void SetUp() override
    {
        dir.write("module.dat",
                  {"XXモジュール,60,90,1,70,15,45,1,20", "48P,60,90,1,75,15,45,1,20"});
    }
    // The panel as the transfer buttons would fill it.
    void panel(const QString& name,
               const QStringList& v = {"48P", "2.6", "80", "15", "1", "20", "15", "1"})
    {
        f.Text1.text = name;
        f.Label34.text = v[0];
        f.Label20.text = v[1];
        f.Label23.text = v[2];
        f.Label24.text = v[3];
        f.Label31.text = v[4];
        f.Label26.text = v[5];
        f.Label27.text = v[6];
        f.Label32.text = v[7];
    }
    void select(const QString& name)
    {
        f.List1.listIndex = int(f.List1.items.indexOf(name));
        press(ControlId::List1);
    }
};

TEST_F(Machines, RegisteringWritesTheRecordFirstAndEmptiesThePanel)
{
    dir.write("masin.dat", {"B,48P,2.5,70,15,20,15,1,1", "Car A,48P,1,1,1,1,1,1,1",
                            "C,48P,2.5,70,15,20,15,1,1"});
    panel("Car A");
    press(ControlId::Command22);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(dir.bytes("masin.dat"),
              cp932({"Car A,48P,2.6,80,15,20,15,1,1", "B,48P,2.5,70,15,20,15,1,1",
                     "C,48P,2.5,70,15,20,15,1,1"}));
    EXPECT_EQ(dir.bytes("mawork.dat"), dir.bytes("masin.dat"));
    EXPECT_EQ(f.List1.items, (QStringList{"Car A", "B", "C"}));
    EXPECT_EQ(f.List1.listIndex, -1);
    EXPECT_EQ(f.Text1.text, "");
    EXPECT_EQ(f.Label20.text, "0");
    for (const Control* c :
         {&f.Label23, &f.Label24, &f.Label26, &f.Label27, &f.Label31, &f.Label32, &f.Label34})
        EXPECT_EQ(c->text, "");

    panel("Car A");
    press(ControlId::Command22);
    EXPECT_EQ(f.List1.items, (QStringList{"Car A", "B", "C"})); // one record per name
}

TEST_F(Machines, RegisterValidationsInTheirOrder)
{
    const struct
    {
        const char* name;
        const char* machine;
        QStringList values; // module, secondary, spur start/width/step, pinion start/width/step
        const char* message;
    } cases[] = {
        {"no name", "", {"", "0", "", "", "", "", "", ""}, "マシン名を入力して下さい"},
        {"secondary 0", "X", {"", "0", "", "", "", "", "", ""}, "２次減速比が設定されていません"},
        {"no spur range", "X", {"", "", "", "", "", "", "", ""}, "スパー範囲が設定されていません"},
        {"width 0", "X", {"", "2.6", "80", "0", "1", "", "", ""}, "スパー範囲が設定されていません"},
        {"pinion step 0",
         "X",
         {"", "2.6", "80", "15", "1", "20", "15", "0"},
         "ピニオン範囲が設定されていません"},
        {"no module",
         "X",
         {"", "2.6", "80", "15", "1", "20", "15", "1"},
         "モジュールが設定されていません"},
        {"quote in the name",
         "a\"b",
         {"48P", "2.6", "80", "15", "1", "20", "15", "1"},
         "マシン名に「\"」は使えません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList& v = c.values;
        const MachineRegistry::MachineRecord car{
            QString::fromUtf8(c.machine), v[0], v[1], v[2], v[3], v[5], v[6], v[4], v[7]};
        const auto stored = MachineRegistry::add(app.files(), car);
        ASSERT_FALSE(stored);
        EXPECT_EQ(stored.error(), QString::fromUtf8(c.message));
        EXPECT_FALSE(dir.exists("masin.dat"));
    }
}

TEST_F(Machines, ARefusedRegistrationIsToldAndKeepsThePanel)
{
    panel("a\"b");
    press(ControlId::Command22);
    EXPECT_EQ(host.messages, QStringList{"マシン名に「\"」は使えません"});
    EXPECT_FALSE(dir.exists("masin.dat"));
    EXPECT_EQ(f.Text1.text, "a\"b");
    EXPECT_EQ(f.Label20.text, "2.6");
    EXPECT_EQ(f.Label34.text, "48P");
}

TEST_F(Machines, DeletingRemovesEveryRecordOfTheNameAndPartOfThePanel)
{
    dir.write("masin.dat", {"A,48P,2.5,70,15,20,15,1,1", "B,48P,2.5,70,15,20,15,1,1",
                            "A,48P,3,70,15,20,15,1,1"});
    press(ControlId::Command27);
    EXPECT_EQ(host.messages, QStringList{"マシン名を選択して下さい"});

    f.List1.items = {"A", "B"};
    f.List1.listIndex = 0;
    panel("x");
    press(ControlId::Command27);
    EXPECT_EQ(dir.bytes("masin.dat"), cp932({"B,48P,2.5,70,15,20,15,1,1"}));
    EXPECT_EQ(f.List1.items, QStringList{"B"});
    EXPECT_EQ(f.List1.listIndex, -1);
    EXPECT_EQ(f.Text1.text, "");
    EXPECT_EQ(f.Label20.text, "0");
    EXPECT_EQ(f.Label23.text, "");
    EXPECT_EQ(f.Label31.text, "1");
    EXPECT_EQ(f.Label32.text, "1");
    EXPECT_EQ(f.Label34.text, "48P");
}

TEST_F(Machines, NamesWithCommasAndBlanksReadBackExactly)
{
    panel(" Car, 2 ");
    press(ControlId::Command22);
    EXPECT_EQ(dir.lines("masin.dat").first(), "\" Car, 2 \",48P,2.6,80,15,20,15,1,1");
    press(ControlId::Command27); // nothing selected yet
    select(" Car, 2 ");
    EXPECT_EQ(f.Label13.text, " Car, 2 ");
    EXPECT_EQ(f.Label6.text, "2.6");
}

TEST_F(Machines, SelectingRestoresTheSettingsAndRunsTheSurveyAt5_5)
{
    dir.write("masin.dat", {"Car A,48P,2.6,80,10,20,15,1,1"});
    press(ControlId::Command22); // fills nothing: validation message
    host.messages.clear();
    f.List1.items = {"Car A"};
    f.Label5.text = "before";
    press(ControlId::Command19);
    select("Car A");
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(f.Label13.text, "Car A");
    EXPECT_EQ(f.Combo7.text, "48P");
    EXPECT_EQ(f.Combo1.text, "80");
    EXPECT_EQ(f.Combo1.items.first(), "60");
    EXPECT_EQ(f.Combo1.items.last(), "90");
    EXPECT_EQ(f.Combo2.text, "10");
    EXPECT_EQ(f.Combo2.items.size(), 30);
    EXPECT_EQ(f.Label6.text, "2.6");
    EXPECT_EQ(f.Command21.text, "★");
    EXPECT_EQ(f.Label12.text, "48P 指定減速比 5.5");
    // The best pair for 5.5 within spurs 80…90 and pinions 20…35 at 2.6.
    double best = 10;
    int spur = 0, pinion = 0;
    for (int p = 20; p <= 35; ++p)
        for (int s = 80; s <= 90; ++s)
            if (std::abs(5.5 - s * 2.6 / p) < best) {
                best = std::abs(5.5 - s * 2.6 / p);
                spur = s;
                pinion = p;
            }
    EXPECT_EQ(f.Label7.text, QString::number(spur));
    EXPECT_EQ(f.Label8.text, QString::number(pinion));
    EXPECT_EQ(f.Label5.text, "before"); // the range labels are not refreshed
    EXPECT_EQ(dir.lines("GIA.DAT").value(0), "Car A");
    EXPECT_EQ(dir.lines("GIA.DAT").value(7), "10");
    EXPECT_EQ(f.List1.listIndex, 0);
}

TEST_F(Machines, TheLastOfDuplicateRecordsStandsAndAMissingModuleIsReported)
{
    dir.write("masin.dat", {"D,48P,2.5,70,15,20,15,1,1", "D,Gone,3.0,75,5,22,5,1,1"});
    f.List1.items = {"D", "D"};
    select("D");
    EXPECT_EQ(host.messages, QStringList{"システム中に設定されたモジュールが存在しません"});
    EXPECT_EQ(f.Combo7.text, "Gone");
    EXPECT_EQ(f.Label6.text, "3.0");
    EXPECT_EQ(f.Combo1.text, "75");
    EXPECT_TRUE(f.Combo1.items.isEmpty());
    EXPECT_EQ(f.Label12.text, "Gone 指定減速比 5.5");
}

TEST_F(Machines, TransferButtonsCopyTheirGroups)
{
    f.Label13.text = "T";
    f.Label6.text = "2.6";
    ranges("80", "15", "20", "10", "2", "1");
    f.Combo7.text = "48P";
    const struct
    {
        const char* name;
        const char* button;
        QStringList filled;
    } cases[] = {
        {"secondary", "Command24", {"Label20"}},
        {"spur range", "Command25", {"Label23", "Label24", "Label31"}},
        {"pinion range", "Command26", {"Label26", "Label27", "Label32"}},
        {"module", "Command28", {"Label34"}},
        {"everything",
         "Command23",
         {"Text1", "Label20", "Label23", "Label24", "Label26", "Label27", "Label31", "Label32",
          "Label34"}},
    };
    const QHash<QString, QString> expected = {
        {"Text1", "T"},    {"Label20", "2.6"}, {"Label23", "80"},
        {"Label24", "15"}, {"Label26", "20"},  {"Label27", "10"},
        {"Label31", "2"},  {"Label32", "1"},   {"Label34", "48P"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& name : expected.keys())
            f.control(name)->text = "-";
        press(c.button);
        for (const QString& name : expected.keys())
            EXPECT_EQ(f.control(name)->text, c.filled.contains(name) ? expected[name] : "-")
                << c.button << " " << name.toStdString();
    }
    panel("Car A");
    press(ControlId::Command22);
    f.Label13.text.clear();
    press(ControlId::Command23);
    press(ControlId::Command22);
    EXPECT_EQ(host.messages.last(), "マシン名を入力して下さい");
}

TEST_F(Machines, AFailedRewriteKeepsTheFileAndTheList)
{
    dir.write("masin.dat", {"B,48P,2.5,70,15,20,15,1,1"});
    f.List1.items = {"B"};
    panel("New");
    TextFile::setFaultHook([](const char* step) { return qstrcmp(step, "work-write") != 0; });
    press(ControlId::Command22);
    TextFile::setFaultHook(nullptr);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains("mawork.dat"));
    EXPECT_EQ(dir.bytes("masin.dat"), cp932({"B,48P,2.5,70,15,20,15,1,1"}));
    EXPECT_EQ(f.List1.items, QStringList{"B"});
    EXPECT_EQ(f.Text1.text, "New");
}

} // namespace
