#include "gearboxwindow.h"

#include "announcer.h"
#include "app/giadsp.h"
#include "calc/drive.h"
#include "drivelook.h"
#include "fieldentry.h"
#include "notebook/gearmessages.h"
#include "windowplace.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(GearBoxWindow)
};
QString statusName() { return Tr::tr("手持ちギアの状況表示"); }
} // namespace

GearBoxWindow::GearBoxWindow(Giadsp& app, QWidget* parent)
    : ToolWindow(parent, QStringLiteral("gearbox"), GearMessages::Title()), m_app(app),
      m_host(this), m_box(app, m_host)
{
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);

    form->addRow(DriveLook::heading(Tr::tr("モジュールごとの手持ちギア"), this));
    m_module = new QComboBox(this);
    m_module->setObjectName(QStringLiteral("module"));
    m_module->setAccessibleName(Tr::tr("手持ちギアのモジュール"));
    m_controls.insert(m_module->objectName(), m_module);
    form->addRow(Tr::tr("モジュール"), m_module);
    connect(m_module, &QComboBox::currentTextChanged, this, &GearBoxWindow::moduleChosen);
    m_spurs = addField(QStringLiteral("spurs"), GearMessages::SpurField());
    form->addRow(Tr::tr("スパー"), m_spurs);
    m_pinions = addField(QStringLiteral("pinions"), GearMessages::PinionField());
    form->addRow(Tr::tr("ピニオン"), m_pinions);
    m_limits = DriveLook::plain(QString(), this);
    m_limits->setWordWrap(true);
    form->addRow(m_limits);
    for (QLineEdit* e : {m_spurs, m_pinions})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { commitGears(e); });

    form->addRow(DriveLook::heading(Tr::tr("マシンのモーターマウント"), this));
    m_car = new QComboBox(this);
    m_car->setEditable(true);
    m_car->setObjectName(QStringLiteral("car"));
    m_car->setAccessibleName(Tr::tr("マウントのマシン名"));
    m_controls.insert(m_car->objectName(), m_car);
    form->addRow(Tr::tr("マシン名"), m_car);
    connect(m_car, &QComboBox::currentTextChanged, this, &GearBoxWindow::showMount);
    m_least = addField(QStringLiteral("least"), Tr::tr("マウントが載せられる歯数の和の最小"));
    form->addRow(Tr::tr("歯数の和（スパー＋ピニオン）の最小"), m_least);
    m_most = addField(QStringLiteral("most"), Tr::tr("マウントが載せられる歯数の和の最大"));
    form->addRow(Tr::tr("歯数の和（スパー＋ピニオン）の最大"), m_most);
    for (QLineEdit* e : {m_least, m_most})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { commitMount(e); });
    form->addRow(DriveLook::plain(
        Tr::tr("「27.5mm」のように中心距離でも入力できます（歯数の和にして保存します）。"
               "空欄ならどの組合せも載るものとします。両方を消すと登録を消します。"),
        this));

    m_status = DriveLook::statusLine(this);
    m_status->setAccessibleName(statusName());
    m_status->setWordWrap(true);
    outer->addWidget(m_status);
    m_announcer = new Announcer(this);
    outer->addWidget(addCloseButton(Tr::tr("閉じる"), Tr::tr("手持ちギアを閉じる")), 0,
                     Qt::AlignRight);
}

QLineEdit* GearBoxWindow::addField(const QString& name, const QString& caption)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAccessibleName(caption);
    edit->setMinimumWidth(220);
    FieldEntry::keepSingleLine(edit);
    m_controls.insert(name, edit);
    return edit;
}

void GearBoxWindow::opening(bool)
{
    m_box.open();
    const Form& f = m_app.form();
    {
        const QSignalBlocker a(m_module), b(m_car);
        m_module->clear();
        m_module->addItems(m_box.moduleNames());
        // The registered machines, then any other car a mount was kept for.
        QStringList cars;
        const ItemList& machines = f.machineList().items;
        for (qsizetype i = 0; i < machines.size(); ++i)
            if (const QString name = machines.at(i).trimmed();
                !name.isEmpty() && !cars.contains(name))
                cars << name;
        for (const CarMount& m : m_box.inventory().mounts)
            if (!cars.contains(m.car))
                cars << m.car;
        const QString car = GearBox::currentCar(f);
        if (!car.isEmpty() && !cars.contains(car))
            cars.prepend(car);
        m_car->clear();
        m_car->addItems(cars);
        m_car->setEditText(car);
        const int at = m_module->findText(f.module().text.trimmed());
        m_module->setCurrentIndex(at >= 0 ? at : 0);
    }
    moduleChosen();
    if (!isVisible()) {
        // Over the window it came from, where the eye already is.
        const QRect place = placeBeside(*parentWidget(), sizeHint(), QPoint(60, 60));
        move(parentWidget()->geometry().topLeft() + QPoint(60, 60));
        resize(place.size());
    }
}

QWidget* GearBoxWindow::firstFocus() { return m_module; }

void GearBoxWindow::moduleChosen()
{
    const QString module = m_module->currentText();
    const auto limits = OwnedGears::limits(Drive::moduleFromName(module));
    m_limits->setText(
        Tr::tr("例：17-25, 28（%1 は %2～%3 枚）").arg(module).arg(limits.least).arg(limits.most));
    showLists();
    showMount();
}

void GearBoxWindow::showLists()
{
    const QString module = m_module->currentText();
    for (const auto& [edit, text] : {std::pair{m_spurs, m_box.spursText(module)},
                                     std::pair{m_pinions, m_box.pinionsText(module)}}) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
        m_settled[edit] = text;
    }
}

void GearBoxWindow::showMount()
{
    const QString car = m_car->currentText().trimmed(), module = m_module->currentText();
    for (const auto& [edit, text] : {std::pair{m_least, m_box.mountLeast(car, module)},
                                     std::pair{m_most, m_box.mountMost(car, module)}}) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
        m_settled[edit] = text;
    }
}

void GearBoxWindow::commitGears(QLineEdit* edited)
{
    if (m_busy || edited->text() == m_settled.value(edited))
        return;
    m_busy = true;
    m_settled[edited] = edited->text();
    const bool stored = m_box.setGears(m_module->currentText(), m_spurs->text(), m_pinions->text());
    m_busy = false;
    if (stored) {
        tell(m_box.done());
        showLists(); // as the file holds them, overlaps merged
        emit changed();
    }
}

void GearBoxWindow::commitMount(QLineEdit* edited)
{
    if (m_busy || edited->text() == m_settled.value(edited))
        return;
    // The first of the two typed waits for the second.
    if (m_least->text().trimmed().isEmpty() != m_most->text().trimmed().isEmpty())
        return;
    m_busy = true;
    m_settled[edited] = edited->text();
    const bool stored = m_box.setMount(m_car->currentText(), m_module->currentText(),
                                       m_least->text(), m_most->text());
    m_busy = false;
    if (stored) {
        tell(m_box.done());
        showMount();
        emit changed();
    }
}

void GearBoxWindow::tell(const QString& text)
{
    if (text.isEmpty())
        return;
    DriveLook::show(m_status, statusName(), text);
    m_announcer->announce(text, Announcer::EvenIfSaid);
}
