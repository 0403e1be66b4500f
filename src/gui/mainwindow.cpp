#include "mainwindow.h"

#include "announcer.h"
#include "appsetup.h"
#include "backdrop.h"
#include "calc/gearcalc.h"
#include "calc/ratiogrid.h"
#include "colours.h"
#include "common/recordsyntax.h"
#include "drivewindow.h"
#include "fieldentry.h"
#include "form/controltable.h"
#include "itemlistview.h"
#include "keyboardkeypad.h"
#include "language.h"
#include "notebookwindow.h"
#include "ratiogridview.h"
#include "selectorbox.h"
#include "twips.h"
#include "unitchoice.h"
#include "windowmenus.h"
#include "zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QWindow>

#include <cmath>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};
} // namespace

namespace {

Qt::Alignment alignmentOf(TextAlign align)
{
    switch (align) {
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TextAlign::Centre:
        return Qt::AlignCenter;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// What a screen reader says: a label's role with the value it shows (Orca
// speaks names, not descriptions), and which quantity a star button picks.
void describe(QWidget* widget, const ControlSpec& desc, const QString& shown)
{
    if (desc.picksQuantity)
        widget->setAccessibleDescription(
            shown == GearCalc::Star ? Tr::tr("%1 計算する値に選ばれています").arg(GearCalc::Star)
                                    : Tr::tr("押すと計算する値に選びます"));
    else if (desc.kind == ControlKind::Label)
        widget->setAccessibleName(shown.isEmpty() || shown == desc.role ? desc.role
                                                                        : desc.role + u' ' + shown);
}

// A combo box's items, filled again only when the Form's list changed.
void renderItems(QComboBox* widget, ItemList& rendered, const ItemList& items)
{
    if (rendered == items)
        return;
    widget->clear();
    widget->addItems(items);
    rendered = items;
}

} // namespace

MainWindow::MainWindow(const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent), m_host(this), m_session(m_host, dataFolder), m_app(m_session.app()),
      m_link(*this, [this] { showHandlerResult(); }), m_backdrop(new Backdrop(this)),
      m_keypad(new KeyboardKeypad(this)), m_announcer(new Announcer(m_backdrop))
{
    setObjectName(QStringLiteral("GIADSP"));
    setWindowTitle(ControlTable::windowCaption());
    // The design's face, whatever the desktop's theme; controls add their own colours.
    setPalette(Colours::design());
    setCentralWidget(m_backdrop);
    m_app.setDriveWindowOpener([this] { openDriveWindow(); });
    m_app.setNotebookWindowOpener([this] { openNotebookWindow(); });
    connect(this, &MainWindow::formChanged, &m_link, &MainLink::formChanged);
    connect(this, &MainWindow::zoomChanged, &m_link, &MainLink::zoomChanged);
    // Without a printer the page is kept as a PDF in the user's Documents folder.
    m_host.printer().setPdfFolder(PagePrinter::documentsFolder());

    for (const ControlSpec& desc : ControlTable::controls()) {
        Control* control = m_app.form().control(desc.id);
        Q_ASSERT(control || desc.kind == ControlKind::Grid);
        QWidget* widget = createControl(desc, control, m_backdrop);
        widget->setObjectName(desc.name);
        Colours::apply(widget, desc);
        widget->setAccessibleName(desc.role);
        describe(widget, desc, ControlTable::shownText(desc, desc.caption));
        // Keyboard keys press the keypad buttons the table gives them to.
        for (int key : desc.keys)
            m_keypad->bind(key, qobject_cast<QAbstractButton*>(widget));
        m_entries.append({&desc, control, widget, {}});
        m_widgets.insert(desc.name, widget);
    }

    placeControls();
    // Shown once placed: a control shown before it has a size is sized to
    // fit its text, measured in a face it never draws with.
    for (const Entry& entry : std::as_const(m_entries))
        entry.widget->setVisible(!entry.desc->hiddenAtStart);
    buildMenus();
    addZoomActions();
    addLanguageActions();
    setFocusOrder();
    // The layout never changes: the window is exactly the menu bar over the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow()
{
    // Windows that follow the Form (走行計算) go while the Form is still there.
    delete m_drive;
    delete m_notebook;
    // The controls go next: while hiding they still read the Form.
    delete takeCentralWidget();
}

QWidget* MainWindow::createControl(const ControlSpec& desc, Control* control, QWidget* parent)
{
    const ControlId id = desc.id;
    switch (desc.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(ControlTable::shownText(desc, desc.caption), parent);
        label->setTextFormat(Qt::PlainText); // captions are data, never markup
        label->setAlignment(alignmentOf(desc.align));
        if (desc.bordered) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setLineWidth(1);
        }
        return label;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(desc.caption, parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id] { handle(id); });
        return button;
    }
    case ControlKind::Combo: {
        auto* combo = new SelectorBox(parent);
        // The field inside takes the focus; a screen reader names it after the box.
        combo->lineEdit()->setAccessibleName(Tr::tr("%1の入力欄").arg(desc.role));
        combo->setEditText(desc.caption);
        combo->installEventFilter(this);
        connect(combo, &QComboBox::editTextChanged, this, [combo, control](const QString& text) {
            control->text = RecordSyntax::singleLine(text);
            FieldEntry::followTypedText(combo, control->text);
        });
        connect(combo, &QComboBox::activated, this, [this, combo, control, id](int index) {
            control->text = combo->itemText(index);
            handle(id);
        });
        return combo;
    }
    case ControlKind::List: {
        auto* list = new ItemListView(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Rows are one line each: a list of 100 000 cars is not measured row by row.
        list->setUniformItemSizes(true);
        list->viewport()->installEventFilter(this);
        // A changed row is a click, by mouse or arrow keys; clicking the row
        // that is already selected is one as well, and so are Space and
        // Return. Tabbing in is not.
        connect(list, &ItemListView::currentRowChanged, this, [this, control, id](int row) {
            m_listRowChangedByPress = true;
            control->listIndex = row;
            handle(id);
        });
        connect(list, &ItemListView::rowClicked, this, [this, control, id](int row) {
            if (m_listRowChangedByPress)
                return;
            control->listIndex = row;
            handle(id);
        });
        connect(list, &ItemListView::rowPicked, this, [this, control, id](int row) {
            control->listIndex = row;
            handle(id);
        });
        return list;
    }
    case ControlKind::Text: {
        auto* edit = new QLineEdit(desc.caption, parent);
        FieldEntry::keepSingleLine(edit);
        connect(edit, &QLineEdit::textChanged, this,
                [control](const QString& text) { control->text = RecordSyntax::singleLine(text); });
        return edit;
    }
    case ControlKind::Check: {
        auto* check = new QCheckBox(desc.caption, parent);
        connect(check, &QCheckBox::toggled, this,
                [control](bool checked) { control->checked = checked; });
        return check;
    }
    case ControlKind::Grid:
        m_grid = new RatioGridView(m_app.form().MSFlexGrid1, parent);
        return m_grid;
    }
    Q_UNREACHABLE();
}

void MainWindow::buildMenus()
{
    m_actions = WindowMenus::build(this, [this](ControlId id) { handle(id); });
}

void MainWindow::setFocusOrder()
{
    const QStringList& order = ControlTable::focusOrder();
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget* before = m_widgets.value(order[i - 1]);
        QWidget* after = m_widgets.value(order[i]);
        if (before && after)
            QWidget::setTabOrder(before, after);
    }
}

void MainWindow::start()
{
    // What start-up has to say is shown over the drawn window (showEvent).
    m_host.holdMessages();
    if (const Result<> seeded = m_app.files().seedShippedFiles(); !seeded)
        m_host.message(seeded.error());
    if (const QString problem = Zoom::settingsProblem(); !problem.isEmpty())
        m_host.message(problem);
    m_app.Form_Load();
    m_host.stopHolding();
    render();
    m_news.clear(); // what start-up shows is the window, not news
    m_toldGrid = m_app.form().MSFlexGrid1.revision();
    if (QWidget* first = m_widgets.value(ControlTable::focusOrder().value(0)))
        first->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program: its tool windows close as
    // their own close would, asking about a run being edited.
    for (QWidget* tool : {static_cast<QWidget*>(m_drive), static_cast<QWidget*>(m_notebook)})
        if (tool && tool->isVisible())
            tool->close();
    // A save still waiting for the window's repaint lands before the end.
    m_app.saveLastInputsNow();
    QMainWindow::closeEvent(event);
}

void MainWindow::placeControls()
{
    for (const Entry& entry : m_entries) {
        const ControlSpec& desc = *entry.desc;
        QRect place = Twips::rect(desc.left, desc.top, desc.width, desc.height);
        entry.widget->setFont(AppSetup::font(desc.face, desc.pointSize, desc.bold));
        // A check box's caption runs on into the empty room to its right
        // where the zoomed font is wider than the design's ("…変更しない"
        // lost "ない" at 150 %).
        if (desc.kind == ControlKind::Check)
            place.setWidth(qMax(place.width(), entry.widget->sizeHint().width()));
        entry.widget->setGeometry(place);
    }
    m_backdrop->rescale();
    if (m_grid)
        m_grid->rescale();
}

void MainWindow::setZoom(double zoom)
{
    zoom = qBound(Zoom::Smallest, zoom, Zoom::Largest);
    // The controls were placed at the zoom in force when they were made.
    if (zoom != Zoom::factor()) {
        Zoom::setFactor(zoom);
        placeControls();
        emit zoomChanged();
    }
    adjustSize();
    keepOnScreen();
}

void MainWindow::fitToScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize design(qRound(ControlTable::ClientWidth / 15.0),
                       qRound(ControlTable::ClientHeight / 15.0));
    // The frame is known once the window manager has put one on; before,
    // a title bar and thin borders are allowed for.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty())
        frame = QSize(16, 40);
    const QSize fixed = frame + QSize(0, menuBar()->sizeHint().height());
    const double fits = Zoom::fitting(design, fixed, screen->availableGeometry().size());
    setZoom(qMax(Zoom::Smallest, qMin(Zoom::saved(), fits)));
}

void MainWindow::keepOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    QRect frame = frameGeometry();
    if (!isVisible() || !room.contains(frame))
        frame = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame.size(), room);
    // Too big for the room: its top-left corner, with the title bar, stays reachable.
    frame.moveLeft(qMax(room.left(), qMin(frame.left(), room.right() - frame.width() + 1)));
    frame.moveTop(qMax(room.top(), qMin(frame.top(), room.bottom() - frame.height() + 1)));
    move(frame.topLeft());
}

void MainWindow::addZoomActions()
{
    QAction* tools = m_actions.value(QStringLiteral("tuuru"));
    QMenu* menu = tools ? tools->menu() : nullptr;
    if (!menu)
        return;
    menu->addSeparator();
    const struct
    {
        const char* name;
        QString caption;
        QKeySequence key;
        double step; // 0: back to the design size
    } steps[] = {
        {"zoomIn", Tr::tr("拡大"), QKeySequence::ZoomIn, Zoom::Step},
        {"zoomOut", Tr::tr("縮小"), QKeySequence::ZoomOut, -Zoom::Step},
        {"zoomReset", Tr::tr("標準の大きさ"), QKeySequence(Qt::CTRL | Qt::Key_0), 0},
    };
    for (const auto& s : steps) {
        auto* action = menu->addAction(s.caption);
        action->setObjectName(QString::fromLatin1(s.name));
        action->setShortcuts({s.key});
        const double step = s.step;
        connect(action, &QAction::triggered, this, [this, step] {
            const double zoom = step == 0 ? 1.0 : std::round((Zoom::factor() + step) * 10) / 10;
            Zoom::save(qBound(Zoom::Smallest, zoom, Zoom::Largest));
            fitToScreen();
        });
        m_actions.insert(action->objectName(), action);
    }
}

void MainWindow::addLanguageActions()
{
    QAction* tools = m_actions.value(QStringLiteral("tuuru"));
    QMenu* menu = tools ? tools->menu() : nullptr;
    if (!menu)
        return;
    QMenu* languages = menu->addMenu(Tr::tr("言語（Language）"));
    languages->menuAction()->setObjectName(QStringLiteral("language"));
    // The windows are built in one language; a new one takes the next start.
    languages->addAction(Tr::tr("次回の起動から切り替わります"))->setEnabled(false);
    auto* group = new QActionGroup(languages);
    const Language::Choice chosen = Language::saved().value_or(Language::current());
    // Each language by its own name, whatever the window speaks now.
    for (const auto& [choice, name] :
         {std::pair{Language::Choice::Japanese, QStringLiteral(ZELTAN_KEY("日本語"))},
          std::pair{Language::Choice::English, QStringLiteral("English")}}) {
        QAction* action = languages->addAction(name);
        action->setObjectName(QStringLiteral("language_") + Language::code(choice));
        action->setCheckable(true);
        action->setChecked(choice == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [choice] { Language::save(choice); });
        m_actions.insert(action->objectName(), action);
    }
    // Units change at once: the windows that show lengths draw themselves again.
    QMenu* units = UnitChoice::addMenu(menu, [this] { emit m_link.unitsChanged(); });
    for (QAction* action : units->actions())
        m_actions.insert(action->objectName(), action);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_followsScreen || !windowHandle())
        return;
    m_followsScreen = true;
    // Another screen, another size: the window is fitted to it again.
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { fitToScreen(); });
    // Start-up's messages wait for the first frame (see eventFilter).
    windowHandle()->installEventFilter(this);
}

QWidget* MainWindow::control(const QString& name) const { return m_widgets.value(name); }

QAction* MainWindow::menuAction(const QString& name) const { return m_actions.value(name); }

void MainWindow::openDriveWindow()
{
    if (!m_drive)
        m_drive = new DriveWindow(m_session, m_link);
    m_drive->open();
}

void MainWindow::openNotebookWindow()
{
    if (!m_notebook)
        m_notebook = new NotebookWindow(m_session, m_link);
    m_notebook->open();
}

void MainWindow::handle(ControlId id)
{
    // The handler may run modal dialogs of its own; the Form is drawn once it returns.
    if (!m_app.raise(id))
        qWarning("no handler for %s", qPrintable(ControlTable::nameOf(id)));
    showHandlerResult();
}

void MainWindow::showHandlerResult()
{
    render();
    // A new survey names its best pair too, even where the four values stayed.
    const FlexGrid& grid = m_app.form().MSFlexGrid1;
    if (grid.revision() != m_toldGrid) {
        m_toldGrid = grid.revision();
        if (const QString news = RatioGrid::surveyNews(grid); !news.isEmpty())
            m_news.append(news);
    }
    m_announcer->announce(m_news.join(Tr::tr("、")));
    m_news.clear();
    emit formChanged();
}

bool MainWindow::isNews(const Control* control)
{
    const Form& f = m_app.form();
    for (const Control* result : {&f.statusLine(), &f.machineTitle(), &f.secondaryRatio(),
                                  &f.spurTeeth(), &f.pinionTeeth(), &f.totalRatio()})
        if (control == result)
            return true;
    return false;
}

void MainWindow::render()
{
    for (Entry& entry : m_entries)
        renderEntry(entry);
}

void MainWindow::renderEntry(Entry& entry)
{
    QWidget* widget = entry.widget;
    const QSignalBlocker blocker(widget);

    if (entry.desc->kind == ControlKind::Grid) {
        const FlexGrid& grid = m_app.form().MSFlexGrid1;
        m_grid->sync();
        if (widget->isHidden() == grid.isVisible())
            widget->setVisible(grid.isVisible());
        return;
    }

    const Control& c = *entry.control;
    switch (entry.desc->kind) {
    case ControlKind::Label: {
        auto* label = static_cast<QLabel*>(widget);
        if (const QString shown = ControlTable::shownText(*entry.desc, c.text);
            label->text() != shown) {
            label->setText(shown);
            describe(label, *entry.desc, shown);
            // A result the user is not on is told to a screen reader after
            // the handler, the status line first.
            if (isNews(entry.control)) {
                if (entry.control == &m_app.form().statusLine())
                    m_news.prepend(label->accessibleName());
                else
                    m_news.append(label->accessibleName());
            }
        }
        break;
    }
    case ControlKind::Button: {
        auto* button = static_cast<QPushButton*>(widget);
        if (button->text() != c.text) {
            button->setText(c.text);
            describe(button, *entry.desc, c.text);
        }
        break;
    }
    case ControlKind::Combo: {
        auto* combo = static_cast<QComboBox*>(widget);
        renderItems(combo, entry.renderedItems, c.items);
        const int index = combo->findText(c.text);
        if (combo->currentIndex() != index)
            combo->setCurrentIndex(index);
        if (combo->currentText() != c.text)
            combo->setEditText(c.text);
        break;
    }
    case ControlKind::List: {
        auto* list = static_cast<ItemListView*>(widget);
        list->setItems(c.items);
        const int row = c.listIndex >= 0 && c.listIndex < list->count() ? c.listIndex : -1;
        if (list->currentRow() != row)
            list->setCurrentRow(row);
        if (row < 0)
            list->clearSelection();
        else if (!list->isRowSelected(row))
            list->selectRow(row);
        break;
    }
    case ControlKind::Text: {
        auto* edit = static_cast<QLineEdit*>(widget);
        if (edit->text() != c.text)
            edit->setText(c.text);
        break;
    }
    case ControlKind::Check: {
        auto* check = static_cast<QCheckBox*>(widget);
        if (check->isChecked() != c.checked)
            check->setChecked(c.checked);
        break;
    }
    case ControlKind::Grid:
        break;
    }
    if (widget->isHidden() == c.visible)
        widget->setVisible(c.visible);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Expose:
        // The window draws its first frame while handling this event; the
        // messages come once it is on the screen.
        if (QWindow* window = windowHandle(); watched == window && window->isExposed()) {
            window->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [this] { m_host.showHeldMessages(); }, Qt::QueuedConnection);
            // A season of runs takes a few frames to read and check: done
            // now, on a thread of its own, セッティング記録 opens listed.
            m_host.afterDrawing([this] { m_session.notebook().readAhead(); });
        }
        break;
    case QEvent::MouseButtonPress:
        // A list's viewport: this press has not changed any row yet.
        m_listRowChangedByPress = false;
        break;
    case QEvent::Wheel:
        // The wheel over a combo box the user is not in would change its
        // pick, and so run its handler, by accident.
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && !combo->hasFocus()) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
