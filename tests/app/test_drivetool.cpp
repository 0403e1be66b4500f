#include "app/drivetool.h"
#include "common/colour.h"
#include "notebook/gearmessages.h"
#include "support/appfixture.h"

#include <algorithm>
#include <functional>
#include <ostream>

// Failures show texts, not UTF-16 code units.
void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace {

// The worked example: tyre 64 mm, KV 4000 × 7.4 V, 48P, 2.5 × 70/22, and the
// survey ranges spur 70…85, pinion 20…35.
class DriveToolTest : public AppFixture
{
protected:
    DriveTool tool{app, host};

    void SetUp() override
    {
        ASSERT_TRUE(app.files().seedShippedFiles());
        app.Form_Load();
        ranges("70", "15", "20", "15");
        f.Combo7.text = "48P";
        quantities("2.5", "70", "22", "7.95455");
        tool.fields.tyreDiameter = "64";
        tool.fields.kv = "4000";
        tool.fields.voltage = "7.4";
        tool.refresh();
        ASSERT_EQ(tool.status(), "");
    }
    // The value beside a row name in one of the sheet's tables.
    QString value(int table, const QString& row, int col = 1) const
    {
        for (const QStringList& r : tool.sheet().tables[table].rows)
            if (r.value(0) == row)
                return r.value(col);
        return "<no row " + row + ">";
    }
    void raise(const char* name) { ASSERT_TRUE(tool.raise(QString::fromLatin1(name))) << name; }
    int cellsOf(const FlexGrid& g, int colour) const
    {
        int n = 0;
        for (int r = 1; r < g.rows(); ++r)
            for (int c = 1; c < g.cols(); ++c)
                n += !g.cell(r, c).text.isEmpty() && g.cell(r, c).colour == colour;
        return n;
    }
};

TEST_F(DriveToolTest, WorkedFiguresOfTheMainWindowsSetup)
{
    struct Row
    {
        const char* name;
        QString combo7, spur, pinion, typedModule, figure, expected;
    } rows[] = {
        {"rollout", "48P", "70", "22", "", "ロールアウト", "25.28"},
        {"motor", "48P", "70", "22", "", "モーター回転数", "29600"},
        {"wheel", "48P", "70", "22", "", "タイヤ回転数", "3721"},
        {"speed", "48P", "70", "22", "", "最高速度（理論値・無負荷）", "44.9"},
        {"ratio", "48P", "70", "22", "", "減速比", "7.95455"},
        {"centre 48P", "48P", "80", "25", "", "中心距離", "27.78"},
        {"pitch circle", "48P", "70", "22", "", "スパー ピッチ円直径", "37.04"},
        {"module", "48P", "70", "22", "", "モジュール m", "0.52917"},
        {"typed module", "XXモジュール", "80", "20", "0.5", "中心距離", "25.00"},
        {"name wins", "0.5M", "80", "20", "9", "中心距離", "25.00"},
        {"no module", "XXモジュール", "80", "20", "", "中心距離", "―"},
    };
    for (const Row& r : rows) {
        f.Combo7.text = r.combo7;
        f.Label7.text = r.spur;
        f.Label8.text = r.pinion;
        tool.fields.moduleTyped = r.typedModule;
        tool.refresh();
        EXPECT_EQ(value(DriveTool::Current, r.figure), r.expected) << r.name;
    }
    f.Combo7.text = "48P";
    tool.refresh();
    EXPECT_EQ(tool.moduleNote(), "メイン画面のモジュール 48P：m 0.52917");
    EXPECT_EQ(tool.sheet().conditions,
              "タイヤ径 64 mm　モーターKV値 4000 rpm/V　バッテリー電圧 7.4 V　"
              "モーター回転数 ― rpm　モジュール 48P（m 0.52917）");
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(DriveToolTest, ToothStepsAndPitchEquivalents)
{
    QStringList steps;
    for (const QStringList& row : tool.sheet().tables[DriveTool::Steps].rows)
        steps << row.join(u' ');
    EXPECT_EQ(steps, QStringList({"ピニオン +1 70/23 7.60870 26.43 46.9 +4.5%",
                                  "ピニオン -1 70/21 8.33333 24.13 42.9 -4.5%",
                                  "スパー +1 71/22 8.06818 24.92 44.3 -1.4%",
                                  "スパー -1 69/22 7.84091 25.64 45.5 +1.4%"}));
    // module.dat as shipped: 64P has spurs 90…120 and pinions 20…50.
    EXPECT_EQ(tool.sheet().tables[DriveTool::Pitches].rows.value(0),
              QStringList({"64P", "0.39688", "105/33", "7.95455", "90/33", "24.41"}));
    EXPECT_EQ(tool.sheet().tables[DriveTool::Pitches].rows.size(), 6); // 48P is the current one
}

TEST_F(DriveToolTest, ProblemsShowInTheStatusLineAndAsMessagesOnButtons)
{
    struct Row
    {
        const char* name;
        std::function<void()> change;
        const char* handler;
        QString message;
    } rows[] = {
        {"blank tyre", [this] { tool.fields.tyreDiameter = ""; }, "takeReference",
         "タイヤ径が設定されていません"},
        {"text tyre", [this] { tool.fields.tyreDiameter = "abc"; }, "printSheet",
         "タイヤ径「abc」は数値ではありません"},
        {"zero pinion", [this] { f.Label8.text = "0"; }, "takeReference",
         "ピニオンギア歯数は0より大きい値を指定して下さい"},
        {"blank wanted", [] {}, "surveyRollout", "指定ロールアウトが設定されていません"},
        {"speed without motor", [this] { tool.fields.kv = tool.fields.voltage = ""; },
         "surveySpeed", "モーター回転数が設定されていません"},
    };
    for (const Row& r : rows) {
        SetUp();
        r.change();
        tool.refresh();
        const bool figuresFail =
            QString(r.handler) != "surveyRollout" && QString(r.handler) != "surveySpeed";
        EXPECT_EQ(tool.status(), figuresFail ? r.message : QString()) << r.name;
        EXPECT_TRUE(host.messages.isEmpty()) << r.name; // typing never pops up a box
        raise(r.handler);
        EXPECT_EQ(host.messages, QStringList{r.message}) << r.name;
        EXPECT_EQ(f.Label7.text, "70") << r.name; // the main window is left alone
        EXPECT_FALSE(dir.exists("drive.dat")) << r.name;
        EXPECT_TRUE(host.pages.isEmpty()) << r.name;
        host.messages.clear();
    }
}

TEST_F(DriveToolTest, WantedFiguresRunTheMainWindowsSurvey)
{
    struct Row
    {
        const char* handler;
        QString DriveTool::Fields::*field;
        QString wanted, status, spur, pinion;
    } rows[] = {
        {"surveyRollout", &DriveTool::Fields::wantedRollout, "25.28", "48P 指定減速比 7.95340",
         "70", "22"},
        {"surveySpeed", &DriveTool::Fields::wantedSpeed, "40", "48P 指定減速比 8.92715", "75",
         "21"},
        {"surveyWheelRpm", &DriveTool::Fields::wantedWheelRpm, "4000", "48P 指定減速比 7.40000",
         "74", "25"},
    };
    for (const Row& r : rows) {
        tool.fields.*r.field = r.wanted;
        f.Label11.text = "12."; // typed on the keypad, not yet sent
        raise(r.handler);
        EXPECT_TRUE(tool.ranMainHandler());
        EXPECT_EQ(f.Label12.text, r.status) << r.handler;
        EXPECT_EQ(f.Label7.text, r.spur) << r.handler;
        EXPECT_EQ(f.Label8.text, r.pinion) << r.handler;
        EXPECT_EQ(f.Label11.text, "12.") << r.handler; // the user's entry is kept
        // Saved as for a typed ratio.
        EXPECT_EQ(dir.lines("GIA.DAT").mid(2, 2), QStringList({r.spur, r.pinion})) << r.handler;
        // The rollout table shows the survey's marks: one best cell, a red band.
        const FlexGrid& g = tool.rollouts();
        EXPECT_EQ(cellsOf(g, Colour::LightBlue), 1) << r.handler;
        EXPECT_GT(cellsOf(g, Colour::Red), 0) << r.handler;
        EXPECT_EQ(g.cell(1, 1).text, "22.98"); // 70/20 × 2.5 on a 64 mm tyre
    }
    EXPECT_EQ(tool.surveyNote(), "指定タイヤ回転数 4000 → 減速比 7.40000 で指定減速比調査しました");
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(u'|').toStdString();
}

// Owned 70, 72, 75 and 20…23 on 2.5 and 64 mm (80.425 mm × p ÷ s): within
// 2.5 % of 25.28 mm lie 70/22 (25.28), 72/23 (25.69) and 75/23 (24.66) only;
// worn to 61 mm, 70/23 keeps 25.28 closest (25.19, −0.4 %).
TEST_F(DriveToolTest, OwnedGearsOnlyAndKeepingTheRollout)
{
    GearBox box(app, host);
    ASSERT_TRUE(box.open());
    ASSERT_TRUE(box.setGears("48P", "70, 72, 75", "20-23"));
    tool.ownedOnly = true;
    const QString status = f.Label12.text;
    struct
    {
        QString wanted;
        QStringList starts;
        QString note;
    } const rows[] = {
        {"25.28",
         {"ピニオン22/スパー70", "ピニオン23/スパー72", "ピニオン23/スパー75"},
         GearMessages::ownedFound("指定ロールアウト", "25.28", "25.28 mm", 3, "±2.5%")},
        {"30",
         {},
         GearMessages::ownedNoneInBand("指定ロールアウト", "30", "±2.5%",
                                       GearMessages::pair(23, 70, "7.6087", "26.43 mm", "-11.9"))},
    };
    for (const auto& r : rows) {
        tool.fields.wantedRollout = r.wanted;
        raise("surveyRollout");
        EXPECT_FALSE(tool.ranMainHandler());
        EXPECT_EQ(f.Label12.text, status); // the main window's survey did not run
        EXPECT_EQ(tool.ownedNote(), r.note);
        ASSERT_EQ(tool.ownedPairs().size(), r.starts.size());
        for (qsizetype i = 0; i < r.starts.size(); ++i)
            EXPECT_TRUE(tool.ownedPairs()[i].startsWith(r.starts[i]))
                << tool.ownedPairs()[i].toStdString();
    }
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(u'|').toStdString();

    raise("keepRollout");
    EXPECT_EQ(host.messages, QStringList{GearMessages::keepNoReference()});
    raise("takeReference");
    tool.fields.tyreDiameter = "61";
    raise("keepRollout");
    EXPECT_EQ(tool.ownedNote(), GearMessages::keepFound("25.28 mm", "61.00 mm"));
    ASSERT_FALSE(tool.ownedPairs().isEmpty());
    EXPECT_EQ(tool.ownedPairs()[0], GearMessages::keepPair(23, 70, "25.28 mm", "25.19 mm", "-0.4"));
    tool.setChosenRun("30.00", "2026/12/07 15:30"); // a run chosen in セッティング記録
    raise("keepRollout");
    EXPECT_EQ(tool.ownedNote(),
              GearMessages::keepFoundRun("30.00 mm", "2026/12/07 15:30", "61.00 mm"));
}

TEST_F(DriveToolTest, RolloutTableFollowsTheMainGridAndTheTyre)
{
    press(ControlId::Command29); // the grid of the ranges: spurs 70…85, pinions 20…35
    tool.refresh();
    const quint64 before = tool.rollouts().revision();
    tool.refresh(); // nothing changed: the same table
    EXPECT_EQ(tool.rollouts().revision(), before);
    tool.fields.tyreDiameter = "66";
    tool.refresh();
    EXPECT_GT(tool.rollouts().revision(), before);
    EXPECT_EQ(tool.rollouts().cell(0, 1).text, "70");
    EXPECT_EQ(tool.rollouts().cell(1, 1).text, "23.70");
    ranges("60", "199", "10", "199");
    press(ControlId::Command29);
    tool.refresh();
    EXPECT_EQ(tool.rollouts().rows(), 201);
    EXPECT_EQ(tool.rollouts().cell(200, 200).text, "66.93"); // 259/209 × 2.5 on 66 mm
    f.Label6.text = "x";
    tool.refresh();
    EXPECT_EQ(tool.rollouts().cell(0, 1).text, "60"); // headings stay, values go
    EXPECT_EQ(tool.rollouts().cell(1, 1).text, "");
}

TEST_F(DriveToolTest, ReferenceKeepsItsSetupAndTyre)
{
    EXPECT_EQ(value(DriveTool::Reference, "基準なし"), "「基準にする」で現在の設定を基準にします");
    raise("takeReference");
    f.Label8.text = "21";
    tool.fields.tyreDiameter = "66";
    tool.refresh();
    const struct
    {
        QString row, reference, current, change;
    } rows[] = {
        {"スパー/ピニオン", "70/22", "70/21", ""}, {"タイヤ径", "64", "66", ""},
        {"減速比", "7.95455", "8.33333", "+4.8%"}, {"ロールアウト", "25.28", "24.88", "-1.6%"},
        {"タイヤ回転数", "3721", "3552", "-4.5%"}, {"最高速度", "44.9", "44.2", "-1.6%"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(value(DriveTool::Reference, r.row, 1), r.reference) << r.row.toStdString();
        EXPECT_EQ(value(DriveTool::Reference, r.row, 2), r.current) << r.row.toStdString();
        EXPECT_EQ(value(DriveTool::Reference, r.row, 3), r.change) << r.row.toStdString();
    }
}

TEST_F(DriveToolTest, InputsAndReferenceAreSavedAndReadBack)
{
    tool.fields.motorRpm = "30000";
    raise("takeReference");
    tool.fields.tyreDiameter = "62";
    tool.fieldLeft();
    const QStringList expected = {"62", "4000", "7.4",  "30000", "48P",   "",    "2.5", "70",
                                  "22", "64",   "4000", "7.4",   "30000", "48P", ""};
    EXPECT_EQ(dir.bytes("drive.dat"), cp932(expected));

    DriveTool again(app, host);
    again.open();
    EXPECT_EQ(again.fields.tyreDiameter, "62");
    EXPECT_EQ(again.fields.motorRpm, "30000");
    EXPECT_EQ(again.sheet().tables[DriveTool::Reference].rows.value(2),
              QStringList({"タイヤ径", "64", "62", ""}));
    // Reading and leaving a field unchanged writes nothing.
    dir.writeBytes("drive.dat", cp932(expected) + "\r\n");
    DriveTool third(app, host);
    third.open();
    third.fieldLeft();
    EXPECT_TRUE(dir.bytes("drive.dat").endsWith("\r\n\r\n"));
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(DriveToolTest, PrintGoesThroughTheSamePathAsPrint)
{
    host.answers = {true};
    raise("printSheet");
    ASSERT_EQ(host.pages.size(), 1);
    EXPECT_EQ(host.questions.size(), 1);
    EXPECT_EQ(host.messages, QStringList{"PRINT OUTしました"});
    EXPECT_EQ(host.busyDepth, 0);
    QStringList texts;
    for (const PageOp& op : host.pages[0].ops)
        texts << op.text;
    for (const char* shown : {"走行計算　ギア比確認ツール", "ロールアウト", "25.28", "44.9",
                              "最高速度は無負荷・スリップなしの理論値です。"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(shown))) << shown;

    host.answers = {false};
    raise("printSheet");
    EXPECT_EQ(host.pages.size(), 1); // "No" prints nothing

    // A survey's marks in their inks; a table too big for the paper says what it shows.
    ranges("60", "199", "10", "199");
    tool.fields.wantedRollout = "25.28";
    raise("surveyRollout");
    const PrintPage big = DrivePrintOut::buildPage(tool.sheet(), tool.rollouts());
    const auto red = std::count_if(big.ops.begin(), big.ops.end(), [](const PageOp& op) {
        return op.ink == Colour::Red && op.bold && op.pointSize == 7;
    });
    EXPECT_GT(red, 0);
    EXPECT_TRUE(big.ops.last().text.startsWith(
        "最高速度は無負荷・スリップなしの理論値です。（表はスパー60～89、ピニオン10～"))
        << big.ops.last().text.toStdString();
    raise("explain");
    EXPECT_TRUE(host.messages.last().contains("無負荷・スリップなしの理論値"));
    EXPECT_TRUE(host.messages.last().contains("タイヤ径 × π ÷ 減速比"));
}

// Inches and mph are a view: the page and the window's texts change, the
// fields the tool keeps do not.
TEST_F(DriveToolTest, InchesAndMphOnScreenAndOnPaper)
{
    tool.units = Units::System::Imperial;
    tool.refresh();
    host.answers = {true};
    raise("printSheet");
    ASSERT_EQ(host.pages.size(), 1);
    QStringList texts;
    for (const PageOp& op : host.pages[0].ops)
        texts << op.text;
    const QString rollout = value(DriveTool::Current, "ロールアウト"),
                  unit = value(DriveTool::Current, "ロールアウト", 2),
                  speed = value(DriveTool::Current, "最高速度（理論値・無負荷）"),
                  headline = tool.headline();
    tool.fields.wantedRollout = "25.4";
    raise("surveyRollout");
    const struct
    {
        const char* name;
        bool found;
    } rows[] = {
        {"rollout 25.28 mm", rollout == "0.995"},
        {"its unit", unit == "in"},
        {"44.9 km/h", speed == "27.9"},
        {"tyre on paper", texts.join('|').contains("タイヤ径 2.52 in")},
        {"table heading on paper", texts.join('|').contains("ロールアウト表（in）")},
        {"rollout on paper", texts.contains("0.995")},
        {"survey note as typed", tool.surveyNote().startsWith("指定ロールアウト 1 in → 減速比")},
        {"heard", headline == "ロールアウト 0.995 in、最高速度 27.9 mph"},
        {"kept metric", tool.fields.tyreDiameter == "64" && tool.fields.wantedRollout == "25.4"},
    };
    for (const auto& r : rows)
        EXPECT_TRUE(r.found) << r.name;
}

} // namespace
