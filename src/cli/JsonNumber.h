// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <cmath>

namespace zelkor::cli {

// A single-precision result as the decimal it stands for, so that --json gives 0.05 for a
// tolerance of 0.05f rather than 0.0500000007450581.
inline double decimal(float value)
{
    if (!std::isfinite(value))
        return value;
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    double exact = value;
    std::from_chars(digits, written.ptr, exact);
    return exact;
}

} // namespace zelkor::cli
