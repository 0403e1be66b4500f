#include "manual.h"

#include "common/recordsyntax.h"
#include "common/textfile.h"

#include <QByteArrayMatcher>
#include <QCoreApplication>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Manual)
};
} // namespace

namespace Manual {

namespace {
const QString EndItem = QStringLiteral("end");
// A topic is a screenful or two; a help.txt without "end" must not fill the
// panel with millions of rows.
constexpr int MaxTopicRows = 10000;
} // namespace

const QStringList& topicTitles()
{
    // help.txt finds a topic by its Japanese title, whatever the window's
    // language; a help file in another language finds it by the translation.
    static const QStringList titles = {
        QT_TRANSLATE_NOOP("Manual", "２次減速比の調査"),
        QT_TRANSLATE_NOOP("Manual", "スパーギア歯数の調査"),
        QT_TRANSLATE_NOOP("Manual", "ピニオンギア歯数の調査"),
        QT_TRANSLATE_NOOP("Manual", "減速比の調査"),
        QT_TRANSLATE_NOOP("Manual", "指定減速比の調査"),
        QT_TRANSLATE_NOOP("Manual", "指定減速比調査時のパラメータ"),
        QT_TRANSLATE_NOOP("Manual", "マシンの選択＆登録"),
        QT_TRANSLATE_NOOP("Manual", "計算結果のプリント"),
        // The tools' topics, under ツール → ツールの説明.
        QT_TRANSLATE_NOOP("Manual", "ツールメニュー"),
        QT_TRANSLATE_NOOP("Manual", "走行計算"),
        QT_TRANSLATE_NOOP("Manual", "セッティング記録"),
        QT_TRANSLATE_NOOP("Manual", "キー操作"),
    };
    static const QStringList inLanguage = [] {
        QStringList t;
        for (const QString& title : titles)
            t << QCoreApplication::translate("Manual", title.toUtf8().constData());
        return t;
    }();
    return inLanguage;
}

QString fileName() { return QCoreApplication::translate("Manual", "help.txt"); }

Result<Topic> readTopic(const QString& helpPath, const QString& title)
{
    const Result<QByteArray> file = TextFile::readBytes(helpPath);
    if (!file)
        return file.failure();
    Topic topic;
    // Items are decoded one at a time and only the shown topic is kept, so a
    // huge help.txt costs no more than its bytes.
    bool inTopic = false;
    // Every character of a title has one CP932 code, so a line without the
    // title's bytes holds no field that reads as the title: the search goes
    // straight to the next line holding them, one pass over the file instead
    // of one look into every line.
    const QByteArray titleBytes = TextFile::encode(title).bytes;
    const QByteArrayMatcher titleMatcher(titleBytes);
    const QByteArrayView all(*file);
    qsizetype searchFrom = 0;
    TextFile::LineReader lines(all);
    QByteArray field;
    for (QByteArrayView line;;) {
        if (!inTopic && !titleBytes.isEmpty()) {
            const qsizetype at = titleMatcher.indexIn(all, searchFrom);
            if (at < 0)
                break;
            qsizetype start = at;
            while (start > searchFrom && all[start - 1] != '\n' && all[start - 1] != '\r')
                --start;
            lines = TextFile::LineReader(all.sliced(start));
        }
        if (!lines.next(line))
            break;
        searchFrom = line.data() + line.size() - all.data();
        qsizetype pos = 0;
        for (bool more = true; more;) {
            more = RecordSyntax::nextField(line, pos, field);
            // n bytes decode to between n/2 and n characters: most fields
            // are passed over without decoding them.
            if (!inTopic && (field.size() < title.size() || field.size() > 2 * title.size()))
                continue;
            const QString item =
                field.isEmpty() ? QString() : RecordSyntax::singleLine(TextFile::decode(field));
            if (!inTopic && item != title)
                continue;
            inTopic = true;
            if (item == EndItem)
                return topic;
            if (topic.rows.size() >= MaxTopicRows) {
                topic.notice =
                    Tr::tr("取り扱い説明「%1」が長すぎるため、先頭の%2行だけを表示します")
                        .arg(title)
                        .arg(MaxTopicRows);
                return topic;
            }
            topic.rows.append(item);
        }
    }
    if (inTopic)
        topic.notice = Tr::tr("取り扱い説明「%1」の終わり（end）が見つかりません").arg(title);
    return topic;
}

} // namespace Manual
