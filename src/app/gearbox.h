#pragma once

// The window "手持ちギア" as a headless model: the spurs and pinions a racer
// owns for each module, and the tooth sums each car's motor mount takes.
//
//   typed lists ("17-25, 28") ─► OwnedGears::parse ─► NotebookStore (notebook.db)
//   NotebookStore ─► inventory ─► 走行計算's surveys, セッティング記録's advice
//
// Every accepted change is written at once, one transaction each, so nothing
// typed is lost to a crash; a refused or failed one is told and changes nothing.

#include "app/giadsp.h"
#include "calc/ownedgears.h"
#include "notebook/notebookstore.h"
#include "platform/host.h"

#include <QString>
#include <QStringList>

class GearBox
{
public:
    GearBox(Giadsp& main, Host& host);

    // Opens the notebook's file over a connection of its own; false (told) on failure.
    bool open();
    bool isOpen() const { return m_store.isOpen(); }
    // Reads what another window or copy wrote meanwhile; false (told) on failure.
    bool reload();
    const GearInventory& inventory() const { return m_inventory; }

    // module.dat's modules, then any others gears are owned for.
    QStringList moduleNames() const;
    // The lists as they would be typed, "" for none.
    QString spursText(const QString& module) const;
    QString pinionsText(const QString& module) const;
    // A mount's sums as typed, "" for none.
    QString mountLeast(const QString& car, const QString& module) const;
    QString mountMost(const QString& car, const QString& module) const;

    // Stores a module's two lists as typed; false when refused or not written
    // (both told, nothing changed).
    bool setGears(const QString& module, const QString& spurs, const QString& pinions);
    // Stores a car's mount for a module; both blank forgets it.
    bool setMount(const QString& car, const QString& module, const QString& least,
                  const QString& most);
    // What the last change did, for the status line and a screen reader, or "".
    const QString& done() const { return m_done; }

    // The car the main window shows, "" while it shows its own caption.
    static QString currentCar(const Form& form);

    // A module's gears with the mount of a car for it (none: any pair).
    struct Owned
    {
        QList<int> spurs, pinions;
        OwnedGears::Mount mount;
        bool any() const { return !spurs.isEmpty() && !pinions.isEmpty(); }
    };
    Owned owned(const QString& car, const QString& module) const;

private:
    Giadsp& m_main;
    Host& m_host;
    NotebookStore m_store;
    GearInventory m_inventory;
    QString m_done;
};
