// The message boxes of the window and of 走行計算, word for word: a situation
// and every text it shows, whole. (Texts other tables already compare whole,
// such as the keypad's, the machine panel's and the print-outs', are not
// repeated here.)

#include "app/drivetool.h"
#include "common/filesystemcalls.h"
#include "support/appfixture.h"

#include <cerrno>
#include <functional>
#include <ostream>

// Failures show texts, not UTF-16 code units.
void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

namespace {

// The window opened over the shipped files, and 走行計算 beside it with the
// worked example's tyre and motor; one host hears both.
struct Window
{
    FakeHost host;
    TempFolder dir;
    Giadsp app{host, dir.path()};
    Form& f = app.form();
    DriveTool drive{app, host};

    void press(ControlId id) { app.raise(id); }
    void tell(const Result<>& done) { host.message(done ? QStringLiteral("done") : done.error()); }
};

const QStringList Usual = {"70", "15", "20", "15", "1", "1"};
const QString Topic = QStringLiteral("マシンの選択＆登録");

using Act = std::function<void(Window&)>;

// The four quantities (secondary, spur, pinion, total) with one starred, then
// a SET with nothing typed: the starred one is worked out.
Act calculated(ControlId selector, const QStringList& values)
{
    return [=](Window& w) {
        w.press(selector);
        for (int i = 0; i < 4; ++i)
            w.f.control(QStringLiteral("Label%1").arg(i + 6))->text = values[i];
        w.press(ControlId::Command4);
    };
}
// 指定減速比調査 with the six range selectors (spur start, width, pinion start,
// width, spur interval, pinion interval).
Act surveyed(const QStringList& selectors, const QString& secondary, const QString& wanted)
{
    return [=](Window& w) {
        for (int i = 0; i < 6; ++i)
            w.f.control(QStringLiteral("Combo%1").arg(i + 1))->text = selectors[i];
        w.f.Label6.text = secondary;
        w.f.Label9.text = wanted;
        w.press(ControlId::Command5);
    };
}
// A new module from the template, named, with this spur start.
Act moduleCreated(const QString& name, const QString& spurStart)
{
    return [=](Window& w) {
        w.f.Combo7.text = QStringLiteral("XXモジュール");
        w.press(ControlId::Combo7);
        w.f.Text2.text = name;
        w.f.Combo1.text = spurStart;
        w.press(ControlId::Command29);
    };
}

const struct
{
    const char* name;
    Act act;
    QStringList told; // "{dir}" is the data folder
} rows[] = {
    // ---- Calculations --------------------------------------------------------
    {"a quantity not set",
     calculated(ControlId::Command21, {"", "70", "22", ""}),
     {"２次減速比が設定されていません"}},
    {"a quantity that is no number",
     calculated(ControlId::Command21, {"2.5", "70", "abc", ""}),
     {"ピニオンギア歯数「abc」は数値ではありません"}},
    {"a zero pinion",
     calculated(ControlId::Command21, {"2.5", "70", "0.0", ""}),
     {"ピニオンギア歯数が0のため計算できません"}},
    {"a zero secondary ratio",
     calculated(ControlId::Command19, {"0.00", "", "22", "8"}),
     {"２次減速比が0のため計算できません"}},
    {"a zero primary ratio",
     calculated(ControlId::Command20, {"2.5", "70", "", "0.0"}),
     {"１次減速比（スパー÷ピニオン）が0のため計算できません"}},
    {"a tooth count beyond 16 bits",
     calculated(ControlId::Command19, {"0.001", "", "22", "8"}),
     {"計算したスパーギア歯数が範囲（-32768～32767）を超えています"}},
    {"a ratio beyond any number",
     calculated(ControlId::Command21, {QString(308, u'9'), "80", "25", ""}),
     {"計算した減速比が大きすぎて表示できません"}},
    // ---- 指定減速比調査 and the grid ------------------------------------------
    {"a wanted ratio that is no number",
     surveyed(Usual, "2.5", "8.1.2"),
     {"指定減速比「8.1.2」は数値ではありません"}},
    {"no wanted ratio", surveyed(Usual, "2.5", ""), {"減速比が設定されていません"}},
    {"a survey over a zero secondary ratio",
     surveyed(Usual, "0", "8"),
     {"２次減速比が0のため計算できません"}},
    {"a secondary ratio that is no number",
     surveyed(Usual, "x", "8"),
     {"２次減速比「x」は数値ではありません"}},
    {"a secondary ratio too large for the grid",
     surveyed(Usual, "1" + QString(305, u'0'), "8"),
     {"２次減速比「1" + QString(18, u'0') + "…" + QString(20, u'0') +
      "」が大きすぎて計算できません"}},
    {"a range start that is no number",
     surveyed({"abc", "15", "20", "15", "1", "1"}, "2.5", "8"),
     {"スパー範囲の開始「abc」は数値ではありません"}},
    {"a range start beyond 16 bits",
     surveyed({"70", "15", "40000", "15", "1", "1"}, "2.5", "8"),
     {"ピニオン範囲の開始「40000」が範囲（-32768～32767）を超えています"}},
    {"an interval below 1",
     surveyed({"70", "15", "20", "15", "0", "1"}, "2.5", "8"),
     {"スパーの計算間隔は1以上にして下さい"}},
    {"a range ending beyond 16 bits",
     surveyed({"32760", "15", "20", "15", "1", "1"}, "2.5", "8"),
     {"スパー範囲の終わり（開始＋幅）が範囲（-32768～32767）を超えています"}},
    {"a range of too many values",
     surveyed({"70", "200", "20", "15", "1", "1"}, "2.5", "8"),
     {"スパー範囲の値が多すぎます（200個まで）。幅を小さくするか計算間隔を大きくして下さい"}},
    {"pinions through zero",
     surveyed({"70", "15", "-5", "15", "1", "1"}, "2.5", "8"),
     {"ピニオン範囲に0が含まれているため計算できません"}},
    {"the grid rebuilt over an interval below 1",
     [](Window& w) {
         w.f.Combo6.text = "-1";
         w.press(ControlId::Command29);
     },
     {"ピニオンの計算間隔は1以上にして下さい"}},
    // ---- Modules -------------------------------------------------------------
    {"a module start that is no whole number",
     moduleCreated("N", "70.5"),
     {"スパー範囲の開始「70.5」は整数で指定して下さい"}},
    {"a module start too large",
     moduleCreated("N", "32740"),
     {"スパー範囲の開始「32740」が大きすぎます（32737まで）"}},
    {"a quote in a module name",
     moduleCreated("say \"x\"", "70"),
     {"モジュール名に「\"」は使えません"}},
    {"more modules than a list shows",
     [](Window& w) {
         QStringList lines = {"48P,60,90,1,75,15,45,1,20"};
         for (int i = 1; i <= 10000; ++i)
             lines << QString("M%1,70,100,1,70,15,30,1,15").arg(i);
         w.dir.write("module.dat", lines);
         w.app.Form_Load();
     },
     {"module.dat のモジュールが多すぎるため、先頭の10000件だけを一覧に表示します"}},
    // ---- Files ---------------------------------------------------------------
    {"a character no file can hold",
     [](Window& w) {
         w.f.Label13.text = "Car😀";
         w.press(ControlId::Command4);
     },
     {"「😀」はファイルに保存できない文字です。別の文字に置き換えて下さい"}},
    {"a tab in a saved input",
     [](Window& w) {
         w.f.Combo1.text = "70\t";
         w.press(ControlId::Command4);
     },
     {"スパー範囲の開始に改行やタブなどの制御文字は使えません"}},
    {"a full disk",
     [](Window& w) {
         TextFile::fileSystemCalls().fsync = [](int) { return errno = ENOSPC, -1; };
         w.press(ControlId::Command4);
     },
     {"GIA.DAT に書き込めませんでした：" + qt_error_string(ENOSPC)}},
    {"a GIA.DAT linked to nowhere",
     [](Window& w) {
         QFile::remove(w.dir.file("GIA.DAT"));
         QFile::link("gone/GIA.DAT", w.dir.file("GIA.DAT"));
         w.press(ControlId::Command4);
     },
     {"GIA.DAT のリンク先が見つからないため書き込めませんでした"}},
    {"a masin.dat linked to nowhere at start",
     [](Window& w) {
         QFile::remove(w.dir.file("masin.dat"));
         QFile::link("gone/masin.dat", w.dir.file("masin.dat"));
         w.app.Form_Load();
     },
     {"masin.dat はリンク先が見つかりません"}},
    {"a missing help.txt",
     [](Window& w) {
         QFile::remove(w.dir.file("help.txt"));
         w.press(ControlId::tsitei);
     },
     {"help.txt が見つかりません"}},
    {"a help.txt beyond any sensible size",
     [](Window& w) {
         QFile::resize(w.dir.file("help.txt"), 65LL * 1024 * 1024); // sparse
         w.press(ControlId::tsitei);
     },
     {"help.txt が大きすぎるため読み込めませんでした"}},
    {"a topic without its end",
     [](Window& w) {
         w.dir.write("help.txt", {Topic, "一"});
         w.press(ControlId::tmasinst);
     },
     {"取り扱い説明「マシンの選択＆登録」の終わり（end）が見つかりません"}},
    {"a topic too long to show",
     [](Window& w) {
         w.dir.write("help.txt", QStringList{Topic} + QStringList(10001, "行"));
         w.press(ControlId::tmasinst);
     },
     {"取り扱い説明「マシンの選択＆登録」が長すぎるため、先頭の10000行だけを表示します"}},
    {"a folder that refuses the lock",
     [](Window& w) {
         w.tell(TextFile::RewriteThroughWorkFile(
             w.dir.file("masin.dat"), w.dir.file("gone/mawork.dat"),
             [](QByteArrayView) -> Result<QByteArray> { return QByteArray(); }));
     },
     {"フォルダ {dir}/gone に書き込めません。書き込み権限と空き容量を確認して下さい"}},
    // ---- The data folder -------------------------------------------------------
    {"a data folder that is a file",
     [](Window& w) { w.tell(DataFolder::makeUsable(w.dir.file("GIA.DAT"))); },
     {"データフォルダ「{dir}/GIA.DAT」はフォルダではありません"}},
    {"a data folder that cannot be made",
     [](Window& w) { w.tell(DataFolder::makeUsable(w.dir.file("GIA.DAT/sub"))); },
     {"データフォルダ「{dir}/GIA.DAT/sub」を作成できません：" + qt_error_string(ENOTDIR)}},
    {"a data folder that cannot be made for the shipped files",
     [](Window& w) { w.tell(DataFolder(w.dir.file("GIA.DAT/sub")).seedShippedFiles()); },
     {"データフォルダ {dir}/GIA.DAT/sub を作成できませんでした"}},
    {"a folder name of bytes that are no text",
     [](Window& w) { w.host.message(DataFolder::nameFromBytes("/tmp/\xff").error()); },
     {"フォルダ名「/tmp/\uFFFD」には、このシステムの文字コードで読めないバイトがあります"}},
    {"no home",
     [](Window& w) {
         const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
         qputenv("HOME", "");
         qunsetenv("XDG_DATA_HOME");
         const Result<QString> folder = DataFolder::defaultLocation();
         qputenv("HOME", home);
         if (!data.isNull())
             qputenv("XDG_DATA_HOME", data);
         w.host.message(folder.error());
     },
     {"HOME が設定されていないため、データフォルダの場所を決められません"}},
    // ---- 走行計算 --------------------------------------------------------------
    {"a wanted rollout that leaves no ratio",
     [](Window& w) {
         w.drive.fields.wantedRollout = "1000000000";
         w.drive.raise(u"surveyRollout");
     },
     {"指定ロールアウト「1000000000」から求めた減速比が小さすぎます"}},
    {"a motor too fast to work out",
     [](Window& w) {
         w.drive.fields.kv = w.drive.fields.voltage = QString(200, u'9');
         w.drive.raise(u"takeReference");
     },
     {"計算したモーター回転数が大きすぎて表示できません"}},
    {"the formulas explained",
     [](Window& w) { w.drive.raise(u"explain"); },
     {"走行計算の計算式\n"
      "\n"
      "減速比 ＝ スパーギア歯数 ÷ ピニオンギア歯数 × ２次減速比\n"
      "ロールアウト（mm）＝ タイヤ径 × π ÷ 減速比（モーター１回転で進む距離）\n"
      "モーター回転数（rpm）＝ モーターKV値 × バッテリー電圧\n"
      "　（モーター回転数を入力した場合はその値）\n"
      "タイヤ回転数（rpm）＝ モーター回転数 ÷ 減速比\n"
      "最高速度（km/h）＝ タイヤ回転数 × タイヤ径 × π × 60 ÷ 1000000\n"
      "モジュール m（mm）＝ 25.4 ÷ ピッチ（48P など）、0.5M などはその値\n"
      "ピッチ円直径 ＝ m × 歯数\n"
      "中心距離 ＝ m × （スパーギア歯数 ＋ ピニオンギア歯数）÷ 2\n"
      "指定値からの減速比 ＝ タイヤ径 × π ÷ 指定ロールアウト、\n"
      "　モーター回転数 × タイヤ径 × π × 60 ÷ 1000000 ÷ 指定最高速度、\n"
      "　モーター回転数 ÷ 指定タイヤ回転数\n"
      "　この減速比でメイン画面の指定減速比調査を行います。\n"
      "\n"
      "最高速度は無負荷・スリップなしの理論値です。実際の走行では負荷や電圧の低下、"
      "タイヤの膨らみやスリップで変わります。"}},
};

TEST(Messages, EverySituationShowsItsWholeText)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Window w;
        ASSERT_TRUE(w.app.files().seedShippedFiles());
        w.app.Form_Load();
        w.drive.fields.tyreDiameter = "64";
        w.drive.fields.kv = "4000";
        w.drive.fields.voltage = "7.4";
        ASSERT_EQ(w.host.messages, QStringList());
        row.act(w);
        TextFile::fileSystemCalls() = TextFile::systemCalls();
        QStringList told;
        for (QString text : row.told)
            told << text.replace("{dir}", w.dir.path());
        EXPECT_EQ(w.host.messages, told);
    }
}

} // namespace
