#include "cupsjob.h"

#include <cups/cups.h>

#include <QLibrary>

#include <iterator>
#include <memory>
#include <optional>

namespace CupsJob {

namespace {

// libcups is loaded when the first page goes to a printer, not with the
// program: it and the libraries it brings cost every start a few
// milliseconds. Without it there is no printing system, as without a server.
// clang-format off
#define ZELTAN_CUPS_CALLS(X) \
    X(cupsGetNamedDest) X(cupsFreeDests) X(cupsGetOption) X(cupsDoRequest) \
    X(cupsLastError) X(cupsLastErrorString) X(cupsAddOption) X(cupsFreeOptions) \
    X(cupsCreateJob) X(cupsStartDocument) X(cupsWriteRequestData) X(cupsFinishDocument) \
    X(cupsCancelJob2) X(ippNewRequest) X(ippAddString) X(ippAddStrings) \
    X(ippFindAttribute) X(ippGetBoolean) X(ippGetInteger) X(ippGetString) \
    X(ippDelete)
// clang-format on

struct Cups
{
#define ZELTAN_CUPS_POINTER(f) decltype(&::f) f = nullptr;
    ZELTAN_CUPS_CALLS(ZELTAN_CUPS_POINTER)
#undef ZELTAN_CUPS_POINTER
};

const Cups* loaded()
{
    static const std::optional<Cups> cups = []() -> std::optional<Cups> {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return std::nullopt;
        Cups c;
#define ZELTAN_CUPS_RESOLVE(f)                                                                     \
    if (!(c.f = reinterpret_cast<decltype(c.f)>(library.resolve(#f))))                             \
        return std::nullopt;
        ZELTAN_CUPS_CALLS(ZELTAN_CUPS_RESOLVE)
#undef ZELTAN_CUPS_RESOLVE
        return c;
    }();
    return cups ? &*cups : nullptr;
}

// Only after loaded() said yes.
const Cups& api() { return *loaded(); }

const QString NoCups = QStringLiteral("印刷システム（CUPS）のライブラリを読み込めません");

// The server's last error, as CUPS words it (localised where it can).
QString lastError() { return QString::fromUtf8(api().cupsLastErrorString()); }

struct Dest
{
    void operator()(cups_dest_t* dest) const { api().cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, Dest>;

// The printer's state as the server holds it now: a destination's cached
// options lack the operator's message ("paper jam", why jobs are refused).
struct State
{
    bool accepting = true;
    bool stopped = false;
    QString message;
};

State stateOf(const cups_dest_t& dest)
{
    State state;
    const char* uri = api().cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
    if (!uri)
        return state;
    ipp_t* request = api().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    api().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message"};
    api().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        int(std::size(wanted)), nullptr, wanted);
    ipp_t* response = api().cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response)
        return state;
    if (ipp_attribute_t* a =
            api().ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        state.accepting = api().ippGetBoolean(a, 0);
    if (ipp_attribute_t* a = api().ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
        state.stopped = api().ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* a =
            api().ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        state.message = QString::fromUtf8(api().ippGetString(a, 0, nullptr));
    api().ippDelete(response);
    return state;
}

// What keeps a known printer from printing a job sent now, or "".
QString whyNot(const State& state)
{
    auto withMessage = [&state](const QString& what) {
        return state.message.isEmpty() ? what : what + QStringLiteral("（%1）").arg(state.message);
    };
    if (!state.accepting)
        return withMessage(QStringLiteral("印刷ジョブを受け付けていません"));
    // A stopped queue holds the job without printing it: no paper comes out.
    if (state.stopped)
        return withMessage(QStringLiteral("停止しています"));
    return QString();
}

class Options
{
public:
    ~Options() { api().cupsFreeOptions(m_count, m_options); }
    void add(const char* name, const QByteArray& value)
    {
        m_count = api().cupsAddOption(name, value.constData(), m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

} // namespace

QString defaultPrinter()
{
    if (!loaded())
        return QString();
    const DestPtr dest(api().cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    return dest ? QString::fromUtf8(dest->name) : QString();
}

QString whyNot(const QString& printer)
{
    if (!loaded())
        return NoCups;
    const DestPtr dest(
        api().cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr));
    if (dest)
        return whyNot(stateOf(*dest));
    if (api().cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return QStringLiteral("印刷システムに接続できません（%1）").arg(lastError());
    return QStringLiteral("プリンターが見つかりません");
}

Outcome submit(const QString& printer, const QByteArray& pdf, int copies, const QString& title)
{
    if (!loaded())
        return {false, NoCups};
    const QByteArray name = printer.toUtf8();

    Options options;
    options.add("copies", QByteArray::number(qMax(1, copies)));
    options.add("media", "iso_a4_210x297mm");
    options.add("print-color-mode", "color");
    // The page is placed for the printable area already: no fitting again.
    options.add("print-scaling", "none");
    const int job =
        api().cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.toUtf8().constData(),
                            options.count(), options.options());
    if (job == 0)
        return {false, lastError()};

    auto failed = [&]() -> Outcome {
        const QString reason = lastError();
        // A job whose document did not arrive whole must not print in part.
        api().cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return {false, reason};
    };
    if (api().cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job,
                                title.toUtf8().constData(), CUPS_FORMAT_PDF,
                                1) != HTTP_STATUS_CONTINUE)
        return failed();
    if (api().cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        api().cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());
        return failed();
    }
    if (api().cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) >
        IPP_STATUS_OK_EVENTS_COMPLETE)
        return failed();
    return {true, QString()};
}

} // namespace CupsJob
