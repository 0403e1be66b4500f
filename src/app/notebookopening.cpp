// Notebook's opening: the file read and checked on a thread of its own,
// asked for by a window or read ahead once the main window is drawn.

#include "app/notebook.h"

#include "notebook/notebookmessages.h"

#include <QFile>

#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <sys/stat.h>

namespace {
// Which file a path names: a file put in its place (a backup restored) is another.
std::optional<std::pair<dev_t, ino_t>> fileAt(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return std::pair{st.st_dev, st.st_ino};
}
} // namespace

// What the reading thread hands over, under its lock.
struct Notebook::Opening
{
    QDateTime now;
    std::mutex lock;
    std::function<void()> progress; // who hears of it; none while read ahead
    std::optional<Result<NotebookIndex>> listed;
    bool taken = false;
    std::optional<Result<QString>> checked;
    // Read ahead, no window having asked yet: the file it read.
    std::optional<std::pair<dev_t, ino_t>> aheadOf;
    std::thread reader;

    void tell()
    {
        std::function<void()> hear;
        {
            const std::lock_guard hold(lock);
            hear = progress;
        }
        if (hear)
            hear();
    }
    void listen(std::function<void()> hear)
    {
        bool news;
        {
            const std::lock_guard hold(lock);
            progress = hear;
            news = listed || checked;
        }
        if (news && hear)
            hear();
    }
};

Notebook::Notebook(Giadsp& main, Host& host, DriveTool& drive)
    : m_main(main), m_host(host), m_drive(drive)
{
}

Notebook::~Notebook() { waitForReading(); }

void Notebook::waitForReading()
{
    if (m_opening && m_opening->reader.joinable())
        m_opening->reader.join();
}

void Notebook::open(const QDateTime& now)
{
    if (adoptReadAhead(now)) {
        finishOpening();
        return;
    }
    if (followedOpen())
        return;
    const auto opened = m_store.open(filePath(), now);
    if (!opened) {
        m_host.message(opened.error());
        return;
    }
    if (!opened->damagedMovedTo.isEmpty())
        m_host.message(NotebookMessages::damaged(opened->damagedMovedTo));
    reload();
}

bool Notebook::followedOpen()
{
    // The session keeps the notebook read and checked from an earlier window:
    // only what another copy wrote since is read.
    if (!isOpen())
        return false;
    followOtherCopies();
    return true;
}

void Notebook::openAside(std::function<void()> progress, const QDateTime& now)
{
    if (adoptReadAhead(now)) {
        m_opening->listen(std::move(progress));
        return;
    }
    if (m_opening || followedOpen())
        return;
    if (const auto attached = m_store.attach(filePath()); !attached) {
        m_host.message(attached.error());
        return;
    }
    startReading(std::move(progress), now);
}

void Notebook::readAhead()
{
    if (m_opening || m_store.isOpen())
        return;
    const auto file = fileAt(filePath());
    // A file that is not there yet, cannot be read or is to be brought up to
    // date is for the window to tell of and to change.
    if (!file || !m_store.attach(filePath()))
        return;
    if (!m_store.isCurrent()) {
        m_store.close();
        return;
    }
    startReading({}, QDateTime::currentDateTime());
    m_opening->aheadOf = file;
}

bool Notebook::adoptReadAhead(const QDateTime& now)
{
    if (!m_opening || !m_opening->aheadOf)
        return false;
    if (fileAt(filePath()) == m_opening->aheadOf) {
        m_opening->aheadOf.reset();
        m_opening->now = now;
        return true;
    }
    // Another file now stands at the path: what was read of the old one is
    // neither listed nor acted on.
    waitForReading();
    m_opening.reset();
    m_store.close();
    return false;
}

void Notebook::startReading(std::function<void()> progress, const QDateTime& now)
{
    m_opening = std::make_unique<Opening>();
    m_opening->now = now;
    m_opening->progress = std::move(progress);
    Opening* o = m_opening.get();
    m_opening->reader = std::thread([o, path = filePath()] {
        NotebookStore::readAside(
            path,
            [&](Result<NotebookIndex> index) {
                {
                    const std::lock_guard hold(o->lock);
                    o->listed = std::move(index);
                }
                o->tell();
            },
            [&](Result<QString> damage) {
                {
                    const std::lock_guard hold(o->lock);
                    o->checked = std::move(damage);
                }
                o->tell();
            });
    });
}

bool Notebook::takeList()
{
    if (!m_opening || m_opening->aheadOf)
        return false;
    std::optional<Result<NotebookIndex>> listed;
    {
        const std::lock_guard hold(m_opening->lock);
        // A file found damaged is listed fresh, never as read.
        const bool damaged =
            m_opening->checked && (!*m_opening->checked || !(*m_opening->checked)->isEmpty());
        if (m_opening->taken || !m_opening->listed || !*m_opening->listed || damaged)
            return false;
        m_opening->taken = true;
        listed = std::move(m_opening->listed);
    }
    m_index = std::move(**listed);
    indexChanged();
    return true;
}

bool Notebook::openingRead() const
{
    if (!m_opening)
        return false;
    const std::lock_guard hold(m_opening->lock);
    return m_opening->checked.has_value();
}

bool Notebook::finishOpening()
{
    if (!m_opening || (m_opening->aheadOf && !adoptReadAhead(QDateTime::currentDateTime())))
        return false;
    waitForReading();
    bool changed = takeList();
    const std::unique_ptr<Opening> o = std::move(m_opening);
    const Result<QString>& damage = *o->checked;
    if (!damage) {
        m_store.close();
        m_index = NotebookIndex();
        indexChanged();
        m_host.message(damage.error());
        return true;
    }
    QString moved;
    if (const auto ready = m_store.checked(*damage, o->now, &moved); !ready) {
        m_host.message(ready.error());
        return true;
    }
    if (!moved.isEmpty())
        m_host.message(NotebookMessages::damaged(moved));
    // Read again when the thread's read failed, or the file changed since
    // the window connected (another copy, a migration, a fresh file).
    if (!o->taken || m_store.changedElsewhere()) {
        reload();
        changed = true;
    }
    return changed;
}
