#include "ownedgears.h"

#include "calc/ratiogrid.h"
#include "common/usertext.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace OwnedGears {

Limits limits(std::optional<double> moduleMm)
{
    constexpr int Least = 8, Most = 250;
    constexpr double WidestMm = 100.0;
    if (!moduleMm || !(*moduleMm > 0))
        return {Least, Most};
    return {Least, std::clamp(int(std::floor(WidestMm / *moduleMm + 1e-9)), Least, Most)};
}

namespace {
std::optional<int> count(QStringView s)
{
    if (s.isEmpty() || s.size() > 4)
        return std::nullopt;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return s.toInt();
}
} // namespace

Parsed parse(QStringView text, Limits limits)
{
    Parsed out;
    // Full-width digits and dashes, as a Japanese input method types them.
    static const QRegularExpression dashes(QStringLiteral(ZELTAN_KEY("\\s*([-~〜−])\\s*")));
    static const QRegularExpression separators(QStringLiteral(ZELTAN_KEY("[,、\\s]+")));
    const QString plain = text.toString()
                              .normalized(QString::NormalizationForm_KC)
                              .replace(dashes, QStringLiteral("\\1"));
    QSet<int> seen;
    for (const QString& piece : plain.split(separators, Qt::SkipEmptyParts)) {
        const qsizetype dash = piece.indexOf(dashes, 1);
        const auto from = count(dash < 0 ? QStringView(piece) : QStringView(piece).left(dash));
        const auto to = dash < 0 ? from : count(QStringView(piece).mid(dash + 1));
        auto fail = [&](Problem p) {
            out.problem = p;
            out.piece = piece;
            out.teeth.clear();
            return out;
        };
        if (!from || !to)
            return fail(Problem::NotANumber);
        if (*to < *from)
            return fail(Problem::Backwards);
        if (!limits.holds(*from) || !limits.holds(*to))
            return fail(Problem::OutsideLimits);
        for (int t = *from; t <= *to; ++t)
            seen.insert(t);
    }
    out.teeth = QList<int>(seen.begin(), seen.end());
    std::sort(out.teeth.begin(), out.teeth.end());
    return out;
}

QString text(const QList<int>& teeth)
{
    QStringList pieces;
    for (qsizetype i = 0; i < teeth.size();) {
        qsizetype j = i;
        while (j + 1 < teeth.size() && teeth[j + 1] == teeth[j] + 1)
            ++j;
        if (j - i >= 2) {
            pieces << QStringLiteral("%1-%2").arg(teeth[i]).arg(teeth[j]);
        } else {
            for (qsizetype k = i; k <= j; ++k)
                pieces << QString::number(teeth[k]);
        }
        i = j + 1;
    }
    return pieces.join(QStringLiteral(", "));
}

Mount mountOfCentres(double leastMm, double mostMm, double moduleMm)
{
    // Centre distances are read and typed to a hundredth of a millimetre:
    // 27.78 mm for 48P's 105 teeth is 27.7812… exactly, 104.995 teeth.
    constexpr double Slack = 0.02;
    return {int(std::ceil(2.0 * leastMm / moduleMm - Slack)),
            int(std::floor(2.0 * mostMm / moduleMm + Slack))};
}

std::vector<Pair> rank(const QList<int>& spurs, const QList<int>& pinions, const Mount& mount,
                       double secondary, double tyre, double wanted)
{
    std::vector<Pair> pairs;
    if (!(secondary > 0 && tyre > 0 && wanted > 0))
        return pairs;
    for (int spur : spurs) {
        for (int pinion : pinions) {
            if (spur <= 0 || pinion <= 0 || !mount.takes(spur, pinion))
                continue;
            Pair p{spur, pinion};
            p.total = double(spur) / pinion * secondary;
            p.rollout = std::numbers::pi * tyre / p.total;
            p.off = (p.rollout - wanted) / wanted * 100.0;
            pairs.push_back(p);
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
        const double da = std::abs(a.off), db = std::abs(b.off);
        if (da != db)
            return da < db;
        return a.spur != b.spur ? a.spur < b.spur : a.pinion < b.pinion;
    });
    return pairs;
}

bool inBand(const Pair& pair) { return std::abs(pair.off) <= RatioGrid::BandPercent + 1e-9; }

std::vector<Pair> keepRollout(const QList<int>& spurs, const QList<int>& pinions,
                              const Mount& mount, double secondary, double tyreNow,
                              double oldRollout)
{
    return rank(spurs, pinions, mount, secondary, tyreNow, oldRollout);
}

std::optional<Pair> closestBelow(const std::vector<Pair>& pairs, double ceiling)
{
    std::optional<Pair> best;
    for (const Pair& p : pairs)
        if (p.rollout <= ceiling && (!best || p.rollout > best->rollout))
            best = p;
    return best;
}

} // namespace OwnedGears
