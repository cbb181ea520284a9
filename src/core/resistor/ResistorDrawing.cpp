// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/ResistorDrawing.h"

#include "core/resistor/ResistorBands.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelkor::resistor {

namespace {

constexpr Rgb grey(double white)
{
    return {white, white, white};
}

constexpr Rgb kColorTable[kColorCodeCount] = {
    grey(0.8),        // silver
    {1.0, 0.76, 0.0}, // gold
    grey(0.0),        // black
    {0.6, 0.4, 0.2},  // brown
    {1.0, 0.0, 0.0},  // red
    kOrange,          // orange
    {1.0, 1.0, 0.0},  // yellow
    {0.0, 1.0, 0.0},  // green
    {0.0, 0.0, 1.0},  // blue
    {0.5, 0.0, 0.5},  // violet
    grey(0.5),        // grey
    grey(1.0),        // white
    kNoBandColor,     // no band
};

constexpr Rgb kBodyColor = grey(0.6);
// The pale green lacquer of moulded chokes; the colour bands all stand out from it.
constexpr Rgb kInductorBodyColor{0.55, 0.72, 0.6};
constexpr double kInductorBodyWidth = 140.0;
constexpr double kInductorCornerRadius = 20.0;
constexpr Rgb kLeadColor = grey(0.5);
constexpr double kLeadWidth = 0.5;

// The band height is the top edge cut to whole points; the body keeps the fraction.
double bandHeight(double top)
{
    if (!(top > 0.0))
        return 0.0;
    if (top >= static_cast<double>(std::numeric_limits<int>::max()))
        return static_cast<double>(std::numeric_limits<int>::max());
    return static_cast<double>(static_cast<int>(top));
}

} // namespace

BandColor colorForCode(int code)
{
    if (code < 0 || code >= kColorCodeCount)
        return std::nullopt;
    return kColorTable[code];
}

Gradient gradientForColor(const Rgb &color)
{
    const auto highlight = [](double component) { return (component + 1.0) / 2.0; };
    return {color, {highlight(color.red), highlight(color.green), highlight(color.blue)}};
}

void BandColors::setColorsByColorCodes(int c1, int c2, int c3, int c4)
{
    hasFiveBands = false;
    hasSixBands = false;
    bands[0] = colorForCode(c1);
    bands[1] = colorForCode(c2);
    bands[2] = colorForCode(c3);
    bands[3] = colorForCode(c4);
}

void BandColors::setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5)
{
    setColorsByColorCodes(c1, c2, c3, c4);
    hasFiveBands = true;
    bands[4] = colorForCode(c5);
}

void BandColors::setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5, int c6)
{
    setColorsByColorCodes(c1, c2, c3, c4);
    hasSixBands = true;
    bands[4] = colorForCode(c5);
    bands[5] = colorForCode(c6);
}

namespace {

DrawingPlan mouldedInductorPlan(const BandColors &colors, double top)
{
    constexpr double w = kInductorBodyWidth;
    const double hb = bandHeight(top);
    DrawingPlan plan;
    plan.body = {{kBodyLeft, 0.0, w, top}, gradientForColor(kInductorBodyColor)};
    // Never rounder than half the height, or the ends would bulge past the body.
    plan.bodyCornerRadius = std::max(0.0, std::min(kInductorCornerRadius, top * 0.5));
    plan.leads[0] = {0.0, 0.0, kBodyLeft, top * 0.5, kLeadWidth, kLeadColor};
    plan.leads[1] = {w + kBodyLeft, top * 0.5, w + 2 * kBodyLeft, 0.0, kLeadWidth, kLeadColor};
    // Digits and multiplier together, the tolerance apart, all on the straight middle part.
    constexpr double xs[] = {70.0, 90.0, 110.0, 140.0};
    for (std::size_t i = 0; i < std::size(xs); ++i) {
        const BandColor &color = colors.bands[i];
        if (color && *color != kNoBandColor)
            plan.bands.push_back({{xs[i], 0.0, kBandWidth, hb}, gradientForColor(*color)});
    }
    return plan;
}

} // namespace

DrawingPlan drawingPlan(const BandColors &colors, double top, Body body)
{
    if (body == Body::MouldedInductor)
        return mouldedInductorPlan(colors, top);
    // Each band beyond four lengthens the body by 20.
    const double w = colors.hasSixBands ? 140.0 : colors.hasFiveBands ? 120.0 : 100.0;
    const bool fiveOrMore = colors.hasFiveBands || colors.hasSixBands;
    const double hb = bandHeight(top);

    DrawingPlan plan;
    plan.body = {{kBodyLeft, 0.0, w, top}, gradientForColor(kBodyColor)};
    plan.leads[0] = {0.0, 0.0, kBodyLeft, top * 0.5, kLeadWidth, kLeadColor};
    plan.leads[1] = {w + kBodyLeft, top * 0.5, w + 2 * kBodyLeft, 0.0, kLeadWidth, kLeadColor};

    const auto addBand = [&](const BandColor &color, double x) {
        // A colour outside the table leaves the body showing, like a missing band.
        if (color)
            plan.bands.push_back({{x, 0.0, kBandWidth, hb}, gradientForColor(*color)});
    };
    addBand(colors.bands[0], 50.0);
    addBand(colors.bands[1], 70.0);
    addBand(colors.bands[2], 90.0);
    if (colors.bands[3] != kNoBandColor)
        addBand(colors.bands[3], fiveOrMore ? 110.0 : 120.0);
    // The tolerance band stands apart; the temperature coefficient follows it closely.
    if (fiveOrMore)
        addBand(colors.bands[4], 140.0);
    if (colors.hasSixBands)
        addBand(colors.bands[5], 160.0);
    return plan;
}

} // namespace zelkor::resistor
