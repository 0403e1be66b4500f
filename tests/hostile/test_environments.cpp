// The program on machines as they really are: files this user cannot read,
// control characters in files, special files, read-only files, ACLs, folder
// names that are bytes, and names too long for the file system.

#include "print/printout.h"
#include "support/appfixture.h"

#include <QProcess>
#include <cerrno>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <tuple>
#include <unistd.h>

// Messages and names shown as text when a row fails.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << bytes.toStdString(); }

namespace {

// What a path holds: a regular file's bytes, or what stands there instead.
QByteArray contentOf(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "<missing>";
    if (S_ISFIFO(st.st_mode))
        return "<fifo>";
    if (S_ISDIR(st.st_mode))
        return "<folder>";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// Owner, group, mode and every extended attribute (the ACL among them).
QByteArray attributesOf(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return {};
    QByteArray out = QByteArray::number(st.st_uid) + ':' + QByteArray::number(st.st_gid) + ' ' +
                     QByteArray::number(st.st_mode, 8);
    char list[4096];
    const ssize_t size = ::llistxattr(name.constData(), list, sizeof list);
    for (const QByteArray& attr : QByteArray(list, qMax<ssize_t>(size, 0)).split('\0')) {
        char value[4096];
        const ssize_t n = ::lgetxattr(name.constData(), attr.constData(), value, sizeof value);
        if (!attr.isEmpty())
            out += ' ' + attr + '=' + QByteArray(value, qMax<ssize_t>(n, 0)).toHex();
    }
    return out;
}

// The saved-input write of the window run by another user, who cannot read
// what root made 000; as root the suite drops to nobody for it.
QStringList savedAsAnotherUser(const TempFolder& dir)
{
    const QStringList victim = {QStringLiteral(CRASHRUNNER), dir.path(), "save", "none", "fail"};
    QProcess p;
    if (geteuid() == 0) {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
        p.start("setpriv",
                QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + victim);
    } else {
        p.start(victim.first(), victim.mid(1));
    }
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void setfacl(const QStringList& arguments)
{
    QProcess p;
    p.start("setfacl", arguments);
    ASSERT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0)
        << p.readAllStandardError().toStdString();
}

struct Case
{
    const char* name;
    QString file; // the path whose content and attributes are asserted
    std::function<void(TempFolder&)> prepare;
    std::function<QStringList(Giadsp&, FakeHost&, TempFolder&)> act; // gives what is told
    QStringList told;                                                // "{dir}" is the folder
    std::optional<QByteArray> after; // the content after; none: as it was
};

const QString denied = qt_error_string(EACCES);
const QByteArray machine = "Car A,48P,2.5,70,15,20,15,1,1\r\n";

void seed(TempFolder& dir, const QByteArray& machines = machine)
{
    ASSERT_TRUE(DataFolder(dir.path()).seedShippedFiles());
    dir.writeBytes("masin.dat", machines);
}

void replaceFirstLine(TempFolder& dir, const char* name, const QByteArray& line)
{
    QByteArray bytes = dir.bytes(name);
    dir.writeBytes(name, line + bytes.mid(bytes.indexOf("\r\n")));
}

QStringList registered(Giadsp& app, FakeHost& host, TempFolder&)
{
    app.Form_Load();
    fillMachinePanel(app.form(), "New");
    app.Command22_Click();
    return host.messages;
}

QStringList saved(Giadsp& app, FakeHost& host, TempFolder&)
{
    app.Form_Load();
    app.Command1_Click();
    return host.messages;
}

QStringList defaultFolderMade(Giadsp&, FakeHost&, TempFolder&)
{
    const Result<QString> folder = DataFolder::defaultLocation();
    const Result<> made = folder ? DataFolder::makeUsable(*folder) : Result<>(folder.failure());
    return made ? QStringList() : QStringList{made.error()};
}

// The grid of one filled cell in the window's 31 × 31, saved under the name
// suggested for a title of 245 bytes holding " * and ?.
QStringList csvOfALongTitle(Giadsp& app, FakeHost& host, TempFolder& dir)
{
    app.Form_Load();
    Form& f = app.form();
    f.MSFlexGrid1.clear();
    for (auto [row, col, text] : {std::tuple{0, 1, "70"}, {1, 0, "20"}, {1, 1, "3.500"}}) {
        f.MSFlexGrid1.setCurrentCell(row, col);
        f.MSFlexGrid1.setText(QString::fromLatin1(text));
    }
    f.Label13.text = QStringLiteral("\"R\"*?") + QString(80, u'あ');
    host.messages.clear();
    PrintOut::saveCsv(f, host, QDate(2026, 12, 7)); // cancelled: only the suggestion
    host.savePath = dir.file(host.savePrompts.value(0));
    PrintOut::saveCsv(f, host, QDate(2026, 12, 7));
    return host.messages;
}

const Case cases[] = {
    {"a GIA.DAT this user cannot read is never replaced",
     "GIA.DAT",
     [](TempFolder& dir) {
         seed(dir);
         QFile::setPermissions(dir.file("GIA.DAT"), {});
     },
     [](Giadsp&, FakeHost&, TempFolder& dir) { return savedAsAnotherUser(dir); },
     {"GIA.DAT を読み込めませんでした：" + denied, "システム中に設定されたモジュールが存在しません",
      "２次減速比が設定されていません", "GIA.DAT を読み込めないため保存しませんでした：" + denied},
     std::nullopt},
    {"a tab in a machine name read from masin.dat blocks no save",
     "masin.dat",
     [](TempFolder& dir) { seed(dir, "Car\tA,48P,2.5,70,15,20,15,1,1\r\n"); },
     [](Giadsp& app, FakeHost& host, TempFolder&) {
         app.Form_Load();
         app.form().List1.listIndex = 0;
         app.List1_Click();
         return host.messages;
     },
     {},
     std::nullopt},
    {"a tab in GIA.DAT becomes a blank",
     "GIA.DAT",
     [](TempFolder& dir) {
         seed(dir);
         replaceFirstLine(dir, "GIA.DAT", "My\tcar");
     },
     saved,
     {},
     "My car\r\n2.5\r\n80\r\n25\r\n8.00000\r\n48P\r\n75\r\n15\r\n20\r\n15\r\n1\r\n1\r\n"},
    {"a FIFO named masin.dat is told and never waited on",
     "masin.dat",
     [](TempFolder& dir) {
         seed(dir);
         QFile::remove(dir.file("masin.dat"));
         ::mkfifo(QFile::encodeName(dir.file("masin.dat")).constData(), 0644);
     },
     registered,
     {"masin.dat は通常のファイルではないため使えません",
      "masin.dat は通常のファイルではないため使えません"},
     std::nullopt},
    {"a masin.dat without write permission is kept",
     "masin.dat",
     [](TempFolder& dir) {
         seed(dir);
         QFile::setPermissions(dir.file("masin.dat"), QFileDevice::ReadOwner |
                                                          QFileDevice::ReadGroup |
                                                          QFileDevice::ReadOther);
     },
     registered,
     {"masin.dat は読み取り専用のため保存しませんでした"},
     std::nullopt},
    {"a rewrite keeps the ACL, whatever the folder's default ACL",
     "masin.dat",
     [](TempFolder& dir) {
         seed(dir);
         QFile::setPermissions(dir.file("masin.dat"), QFileDevice::ReadOwner |
                                                          QFileDevice::WriteOwner |
                                                          QFileDevice::ReadGroup);
         setfacl({"-m", "u:nobody:r", dir.file("masin.dat")});
         setfacl({"-d", "-m", "u:nobody:rwx,g::rwx", dir.path()});
     },
     registered,
     {},
     "New,48P,1,1,1,1,1,1,1\r\n" + machine},
    {"an XDG_DATA_HOME of bytes Qt cannot keep makes no other folder",
     "Daten-\uFFFD",
     [](TempFolder& dir) {
         qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()) + "/Daten-\xE4");
     },
     defaultFolderMade,
     {"フォルダ名「{dir}/Daten-\uFFFD」には、このシステムの文字コードで読めないバイトがあります"},
     std::nullopt},
    {"a relative XDG_DATA_HOME is ignored",
     ".local/share/zeltan",
     [](TempFolder& dir) {
         qputenv("XDG_DATA_HOME", "rel");
         qputenv("HOME", QFile::encodeName(dir.path()));
     },
     defaultFolderMade,
     {},
     "<folder>"},
    {"a long title with \" * ? saves under the name suggested",
     "zeltan-_R___" + QString(73, u'あ') + "-20261207.csv",
     [](TempFolder& dir) { seed(dir); },
     csvOfALongTitle,
     {"CSVファイルに保存しました：\n{dir}/zeltan-_R___" + QString(73, u'あ') + "-20261207.csv"},
     "\xEF\xBB\xBF,70\r\n20,3.500\r\n"},
};

class Environments : public ::testing::Test
{
protected:
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", m_home);
    }

private:
    const QByteArray m_home = qgetenv("HOME");
};

TEST_F(Environments, NoneLosesAnInputHangsOrGuessesTheReason)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        c.prepare(dir);
        const QString path = dir.file(c.file);
        const QByteArray before = contentOf(path), attributes = attributesOf(path);
        FakeHost host;
        Giadsp app(host, dir.path());
        QStringList told;
        for (QString t : c.told)
            told << t.replace("{dir}", dir.path());
        EXPECT_EQ(c.act(app, host, dir), told);
        EXPECT_EQ(contentOf(path), c.after.value_or(before));
        if (before != "<missing>") {
            EXPECT_EQ(attributesOf(path), attributes);
        }
    }
}

} // namespace
