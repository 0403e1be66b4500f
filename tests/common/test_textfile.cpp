#include "common/textfile.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <gtest/gtest.h>

namespace {

// Texts the program writes or shows, with the characters that differ between
// Shift-JIS variants and the half-width forms.
const QStringList systemTexts = {
    "スパー範囲 ( 70～85 )",
    "２次減速比が設定されていません",
    "マシン登録＆選択",
    "ｽﾊﾟｰｷﾞｱ歯数を計算表示します",
    "ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します",
    "ﾓｼﾞｭｰﾙ",
    "ﾊﾞｰｼﾞｮﾝ情報",
    "RC-EPカーギア比確認　ZELTAN",
    "プリンターは接続されていますか？接続されていない場合はエラー停止します。",
    "XXモジュールを選択した場合表再作成で新しいモジュールを作れます",
    "??モジュール",
    "登録マシン一覧（選択で上部に転記します）",
    "＋",
    "・",
};

TEST(TextFile, SystemTextsRoundTripThroughCp932)
{
    const auto encoded = TextFile::encodeLines(systemTexts);
    ASSERT_TRUE(encoded.ok()) << qPrintable(encoded.badText);
    EXPECT_EQ(TextFile::decodeLines(encoded.bytes), systemTexts);
}

TEST(TextFile, WritesTheWindowsCodePageBytes)
{
    // "～" is 0x8160 in CP932; half-width katakana are single bytes; lines end CR LF.
    EXPECT_EQ(TextFile::encodeLines({"～", "ｽ", "２＆"}).bytes,
              QByteArray("\x81\x60\r\n\xbd\r\n\x82\x51\x81\x95\r\n"));
}

TEST(TextFile, CharactersOutsideCp932AreReportedNotWritten)
{
    for (const QString& bad :
         {QString(QChar(0x301C)), QString(QChar(0x2212)), QStringLiteral("😀")}) {
        const auto encoded = TextFile::encodeLines({"ok", "a" + bad + "b"});
        EXPECT_FALSE(encoded.ok());
        EXPECT_EQ(encoded.badText, bad);
        EXPECT_TRUE(encoded.bytes.isEmpty());
    }
}

TEST(TextFile, ReadsCrLfAndLoneLfAndReportsMissingFiles)
{
    TempFolder dir;
    dir.writeBytes("a.txt", QByteArray("one\r\ntwo\nthree"));
    const auto read = TextFile::read(dir.file("a.txt"));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, (QStringList{"one", "two", "three"}));

    const auto missing = TextFile::read(dir.file("none.txt"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);

    QDir(dir.path()).mkdir("folder.dat");
    const auto folder = TextFile::read(dir.file("folder.dat"));
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.missing);
    EXPECT_FALSE(folder.error.isEmpty());
}

class Rewrite : public ::testing::Test
{
protected:
    void TearDown() override { TextFile::setFaultHook(nullptr); }
    TempFolder dir;
};

TEST_F(Rewrite, NewContentGoesThroughTheWorkFileWhichStays)
{
    dir.write("data.dat", {"old"});
    const auto error = TextFile::RewriteThroughWorkFile(
        dir.file("data.dat"), dir.file("work.dat"),
        [](const QStringList& current) { return QStringList{"new"} + current; });
    EXPECT_FALSE(error);
    EXPECT_EQ(dir.bytes("data.dat"), cp932({"new", "old"}));
    EXPECT_EQ(dir.bytes("work.dat"), cp932({"new", "old"}));
}

TEST_F(Rewrite, AFailureAtAnyStepLeavesTheDataFileIntact)
{
    const char* steps[] = {"work-open", "work-write", "work-sync",
                           "data-open", "data-write", "data-commit"};
    for (const char* failing : steps) {
        dir.write("data.dat", {"keep", "these"});
        TextFile::setFaultHook([failing](const char* step) { return qstrcmp(step, failing) != 0; });
        const auto error = TextFile::RewriteThroughWorkFile(
            dir.file("data.dat"), dir.file("work.dat"),
            [](const QStringList&) { return QStringList{"replacement"}; });
        EXPECT_TRUE(error) << failing;
        EXPECT_EQ(dir.bytes("data.dat"), cp932({"keep", "these"})) << failing;
        // No temporary files are left behind beside the data file.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(".dat").size(),
                  dir.exists("work.dat") ? 2 : 1)
            << failing;
    }
}

TEST_F(Rewrite, UnencodableContentChangesNothing)
{
    dir.write("data.dat", {"keep"});
    const auto error = TextFile::RewriteThroughWorkFile(
        dir.file("data.dat"), dir.file("work.dat"),
        [](const QStringList&) { return QStringList{QString(QChar(0x301C))}; });
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(QChar(0x301C)));
    EXPECT_EQ(dir.bytes("data.dat"), cp932({"keep"}));
    EXPECT_FALSE(dir.exists("work.dat"));
}

TEST_F(Rewrite, AFolderInPlaceOfTheDataFileIsReportedAndKept)
{
    QDir(dir.path()).mkdir("data.dat");
    const auto error =
        TextFile::RewriteThroughWorkFile(dir.file("data.dat"), dir.file("work.dat"),
                                         [](const QStringList&) { return QStringList{"x"}; });
    EXPECT_TRUE(error);
    EXPECT_TRUE(QFileInfo(dir.file("data.dat")).isDir());
}

TEST_F(Rewrite, AHeldLockMakesASecondWriterWaitThenGiveUp)
{
    QLockFile other(dir.file("work.dat.lock"));
    ASSERT_TRUE(other.tryLock());
    dir.write("data.dat", {"keep"});
    // The lock wait is bounded; the rewrite reports instead of interleaving.
    TextFile::setFaultHook(nullptr);
    const auto error =
        TextFile::RewriteThroughWorkFile(dir.file("data.dat"), dir.file("work.dat"),
                                         [](const QStringList&) { return QStringList{"x"}; });
    EXPECT_TRUE(error);
    EXPECT_EQ(dir.bytes("data.dat"), cp932({"keep"}));
}

} // namespace
