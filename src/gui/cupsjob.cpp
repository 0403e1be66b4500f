#include "cupsjob.h"

#include <cups/cups.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QStringList>

#include <chrono>
#include <csignal>
#include <future>
#include <iterator>
#include <memory>
#include <optional>

#include <pthread.h>

namespace CupsJob {

namespace {

// The printing system's sentences, through Qt's translation.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

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
    X(ippGetCount) X(ippDelete) X(httpConnect2) X(httpSetTimeout) X(httpClose) \
    X(cupsServer) X(cupsSetServer) X(ippPort) X(cupsEncryption)
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

// How long one step of a conversation may wait for the server.
constexpr int PatienceMs = 4000;

// Runs work on a fresh thread and waits for it with the window repainting
// (user input waits: the print in hand is not started twice). A fresh
// thread also reads the server's address afresh, as libcups keeps it per
// thread.
template <class Work> auto away(Work work)
{
    auto task = std::async(std::launch::async, [work = std::move(work)]() {
        // A connection the server or the network cut must fail the write,
        // not end the program.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        return work();
    });
    while (task.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return task.get();
}

QString noCups() { return Tr::tr("印刷システム（CUPS）のライブラリを読み込めません"); }

// The server's last error, as CUPS words it (localised where it can).
QString lastError() { return QString::fromUtf8(api().cupsLastErrorString()); }

// The server as a user or an administrator would recognise it.
QString serverAddress()
{
    const QString server = QString::fromUtf8(api().cupsServer());
    return server.startsWith(u'/') ? server
                                   : QStringLiteral("%1:%2").arg(server).arg(api().ippPort());
}

QString silentServer() { return Tr::tr("印刷サーバー（%1）が応答しません").arg(serverAddress()); }

// A connection of this thread's own whose every wait is bounded: a server
// that takes the connection and never answers, or a network that drops
// what is sent, is given up on instead of waited for.
class Connection
{
public:
    Connection()
    {
        QElapsedTimer clock;
        clock.start();
        m_http = api().httpConnect2(api().cupsServer(), api().ippPort(), nullptr, AF_UNSPEC,
                                    api().cupsEncryption(), 1, PatienceMs, nullptr);
        if (m_http)
            api().httpSetTimeout(m_http, PatienceMs / 1000.0, &Connection::gaveUp, this);
        else // refused at once: no server runs; waited out: one is there but silent
            m_silent = clock.elapsed() >= PatienceMs * 9 / 10;
    }
    ~Connection()
    {
        if (m_http)
            api().httpClose(m_http);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* http() const { return m_http; }
    // A wait for the server ran out.
    bool silent() const { return m_silent; }
    // Why no answer came: the server's silence, or what the system said.
    QString failure() const { return m_silent ? silentServer() : lastError(); }

private:
    static int gaveUp(http_t*, void* self)
    {
        static_cast<Connection*>(self)->m_silent = true;
        return 0;
    }

    http_t* m_http = nullptr;
    bool m_silent = false;
};

// What the server answers to one request, freed with the answer.
struct Answer
{
    void operator()(ipp_t* response) const { api().ippDelete(response); }
};
using AnswerPtr = std::unique_ptr<ipp_t, Answer>;

AnswerPtr ask(const Connection& connection, ipp_op_t operation, const char* uriName,
              const QByteArray& uri, std::initializer_list<const char*> wanted)
{
    ipp_t* request = api().ippNewRequest(operation);
    api().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.constData());
    api().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        int(wanted.size()), nullptr, std::data(wanted));
    return AnswerPtr(api().cupsDoRequest(connection.http(), request, "/"));
}

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

State stateOf(const Connection& connection, const cups_dest_t& dest)
{
    State state;
    const char* uri = api().cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
    if (!uri)
        return state;
    const AnswerPtr response =
        ask(connection, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", uri,
            {"printer-is-accepting-jobs", "printer-state", "printer-state-message"});
    if (!response)
        return state;
    if (ipp_attribute_t* a =
            api().ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        state.accepting = api().ippGetBoolean(a, 0);
    if (ipp_attribute_t* a = api().ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM))
        state.stopped = api().ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    if (ipp_attribute_t* a =
            api().ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT))
        state.message = QString::fromUtf8(api().ippGetString(a, 0, nullptr));
    return state;
}

// What keeps a known printer from printing a job sent now, or "".
QString whyNot(const State& state)
{
    auto withMessage = [&state](const QString& what) {
        return state.message.isEmpty() ? what : what + Tr::tr("（%1）").arg(state.message);
    };
    if (!state.accepting)
        return withMessage(Tr::tr("印刷ジョブを受け付けていません"));
    // A stopped queue holds the job without printing it: no paper comes out.
    if (state.stopped)
        return withMessage(Tr::tr("停止しています"));
    return QString();
}

// Why the server does not hold the whole of job, read back from it after
// the document was sent; "" when it does (waiting, printing or printed, or
// held for a reason of the user's, or printed and forgotten). A document
// cut or dropped on the way can look sent from the client's side alone.
QString notHeldWhole(int job)
{
    const Connection connection;
    if (!connection.http())
        return Tr::tr("印刷ジョブの状態を確かめられません（%1）").arg(connection.failure());
    const AnswerPtr response =
        ask(connection, IPP_OP_GET_JOB_ATTRIBUTES, "job-uri",
            "ipp://localhost/jobs/" + QByteArray::number(job), {"job-state", "job-state-reasons"});
    // A server that keeps no history forgets a job once it has printed it.
    if (!response && api().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        return QString();
    if (!response)
        return Tr::tr("印刷ジョブの状態を確かめられません（%1）").arg(connection.failure());
    int state = 0;
    if (ipp_attribute_t* a = api().ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM))
        state = api().ippGetInteger(a, 0);
    QStringList reasons;
    if (ipp_attribute_t* a =
            api().ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD))
        for (int i = 0; i < api().ippGetCount(a); ++i)
            reasons << QString::fromUtf8(api().ippGetString(a, i, nullptr));
    const QString why = reasons.join(QStringLiteral(", "));
    const bool incomplete = reasons.contains(QStringLiteral("job-incoming")) ||
                            reasons.contains(QStringLiteral("job-data-insufficient"));
    switch (state) {
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_PROCESSING:
    case IPP_JSTATE_COMPLETED:
        if (!incomplete)
            return QString();
        return Tr::tr("印刷サーバーに文書が最後まで届きませんでした（%1）").arg(why);
    case IPP_JSTATE_CANCELED:
        return Tr::tr("印刷ジョブは取り消されました（%1）").arg(why);
    case IPP_JSTATE_STOPPED:
        return Tr::tr("印刷ジョブは止まっています（%1）").arg(why);
    default:
        return Tr::tr("印刷ジョブは中止されました（%1）").arg(why);
    }
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

Outcome sendJob(const QByteArray& name, const QByteArray& pdf, int copies, const QByteArray& title)
{
    const Connection connection;
    if (!connection.http())
        return {false, connection.failure()};
    http_t* http = connection.http();
    Options options;
    options.add("copies", QByteArray::number(qMax(1, copies)));
    options.add("media", "iso_a4_210x297mm");
    options.add("print-color-mode", "color");
    // The page is placed for the printable area already: no fitting again.
    options.add("print-scaling", "none");
    const int job = api().cupsCreateJob(http, name.constData(), title.constData(), options.count(),
                                        options.options());
    if (job == 0)
        return {false, connection.failure()};

    auto failed = [&](const QString& reason) -> Outcome {
        // A job whose document did not arrive whole must not print in part.
        const Connection another;
        if (another.http())
            api().cupsCancelJob2(another.http(), name.constData(), job, 0);
        return {false, reason};
    };
    if (api().cupsStartDocument(http, name.constData(), job, title.constData(), CUPS_FORMAT_PDF,
                                1) != HTTP_STATUS_CONTINUE)
        return failed(connection.failure());
    if (api().cupsWriteRequestData(http, pdf.constData(), size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        const QString reason = connection.failure();
        api().cupsFinishDocument(http, name.constData());
        return failed(reason);
    }
    if (api().cupsFinishDocument(http, name.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return failed(connection.failure());
    if (const QString lost = notHeldWhole(job); !lost.isEmpty())
        return failed(lost);
    return {true, QString()};
}

} // namespace

DefaultPrinter defaultPrinter()
{
    if (!loaded())
        return {};
    return away([] {
        const Connection connection;
        if (!connection.http())
            return DefaultPrinter{QString(), connection.silent() ? silentServer() : QString()};
        const DestPtr dest(api().cupsGetNamedDest(connection.http(), nullptr, nullptr));
        if (connection.silent())
            return DefaultPrinter{QString(), silentServer()};
        return DefaultPrinter{dest ? QString::fromUtf8(dest->name) : QString(), QString()};
    });
}

QString noPrinter() { return Tr::tr("プリンターが見つかりません"); }

QString silence()
{
    const DefaultPrinter printer = defaultPrinter();
    return printer.silence;
}

NoServerHere::NoServerHere()
{
    if (loaded())
        api().cupsSetServer("/nonexistent/zeltan-no-print-server");
}

NoServerHere::~NoServerHere()
{
    if (loaded())
        api().cupsSetServer(nullptr);
}

QString whyNot(const QString& printer)
{
    if (!loaded())
        return noCups();
    return away([name = printer.toUtf8()] {
        const Connection connection;
        if (!connection.http())
            return connection.silent()
                       ? silentServer()
                       : Tr::tr("印刷システムに接続できません（%1）").arg(serverAddress());
        const DestPtr dest(api().cupsGetNamedDest(connection.http(), name.constData(), nullptr));
        if (connection.silent())
            return silentServer();
        if (!dest)
            return noPrinter();
        const State state = stateOf(connection, *dest);
        return connection.silent() ? silentServer() : whyNot(state);
    });
}

Outcome submit(const QString& printer, const QByteArray& pdf, int copies, const QString& title)
{
    if (!loaded())
        return {false, noCups()};
    return away([name = printer.toUtf8(), &pdf, copies, title = title.toUtf8()] {
        return sendJob(name, pdf, copies, title);
    });
}

} // namespace CupsJob
