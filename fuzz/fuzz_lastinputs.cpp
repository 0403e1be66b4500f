// GIA.DAT, the saved inputs: read by LastInputs directly and through the real
// start-up (Form_Load restores them into the window and builds the grid), then
// a survey saves them again; what was saved must read back as the window held it.

#include "app/giadsp.h"
#include "app/lastinputs.h"
#include "common/textfile.h"
#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw = Fuzz::bytes(data, size);

    const QStringList values = LastInputs::fromLines(TextFile::decodeLines(raw));
    Fuzz::check(values.size() == LastInputs::Count, "not twelve saved values");
    const TextFile::EncodeResult encoded = TextFile::encodeLines(LastInputs::toLines(values));
    if (encoded.ok()) {
        Fuzz::check(LastInputs::fromLines(TextFile::decodeLines(encoded.bytes)) == values,
                    "saved inputs do not read back");
    }

    const Fuzz::Folder& folder = Fuzz::folder();
    folder.reset();
    folder.put(QStringLiteral("GIA.DAT"), raw);
    FakeHost host;
    Giadsp app(host, folder.path());
    app.Form_Load();
    Fuzz::check(host.busyDepth == 0, "busy pointer left on");
    const FlexGrid& grid = app.form().MSFlexGrid1;
    Fuzz::check(grid.rows() <= 201 && grid.cols() <= 201, "grid beyond 200 values");

    // A survey with whatever came back, then the save that follows it.
    host.messages.clear();
    app.Command5_Click();
    Fuzz::check(host.busyDepth == 0, "busy pointer left on");
    const QStringList now = LastInputs::collect(app.form());
    const QByteArray after = folder.read(QStringLiteral("GIA.DAT"));
    if (LastInputs::check(now) && TextFile::encodeLines(LastInputs::toLines(now)).ok()) {
        Fuzz::check(LastInputs::fromLines(TextFile::decodeLines(after)) == now,
                    "GIA.DAT does not hold the window's inputs after a save");
    } else {
        Fuzz::check(after == raw, "a refused save changed GIA.DAT");
    }
    return 0;
}
