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

QString prefixedText(double value, QStringView unit, int significantDigits)
{
    static constexpr std::u16string_view kPrefixes[] = {u"p", u"n", u"\u00b5", u"m",
                                                        u"",  u"k", u"M",      u"G"};
    constexpr int kNone = 4;
    constexpr int kLast = int(std::size(kPrefixes)) - 1;
    int prefix = kNone;
    double scaledValue = value;
    if (std::isfinite(value) && value != 0.0) {
        const int thousands = static_cast<int>(std::floor(std::log10(std::abs(value)) / 3.0));
        prefix = std::clamp(kNone + thousands, 0, kLast);
        scaledValue = value / std::pow(1000.0, prefix - kNone);
    }
    const auto decimalsFor = [significantDigits](double magnitude) {
        const int integerDigits = magnitude < 10.0 ? 1 : magnitude < 100.0 ? 2 : 3;
        return std::max(0, significantDigits - integerDigits);
    };
    QString digits = formatFixed(scaledValue, decimalsFor(std::abs(scaledValue)));
    // 999.996 rounds up to the next prefix: 1.0000 k, not 1000.00.
    if (std::abs(digits.toDouble()) >= 1000.0 && prefix < kLast) {
        ++prefix;
        scaledValue /= 1000.0;
        digits = formatFixed(scaledValue, decimalsFor(std::abs(scaledValue)));
    }
    QString written = digits + u' ';
    written.append(QStringView(kPrefixes[prefix]));
    written.append(unit);
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
