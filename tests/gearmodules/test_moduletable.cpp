#include "gearmodules/moduletable.h"
#include "support/appfixture.h"

namespace {

class Modules : public AppFixture
{
protected:
    void SetUp() override
    {
        dir.write("module.dat", {"XXモジュール,60,90,1,70,15,45,1,20", "48P,60,90,1,75,15,45,1,20",
                                 "64P,90,120,2,100,20,50,1,30"});
        f.Label6.text = "2.5";
    }
    void pick(const QString& module)
    {
        f.Combo7.text = module;
        press(ControlId::Combo7);
    }
    // Creation mode with a typed name and the selectors as given.
    void create(const QString& name, const QString& spurStart, const QString& pinionStart,
                const QString& spurStep = "1", const QString& pinionStep = "1")
    {
        pick("XXモジュール");
        f.Text2.text = name;
        f.Combo1.text = spurStart;
        f.Combo3.text = pinionStart;
        f.Combo5.text = spurStep;
        f.Combo6.text = pinionStep;
        press(ControlId::Command29);
    }
};

TEST_F(Modules, PickingAModuleLoadsItsListsAndStarts)
{
    pick("64P");
    EXPECT_EQ(f.Combo1.items.size(), 31);
    EXPECT_EQ(f.Combo1.items.first(), "90");
    EXPECT_EQ(f.Combo1.items.last(), "120");
    EXPECT_EQ(f.Combo1.text, "100");
    EXPECT_EQ(f.Combo2.items.size(), 30);
    EXPECT_EQ(f.Combo2.items.first(), "1");
    EXPECT_EQ(f.Combo2.text, "15");
    EXPECT_EQ(f.Combo3.items.first(), "20");
    EXPECT_EQ(f.Combo3.text, "30");
    EXPECT_EQ(f.Combo4.text, "15");
    EXPECT_EQ(f.Combo5.text, "2");
    EXPECT_EQ(f.Combo6.text, "1");
    EXPECT_EQ(f.Label5.text, "スパー範囲 ( 100～115 )");
    EXPECT_EQ(f.Label10.text, "ピニオン範囲 ( 30～45 )");
    EXPECT_FALSE(f.Label35.visible);
    EXPECT_FALSE(f.Text2.visible);
}

TEST_F(Modules, TheTemplateEntersCreationMode)
{
    f.Text2.text = "typed";
    pick("XXモジュール");
    EXPECT_TRUE(f.Label35.visible);
    EXPECT_TRUE(f.Text2.visible);
    EXPECT_EQ(f.Text2.text, "??モジュール");
    f.Text2.text = "kept";
    pick("48P");
    EXPECT_FALSE(f.Text2.visible);
    EXPECT_EQ(f.Text2.text, "kept");
}

TEST_F(Modules, OddRecordsStillGiveAtLeastOneItem)
{
    dir.write("module.dat", {"", "Z,95,90,1,95,30,20,1,30", "Z,60,90,1,60,15,45,1,20", "Short,50"});
    const auto z = ModuleTable::rangesOf(app.files(), "Z"); // the first of two records of that name
    ASSERT_TRUE(z) << z.error().toStdString();
    EXPECT_EQ(z->spurStart.items, QStringList{"95"});
    EXPECT_EQ(z->pinionStart.items, QStringList{"30"});
    const auto shortOne = ModuleTable::rangesOf(app.files(), "Short");
    ASSERT_TRUE(shortOne) << shortOne.error().toStdString();
    EXPECT_EQ(shortOne->spurStart.items, QStringList{"50"});
    EXPECT_EQ(shortOne->spurStart.text, "");
}

TEST_F(Modules, AMissingModuleIsReportedAndEmptiesTheRangeSelectors)
{
    ranges("70", "15", "20", "15", "3", "2");
    pick("Gone");
    EXPECT_EQ(host.messages, QStringList{"システム中に設定されたモジュールが存在しません"});
    for (const Control* c : {&f.Combo1, &f.Combo2, &f.Combo3, &f.Combo4}) {
        EXPECT_TRUE(c->items.isEmpty());
        EXPECT_EQ(c->text, "");
    }
    EXPECT_EQ(f.Combo5.text, "3");
    EXPECT_EQ(f.Combo6.text, "2");
}

TEST_F(Modules, CreatingAModuleWritesItFirstWithItsStarts)
{
    create("A", "70", "18", "2", "1");
    EXPECT_TRUE(host.questions.isEmpty());
    EXPECT_EQ(dir.bytes("module.dat"),
              cp932({"A,70,100,2,70,18,48,1,18", "XXモジュール,60,90,1,70,15,45,1,20",
                     "48P,60,90,1,75,15,45,1,20", "64P,90,120,2,100,20,50,1,30"}));
    EXPECT_EQ(dir.bytes("modulewk.dat"), dir.bytes("module.dat"));
    EXPECT_EQ(f.Combo7.items.first(), "A");
    EXPECT_EQ(f.Combo7.text, "A");
    EXPECT_EQ(f.Text2.text, "");
    EXPECT_FALSE(f.Text2.visible);
    EXPECT_FALSE(f.Label35.visible);

    pick("A");
    EXPECT_EQ(f.Combo1.items.first(), "70");
    EXPECT_EQ(f.Combo1.items.last(), "100");
    EXPECT_EQ(f.Combo1.text, "70"); // the start, not a width
    EXPECT_EQ(f.Combo3.items.last(), "48");
    EXPECT_EQ(f.Combo2.text, "15");
}

TEST_F(Modules, DuplicateNamesAnswerPaths)
{
    const struct
    {
        const char* name;
        QList<bool> answers;
        int questions;
        QStringList file;
        const char* selected;
    } cases[] = {
        {"overwrite",
         {true},
         1,
         {"48P,80,110,1,80,22,52,1,22", "XXモジュール,60,90,1,70,15,45,1,20",
          "64P,90,120,2,100,20,50,1,30"},
         "48P"},
        {"delete instead",
         {false, true},
         2,
         {"XXモジュール,60,90,1,70,15,45,1,20", "64P,90,120,2,100,20,50,1,30"},
         "XXモジュール"},
        {"neither", {false, false}, 2, {}, "XXモジュール"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const QByteArray before = dir.bytes("module.dat");
        host.questions.clear();
        host.answers = c.answers;
        create("48P", "80", "22");
        EXPECT_EQ(host.questions.size(), c.questions);
        EXPECT_EQ(host.questions.first(), "同じモジュールが有りますが、上書きしますか？");
        if (c.questions == 2) {
            EXPECT_EQ(host.questions[1], "同じモジュールが有りますが、削除しますか？");
        }
        EXPECT_EQ(dir.bytes("module.dat"), c.file.isEmpty() ? before : cp932(c.file));
        EXPECT_EQ(f.Combo7.text, QString::fromUtf8(c.selected));
        EXPECT_FALSE(f.Text2.visible);
        if (c.file.isEmpty()) {
            EXPECT_EQ(f.Text2.text, "48P"); // kept for a later rebuild
        } else {
            EXPECT_EQ(f.Combo7.items.contains("48P"), c.answers.first());
        }
    }
}

TEST_F(Modules, ARebuildUnderADuplicatedNameRemovesBoth)
{
    dir.write("module.dat",
              {"D,60,90,1,60,15,45,1,20", "E,60,90,1,60,15,45,1,20", "D,70,100,1,70,15,45,1,20"});
    host.answers = {true};
    create("D", "80", "20");
    EXPECT_EQ(dir.lines("module.dat"),
              (QStringList{"D,80,110,1,80,20,50,1,20", "E,60,90,1,60,15,45,1,20"}));
}

TEST_F(Modules, NamesAndStartsThatCannotBeStoredAreRefused)
{
    const struct
    {
        const char* name;
        const char* module;
        const char* spurStart;
        const char* messagePart;
    } cases[] = {
        {"quote in the name", "say \"x\"", "70", "モジュール名に「\"」"},
        {"decimal start", "N", "70.5", "スパー範囲の開始「70.5」は整数"},
        {"start too big", "N", "32740", "スパー範囲の開始「32740」が大きすぎます"},
        {"text start", "N", "abc", "スパー範囲の開始「abc」"},
        {"name outside CP932", "😀", "70", "「😀」はファイルに保存できない文字"},
        {"tab in the start", "N", "70\t", "スパー範囲の開始に改行やタブ"},
    };
    const QByteArray before = dir.bytes("module.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The selectors' checks refuse the plan; a name no file can hold
        // passes them and is refused by the write.
        const auto planned = ModuleTable::planStore(
            app.files(), {QString::fromUtf8(c.module), c.spurStart, "1", "20", "1"});
        const Result<ItemList> stored =
            planned ? ModuleTable::store(app.files(), *planned, ModuleTable::Store::Write)
                    : Result<ItemList>(planned.failure());
        ASSERT_FALSE(stored) << c.module;
        EXPECT_TRUE(stored.error().contains(QString::fromUtf8(c.messagePart)))
            << stored.error().toStdString();
        EXPECT_EQ(dir.bytes("module.dat"), before);
    }
}

TEST_F(Modules, ARefusedStartIsToldOnceAndKeepsTheName)
{
    create("N", "70.5", "20");
    EXPECT_EQ(host.messages, QStringList{"スパー範囲の開始「70.5」は整数で指定して下さい"});
    EXPECT_TRUE(host.questions.isEmpty());
    EXPECT_EQ(f.Text2.text, "N");
    EXPECT_TRUE(f.Text2.visible);
}

TEST_F(Modules, NamesWithCommasAndBlanksRoundTrip)
{
    create(" 0.5M, wide ", "70", "20");
    EXPECT_EQ(f.Combo7.items.first(), " 0.5M, wide ");
    pick(" 0.5M, wide ");
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(f.Combo1.text, "70");
}

TEST_F(Modules, TemplateNamesOnlyRebuildTheGrid)
{
    const QByteArray before = dir.bytes("module.dat");
    const struct
    {
        const char* name;
        const char* typed;
    } cases[] = {
        {"the template", "XXモジュール"}, {"the placeholder", "??モジュール"}, {"blank", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pick("48P");
        f.Text2.text = QString::fromUtf8(c.typed);
        f.Label6.text = "2.5";
        press(ControlId::Command29);
        EXPECT_EQ(dir.bytes("module.dat"), before);
        EXPECT_EQ(f.MSFlexGrid1.cell(1, 1).text, "9.375"); // 75 / 20 × 2.5
        EXPECT_TRUE(host.questions.isEmpty());
    }
}

TEST_F(Modules, AFailedWriteKeepsTheFileAndTheLists)
{
    TextFile::setFaultHook([](const char* step) { return qstrcmp(step, "data-sync") != 0; });
    create("A", "70", "18");
    TextFile::setFaultHook(nullptr);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains("module.dat"));
    EXPECT_EQ(dir.lines("module.dat").size(), 3);
    EXPECT_FALSE(f.Combo7.items.contains("A"));
    EXPECT_EQ(f.Text2.text, "A"); // still there to try again
}

} // namespace
