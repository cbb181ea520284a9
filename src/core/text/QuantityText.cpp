// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/QuantityText.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>
#include <iterator>

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
