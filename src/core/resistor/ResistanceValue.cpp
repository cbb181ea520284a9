// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/ResistanceValue.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

#include <cmath>

namespace zelkor::resistor {

namespace {

// Digits this close to a whole number are taken as that number: far below the steps of any
// value people type, far above the rounding of a double.
constexpr double kRelativeTolerance = 1e-9;

double powerOfTen(int exponent)
{
    return std::pow(10.0, exponent);
}

// value / 10^exponent, dividing by an exact power of ten where there is one.
double scaledDown(double value, int exponent)
{
    return exponent >= 0 ? value / powerOfTen(exponent) : value * powerOfTen(-exponent);
}

// The power of ten of value's leading digit.
int decadeOf(double value)
{
    int decade = static_cast<int>(std::floor(std::log10(value)));
    // log10 can land a hair off at exact powers of ten.
    if (valueOf({1, decade + 1, 1}) <= value)
        ++decade;
    else if (valueOf({1, decade, 1}) > value)
        --decade;
    return decade;
}

int digitCount(long long digits)
{
    int count = 1;
    for (; digits >= 10; digits /= 10)
        ++count;
    return count;
}

} // namespace

std::optional<double> readResistance(QStringView text)
{
    // In double precision: 4k7 is the double nearest 4700, and 1e-50 is not 0.
    const PreciseValueReading read = readPreciseValue(text, units::kOhms);
    if (!read.value || !(*read.value >= 0.0) || std::isinf(*read.value))
        return std::nullopt;
    return *read.value;
}

std::optional<Significand> significandOf(double value, int maxDigits)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return std::nullopt;
    const int decade = decadeOf(value);
    for (int count = 1; count <= maxDigits; ++count) {
        const int exponent = decade - (count - 1);
        const double scaled = scaledDown(value, exponent);
        Significand found{std::llround(scaled), exponent, count};
        if (std::abs(scaled - static_cast<double>(found.digits)) > scaled * kRelativeTolerance)
            continue;
        // 9.9999999999 rounds up to 10, which is one digit in the next decade.
        while (found.digits >= 10 && found.digits % 10 == 0) {
            found.digits /= 10;
            ++found.exponent;
        }
        found.count = digitCount(found.digits);
        return found;
    }
    return std::nullopt;
}

Significand roundedSignificand(double value, int maxDigits)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return {};
    // Within the tolerance of significandOf, ten digits always match.
    Significand exact;
    if (const auto found = significandOf(value, 17))
        exact = *found;
    else {
        const int exponent = decadeOf(value) - 16;
        exact = {std::llround(scaledDown(value, exponent)), exponent, 17};
    }
    if (exact.count <= maxDigits)
        return exact;
    long long divisor = 1;
    for (int i = maxDigits; i < exact.count; ++i)
        divisor *= 10;
    Significand rounded{(exact.digits + divisor / 2) / divisor,
                        exact.exponent + (exact.count - maxDigits), maxDigits};
    // 9995 rounds to 100, one digit more than asked for.
    while (rounded.digits >= 10 && rounded.digits % 10 == 0) {
        rounded.digits /= 10;
        ++rounded.exponent;
    }
    rounded.count = digitCount(rounded.digits);
    return rounded;
}

Significand widened(Significand significand, int count)
{
    for (; significand.count < count; ++significand.count) {
        significand.digits *= 10;
        --significand.exponent;
    }
    return significand;
}

double valueOf(const Significand &significand)
{
    // Dividing for negative exponents keeps 0.47 the double nearest 0.47.
    const auto digits = static_cast<double>(significand.digits);
    return significand.exponent >= 0 ? digits * powerOfTen(significand.exponent)
                                     : digits / powerOfTen(-significand.exponent);
}

namespace {

struct Scaled
{
    QString number;
    int thousands = 0; // 0 for Ω, 1 for kΩ, ...
};

Scaled scaledToUnit(double ohms)
{
    constexpr int largest = 3; // GΩ
    int thousands = 0;
    while (ohms >= 1000.0 && thousands < largest) {
        ohms /= 1000.0;
        ++thousands;
    }
    return {formatShortest(static_cast<float>(ohms)), thousands};
}

} // namespace

QString resistanceText(double ohms)
{
    static const char *const unitKeys[] = {"Ohm", "KiloOhm", "MegaOhm", "GigaOhm"};
    const Scaled scaled = scaledToUnit(ohms);
    return scaled.number + u' ' + text(unitKeys[scaled.thousands]);
}

QString resistanceFieldText(double ohms)
{
    static const char16_t prefixes[] = {0, u'k', u'M', u'G'};
    const Scaled scaled = scaledToUnit(ohms);
    if (scaled.thousands == 0)
        return scaled.number;
    return scaled.number + QChar(prefixes[scaled.thousands]);
}

} // namespace zelkor::resistor
