// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The standard resistors that come closest to a wanted value: one part, or two or three
// parts of one E series joined in series, in parallel, or mixed.
//
// Every three-part circuit is a pair (a, b) and a third part c, and its value rises with c
// in all four topologies:
//   a + b + c      a ∥ b ∥ c      c + (a ∥ b)      c ∥ (a + b)
// So for each pair the best c lies next to the ideal c that meets the target exactly, and
// the search tries the standard values outwards from there only while they stay among the
// five best: exhaustive without trying every c. The ideal c also falls as b rises, so for a
// fixed a one index per topology walks down the value list once: at most 4·n²/2 pairs for
// n values instead of 4·n³ (n = 1345 for E192 from 1 Ω to 10 MΩ), fewer since pairs that no
// c can bring near the target are skipped. Parallel circuits are compared by conductance,
// which spares a division per candidate. Two parts work the same way with one part as pair.
//
// A search for up to three parts also weighs one and two parts, so more parts never give a
// worse answer, and a target that one standard part meets comes first.

#include "core/standard/ESeries.h"

#include <QString>

#include <array>
#include <stop_token>
#include <vector>

namespace zelkor::combinations {

inline constexpr double kSmallestPart = 1.0; // Ω
inline constexpr double kLargestPart = 1e7;  // Ω
inline constexpr int kMaxParts = 3;
inline constexpr int kResults = 5;

enum class Topology
{
    Single,                 // a
    Series,                 // a + b, a + b + c
    Parallel,               // a ∥ b, a ∥ b ∥ c
    SeriesWithParallelPair, // a + (b ∥ c)
    ParallelWithSeriesPair, // a ∥ (b + c)
};

struct Combination
{
    Topology topology = Topology::Single;
    int count = 1;
    // Ω, the first count used. Series and Parallel list them ascending; the mixed topologies
    // list the single part first, then the pair ascending.
    std::array<double, 3> parts{};
    double value = 0.0;        // Ω
    double errorPercent = 0.0; // (value − target) / target; 0 within a relative 1e-9
};

enum class SearchOutcome
{
    Found,
    NotPositive, // the target is not a number above 0
    OutOfRange,  // beyond what maxParts parts from 1 Ω to 10 MΩ can reach
    Cancelled,   // stop was requested; best is empty
};

struct Search
{
    SearchOutcome outcome = SearchOutcome::NotPositive;
    double target = 0.0;
    eseries::Series series = eseries::Series::E24;
    int maxParts = 2;
    std::vector<Combination> best; // at most kResults, smallest error first, then fewest parts
    bool standardValue() const
    {
        return !best.empty() && best.front().count == 1 && best.front().errorPercent == 0.0;
    }
};

// The kResults best combinations of one to maxParts (clamped to 1..3) parts of series from
// 1 Ω to 10 MΩ. Pure, so it may run off the GUI thread; stop is polled throughout, so a
// caller that types ahead can drop a search. Three E192 parts take about 10 ms.
Search bestCombinations(double target, eseries::Series series, int maxParts,
                        std::stop_token stop = {});

// "1.3 kΩ ∥ 24 kΩ = 1233.20 Ω (−0.065 %)", "1.0 kΩ + (2.2 kΩ ∥ 3.3 kΩ) = ..."
QString combinationText(const Combination &combination, eseries::Series series);

// One line per combination, led by a note when one standard part meets the target; or the
// reason there is none; empty when cancelled.
QString searchText(const Search &search);

} // namespace zelkor::combinations
