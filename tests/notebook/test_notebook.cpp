#include "app/gearbox.h"
#include "app/notebook.h"
#include "notebook/gearmessages.h"
#include "notebook/notebookcsv.h"
#include "notebook/notebookmessages.h"
#include "print/notebooksheet.h"
#include "support/appfixture.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(15, 30, 0));

// Runs SQL on a file through a connection of the test's own.
QVariant sql(const QString& path, const QStringList& statements)
{
    static int n = 0;
    const QString name = QStringLiteral("test-%1").arg(++n);
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& s : statements) {
            EXPECT_TRUE(q.exec(s)) << s.toStdString();
            last = q.next() ? q.value(0) : QVariant();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return last;
}

NotebookEntry run(const QString& car, const QString& track, const QString& temp, int minute)
{
    NotebookEntry e;
    e.taken = Now.addSecs(60 * minute);
    e.car = car;
    e.track = track;
    e.spur = "84";
    e.pinion = "22";
    e.total = "9.92727";
    e.rollout = "27.40";
    e.motorTemp = temp;
    e.lap = "12.5";
    return e;
}

class NotebookTest : public AppFixture
{
protected:
    DriveTool drive{app, host};
    Notebook notebook{app, host, drive};
    QString db() const { return dir.file(Notebook::FileName); }

    void seed(const QList<NotebookEntry>& entries)
    {
        NotebookStore store;
        ASSERT_TRUE(store.open(db()));
        ASSERT_TRUE(store.addAll(entries));
    }
    QStringList shownTracks() const
    {
        QStringList out;
        for (qsizetype i = 0; i < notebook.shownCount(); ++i)
            out << notebook.cellText(i, Notebook::Track);
        return out;
    }
};

// ---- Opening: fresh, older, newer and damaged files --------------------------

struct FileCase
{
    const char* name;
    std::function<void(const QString& path)> make;
    int version;      // user_version afterwards (-1: not looked at)
    bool movedAside;  // a damaged file kept under a dated name
    QString message;  // what the user is told ("" nothing)
    qsizetype listed; // entries listed afterwards
};

const FileCase fileCases[] = {
    {"no file yet", [](const QString&) {}, 1, false, {}, 0},
    {"hand-made version 0 with a table of its own",
     [](const QString& p) {
         sql(p, {"CREATE TABLE scratch (x)", "INSERT INTO scratch VALUES (7)"});
     },
     1,
     false,
     {},
     0},
    {"a newer program's file", [](const QString& p) { sql(p, {"PRAGMA user_version = 99"}); }, 99,
     false, NotebookMessages::newerFile("%1", 99), 0},
    {"a newer program's file with a schema this SQLite cannot read",
     [](const QString& p) {
         sql(p, {"CREATE TABLE t (a)", "PRAGMA user_version = 2", "PRAGMA writable_schema = ON",
                 "UPDATE sqlite_master SET sql = 'CREATE TABLE t (a) FUTURE SYNTAX' "
                 "WHERE name = 't'"});
     },
     -1, false, NotebookMessages::newerFile("%1", 2), 0},
    {"not a database at all",
     [](const QString& p) {
         QFile f(p);
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(QByteArray(8192, 'x'));
     },
     1, true, NotebookMessages::damaged("%2"), 0},
    {"a page torn in the middle",
     [](const QString& p) {
         {
             NotebookStore store;
             ASSERT_TRUE(store.open(p));
             QList<NotebookEntry> many(300, run("Car", "Track", "60", 0));
             for (int i = 0; i < 300; ++i)
                 many[i].note = QString(200, QChar(u'a' + i % 26));
             ASSERT_TRUE(store.addAll(many));
         }
         sql(p, {"PRAGMA wal_checkpoint(TRUNCATE)"});
         QFile f(p);
         ASSERT_TRUE(f.open(QIODevice::ReadWrite));
         f.seek(4096 * 3);
         f.write(QByteArray(4096 * 4, '\x5a'));
     },
     1, true, NotebookMessages::damaged("%2"), 0},
};

enum class Opened { AtOnce, Aside, ReadAhead };
const char* const openedAs[] = {"", "_aside", "_read_ahead"};

class NotebookFiles : public NotebookTest,
                      public ::testing::WithParamInterface<std::tuple<FileCase, Opened>>
{
};

// Opened at once, read and checked on a thread while the window draws, or
// read ahead before any window asked: the same outcome every way.
TEST_P(NotebookFiles, OpenTellsAndKeeps)
{
    const auto& [c, how] = GetParam();
    c.make(db());
    const QByteArray before = dir.bytes(Notebook::FileName);
    const QString moved = db() + ".damaged-20261207-153000";
    if (how == Opened::ReadAhead) {
        notebook.readAhead();
        notebook.waitForReading();
        // Nothing is told, moved or made before a window opens the notebook.
        EXPECT_TRUE(host.messages.isEmpty());
        EXPECT_FALSE(QFile::exists(moved));
        EXPECT_EQ(dir.bytes(Notebook::FileName), before);
        EXPECT_EQ(QFile::exists(db()), !before.isNull());
    }
    if (how == Opened::AtOnce) {
        notebook.open(Now);
    } else {
        notebook.openAside({}, Now);
        notebook.finishOpening();
    }
    EXPECT_EQ(host.messages.join('|').toStdString(),
              QString(c.message).replace("%1", db()).replace("%2", moved).toStdString());
    EXPECT_EQ(QFile::exists(moved), c.movedAside);
    if (c.movedAside) {
        EXPECT_EQ(QFileInfo(moved).size(), before.size());
    }
    if (c.version == 99 || c.version < 0) {
        EXPECT_EQ(dir.bytes(Notebook::FileName), before);
    }
    notebook.setFilter({}, {});
    EXPECT_EQ(notebook.shownCount(), c.listed);
    if (c.version >= 0) {
        EXPECT_EQ(sql(db(), {"PRAGMA user_version"}).toInt(), c.version);
    }
    if (c.version == 1) {
        EXPECT_EQ(sql(db(), {"PRAGMA journal_mode"}).toString(), "wal");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, NotebookFiles,
                         ::testing::Combine(::testing::ValuesIn(fileCases),
                                            ::testing::Values(Opened::AtOnce, Opened::Aside,
                                                              Opened::ReadAhead)),
                         [](const auto& info) {
                             std::string n = std::get<0>(info.param).name +
                                             std::string(openedAs[int(std::get<1>(info.param))]);
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !isalnum(c); }, '_');
                             return n;
                         });

// A path that cannot be opened (a folder there): read ahead in silence,
// told once when opened, and no connection left behind to be warned about.
TEST_F(NotebookTest, APathThatCannotBeOpenedIsToldOnceAndCleanly)
{
    ASSERT_TRUE(QDir().mkpath(db()));
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    notebook.readAhead();
    const qsizetype toldAhead = host.messages.size();
    notebook.open(Now);
    qInstallMessageHandler(before);
    EXPECT_EQ(toldAhead, 0);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains(db())) << host.messages[0].toStdString();
    EXPECT_EQ(warnings.join('|').toStdString(), "");
    EXPECT_FALSE(notebook.isOpen());
}

// ---- Recording, editing, restoring, deleting ---------------------------------

// Before a car is picked the title shows the window's caption, never a car.
TEST_F(NotebookTest, AnUnpickedTitleRecordsTheFilteredCarOrNone)
{
    f.resetToDesign(f.Label13);
    notebook.open(Now);
    notebook.record_Click();
    EXPECT_EQ(notebook.draft.car, "");
    notebook.setFilter("TRF421", {});
    notebook.record_Click();
    EXPECT_EQ(notebook.draft.car, "TRF421");
}

TEST_F(NotebookTest, RecordEditRestoreDelete)
{
    f.Label13.text = "ＴＲＦ４２１ 改";
    quantities("2.6", "84", "22", "9.92727");
    f.Combo7.text = "48P";
    dir.write("drive.dat", {"64", "4000", "7.4", "", ""});
    notebook.open(Now);
    notebook.setFilter({}, "筑波");
    notebook.record_Click();
    ASSERT_EQ(notebook.shownCount(), 1);
    const qint64 id = notebook.selected();
    EXPECT_EQ(notebook.draft.car, "ＴＲＦ４２１ 改");
    EXPECT_EQ(notebook.draft.track, "筑波");
    EXPECT_EQ(notebook.draft.tyre, "64");
    EXPECT_EQ(notebook.draft.kv, "4000");
    EXPECT_EQ(notebook.draft.rollout, "20.25"); // 64 π ÷ 9.92727
    EXPECT_EQ(notebook.draft.module, "48P");

    // The racer adds what the run told.
    notebook.draft.motorTemp = "71.5";
    notebook.draft.lap = "13.052";
    notebook.save_Click();
    EXPECT_EQ(notebook.cellText(0, Notebook::Temp), "71.5℃");
    EXPECT_EQ(notebook.cellText(0, Notebook::Gears), "22/84");

    // The windows move on; the noted setup comes back, keypad untouched.
    quantities("2.6", "80", "25", "8.32");
    f.Label11.text = "123";
    dir.write("drive.dat", {"60", "5000", "8.4", "", ""});
    notebook.restore_Click();
    EXPECT_TRUE(notebook.ranMainHandler());
    EXPECT_EQ(
        QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text, f.Label11.text}),
        QStringList({"2.6", "84", "22", "9.92727", "123"}));
    EXPECT_EQ(dir.lines("GIA.DAT").mid(1, 4), QStringList({"2.6", "84", "22", "9.92727"}));
    EXPECT_EQ(dir.lines("drive.dat").mid(0, 3), QStringList({"64", "4000", "7.4"}));

    // Deleting asks; No keeps it.
    host.answers = {false, true};
    notebook.remove_Click();
    EXPECT_EQ(notebook.shownCount(), 1);
    notebook.remove_Click();
    EXPECT_EQ(notebook.shownCount(), 0);
    EXPECT_EQ(host.questions, QStringList(2, NotebookMessages::AskDelete()));
    NotebookStore store;
    ASSERT_TRUE(store.open(db()));
    EXPECT_FALSE(store.entry(id));
    EXPECT_EQ(host.messages, QStringList());
}

// 記録する and 呼び出す go through 走行計算 as it stands: its window's inputs
// once shown, as typed; before, drive.dat as another copy last wrote it.
struct DriveInputsCase
{
    const char* name;
    bool shown;
    QString tyre; // recorded, then restored into drive.dat
};

const DriveInputsCase driveInputsCases[] = {
    {"never_shown_reads_the_file_afresh", false, "60"},
    {"shown_keeps_what_was_typed", true, "66"},
};

class NotebookDriveInputs : public NotebookTest,
                            public ::testing::WithParamInterface<DriveInputsCase>
{
};

TEST_P(NotebookDriveInputs, RecordAndRestore)
{
    const DriveInputsCase& c = GetParam();
    quantities("2.6", "84", "22", "9.92727");
    dir.write("drive.dat", {"64", "4000", "7.4", "", ""});
    if (c.shown) {
        drive.show();
        drive.fields.tyreDiameter = "66"; // typed, the field not left yet
    }
    dir.write("drive.dat", {"60", "4000", "7.4", "", ""});
    notebook.open(Now);
    notebook.record_Click();
    EXPECT_EQ(notebook.draft.tyre, c.tyre);
    dir.write("drive.dat", {"58", "4000", "7.4", "", ""});
    notebook.restore_Click();
    EXPECT_EQ(dir.lines("drive.dat").value(0), c.tyre);
    EXPECT_EQ(host.messages, QStringList());
}

INSTANTIATE_TEST_SUITE_P(DriveInputs, NotebookDriveInputs, ::testing::ValuesIn(driveInputsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// この設定を呼び出す leaves what typing the run's values and SET would.
struct RestoreCase
{
    const char* name;
    QString secondary, spur, pinion, total, module;
    QStringList shown; // Label6…Label9, Label13, Combo7
    QStringList messages;
};

const RestoreCase restoreCases[] = {
    {"consistent run",
     "2.6",
     "84",
     "22",
     "9.92727",
     "64P",
     {"2.6", "84", "22", "9.92727", "Car", "64P"},
     {}},
    {"stale total is worked out again",
     "2.5",
     "71",
     "26",
     "9.99",
     "48P",
     {"2.5", "71", "26", "6.82692", "Car", "48P"},
     {}},
    {"half teeth round to even",
     "2.5",
     "70.5",
     "25.5",
     "",
     "48P",
     {"2.5", "70", "26", "6.73077", "Car", "48P"},
     {}},
    {"module not in the table",
     "2.6",
     "84",
     "22",
     "",
     "9.9M",
     {"2.6", "84", "22", "9.92727", "Car", "48P"},
     {Messages::moduleNotInTable("9.9M")}},
};

class NotebookRestores : public NotebookTest, public ::testing::WithParamInterface<RestoreCase>
{
};

TEST_P(NotebookRestores, RestoreIsASet)
{
    const RestoreCase& c = GetParam();
    NotebookEntry e = run("Car", "T", "60", 0);
    std::tie(e.secondary, e.spur, e.pinion, e.total, e.module) =
        std::tie(c.secondary, c.spur, c.pinion, c.total, c.module);
    seed({e});
    ASSERT_TRUE(app.files().seedShippedFiles());
    app.Form_Load(); // the module table as the window lists it; 48P chosen
    notebook.open(Now);
    ASSERT_TRUE(notebook.select(notebook.shownRow(0).id));
    notebook.restore_Click();
    EXPECT_EQ(QStringList({f.Label6.text, f.Label7.text, f.Label8.text, f.Label9.text,
                           f.Label13.text, f.Combo7.text})
                  .join('|')
                  .toStdString(),
              c.shown.join('|').toStdString());
    EXPECT_EQ(f.Label12.text, Messages::restored(c.shown[2], c.shown[1]));
    EXPECT_EQ(dir.lines("GIA.DAT").mid(1, 4), c.shown.mid(0, 4));
    EXPECT_EQ(host.messages.join('|').toStdString(), c.messages.join('|').toStdString());
}

INSTANTIATE_TEST_SUITE_P(Restores, NotebookRestores, ::testing::ValuesIn(restoreCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace(n.begin(), n.end(), ' ', '_');
                             return n;
                         });

struct EditCase
{
    const char* name;
    QString NotebookEntry::*field;
    QString value;
    QString message;
};

const EditCase editCases[] = {
    {"temperature not a number", &NotebookEntry::motorTemp, "hot",
     NotebookMessages::notANumber("モーター温度(℃)", "hot")},
    {"lap with a comma", &NotebookEntry::lap, "12,5",
     NotebookMessages::notANumber("ベストラップ(秒)", "12,5")},
    {"spur blank is fine", &NotebookEntry::spur, "", ""},
    {"spur not whole", &NotebookEntry::spur, "70.5",
     NotebookMessages::notACount("スパーギア歯数", "1～32767")},
    {"ratio of zero", &NotebookEntry::total, "0",
     NotebookMessages::outOfRange("減速比", "0より大きく1000以下")},
    {"lap of zero", &NotebookEntry::lap, "0",
     NotebookMessages::outOfRange("ベストラップ(秒)", "0.001～3600")},
    {"lap of minus 1e308 in digits", &NotebookEntry::lap, "-1" + QString(308, u'0'),
     NotebookMessages::outOfRange("ベストラップ(秒)", "0.001～3600")},
    {"temperature at its top", &NotebookEntry::motorTemp, "300", ""},
    {"temperature above its top", &NotebookEntry::motorTemp, "300.5",
     NotebookMessages::outOfRange("モーター温度(℃)", "-50～300")},
    {"note with anything", &NotebookEntry::note, "=1+1 \"quoted\", ok", ""},
    {"note longer than a field holds", &NotebookEntry::note, QString(32768, u'x'),
     NotebookMessages::tooLong("メモ", 32767, 32768)},
};

class NotebookEdits : public NotebookTest, public ::testing::WithParamInterface<EditCase>
{
};

TEST_P(NotebookEdits, SaveChecksNumbers)
{
    const EditCase& c = GetParam();
    seed({run("Car", "Track", "60", 0)});
    notebook.open(Now);
    ASSERT_TRUE(notebook.select(notebook.shownRow(0).id));
    notebook.draft.*c.field = c.value;
    notebook.save_Click();
    EXPECT_EQ(host.messages.join('|'), c.message);
    EXPECT_EQ(notebook.draftChanged(), !c.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Edits, NotebookEdits, ::testing::ValuesIn(editCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace(n.begin(), n.end(), ' ', '_');
                             return n;
                         });

TEST_F(NotebookTest, FilterByCarAndTrackNewestFirst)
{
    // The last run names no car or track: only "all" shows it.
    seed({run("A", "筑波", "60", 0), run("B", "筑波", "61", 1), run("A", "袖ヶ浦", "62", 2),
          run("A", "筑波", "63", 3), run("", "", "", 4)});
    notebook.open(Now);
    EXPECT_EQ(shownTracks(), QStringList({"", "筑波", "袖ヶ浦", "筑波", "筑波"}));
    EXPECT_EQ(notebook.trackNames(), QStringList({"筑波", "袖ヶ浦"}));
    notebook.setFilter("A", {});
    EXPECT_EQ(notebook.trackNames(), QStringList({"筑波", "袖ヶ浦"}));
    notebook.setFilter("A", "筑波");
    EXPECT_EQ(notebook.cellText(0, Notebook::Temp), "63.0℃");
    EXPECT_EQ(notebook.shownCount(), 2);
    const NotebookChart::Plot plot = notebook.chart(NotebookChart::XKind::Time);
    EXPECT_EQ(plot.temps.size(), 2);
    EXPECT_EQ(plot.latestTemp->y(), 63.0);
    EXPECT_EQ(NotebookChart::summary(notebook.chart(NotebookChart::XKind::Rollout)),
              "モーター温度とベストラップ（ロールアウト別）。温度 2点 60～63℃、ラップ 2点 12.5秒。"
              "最新 ロールアウト 27.4、63℃、12.5秒");
    EXPECT_EQ(notebook.carNames(), QStringList({"A", "B"}));

    // A heading sorts either way, blanks last; the coolest run is known.
    notebook.setFilter({}, {});
    auto temps = [&] {
        QStringList out;
        for (qsizetype i = 0; i < notebook.shownCount(); ++i)
            out << notebook.cellText(i, Notebook::Temp);
        return out;
    };
    notebook.sortBy(Notebook::Temp, false);
    EXPECT_EQ(temps(), QStringList({"60.0℃", "61.0℃", "62.0℃", "63.0℃", ""}));
    EXPECT_EQ(notebook.coolest(), notebook.shownRow(0).id);
    EXPECT_EQ(notebook.hottest(), notebook.shownRow(3).id);
    notebook.setFilter("A", "筑波");
    EXPECT_EQ(notebook.chart(NotebookChart::XKind::Time).latestTemp->y(), 63.0)
        << "the newest run, not the first listed";
    notebook.setFilter({}, {});
    notebook.sortBy(Notebook::Temp, true);
    EXPECT_EQ(temps(), QStringList({"63.0℃", "62.0℃", "61.0℃", "60.0℃", ""}));
    // By name in the locale's order, runs of one name kept newest first.
    notebook.sortBy(Notebook::Car, false);
    EXPECT_EQ(temps(), QStringList({"", "63.0℃", "62.0℃", "60.0℃", "61.0℃"}));
    notebook.sortBy(Notebook::Car, true);
    EXPECT_EQ(temps(), QStringList({"61.0℃", "63.0℃", "62.0℃", "60.0℃", ""}));
    notebook.sortBy(Notebook::Date, true);
    EXPECT_EQ(temps(), QStringList({"", "63.0℃", "62.0℃", "61.0℃", "60.0℃"}));
}

// ---- One car on one track: its line over the list -----------------------------

struct TrackCase
{
    const char* name;
    // rollout, temperature, lap of each run, oldest first, a minute apart
    QList<std::array<QString, 3>> runs;
    QString line;
};

const TrackCase trackCases[] = {
    {"five runs advise",
     {{"27.00", "55", "12.5"},
      {"28.00", "60", "12.4"},
      {"29.00", "65", "12.3"},
      {"30.00", "70", "12.35"},
      {"31.00", "75", "12.6"}},
     "このコースのベストラップ 12.300秒（ピニオン/スパー 22/84、ロールアウト 29.00 mm、"
     "モーター温度 65.0℃）、最新の走行 2026/12/07 15:34、全5回。"
     "70℃以下に収まる最大のロールアウト 30.0 mm（予測、5回の走行から）。"},
    {"two temperatures refuse, no lap",
     {{"27.00", "55", ""}, {"28.00", "", ""}, {"29.00", "65", ""}},
     "このコースのベストラップの記録はありません。最新の走行 2026/12/07 15:32、全3回。"
     "モーター温度のある走行が2回のため、ロールアウトの目安はまだ出せません（3回から出します）。"},
    {"past the tried rollouts is said",
     {{"26", "40", "13"}, {"27", "42", ""}, {"28", "44", ""}},
     "このコースのベストラップ 13.000秒（ピニオン/スパー 22/84、ロールアウト 26.00 mm、"
     "モーター温度 40.0℃）、最新の走行 2026/12/07 15:32、全3回。"
     "70℃以下に収まる最大のロールアウト 41.0 mm（予測、3回の走行から。"
     "試した最大の 28.00 mm より先で、確かではありません）。"},
};

void PrintTo(const TrackCase& c, std::ostream* os) { *os << c.name; }

class NotebookTrack : public NotebookTest, public ::testing::WithParamInterface<TrackCase>
{
};

TEST_P(NotebookTrack, TheLineSaysBestNewestCountAndAdvice)
{
    const TrackCase& c = GetParam();
    QList<NotebookEntry> entries = {run("A", "袖ヶ浦", "90", -10), run("B", "筑波", "20", 10)};
    for (int i = 0; i < c.runs.size(); ++i) {
        NotebookEntry e = run("A", "筑波", c.runs[i][1], i);
        e.rollout = c.runs[i][0];
        e.lap = c.runs[i][2];
        entries << e;
    }
    seed(entries);
    notebook.open(Now);
    notebook.setFilter("A", {});
    EXPECT_EQ(notebook.trackLine(), ""); // a car alone is no track
    notebook.setFilter("A", "筑波");
    EXPECT_EQ(notebook.trackLine().toStdString(), c.line.toStdString());
    // The history sheet of the car on that track prints the line whole.
    notebook.printHistory_Click();
    ASSERT_EQ(host.pages.size(), 1);
    QString printed;
    for (const PageOp& op : host.pages[0].ops)
        printed += op.text;
    EXPECT_TRUE(printed.contains(c.line));
}

INSTANTIATE_TEST_SUITE_P(Tracks, NotebookTrack, ::testing::ValuesIn(trackCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !isalnum(c); }, '_');
                             return n;
                         });

// The advice names the owned pair closest under it. The newest run, 84/22 at
// 31.00 mm, scales every pair: k = 31 × 84 ÷ 22, a pair rolls k × p ÷ s:
// 84/21 29.59, 86/21 28.90, 86/22 30.28, 84/22 31.00, 84/23 32.41, 86/23 31.65.
TEST_F(NotebookTest, TheAdviceNamesTheOwnedPairUnderIt)
{
    QList<NotebookEntry> entries;
    for (int i = 0; i < 5; ++i) {
        NotebookEntry e = run("A", "筑波", QString::number(55 + 5 * i), i);
        e.rollout = QString::number(27 + i) + ".00";
        e.module = "48P";
        entries << e;
    }
    seed(entries);
    notebook.open(Now);
    notebook.setFilter("A", "筑波");
    EXPECT_TRUE(notebook.trackLine().endsWith("5回の走行から）。"))
        << notebook.trackLine().toStdString();
    {
        NotebookStore store;
        ASSERT_TRUE(store.open(db()));
        ASSERT_TRUE(store.setGears({"48P", {84, 86}, {21, 22, 23}}));
    }
    struct
    {
        double limit;
        CarMount mount;
        const char* ending;
    } const steps[] = {
        {70, {}, "30.0 mm（予測、5回の走行から）。→ 手持ち 84/21"},
        {74, {}, "30.8 mm（予測、5回の走行から）。→ 手持ち 86/22"},
        {74, {"A", "48P", 106, 107}, "→ 手持ち 86/21"}, // 84/21 and 86/22 do not fit
        {74, {"A", "48P", 130, 140}, "→ 手持ちで収まる組合せなし"},
    };
    for (const auto& step : steps) {
        if (!step.mount.car.isEmpty()) {
            NotebookStore store;
            ASSERT_TRUE(store.open(db()));
            ASSERT_TRUE(store.setMount(step.mount));
        }
        notebook.setTempLimit(step.limit);
        EXPECT_TRUE(notebook.trackLine().endsWith(QString::fromUtf8(step.ending)))
            << notebook.trackLine().toStdString();
    }
}

// The gears typed in their window: refused whole with the reason, else kept
// in the file and carried by the CSV, which older files without them still read.
TEST_F(NotebookTest, OwnedGearsAreCheckedKeptAndShared)
{
    GearBox box(app, host);
    ASSERT_TRUE(box.open());
    const auto limits = OwnedGears::limits(25.4 / 48);
    struct
    {
        const char *spurs, *pinions;
        QString message;
    } const refused[] = {
        {"84-90", "25-17",
         GearMessages::problem({{}, OwnedGears::Problem::Backwards, "25-17"},
                               GearMessages::PinionField(), "48P", limits)},
        {"84, 200", "22",
         GearMessages::problem({{}, OwnedGears::Problem::OutsideLimits, "200"},
                               GearMessages::SpurField(), "48P", limits)},
    };
    for (const auto& r : refused) {
        host.messages.clear();
        EXPECT_FALSE(box.setGears("48P", r.spurs, r.pinions));
        EXPECT_EQ(host.messages, QStringList{r.message});
    }
    EXPECT_TRUE(box.inventory().isEmpty());
    ASSERT_TRUE(box.setGears("48P", "84-86, 90", "17-25, 28, 20-22"));
    EXPECT_EQ(box.done(), GearMessages::gearsSaved("48P", 4, 10));
    host.messages.clear();
    EXPECT_FALSE(box.setMount("A", "48P", "120", "110"));
    EXPECT_EQ(host.messages, QStringList{GearMessages::mountBackwards(120, 110)});
    ASSERT_TRUE(box.setMount("A", "48P", "27.78mm", "29.7 mm")); // 105 to 112 teeth
    EXPECT_EQ(box.done(), GearMessages::mountSaved("A", "48P", 105, 112));

    // Another connection (a second window, a restart) reads it as typed.
    GearBox again(app, host);
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.spursText("48P"), "84-86, 90");
    EXPECT_EQ(again.pinionsText("48P"), "17-25, 28");
    EXPECT_EQ(again.mountMost("A", "48P"), "112");

    const QByteArray bytes = NotebookCsv::write({run("A", "筑波", "60", 0)}, box.inventory());
    const auto back = NotebookCsv::readAll(bytes);
    ASSERT_TRUE(back) << back.error().toStdString();
    EXPECT_EQ(back->entries.size(), 1);
    EXPECT_TRUE(back->inventory == box.inventory());
    EXPECT_TRUE(
        NotebookCsv::readAll(NotebookCsv::write({run("A", "筑波", "60", 0)}))->inventory.isEmpty());
    QByteArray bad = bytes;
    bad.replace("84-86, 90", "84-86, 7");
    EXPECT_EQ(NotebookCsv::readAll(bad).error(),
              NotebookMessages::csvLine(
                  4, GearMessages::problem({{}, OwnedGears::Problem::OutsideLimits, "7"},
                                           GearMessages::SpurField(), "48P", limits)));
}

// ---- Two runs side by side ----------------------------------------------------

struct CompareCase
{
    const char* name;
    const char* column;
    QString left, right;
    bool differs;
};

const CompareCase compareCases[] = {
    {"one rollout written two ways", "rollout", "27.4", "27.40", false},
    {"another spur", "spur", "84", "82", true},
    {"blank against a temperature", "motor_temp", "", "60", true},
    {"a memo by its text", "note", "1.0", "1", true},
    {"padding is no difference", "track", " 筑波", "筑波", false},
};

class NotebookCompare : public ::testing::TestWithParam<CompareCase>
{
};

TEST_P(NotebookCompare, EveryFieldInItsRowDifferencesMarked)
{
    const CompareCase& c = GetParam();
    NotebookEntry left = run("A", "T", "60", 0), right = left;
    left.*notebookField(c.column).member = c.left;
    right.*notebookField(c.column).member = c.right;
    const QList<NotebookDifference> rows = notebookCompare(left, right);
    ASSERT_EQ(rows.size(), notebookFields().size() + 1); // the date, then every field
    for (const NotebookDifference& d : rows) {
        const bool compared = d.heading == notebookField(c.column).heading;
        EXPECT_EQ(d.differs, compared && c.differs) << d.heading.toStdString();
        if (compared) {
            EXPECT_EQ(QStringList({d.left, d.right}), QStringList({c.left, c.right}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Compare, NotebookCompare, ::testing::ValuesIn(compareCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !isalnum(c); }, '_');
                             return n;
                         });

// ---- Values no chart can scale, already stored --------------------------------

struct StoredCase
{
    const char* name;
    const char* column; // written into both runs, older first
    QString older, newer;
    Notebook::Column shownIn;
    QStringList listed; // newest first
    int charted;        // temperature and lap points of the chart by rollout
};

const QString E308 = QString(308, u'0');
const StoredCase storedCases[] = {
    {"laps spanning the doubles",
     "lap",
     "-1" + E308,
     "1" + E308,
     Notebook::Lap,
     {"1" + E308 + "※", "-1" + E308 + "※"},
     2},
    {"laps one ULP apart",
     "lap",
     "30.3",
     "30.300000000000004",
     Notebook::Lap,
     {"30.300秒", "30.300秒"},
     4},
    {"temperatures one ULP apart at 1e17",
     "motor_temp",
     "100000000000000000",
     "100000000000000016",
     Notebook::Temp,
     {"100000000000000016※", "100000000000000000※"},
     2},
    {"NaN and infinity from another tool", "lap", "NaN", "Inf", Notebook::Lap, {"Inf※", "NaN※"}, 2},
    {"1e308 and minus infinity",
     "motor_temp",
     "1e308",
     "-inf",
     Notebook::Temp,
     {"-inf※", "1e308※"},
     2},
    {"a spur not whole", "spur", "70.5", "71", Notebook::Gears, {"22/71", "22/70.5※"}, 4},
};

class NotebookStored : public NotebookTest, public ::testing::WithParamInterface<StoredCase>
{
};

// Listed as stored and marked, left out of the chart, whose scales stay sane.
TEST_P(NotebookStored, OpensListsAndLeavesStraysOutOfTheChart)
{
    const StoredCase& c = GetParam();
    seed({run("A", "T", "60", 0), run("A", "T", "61", 1)});
    const QString set = QStringLiteral("UPDATE entries SET %1 = '%2' WHERE id = (SELECT %3(id) "
                                       "FROM entries)");
    sql(db(), {set.arg(c.column, c.older, "min"), set.arg(c.column, c.newer, "max")});
    notebook.open(Now);
    ASSERT_EQ(notebook.shownCount(), 2);
    EXPECT_EQ(QStringList({notebook.cellText(0, c.shownIn), notebook.cellText(1, c.shownIn)}),
              c.listed);
    EXPECT_EQ(notebook.hasStray(1), c.listed[1].endsWith("※"));
    for (auto kind :
         {NotebookChart::XKind::Rollout, NotebookChart::XKind::Ratio, NotebookChart::XKind::Time}) {
        const NotebookChart::Plot plot = notebook.chart(kind);
        if (kind == NotebookChart::XKind::Rollout) {
            EXPECT_EQ(plot.temps.size() + plot.laps.size(), c.charted);
        }
        for (const NotebookChart::Axis* a : {&plot.x, &plot.temp, &plot.lap}) {
            EXPECT_TRUE(std::isfinite(a->lo) && std::isfinite(a->hi) && a->lo < a->hi);
            EXPECT_TRUE(a->ticks.size() >= 2 && a->ticks.size() <= NotebookChart::MaxTicks);
        }
    }
    // The editor shows it as stored; a save of another field keeps its bytes.
    const qint64 older = notebook.shownRow(1).id;
    ASSERT_TRUE(notebook.select(older));
    EXPECT_EQ(notebook.draft.*notebookField(c.column).member, c.older);
    notebook.draft.note = "memo";
    notebook.save_Click();
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('|').toStdString();
    EXPECT_EQ(
        sql(db(), {QStringLiteral("SELECT %1 FROM entries WHERE id = %2").arg(c.column).arg(older)})
            .toString(),
        c.older);
}

INSTANTIATE_TEST_SUITE_P(Stored, NotebookStored, ::testing::ValuesIn(storedCases),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !isalnum(c); }, '_');
                             return n;
                         });

// ---- CSV -------------------------------------------------------------------

const QStringList hostileCells = {"=HYPERLINK(\"http://x\")",
                                  "+1",
                                  "-5",
                                  "@SUM(A1)",
                                  "'=still",
                                  "'plain",
                                  "a, b",
                                  "say \"hi\"",
                                  "  padded  ",
                                  "ü é 🏎 ｶﾀｶﾅ"};

TEST_F(NotebookTest, CsvRoundTripKeepsHostileCellsHarmless)
{
    QList<NotebookEntry> entries;
    for (int i = 0; i < hostileCells.size(); ++i) {
        NotebookEntry e = run(hostileCells[i], hostileCells[i], "", i);
        e.note = e.conditions = hostileCells[i];
        entries << e;
    }
    const QByteArray bytes = NotebookCsv::write(entries);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x99\x82,")); // BOM, 日時
    EXPECT_TRUE(bytes.contains("'=HYPERLINK(\"\"http://x\"\")"));
    EXPECT_TRUE(bytes.contains(",'-5,") && bytes.contains(",'@SUM(A1),") &&
                bytes.contains(",''=still,"));
    EXPECT_EQ(bytes.count("\r\n"), entries.size() + 1);
    EXPECT_EQ(bytes.count('\n'), entries.size() + 1);
    const auto back = NotebookCsv::read(bytes);
    ASSERT_TRUE(back) << back.error().toStdString();
    ASSERT_EQ(back->size(), entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        EXPECT_TRUE((*back)[i].sameRun(entries[i])) << hostileCells[i].toStdString();
}

TEST_F(NotebookTest, ImportPreviewsSkipsDuplicatesAndIsAllOrNothing)
{
    seed({run("A", "筑波", "60", 0)});
    notebook.open(Now);
    QList<NotebookEntry> file = {run("A", "筑波", "60", 0), run("A", "筑波", "61", 1),
                                 run("A", "筑波", "61", 1), run("Ä 🏎", "筑波", "62", 2)};
    dir.writeBytes("in.csv", NotebookCsv::write(file));
    host.answers = {true};
    host.openPath = dir.file("in.csv");
    notebook.raise(u"importCsv");
    EXPECT_EQ(host.openPrompts, QStringList({"CSV (*.csv)"}));
    EXPECT_EQ(notebook.shownCount(), 3);
    ASSERT_EQ(host.questions.size(), 1);
    EXPECT_TRUE(
        host.questions[0].startsWith("2件の記録を追加します（すでにある2件は追加しません）"));
    EXPECT_EQ(host.messages, QStringList({NotebookMessages::imported(2, 2)}));
    EXPECT_EQ(notebook.carNames(), QStringList({"A", "Ä 🏎"})); // UTF-8 inside

    // A bad line anywhere: nothing is added.
    QByteArray bad = NotebookCsv::write({run("C", "x", "1", 5), run("C", "x", "301", 6)});
    dir.writeBytes("bad.csv", bad);
    host.messages.clear();
    notebook.importCsv(dir.file("bad.csv"));
    EXPECT_EQ(notebook.shownCount(), 3);
    EXPECT_EQ(host.messages, QStringList({NotebookMessages::csvLine(
                                 3, NotebookMessages::outOfRange("モーター温度(℃)", "-50～300"))}));

    // A write that fails partway (here a trigger refusing the second new run):
    // no run of the file is added.
    sql(db(), {"CREATE TRIGGER refuse BEFORE INSERT ON entries WHEN NEW.note = 'second' "
               "BEGIN SELECT RAISE(ABORT, 'refused'); END"});
    QList<NotebookEntry> partway = {run("D", "y", "1", 7), run("D", "y", "2", 8)};
    partway[1].note = "second";
    dir.writeBytes("partway.csv", NotebookCsv::write(partway));
    host.messages.clear();
    host.answers = {true};
    notebook.importCsv(dir.file("partway.csv"));
    notebook.reload();
    EXPECT_EQ(notebook.shownCount(), 3);
    EXPECT_EQ(host.messages.size(), 1);

    // The dialog cancelled: nothing is read or said.
    host.messages.clear();
    host.openPath.clear();
    notebook.raise(u"importCsv");
    EXPECT_EQ(notebook.shownCount(), 3);
    EXPECT_TRUE(host.messages.isEmpty());
}

// ---- Two writers, a killed writer ------------------------------------------

TEST_F(NotebookTest, TwoConnectionsWritingAtOnceLoseNothing)
{
    seed({});
    auto writer = [this](const QString& car) {
        NotebookStore store;
        ASSERT_TRUE(store.open(db()));
        for (int i = 0; i < 100; ++i)
            ASSERT_TRUE(store.add(run(car, "T", QString::number(i), i)));
    };
    std::thread a(writer, QStringLiteral("A")), b(writer, QStringLiteral("B"));
    a.join();
    b.join();
    notebook.open(Now);
    EXPECT_EQ(notebook.shownCount(), 200);
    EXPECT_EQ(notebook.carNames(), QStringList({"A", "B"}));
}

// Another copy deleted the run being edited here: the save is not told as
// done; what was typed stays in the fields, or becomes a new run.
TEST_F(NotebookTest, ARunDeletedElsewhereKeepsWhatWasTyped)
{
    seed({run("A", "T", "60", 0)});
    notebook.open(Now);
    const qint64 id = notebook.shownRow(0).id;
    ASSERT_TRUE(notebook.select(id));
    sql(db(), {QStringLiteral("DELETE FROM entries WHERE id = %1").arg(id)});
    notebook.draft.note = "タイヤが減っていた";
    host.answers = {false};
    notebook.save_Click();
    EXPECT_EQ(host.questions, QStringList({NotebookMessages::AskSaveVanished()}));
    EXPECT_EQ(notebook.draft.note, "タイヤが減っていた");
    EXPECT_TRUE(notebook.draftChanged());
    host.answers = {true};
    notebook.save_Click();
    ASSERT_EQ(notebook.shownCount(), 1);
    NotebookStore store;
    ASSERT_TRUE(store.open(db()));
    const auto saved = store.entry(notebook.shownRow(0).id);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->note, "タイヤが減っていた");
    EXPECT_FALSE(notebook.draftChanged());
    EXPECT_TRUE(host.messages.isEmpty());
}

// Another program holds the write lock: the save waits a moment while the
// window keeps drawing, then says so; what was typed stays for a retry.
TEST_F(NotebookTest, AHeldLockIsToldAndNothingTypedIsLost)
{
    seed({run("A", "T", "60", 0)});
    notebook.open(Now);
    ASSERT_TRUE(notebook.select(notebook.shownRow(0).id));
    int ticks = 0;
    notebook.setWaiting([&ticks] { ++ticks; });
    notebook.draft.lap = "12.345";
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "holder");
        holder.setDatabaseName(db());
        ASSERT_TRUE(holder.open());
        QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE"));
        notebook.save_Click();
        QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase("holder");
    EXPECT_EQ(host.messages, QStringList({NotebookMessages::Locked()}));
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(notebook.draft.lap, "12.345");
    notebook.save_Click();
    EXPECT_FALSE(notebook.draftChanged());
    EXPECT_EQ(notebook.cellText(0, Notebook::Lap), "12.345秒");
}

struct CrashCase
{
    const char* step;
    const char* mode;
    qsizetype entries; // afterwards
};

class NotebookCrash : public NotebookTest, public ::testing::WithParamInterface<CrashCase>
{
};

TEST_P(NotebookCrash, KilledOrFailingWriteLeavesTheFileWhole)
{
    const CrashCase& c = GetParam();
    ASSERT_TRUE(app.files().seedShippedFiles());
    seed({run("A", "T", "60", 0), run("A", "T", "61", 1), run("A", "T", "62", 2)});
    QProcess victim;
    victim.start(QStringLiteral(CRASHRUNNER), {dir.path(), "notebook", c.step, c.mode});
    ASSERT_TRUE(victim.waitForFinished(60000));
    EXPECT_EQ(victim.exitStatus() == QProcess::CrashExit, QByteArray(c.mode) == "kill");
    notebook.open(Now);
    EXPECT_EQ(host.messages, QStringList()); // no damage found
    EXPECT_EQ(sql(db(), {"PRAGMA integrity_check"}).toString(), "ok");
    EXPECT_EQ(notebook.shownCount(), c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Crash, NotebookCrash,
    ::testing::Values(CrashCase{"begin", "kill", 3}, CrashCase{"written", "kill", 3},
                      CrashCase{"committed", "kill", 4}, CrashCase{"begin", "fail", 3},
                      CrashCase{"written", "fail", 3}),
    [](const auto& info) { return std::string(info.param.step) + "_" + info.param.mode; });

// ---- The index kept up to date by one row ----------------------------------

// The whole index as text: two indexes are the same when their texts are.
QString indexText(const NotebookIndex& index)
{
    QStringList out = {index.cars.join(u'|'), index.tracks.join(u'|')};
    for (const NotebookRow& r : index.rows) {
        QStringList row;
        for (const double v :
             {double(r.id), double(r.taken), double(r.car), double(r.track), double(r.spur),
              double(r.pinion), r.total, r.rollout, r.temp, r.lap, double(r.strays)})
            row << QString::number(v);
        out << row.join(u' ');
    }
    QStringList strays;
    for (auto it = index.strayTexts.begin(); it != index.strayTexts.end(); ++it)
        strays << QStringLiteral("%1/%2=%3").arg(it.key().first).arg(it.key().second).arg(*it);
    strays.sort();
    return (out + strays).join(u'\n');
}

struct FollowCase
{
    const char* name;
    unsigned seed;
    int otherCopyEvery; // another connection writes every so many steps (0: never)
};

class NotebookFollows : public NotebookTest, public ::testing::WithParamInterface<FollowCase>
{
};

// Adds, edits and deletes in a random order, with ties in time, new names and
// stray values: the index followed row by row is the one read whole.
TEST_P(NotebookFollows, TheIndexFollowedEqualsTheOneReadWhole)
{
    const FollowCase& c = GetParam();
    NotebookStore store, other;
    ASSERT_TRUE(store.open(db()));
    ASSERT_TRUE(other.open(db()));
    std::mt19937 random(c.seed);
    auto pick = [&random](const QStringList& from) {
        return from[qsizetype(random() % unsigned(from.size()))];
    };
    auto someRun = [&](qint64 id) {
        NotebookEntry e =
            run(pick({"A", "B", "新車" + QString::number(random() % 40)}), pick({"x", "y", ""}),
                pick({"60", "", "hot", "-5"}), int(random() % 30));
        e.id = id;
        e.lap = pick({"12.5", "", "1e999", "99999"});
        e.spur = pick({"84", "", "8.5"});
        return e;
    };
    auto index = store.index();
    ASSERT_TRUE(index);
    for (int step = 0; step < 300; ++step) {
        const auto& rows = index->rows;
        const qint64 some = rows.empty() ? 0 : rows[random() % rows.size()].id;
        qint64 changed = 0;
        switch (some == 0 ? 0 : random() % 3) {
        case 0: {
            const auto added = store.add(someRun(0));
            ASSERT_TRUE(added);
            changed = *added;
            break;
        }
        case 1:
            ASSERT_TRUE(store.update(someRun(some)));
            changed = some;
            break;
        case 2:
            ASSERT_TRUE(store.remove(some));
            changed = some;
            break;
        }
        if (c.otherCopyEvery && step % c.otherCopyEvery == 0) {
            ASSERT_TRUE(other.add(someRun(0)));
        }
        ASSERT_TRUE(store.follow(*index, changed));
        const auto whole = store.index();
        ASSERT_TRUE(whole);
        ASSERT_EQ(indexText(*index), indexText(*whole)) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Follow, NotebookFollows,
                         ::testing::Values(FollowCase{"own_changes", 1, 0},
                                           FollowCase{"own_changes_again", 2, 0},
                                           FollowCase{"another_copy_writes_too", 3, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

// Another copy writes while the list is read on a thread, before or after
// the read: what it wrote is listed once the opening is done, as read whole.
TEST_F(NotebookTest, RunsNotedElsewhereWhileTheListIsReadAreListed)
{
    seed({run("A", "x", "60", 0), run("B", "y", "61", 1)});
    notebook.openAside({}, Now);
    NotebookStore other;
    ASSERT_TRUE(other.open(db()));
    ASSERT_TRUE(other.add(run("C", "x", "62", 2)));
    const bool listedEarly = notebook.takeList();
    notebook.finishOpening();
    notebook.setFilter({}, {});
    EXPECT_EQ(notebook.shownCount(), 3) << "listed before the check: " << listedEarly;
    EXPECT_TRUE(notebook.isOpen());
    EXPECT_TRUE(host.messages.isEmpty());
    // A later window of the session reads only what was written since.
    ASSERT_TRUE(other.add(run("D", "x", "63", 3)));
    notebook.openAside({}, Now);
    EXPECT_FALSE(notebook.opening());
    EXPECT_EQ(notebook.shownCount(), 4);
}

// Read ahead at start-up, then opened by a window: what changed in between is
// what the window lists.
struct ReadAheadCase
{
    const char* name;
    std::function<void(const QString& path)> meanwhile;
    qsizetype listed;
};

const ReadAheadCase readAheadCases[] = {
    {"nothing_changed", [](const QString&) {}, 2},
    {"another_copy_noted_a_run",
     [](const QString& p) {
         NotebookStore other;
         ASSERT_TRUE(other.open(p));
         ASSERT_TRUE(other.add(run("C", "x", "62", 2)));
     },
     3},
    {"a_backup_of_one_run_put_in_its_place",
     [](const QString& p) {
         const QString backup = p + ".backup";
         {
             NotebookStore store;
             ASSERT_TRUE(store.open(backup));
             ASSERT_TRUE(store.add(run("Z", "z", "50", 9)));
         }
         ASSERT_EQ(
             ::rename(QFile::encodeName(backup).constData(), QFile::encodeName(p).constData()), 0);
     },
     1},
};

class NotebookReadAhead : public NotebookTest, public ::testing::WithParamInterface<ReadAheadCase>
{
};

TEST_P(NotebookReadAhead, TheWindowListsTheFileAsItIsThen)
{
    seed({run("A", "x", "60", 0), run("B", "y", "61", 1)});
    notebook.readAhead();
    notebook.waitForReading();
    GetParam().meanwhile(db());
    int told = 0;
    notebook.openAside([&] { ++told; }, Now);
    notebook.finishOpening();
    notebook.setFilter({}, {});
    EXPECT_EQ(notebook.shownCount(), GetParam().listed);
    EXPECT_TRUE(notebook.isOpen());
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_GT(told, 0) << "the window hears of a read done before it asked";
}

INSTANTIATE_TEST_SUITE_P(ReadAhead, NotebookReadAhead, ::testing::ValuesIn(readAheadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Pages -----------------------------------------------------------------

TEST_F(NotebookTest, SheetsGoThroughTheHostsPrintingPath)
{
    NotebookEntry e = run("A", "筑波", "60", 0);
    e.note = QString(100, u'あ');
    const PrintPage sheet = NotebookSheet::entryPage(e);
    EXPECT_FALSE(sheet.landscape);
    QStringList texts;
    for (const PageOp& op : sheet.ops) {
        texts << op.text;
        EXPECT_TRUE(op.x >= 0 && op.x2 <= 11906 && op.y >= 0 && op.y <= 16838);
    }
    EXPECT_TRUE(texts.contains("セッティングシート　A"));
    EXPECT_TRUE(texts.contains("9.92727"));
    host.savePath = dir.file("a.pdf");
    seed({e});
    notebook.open(Now);
    ASSERT_TRUE(notebook.select(notebook.shownRow(0).id));
    host.messages.clear();
    notebook.pdfEntry_Click();
    notebook.printHistory_Click();
    notebook.printEntry_Click();
    notebook.printChart_Click();
    EXPECT_EQ(host.pages.size(), 4);
    // Worded as every other page of the program words it.
    EXPECT_EQ(host.messages,
              QStringList({"PDFファイルに保存しました：\n" + dir.file("a.pdf"), "PRINT OUTしました",
                           "PRINT OUTしました", "PRINT OUTしました"}));
    EXPECT_EQ(host.savePrompts.value(0),
              "zeltan-A-" + QDate::currentDate().toString("yyyyMMdd") + ".pdf");
}

} // namespace
