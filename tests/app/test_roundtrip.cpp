// What a user types or pastes into a field either comes back exactly after a
// restart or is refused with a message naming the field; and a rewrite keeps
// the bytes of every record it does not change, whatever they are.

#include "app/drivefile.h"
#include "app/lastinputs.h"
#include "common/recordfile.h"
#include "gearmodules/moduletable.h"
#include "machines/machineregistry.h"
#include "support/appfixture.h"

namespace {

class RoundTrip : public AppFixture
{
protected:
    void SetUp() override { ASSERT_TRUE(app.files().seedShippedFiles()); }

    void fillPanel(const QString& name) { fillMachinePanel(f, name); }
    void storeModule(const QString& name)
    {
        f.Combo7.text = "XXモジュール";
        press(ControlId::Combo7);
        f.Text2.text = name;
        f.Combo1.text = "70";
        f.Combo3.text = "20";
        host.answers = {true};
        press(ControlId::Command29);
    }
    static QList<QByteArray> records(const QByteArray& file)
    {
        const auto s = RecordFile::Snapshot::of(file);
        QList<QByteArray> out;
        for (qsizetype i = 0; i < s.size(); ++i)
            out.append(s.raw(i).toByteArray());
        return out;
    }
};

struct Field
{
    const char* name;
    const char* file;
    const char* fieldName; // as messages name it
};

TEST_F(RoundTrip, TypedTextSurvivesARestartOrIsRefused)
{
    const Field fields[] = {{"Text1", "masin.dat", "マシン名"},
                            {"Text2", "module.dat", "モジュール名"},
                            {"Combo1", "GIA.DAT", "スパー範囲の開始"}};
    const struct
    {
        const char* name;
        QString typed;
        QString back; // empty: refused
    } texts[] = {
        {"line break", "TRF\n416", ""},
        {"carriage return", "TRF\r416", ""},
        {"tab", "TRF\t416", ""},
        {"CP932 extensions", "①髙﨑Ⅹ", "①髙﨑Ⅹ"},
        {"JIS wave dash and minus", "TRF〜2−1", "TRF～2－1"},
        {"comma, quote-free blanks", " a, b ", " a, b "},
        {"emoji", "car😀", ""},
    };
    for (const Field& field : fields) {
        for (const auto& t : texts) {
            const QByteArray before = dir.bytes(field.file);
            const int recordsBefore = records(before).size();
            host.messages.clear();
            const QString where = QString("%1 / %2").arg(field.name, t.name);
            if (field.name == QStringLiteral("Text1")) {
                fillPanel(t.typed);
                press(ControlId::Command22);
            } else if (field.name == QStringLiteral("Text2")) {
                storeModule(t.typed);
            } else {
                quantities("2.5", "70", "22", "0");
                f.Combo1.text = t.typed;
                press(ControlId::Command1);
            }
            FakeHost host2;
            Giadsp next(host2, dir.path());
            next.Form_Load();
            const Form& g = next.form();
            if (t.back.isEmpty()) {
                ASSERT_FALSE(host.messages.isEmpty()) << qPrintable(where);
                EXPECT_TRUE(host.messages.join('\n').contains(QString::fromUtf8(field.fieldName)) ||
                            host.messages.join('\n').contains("保存できない文字"))
                    << qPrintable(where) << qPrintable(host.messages.join('\n'));
                EXPECT_EQ(dir.bytes(field.file), before) << qPrintable(where);
                continue;
            }
            EXPECT_TRUE(host.messages.isEmpty())
                << qPrintable(where) << qPrintable(host.messages.join('\n'));
            const QString shown = field.name == QStringLiteral("Text1")   ? g.List1.items.value(0)
                                  : field.name == QStringLiteral("Text2") ? g.Combo7.items.value(0)
                                                                          : g.Combo1.text;
            EXPECT_EQ(shown, t.back) << qPrintable(where);
            if (field.file != QStringLiteral("GIA.DAT")) {
                EXPECT_EQ(records(dir.bytes(field.file)).size(), recordsBefore + 1)
                    << qPrintable(where);
            }
        }
    }
}

TEST_F(RoundTrip, RewritesKeepTheBytesOfEveryRecordTheyDoNotChange)
{
    const struct
    {
        const char* name;
        QByteArray line;
    } kept[] = {
        {"bytes outside CP932", "Bad\x80\xa0\xfd\xfe\xff,48P,2.5,70,15,20,15,1,1"},
        {"lead byte without trail", "Cut\x81,48P"},
        {"more than nine fields", "Wide,48P,2.5,70,15,20,15,1,1,extra,more"},
        {"quoted with doubled quotes", "\"Q, \"\"x\"\"\" ,48P,2.5"},
        {"trailing blanks", "Blank ,48P ,2.5  "},
    };
    QByteArray file;
    QList<QByteArray> lines;
    for (const auto& k : kept)
        lines.append(k.line);
    // Lone CR, LF and CR LF line ends, and a record that is deleted.
    file = lines[0] + "\r" + lines[1] + "\n" + lines[2] + "\r\nVictim,48P\r\n" + lines[3] +
           "\r\n\r\n" + lines[4];

    const struct
    {
        const char* name;
        const char* file;
    } actions[] = {{"register", "masin.dat"},
                   {"delete", "masin.dat"},
                   {"delete undecodable", "masin.dat"},
                   {"module store", "module.dat"}};
    const QByteArray templateModule = "XXモジュール,60,100,1,60,20,40,1,20";
    for (const auto& a : actions) {
        const bool modules = a.file == QStringLiteral("module.dat");
        dir.writeBytes(a.file, modules ? file + "\r\n" + cp932({templateModule}) : file);
        app.Form_Load();
        host.messages.clear();
        QList<QByteArray> expected = lines;
        if (modules)
            expected.append(cp932({templateModule}).chopped(2));
        if (a.name == QStringLiteral("register")) {
            expected.insert(3, "Victim,48P");
            fillPanel("New");
            press(ControlId::Command22);
        } else if (a.name == QStringLiteral("delete undecodable")) {
            expected.removeFirst();
            expected.insert(2, "Victim,48P");
            f.List1.listIndex = 0; // shown with U+FFFD for its bad bytes
            press(ControlId::Command27);
        } else if (a.name == QStringLiteral("delete")) {
            f.List1.listIndex = f.List1.items.indexOf("Victim");
            press(ControlId::Command27);
        } else {
            storeModule("Victim");
        }
        EXPECT_TRUE(host.messages.isEmpty()) << a.name << qPrintable(host.messages.join('\n'));
        QList<QByteArray> after = records(dir.bytes(a.file));
        if (!QByteArray(a.name).startsWith("delete"))
            after.removeFirst(); // the record the action wrote
        EXPECT_EQ(after, expected) << a.name;
        EXPECT_FALSE(dir.bytes(a.file).contains("\n\n")) << a.name;
        EXPECT_TRUE(dir.bytes(a.file).endsWith("\r\n")) << a.name;
    }
}

TEST(DriveFile, SavedLinesReadBackExactly)
{
    const DriveFile::Contents saved{
        {" 64 ", "4,000", "7.4", "\"x\"", "0.5M", "ギア\nA"}, {"2.5", "70", "22"}, {}};
    const QStringList lines = DriveFile::toLines(saved);
    EXPECT_EQ(lines.size(), 15); // the inputs, the reference setup and its inputs
    const DriveFile::Contents back = DriveFile::fromLines(lines);
    EXPECT_EQ(DriveFile::toLines(back), lines);
    EXPECT_EQ(back.inputs.tyreDiameter, " 64 ");
    EXPECT_EQ(back.inputs.kv, "4,000");
    EXPECT_EQ(back.inputs.motorRpm, "\"x\"");
    EXPECT_EQ(back.inputs.moduleTyped, "ギア A");
    EXPECT_EQ(DriveFile::fromLines({"64"}).reference.pinion, "");
}

// A message names the field it is about, so no two fields of a file may
// share a name.
TEST(FieldNames, EveryFieldOfAFileHasANameOfItsOwn)
{
    const struct
    {
        const char* file;
        QStringList names;
    } files[] = {
        {"module.dat", RecordFile::namesOf(ModuleTable::ModuleRecord::Fields)},
        {"masin.dat", RecordFile::namesOf(MachineRegistry::MachineRecord::Fields)},
        {"GIA.DAT", RecordFile::namesOf(LastInputs::Fields)},
    };
    for (const auto& f : files) {
        QStringList distinct = f.names;
        distinct.removeDuplicates();
        EXPECT_EQ(distinct, f.names) << f.file;
    }
}

} // namespace
