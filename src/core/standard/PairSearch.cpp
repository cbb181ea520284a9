// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/standard/PairSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

namespace zelkor::pairs {

namespace {

constexpr double kTie = 1e-9;

struct Candidate
{
    Pair pair;
    double miss = 0.0;     // |ln(value ÷ target)|
    double sizeMiss = 0.0; // |ln(size ÷ preferred)|
    std::int64_t klass = 0;
};

// The decade and three significant digits of a standard value: 4.7 kΩ is (3, 470).
std::pair<int, int> decadeAndDigits(double value)
{
    int decade = static_cast<int>(std::floor(std::log10(value)));
    double digits = value / std::pow(10.0, decade - 2);
    if (digits >= 999.5) { // log10 landed a hair low
        ++decade;
        digits /= 10.0;
    } else if (digits < 99.5) {
        --decade;
        digits *= 10.0;
    }
    return {decade, static_cast<int>(std::lround(digits))};
}

// Pairs of one class give the same result; see Invariance.
std::int64_t classOf(double first, double second, Invariance invariance, std::int64_t firstIndex,
                     std::int64_t secondIndex)
{
    if (invariance == Invariance::None)
        return firstIndex * 100000 + secondIndex;
    const auto [firstDecade, firstDigits] = decadeAndDigits(first);
    const auto [secondDecade, secondDigits] = decadeAndDigits(second);
    const int decades =
        invariance == Invariance::Ratio ? firstDecade - secondDecade : firstDecade + secondDecade;
    return (std::int64_t(firstDigits) * 1000 + secondDigits) * 1000 + (decades + 500);
}

// Whether a ranks before b.
bool before(const Candidate &a, const Candidate &b)
{
    if (!sameError(a.miss, b.miss))
        return a.miss < b.miss;
    if (!sameError(a.sizeMiss, b.sizeMiss))
        return a.sizeMiss < b.sizeMiss;
    return std::tie(a.pair.first, a.pair.second) < std::tie(b.pair.first, b.pair.second);
}

class Best
{
public:
    explicit Best(int count) : m_count(static_cast<std::size_t>(count)) {}

    // The error a new class must beat (or tie) to enter.
    double threshold() const
    {
        return m_list.size() < m_count ? std::numeric_limits<double>::infinity()
                                       : m_list.back().miss;
    }

    void offer(const Candidate &candidate)
    {
        const auto same = std::find_if(m_list.begin(), m_list.end(), [&](const Candidate &c) {
            return c.klass == candidate.klass;
        });
        if (same != m_list.end()) {
            if (!before(candidate, *same))
                return;
            m_list.erase(same);
        } else if (m_list.size() >= m_count && !before(candidate, m_list.back())) {
            return;
        }
        m_list.insert(std::upper_bound(m_list.begin(), m_list.end(), candidate, before), candidate);
        if (m_list.size() > m_count)
            m_list.pop_back();
    }

    std::vector<Pair> pairs() const
    {
        std::vector<Pair> result;
        for (const Candidate &c : m_list)
            result.push_back(c.pair);
        return result;
    }

private:
    std::size_t m_count;
    std::vector<Candidate> m_list; // best first
};

} // namespace

bool sameError(double a, double b)
{
    return std::abs(a - b) <= kTie;
}

std::vector<Pair> bestPairs(const Query &query)
{
    const double target = query.target;
    if (!(target > 0.0) || !std::isfinite(target) || query.count < 1)
        return {};
    const std::vector<double> firsts =
        eseries::valuesBetween(query.first.series, query.first.low, query.first.high);
    const std::vector<double> seconds =
        eseries::valuesBetween(query.second.series, query.second.low, query.second.high);
    if (firsts.empty() || seconds.empty())
        return {};
    const double logTarget = std::log(target);
    const double logPreferred = std::log(query.preferredSize);

    Best best(query.count);
    const auto offer = [&](std::size_t i, std::size_t j) {
        const double value = query.result(firsts[i], seconds[j]);
        if (!(value > 0.0) || !std::isfinite(value))
            return std::numeric_limits<double>::infinity();
        Candidate c;
        c.miss = std::abs(std::log(value) - logTarget);
        c.pair = {firsts[i], seconds[j], value, value / target - 1.0, c.miss <= kTie};
        if (c.pair.exact)
            c.pair.error = 0.0;
        const double size = query.size ? query.size(firsts[i], seconds[j]) : firsts[i];
        c.sizeMiss = std::abs(std::log(size) - logPreferred);
        c.klass =
            classOf(firsts[i], seconds[j], query.invariance, std::int64_t(i), std::int64_t(j));
        best.offer(c);
        return c.miss;
    };

    for (std::size_t i = 0; i < firsts.size(); ++i) {
        const double a = firsts[i];
        const bool rising = query.result(a, seconds.back()) >= query.result(a, seconds.front());
        // The first second part whose result lies at or beyond the target.
        const auto crossing = std::partition_point(seconds.begin(), seconds.end(), [&](double b) {
            const double value = query.result(a, b);
            return rising ? value < target : value > target;
        });
        const std::size_t mid = static_cast<std::size_t>(crossing - seconds.begin());
        // Outwards from the crossing, while a pair may still enter the list. A tie may enter
        // too, when its size lies nearer the preferred one.
        for (std::size_t j = mid; j < seconds.size(); ++j)
            if (offer(i, j) > best.threshold() + kTie)
                break;
        for (std::size_t j = mid; j-- > 0;)
            if (offer(i, j) > best.threshold() + kTie)
                break;
    }
    return best.pairs();
}

} // namespace zelkor::pairs
