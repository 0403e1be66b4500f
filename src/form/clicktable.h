#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <functional>
#include <utility>

// Clicks by name: every handler of a window is registered once, under the
// name of its control or menu item ("Command2", "owaru"), with its own name
// ("Command2_Click") so the control table can be checked against it. The front
// ends run a click by that name and nothing else.
template <typename Owner> class ClickTable
{
public:
    using Run = std::function<void(Owner&)>;

    void add(QString name, QString handler, Run run)
    {
        Q_ASSERT(!find(name)); // one handler per name
        m_entries.append({std::move(name), std::move(handler), std::move(run)});
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

    // The names a click can be run by, in the order they were registered.
    QStringList names() const
    {
        QStringList names;
        for (const Entry& entry : m_entries)
            names << entry.name;
        return names;
    }

    // The handler's name behind a control or menu item, or "" for none.
    QString handlerOf(QStringView name) const
    {
        const Entry* entry = find(name);
        return entry ? entry->handler : QString();
    }

private:
    struct Entry
    {
        QString name;
        QString handler;
        Run run;
    };

    // A few dozen names, looked up once per click: a plain scan is enough.
    const Entry* find(QStringView name) const
    {
        for (const Entry& entry : m_entries)
            if (entry.name == name)
                return &entry;
        return nullptr;
    }

    QList<Entry> m_entries;
};

// Registers Owner::name_Click under the control's name.
#define ZELTAN_ADD_CLICK(table, Owner, name)                                                       \
    (table).add(QStringLiteral(#name), QStringLiteral(#name "_Click"), &Owner::name##_Click)
