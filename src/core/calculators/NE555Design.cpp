// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/NE555Design.h"

#include "core/calculators/NE555.h"
#include "core/text/NumberFormat.h"
#include "core/text/QuantityText.h"
#include "core/text/Texts.h"

#include <cmath>
#include <tuple>
#include <utility>

namespace zelkor::ne555 {

namespace {

constexpr double kHalfPeriodFactor = 0.69;
constexpr double kPulseFactor = 1.1;

bool positive(float value)
{
    return std::isfinite(value) && value > 0.0f;
}

double farads(float microfarads)
{
    return static_cast<double>(microfarads) / 1e6;
}

QString nearestLine(const char *name, double ideal, double standard, eseries::Series series)
{
    return formatText(text("NearestStandardValue"),
                      {QString::fromLatin1(name), ohmsText(ideal, 3), eseries::name(series),
                       standardOhmsText(standard, eseries::significantDigits(series))});
}

QString problemText(DesignOutcome outcome)
{
    switch (outcome) {
    case DesignOutcome::NotPositive:
        return text("ValuesNotPositive");
    case DesignOutcome::DutyAtOrBelowHalf:
        return text("NE555DutyAtOrBelowHalf");
    case DesignOutcome::DutyAtOrAboveWhole:
        return text("NE555DutyAtOrAboveWhole");
    case DesignOutcome::NoStandardValue:
        return text("NoStandardValue");
    case DesignOutcome::Designed:
        break;
    }
    return {};
}

} // namespace

AstableTiming astableTiming(float r1, float r2, float c1)
{
    // Same steps as astableFrequency(): C rounded to float first, the products in double.
    const double c = c1 / 1000000.0f;
    AstableTiming timing;
    timing.highTime = static_cast<float>(static_cast<double>(r1 + r2) * kHalfPeriodFactor * c);
    timing.lowTime = static_cast<float>(static_cast<double>(r2) * kHalfPeriodFactor * c);
    timing.frequency = astableFrequency(r1, r2, c1);
    timing.dutyPercent = (r1 + r2) / (r1 + 2.0f * r2) * 100.0f;
    return timing;
}

QString astableTimingText(const AstableTiming &timing)
{
    return formatText(u"%@: %.08f s\n%@: %.08f s\n%@: %.02f %%",
                      {text("HighTime"), timing.highTime, text("LowTime"), timing.lowTime,
                       text("DutyCycle"), timing.dutyPercent});
}

AstableRanges astableRanges(double r1, double r2, double c1, double rPercent, double cPercent)
{
    const std::array parts{tolerance::percent(r1, rPercent), tolerance::percent(r2, rPercent),
                           tolerance::percent(c1 / 1e6, cPercent)};
    const auto high = [](double a, double b, double c) { return kHalfPeriodFactor * (a + b) * c; };
    const auto low = [](double, double b, double c) { return kHalfPeriodFactor * b * c; };
    return {
        .frequency = tolerance::worstCase(
            parts,
            [&](double a, double b, double c) { return 1.0 / (high(a, b, c) + low(a, b, c)); }),
        .highTime = tolerance::worstCase(parts, high),
        .lowTime = tolerance::worstCase(parts, low),
        .dutyPercent = tolerance::worstCase(
            parts, [](double a, double b, double) { return (a + b) / (a + 2.0 * b) * 100.0; }),
    };
}

tolerance::Range pulseRange(double r, double c1, double rPercent, double cPercent)
{
    return tolerance::worstCase(
        std::array{tolerance::percent(r, rPercent), tolerance::percent(c1 / 1e6, cPercent)},
        [](double ohms, double farads) { return kPulseFactor * ohms * farads; });
}

QString astableRangesText(const AstableRanges &ranges)
{
    return formatText(text("NE555AstableRanges"),
                      {ranges.frequency.min, ranges.frequency.max, ranges.dutyPercent.min,
                       ranges.dutyPercent.max, ranges.highTime.min, ranges.highTime.max,
                       ranges.lowTime.min, ranges.lowTime.max});
}

QString pulseRangeText(const tolerance::Range &range)
{
    return formatText(text("NE555PulseRange"), {range.min, range.max});
}

AstableDesign designAstable(float frequency, float dutyPercent, float c1, eseries::Series series)
{
    AstableDesign design;
    design.series = series;
    design.frequency = frequency;
    design.dutyPercent = dutyPercent;
    design.c1 = c1;
    if (!positive(frequency) || !positive(c1) || std::isnan(dutyPercent))
        return design;
    if (dutyPercent <= 50.0f) {
        design.outcome = DesignOutcome::DutyAtOrBelowHalf;
        return design;
    }
    if (dutyPercent >= 100.0f) {
        design.outcome = DesignOutcome::DutyAtOrAboveWhole;
        return design;
    }

    const double period = 1.0 / frequency;
    const double highTime = period * dutyPercent / 100.0;
    const double lowTime = period - highTime;
    const double rc = kHalfPeriodFactor * farads(c1);
    design.idealR2 = lowTime / rc;
    design.idealR1 = highTime / rc - design.idealR2;

    const auto r1 = eseries::nearest(design.idealR1, series);
    const auto r2 = eseries::nearest(design.idealR2, series);
    if (!r1 || !r2) {
        design.outcome = DesignOutcome::NoStandardValue;
        return design;
    }
    design.outcome = DesignOutcome::Designed;
    design.standardR1 = *r1;
    design.standardR2 = *r2;
    design.withStandardParts = astableTiming(static_cast<float>(*r1), static_cast<float>(*r2), c1);
    return design;
}

MonostableDesign designMonostable(float duration, float c1, eseries::Series series)
{
    MonostableDesign design;
    design.series = series;
    design.duration = duration;
    design.c1 = c1;
    if (!positive(duration) || !positive(c1))
        return design;
    design.idealR = duration / (kPulseFactor * farads(c1));
    const auto r = eseries::nearest(design.idealR, series);
    if (!r) {
        design.outcome = DesignOutcome::NoStandardValue;
        return design;
    }
    design.outcome = DesignOutcome::Designed;
    design.standardR = *r;
    design.standardDuration = monostablePulseDuration(static_cast<float>(*r), c1);
    return design;
}

namespace {

Outcome<eseries::Series, DesignField> readSeries(const Given &given)
{
    if (!given)
        return eseries::Series::E24;
    if (const auto series = eseries::parse(*given))
        return *series;
    return Problem<DesignField>{Reason::OutOfRange, DesignField::Series};
}

// The resistors' tolerance defaults to their series', the capacitor's to 10 %.
Outcome<std::pair<double, double>, DesignField>
readTolerances(const DesignTexts &texts, eseries::Series series, Reading reading)
{
    const auto r = tolerance::readOr(kDesignFields, DesignField::Tolerance, texts.tolerance,
                                     reading, tolerance::seriesPercent(series));
    if (!r)
        return r.problem();
    const auto c = tolerance::readOr(kDesignFields, DesignField::CTolerance, texts.cTolerance,
                                     reading, tolerance::kCapacitorPercent);
    if (!c)
        return c.problem();
    return std::pair{*r, *c};
}

} // namespace

Outcome<AstableDesign, DesignField> designAstable(const DesignTexts &texts, Reading reading)
{
    const auto frequency = read(kDesignFields, DesignField::Frequency, texts.frequency, reading);
    if (!frequency)
        return frequency.problem();
    const auto duty = read(kDesignFields, DesignField::Duty, texts.duty, reading);
    if (!duty)
        return duty.problem();
    const auto c = read(kDesignFields, DesignField::C, texts.c, reading);
    if (!c)
        return c.problem();
    const auto series = readSeries(texts.series);
    if (!series)
        return series.problem();
    const auto percents = readTolerances(texts, *series, reading);
    if (!percents)
        return percents.problem();
    AstableDesign design = designAstable(*frequency, *duty, *c, *series);
    std::tie(design.rPercent, design.cPercent) = *percents;
    if (design.outcome == DesignOutcome::Designed)
        design.ranges = astableRanges(design.standardR1, design.standardR2, *c, design.rPercent,
                                      design.cPercent);
    const AstableTiming &timing = design.withStandardParts;
    if (const auto problem =
            overflow(DesignField::C, timing.frequency, timing.highTime, timing.lowTime,
                     timing.dutyPercent, design.ranges.frequency.max, design.ranges.highTime.max))
        return *problem;
    return design;
}

Outcome<MonostableDesign, DesignField> designMonostable(const DesignTexts &texts, Reading reading)
{
    const auto duration = read(kDesignFields, DesignField::Duration, texts.duration, reading);
    if (!duration)
        return duration.problem();
    const auto c = read(kDesignFields, DesignField::C, texts.c, reading);
    if (!c)
        return c.problem();
    const auto series = readSeries(texts.series);
    if (!series)
        return series.problem();
    const auto percents = readTolerances(texts, *series, reading);
    if (!percents)
        return percents.problem();
    MonostableDesign design = designMonostable(*duration, *c, *series);
    std::tie(design.rPercent, design.cPercent) = *percents;
    if (design.outcome == DesignOutcome::Designed)
        design.durationRange = pulseRange(design.standardR, *c, design.rPercent, design.cPercent);
    if (const auto problem =
            overflow(DesignField::C, design.standardDuration, design.durationRange.max))
        return *problem;
    return design;
}

QString problemText(const Problem<DesignField> &problem, const DesignTexts &texts)
{
    // A tolerance of 100 % or more has no sentence of its own: the panel shows nothing.
    if (problem.reason != Reason::OutsideDomain || problem.field == DesignField::Tolerance ||
        problem.field == DesignField::CTolerance)
        return {};
    if (problem.field != DesignField::Duty)
        return text("ValuesNotPositive");
    const std::variant<float, Reason> duty =
        readInput(texts.duty, {.unit = units::kNumber, .domain = domains::kAny}, Reading::Lenient);
    const float *percent = std::get_if<float>(&duty);
    if (!percent)
        return {};
    return text(*percent <= 50.0f ? "NE555DutyAtOrBelowHalf" : "NE555DutyAtOrAboveWhole");
}

QString designText(const AstableDesign &design)
{
    if (design.outcome != DesignOutcome::Designed)
        return problemText(design.outcome);
    const AstableTiming &timing = design.withStandardParts;
    return nearestLine("R1", design.idealR1, design.standardR1, design.series) + u'\n' +
           nearestLine("R2", design.idealR2, design.standardR2, design.series) + u'\n' +
           formatText(text("WithTheseParts"), {timing.frequency, timing.dutyPercent}) + u'\n' +
           formatText(text("NE555DesignRanges"),
                      {design.ranges.frequency.min, design.ranges.frequency.max,
                       design.ranges.dutyPercent.min, design.ranges.dutyPercent.max});
}

QString designText(const MonostableDesign &design)
{
    if (design.outcome != DesignOutcome::Designed)
        return problemText(design.outcome);
    return nearestLine("R", design.idealR, design.standardR, design.series) + u'\n' +
           formatText(text("WithThisPart"), {design.standardDuration}) + u'\n' +
           pulseRangeText(design.durationRange);
}

} // namespace zelkor::ne555
