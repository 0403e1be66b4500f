#pragma once

// The window "セッティング記録" as a headless model: a racer's notebook of runs.
//
//   main window's Form (Label6…Label9, Combo7, Label13) ─┐
//   走行計算's inputs (its DriveTool) ────────────────────┴─► record ─► NotebookStore (SQLite)
//   NotebookStore ─► index (small rows) ─► filter by car and track ─► list, charts ─► gui/
//   selected entry ─► restore ─► main window's four quantities, 走行計算's tyre and motor
//
// Values stay texts as the windows show them; the index keeps the few numbers
// the list and the charts need, so a notebook of a hundred thousand runs is
// listed, filtered and drawn at once.

#include "app/drivetool.h"
#include "app/giadsp.h"
#include "form/clicktable.h"
#include "notebook/notebookchart.h"
#include "notebook/notebookentry.h"
#include "notebook/notebookstore.h"
#include "notebook/rolloutadvice.h"
#include "platform/host.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

class Notebook
{
public:
    // The list's columns, as a racer scans them.
    enum Column { Date, Car, Track, Gears, Ratio, Rollout, Temp, Lap, ColumnCount };
    static QStringList columnTitles();
    static inline const QString FileName = QStringLiteral("notebook.db");

    // host: this window's own door; drive: 走行計算, whose inputs a run
    // notes and restores.
    Notebook(Giadsp& main, Host& host, DriveTool& drive);
    ~Notebook();

    // Opens the notebook file and lists it; problems are told. now names a
    // damaged file moved aside. Open already (an earlier window's), it only
    // lists what another copy wrote since.
    void open(const QDateTime& now = QDateTime::currentDateTime());
    // The same, with the file read and checked on a thread of its own, so a
    // window keeps drawing: progress runs on that thread when the list can be
    // taken (takeList) and again when the check is done (finishOpening, which
    // also waits for it). Every handler finishes the opening first, so nothing
    // is written to a file not yet checked.
    void openAside(std::function<void()> progress,
                   const QDateTime& now = QDateTime::currentDateTime());
    // Starts that reading before any window asks, silently, when the file is
    // there: the first opening of a session then finds its list read and its
    // file checked. What the check found is acted on and told only when a
    // window opens the notebook, and only if the file is still the one read.
    void readAhead();
    // Lists what the thread read, once; true when the list changed.
    bool takeList();
    // Waits for the check, then does with its outcome what open() does;
    // true when that changed the list (or told something).
    bool finishOpening();
    bool opening() const { return m_opening != nullptr; }
    // Waits for the thread, leaving what it found to finishOpening(): a
    // window going away hears nothing more from it.
    void waitForReading();
    // Whether the thread is done, so finishOpening() will not wait.
    bool openingRead() const;
    bool isOpen() const { return m_store.isOpen() && !opening(); }
    QString filePath() const;

    // ---- The list ----
    // Reads the index again; false (and told) when the file failed.
    bool reload();
    // Reloads when another copy of the program changed the file.
    bool followOtherCopies();
    QStringList carNames() const;   // cars with entries
    QStringList trackNames() const; // tracks with entries of the chosen car
    // "" for every car or track.
    void setFilter(const QString& car, const QString& track);
    const QString& carFilter() const { return m_carFilter; }
    const QString& trackFilter() const { return m_trackFilter; }
    qsizetype shownCount() const { return qsizetype(m_shown.size()); }
    const NotebookRow& shownRow(qsizetype i) const
    {
        return m_index.rows[size_t(m_shown[size_t(i)])];
    }
    qsizetype shownIndexOf(qint64 id) const;
    QString cellText(qsizetype i, int column) const;
    // A run's point of the chart read out: "2026/12/07 15:30、ロールアウト 27.40、
    // 63℃、12.5秒" (the gearing of the chart's axis).
    QString pointText(qint64 id) const;
    // The list in a column's order (blanks last); Date descending is newest first.
    void sortBy(int column, bool descending);
    // The shown runs with the fastest lap, the coolest and the hottest motor
    // (0: none; the hottest only when it is not also the coolest).
    qint64 fastest() const { return m_fastest; }
    qint64 coolest() const { return m_coolest; }
    qint64 hottest() const { return m_hottest; }
    // With a car and a track chosen, what their runs say in one line: the
    // best lap with its gearing, the newest run, how many, and the largest
    // rollout the motor can take (or why none is advised); else "".
    const QString& trackLine() const { return m_trackLine; }
    // The advice behind that line (refused TooFewRuns when no track is chosen).
    const RolloutAdvice::Advice& advice() const { return m_advice; }
    // The motor temperature the advice keeps under, in ℃ (温度上限, a setting).
    static constexpr double DefaultTempLimit = 70.0;
    double tempLimit() const { return m_tempLimit; }
    void setTempLimit(double limit);
    // The gears owned or a mount changed: the advice names its pair anew.
    void gearsChanged() { refilter(); }
    // Whether a shown run holds a value outside its field's range.
    bool hasStray(qsizetype i) const;
    QString carName(qint32 car) const { return m_index.cars.value(car); }
    QString trackName(qint32 track) const { return m_index.tracks.value(track); }
    // Moves on whenever the list changes, so a view knows to take it again.
    quint64 revision() const { return m_revision; }

    // A run as stored (told when the file failed or the run is gone).
    Result<NotebookEntry> entry(qint64 id) const { return m_store.entry(id); }

    // ---- The entry being edited ----
    NotebookEntry draft;
    QString draftDate; // as typed, "2026/12/07 15:30"
    qint64 selected() const { return m_selected; }
    // Edits the entry (0: none). Unsaved changes of the one before are asked
    // about first; false when they could not be saved.
    bool select(qint64 id);
    bool draftChanged() const;

    // ---- Charts: the shown runs ----
    NotebookChart::XKind chartAxis() const { return m_axis; }
    void setChartAxis(NotebookChart::XKind axis) { m_axis = axis; }
    NotebookChart::Plot chart(NotebookChart::XKind kind) const;

    // ---- Handlers ----
    bool raise(QStringView name);
    static const ClickTable<Notebook>& clicks();
    void record_Click();
    void save_Click();
    void remove_Click();
    void restore_Click();
    void exportCsv_Click();
    void printEntry_Click();
    void pdfEntry_Click();
    void printHistory_Click();
    void pdfHistory_Click();
    void printChart_Click();
    // Asks for a CSV, then imports it.
    void importCsv_Click();
    // Reads a CSV, shows what it adds, and adds it all in one go.
    void importCsv(const QString& path);
    // Runs while another program holds the notebook's lock (see NotebookStore).
    void setWaiting(std::function<void()> tick) { m_store.setWaiting(std::move(tick)); }
    // Whether the last handler changed the main window, which must be drawn again.
    bool ranMainHandler() const { return m_ranMain; }
    // What the last handler did, for a screen reader ("記録しました"), or "".
    const QString& done() const { return m_done; }

private:
    NotebookEntry fromWindows() const;
    Result<NotebookEntry> checkedDraft() const;
    std::optional<NotebookEntry> selectedEntry();
    QString historyCar() const;
    QList<NotebookEntry> history(const QString& car);
    NotebookChart::Plot carChart(const QString& car) const;
    void refilter();
    QString rowText(const NotebookRow& r, int column) const;
    void describeTrack(const NotebookRow* best);
    // "→ 手持ち 112/31": the owned pair closest under the advised rollout, or "".
    QString ownedAdvice(const NotebookRow& newest);
    void sortShown();
    // Tells a failed change; else brings the list up to date with the run
    // changed (0: many, all read again).
    bool take(Result<> done, qint64 changed = 0);
    // The names by number and the shown list, after the index changed.
    void indexChanged();
    // Already open: follows other copies instead of opening again (true).
    bool followedOpen();

    struct Opening;
    void startReading(std::function<void()> progress, const QDateTime& now);
    // A reading started ahead becomes the window's opening, unless the file
    // was replaced since (then it is dropped, unread); false when there is none.
    bool adoptReadAhead(const QDateTime& now);
    Giadsp& m_main;
    Host& m_host;
    DriveTool& m_drive;
    NotebookStore m_store;
    std::unique_ptr<Opening> m_opening;
    NotebookIndex m_index;
    QHash<QString, qint32> m_carIds, m_trackIds;
    std::vector<qsizetype> m_shown;
    QString m_carFilter, m_trackFilter;
    qint64 m_selected = 0;
    NotebookEntry m_loaded;
    QString m_loadedDate;
    double m_tempLimit = DefaultTempLimit;
    NotebookChart::XKind m_axis = NotebookChart::XKind::Rollout;
    quint64 m_revision = 0;
    bool m_ranMain = false;
    QString m_done;
    int m_sortColumn = Date;
    bool m_sortDescending = true;
    qint64 m_fastest = 0, m_coolest = 0, m_hottest = 0;
    QString m_trackLine;
    RolloutAdvice::Advice m_advice;
};
