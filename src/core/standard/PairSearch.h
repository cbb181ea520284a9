// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two standard parts that come closest to a wanted result: a divider's voltage, a gain, a
// regulator's output, an RC corner.
//
// The result is a function of the two parts that, for a fixed first part, moves one way as the
// second part grows (every circuit here does: a larger lower resistor raises a divider's output,
// a larger capacitor lowers a corner frequency). So for each first part the best second parts lie
// where the result crosses the target: a binary search finds the crossing, and the search walks
// outwards from it only while the error stays among the best. That is about n·log n evaluations
// for n values instead of n².
//
// Pairs rank by |ln(result ÷ target)|, so a frequency and a time constant rank alike, and an
// error 1 % high weighs what 1 % low does. Errors within a relative 1e-9 are equal; equal errors
// rank by how near the pair's size lies to the preferred size, again by ratio.
//
// Where the result depends only on the ratio of the parts (a divider without load) or only on
// their product (an RC corner), the same pair a decade up gives the same result: 2.4 kΩ/910 Ω and
// 24 kΩ/9.1 kΩ are one answer, shown once, at the decade whose size is nearest the preferred.

#include "core/standard/ESeries.h"

#include <functional>
#include <vector>

namespace zelkor::pairs {

// The standard values one part may take, in base units.
struct Parts
{
    eseries::Series series = eseries::Series::E24;
    double low = 1.0;
    double high = 1e7;
};

// Which pairs are one answer.
enum class Invariance
{
    None,    // every pair is its own answer
    Ratio,   // (a·10, b·10) is (a, b)
    Product, // (a·10, b÷10) is (a, b)
};

struct Query
{
    // The result of a pair; for a fixed first part monotonic in the second.
    std::function<double(double first, double second)> result;
    double target = 0.0;
    Parts first;
    Parts second;
    Invariance invariance = Invariance::None;
    // What the preferred size measures (the sum of a divider's resistors, an RC's resistor).
    std::function<double(double first, double second)> size;
    double preferredSize = 1.0;
    int count = 5;
};

struct Pair
{
    double first = 0.0;
    double second = 0.0;
    double value = 0.0; // the result
    double error = 0.0; // value ÷ target − 1
    bool exact = false; // within a relative 1e-9 of the target
};

// The query's best pairs, best first; at most count. Empty when the target is not a number
// above 0 or a part has no standard value in its range.
std::vector<Pair> bestPairs(const Query &query);

// Whether two results are equal for ranking: within a relative 1e-9.
bool sameError(double a, double b);

} // namespace zelkor::pairs
