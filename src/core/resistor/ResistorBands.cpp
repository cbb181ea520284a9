// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/ResistorBands.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <cmath>

namespace zelkor::resistor {

namespace {

constexpr int kFirstDigitCodes[] = {Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};
constexpr int kDigitCodes[] = {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};
constexpr int kFourBandsMultiplierCodes[] = {Silver, Gold,  Black, Brown,  Red,  Orange,
                                             Yellow, Green, Blue,  Violet, Grey, White};
constexpr int kFiveBandsMultiplierCodes[] = {Silver, Gold,   Black, Brown, Red,
                                             Orange, Yellow, Green, Blue};
// Ordered by rising percentage, 20 % (no band) last.
constexpr int kFourBandsToleranceCodes[] = {Green, Brown, Red, Gold, Silver, NoBand};
constexpr int kFiveBandsToleranceCodes[] = {Silver, Gold, Brown, Red, Green, Blue, Violet, Grey};
// Inductors stop at yellow: 99 × 10⁴ µH is about the largest moulded choke.
constexpr int kInductorMultiplierCodes[] = {Silver, Gold, Black, Brown, Red, Orange, Yellow};
// Black before "no band", so a typed 20 % is printed as the band makers paint.
constexpr int kInductorToleranceCodes[] = {Brown, Red, Orange, Yellow, Gold, Silver, Black, NoBand};
constexpr int kTemperatureCoefficientCodes[] = {Black, Brown, Red,    Orange, Yellow,
                                                Green, Blue,  Violet, Grey};

constexpr float kFourBandsTolerances[] = {0.5f, 1.0f, 2.0f, 5.0f, 10.0f, 20.0f};
constexpr float kFiveBandsTolerances[] = {10.0f, 5.0f, 1.0f, 2.0f, 0.5f, 0.25f, 0.1f, 0.05f};
constexpr float kInductorTolerances[] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 10.0f, 20.0f, 20.0f};
constexpr float kFiveBandsMultipliers[] = {0.01f,   0.1f,     1.0f,      10.0f,     100.0f,
                                           1000.0f, 10000.0f, 100000.0f, 1000000.0f};
// ppm/K after IEC 60062; yellow (25) lies between orange (15) and green (20) out of order.
constexpr int kTemperatureCoefficients[] = {250, 100, 50, 15, 25, 20, 10, 5, 1};

struct ColorNames
{
    const char *textKey;
    const char *name;
};

constexpr ColorNames kColorNames[kColorCodeCount] = {
    {"ColorSilver", "silver"}, {"ColorGold", "gold"},   {"ColorBlack", "black"},
    {"ColorBrown", "brown"},   {"ColorRed", "red"},     {"ColorOrange", "orange"},
    {"ColorYellow", "yellow"}, {"ColorGreen", "green"}, {"ColorBlue", "blue"},
    {"ColorViolet", "violet"}, {"ColorGrey", "grey"},   {"ColorWhite", "white"},
    {"ColorNoBand", "none"},
};

template <typename T, std::size_t N>
T lookUp(const T (&table)[N], std::uint32_t position, T fallback)
{
    return position < N ? table[position] : fallback;
}

// 10^exponent rounded once to single precision, so 0.1 and 0.01 are the nearest floats.
float powerOfTen(std::int64_t exponent)
{
    return static_cast<float>(std::pow(10.0, static_cast<double>(exponent)));
}

} // namespace

std::span<const int> bandColorCodes(Band band)
{
    switch (band) {
    case Band::FourBandsFirst:
    case Band::FiveBandsFirst:
    case Band::SixBandsFirst:
    case Band::InductorFirst:
        return kFirstDigitCodes;
    case Band::FourBandsSecond:
    case Band::FiveBandsSecond:
    case Band::FiveBandsThird:
    case Band::SixBandsSecond:
    case Band::SixBandsThird:
    case Band::InductorSecond:
        return kDigitCodes;
    case Band::FourBandsThird:
        return kFourBandsMultiplierCodes;
    case Band::FiveBandsFourth:
    case Band::SixBandsFourth:
        return kFiveBandsMultiplierCodes;
    case Band::FourBandsFourth:
        return kFourBandsToleranceCodes;
    case Band::SixBandsSixth:
        return kTemperatureCoefficientCodes;
    case Band::InductorMultiplier:
        return kInductorMultiplierCodes;
    case Band::InductorTolerance:
        return kInductorToleranceCodes;
    case Band::FiveBandsFifth:
    case Band::SixBandsFifth:
        break;
    }
    return kFiveBandsToleranceCodes;
}

std::optional<std::uint32_t> positionOf(Band band, int code)
{
    const auto codes = bandColorCodes(band);
    const auto found = std::find(codes.begin(), codes.end(), code);
    if (found == codes.end())
        return std::nullopt;
    return static_cast<std::uint32_t>(found - codes.begin());
}

float fourBandsResistorToleranceFor(std::uint32_t position)
{
    return lookUp(kFourBandsTolerances, position, 42.0f);
}

float fiveBandsToleranceFor(std::uint32_t position)
{
    return lookUp(kFiveBandsTolerances, position, 0.0f);
}

float fiveBandsMultiplierFor(std::uint32_t position)
{
    return lookUp(kFiveBandsMultipliers, position, 0.0f);
}

float inductorToleranceFor(std::uint32_t position)
{
    return lookUp(kInductorTolerances, position, 0.0f);
}

int sixBandsTemperatureCoefficientFor(std::uint32_t position)
{
    return lookUp(kTemperatureCoefficients, position, 0);
}

Reading fourBandsReading(const std::array<std::uint32_t, 4> &positions)
{
    const auto [a, b, c, d] = positions;
    // Positions count from silver (×0.01), so the exponent is c − 2; there is no upper cap.
    const float factor = powerOfTen(static_cast<std::int64_t>(c) - 2);
    const auto digits = static_cast<float>(10 * (static_cast<std::int64_t>(a) + 1) + b);
    return {factor * digits, fourBandsResistorToleranceFor(d)};
}

Reading fiveBandsReading(const std::array<std::uint32_t, 5> &positions)
{
    const auto [a, b, c, d, e] = positions;
    const float factor = fiveBandsMultiplierFor(d);
    const auto digits =
        static_cast<float>(100 * (static_cast<std::int64_t>(a) + 1) + 10 * std::int64_t{b} + c);
    return {digits * factor, fiveBandsToleranceFor(e)};
}

QString toleranceText(float tolerance)
{
    const QString oneDecimal = formatFixed(tolerance, 1);
    // 0.25 % and 0.05 % would print as 0.2 % and 0.1 %: a tolerance the resistor doesn't have.
    if (std::isfinite(tolerance) && oneDecimal.toFloat() != tolerance)
        return formatFixed(tolerance, 2);
    return oneDecimal;
}

QString parseStringsFor(float resistance, float tolerance)
{
    static const char *const unitKeys[] = {"Ohm", "KiloOhm", "MegaOhm", "GigaOhm"};
    constexpr int lastUnit = std::size(unitKeys) - 1;
    int n = 0;
    float v = resistance;
    // Stopping at GΩ also keeps an infinite resistance from scaling forever.
    while (v >= 1000.0f && n < lastUnit) {
        v = v / 1000.0f;
        ++n;
    }
    const QString unit = text(unitKeys[n]);
    const float spread = (tolerance / 100.0f) * v;
    return formatText(
        u"%@: %.02f %@\n%@: %@%% (±%.02f %@)",
        {text("Resistance"), v, unit, text("Tolerance"), toleranceText(tolerance), spread, unit});
}

QString parseStringsFor(float resistance, float tolerance, int temperatureCoefficient)
{
    return parseStringsFor(resistance, tolerance) +
           formatText(u"\n%@: %d ppm/K", {text("TemperatureCoefficient"), temperatureCoefficient});
}

const char *colorTextKey(int code)
{
    if (code < 0 || code >= kColorCodeCount)
        return nullptr;
    return kColorNames[code].textKey;
}

QString colorName(int code)
{
    if (code < 0 || code >= kColorCodeCount)
        return {};
    return QString::fromLatin1(kColorNames[code].name);
}

std::optional<int> colorCodeForName(QStringView name)
{
    const QString lower = name.trimmed().toString().toLower();
    if (lower == u"gray")
        return Grey;
    if (lower == u"purple")
        return Violet;
    for (int code = 0; code < kColorCodeCount; ++code) {
        if (lower == QLatin1String(kColorNames[code].name))
            return code;
    }
    return std::nullopt;
}

} // namespace zelkor::resistor
