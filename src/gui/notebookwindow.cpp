#include "notebookwindow.h"

#include "accessiblerole.h"
#include "announcer.h"
#include "app/session.h"
#include "common/recordsyntax.h"
#include "common/textfile.h"
#include "drivelook.h"
#include "fieldentry.h"
#include "mainlink.h"
#include "notebook/notebookmessages.h"
#include "notebookchartview.h"
#include "notebookcompare.h"
#include "notebooklistmodel.h"
#include "pageprinter.h"
#include "print/gridexport.h"
#include "selectorbox.h"
#include "zoom.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>
#include <tuple>
#include <utility>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(NotebookWindow)
};
} // namespace

namespace {
QString All() { return Tr::tr("（すべて）"); }
} // namespace

NotebookWindow::NotebookWindow(Session& session, MainLink& main)
    : ToolWindow(&main.window(), QStringLiteral("notebook"), NotebookMessages::Title()),
      m_session(session), m_main(main), m_host(this), m_notebook(session.notebook())
{
    // What the notebook has to say sits over this window.
    m_session.notebookDoor().lead(m_host);
    AccessibleRole::install<NotebookWindow, QAccessible::Window>();
    SelectorBox::installAccessibility(); // the filters and the axis speak their names
    m_host.printer().setPdfFolder(PagePrinter::documentsFolder());
    m_notebook.setTempLimit(Preferences::tempLimit());

    m_model = new NotebookListModel(m_notebook, this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setAccessibleName(Tr::tr("記録の一覧"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    // Fixed row heights: a hundred thousand rows are never measured.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false); // Tab leaves the list for the buttons and fields
    // A heading sorts by its column; newest first to begin with.
    QHeaderView* headings = m_list->horizontalHeader();
    headings->setSectionsClickable(true);
    headings->setSortIndicatorShown(true);
    headings->setSortIndicator(Notebook::Date, Qt::DescendingOrder);
    connect(headings, &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                m_notebook.sortBy(column, order == Qt::DescendingOrder);
                // The charts show the same runs in any order: the list first.
                render(true);
            });
    m_controls.insert(m_list->objectName(), m_list);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &NotebookWindow::rowChosen);

    m_announcer = new Announcer(this);
    // Another program holding the notebook's lock is waited for a moment
    // under the busy pointer, the windows still drawing.
    m_notebook.setWaiting([this] {
        if (!m_waited) {
            m_waited = true;
            m_host.setBusy(true);
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_chart = new NotebookChartView(this);
    m_chart->setObjectName(QStringLiteral("chart"));
    m_chart->setAccessibleName(Tr::tr("モーター温度とベストラップのグラフ"));
    m_chart->setPointText([this](qint64 id) { return m_notebook.pointText(id); });
    connect(m_chart, &NotebookChartView::pointPicked, this, &NotebookWindow::chooseRun);
    connect(m_chart, &NotebookChartView::stepped, this, [this](int delta) {
        // Sorted once per chart, not at every key.
        if (!m_runsAcross)
            m_runsAcross = m_chart->byGear().runsAcross();
        const QList<qint64>& runs = *m_runsAcross;
        if (runs.isEmpty())
            return;
        const qsizetype at = runs.indexOf(m_notebook.selected());
        const qsizetype next = at < 0 ? (delta > 0 ? 0 : runs.size() - 1)
                                      : std::clamp<qsizetype>(at + delta, 0, runs.size() - 1);
        chooseRun(runs[next]);
    });
    m_axis = new QComboBox(this);
    m_axis->setObjectName(QStringLiteral("axis"));
    m_axis->setAccessibleName(Tr::tr("グラフの横軸"));
    m_axis->addItems({Tr::tr("ロールアウト別"), Tr::tr("減速比別")});
    m_controls.insert(m_axis->objectName(), m_axis);
    connect(m_axis, &QComboBox::activated, this, [this](int index) {
        m_notebook.setChartAxis(index == 0 ? NotebookChart::XKind::Rollout
                                           : NotebookChart::XKind::Ratio);
        renderChart();
    });

    m_listBox = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(m_listBox);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(buildFilters());
    m_trackLine = DriveLook::plain(QString(), this);
    m_trackLine->setObjectName(QStringLiteral("trackLine"));
    m_trackLine->setWordWrap(true);
    m_trackLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_trackLine->hide();
    m_controls.insert(m_trackLine->objectName(), m_trackLine);
    leftColumn->addWidget(m_trackLine);
    leftColumn->addWidget(m_list, 1);
    m_chartBox = new QWidget(this);
    auto* chartColumn = new QVBoxLayout(m_chartBox);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    auto* axisRow = new QHBoxLayout;
    axisRow->addWidget(DriveLook::plain(Tr::tr("グラフの横軸"), this));
    axisRow->addWidget(m_axis);
    axisRow->addStretch();
    chartColumn->addLayout(axisRow);
    chartColumn->addWidget(m_chart, 1);

    m_split = new QSplitter(Qt::Horizontal, this);
    m_split->addWidget(m_listBox);
    // The fields scroll in a window shorter than they are (a zoomed laptop
    // screen), so the window fits the screen and keeps its buttons in view.
    m_editor = new QScrollArea(this);
    m_editor->setWidget(buildEditor());
    m_editor->setWidgetResizable(true);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setFocusPolicy(Qt::NoFocus); // Tab goes from field to field
    // 保存 stays in view below the fields, however far they scroll.
    m_editorBox = new QWidget(this);
    auto* editorColumn = new QVBoxLayout(m_editorBox);
    editorColumn->setContentsMargins(0, 0, 0, 0);
    editorColumn->addWidget(m_editor, 1);
    editorColumn->addWidget(addButton(QStringLiteral("save"), Tr::tr("保存")));
    m_split->addWidget(m_editorBox);
    m_split->addWidget(m_chartBox);
    m_split->setStretchFactor(0, 3);
    m_split->setStretchFactor(2, 2);
    m_shared = new QTabWidget(this);
    m_split->addWidget(m_shared);
    m_shared->hide();
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_split, 1);
    outer->addWidget(buildButtons());

    followZoom(m_main);
    rescale();
}

void NotebookWindow::rescale()
{
    setFont(DriveLook::font());
    // Widths from the texts a column holds at most, never from measuring
    // every row.
    const QFontMetrics fm(font());
    const QStringList widest = {QStringLiteral("2026/12/07 15:30"),
                                Tr::tr("ＷＷＷＷＷＷＷ"),
                                Tr::tr("ＷＷＷＷＷＷＷ"),
                                Tr::tr("ピニオン/スパー"),
                                QStringLiteral("10.000"),
                                Tr::tr("ロールアウト"),
                                Tr::tr("モーター温度"),
                                Tr::tr("ベストラップ")};
    // The headings in the rows' face and zoom (the application's face is
    // not zoomed), each with room for the sort mark.
    QHeaderView* headings = m_list->horizontalHeader();
    headings->setFont(font());
    const QFontMetrics headingFm(headings->font());
    const int mark = headings->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, headings) +
                     4 * headings->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, headings);
    const QStringList titles = Notebook::columnTitles();
    for (int c = 0; c < widest.size(); ++c)
        m_list->setColumnWidth(c, qMax(fm.horizontalAdvance(widest[c]) + 16,
                                       headingFm.horizontalAdvance(titles.value(c)) + mark));
    m_list->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
    if (opened())
        arrange(true);
}

NotebookWindow::~NotebookWindow()
{
    // The views read the model; nothing they send on the way out may reach it.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    m_list->setModel(nullptr);
    // The notebook stays with the session: its reading thread and its
    // waiting no longer reach this window.
    m_notebook.waitForReading();
    m_notebook.setWaiting({});
    m_session.notebookDoor().leadHome();
}

QPushButton* NotebookWindow::addButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, name] { handle(name); });
    m_controls.insert(name, button);
    return button;
}

QWidget* NotebookWindow::buildFilters()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (auto [combo, name, caption] : {std::tuple{&m_car, "car", Tr::tr("マシン")},
                                        std::tuple{&m_track, "track", Tr::tr("コース")}}) {
        *combo = new QComboBox(this);
        (*combo)->setObjectName(QString::fromLatin1(name));
        (*combo)->setAccessibleName(Tr::tr("%1で絞り込む").arg(caption));
        (*combo)->setMinimumContentsLength(10);
        (*combo)->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(*combo, &QComboBox::activated, this, &NotebookWindow::filterChosen);
        m_controls.insert((*combo)->objectName(), *combo);
        row->addWidget(DriveLook::plain(caption, this));
        row->addWidget(*combo, 1);
    }
    return box;
}

QWidget* NotebookWindow::buildEditor()
{
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(DriveLook::heading(Tr::tr("選んだ記録"), this));
    auto addField = [&](const QString& name, const QString& caption) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setAccessibleName(caption);
        edit->setMinimumWidth(120);
        edit->setMaxLength(int(NotebookField::MaxTextLength)); // the notebook's one limit
        FieldEntry::keepSingleLine(edit);
        form->addRow(caption, edit);
        m_controls.insert(name, edit);
        return edit;
    };
    m_date = addField(QStringLiteral("field:taken"), Tr::tr("日時"));
    connect(m_date, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_notebook.draftDate = text.trimmed(); });
    for (const NotebookField& f : notebookFields()) {
        QLineEdit* edit = addField(QStringLiteral("field:") + QLatin1String(f.column), f.label());
        if (f.kind != NotebookField::Text)
            edit->setAlignment(Qt::AlignRight);
        m_fields.insert(edit, f.member);
        connect(edit, &QLineEdit::textEdited, this, [this, member = f.member](const QString& text) {
            m_notebook.draft.*member = RecordSyntax::singleLine(text);
        });
    }
    return box;
}

QWidget* NotebookWindow::buildButtons()
{
    auto* box = new QWidget(this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->addWidget(addButton(QStringLiteral("record"), Tr::tr("記録する")));
    row->addWidget(addButton(QStringLiteral("restore"), Tr::tr("この設定を呼び出す")));
    row->addWidget(addButton(QStringLiteral("remove"), Tr::tr("削除")));
    auto* compare = new QPushButton(Tr::tr("比べる…"), this);
    compare->setObjectName(QStringLiteral("compare"));
    compare->setAccessibleName(Tr::tr("二つの記録を比べる"));
    compare->setAutoDefault(true);
    connect(compare, &QPushButton::clicked, this, &NotebookWindow::compareRuns);
    m_controls.insert(compare->objectName(), compare);
    row->addWidget(compare);
    row->addStretch();
    auto* more = new QPushButton(Tr::tr("印刷・保存"), this);
    more->setObjectName(QStringLiteral("more"));
    auto* menu = new QMenu(more);
    const struct
    {
        const char* name;
        QString caption;
    } items[] = {
        {"printEntry", Tr::tr("この記録のセッティングシートを印刷…")},
        {"pdfEntry", Tr::tr("この記録のセッティングシートをPDFに保存…")},
        {"printHistory", Tr::tr("マシンの履歴を印刷…")},
        {"pdfHistory", Tr::tr("マシンの履歴をPDFに保存…")},
        {"printChart", Tr::tr("グラフを印刷…")},
        {"png", Tr::tr("グラフをPNGで保存…")},
        {"exportCsv", Tr::tr("表示中の記録をCSVで書き出す…")},
        {"importCsv", Tr::tr("CSVから読み込む…")},
    };
    for (const auto& item : items) {
        const QString name = QString::fromLatin1(item.name);
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, name] {
            if (name == QLatin1String("png"))
                saveChartPng();
            else
                handle(name);
        });
    }
    more->setMenu(menu);
    m_controls.insert(more->objectName(), more);
    row->addWidget(more);
    QPushButton* close = addCloseButton(Tr::tr("閉じる"), Tr::tr("セッティング記録を閉じる"));
    // Return on it leaves the window open, as it always has.
    close->setAutoDefault(false);
    row->addWidget(close);
    // The gears and the advice's limit on a line of their own: one more
    // button on the first would widen the window past a small screen.
    row = new QHBoxLayout;
    for (const auto& [name, caption, spoken, run] :
         {std::tuple{"gearBox", QT_TR_NOOP("手持ちギア…"),
                     QT_TR_NOOP("手持ちギアとマウントを登録する"), &NotebookWindow::openGearBox},
          std::tuple{"tempLimit", QT_TR_NOOP("温度上限…"),
                     QT_TR_NOOP("ロールアウトの目安の温度上限を決める"),
                     &NotebookWindow::askTempLimit}}) {
        auto* button = new QPushButton(tr(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(tr(spoken));
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, run);
        m_controls.insert(button->objectName(), button);
        row->addWidget(button);
    }
    row->addStretch();
    rows->addLayout(row);
    return box;
}

void NotebookWindow::opening(bool first)
{
    if (first) {
        // Drawn at once, empty: checking the file and reading a season of
        // runs take a few frames, which come after the first (paintEvent).
        // A list read ahead is in it already; what the check found is told
        // once the window is on the screen.
        if (m_notebook.opening()) {
            startReading();
            m_notebook.takeList();
        }
        render();
        placeOnScreen();
    } else {
        readNotebook();
        m_notebook.followOtherCopies();
        render();
    }
}

void NotebookWindow::paintEvent(QPaintEvent* event)
{
    if (opened() && !std::exchange(m_readAsked, true))
        m_host.afterDrawing([this] { startReading(); });
    QWidget::paintEvent(event);
}

void NotebookWindow::startReading()
{
    if (std::exchange(m_read, true))
        return;
    // The thread's news comes back through this window's event queue; the
    // notebook waits for the thread before the window goes.
    m_notebook.openAside([this] {
        QMetaObject::invokeMethod(this, &NotebookWindow::readProgress, Qt::QueuedConnection);
    });
    if (!m_notebook.opening())
        render(); // refused at once, and told
}

void NotebookWindow::readProgress()
{
    if (!m_notebook.opening())
        return;
    bool changed = m_notebook.takeList();
    // A file found sound changes nothing more on screen.
    if (m_notebook.openingRead())
        changed = m_notebook.finishOpening() || changed;
    if (changed)
        render();
}

void NotebookWindow::readNotebook()
{
    if (!std::exchange(m_read, true))
        m_notebook.open();
    else if (m_notebook.opening())
        m_notebook.finishOpening();
    else
        return;
    render();
}

void NotebookWindow::placeOnScreen()
{
    moveBeside(m_main.window(), QSize(1480, 660), QPoint(40, 40));
    arrange(true);
}

void NotebookWindow::arrange(bool anew)
{
    layout()->activate(); // the splitter's width for the window's
    // The list first gets room for every column (the lap is the last one a
    // racer scans), the editor its own width, the charts what is left.
    const int listWidth = m_list->horizontalHeader()->length() + 2 * m_list->frameWidth() +
                          m_list->verticalScrollBar()->sizeHint().width();
    const int editorWidth =
        m_editor->widget()->sizeHint().width() + m_editor->verticalScrollBar()->sizeHint().width();
    const int room = m_split->width() - 3 * m_split->handleWidth();
    // Too narrow for all three (a zoomed laptop screen): the fields and the
    // charts take turns as tabs beside the list; narrower still, the list
    // too. No column of the list is ever out of view.
    const int chartWidth = m_chartBox->minimumSizeHint().width();
    const int tabsWidth =
        qMax(editorWidth, chartWidth) + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    const Panes panes = room >= listWidth + editorWidth + chartWidth ? Panes::Three
                        : room >= listWidth + tabsWidth              ? Panes::ListBesideTabs
                                                                     : Panes::Tabs;
    if (panes == m_panes && !anew)
        return;
    if (panes != m_panes) {
        m_shared->clear();
        QList<QWidget*> split = {m_listBox, m_editorBox, m_chartBox};
        const QStringList titles = {Tr::tr("一覧"), Tr::tr("選んだ記録"), Tr::tr("グラフ")};
        const int inSplit = panes == Panes::Three ? 3 : panes == Panes::ListBesideTabs ? 1 : 0;
        for (int i = 0; i < 3; ++i) {
            if (i < inSplit) {
                m_split->insertWidget(i, split[i]);
                split[i]->show();
            } else {
                m_shared->addTab(split[i], titles[i]);
            }
        }
        m_shared->setVisible(inSplit < 3);
        m_panes = panes;
    }
    switch (panes) {
    case Panes::Three:
        m_split->setSizes({listWidth, editorWidth, room - listWidth - editorWidth, 0});
        break;
    case Panes::ListBesideTabs:
        m_split->setSizes({listWidth, room - listWidth});
        break;
    case Panes::Tabs:
        break;
    }
}

void NotebookWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (opened())
        arrange(false);
}

void NotebookWindow::changeEvent(QEvent* event)
{
    // Back in front: what another copy of the program noted meanwhile shows.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && opened() &&
        m_notebook.followOtherCopies())
        render();
    QWidget::changeEvent(event);
}

void NotebookWindow::closeEvent(QCloseEvent* event)
{
    // Typed but not saved: asked about, as when another run is chosen.
    if (m_notebook.draftChanged() && m_host.askYesNo(NotebookMessages::AskSaveDraft()))
        handle(QStringLiteral("save"));
    QWidget::closeEvent(event);
}

void NotebookWindow::handle(const QString& name)
{
    // Nothing is done to a notebook not read yet.
    readNotebook();
    if (!m_notebook.raise(name))
        qWarning("no handler for %s", qPrintable(name));
    if (std::exchange(m_waited, false))
        m_host.setBusy(false);
    if (m_notebook.ranMainHandler())
        m_main.showHandlerResult();
    const QString line = m_notebook.trackLine();
    // Both charts of a season of runs cost most of a frame to work out and
    // draw: the list and the fields show the click's result first.
    render(true);
    // A run recorded, changed or deleted on the chosen track changes what
    // its line says, which is far from the focus.
    const QString& now = m_notebook.trackLine();
    m_announcer->announce(now == line || m_notebook.done().isEmpty()
                              ? m_notebook.done()
                              : Tr::tr("%1。%2").arg(m_notebook.done(), now));
}

void NotebookWindow::filterChosen()
{
    readNotebook();
    const QString car = m_car->currentIndex() <= 0 ? QString() : m_car->currentText();
    const QString track = m_track->currentIndex() <= 0 ? QString() : m_track->currentText();
    m_notebook.setFilter(car, track);
    render();
    m_announcer->announce(m_notebook.trackLine());
}

void NotebookWindow::chooseRun(qint64 id)
{
    const qsizetype row = m_notebook.shownIndexOf(id);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(int(row), 0);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_list->scrollTo(index);
    if (m_notebook.selected() == id)
        m_announcer->announce(m_notebook.pointText(id));
}

void NotebookWindow::rowChosen()
{
    const int row = m_list->currentIndex().row();
    const qint64 id = row >= 0 && row < m_notebook.shownCount() ? m_notebook.shownRow(row).id : 0;
    if (!m_notebook.select(id)) {
        // The edits the user wanted kept could not be saved: they stay in view.
        render();
        return;
    }
    renderEditor();
    const qsizetype shown = m_notebook.shownIndexOf(id);
    m_chart->setSelected(shown < 0 ? nullptr : &m_notebook.shownRow(shown));
    if (m_model->rowCount() != m_notebook.shownCount())
        render();
}

void NotebookWindow::render(bool chartLater)
{
    renderFilters();
    renderTrackLine();
    const qsizetype row = m_notebook.shownIndexOf(m_notebook.selected());
    {
        // Taking the list again moves the view's current row: the model's
        // selection is what counts.
        const QSignalBlocker blocker(m_list->selectionModel());
        m_model->sync();
        if (row >= 0) {
            m_list->selectRow(int(row));
            m_list->setCurrentIndex(m_model->index(int(row), 0));
            m_list->scrollTo(m_model->index(int(row), 0));
        } else {
            // No row current either: the first arrow key picks the first run.
            m_list->clearSelection();
            m_list->selectionModel()->clearCurrentIndex();
        }
    }
    renderEditor();
    if (!chartLater) {
        m_chartStale = false;
        renderChart();
    } else if (!std::exchange(m_chartStale, true)) {
        m_host.afterDrawing([this] {
            if (std::exchange(m_chartStale, false))
                renderChart();
        });
    }
}

void NotebookWindow::renderFilters()
{
    for (auto [combo, names, chosen] :
         {std::tuple{m_car, m_notebook.carNames(), m_notebook.carFilter()},
          std::tuple{m_track, m_notebook.trackNames(), m_notebook.trackFilter()}}) {
        const QSignalBlocker blocker(combo);
        const QStringList items = QStringList{All()} + names;
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(chosen.isEmpty() ? 0 : std::max(0, int(items.indexOf(chosen))));
    }
}

void NotebookWindow::renderTrackLine()
{
    const QString& line = m_notebook.trackLine();
    DriveLook::show(m_trackLine, Tr::tr("このコースの記録"), line);
    m_trackLine->setVisible(!line.isEmpty());
}

void NotebookWindow::renderEditor()
{
    auto put = [](QLineEdit* edit, const QString& text) {
        // A stored text longer than a field holds is shown, never edited:
        // an edit would save it cut.
        const bool whole = text.size() <= edit->maxLength();
        edit->setReadOnly(!whole);
        edit->setToolTip(whole ? QString()
                               : NotebookMessages::tooLong(edit->accessibleName(),
                                                           edit->maxLength(), text.size()));
        if (edit->text() != text.left(edit->maxLength())) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    };
    put(m_date, m_notebook.draftDate);
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        put(it.key(), m_notebook.draft.*it.value());
}

void NotebookWindow::renderChart()
{
    NotebookChart::Plot shown, byTime;
    try {
        shown = m_notebook.chart(m_notebook.chartAxis());
        byTime = m_notebook.chart(NotebookChart::XKind::Time);
    } catch (const std::exception&) {
        // Out of memory over a huge notebook: the list and the fields stay usable.
        shown = byTime = NotebookChart::Plot();
    }
    m_chart->setPlots(shown, byTime);
    m_runsAcross.reset();
    // What the drawing shows, said in words.
    const QString words = NotebookChart::summary(shown);
    if (m_chart->accessibleDescription() != words)
        m_chart->setAccessibleDescription(words);
}

void NotebookWindow::compareRuns()
{
    readNotebook();
    const qsizetype count = m_notebook.shownCount();
    if (count < 2) {
        m_host.message(NotebookMessages::CompareTooFew());
        return;
    }
    // The chosen run against the one before it (listed next, newest first).
    const qsizetype left = std::max<qsizetype>(0, m_notebook.shownIndexOf(m_notebook.selected()));
    auto* dialog =
        new NotebookCompareDialog(m_notebook, left, left + 1 < count ? left + 1 : left - 1, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
}

void NotebookWindow::saveChartPng()
{
    readNotebook();
    const QString path = m_host.askSavePath(
        GridExport::fileName(QStringLiteral("chart"), QDate::currentDate(), QStringLiteral("png")),
        QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_chart->picture(QSize(1000, 800)).save(&buffer, "PNG");
    const Result<> written = TextFile::writeBytesAtomically(path, bytes);
    m_host.message(written ? NotebookMessages::pngSaved(path) : written.error());
}
