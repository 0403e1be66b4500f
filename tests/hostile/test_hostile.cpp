#include "common/recordfile.h"
#include "support/appfixture.h"

#include <QDir>
#include <QRandomGenerator>
#include <sys/mount.h>
#include <unistd.h>

namespace {

class Hostile : public AppFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(app.files().seedShippedFiles()); }

    void fillPanel(const QString& name) { fillMachinePanel(f, name); }
};

TEST_F(Hostile, HugeLinesNulBytesAndInvalidCp932StillOpen)
{
    QByteArray bytes = "Car A,48P,2.5,70,15,20,15,1,1\r\n";
    bytes += QByteArray(8 * 1024 * 1024, 'x') + "\r\n";
    QByteArray noise(4096, '\0');
    QRandomGenerator rng(7);
    for (char& b : noise)
        b = char(rng.bounded(256));
    static const char tail[] =
        "\r\n\x81\r\n\xff\xfe\x00\x00,\x82\r\nCar B,48P,2.5,70,15,20,15,1,1\r\n";
    bytes += noise + QByteArray(tail, sizeof tail - 1);
    dir.writeBytes("masin.dat", bytes);
    app.Form_Load();
    EXPECT_EQ(f.List1.items.first(), "Car A");
    EXPECT_EQ(f.List1.items.last(), "Car B");
    EXPECT_EQ(f.List1.items[1].size(), 8 * 1024 * 1024);
    for (const QString& item : f.List1.items)
        EXPECT_FALSE(item.contains(QChar(0)));

    // Registering another car copies every record it does not change byte for byte.
    fillPanel("New");
    host.messages.clear();
    press(ControlId::Command22);
    EXPECT_TRUE(host.messages.isEmpty());
    const auto before = RecordFile::Snapshot::of(bytes);
    const auto after = RecordFile::Snapshot::of(dir.bytes("masin.dat"));
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.keys().first(), "New");
    for (qsizetype i = 0; i < before.size(); ++i)
        ASSERT_EQ(after.raw(i + 1), before.raw(i)) << i;
}

TEST_F(Hostile, AMillionRecordsAreListed)
{
    QByteArray bytes;
    bytes.reserve(40 * 1000 * 1000);
    for (int i = 0; i < 1000000; ++i)
        bytes += "Car " + QByteArray::number(i) + ",48P,2.5,70,15,20,15,1,1\r\n";
    dir.writeBytes("masin.dat", bytes);
    app.Form_Load();
    EXPECT_TRUE(host.messages.isEmpty());
    ASSERT_EQ(f.List1.items.size(), 1000000);
    EXPECT_EQ(f.List1.items.last(), "Car 999999");
}

TEST_F(Hostile, AFileBeyondAnySensibleSizeIsReportedNotLoaded)
{
    QFile big(dir.file("masin.dat"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(65LL * 1024 * 1024)); // sparse
    big.close();
    app.Form_Load();
    EXPECT_TRUE(host.messages.join('\n').contains("masin.dat"));
    EXPECT_TRUE(f.List1.items.isEmpty());
    fillPanel("New");
    press(ControlId::Command22);
    EXPECT_EQ(QFileInfo(dir.file("masin.dat")).size(), 65LL * 1024 * 1024);
}

TEST_F(Hostile, FoldersInPlaceOfEveryFileAreReportedAndKept)
{
    for (const char* name : {"GIA.DAT", "module.dat", "masin.dat", "help.txt", "mawork.dat"}) {
        QFile::remove(dir.file(name));
        ASSERT_TRUE(QDir(dir.path()).mkdir(name));
    }
    app.Form_Load();
    EXPECT_FALSE(host.messages.isEmpty());
    f.Label11.text = "8";
    press(ControlId::Command4);
    fillPanel("New");
    press(ControlId::Command22);
    press(ControlId::tsitei);
    for (const char* name : {"GIA.DAT", "module.dat", "masin.dat", "help.txt", "mawork.dat"})
        EXPECT_TRUE(QFileInfo(dir.file(name)).isDir()) << name;
}

// A small filesystem of our own, for a full disk and a read-only folder.
class OwnMount : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "mounting a tmpfs needs root";
        if (::mount("tmpfs", tmp.path().toLocal8Bit().constData(), "tmpfs", 0, "size=256k") != 0)
            GTEST_SKIP() << "tmpfs cannot be mounted here";
        mounted = true;
    }
    void TearDown() override
    {
        if (mounted)
            ::umount2(tmp.path().toLocal8Bit().constData(), MNT_DETACH);
    }
    void remount(const char* options)
    {
        ASSERT_EQ(::mount("tmpfs", tmp.path().toLocal8Bit().constData(), "tmpfs",
                          MS_REMOUNT | (qstrcmp(options, "ro") == 0 ? MS_RDONLY : 0), "size=256k"),
                  0);
    }
    QTemporaryDir tmp;
    bool mounted = false;
};

TEST_F(OwnMount, AFullDiskLeavesEveryFileAsItWas)
{
    FakeHost host;
    Giadsp app(host, tmp.path());
    ASSERT_TRUE(app.files().seedShippedFiles());
    TempFolder sample;
    sample.write("masin.dat", {"Car A,48P,2.5,70,15,20,15,1,1"});
    QFile::copy(sample.file("masin.dat"), tmp.filePath("masin.dat"));
    app.Form_Load();
    const QByteArray gia = [&] {
        QFile g(tmp.filePath("GIA.DAT"));
        return g.open(QIODevice::ReadOnly) ? g.readAll() : QByteArray();
    }();
    // Fill the disk to the last byte.
    QFile filler(tmp.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
    filler.close();

    Form& f = app.form();
    f.Label11.text = "84";
    app.Command2_Click();
    fillMachinePanel(f, "New");
    app.Command22_Click();
    EXPECT_GE(host.messages.size(), 2);
    QFile g(tmp.filePath("GIA.DAT"));
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(g.readAll(), gia);
    QFile m(tmp.filePath("masin.dat"));
    ASSERT_TRUE(m.open(QIODevice::ReadOnly));
    EXPECT_EQ(m.readAll(), sample.bytes("masin.dat"));
    EXPECT_EQ(f.List1.items, QStringList{"Car A"});
}

TEST_F(OwnMount, AReadOnlyFolderOpensAndReportsEveryWrite)
{
    remount("ro");
    FakeHost host;
    Giadsp app(host, tmp.path());
    EXPECT_FALSE(app.files().seedShippedFiles());
    app.Form_Load();
    EXPECT_FALSE(host.messages.isEmpty());
    host.messages.clear();
    app.form().Label11.text = "7";
    app.Command4_Click();
    EXPECT_FALSE(host.messages.isEmpty());
    // Retrying cannot help: the message names the folder instead of a busy copy.
    host.messages.clear();
    Form& f = app.form();
    fillMachinePanel(f, "New");
    app.Command22_Click();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains(tmp.path())) << host.messages[0].toStdString();
    EXPECT_TRUE(QDir(tmp.path()).entryList(QDir::Files).isEmpty());
}

} // namespace

namespace {

TEST_F(Hostile, AHugeModuleTableListsItsFirstModulesAndStillLoadsAnyTyped)
{
    QStringList lines;
    for (int i = 0; i <= 10000; ++i)
        lines << QString("M%1,70,100,1,70,15,30,1,15").arg(i);
    dir.write("module.dat", lines);
    app.Form_Load();
    EXPECT_EQ(f.Combo7.items.size(), 10000);
    EXPECT_TRUE(host.messages.join('\n').contains("先頭の10000件"))
        << qPrintable(host.messages.join('\n'));
    f.Combo7.text = "M10000"; // beyond the list, typed in
    host.messages.clear();
    press(ControlId::Combo7);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(f.Combo1.text, "70");
}

} // namespace
