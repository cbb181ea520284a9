// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/QuantityText.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

namespace zelkor {

namespace {

struct Scaled
{
    double value = 0.0;
    const char *unitKey = "Ohm";
};

Scaled scaled(double ohms)
{
    static const char *const unitKeys[] = {"Ohm", "KiloOhm", "MegaOhm", "GigaOhm"};
    constexpr int lastUnit = int(std::size(unitKeys)) - 1;
    int n = 0;
    // The limit keeps an infinite value from scaling forever.
    while (std::abs(ohms) >= 1000.0 && n < lastUnit) {
        ohms /= 1000.0;
        ++n;
    }
    return {ohms, unitKeys[n]};
}

} // namespace

QString ohmsText(double ohms, int decimals)
{
    const Scaled s = scaled(ohms);
    return formatFixed(s.value, decimals) + u' ' + text(s.unitKey);
}

QString standardOhmsText(double ohms, int significantDigits)
{
    const Scaled s = scaled(ohms);
    const double magnitude = std::abs(s.value);
    const int integerDigits = magnitude < 10.0 ? 1 : magnitude < 100.0 ? 2 : 3;
    return formatFixed(s.value, std::max(0, significantDigits - integerDigits)) + u' ' +
           text(s.unitKey);
}

namespace {

// The prefix and decimals that prefixedText() gives a value.
struct Prefixed
{
    int prefix = 0;
    int decimals = 0;
};

constexpr std::u16string_view kPrefixes[] = {u"p", u"n", u"\u00b5", u"m", u"", u"k", u"M", u"G"};
constexpr int kNoPrefix = 4;
constexpr int kLastPrefix = int(std::size(kPrefixes)) - 1;

double inPrefix(double value, int prefix)
{
    return value / std::pow(1000.0, prefix - kNoPrefix);
}

Prefixed prefixFor(double value, int significantDigits)
{
    int prefix = kNoPrefix;
    if (std::isfinite(value) && value != 0.0) {
        const int thousands = static_cast<int>(std::floor(std::log10(std::abs(value)) / 3.0));
        prefix = std::clamp(kNoPrefix + thousands, 0, kLastPrefix);
    }
    const auto decimalsFor = [significantDigits](double magnitude) {
        const int integerDigits = magnitude < 10.0 ? 1 : magnitude < 100.0 ? 2 : 3;
        return std::max(0, significantDigits - integerDigits);
    };
    int decimals = decimalsFor(std::abs(inPrefix(value, prefix)));
    // 999.996 rounds up to the next prefix: 1.0000 k, not 1000.00.
    if (std::abs(formatFixed(inPrefix(value, prefix), decimals).toDouble()) >= 1000.0 &&
        prefix < kLastPrefix) {
        ++prefix;
        decimals = decimalsFor(std::abs(inPrefix(value, prefix)));
    }
    return {prefix, decimals};
}

QString withUnit(QString digits, int prefix, QStringView unit)
{
    digits.append(u' ');
    digits.append(QStringView(kPrefixes[prefix]));
    digits.append(unit);
    return digits;
}

} // namespace

QString prefixedText(double value, QStringView unit, int significantDigits)
{
    const Prefixed p = prefixFor(value, significantDigits);
    return withUnit(formatFixed(inPrefix(value, p.prefix), p.decimals), p.prefix, unit);
}

QString prefixedRangeText(double nominal, double low, double high, QStringView unit,
                          int significantDigits)
{
    const Prefixed p = prefixFor(nominal, significantDigits);
    QString written = u'(' + formatFixed(inPrefix(low, p.prefix), p.decimals);
    written.append(u" \u2026 ");
    written.append(withUnit(formatFixed(inPrefix(high, p.prefix), p.decimals), p.prefix, unit));
    written.append(u')');
    return written;
}

QString signedPercentText(double percent, int decimals)
{
    const QString digits = formatFixed(std::abs(percent), decimals);
    const bool roundsToZero =
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == u'0' || c == u'.'; });
    QString sign;
    if (!roundsToZero && !std::isnan(percent))
        sign = percent < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    return sign + digits + QStringLiteral(" %");
}

} // namespace zelkor
