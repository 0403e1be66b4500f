// Notebook's sharing and printing: CSV out and in, the sheets and the charts on paper.

#include "app/notebook.h"
#include "app/pagedelivery.h"

#include "common/textfile.h"
#include "common/usertext.h"
#include "notebook/gearmessages.h"
#include "notebook/notebookcsv.h"
#include "notebook/notebookmessages.h"
#include "print/gridexport.h"
#include "print/notebooksheet.h"

#include <QCoreApplication>
#include <QDate>
#include <QMultiHash>

#include <algorithm>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(Notebook)
};
} // namespace

namespace {
// zeltan-<car>-<date>.pdf, proposed when a sheet is saved.
QString pdfName(const QString& car)
{
    return GridExport::fileName(car, QDate::currentDate(), QStringLiteral("pdf"));
}
} // namespace

// ---- Sharing and printing --------------------------------------------------

void Notebook::exportCsv_Click()
{
    QList<qint64> ids;
    ids.reserve(shownCount());
    for (qsizetype i = 0; i < shownCount(); ++i)
        ids << shownRow(i).id;
    const auto entries = m_store.entries(ids);
    if (!entries) {
        m_host.message(entries.error());
        return;
    }
    // The gears owned and the mounts go along, whatever runs are shown.
    const auto inventory = m_store.inventory();
    if (!inventory) {
        m_host.message(inventory.error());
        return;
    }
    PageDelivery::saveCsv(m_host, NotebookCsv::write(*entries, *inventory),
                          GridExport::fileName(QStringLiteral("notebook"), QDate::currentDate(),
                                               QStringLiteral("csv")));
}

void Notebook::importCsv_Click()
{
    const QString path = m_host.askOpenPath(QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty())
        importCsv(path);
}

void Notebook::importCsv(const QString& path)
{
    finishOpening();
    if (!isOpen()) {
        m_host.message(NotebookMessages::NotOpen());
        return;
    }
    const auto bytes = TextFile::readBytes(path);
    if (!bytes) {
        m_host.message(bytes.error());
        return;
    }
    const auto contents = NotebookCsv::readAll(*bytes);
    if (!contents) {
        m_host.message(contents.error());
        return;
    }
    const QList<NotebookEntry>* read = &contents->entries;
    const GearInventory& gears = contents->inventory;
    QList<qint64> ids;
    for (const NotebookRow& r : m_index.rows)
        ids << r.id;
    const auto stored = m_store.entries(ids);
    if (!stored) {
        m_host.message(stored.error());
        return;
    }
    // A run is known by its time; only then are its values compared.
    QMultiHash<qint64, NotebookEntry> known;
    for (const NotebookEntry& e : *stored)
        known.insert(e.taken.toSecsSinceEpoch(), e);
    QList<NotebookEntry> adding;
    int duplicates = 0;
    for (const NotebookEntry& e : *read) {
        const auto same = known.values(e.taken.toSecsSinceEpoch());
        if (std::any_of(same.begin(), same.end(), [&e](const auto& k) { return k.sameRun(e); })) {
            ++duplicates;
            continue;
        }
        known.insert(e.taken.toSecsSinceEpoch(), e);
        adding << e;
    }
    if (adding.isEmpty()) {
        if (gears.isEmpty()) {
            m_host.message(NotebookMessages::importNothing(duplicates));
            return;
        }
        if (!m_host.askYesNo(
                GearMessages::importGearsOnly(int(gears.gears.size()), int(gears.mounts.size()))))
            return;
        if (const Result<> merged = m_store.merge(gears); !merged) {
            m_host.message(merged.error());
            return;
        }
        m_host.message(
            GearMessages::importedGears(int(gears.gears.size()), int(gears.mounts.size())));
        return;
    }
    QStringList preview;
    for (const NotebookEntry& e : adding.first(std::min<qsizetype>(adding.size(), 10)))
        preview << Tr::tr("%1　%2　%3　%4/%5")
                       .arg(notebookDateText(e.taken), UserText::elided(e.car, 20),
                            UserText::elided(e.track, 20), e.pinion, e.spur);
    if (adding.size() > 10)
        preview << NotebookMessages::moreEntries(int(adding.size() - 10));
    if (!gears.isEmpty())
        preview << GearMessages::importGearsToo(int(gears.gears.size()), int(gears.mounts.size()));
    if (!m_host.askYesNo(
            NotebookMessages::importPreview(int(adding.size()), duplicates, preview.join(u'\n'))))
        return;
    const auto added = m_store.addAll(adding, gears);
    if (!take(added ? Result<>() : Result<>(added.failure())))
        return;
    m_host.message(NotebookMessages::imported(*added, duplicates));
}

QString Notebook::historyCar() const
{
    return !m_carFilter.isEmpty() ? m_carFilter : m_selected != 0 ? m_loaded.car : QString();
}

QList<NotebookEntry> Notebook::history(const QString& car)
{
    QList<qint64> ids;
    const qint32 id = m_carIds.value(car, -2);
    for (qsizetype i = 0; i < shownCount(); ++i)
        if (shownRow(i).car == id)
            ids << shownRow(i).id;
    const auto entries = m_store.entries(ids);
    if (!entries)
        m_host.message(entries.error());
    return entries ? *entries : QList<NotebookEntry>();
}

NotebookChart::Plot Notebook::carChart(const QString& car) const
{
    const qint32 id = m_carIds.value(car, -2);
    std::vector<qsizetype> which;
    for (qsizetype i : m_shown)
        if (m_index.rows[size_t(i)].car == id)
            which.push_back(i);
    return NotebookChart::build(m_index.rows, which, m_axis);
}

void Notebook::printEntry_Click()
{
    if (const auto e = selectedEntry())
        PageDelivery::printWithDialog(m_host, NotebookSheet::entryPage(*e));
}

void Notebook::pdfEntry_Click()
{
    if (const auto e = selectedEntry())
        PageDelivery::savePdf(m_host, NotebookSheet::entryPage(*e), pdfName(e->car));
}

void Notebook::printHistory_Click()
{
    const QString car = historyCar();
    if (car.isEmpty() && m_carFilter.isEmpty() && m_selected == 0) {
        m_host.message(NotebookMessages::NoCar());
        return;
    }
    const PrintPage page =
        NotebookSheet::historyPage(car, history(car), carChart(car), m_trackLine);
    PageDelivery::printWithDialog(m_host, page);
}

void Notebook::pdfHistory_Click()
{
    const QString car = historyCar();
    if (car.isEmpty() && m_carFilter.isEmpty() && m_selected == 0) {
        m_host.message(NotebookMessages::NoCar());
        return;
    }
    PageDelivery::savePdf(m_host,
                          NotebookSheet::historyPage(car, history(car), carChart(car), m_trackLine),
                          pdfName(car));
}

void Notebook::printChart_Click()
{
    const PrintPage page = NotebookSheet::chartPage(
        chart(m_axis), chart(NotebookChart::XKind::Time), m_carFilter, m_trackFilter);
    PageDelivery::printWithDialog(m_host, page);
}
