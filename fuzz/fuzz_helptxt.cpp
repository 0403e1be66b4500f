// help.txt: the item reader and every topic of the menu through the handler;
// the panel always opens with its empty row, then the topic title if found.

#include "app/giadsp.h"
#include "common/recordsyntax.h"
#include "common/textfile.h"
#include "fuzzsupport.h"
#include "manual/manual.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw = Fuzz::bytes(data, size);
    const QStringList lines = TextFile::decodeLines(raw);
    // Every field of every line is an item: no topic shows more rows than those.
    qsizetype items = 0;
    for (const QString& line : lines)
        items += RecordSyntax::readFields(line).size();
    Fuzz::check(items >= lines.size(), "fewer items than lines");

    const Fuzz::Folder& folder = Fuzz::folder();
    folder.reset();
    folder.put(QStringLiteral("help.txt"), raw);
    FakeHost host;
    Giadsp app(host, folder.path());
    Form& f = app.form();
    for (int topic = 0; topic < Manual::topicTitles().size(); ++topic) {
        app.manualTopic_Click(topic);
        Fuzz::check(f.List2.visible && f.Command30.visible, "the panel did not open");
        Fuzz::check(!f.List2.items.isEmpty() && f.List2.items.first().isEmpty(),
                    "the panel does not start with its empty row");
        if (f.List2.items.size() > 1)
            Fuzz::check(f.List2.items[1] == Manual::topicTitles()[topic], "wrong topic shown");
        Fuzz::check(f.List2.items.size() <= items + 1, "more rows than items");
    }
    const QStringList shown = f.List2.items;
    app.Command30_Click();
    Fuzz::check(!f.List2.visible, "the panel did not close");
    app.torisetuhiraku_Click();
    Fuzz::check(f.List2.visible, "the panel did not reopen");
    if (shown.value(1).isEmpty() == false)
        Fuzz::check(f.List2.items == shown, "reopening changed the rows");
    return 0;
}
