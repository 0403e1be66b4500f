#include "form.h"

#include "controltable.h"

#include <QHash>

namespace {
using Member = Control Form::*;

const QHash<QString, Member>& members()
{
    static const QHash<QString, Member> table = [] {
        QHash<QString, Member> t;
#define ZELTAN_ENTRY(name) t.insert(QStringLiteral(#name), &Form::name);
        ZELTAN_CONTROLS(ZELTAN_ENTRY)
#undef ZELTAN_ENTRY
        return t;
    }();
    return table;
}
} // namespace

Form::Form()
{
    for (const ControlSpec& desc : ControlTable::controls())
        if (Control* c = control(desc.name))
            resetToDesign(*c);
}

void Form::resetToDesign(Control& c) const
{
    if (const ControlSpec* desc = ControlTable::find(nameOf(c))) {
        c.text = desc->caption;
        c.visible = !desc->hiddenAtStart;
    }
}

QString Form::shown(const Control& c) const
{
    const ControlSpec* desc = ControlTable::find(nameOf(c));
    return desc ? ControlTable::shownText(*desc, c.text) : c.text;
}

Control* Form::control(QStringView name)
{
    const auto it = members().constFind(name.toString());
    return it == members().constEnd() ? nullptr : &(this->*(*it));
}

const Control* Form::control(QStringView name) const
{
    return const_cast<Form*>(this)->control(name);
}

QString Form::nameOf(const Control& control) const
{
    for (auto it = members().constBegin(); it != members().constEnd(); ++it)
        if (&(this->*(*it)) == &control)
            return it.key();
    return QString();
}
