#pragma once

#include <QList>
#include <QString>

// The gears a racer owns, per module, and the tooth sums each car's motor
// mount takes: kept in the notebook's file beside the runs.
struct OwnedGearList
{
    QString module; // as module.dat names it: "48P", "0.5M" …
    QList<int> spurs, pinions;
    bool operator==(const OwnedGearList&) const = default;
};

struct CarMount
{
    QString car, module;
    int least = 0, most = 0; // spur + pinion
    bool operator==(const CarMount&) const = default;
};

struct GearInventory
{
    QList<OwnedGearList> gears; // by module name
    QList<CarMount> mounts;     // by car, then module
    bool isEmpty() const { return gears.isEmpty() && mounts.isEmpty(); }
    bool operator==(const GearInventory&) const = default;
    const OwnedGearList* gearsOf(const QString& module) const
    {
        for (const OwnedGearList& g : gears)
            if (g.module == module)
                return &g;
        return nullptr;
    }
    const CarMount* mountOf(const QString& car, const QString& module) const
    {
        for (const CarMount& m : mounts)
            if (m.car == car && m.module == module)
                return &m;
        return nullptr;
    }
};
