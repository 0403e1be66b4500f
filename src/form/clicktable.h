#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <utility>

// Clicks by name for a tool window's model (走行計算, セッティング記録): each
// handler registered once, under the name of its button ("surveyRollout").
// The main window's controls are raised by their ControlId instead.
template <typename Owner> class ClickTable
{
public:
    using Run = std::function<void(Owner&)>;

    void add(QString name, Run run)
    {
        Q_ASSERT(!find(name)); // one handler per name
        m_entries.append({std::move(name), std::move(run)});
    }

    // Runs the handler registered under name; false when there is none.
    bool run(Owner& owner, QStringView name) const
    {
        const Entry* entry = find(name);
        if (!entry)
            return false;
        entry->run(owner);
        return true;
    }

private:
    struct Entry
    {
        QString name;
        Run run;
    };

    // A few names, looked up once per click: a plain scan is enough.
    const Entry* find(QStringView name) const
    {
        for (const Entry& entry : m_entries)
            if (entry.name == name)
                return &entry;
        return nullptr;
    }

    QList<Entry> m_entries;
};

// Registers Owner::name_Click under the button's name.
#define ZELTAN_ADD_CLICK(table, Owner, name)                                                       \
    (table).add(QStringLiteral(#name), &Owner::name##_Click)
