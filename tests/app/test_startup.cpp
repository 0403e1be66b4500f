#include "app/lastinputs.h"
#include "support/appfixture.h"

#include <QDir>

namespace {

class Startup : public AppFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(app.files().seedShippedFiles()); }
    // A second window over the same folder, as at the next start.
    QStringList restartCaptions()
    {
        FakeHost host2;
        Giadsp next(host2, dir.path());
        next.Form_Load();
        messagesAfterRestart = host2.messages;
        const Form& g = next.form();
        restarted = g;
        return {g.Label13.text, g.Label6.text, g.Label7.text, g.Label8.text,
                g.Label9.text,  g.Combo7.text, g.Combo1.text, g.Combo2.text,
                g.Combo3.text,  g.Combo4.text, g.Combo5.text, g.Combo6.text};
    }
    QStringList messagesAfterRestart;
    Form restarted;
};

TEST_F(Startup, AFreshFolderGetsTheShippedFilesAndOpensFromThem)
{
    app.Form_Load();
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
    for (const char* name : {"module.dat", "GIA.DAT", "help.txt", "masin.dat"})
        EXPECT_TRUE(dir.exists(name)) << name;
    EXPECT_TRUE(dir.bytes("masin.dat").isEmpty());
    EXPECT_EQ(f.Label13.text, "ギア比確認ツール");
    EXPECT_EQ(f.Combo7.items.first(), "XXモジュール");
    EXPECT_TRUE(f.Combo7.items.contains(f.Combo7.text));
    EXPECT_EQ(f.Combo5.items, (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(f.Combo6.items, (QStringList{"1", "2"}));
    EXPECT_EQ(f.Label11.text, "0");
    EXPECT_EQ(f.Label12.text, "減速比を計算表示します");
    EXPECT_EQ(f.Command21.text, "★");
    EXPECT_FALSE(f.Check1.checked);
    EXPECT_EQ(f.Text2.text, "??モジュール");
    EXPECT_FALSE(f.Text2.visible);
    EXPECT_FALSE(f.Label35.visible);
    EXPECT_FALSE(f.List2.visible);
    EXPECT_FALSE(f.Command30.visible);
    EXPECT_EQ(f.Label20.text, "0");
    EXPECT_TRUE(f.Label5.text.startsWith("スパー範囲 ( "));
    EXPECT_EQ(f.MSFlexGrid1.cell(0, 0).text, "P/S");
    EXPECT_FALSE(f.MSFlexGrid1.cell(1, 1).text.isEmpty());
}

TEST_F(Startup, TheWindowComesBackAsTheUserLeftIt)
{
    app.Form_Load();
    press(ControlId::Command20);
    f.Combo1.text = "95"; // outside the module's list
    f.Combo2.text = "10";
    f.Label11.text = "80";
    press(ControlId::Command2); // spur SET, star on the pinion
    const QStringList before = LastInputs::collect(f);
    const QStringList after = restartCaptions();
    EXPECT_EQ(after, before);
    EXPECT_EQ(restarted.Command21.text, "★"); // the star is not saved
    EXPECT_EQ(restarted.Command20.text, "");
    EXPECT_EQ(restarted.Label5.text, "スパー範囲 ( 95～105 )");
}

TEST_F(Startup, EachOfTheTwelveLinesHasItsOwnControl)
{
    // A value on each line that no other line holds (the intervals too), so
    // two lines swapped in the reading or in the writing show.
    const QStringList lines = {"Car", "2.5", "80", "25", "8.00000", "48P",
                               "70",  "15",  "20", "14", "3",       "2"};
    dir.write("GIA.DAT", lines);
    EXPECT_EQ(restartCaptions(), lines);
    app.Form_Load();
    press(ControlId::Command4); // nothing typed: the inputs are saved as they stand
    EXPECT_EQ(dir.bytes("GIA.DAT"), cp932(lines));
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
}

TEST_F(Startup, ASurveyComesBackAsAPlainTable)
{
    app.Form_Load();
    f.Label11.text = "8";
    press(ControlId::Command5);
    restartCaptions();
    EXPECT_EQ(restarted.Label9.text, f.Label9.text);
    for (int r = 0; r < restarted.MSFlexGrid1.rows(); ++r)
        for (int c = 0; c < restarted.MSFlexGrid1.cols(); ++c)
            EXPECT_FALSE(restarted.MSFlexGrid1.cell(r, c).bold);
}

TEST_F(Startup, ExitWithoutACalculationLosesTheChange)
{
    app.Form_Load();
    const QByteArray saved = dir.bytes("GIA.DAT");
    f.Combo1.text = "61";
    f.Label11.text = "123";
    press(ControlId::owaru);
    EXPECT_EQ(host.quits, 1);
    EXPECT_EQ(dir.bytes("GIA.DAT"), saved);
    EXPECT_NE(restartCaptions().value(6), "61");
}

TEST_F(Startup, ADeletedModuleIsReportedOnceAndTheWindowStillOpens)
{
    dir.write("GIA.DAT",
              {"Car", "2.5", "80", "25", "8.00000", "Gone", "70", "15", "20", "15", "1", "1"});
    app.Form_Load();
    EXPECT_EQ(host.messages, QStringList{"システム中に設定されたモジュールが存在しません"});
    EXPECT_EQ(f.Combo7.text, "Gone");
    EXPECT_TRUE(f.Combo1.items.isEmpty());
    EXPECT_EQ(f.Combo1.text, "70");
    EXPECT_EQ(f.MSFlexGrid1.cell(1, 1).text, "8.750");
    EXPECT_EQ(f.Label5.text, "スパー範囲 ( 70～85 )");
}

TEST_F(Startup, ShortBlankAndHostileFilesStillOpenTheWindow)
{
    dir.write("GIA.DAT", {"Only a name"});
    dir.write("masin.dat", {"", "A", "", "B,48P"});
    static const char raw[] = "48P,60,90,1,75,15,45,1,20\r\n\x00\xff\x81\r\n";
    dir.writeBytes("module.dat", QByteArray(raw, sizeof raw - 1));
    app.Form_Load();
    EXPECT_EQ(f.Label13.text, "Only a name");
    EXPECT_EQ(f.List1.items, (QStringList{"A", "B"}));
    EXPECT_EQ(f.Combo7.items.size(), 2);
    EXPECT_EQ(f.Combo7.items.first(), "48P");
    EXPECT_EQ(f.Combo1.text, "");
    // The empty module name matches no module: one message, no crash.
    EXPECT_EQ(host.messages.size(), 1);
}

TEST_F(Startup, UnreadableFilesAreReportedAndTheWindowStillOpens)
{
    QFile::remove(dir.file("masin.dat"));
    QDir(dir.path()).mkdir("masin.dat");
    QFile::remove(dir.file("GIA.DAT"));
    QDir(dir.path()).mkdir("GIA.DAT");
    app.Form_Load();
    EXPECT_GE(host.messages.size(), 2);
    EXPECT_TRUE(host.messages.join('\n').contains("masin.dat"));
    EXPECT_TRUE(host.messages.join('\n').contains("GIA.DAT"));
    EXPECT_TRUE(f.List1.items.isEmpty());
    EXPECT_EQ(f.MSFlexGrid1.cell(0, 0).text, "P/S");
}

TEST_F(Startup, VersionDialogAndExitGoThroughTheHost)
{
    press(ControlId::verinf);
    press(ControlId::verinf);
    EXPECT_EQ(host.versionDialogs, 2);
    EXPECT_FALSE(dir.exists("GIA.DAT") && dir.bytes("GIA.DAT").isEmpty());
}

} // namespace
