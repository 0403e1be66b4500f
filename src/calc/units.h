#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The units the windows show lengths and speeds in. Everything stored stays in
// mm and km/h: a value typed in inches or mph is turned into its metric text
// once, where it enters the model, and a stored value is turned into the
// chosen unit only to be shown.
namespace Units {

enum class System { Metric, Imperial }; // mm and km/h, or inches and mph

// What a typed field holds: a length (tyre, rollout) or a speed.
enum class Quantity { Length, Speed };

constexpr double MmPerInch = 25.4;
constexpr double KmPerMile = 1.609344;

inline double toInch(double mm) { return mm / MmPerInch; }
inline double fromInch(double inch) { return inch * MmPerInch; }
inline double toMph(double kmh) { return kmh / KmPerMile; }
inline double fromMph(double mph) { return mph * KmPerMile; }

// As racers write them: mm with 2 decimals, inches with 3 (rollout, tyre,
// pitch diameter, centre distance alike); speed with 1 in either unit.
QString lengthText(double mm, System system);
QString speedText(double kmh, System system);
// "mm" / "in", "km/h" / "mph".
QString lengthUnit(System system);
QString speedUnit(System system);
// The figure with its unit for a sentence: "27.40mm" as the Japanese window
// always wrote it, "1.079 in" in inches.
QString lengthWithUnit(double mm, System system);
QString speedWithUnit(double kmh, System system);
// The figure, a blank and its unit, as the owned-gear notes write it: "30.12 mm".
QString lengthSpaced(double mm, System system);

// A field's text typed in the chosen unit as the metric text the model keeps
// ("2.52" in → "64.008"). Blank and what is no number pass unchanged, so the
// model refuses them with its own words; metric texts pass untouched.
QString typedToMetric(Quantity quantity, const QString& typed, System system);
// A stored metric text as the field shows it in the chosen unit ("64" →
// "2.52" in, trailing zeros dropped); metric, blank or no number: unchanged.
QString metricToTyped(Quantity quantity, const QString& metric, System system);

// "metric" / "imperial", as the settings file spells them.
QString code(System system);
std::optional<System> fromCode(QStringView code);

} // namespace Units
