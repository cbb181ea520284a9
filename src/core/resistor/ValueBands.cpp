// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/ValueBands.h"

#include "core/resistor/ResistanceValue.h"
#include "core/resistor/ResistorBands.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <array>
#include <cmath>

namespace zelkor::resistor {

namespace {

constexpr std::array kFourBands = {Band::FourBandsFirst, Band::FourBandsSecond,
                                   Band::FourBandsThird, Band::FourBandsFourth};
constexpr std::array kFiveBands = {Band::FiveBandsFirst, Band::FiveBandsSecond,
                                   Band::FiveBandsThird, Band::FiveBandsFourth,
                                   Band::FiveBandsFifth};
constexpr std::array kSixBands = {Band::SixBandsFirst,  Band::SixBandsSecond, Band::SixBandsThird,
                                  Band::SixBandsFourth, Band::SixBandsFifth,  Band::SixBandsSixth};

std::span<const Band> bandsOf(int count)
{
    switch (count) {
    case 4:
        return kFourBands;
    case 5:
        return kFiveBands;
    case 6:
        return kSixBands;
    }
    return {};
}

int digitBands(int count)
{
    return count == 4 ? 2 : 3;
}

// The code at the first position of band whose meaning equals wanted.
template <typename T, typename Meaning>
std::optional<int> codeMeaning(Band band, T wanted, Meaning meaning)
{
    const auto codes = bandColorCodes(band);
    for (std::uint32_t position = 0; position < codes.size(); ++position)
        if (meaning(position) == wanted)
            return codes[position];
    return std::nullopt;
}

BandLayout layoutOf(int count)
{
    return {bandsOf(count), digitBands(count),
            count == 4 ? fourBandsResistorToleranceFor : fiveBandsToleranceFor};
}

ColorBands tryBands(int count, const ColorBandsRequest &request)
{
    LaidOutBands laidOut = layOutBands(layoutOf(count), request.resistance, request.tolerance);
    ColorBands result{laidOut.failure, count, std::move(laidOut.codes), laidOut.value,
                      laidOut.rounded};
    if (count == 6 && result.failure == ColorBandsFailure::None) {
        const auto coefficient = codeMeaning(bandsOf(6)[5], request.temperatureCoefficient,
                                             sixBandsTemperatureCoefficientFor);
        if (coefficient) {
            result.codes.push_back(*coefficient);
        } else {
            result.failure = ColorBandsFailure::TemperatureCoefficient;
            result.codes.clear();
        }
    }
    return result;
}

} // namespace

LaidOutBands layOutBands(const BandLayout &layout, double value, float tolerance)
{
    LaidOutBands result;
    const auto fail = [&](ColorBandsFailure failure) {
        result.failure = failure;
        result.codes.clear();
        return result;
    };
    const int digits = layout.digits;
    if (!(value > 0.0) || !std::isfinite(value))
        return fail(ColorBandsFailure::OutOfRange);
    const Significand significand = roundedSignificand(value, digits);
    result.rounded = !significandOf(value, digits);

    const Significand shown = widened(significand, digits);
    result.value = valueOf(shown);
    long long divisor = shown.count == 3 ? 100 : 10;
    for (int i = 0; i < digits; ++i, divisor /= 10)
        result.codes.push_back(Black + static_cast<int>(shown.digits / divisor % 10));

    // The multiplier pop-ups start at silver, 10⁻².
    const auto multipliers = bandColorCodes(layout.bands[std::size_t(digits)]);
    const long long multiplier = shown.exponent + 2LL;
    if (multiplier < 0 || multiplier >= static_cast<long long>(multipliers.size()))
        return fail(ColorBandsFailure::OutOfRange);
    result.codes.push_back(multipliers[static_cast<std::size_t>(multiplier)]);

    const auto code =
        codeMeaning(layout.bands[std::size_t(digits) + 1], tolerance, layout.toleranceFor);
    if (!code)
        return fail(ColorBandsFailure::Tolerance);
    result.codes.push_back(*code);
    return result;
}

std::optional<LaidOutValue> readBands(const BandLayout &layout, std::span<const int> codes)
{
    if (codes.size() != layout.bands.size())
        return std::nullopt;
    std::array<std::uint32_t, 6> positions{};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto position = positionOf(layout.bands[i], codes[i]);
        if (!position)
            return std::nullopt;
        positions[i] = *position;
    }
    const auto digits = std::size_t(layout.digits);
    Significand significand{0, static_cast<int>(positions[digits]) - 2, layout.digits};
    for (std::size_t i = 0; i < digits; ++i)
        significand.digits = significand.digits * 10 + (codes[i] - Black);
    return LaidOutValue{valueOf(significand), layout.toleranceFor(positions[digits + 1]),
                        positions};
}

ColorBands colorBandsFor(const ColorBandsRequest &request)
{
    if (request.bands != 0)
        return bandsOf(request.bands).empty()
                   ? ColorBands{ColorBandsFailure::BandCount, request.bands, {}}
                   : tryBands(request.bands, request);
    if (significandOf(request.resistance, digitBands(4))) {
        ColorBands four = tryBands(4, request);
        if (four.failure == ColorBandsFailure::None)
            return four;
    }
    return tryBands(5, request);
}

std::optional<BandValue> valueOfColorCodes(std::span<const int> codes)
{
    const int count = static_cast<int>(codes.size());
    if (bandsOf(count).empty())
        return std::nullopt;
    const auto read = readBands(layoutOf(count), codes);
    if (!read)
        return std::nullopt;
    BandValue value;
    value.resistance = read->value;
    value.tolerance = read->tolerance;
    if (count == 6)
        value.temperatureCoefficient = sixBandsTemperatureCoefficientFor(read->positions[5]);
    return value;
}

QString colorBandsText(std::span<const int> codes)
{
    const std::span<const Band> bands = bandsOf(static_cast<int>(codes.size()));
    std::array<std::uint32_t, 6> p{};
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const auto position = positionOf(bands[i], codes[i]);
        if (!position)
            return {};
        p[i] = *position;
    }
    switch (codes.size()) {
    case 4: {
        const Reading r = fourBandsReading({p[0], p[1], p[2], p[3]});
        return parseStringsFor(r.resistance, r.tolerance);
    }
    case 5: {
        const Reading r = fiveBandsReading({p[0], p[1], p[2], p[3], p[4]});
        return parseStringsFor(r.resistance, r.tolerance);
    }
    case 6: {
        const Reading r = fiveBandsReading({p[0], p[1], p[2], p[3], p[4]});
        return parseStringsFor(r.resistance, r.tolerance, sixBandsTemperatureCoefficientFor(p[5]));
    }
    }
    return {};
}

QString colorBandsFailureText(const ColorBands &bands, const ColorBandsRequest &request)
{
    const QString value = resistanceText(request.resistance);
    switch (bands.failure) {
    case ColorBandsFailure::None:
        break;
    case ColorBandsFailure::OutOfRange:
        return formatText(text("BandsOutOfRange"), {bands.bands, value});
    case ColorBandsFailure::Tolerance:
        return formatText(text("BandsTolerance"), {bands.bands, toleranceText(request.tolerance)});
    case ColorBandsFailure::TemperatureCoefficient:
        return formatText(text("BandsTemperatureCoefficient"), {request.temperatureCoefficient});
    case ColorBandsFailure::BandCount:
        return text("BandsCount");
    }
    return {};
}

eseries::Series seriesForTolerance(float tolerance)
{
    using eseries::Series;
    if (tolerance >= 20.0f)
        return Series::E6;
    if (tolerance >= 10.0f)
        return Series::E12;
    if (tolerance >= 5.0f)
        return Series::E24;
    if (tolerance >= 2.0f)
        return Series::E48;
    if (tolerance >= 1.0f)
        return Series::E96;
    return Series::E192;
}

QString standardValueNote(double resistance, float tolerance)
{
    const eseries::Series series = seriesForTolerance(tolerance);
    if (eseries::contains(series, resistance))
        return {};
    const auto below = eseries::atOrBelow(resistance, series);
    const auto above = eseries::atOrAbove(resistance, series);
    if (!below || !above)
        return formatText(text("NotStandardValue"),
                          {resistanceText(resistance), eseries::name(series)});
    return formatText(text("NotStandardValueNearest"),
                      {resistanceText(resistance), eseries::name(series), resistanceText(*below),
                       resistanceText(*above)});
}

TypedValueBands bandsForTypedValue(const TypedValue &typed)
{
    if (typed.text.trimmed().isEmpty())
        return {};
    const auto resistance = readResistance(typed.text);
    if (!resistance)
        return {{}, text("NotAResistance")};
    const ColorBandsRequest request{*resistance, typed.tolerance, typed.sixBands ? 6 : 0,
                                    typed.temperatureCoefficient};
    ColorBands bands = colorBandsFor(request);
    if (bands.failure != ColorBandsFailure::None)
        return {{}, colorBandsFailureText(bands, request)};
    QString note = standardValueNote(bands.resistance, typed.tolerance);
    if (bands.rounded) {
        const QString rounded =
            formatText(text("BandsRounded"), {resistanceText(bands.resistance), bands.bands});
        note = note.isEmpty() ? rounded : rounded + u' ' + note;
    }
    return {std::move(bands.codes), note};
}

std::optional<PickedValue> pickedValue(std::span<const int> codes)
{
    const auto value = valueOfColorCodes(codes);
    if (!value)
        return std::nullopt;
    return PickedValue{resistanceFieldText(value->resistance), value->tolerance,
                       standardValueNote(value->resistance, value->tolerance)};
}

} // namespace zelkor::resistor
