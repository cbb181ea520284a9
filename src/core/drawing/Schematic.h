// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A circuit drawing as data: strokes, dots and labels in logical units, y-up (see YUpSpace.h),
// so that a test can check where everything is without painting. A view only scales the plan
// to fit and strokes what it says. The symbols are those of IEC 60617: a resistor is an open
// rectangle, an inductor a filled one.
//
// Text is placed without a font: a label's box comes from a width model of its characters at
// kTextHeight units, kept a little generous, and a view shrinks a text that its real font
// sets wider than the box. So labels that do not overlap here do not overlap on screen.

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>

namespace zelkor::views {

inline constexpr double kTextHeight = 12.0;
inline constexpr double kLineWidth = 1.5;

// What fills a closed stroke or a dot: nothing, the colour of the lines, or the background.
enum class Fill
{
    None,
    Ink,
    Paper
};

// A polyline, or a polygon when closed.
struct Stroke
{
    QList<QPointF> points;
    bool closed = false;
    Fill fill = Fill::None;
    double width = kLineWidth;
};

// Junctions are ink dots, terminals paper dots with an ink rim.
struct Dot
{
    QPointF centre;
    double radius = 0;
    Fill fill = Fill::Ink;
};

enum class LabelRole
{
    Caption,     // names a part or a node, outside every symbol
    Inscription, // written inside a symbol: a pin name, a chip's type
};

struct Label
{
    QString text;
    QRectF box;                  // the estimated extent; the text is centred in it vertically
    int horizontalAlignment = 0; // -1 left, 0 centred, +1 right, within the box
    LabelRole role = LabelRole::Caption;
};

// One symbol's extent without its leads. Grounds and terminals have no name of their own.
struct Part
{
    QString name;
    QRectF box;
};

struct SchematicPlan
{
    QList<Stroke> strokes;
    QList<Dot> dots;
    QList<Label> labels;
    QList<Part> parts;
    QRectF bounds; // everything above, with a margin
};

// One drawing with lower set under upper, both centred on one vertical: a circuit and its
// waveform copy as one picture, and fit the tall column beside a panel's fields. An empty plan
// adds nothing.
SchematicPlan above(SchematicPlan upper, const SchematicPlan &lower);

// The width the model gives text at kTextHeight.
double estimatedTextWidth(QStringView text);

// "R1 2.4 kΩ", or "R1" when the value is unknown, not above zero, or outside what the prefixes
// p to G print (NaN and infinity among them). The value has three significant digits without
// trailing zeros, as parts are marked.
QString partLabel(const QString &name, std::optional<double> value, QStringView unit);
// As partLabel(), for values that may be zero or below (voltages, temperatures).
QString signedLabel(const QString &name, std::optional<double> value, QStringView unit);
// "125.0 °C": temperatures keep their decimal and never take a prefix.
QString temperatureLabel(const QString &name, std::optional<double> celsius);

} // namespace zelkor::views
