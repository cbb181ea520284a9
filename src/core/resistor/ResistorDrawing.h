// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawn resistor as data: the band colours the view holds, and the rectangles, leads and
// gradients that paint them.
//
// Coordinates are the drawing's own: origin at the bottom-left corner of the view, y upwards.
// Every x is fixed (the layout needs 180 wide for four bands, 200 for five, 220 for six); only
// the heights follow the view. Each surface is a vertical gradient from its colour at the bottom to
// a lighter form of it at the top.

#include <array>
#include <optional>
#include <vector>

namespace zelkor::resistor {

// Calibrated red, green and blue, each from 0 to 1.
struct Rgb
{
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// What a band is painted with; empty for a colour code outside the table.
using BandColor = std::optional<Rgb>;

// The colour of a colour code (ColorCode); empty outside 0..12.
BandColor colorForCode(int code);

inline constexpr Rgb kOrange{1.0, 0.5, 0.0};
// The colour of NoBand. No other code maps to it, so comparing by value finds "no band".
inline constexpr Rgb kNoBandColor{0.0, 1.0, 1.0};

struct Gradient
{
    Rgb start; // at the bottom edge
    Rgb end;   // at the top edge
};

// From color to color blended half way toward white.
Gradient gradientForColor(const Rgb &color);

// The colours of up to six bands, and how many are shown.
struct BandColors
{
    std::array<BandColor, 6> bands{kOrange, kOrange, kOrange, kOrange, kOrange, kOrange};
    bool hasFiveBands = false; // exactly five
    bool hasSixBands = false;

    // A four-band resistor; the later colours are kept but not shown.
    void setColorsByColorCodes(int c1, int c2, int c3, int c4);
    void setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5);
    void setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5, int c6);
};

struct Rect
{
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;

    friend bool operator==(const Rect &, const Rect &) = default;
};

struct GradientFill
{
    Rect rect;
    Gradient gradient;
};

struct Line
{
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    double width = 0.0;
    Rgb color;
};

// The part that carries the bands. A moulded inductor is a capsule, longer than a four-band
// resistor so that its bands stay clear of the rounded ends.
enum class Body
{
    Resistor,
    MouldedInductor,
};

// Painted in this order: body, leads, bands.
struct DrawingPlan
{
    GradientFill body;
    double bodyCornerRadius = 0.0; // 0 for square corners
    std::array<Line, 2> leads;
    std::vector<GradientFill> bands; // left to right, without a missing fourth band
};

inline constexpr double kBodyLeft = 40.0;
inline constexpr double kBandWidth = 10.0;

// The plan for a view whose top edge is at y = top. A moulded inductor shows the first four
// bands.
DrawingPlan drawingPlan(const BandColors &colors, double top, Body body = Body::Resistor);

} // namespace zelkor::resistor
