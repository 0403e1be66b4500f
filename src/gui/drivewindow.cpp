#include "drivewindow.h"

#include "accessiblerole.h"
#include "announcer.h"
#include "app/session.h"
#include "calc/ratiogrid.h"
#include "common/recordsyntax.h"
#include "drivelook.h"
#include "fieldentry.h"
#include "form/controltable.h"
#include "gearboxwindow.h"
#include "mainlink.h"
#include "ratiogridview.h"
#include "sheettable.h"
#include "twips.h"
#include "unitchoice.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(DriveWindow)
};
} // namespace

namespace {
QString Title() { return Tr::tr("走行計算"); }
QString Calculating() { return Tr::tr("メイン画面のセッティングから計算しています"); }
QString TypedModuleHint()
{
    return Tr::tr("メイン画面のモジュールがピッチ（48P・0.5M など）でないときに入力します");
}
QString StatusName() { return Tr::tr("走行計算の状況表示"); }
QString SurveyName() { return Tr::tr("指定減速比調査の結果"); }
QString ModuleName() { return Tr::tr("モジュールの出どころ"); }
QString ownedName() { return Tr::tr("手持ちのギアで調べた結果"); }
QString RolloutHeading(Units::System units)
{
    return Tr::tr("ロールアウト表（%1）").arg(Units::lengthUnit(units));
}
QString unitOf(Units::Quantity quantity, Units::System units)
{
    return quantity == Units::Quantity::Length ? Units::lengthUnit(units) : Units::speedUnit(units);
}
} // namespace

DriveWindow::DriveWindow(Session& session, MainLink& main)
    : ToolWindow(&main.window(), QStringLiteral("drive"), Title()), m_session(session),
      m_main(main), m_host(this), m_tool(session.drive())
{
    // What the tool has to say sits over this window.
    m_session.driveDoor().lead(m_host);
    // To a screen reader the window is a window, not a filler inside another.
    AccessibleRole::install<DriveWindow, QAccessible::Window>();
    // Without a printer the page goes where プリント puts its PDF.
    m_host.printer().setPdfFolder(PagePrinter::documentsFolder());

    auto* left = new QVBoxLayout;
    left->addWidget(buildInputs());
    m_status = DriveLook::statusLine(this);
    m_announcer = new Announcer(this);
    m_status->setAccessibleName(StatusName());
    left->addWidget(m_status);
    for (int index : {DriveTool::Current, DriveTool::Steps}) {
        m_tables.insert(index, new SheetTable(this));
        left->addWidget(m_tables[index]);
    }
    left->addStretch();

    auto* middle = new QVBoxLayout;
    middle->addWidget(buildWanted());
    middle->addWidget(buildOwned());
    m_tables.insert(DriveTool::Reference, new SheetTable(this));
    middle->addWidget(m_tables[DriveTool::Reference]);
    middle->addWidget(addButton(QStringLiteral("takeReference"), Tr::tr("基準にする"),
                                Tr::tr("現在のセッティングを基準にする")),
                      0, Qt::AlignRight);
    m_tables.insert(DriveTool::Pitches, new SheetTable(this));
    middle->addWidget(m_tables[DriveTool::Pitches]);
    middle->addStretch();
    middle->addWidget(buildButtons());

    auto* right = new QVBoxLayout;
    m_rolloutHeading = DriveLook::heading(RolloutHeading(Units::System::Metric), this);
    right->addWidget(m_rolloutHeading);
    m_rollouts = new RatioGridView(m_tool.rollouts(), this);
    m_rollouts->setObjectName(QStringLiteral("rollouts"));
    m_rollouts->setAccessibleName(Tr::tr("ロールアウト表"));
    m_controls.insert(m_rollouts->objectName(), m_rollouts);
    right->addWidget(m_rollouts, 1);
    auto* marks = DriveLook::plain(
        Tr::tr("赤：指定減速比の%1以内　青：最も近い組合せ（メイン画面の調査と同じ）")
            .arg(RatioGrid::bandText()),
        this);
    marks->setWordWrap(true);
    right->addWidget(marks);

    // The whole sheet scrolls in a window that may be smaller than it: a
    // small or zoomed screen reaches every control.
    m_sheet = new QWidget;
    auto* root = new QHBoxLayout(m_sheet);
    // A wider window widens the rollout table alone: its spurs come into
    // view, where the tables beside it would only grow empty space.
    for (QVBoxLayout* column : {left, middle}) {
        auto* box = new QWidget(m_sheet);
        box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
        column->setContentsMargins(0, 0, 0, 0);
        box->setLayout(column);
        root->addWidget(box);
    }
    root->addLayout(right, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_sheet);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes from field to field; the area follows the focus by itself.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAccessibleName(Title());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);

    // Fields, then the buttons beside them, then the window's own buttons.
    const QStringList order = {"tyreDiameter",   "kv",
                               "voltage",        "motorRpm",
                               "moduleTyped",    "wantedRollout",
                               "surveyRollout",  "wantedSpeed",
                               "surveySpeed",    "wantedWheelRpm",
                               "surveyWheelRpm", "ownedOnly",
                               "keepRollout",    "gearBox",
                               "ownedPairs",     "takeReference",
                               "rollouts",       "printSheet",
                               "explain",        "close"};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(m_controls.value(order[i - 1]), m_controls.value(order[i]));

    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { handle(QStringLiteral("printSheet")); });
    connect(&m_main, &MainLink::formChanged, this, &DriveWindow::followMain);
    followZoom(m_main);
    connect(&m_main, &MainLink::unitsChanged, this, &DriveWindow::followUnits);
    rescale();
    followUnits();
}

DriveWindow::~DriveWindow()
{
    // Closing the window leaves the field being typed in: what it holds is kept.
    m_tool.fieldLeft();
    m_session.driveDoor().leadHome();
    // The base class deletes the children after the tool is gone: nothing they
    // send on the way out (a field losing its focus) may reach it.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    // The view reads the tool's table.
    delete m_rollouts;
}

QLineEdit* DriveWindow::addField(QGridLayout* grid, int row, const QString& name,
                                 QString DriveTool::Fields::*field, const QString& caption,
                                 const QString& unit, std::optional<Units::Quantity> quantity)
{
    grid->addWidget(DriveLook::heading(caption, this, Qt::AlignLeft | Qt::AlignVCenter), row, 0);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAccessibleName(caption);
    edit->setAlignment(Qt::AlignRight);
    FieldEntry::keepSingleLine(edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field, quantity](const QString& text) {
        const QString typed = RecordSyntax::singleLine(text);
        // Inches and mph become mm and km/h here, once: the tool and drive.dat
        // hold metric texts only.
        m_tool.fields.*field =
            quantity ? Units::typedToMetric(*quantity, typed, m_tool.units) : typed;
        m_tool.refresh();
        render();
    });
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_tool.fieldLeft(); });
    grid->addWidget(edit, row, 1);
    QLabel* unitLabel = DriveLook::plain(unit, this);
    grid->addWidget(unitLabel, row, 2);
    m_controls.insert(name, edit);
    m_fields.insert(edit, field);
    if (quantity) {
        m_quantities.insert(edit, *quantity);
        m_unitLabels.insert(edit, unitLabel);
    }
    return edit;
}

QPushButton* DriveWindow::addButton(const QString& name, const QString& caption,
                                    const QString& accessibleName)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    // Return presses the focused button, as in the main window; in a field it
    // runs only that field's own survey, and nothing closes the window.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, name] { handle(name); });
    m_controls.insert(name, button);
    return button;
}

QGridLayout* DriveWindow::headedGrid(QWidget* box, const QString& heading, int columns)
{
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(DriveLook::heading(heading, this), 0, 0, 1, columns);
    return grid;
}

QWidget* DriveWindow::buildInputs()
{
    auto* box = new QWidget(this);
    QGridLayout* grid = headedGrid(box, Tr::tr("走行条件"), 3);
    using F = DriveTool::Fields;
    addField(grid, 1, QStringLiteral("tyreDiameter"), &F::tyreDiameter,
             Drive::Field::TyreDiameter(), QStringLiteral("mm"), Units::Quantity::Length);
    addField(grid, 2, QStringLiteral("kv"), &F::kv, Drive::Field::Kv(), QStringLiteral("rpm/V"));
    addField(grid, 3, QStringLiteral("voltage"), &F::voltage, Drive::Field::Voltage(),
             QStringLiteral("V"));
    addField(grid, 4, QStringLiteral("motorRpm"), &F::motorRpm, Drive::Field::MotorRpm(),
             Tr::tr("rpm（入力するとKV値×電圧より優先）"));
    addField(grid, 5, QStringLiteral("moduleTyped"), &F::moduleTyped, Drive::Field::Module(),
             QStringLiteral("mm"));
    m_moduleNote = DriveLook::plain(QString(), this);
    m_moduleNote->setAccessibleName(ModuleName());
    m_moduleNote->setWordWrap(true);
    grid->addWidget(m_moduleNote, 6, 0, 1, 3);
    return box;
}

QWidget* DriveWindow::buildWanted()
{
    auto* box = new QWidget(this);
    QGridLayout* grid = headedGrid(box, Tr::tr("目標から減速比を調べる"), 4);
    using F = DriveTool::Fields;
    const struct
    {
        const char *field, *button;
        QString F::*member;
        QString caption, unit, survey;
        std::optional<Units::Quantity> quantity;
    } rows[] = {
        {"wantedRollout", "surveyRollout", &F::wantedRollout, Drive::Field::WantedRollout(), "mm",
         Tr::tr("指定ロールアウトで指定減速比調査"), Units::Quantity::Length},
        {"wantedSpeed", "surveySpeed", &F::wantedSpeed, Drive::Field::WantedSpeed(), "km/h",
         Tr::tr("指定最高速度で指定減速比調査"), Units::Quantity::Speed},
        {"wantedWheelRpm", "surveyWheelRpm", &F::wantedWheelRpm, Drive::Field::WantedWheelRpm(),
         "rpm", Tr::tr("指定タイヤ回転数で指定減速比調査"), std::nullopt},
    };
    int row = 1;
    for (const auto& r : rows) {
        const QString button = QString::fromLatin1(r.button);
        QLineEdit* edit = addField(grid, row, QString::fromLatin1(r.field), r.member, r.caption,
                                   r.unit, r.quantity);
        // Return in the field asks for the survey, as its button does.
        connect(edit, &QLineEdit::returnPressed, this, [this, button] { handle(button); });
        grid->addWidget(addButton(button, Tr::tr("調査"), r.survey), row++, 3);
    }
    m_surveyNote = DriveLook::plain(QString(), this);
    m_surveyNote->setAccessibleName(SurveyName());
    m_surveyNote->setWordWrap(true);
    grid->addWidget(m_surveyNote, row, 0, 1, 4);
    return box;
}

QWidget* DriveWindow::buildOwned()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* only = new QCheckBox(tr("手持ちのギアだけ"), box);
    only->setObjectName(QStringLiteral("ownedOnly"));
    only->setAccessibleName(tr("指定減速比調査で手持ちのギアだけを調べる"));
    connect(only, &QCheckBox::toggled, this, [this](bool on) { m_tool.ownedOnly = on; });
    m_controls.insert(only->objectName(), only);
    row->addWidget(only);
    row->addStretch();
    row->addWidget(addButton(QStringLiteral("keepRollout"), tr("ロールアウトを保つ"),
                             tr("今のタイヤ径でロールアウトを保つ手持ちの組合せ")));
    auto* gears = new QPushButton(tr("手持ちギア…"), box);
    gears->setObjectName(QStringLiteral("gearBox"));
    gears->setAccessibleName(tr("手持ちギアとマウントを登録する"));
    gears->setAutoDefault(true);
    connect(gears, &QPushButton::clicked, this, &DriveWindow::openGearBox);
    m_controls.insert(gears->objectName(), gears);
    row->addWidget(gears);
    column->addLayout(row);
    m_ownedNote = DriveLook::plain(QString(), box);
    m_ownedNote->setWordWrap(true);
    m_ownedNote->setAccessibleName(ownedName());
    column->addWidget(m_ownedNote);
    m_ownedPairs = new QListWidget(box);
    m_ownedPairs->setObjectName(QStringLiteral("ownedPairs"));
    m_ownedPairs->setAccessibleName(tr("手持ちの組合せ（近い順）"));
    m_ownedPairs->setFont(DriveLook::font());
    m_ownedPairs->setMaximumHeight(m_ownedPairs->fontMetrics().height() * 7);
    m_ownedPairs->hide();
    m_controls.insert(m_ownedPairs->objectName(), m_ownedPairs);
    column->addWidget(m_ownedPairs);
    return box;
}

void DriveWindow::openGearBox()
{
    if (!m_gearBox)
        m_gearBox = new GearBoxWindow(m_session.app(), this);
    m_gearBox->open();
}

QWidget* DriveWindow::buildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(
        addButton(QStringLiteral("printSheet"), Tr::tr("印刷"), Tr::tr("走行計算を印刷")));
    row->addWidget(
        addButton(QStringLiteral("explain"), Tr::tr("計算式の説明"), Tr::tr("計算式の説明")));
    QPushButton* close = addCloseButton(Tr::tr("閉じる"), Tr::tr("走行計算を閉じる"));
    m_controls.insert(close->objectName(), close);
    row->addWidget(close);
    return box;
}

void DriveWindow::opening(bool first)
{
    m_tool.show();
    render();
    if (first) {
        placeOnScreen();
        // Once laid out, widened by what the rollout table still lacks.
        QTimer::singleShot(0, this, &DriveWindow::placeOnScreen);
    }
}

void DriveWindow::rescale()
{
    setFont(DriveLook::font());
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        it.key()->setMinimumWidth(Twips::toPx(1100));
        it.key()->setMaximumWidth(Twips::toPx(1400));
    }
    // The main grid's own size, so the rollout table looks the same.
    m_rollouts->setMinimumSize(Twips::toPx(RatioGrid::WidthTwips),
                               Twips::toPx(RatioGrid::HeightTwips));
    m_rollouts->rescale();
    if (opened())
        placeOnScreen();
}

void DriveWindow::placeOnScreen()
{
    // The whole sheet when there is room, the rollout table with every spur
    // of the ranges (its hint is only the main grid's frame); else the room,
    // scrolling.
    QSize wanted = m_sheet->sizeHint().expandedTo(m_sheet->minimumSizeHint());
    const QAbstractItemModel* table = m_rollouts->model();
    int columns = 0;
    for (int c = 0; c < table->columnCount(); ++c)
        if (!table->headerData(c, Qt::Horizontal).toString().isEmpty())
            columns += m_rollouts->columnWidth(c);
    const int wholeTable = m_rollouts->verticalHeader()->sizeHint().width() + columns +
                           2 * m_rollouts->frameWidth() +
                           m_rollouts->verticalScrollBar()->sizeHint().width();
    // Laid out already (shown): the table's shortfall is measured, as the
    // tables beside it take their width only when filled and shown.
    if (isVisible())
        wanted = size() + QSize(qMax(0, columns - m_rollouts->viewport()->width()), 0);
    else
        wanted.rwidth() += qMax(0, wholeTable - m_rollouts->minimumWidth());
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    if (!isVisible())
        wanted += QSize(margins.left() + margins.right(), margins.top() + margins.bottom()) +
                  QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 2);
    moveBeside(m_main.window(), wanted, QPoint(60, 60));
}

void DriveWindow::closeEvent(QCloseEvent* event)
{
    m_tool.fieldLeft();
    QWidget::closeEvent(event);
}

void DriveWindow::followMain()
{
    // A closed window catches up when it is opened again.
    if (!isVisible())
        return;
    m_tool.refresh();
    render();
}

void DriveWindow::handle(const QString& name)
{
    // A handler may show message boxes of its own; the texts are drawn once it returns.
    if (!m_tool.raise(name))
        qWarning("no handler for %s", qPrintable(name));
    if (m_tool.ranMainHandler()) {
        // The main window's survey ran: it is drawn again, and whatever follows
        // it hears of it as of any of its handlers.
        m_main.showHandlerResult();
    }
    render();
}

void DriveWindow::followUnits()
{
    m_tool.units = UnitChoice::current();
    for (auto it = m_unitLabels.cbegin(); it != m_unitLabels.cend(); ++it)
        it.value()->setText(unitOf(m_quantities.value(it.key()), m_tool.units));
    m_rolloutHeading->setText(RolloutHeading(m_tool.units));
    if (!opened())
        return;
    m_tool.refresh();
    render();
}

void DriveWindow::render()
{
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QString& kept = m_tool.fields.*it.value();
        const auto quantity = m_quantities.find(it.key());
        if (quantity == m_quantities.cend()) {
            if (it.key()->text() != kept) {
                const QSignalBlocker blocker(it.key());
                it.key()->setText(kept);
            }
            continue;
        }
        // What the user typed in inches stays as typed while it still means
        // the value kept; a value from elsewhere is shown in the chosen unit.
        const QString text = Units::metricToTyped(*quantity, kept, m_tool.units);
        if (it.key()->text() != text &&
            Units::typedToMetric(*quantity, it.key()->text(), m_tool.units) != kept) {
            const QSignalBlocker blocker(it.key());
            it.key()->setText(text);
        }
    }
    const bool fromMain = !m_tool.moduleNote().isEmpty();
    m_controls.value(QStringLiteral("moduleTyped"))->setEnabled(!fromMain);
    DriveLook::show(m_moduleNote, ModuleName(), fromMain ? m_tool.moduleNote() : TypedModuleHint());
    const QString status = m_tool.status().isEmpty() ? Calculating() : m_tool.status();
    QStringList news;
    if (m_status->text() != status) {
        DriveLook::show(m_status, StatusName(), status);
        news << m_status->accessibleName();
    }
    // The figures change away from the focus (a voltage typed, a SET in the
    // main window): said once per change.
    if (m_tool.headline() != m_headline) {
        m_headline = m_tool.headline();
        news << m_headline;
    }
    news.removeAll(QString());
    m_announcer->announce(news.join(Tr::tr("、")));
    DriveLook::show(m_surveyNote, SurveyName(), m_tool.surveyNote());
    if (m_ownedNote->text() != m_tool.ownedNote()) {
        DriveLook::show(m_ownedNote, ownedName(), m_tool.ownedNote());
        // Said whole, the closest pair with it: the list is where the focus is not.
        QStringList said{m_tool.ownedNote()};
        if (!m_tool.ownedPairs().isEmpty())
            said << m_tool.ownedPairs().first();
        m_announcer->announce(said.join(QStringLiteral(" ")), Announcer::EvenIfSaid);
    }
    if (m_ownedPairs->count() != m_tool.ownedPairs().size() ||
        (m_ownedPairs->count() > 0 && m_ownedPairs->item(0)->text() != m_tool.ownedPairs()[0])) {
        m_ownedPairs->clear();
        m_ownedPairs->addItems(m_tool.ownedPairs());
        m_ownedPairs->setVisible(!m_tool.ownedPairs().isEmpty());
    }
    for (auto it = m_tables.cbegin(); it != m_tables.cend(); ++it)
        it.value()->setTable(m_tool.sheet().tables.value(it.key()));
    m_rollouts->sync();
}
