#include "common/cp932table.h"
#include "common/filesystemcalls.h"
#include "common/textfile.h"
#include "support/tempfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Failures show texts, not UTF-16 code units.
void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

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

TEST(TextFile, DecodesWithTheWindowsMappingAndMarksWhatIsNotCp932)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"bytes outside the code page", QByteArray("\x80\xa0\xfd\xfe\xff"),
         QString(5, QChar(0xFFFD))},
        {"lead byte at the end", QByteArray("A\x81"), QStringLiteral("A\uFFFD")},
        {"lead byte before a comma", QByteArray("\x81,x"), QStringLiteral("\uFFFD,x")},
        {"unassigned pair", QByteArray("\x85\x40"), QStringLiteral("\uFFFD")},
        {"NUL", QByteArray("a\0b", 3), QStringLiteral("a\uFFFDb")},
        {"ASCII as it is", QByteArray("~\\\x1a\x7f"), QStringLiteral("~\\\x1a\x7f")},
        {"half-width and two-byte", QByteArray("\xb1\x81\x60\x87\x40"), QStringLiteral("ｱ～①")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextFile::decode(c.bytes), c.text) << c.name;
    EXPECT_EQ(TextFile::decodeLines(QByteArray("a\rb\r\nc\nd\r")),
              (QStringList{"a", "b", "c", "d"}));
}

// The pairs are compiled in; each must read as Qt's own converter reads it
// alone, an unassigned one as U+FFFD.
TEST(TextFile, EveryPairDecodesAsTheConverterDecodesIt)
{
    int assigned = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!Cp932::isLead(uchar(lead)) || !Cp932::isTrail(uchar(trail)))
                continue;
            const char pair[2] = {char(lead), char(trail)};
            QStringDecoder converter("CP932", QStringConverter::Flag::Stateless);
            QString expected = converter.decode(QByteArrayView(pair, 2));
            if (converter.hasError() || expected.size() != 1 || expected[0].isSurrogate())
                expected = QString(QChar::ReplacementCharacter);
            assigned += expected != QString(QChar::ReplacementCharacter);
            ASSERT_EQ(TextFile::decode(QByteArrayView(pair, 2)), expected)
                << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_GT(assigned, 7000); // a table built without ICU would be empty
}

TEST(TextFile, JisFormsAreStoredAsTheirCp932Characters)
{
    const QString typed = QStringLiteral("\u301C\u2016\u2212\u2014\u00A2\u00A3\u00AC");
    EXPECT_EQ(TextFile::encode(typed).bytes,
              QByteArray("\x81\x60\x81\x61\x81\x7c\x81\x5c\x81\x91\x81\x92\x81\xca"));
}

TEST(TextFile, CharactersOutsideCp932AreReportedNotWritten)
{
    for (const QString& bad :
         {QString(QChar(0x00A5)), QStringLiteral("😀"), QStringLiteral("\x1a")}) {
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
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (QStringList{"one", "two", "three"}));

    const auto missing = TextFile::read(dir.file("none.txt"));
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.missing());

    QDir(dir.path()).mkdir("folder.dat");
    const auto folder = TextFile::read(dir.file("folder.dat"));
    EXPECT_FALSE(folder);
    EXPECT_FALSE(folder.missing());
    EXPECT_FALSE(folder.error().isEmpty());
}

class Rewrite : public ::testing::Test
{
protected:
    void TearDown() override { TextFile::setFaultHook(nullptr); }
    TempFolder dir;

    // A rewrite that puts these lines in front of what the file holds.
    static TextFile::Rewrite prepend(const QStringList& lines)
    {
        return [lines](QByteArrayView current) -> Result<QByteArray> {
            return cp932(lines) + current.toByteArray();
        };
    }
    // The message of a rewrite that failed, or none.
    static std::optional<QString> refusal(const Result<>& done)
    {
        return done ? std::nullopt : std::optional<QString>(done.error());
    }
    std::optional<QString> rewrite(const TextFile::Rewrite& change)
    {
        return refusal(
            TextFile::RewriteThroughWorkFile(dir.file("data.dat"), dir.file("work.dat"), change));
    }
};

TEST_F(Rewrite, NewContentGoesThroughTheWorkFileWhichStays)
{
    dir.write("data.dat", {"old"});
    EXPECT_FALSE(rewrite(prepend({"new"})));
    EXPECT_EQ(dir.bytes("data.dat"), cp932({"new", "old"}));
    EXPECT_EQ(dir.bytes("work.dat"), cp932({"new", "old"}));
}

// Every call of a write whose outcome counts, in the order they happen.
const QStringList writeSteps = {"work-open",        "work-write",      "work-sync",  "work-rename",
                                "work-folder-sync", "data-open",       "data-write", "data-sync",
                                "data-rename",      "data-folder-sync"};

TEST_F(Rewrite, EveryCallIsMadeAndAFailureAtAnyStepIsToldWithTheSystemsReason)
{
    QStringList seen;
    TextFile::setFaultHook([&](const char* step) { return seen.append(step), true; });
    dir.write("data.dat", {"keep", "these"});
    EXPECT_FALSE(rewrite(prepend({"new"})));
    EXPECT_EQ(seen, writeSteps);
    for (const QString& failing : writeSteps) {
        dir.write("data.dat", {"keep", "these"});
        TextFile::setFaultHook([&](const char* step) { return failing != step; });
        const auto error = rewrite(prepend({"replacement"}));
        ASSERT_TRUE(error) << qPrintable(failing);
        EXPECT_EQ(*error, (failing.startsWith("work") ? "work.dat" : "data.dat") +
                              QStringLiteral(" に書き込めませんでした：") + qt_error_string(EIO));
        // Until the rename the data file is the old one, after it the new one.
        const bool renamed = writeSteps.indexOf(failing) > writeSteps.indexOf("data-sync");
        EXPECT_EQ(dir.bytes("data.dat"), cp932(renamed ? QStringList{"replacement", "keep", "these"}
                                                       : QStringList{"keep", "these"}))
            << qPrintable(failing);
        // No temporary files are left behind beside the data file.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(".tmp-"), QStringList())
            << qPrintable(failing);
    }
}

// Stand-ins for fsync and rename: each call is noted ("fsync file", "fsync
// folder", "rename") and the one numbered failAt fails with failError, having
// done nothing, as a full disk or an I/O error would.
QStringList g_calls;
qsizetype g_failAt = -1;
int g_failError = 0;

bool failsNow(const QString& call)
{
    g_calls << call;
    if (g_calls.size() - 1 != g_failAt)
        return false;
    errno = g_failError;
    return true;
}
int notedFsync(int fd)
{
    struct stat st;
    const bool folder = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    return failsNow(folder ? "fsync folder" : "fsync file") ? -1 : ::fsync(fd);
}
int notedRename(const char* from, const char* to)
{
    return failsNow("rename") ? -1 : ::rename(from, to);
}

TEST_F(Rewrite, TheSyncAndTheRenameAreMadeAndTheirFailuresTold)
{
    const QStringList oneFile = {"fsync file", "rename", "fsync folder"};
    const struct
    {
        const char* name;
        bool throughWorkFile; // RewriteThroughWorkFile, or writeAtomically
        qsizetype failAt;     // the call that fails, -1 for none
        int error;
    } cases[] = {
        {"a write", false, -1, 0},
        {"a write whose sync fails", false, 0, ENOSPC},
        {"a write whose rename fails", false, 1, EXDEV},
        {"a rewrite", true, -1, 0},
        {"a rewrite whose data file's sync fails", true, 3, EIO},
        {"a rewrite whose data file's rename fails", true, 4, EROFS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("data.dat", {"old"});
        QFile::remove(dir.file("work.dat"));
        g_calls.clear();
        g_failAt = c.failAt;
        g_failError = c.error;
        TextFile::fileSystemCalls() = {notedFsync, notedRename};
        const std::optional<QString> error =
            c.throughWorkFile
                ? rewrite([](QByteArrayView) -> Result<QByteArray> { return cp932({"new"}); })
                : refusal(TextFile::writeAtomically(dir.file("data.dat"), {"new"}));
        TextFile::fileSystemCalls() = TextFile::systemCalls();
        const QStringList all = c.throughWorkFile ? oneFile + oneFile : oneFile;
        EXPECT_EQ(g_calls, c.failAt < 0 ? all : all.first(c.failAt + 1));
        EXPECT_EQ(error, c.failAt < 0 ? std::nullopt
                                      : std::optional<QString>("data.dat に書き込めませんでした：" +
                                                               qt_error_string(c.error)));
        EXPECT_EQ(dir.bytes("data.dat"), cp932({c.failAt < 0 ? "new" : "old"}));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter(".tmp-"), QStringList());
    }
}

TEST_F(Rewrite, ARefusedChangeWritesNothing)
{
    dir.write("data.dat", {"keep"});
    const auto error = rewrite(
        [](QByteArrayView) -> Result<QByteArray> { return Failure{QStringLiteral("refused")}; });
    EXPECT_EQ(error, QStringLiteral("refused"));
    EXPECT_EQ(dir.bytes("data.dat"), cp932({"keep"}));
    EXPECT_FALSE(dir.exists("work.dat"));
}

TEST_F(Rewrite, AFolderInPlaceOfTheDataFileIsReportedAndKept)
{
    QDir(dir.path()).mkdir("data.dat");
    EXPECT_TRUE(rewrite(prepend({"x"})));
    EXPECT_TRUE(QFileInfo(dir.file("data.dat")).isDir());
}

TEST_F(Rewrite, LinksStayLinksModesStayAndLeftoversGo)
{
    QDir(dir.path()).mkdir("elsewhere");
    dir.write("elsewhere/real.dat", {"old"});
    QFile::setPermissions(dir.file("elsewhere/real.dat"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QFile::link("elsewhere/real.dat", dir.file("data.dat")));
    // Leftovers of killed writes: an hour old they go, a live write's stays.
    for (const char* name : {"elsewhere/real.dat.tmp-a1B2c3", "work.dat.tmp-Zz9999"}) {
        dir.writeBytes(name, "left by a killed write");
        QFile old(dir.file(name));
        ASSERT_TRUE(old.open(QIODevice::ReadWrite));
        old.setFileTime(QDateTime::currentDateTime().addSecs(-3601),
                        QFileDevice::FileModificationTime);
    }
    dir.writeBytes("work.dat.tmp-live00", "another copy writing now");
    // Ten minutes old may still be another copy's slow write: it stays.
    dir.writeBytes("work.dat.tmp-slow00", "another copy writing slowly");
    {
        QFile slow(dir.file("work.dat.tmp-slow00"));
        ASSERT_TRUE(slow.open(QIODevice::ReadWrite));
        slow.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                         QFileDevice::FileModificationTime);
    }

    EXPECT_FALSE(rewrite(prepend({"new"})));
    EXPECT_TRUE(QFileInfo(dir.file("data.dat")).isSymLink());
    EXPECT_EQ(dir.bytes("elsewhere/real.dat"), cp932({"new", "old"}));
    EXPECT_EQ(QFile::permissions(dir.file("elsewhere/real.dat")),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
    EXPECT_FALSE(dir.exists("elsewhere/real.dat.tmp-a1B2c3"));
    EXPECT_FALSE(dir.exists("work.dat.tmp-Zz9999"));
    EXPECT_TRUE(dir.exists("work.dat.tmp-live00"));
    EXPECT_TRUE(dir.exists("work.dat.tmp-slow00"));

    // A link that leads nowhere is reported, never written through.
    QFile::remove(dir.file("elsewhere/real.dat"));
    const auto error = rewrite(prepend({"x"}));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains("リンク先")) << error->toStdString();
    EXPECT_FALSE(dir.exists("elsewhere/real.dat"));
}

TEST_F(Rewrite, AFolderThatRefusesTheLockIsNamedNotCalledBusy)
{
    const auto error = refusal(TextFile::RewriteThroughWorkFile(
        dir.file("data.dat"), dir.file("gone/work.dat"), prepend({"x"})));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains(dir.file("gone"))) << error->toStdString();
    EXPECT_FALSE(error->contains("別のZELTAN"));
}

TEST_F(Rewrite, AHeldLockMakesASecondWriterWaitThenGiveUp)
{
    QLockFile other(dir.file("work.dat.lock"));
    ASSERT_TRUE(other.tryLock());
    dir.write("data.dat", {"keep"});
    // The lock wait is bounded; the rewrite reports instead of interleaving.
    TextFile::setFaultHook(nullptr);
    const auto error = rewrite(prepend({"x"}));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains("別のZELTAN"));
    EXPECT_EQ(*error, "data.dat は別のZELTANが書き換え中です。しばらくしてからやり直して下さい");
    EXPECT_EQ(dir.bytes("data.dat"), cp932({"keep"}));
}

} // namespace
