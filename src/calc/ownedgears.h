#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The gears a racer owns and what can be made of them: tooth lists typed as
// ranges ("17-25, 28"), the pairs a car's motor mount takes, and those pairs
// ranked by how close they come to a wanted rollout. Codes and numbers only;
// the windows word them.
namespace OwnedGears {

// The tooth counts that make sense for one module.
struct Limits
{
    int least = 0, most = 0;
    bool holds(int teeth) const { return teeth >= least && teeth <= most; }
};
// Under 8 teeth a gear cannot mesh without undercut; over 100 mm across it
// fits no car this tool is for. Without a known module, 8 to 250.
Limits limits(std::optional<double> moduleMm);

enum class Problem {
    None,
    NotANumber, // a piece is neither a count nor "from-to"
    Backwards,  // "25-17"
    OutsideLimits,
};
struct Parsed
{
    QList<int> teeth; // ascending, each once
    Problem problem = Problem::None;
    QString piece; // the first piece that failed, as typed
};
// "17-25, 28": pieces split by commas, blanks or the ideographic comma;
// ranges with "-" or "～"; overlaps and repeats merged. Blank is no gears.
Parsed parse(QStringView text, Limits limits);
// The list as it would be typed, ranges of three or more joined: "17-25, 28".
QString text(const QList<int>& teeth);

// The spur+pinion tooth sums a motor mount takes; none set takes any pair.
struct Mount
{
    int least = 0, most = 0;
    bool isSet() const { return most > 0; }
    bool takes(int spur, int pinion) const
    {
        return !isSet() || (spur + pinion >= least && spur + pinion <= most);
    }
};

// A mount given as centre distances (mm) instead: the tooth sums whose
// centre distance, module × sum ÷ 2, lies within them.
Mount mountOfCentres(double leastMm, double mostMm, double moduleMm);

struct Pair
{
    int spur = 0, pinion = 0;
    double total = 0.0, rollout = 0.0; // rollout in mm
    double off = 0.0;                  // percent from the wanted rollout
};

// Every owned pair the mount takes, the closest to the wanted rollout first
// (ties: the smaller spur, then the smaller pinion). secondary, tyre and
// wanted must be above zero.
std::vector<Pair> rank(const QList<int>& spurs, const QList<int>& pinions, const Mount& mount,
                       double secondary, double tyre, double wanted);

// Whether a ranked pair lies within the survey's band (RatioGrid::BandPercent).
bool inBand(const Pair& pair);

// Worn tyres: the owned pairs that keep the rollout the reference had (its
// own rollout, whatever tyre it was taken on) on the tyre measured now.
// Ranked as rank() does; the old rollout is each pair's target.
std::vector<Pair> keepRollout(const QList<int>& spurs, const QList<int>& pinions,
                              const Mount& mount, double secondary, double tyreNow,
                              double oldRollout);

// The pair of the ranked ones with the largest rollout not above ceiling,
// e.g. the most a motor can take; none when every pair lies above it.
std::optional<Pair> closestBelow(const std::vector<Pair>& pairs, double ceiling);

} // namespace OwnedGears
