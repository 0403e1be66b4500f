#include "app/formprojection.h"
#include "common/colour.h"
#include "support/appfixture.h"

namespace {

// The window's rules of what counts as set, decided before calc/ sees a value.
TEST(FormProjection, DecidesWhatCountsAsSet)
{
    const struct
    {
        const char* name;
        const char* text;
        bool set;
    } inputs[] = {{"empty", "", false},
                  {"zero", "0", false},
                  {"zero with decimals", "0.0", true},
                  {"text", "abc", true},
                  {"number", "2.5", true}};
    for (const auto& c : inputs) {
        Control caption;
        caption.text = QString::fromUtf8(c.text);
        const InputText input = FormProjection::input(caption);
        EXPECT_EQ(input.set, c.set) << c.name;
        EXPECT_EQ(input.text, caption.text) << c.name;
    }

    const struct
    {
        const char* name;
        const char* text;
        bool set;
    } selectors[] = {{"empty", "", false},
                     {"its own name", "Combo1", false},
                     {"another's name", "Combo2", true},
                     {"zero", "0", true},
                     {"count", "70", true}};
    Form form;
    for (const auto& c : selectors) {
        form.Combo1.text = QString::fromUtf8(c.text);
        const InputText selector = FormProjection::selector(form, form.Combo1);
        EXPECT_EQ(selector.set, c.set) << c.name;
        EXPECT_EQ(selector.text, form.Combo1.text) << c.name;
    }
}

class GearCalcWindow : public AppFixture
{
};

TEST_F(GearCalcWindow, AKeypadEntryIsTakenThenTheStarredQuantityCalculated)
{
    const struct
    {
        const char* name;
        const char* selector; // the starred quantity
        const char* setButton;
        const char* entry;
        QStringList before; // secondary, spur, pinion, total
        QStringList after;
        const char* status;
    } cases[] = {
        // With the star on the total, 80 typed into the spur row.
        {"spur typed with the total starred",
         "Command21",
         "Command2",
         "80",
         {"2.5", "70", "25", ""},
         {"2.5", "80", "25", "8.00000"},
         "減速比計算終了"},
        // The keypad entry is rounded to a whole count, halves to even.
        {"keypad half down to even",
         "Command21",
         "Command2",
         "22.5",
         {"1", "", "11", ""},
         {"1", "22", "11", "2.00000"},
         "減速比計算終了"},
        {"keypad half up to even",
         "Command21",
         "Command2",
         "23.5",
         {"1", "", "12", ""},
         {"1", "24", "12", "2.00000"},
         "減速比計算終了"},
        // An entry typed into the starred quantity is overwritten by its result.
        {"an entry into the starred total",
         "Command21",
         "Command4",
         "9",
         {"2.5", "70", "22", "8"},
         {"2.5", "70", "22", "7.95455"},
         "減速比計算終了"},
        {"the other count follows",
         "Command19",
         "Command2",
         "0",
         {"2.5", "", "22", "8.0"},
         {"2.5", "70", "22", "7.95455"},
         "スパー計算終了 ピニオンも変更"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.selector);
        quantities(c.before[0], c.before[1], c.before[2], c.before[3]);
        f.Label11.text = c.entry;
        press(c.setButton);
        EXPECT_EQ(QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text}),
                  c.after);
        EXPECT_EQ(f.Label12.text, QString::fromUtf8(c.status)) << c.selector;
        EXPECT_EQ(f.Label11.text, "0");
        EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
    }
}

TEST_F(GearCalcWindow, SelectorsMoveTheStarAndAnnounce)
{
    const struct
    {
        const char* name;
        const char* button;
        const char* announcement;
    } cases[] = {
        {"secondary", "Command18", "2次減速比を計算表示します"},
        {"spur", "Command19", "ｽﾊﾟｰｷﾞｱ歯数を計算表示します"},
        {"pinion", "Command20", "ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します"},
        {"total", "Command21", "減速比を計算表示します"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.button);
        EXPECT_EQ(f.Label12.text, QString::fromUtf8(c.announcement));
        int stars = 0;
        for (const Control* s : {&f.Command18, &f.Command19, &f.Command20, &f.Command21})
            stars += s->text == "★";
        EXPECT_EQ(stars, 1);
        EXPECT_EQ(f.control(QString::fromLatin1(c.button))->text, "★");
    }
}

TEST_F(GearCalcWindow, ARefusedCalculationClearsTheStatusAndChangesNothing)
{
    const struct
    {
        const char* name;
        const char* selector;
        QStringList before;
        const char* entry;
        const char* setButton;
        const char* messagePart;
    } cases[] = {
        {"pinion 0 is not set",
         "Command18",
         {"", "70", "0", ""},
         "0",
         "Command4",
         "ピニオンが設定されていません"},
        {"pinion 0.0 is set",
         "Command21",
         {"2.5", "70", "0.0", ""},
         "0",
         "Command4",
         "ピニオンギア歯数が0"},
        // A keypad entry too large for a tooth count stays on the keypad.
        {"huge entry", "Command21", {"2.5", "70", "22", ""}, "40000", "Command2", "入力「40000」"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        press(c.selector);
        quantities(c.before[0], c.before[1], c.before[2], c.before[3]);
        f.Label11.text = c.entry;
        host.messages.clear();
        press(c.setButton);
        ASSERT_EQ(host.messages.size(), 1) << c.messagePart;
        EXPECT_TRUE(host.messages[0].contains(QString::fromUtf8(c.messagePart)))
            << host.messages[0].toStdString();
        EXPECT_EQ(QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text}),
                  c.before);
        EXPECT_EQ(f.Label11.text, QString::fromLatin1(c.entry));
        if (QByteArray(c.entry) == "0") {
            EXPECT_EQ(f.Label12.text, "");
        }
    }
}

TEST_F(GearCalcWindow, EverySetPressSavesTwelveLinesEvenAfterAMessage)
{
    f.Label13.text = "Car, A";
    quantities("2.5", "70", "22", "");
    ranges("70", "15", "20", "15");
    f.Combo7.text = " 48P";
    press(ControlId::Command4);
    EXPECT_EQ(dir.bytes("GIA.DAT"), cp932({"\"Car, A\"", "2.5", "70", "22", "7.95455", "\" 48P\"",
                                           "70", "15", "20", "15", "1", "1"}));

    f.Label6.text.clear();
    press(ControlId::Command4);
    EXPECT_EQ(host.messages.last(), "２次減速比が設定されていません");
    EXPECT_EQ(dir.lines("GIA.DAT").size(), 12);
    EXPECT_EQ(dir.lines("GIA.DAT")[1], "");
}

class SurveyWindow : public AppFixture
{
};

TEST_F(SurveyWindow, TheKeypadsWantedRatioIsSurveyedAndTheBestTaken)
{
    press(ControlId::Command19); // the star moves back to the total
    exampleRanges("ABC");
    quantities("2.5", "0", "0", "0");
    f.Label11.text = "8";
    press(ControlId::Command5);
    EXPECT_EQ(f.Label7.text, "80");
    EXPECT_EQ(f.Label8.text, "25");
    EXPECT_EQ(f.Label9.text, "8.00000");
    EXPECT_EQ(f.Label12.text, "ABC 指定減速比 8");
    EXPECT_EQ(f.Label11.text, "0");
    EXPECT_EQ(f.Command21.text, "★");
    EXPECT_EQ(f.Command19.text, "");
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(f.MSFlexGrid1.cell(6, 11).colour, Colour::LightBlue);
    EXPECT_TRUE(f.MSFlexGrid1.isVisible());
    EXPECT_EQ(host.busyDepth, 0);
    EXPECT_GE(host.busyCalls, 1);

    // Nothing within 10.0: the inputs stay as they were.
    ranges("70", "2", "20", "2");
    quantities("2.5", "80", "25", "30");
    press(ControlId::Command5);
    EXPECT_EQ(QStringList({f.Label7.text, f.Label8.text, f.Label9.text}),
              QStringList({"80", "25", "30"}));
    EXPECT_EQ(f.Label12.text, "ABC 指定減速比 30 該当なし");
}

TEST_F(SurveyWindow, ARefusedSurveyChangesNothingButIsSaved)
{
    const struct
    {
        const char* name;
        QStringList selectors; // spur start, width, pinion start, width, spur step, pinion step
        const char* wanted;
        const char* messagePart;
    } cases[] = {
        // An unset selector is read as it shows.
        {"unset", {"Combo1", "15", "20", "15", "1", "1"}, "8", "スパー範囲の開始「Combo1」"},
        {"no wanted", {"70", "15", "20", "15", "1", "1"}, "", "減速比が設定されていません"},
    };
    exampleRanges("ABC");
    quantities("2.5", "0", "0", "8");
    press(ControlId::Command5);
    const FlexGrid before = f.MSFlexGrid1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList& s = c.selectors;
        ranges(s[0], s[1], s[2], s[3], s[4], s[5]);
        press(ControlId::Command20);
        quantities("2.5", "80", "25", c.wanted);
        host.messages.clear();
        press(ControlId::Command5);
        ASSERT_EQ(host.messages.size(), 1) << c.messagePart;
        EXPECT_TRUE(host.messages[0].contains(QString::fromUtf8(c.messagePart)))
            << host.messages[0].toStdString();
        EXPECT_EQ(f.Command20.text, "★");
        EXPECT_EQ(f.Label9.text, QString::fromUtf8(c.wanted));
        EXPECT_EQ(f.MSFlexGrid1.cell(6, 11).colour, before.cell(6, 11).colour);
        EXPECT_EQ(f.MSFlexGrid1.cell(1, 1).text, before.cell(1, 1).text);
        EXPECT_EQ(dir.lines("GIA.DAT").value(4), QString::fromUtf8(c.wanted)); // still saved
    }
}

class RangeWindow : public AppFixture
{
protected:
    void rebuild()
    {
        f.Text2.text.clear(); // no module is stored, only the grid rebuilt
        press(ControlId::Command29);
    }
};

TEST_F(RangeWindow, AnUnsetSelectorLeavesTheGridAsItWas)
{
    ranges("80", "2", "20", "1");
    f.Label6.text = "2.5";
    rebuild();
    EXPECT_EQ(host.busyDepth, 0);
    const QString before = f.MSFlexGrid1.cell(1, 1).text;
    for (int i = 1; i <= 6; ++i) {
        Control* combo = f.control(QStringLiteral("Combo%1").arg(i));
        const QString saved = combo->text;
        for (const QString& unset : {QStringLiteral("Combo%1").arg(i), QString()}) {
            combo->text = unset;
            f.Label6.text = "5";
            rebuild();
            EXPECT_EQ(f.MSFlexGrid1.cell(1, 1).text, before) << i;
            EXPECT_TRUE(host.messages.isEmpty());
        }
        combo->text = saved;
    }
}

TEST_F(RangeWindow, UnsetSelectorsLeaveTheRangeCaptionsAsTheyWere)
{
    const struct
    {
        const char* name;
        QStringList selectors;
        const char* spur;
        const char* pinion;
    } cases[] = {
        {"text", {"abc", "15", "20", "10"}, "スパー範囲 ( abc～? )", "ピニオン範囲 ( 20～30 )"},
        {"unset", {"71", "Combo2", "20", "10"}, "スパー範囲 ( abc～? )", "ピニオン範囲 ( 20～30 )"},
        {"empty", {"71", "15", "20", ""}, "スパー範囲 ( abc～? )", "ピニオン範囲 ( 20～30 )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ranges(c.selectors[0], c.selectors[1], c.selectors[2], c.selectors[3]);
        press(ControlId::Combo1);
        EXPECT_EQ(f.Label5.text, QString::fromUtf8(c.spur));
        EXPECT_EQ(f.Label10.text, QString::fromUtf8(c.pinion));
    }
    EXPECT_FALSE(app.raise(ControlId::Combo5)); // the intervals have no handler
}

} // namespace
