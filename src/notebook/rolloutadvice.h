#pragma once

#include <span>

// The largest rollout a motor can take on one track, learnt from the racer's
// own runs: motor temperature fitted against rollout by ordinary least
// squares, then the fit solved for a temperature limit. Codes and numbers
// only; the window words them.
namespace RolloutAdvice {

struct Point
{
    double rollout; // mm
    double temp;    // ℃
};

// Why no rollout is advised, in the order they are checked.
enum class Refusal {
    None,
    TooFewRuns,       // fewer than MinRuns runs carry a temperature
    OneRollout,       // every run had the same rollout: nothing to fit along
    SlopeNotPositive, // a longer rollout did not run hotter
    WeakFit,          // the line explains less than MinR2 of the variance
    NoneUnderLimit,   // even a rollout of nothing is predicted over the limit
};

constexpr int MinRuns = 3;
constexpr double MinR2 = 0.5;
// An answer further than this past the tried rollouts is a guess, and said so.
constexpr double TriedMargin = 1.0; // mm

enum class Beyond {
    Nothing,  // within the tried rollouts (give or take TriedMargin)
    Largest,  // past the largest tried by more than TriedMargin
    Smallest, // short of the smallest tried by more than TriedMargin
};

struct Advice
{
    Refusal refusal = Refusal::None;
    int runs = 0; // the points the answer rests on
    // The fit, where one was made (zero before that).
    double slope = 0, intercept = 0; // temp = intercept + slope * rollout
    double residualSd = 0;           // of the temperatures about the line, n - 2 degrees of freedom
    double r2 = 0;
    double smallestTried = 0, largestTried = 0;
    // With no refusal: the largest rollout whose predicted temperature
    // stays at or under the limit, and whether it lies outside the tried ones.
    double rollout = 0;
    Beyond beyond = Beyond::Nothing;
    bool advised() const { return refusal == Refusal::None; }
    // Whether a line was fitted at all (it may still be refused as advice).
    bool fitted() const { return refusal != Refusal::TooFewRuns && refusal != Refusal::OneRollout; }
};

// points: the runs of one car on one track that have both a rollout and a
// temperature (any order); limit in ℃.
Advice advise(std::span<const Point> points, double limit);

} // namespace RolloutAdvice
