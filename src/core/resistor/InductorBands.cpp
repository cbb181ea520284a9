// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/InductorBands.h"

#include "core/resistor/ResistanceValue.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

#include <algorithm>
#include <array>

namespace zelkor::resistor {

namespace {

constexpr std::array kInductorBands = {Band::InductorFirst, Band::InductorSecond,
                                       Band::InductorMultiplier, Band::InductorTolerance};

constexpr BandLayout kLayout{kInductorBands, 2, inductorToleranceFor};

bool isMilitaryCode(std::span<const int> codes)
{
    if (codes.empty())
        return false;
    if (codes[0] == Silver)
        return true;
    // A gold digit is the military code's decimal point.
    const auto digits = codes.first(std::min<std::size_t>(codes.size(), 2));
    return std::ranges::find(digits, Gold) != digits.end();
}

struct Scaled
{
    double number = 0.0;
    const char16_t *unit = u"µH";
};

Scaled scaled(double microhenries)
{
    if (microhenries >= 1e6)
        return {microhenries / 1e6, u"H"};
    if (microhenries >= 1e3)
        return {microhenries / 1e3, u"mH"};
    return {microhenries, u"µH"};
}

} // namespace

InductorReading readInductorBands(std::span<const int> codes)
{
    InductorReading reading;
    if (isMilitaryCode(codes)) {
        reading.failure = InductorBandsFailure::MilitaryCode;
        return reading;
    }
    if (codes.size() != 3 && codes.size() != 4) {
        reading.failure = InductorBandsFailure::BandCount;
        return reading;
    }
    std::array<int, 4> four{NoBand, NoBand, NoBand, NoBand};
    std::copy(codes.begin(), codes.end(), four.begin());
    for (std::size_t i = 0; i < four.size(); ++i) {
        if (!positionOf(kInductorBands[i], four[i])) {
            reading.failure = InductorBandsFailure::Color;
            reading.band = static_cast<int>(i) + 1;
            return reading;
        }
    }
    if (const auto read = readBands(kLayout, four))
        reading.value = {read->value, read->tolerance};
    return reading;
}

QString inductorReadingFailureText(const InductorReading &reading, std::span<const int> codes)
{
    switch (reading.failure) {
    case InductorBandsFailure::None:
        break;
    case InductorBandsFailure::BandCount:
        return text("InductorBandCount");
    case InductorBandsFailure::MilitaryCode:
        return text("InductorMilitaryCode");
    case InductorBandsFailure::Color: {
        const auto index = static_cast<std::size_t>(reading.band - 1);
        const char *key = index < codes.size() ? colorTextKey(codes[index]) : nullptr;
        return formatText(text("InductorBandColor"), {key ? text(key) : QString(), reading.band});
    }
    }
    return {};
}

LaidOutBands inductorBandsFor(double microhenries, float tolerance)
{
    return layOutBands(kLayout, microhenries, tolerance);
}

QString inductorBandsFailureText(const LaidOutBands &bands, float tolerance)
{
    switch (bands.failure) {
    case ColorBandsFailure::OutOfRange:
        return text("InductorBandsOutOfRange");
    case ColorBandsFailure::Tolerance:
        return formatText(text("BandsTolerance"), {4, toleranceText(tolerance)});
    case ColorBandsFailure::None:
    case ColorBandsFailure::TemperatureCoefficient:
    case ColorBandsFailure::BandCount:
        break;
    }
    return {};
}

QString inductorBandsText(const InductorValue &value)
{
    const Scaled shown = scaled(value.microhenries);
    const QString unit = QString::fromUtf16(shown.unit);
    const double spread = value.tolerance / 100.0 * shown.number;
    return formatText(u"%@: %.02f %@\n%@: %@%% (±%.02f %@)",
                      {text("Inductance"), shown.number, unit, text("Tolerance"),
                       toleranceText(value.tolerance), spread, unit});
}

double henriesOf(double microhenries)
{
    auto significand = significandOf(microhenries, 17);
    if (!significand)
        return microhenries / 1e6;
    significand->exponent -= 6;
    return valueOf(*significand);
}

QString inductanceText(double microhenries)
{
    const Scaled shown = scaled(microhenries);
    return formatShortest(static_cast<float>(shown.number)) + u' ' + QString::fromUtf16(shown.unit);
}

QString inductanceFieldText(double microhenries)
{
    return formatShortest(static_cast<float>(microhenries));
}

TypedValueBands inductorBandsForTypedValue(QStringView typed, float tolerance)
{
    if (typed.trimmed().isEmpty())
        return {};
    const PreciseValueReading reading = readPreciseValue(typed, units::kMicrohenries);
    if (!reading.value || !(*reading.value > 0.0))
        return {{}, text("NotAnInductance")};
    LaidOutBands bands = inductorBandsFor(*reading.value, tolerance);
    if (bands.failure != ColorBandsFailure::None)
        return {{}, inductorBandsFailureText(bands, tolerance)};
    QString note;
    if (bands.rounded)
        note = formatText(text("BandsRounded"), {inductanceText(bands.value), 4});
    return {std::move(bands.codes), note};
}

} // namespace zelkor::resistor
