#include "rolloutadvice.h"

#include <algorithm>
#include <cmath>

namespace RolloutAdvice {

Advice advise(std::span<const Point> points, double limit)
{
    Advice a;
    a.runs = int(points.size());
    if (a.runs < MinRuns) {
        a.refusal = Refusal::TooFewRuns;
        return a;
    }
    const auto [lo, hi] =
        std::minmax_element(points.begin(), points.end(),
                            [](const Point& p, const Point& q) { return p.rollout < q.rollout; });
    a.smallestTried = lo->rollout;
    a.largestTried = hi->rollout;
    if (a.smallestTried == a.largestTried) {
        a.refusal = Refusal::OneRollout;
        return a;
    }
    // Means first, then deviations from them: sums of squares of raw values
    // around 30 mm lose most of their digits over a season of runs.
    double sumX = 0, sumY = 0;
    for (const Point& p : points) {
        sumX += p.rollout;
        sumY += p.temp;
    }
    const double n = double(points.size());
    const double meanX = sumX / n, meanY = sumY / n;
    double sxx = 0, sxy = 0, syy = 0;
    for (const Point& p : points) {
        const double dx = p.rollout - meanX, dy = p.temp - meanY;
        sxx += dx * dx;
        sxy += dx * dy;
        syy += dy * dy;
    }
    a.slope = sxy / sxx;
    a.intercept = meanY - a.slope * meanX;
    // What the line leaves unexplained; never below zero for rounding's sake.
    const double sse = std::max(0.0, syy - a.slope * sxy);
    a.residualSd = std::sqrt(sse / (n - 2));
    a.r2 = syy > 0 ? 1.0 - sse / syy : 0.0;
    if (!(a.slope > 0)) {
        a.refusal = Refusal::SlopeNotPositive;
        return a;
    }
    if (a.r2 < MinR2) {
        a.refusal = Refusal::WeakFit;
        return a;
    }
    a.rollout = (limit - a.intercept) / a.slope;
    if (!(a.rollout > 0)) {
        a.refusal = Refusal::NoneUnderLimit;
        a.rollout = 0;
        return a;
    }
    a.beyond = a.rollout > a.largestTried + TriedMargin    ? Beyond::Largest
               : a.rollout < a.smallestTried - TriedMargin ? Beyond::Smallest
                                                           : Beyond::Nothing;
    return a;
}

} // namespace RolloutAdvice
