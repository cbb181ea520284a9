// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/ResistorCombinations.h"

#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace zelkor::combinations {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A combination this close to the target meets it: far below any tolerance, far above what
// the rounding of a double leaves on 1.8 Ω made from 2 Ω ∥ 18 Ω.
constexpr double kExactRelative = 1e-9;

// The kResults best combinations seen so far, best first.
class Leaders
{
public:
    explicit Leaders(double target) : m_target(target), m_exact(target * kExactRelative) {}

    // Whether value lies as close to the target as the worst leader, so that a neighbouring
    // part may as well. Most candidates miss, for the price of one comparison.
    bool offer(Topology topology, int count, const std::array<double, 3> &parts, double value)
    {
        if (std::abs(value - m_target) > m_worst)
            return false;
        admit(topology, count, parts, value);
        return true;
    }

    // The same for a parallel circuit given by the sum of its conductances, which the
    // search can then skip without a division.
    bool offerConductance(Topology topology, int count, const std::array<double, 3> &parts,
                          double conductance)
    {
        if (conductance < m_lowestConductance || conductance > m_highestConductance)
            return false;
        admit(topology, count, parts, 1.0 / conductance);
        return true;
    }

    // The band a candidate must fall in to be offered at all.
    double floor() const { return m_target - m_worst; }
    double ceiling() const { return m_target + m_worst; }

    std::vector<Combination> take() { return std::move(m_best); }

private:
    void admit(Topology topology, int count, const std::array<double, 3> &parts, double value)
    {
        const bool exact = std::abs(value - m_target) <= m_exact;
        Combination c{topology, count, canonical(topology, count, parts), value,
                      exact ? 0.0 : (value - m_target) / m_target * 100.0};
        const auto same = [&](const Combination &o) {
            return o.topology == c.topology && o.count == c.count && o.parts == c.parts;
        };
        if (std::find_if(m_best.begin(), m_best.end(), same) != m_best.end())
            return;
        m_best.insert(std::upper_bound(m_best.begin(), m_best.end(), c, better), c);
        if (m_best.size() > std::size_t(kResults))
            m_best.pop_back();
        if (m_best.size() < std::size_t(kResults))
            return;
        m_worst = std::max(std::abs(m_best.back().value - m_target), m_exact);
        m_lowestConductance = 1.0 / (m_target + m_worst);
        m_highestConductance = m_target > m_worst ? 1.0 / (m_target - m_worst) : kInfinity;
    }

    static std::array<double, 3> canonical(Topology topology, int count,
                                           std::array<double, 3> parts)
    {
        const bool pairOnly = topology == Topology::SeriesWithParallelPair ||
                              topology == Topology::ParallelWithSeriesPair;
        std::sort(parts.begin() + (pairOnly ? 1 : 0), parts.begin() + count);
        return parts;
    }

    static bool better(const Combination &x, const Combination &y)
    {
        return std::tuple(std::abs(x.errorPercent), x.count, x.topology, x.parts) <
               std::tuple(std::abs(y.errorPercent), y.count, y.topology, y.parts);
    }

    double m_target;
    double m_exact;
    double m_worst = kInfinity;
    double m_lowestConductance = 0.0;
    double m_highestConductance = kInfinity;
    std::vector<Combination> m_best;
};

// The standard values from 1 Ω to 10 MΩ with their reciprocals, for the parallel sums.
struct Parts
{
    std::vector<double> values;
    std::vector<double> inverses;

    explicit Parts(eseries::Series series)
        : values(eseries::valuesBetween(series, kSmallestPart, kLargestPart))
    {
        inverses.reserve(values.size());
        for (double v : values)
            inverses.push_back(1.0 / v);
    }
    int size() const { return int(values.size()); }
    // The index of the largest value at or below ideal, or −1.
    int atOrBelow(double ideal) const
    {
        return int(std::upper_bound(values.begin(), values.end(), ideal) - values.begin()) - 1;
    }
    // The index of the smallest value at or above least, or size().
    int atOrAbove(double least) const
    {
        return int(std::lower_bound(values.begin(), values.end(), least) - values.begin());
    }
    // below moved down to the largest value at or below an ideal that only falls; a below of
    // size() has no place yet and is looked up.
    int walkDown(int below, double ideal) const
    {
        if (below >= size())
            return atOrBelow(ideal);
        while (below >= 0 && values[std::size_t(below)] > ideal)
            --below;
        return below;
    }
    // The same for an ideal part given by its conductance, which only rises.
    int walkDownConductance(int below, double conductance) const
    {
        if (below >= size())
            return atOrBelow(conductance > 0.0 ? 1.0 / conductance : kInfinity);
        while (below >= 0 && inverses[std::size_t(below)] < conductance)
            --below;
        return below;
    }
};

// Tries the parts on both sides of an ideal one, outwards while they stay among the leaders:
// the value is monotonic in the part, so every further one is worse.
template <typename Try> void outwards(int below, int n, Try &&tryPart)
{
    for (int k = below; k >= 0 && tryPart(k); --k) {
    }
    for (int k = below + 1; k < n && tryPart(k); ++k) {
    }
}

void searchSingles(const Parts &parts, Leaders &leaders)
{
    for (double v : parts.values)
        leaders.offer(Topology::Single, 1, {v, 0.0, 0.0}, v);
}

void searchPairs(const Parts &parts, double target, Leaders &leaders)
{
    const int n = parts.size();
    const auto &v = parts.values;
    const auto &inv = parts.inverses;
    for (int i = 0; i < n; ++i) {
        const double a = v[i];
        const double ia = inv[i];
        outwards(parts.atOrBelow(target - a), n, [&](int k) {
            return leaders.offer(Topology::Series, 2, {a, v[k], 0.0}, a + v[k]);
        });
        outwards(parts.walkDownConductance(n, 1.0 / target - ia), n, [&](int k) {
            return leaders.offerConductance(Topology::Parallel, 2, {a, v[k], 0.0}, ia + inv[k]);
        });
    }
}

// For a first part a, every second part b >= a with each topology's ideal third part. Each
// loop skips the pairs that cannot come near the target whatever the third part.
void searchTriplesFrom(int i, const Parts &parts, double target, Leaders &leaders)
{
    const int n = parts.size();
    const auto &v = parts.values;
    const auto &inv = parts.inverses;
    const double a = v[i];
    const double ia = inv[i];
    const double inverseTarget = 1.0 / target;
    const double smallest = v.front();

    // a + b + c: the pair leaves room for at least the smallest part.
    for (int j = i, below = n; j < n && a + v[j] + smallest <= leaders.ceiling(); ++j) {
        const double pair = a + v[j];
        below = parts.walkDown(below, target - pair);
        outwards(below, n, [&](int k) {
            return leaders.offer(Topology::Series, 3, {a, v[j], v[k]}, pair + v[k]);
        });
    }

    // a ∥ b ∥ c: the pair stays above the target, which any c only lowers. room is the
    // conductance b may add; there is none when a alone is at or below the floor.
    const double room = leaders.floor() > 0.0 ? 1.0 / leaders.floor() - ia : kInfinity;
    for (int j = std::max(i, room > 0.0 ? parts.atOrAbove(1.0 / room) : n), below = n; j < n; ++j) {
        const double pairConductance = ia + inv[j];
        below = parts.walkDownConductance(below, inverseTarget - pairConductance);
        outwards(below, n, [&](int k) {
            return leaders.offerConductance(Topology::Parallel, 3, {a, v[j], v[k]},
                                            pairConductance + inv[k]);
        });
    }

    // c + (a ∥ b): the pair leaves room for at least the smallest part.
    for (int j = i, below = n; j < n; ++j) {
        const double pair = 1.0 / (ia + inv[j]);
        if (pair + smallest > leaders.ceiling())
            break;
        below = parts.walkDown(below, target - pair);
        outwards(below, n, [&](int k) {
            return leaders.offer(Topology::SeriesWithParallelPair, 3, {v[k], a, v[j]}, v[k] + pair);
        });
    }

    // c ∥ (a + b): the pair stays above the target, which any c only lowers.
    for (int j = std::max(i, parts.atOrAbove(leaders.floor() - a)), below = n; j < n; ++j) {
        const double pairConductance = 1.0 / (a + v[j]);
        below = parts.walkDownConductance(below, inverseTarget - pairConductance);
        outwards(below, n, [&](int k) {
            return leaders.offerConductance(Topology::ParallelWithSeriesPair, 3, {v[k], a, v[j]},
                                            inv[k] + pairConductance);
        });
    }
}

} // namespace

Search bestCombinations(double target, eseries::Series series, int maxParts, std::stop_token stop)
{
    Search search;
    search.target = target;
    search.series = series;
    search.maxParts = std::clamp(maxParts, 1, kMaxParts);
    if (!std::isfinite(target) || target <= 0.0)
        return search;
    // A little slack, so that 1/3 Ω from three 1 Ω parts counts as reachable.
    if (target < kSmallestPart / search.maxParts * (1.0 - 1e-9) ||
        target > kLargestPart * search.maxParts * (1.0 + 1e-9)) {
        search.outcome = SearchOutcome::OutOfRange;
        return search;
    }

    const Parts parts(series);
    Leaders leaders(target);
    searchSingles(parts, leaders);
    if (search.maxParts >= 2)
        searchPairs(parts, target, leaders);
    if (search.maxParts >= 3) {
        for (int i = 0; i < parts.size(); ++i) {
            if (stop.stop_requested()) {
                search.outcome = SearchOutcome::Cancelled;
                return search;
            }
            searchTriplesFrom(i, parts, target, leaders);
        }
    }
    search.outcome = SearchOutcome::Found;
    search.best = leaders.take();
    return search;
}

QString combinationText(const Combination &c, eseries::Series series)
{
    const int digits = eseries::significantDigits(series);
    QStringList parts;
    for (int i = 0; i < c.count; ++i)
        parts.append(standardOhmsText(c.parts[std::size_t(i)], digits));
    QString circuit;
    switch (c.topology) {
    case Topology::Single:
        circuit = parts.join(QString());
        break;
    case Topology::Series:
        circuit = parts.join(QStringLiteral(" + "));
        break;
    case Topology::Parallel:
        circuit = parts.join(QStringLiteral(" ∥ "));
        break;
    case Topology::SeriesWithParallelPair:
        circuit =
            parts[0] + QStringLiteral(" + (") + parts[1] + QStringLiteral(" ∥ ") + parts[2] + u')';
        break;
    case Topology::ParallelWithSeriesPair:
        circuit =
            parts[0] + QStringLiteral(" ∥ (") + parts[1] + QStringLiteral(" + ") + parts[2] + u')';
        break;
    }
    return formatText(u"%@ = %.02f %@ (%@)",
                      {circuit, c.value, text("Ohm"), signedPercentText(c.errorPercent, 3)});
}

QString searchText(const Search &search)
{
    switch (search.outcome) {
    case SearchOutcome::NotPositive:
        return text("ValuesNotPositive");
    case SearchOutcome::OutOfRange:
        return formatText(text("CombinationOutOfRange"), {search.maxParts});
    case SearchOutcome::Cancelled:
        return {};
    case SearchOutcome::Found:
        break;
    }
    QStringList lines;
    if (search.standardValue())
        lines.append(formatText(text("CombinationStandardValue"),
                                {standardOhmsText(search.best.front().parts[0],
                                                  eseries::significantDigits(search.series)),
                                 eseries::name(search.series)}));
    for (const Combination &c : search.best)
        lines.append(combinationText(c, search.series));
    return lines.join(u'\n');
}

} // namespace zelkor::combinations
