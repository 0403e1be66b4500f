#include "manual/manual.h"
#include "support/appfixture.h"

namespace {

class ManualPanel : public AppFixture
{
protected:
    void SetUp() override
    {
        dir.write("help.txt", {"前書き", "２次減速比の調査", "一行目", "", "a,b", "\"c,d\"", "End",
                               "END", "end", "無関係", "減速比の調査", "本文", "end",
                               "減速比の調査", "二度目", "end", "開いたまま", "終わりなし"});
    }
    QStringList rows() const { return f.List2.items; }
    bool shown() const { return f.List2.visible && f.Command30.visible; }
    bool hidden() const { return !f.List2.visible && !f.Command30.visible; }
};

TEST_F(ManualPanel, ATopicShowsItsTitleAndRowsUpToLowerCaseEnd)
{
    app.manualTopic_Click(0);
    EXPECT_TRUE(shown());
    EXPECT_EQ(rows(),
              (QStringList{"", "２次減速比の調査", "一行目", "", "a", "b", "c,d", "End", "END"}));
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(ManualPanel, TopicsAsHelpTxtHoldsThem)
{
    const struct
    {
        const char* name;
        const char* title;
        QStringList rows;
    } cases[] = {
        {"up to lower-case end",
         "２次減速比の調査",
         {"２次減速比の調査", "一行目", "", "a", "b", "c,d", "End", "END"}},
        {"the first occurrence wins", "減速比の調査", {"減速比の調査", "本文"}},
        {"a title help.txt lacks", "計算結果のプリント", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto topic = Manual::readTopic(dir.file("help.txt"), QString::fromUtf8(c.title));
        ASSERT_TRUE(topic) << topic.error().toStdString();
        EXPECT_EQ(topic->rows, c.rows);
        EXPECT_EQ(topic->notice, "");
    }
}

TEST_F(ManualPanel, ATopicTooLongKeepsItsFirstRowsAndSaysSo)
{
    dir.write("help.txt",
              QStringList{"マシンの選択＆登録"} + QStringList(10001, "行") + QStringList{"end"});
    const auto topic = Manual::readTopic(dir.file("help.txt"), "マシンの選択＆登録");
    ASSERT_TRUE(topic);
    EXPECT_EQ(topic->rows.size(), 10000);
    EXPECT_EQ(topic->rows.first(), "マシンの選択＆登録");
    EXPECT_EQ(topic->notice,
              "取り扱い説明「マシンの選択＆登録」が長すぎるため、先頭の10000行だけを表示します");
    press(ControlId::tmasinst);
    EXPECT_EQ(rows().size(), 10001); // after the panel's empty row
    EXPECT_EQ(host.messages, QStringList{topic->notice});
}

TEST_F(ManualPanel, StateTable)
{
    press(ControlId::torisetutoziru); // empty: nothing happens
    EXPECT_TRUE(hidden());
    EXPECT_TRUE(rows().isEmpty());

    press(ControlId::torisetuhiraku); // empty → the first topic
    EXPECT_TRUE(shown());
    EXPECT_EQ(rows().value(1), "２次減速比の調査");

    press(ControlId::tgensokuhi); // showing → replaced, still shown
    EXPECT_TRUE(shown());
    EXPECT_EQ(rows().value(1), "減速比の調査");

    press(ControlId::torisetuhiraku); // showing: nothing
    EXPECT_EQ(rows().value(1), "減速比の調査");

    press(ControlId::Command30); // → kept
    EXPECT_TRUE(hidden());
    dir.write("help.txt", {"減速比の調査", "changed", "end"});
    press(ControlId::torisetuhiraku); // kept → the old rows, the file is not read
    EXPECT_TRUE(shown());
    EXPECT_EQ(rows(), (QStringList{"", "減速比の調査", "本文"}));

    press(ControlId::torisetutoziru);
    EXPECT_TRUE(hidden());
    EXPECT_EQ(rows().size(), 3);
}

TEST_F(ManualPanel, AMissingTitleShowsOneEmptyRowAndReopenLoadsTheFirstTopic)
{
    press(ControlId::tprinto);
    EXPECT_TRUE(shown());
    EXPECT_EQ(rows(), QStringList{""});
    EXPECT_TRUE(host.messages.isEmpty());
    press(ControlId::Command30);
    press(ControlId::torisetuhiraku);
    EXPECT_EQ(rows().value(1), "２次減速比の調査");
}

TEST_F(ManualPanel, ATopicWithoutEndAndAMissingFileAreReported)
{
    dir.write("help.txt", {"マシンの選択＆登録", "一", "二"});
    press(ControlId::tmasinst);
    EXPECT_EQ(rows(), (QStringList{"", "マシンの選択＆登録", "一", "二"}));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains("end"));

    QFile::remove(dir.file("help.txt"));
    press(ControlId::tsitei);
    EXPECT_TRUE(shown());
    EXPECT_EQ(rows(), QStringList{""});
    EXPECT_EQ(host.messages.size(), 2);
    EXPECT_TRUE(host.messages[1].contains("help.txt"));
}

TEST_F(ManualPanel, TheShippedManualHasEveryTopic)
{
    ASSERT_TRUE(app.files().seedShippedFiles());
    QFile::remove(dir.file("help.txt"));
    ASSERT_TRUE(app.files().seedShippedFiles());
    const struct
    {
        const char* name;
        const char* item;
    } items[] = {{"secondary", "tzigensoku"}, {"spur", "tspgia"},      {"pinion", "tpinion"},
                 {"total", "tgensokuhi"},     {"survey", "tsitei"},    {"survey setup", "tsiteipr"},
                 {"machines", "tmasinst"},    {"printing", "tprinto"}, {"tools", "ttuuru"},
                 {"drive", "tsoukou"},        {"notebook", "tkiroku"}, {"keys", "tkey"}};
    for (auto [name, item] : items) {
        SCOPED_TRACE(name);
        press(item);
        EXPECT_GE(rows().size(), 3) << item;
        EXPECT_FALSE(rows().value(1).isEmpty()) << item;
    }
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
}

} // namespace
