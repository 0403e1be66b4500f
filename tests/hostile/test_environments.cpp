// The program on machines as they really are: files this user cannot read,
// control characters in files, special files, read-only files, ACLs, a
// relative XDG_DATA_HOME, and names too long for the file system.

#include "app/pagedelivery.h"
#include "gearmodules/moduletable.h"
#include "print/gridexport.h"
#include "support/appfixture.h"

#include <QProcess>
#include <cerrno>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <tuple>
#include <unistd.h>

// Messages and bytes shown as text when a row fails.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << bytes.toStdString(); }

namespace {

// What a path holds: a regular file's bytes, or what stands there instead;
// then its owner, group, mode and every extended attribute (the ACL too).
std::pair<QByteArray, QByteArray> stateOf(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return {"<missing>", {}};
    QFile file(path);
    const QByteArray content = S_ISFIFO(st.st_mode)             ? "<fifo>"
                               : S_ISDIR(st.st_mode)            ? "<folder>"
                               : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                : "<unreadable>";
    QByteArray attributes = QByteArray::number(st.st_uid) + ':' + QByteArray::number(st.st_gid) +
                            ' ' + QByteArray::number(st.st_mode, 8);
    char list[4096], value[4096];
    const ssize_t size = ::llistxattr(name.constData(), list, sizeof list);
    for (const QByteArray& attr : QByteArray(list, qMax<ssize_t>(size, 0)).split('\0')) {
        const ssize_t n = ::lgetxattr(name.constData(), attr.constData(), value, sizeof value);
        attributes += ' ' + attr + '=' + QByteArray(value, qMax<ssize_t>(n, 0)).toHex();
    }
    return {content, attributes};
}

// One saved-input write (the SET of the spur) by a user who cannot read what
// root made 000: as root the suite drops to nobody for it.
QStringList savedAsAnotherUser(const TempFolder& dir)
{
    QStringList victim = {QStringLiteral(CRASHRUNNER), dir.path(), "save", "none", "fail"};
    if (geteuid() == 0) {
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
        victim =
            QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"} + victim;
    }
    QProcess p;
    p.start(victim.first(), victim.mid(1));
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

const QString denied = qt_error_string(EACCES);
const QByteArray machine = "Car A,48P,2.5,70,15,20,15,1,1\r\n";
QByteArray gia(const QByteArray& title)
{
    return title + "\r\n2.5\r\n80\r\n25\r\n8.00000\r\n48P\r\n75\r\n15\r\n20\r\n15\r\n1\r\n1\r\n";
}

void seed(TempFolder& dir, const QByteArray& machines = machine)
{
    ASSERT_TRUE(DataFolder(dir.path()).seedShippedFiles());
    dir.writeBytes("masin.dat", machines);
}

// The actions of a row; each gives what the user was told.
using Act = std::function<QStringList(Giadsp&, FakeHost&, TempFolder&)>;
const Act registered = [](Giadsp& app, FakeHost& host, TempFolder&) {
    app.Form_Load();
    fillMachinePanel(app.form(), "New");
    app.Command22_Click();
    return host.messages;
};

// A 31 × 31 grid with three cells filled, saved under the name suggested for
// a title of 245 bytes holding " * and ?.
const Act csvOfALongTitle = [](Giadsp& app, FakeHost& host, TempFolder& dir) {
    Form& f = app.form();
    f.MSFlexGrid1.setRows(31);
    f.MSFlexGrid1.setCols(31);
    for (const auto& [row, col, text] : {std::tuple{0, 1, "70"}, {1, 0, "20"}, {1, 1, "3.500"}}) {
        f.MSFlexGrid1.setCurrentCell(row, col);
        f.MSFlexGrid1.setText(QString::fromLatin1(text));
    }
    f.Label13.text = QStringLiteral("\"R\"*?") + QString(80, u'あ');
    const QString name =
        GridExport::fileName(f.Label13.text, QDate(2026, 12, 7), QStringLiteral("csv"));
    const QByteArray csv = GridExport::csv(f.MSFlexGrid1);
    PageDelivery::saveCsv(host, csv, name); // cancelled: only the suggestion
    host.savePath = dir.file(host.savePrompts.value(0));
    PageDelivery::saveCsv(host, csv, name);
    return host.messages;
};

const struct
{
    const char* name;
    QString file; // the path whose content and attributes are asserted
    std::function<void(TempFolder&)> prepare;
    Act act;
    QStringList told;                // "{dir}" is the folder
    std::optional<QByteArray> after; // the content after; none: as it was
} cases[] = {
    {"a GIA.DAT this user cannot read is never replaced",
     "GIA.DAT",
     [](TempFolder& dir) {
         seed(dir);
         QFile::setPermissions(dir.file("GIA.DAT"), {});
     },
     [](Giadsp&, FakeHost&, TempFolder& dir) { return savedAsAnotherUser(dir); },
     {"GIA.DAT を読み込めませんでした：" + denied, ModuleTable::missingModule(),
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
         dir.writeBytes("GIA.DAT", gia("My\tcar"));
     },
     [](Giadsp& app, FakeHost& host, TempFolder&) {
         app.Form_Load();
         app.Command1_Click();
         return host.messages;
     },
     {},
     gia("My car")},
    {"a FIFO named masin.dat is told and never waited on", "masin.dat",
     [](TempFolder& dir) {
         seed(dir);
         QFile::remove(dir.file("masin.dat"));
         ::mkfifo(QFile::encodeName(dir.file("masin.dat")).constData(), 0644);
     },
     registered, QStringList(2, "masin.dat は通常のファイルではないため使えません"), std::nullopt},
    {"a masin.dat without write permission is kept",
     "masin.dat",
     [](TempFolder& dir) {
         seed(dir);
         ::chmod(QFile::encodeName(dir.file("masin.dat")).constData(), 0444);
     },
     registered,
     {"masin.dat は読み取り専用のため保存しませんでした"},
     std::nullopt},
    {"a rewrite keeps the ACL, whatever the folder's default ACL",
     "masin.dat",
     [](TempFolder& dir) {
         seed(dir);
         ::chmod(QFile::encodeName(dir.file("masin.dat")).constData(), 0640);
         EXPECT_EQ(QProcess::execute("setfacl", {"-m", "u:nobody:r", dir.file("masin.dat")}), 0);
         EXPECT_EQ(QProcess::execute("setfacl", {"-d", "-m", "u:nobody:rwx,g::rwx", dir.path()}),
                   0);
     },
     registered,
     {},
     "New,48P,1,1,1,1,1,1,1\r\n" + machine},
    {"a relative XDG_DATA_HOME is ignored",
     ".local/share/zeltan",
     [](TempFolder& dir) {
         qputenv("XDG_DATA_HOME", "rel");
         qputenv("HOME", QFile::encodeName(dir.path()));
     },
     [](Giadsp&, FakeHost&, TempFolder&) {
         const Result<QString> folder = DataFolder::defaultLocation();
         return folder && DataFolder::makeUsable(*folder) ? QStringList() : QStringList{"failed"};
     },
     {},
     "<folder>"},
    {"a long title with \" * ? saves under the name suggested",
     "zeltan-_R___" + QString(73, u'あ') + "-20261207.csv",
     [](TempFolder& dir) { seed(dir); },
     csvOfALongTitle,
     {"CSVファイルに保存しました：\n{dir}/zeltan-_R___" + QString(73, u'あ') + "-20261207.csv"},
     "\xEF\xBB\xBF,70\r\n20,3.500\r\n"},
};

TEST(Environments, NoneLosesAnInputHangsOrGuessesTheReason)
{
    const QByteArray home = qgetenv("HOME");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        c.prepare(dir);
        const QString path = dir.file(c.file);
        const auto [before, attributes] = stateOf(path);
        FakeHost host;
        Giadsp app(host, dir.path());
        QStringList told;
        for (QString t : c.told)
            told << t.replace("{dir}", dir.path());
        EXPECT_EQ(c.act(app, host, dir), told);
        EXPECT_EQ(stateOf(path).first, c.after.value_or(before));
        if (before != "<missing>") {
            EXPECT_EQ(stateOf(path).second, attributes);
        }
    }
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", home);
}

} // namespace
