#include "app/giadsp.h"
#include "common/recordfile.h"
#include "gearmodules/moduletable.h"
#include "support/appfixture.h"
#include "support/tempfolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Every call of a write whose outcome counts, in the order they happen.
const QStringList steps = {"work-open",        "work-write",      "work-sync",  "work-rename",
                           "work-folder-sync", "data-open",       "data-write", "data-sync",
                           "data-rename",      "data-folder-sync"};

const QStringList machines = {"Car A,48P,2.5,70,15,20,15,1,1", "Car B,64P,2.0,100,15,30,15,1,1",
                              "\"Car, C\",0.5M,2.6,70,10,20,10,1,1"};

QStringList names(const QByteArray& file) { return RecordFile::Snapshot::of(file).keys(); }

struct Operation
{
    const char* name;
    const char* file;
};

const Operation operations[] = {
    {"register", "masin.dat"},       {"delete", "masin.dat"},
    {"module-create", "module.dat"}, {"module-overwrite", "module.dat"},
    {"module-delete", "module.dat"}, {"save", "GIA.DAT"},
};

class CrashSafety : public ::testing::Test
{
protected:
    // Runs the victim; returns its exit status and whether it was killed.
    std::pair<int, bool> run(const TempFolder& dir, const Operation& op, const QString& step,
                             const char* mode)
    {
        QProcess victim;
        victim.start(QStringLiteral(CRASHRUNNER), {dir.path(), op.name, step, mode});
        EXPECT_TRUE(victim.waitForFinished(60000));
        return {victim.exitCode(), victim.exitStatus() == QProcess::CrashExit};
    }

    void prepare(TempFolder& dir)
    {
        FakeHost host;
        Giadsp seed(host, dir.path());
        ASSERT_TRUE(seed.files().seedShippedFiles());
        dir.write("masin.dat", machines);
    }
};

TEST_F(CrashSafety, EveryWriteKilledOrFailingAtEveryStepLeavesOldOrNewFiles)
{
    int survived = 0;
    for (const Operation& op : operations) {
        // The new content, from a run to the end.
        TempFolder reference;
        prepare(reference);
        const QByteArray oldBytes = reference.bytes(op.file);
        ASSERT_EQ(run(reference, op, "none", "kill").first, 0) << op.name;
        const QByteArray newBytes = reference.bytes(op.file);
        ASSERT_NE(oldBytes, newBytes) << op.name;

        for (const QString& step : steps) {
            for (const char* mode : {"kill", "fail"}) {
                TempFolder dir;
                prepare(dir);
                const QStringList namesBefore = names(dir.bytes("masin.dat"));
                const auto [code, killed] = run(dir, op, step, mode);
                const bool writesWorkFile = op.file != QStringLiteral("GIA.DAT");
                const bool stepHappens = writesWorkFile || step.startsWith("data");
                if (stepHappens) {
                    EXPECT_EQ(killed, qstrcmp(mode, "kill") == 0)
                        << op.name << " " << qPrintable(step);
                    if (!killed) {
                        EXPECT_EQ(code, 3) << "a failed write is reported";
                    }
                }
                const QByteArray after = dir.bytes(op.file);
                EXPECT_TRUE(after == oldBytes || after == newBytes)
                    << op.name << " " << qPrintable(step) << " " << mode;
                if (stepHappens && steps.indexOf(step) < steps.indexOf("data-rename")) {
                    EXPECT_EQ(after, oldBytes) << "the data file is replaced only by the rename";
                }

                // The program opens again and has lost no record.
                FakeHost host;
                Giadsp restarted(host, dir.path());
                restarted.Form_Load();
                // A module deleted for good is missing from the saved inputs then.
                if (op.name == QStringLiteral("module-delete") && after == newBytes)
                    host.messages.removeAll(ModuleTable::missingModule());
                EXPECT_TRUE(host.messages.isEmpty()) << op.name << " " << qPrintable(step) << ": "
                                                     << host.messages.join('\n').toStdString();
                const QStringList listed = restarted.form().List1.items;
                for (const QString& name : namesBefore) {
                    EXPECT_TRUE(listed.contains(name) ||
                                (op.name == QStringLiteral("delete") && after == newBytes))
                        << qPrintable(name);
                }
                // And a further write goes through: no stale lock or temp file blocks it.
                fillMachinePanel(restarted.form(), "After");
                restarted.Command22_Click();
                EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join('\n').toStdString();
                EXPECT_EQ(restarted.form().List1.items.value(0), "After");
                ++survived;
            }
        }
    }
    std::printf("injected faults survived: %d\n", survived);
    EXPECT_EQ(survived, int(std::size(operations)) * int(steps.size()) * 2);
}

TEST_F(CrashSafety, AFirstStartStoppedAnywhereIsSeededWholeNextTime)
{
    const Operation seed{"seed", "module.dat"};
    struct Case
    {
        const char* step;
        const char* mode;
    };
    const Case cases[] = {{"data-open", "kill"},
                          {"data-write", "kill"},
                          {"data-sync", "kill"},
                          {"data-write", "fail"},
                          {"none", "kill"}};
    TempFolder reference;
    ASSERT_EQ(run(reference, seed, "none", "kill").first, 0);
    const QByteArray shipped = reference.bytes("module.dat");
    for (const Case& c : cases) {
        TempFolder dir;
        run(dir, seed, c.step, c.mode);
        EXPECT_TRUE(!dir.exists("module.dat") || dir.bytes("module.dat") == shipped) << c.step;

        FakeHost host;
        Giadsp restarted(host, dir.path());
        EXPECT_TRUE(restarted.files().seedShippedFiles()) << c.step;
        restarted.Form_Load();
        EXPECT_TRUE(host.messages.isEmpty()) << c.step;
        EXPECT_TRUE(restarted.form().Combo7.items.contains("XXモジュール")) << c.step;
    }
    // The empty module.dat an older version left when stopped while seeding.
    TempFolder older;
    older.writeBytes("module.dat", QByteArray());
    FakeHost host;
    Giadsp restarted(host, older.path());
    EXPECT_TRUE(restarted.files().seedShippedFiles());
    EXPECT_EQ(older.bytes("module.dat"), shipped);
}

} // namespace
