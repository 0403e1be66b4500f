#include "gearbox.h"

#include "app/formprojection.h"
#include "app/notebook.h"
#include "calc/drive.h"
#include "common/numbertext.h"
#include "gearmodules/moduletable.h"
#include "notebook/gearmessages.h"

#include <cmath>
#include <tuple>

GearBox::GearBox(Giadsp& main, Host& host) : m_main(main), m_host(host) {}

bool GearBox::open()
{
    if (m_store.isOpen())
        return reload();
    const auto opened = m_store.open(m_main.files().path(Notebook::FileName));
    if (!opened) {
        m_host.message(opened.error());
        return false;
    }
    return reload();
}

bool GearBox::reload()
{
    auto read = m_store.inventory();
    if (!read) {
        m_host.message(read.error());
        return false;
    }
    m_inventory = std::move(*read);
    return true;
}

QStringList GearBox::moduleNames() const
{
    QStringList names;
    // The main window's selector holds module.dat's names already.
    const ItemList& listed = m_main.form().module().items;
    for (qsizetype i = 0; i < listed.size(); ++i) {
        const QString name = listed.at(i).trimmed();
        if (!name.isEmpty() && name != ModuleTable::Template && !names.contains(name))
            names << name;
    }
    for (const OwnedGearList& g : m_inventory.gears)
        if (!names.contains(g.module))
            names << g.module;
    return names;
}

QString GearBox::spursText(const QString& module) const
{
    const auto* g = m_inventory.gearsOf(module);
    return g ? OwnedGears::text(g->spurs) : QString();
}

QString GearBox::pinionsText(const QString& module) const
{
    const auto* g = m_inventory.gearsOf(module);
    return g ? OwnedGears::text(g->pinions) : QString();
}

QString GearBox::mountLeast(const QString& car, const QString& module) const
{
    const auto* m = m_inventory.mountOf(car, module);
    return m ? QString::number(m->least) : QString();
}

QString GearBox::mountMost(const QString& car, const QString& module) const
{
    const auto* m = m_inventory.mountOf(car, module);
    return m ? QString::number(m->most) : QString();
}

bool GearBox::setGears(const QString& module, const QString& spurs, const QString& pinions)
{
    namespace M = GearMessages;
    m_done.clear();
    const QString name = module.trimmed();
    if (name.isEmpty()) {
        m_host.message(M::NoModule());
        return false;
    }
    const auto limits = OwnedGears::limits(Drive::moduleFromName(name));
    OwnedGearList list{name, {}, {}};
    for (const auto& [typed, field, teeth] :
         {std::tuple{spurs, M::SpurField(), &list.spurs},
          std::tuple{pinions, M::PinionField(), &list.pinions}}) {
        const auto parsed = OwnedGears::parse(typed, limits);
        if (parsed.problem != OwnedGears::Problem::None) {
            m_host.message(M::problem(parsed, field, name, limits));
            return false;
        }
        *teeth = parsed.teeth;
    }
    if (const auto* stored = m_inventory.gearsOf(name); stored && *stored == list)
        return true;
    if (const auto written = m_store.setGears(list); !written) {
        m_host.message(written.error());
        return false;
    }
    m_done = M::gearsSaved(name, int(list.spurs.size()), int(list.pinions.size()));
    return reload();
}

bool GearBox::setMount(const QString& car, const QString& module, const QString& least,
                       const QString& most)
{
    namespace M = GearMessages;
    m_done.clear();
    CarMount m{car.trimmed(), module.trimmed()};
    if (m.module.isEmpty()) {
        m_host.message(M::NoModule());
        return false;
    }
    if (m.car.isEmpty()) {
        m_host.message(M::mountNoCar());
        return false;
    }
    const bool forget = least.trimmed().isEmpty() && most.trimmed().isEmpty();
    // Centre distances ("26.5mm") become the tooth sums they allow.
    const bool inMm = least.trimmed().endsWith(u"mm", Qt::CaseInsensitive) ||
                      most.trimmed().endsWith(u"mm", Qt::CaseInsensitive);
    if (!forget && inMm) {
        const auto module = Drive::moduleFromName(m.module);
        if (!module) {
            m_host.message(M::mountMmNeedsPitch(m.module));
            return false;
        }
        double mm[2] = {0, 0};
        int i = 0;
        for (QString typed : {least, most}) {
            typed = typed.trimmed();
            if (typed.endsWith(u"mm", Qt::CaseInsensitive))
                typed.chop(2);
            const auto n = NumberText::toDouble(typed);
            if (!n || !(*n > 0) || *n > 1000) {
                m_host.message(M::mountNotCount(typed));
                return false;
            }
            mm[i++] = *n;
        }
        const OwnedGears::Mount sums = OwnedGears::mountOfCentres(mm[0], mm[1], *module);
        m.least = sums.least;
        m.most = sums.most;
        if (m.least > m.most) {
            m_host.message(M::mountBackwards(m.least, m.most));
            return false;
        }
    } else if (!forget) {
        for (const auto& [typed, value] : {std::pair{least, &m.least}, {most, &m.most}}) {
            const auto n = NumberText::toDouble(typed);
            if (!n || *n != std::floor(*n) || *n < 1 || *n > 999) {
                m_host.message(M::mountNotCount(typed.trimmed()));
                return false;
            }
            *value = int(*n);
        }
        if (m.least > m.most) {
            m_host.message(M::mountBackwards(m.least, m.most));
            return false;
        }
    }
    const auto* stored = m_inventory.mountOf(m.car, m.module);
    if ((forget && !stored) || (stored && *stored == m))
        return true;
    if (const auto written = m_store.setMount(m); !written) {
        m_host.message(written.error());
        return false;
    }
    m_done = forget ? M::mountForgotten(m.car, m.module)
                    : M::mountSaved(m.car, m.module, m.least, m.most);
    return reload();
}

QString GearBox::currentCar(const Form& form)
{
    return FormProjection::car(form).value_or(QString());
}

GearBox::Owned GearBox::owned(const QString& car, const QString& module) const
{
    Owned o;
    if (const auto* g = m_inventory.gearsOf(module.trimmed())) {
        o.spurs = g->spurs;
        o.pinions = g->pinions;
    }
    if (const auto* m = m_inventory.mountOf(car.trimmed(), module.trimmed()))
        o.mount = {m->least, m->most};
    return o;
}
