// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Resistors or capacitors combined in series and in parallel.
//
// Every list has two totals: the plain sum S = Σvᵢ and the reciprocal combination
// Q = 1 ÷ Σ(1 ÷ vᵢ). Resistors add in series and combine reciprocally in parallel; capacitors
// the other way round. The parts are kept as the texts the user typed and read as numbers
// only here, in single precision and in list order, because the printed digits depend on it.
// A part of 0 makes its reciprocal infinite, so Q is 0: a shorted resistor shorts the whole
// parallel group, and an empty capacitor gap blocks the whole series chain.

#include "core/calculators/Inputs.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <span>

namespace zelkor::seriesparallel {

enum class PartKind
{
    Resistors,
    Capacitors
};

struct Totals
{
    float sum = 0.0f;        // S
    float reciprocal = 0.0f; // Q

    float series(PartKind kind) const { return kind == PartKind::Resistors ? sum : reciprocal; }
    float parallel(PartKind kind) const { return kind == PartKind::Resistors ? reciprocal : sum; }
};

// True when text can go into the panel's list: it begins with a value.
bool isPart(QStringView text, PartKind kind);

// The totals of the values, in list order; the list must not be empty.
Totals combine(std::span<const float> values);

enum class Field
{
    Kind,
    Parts,
};

// The parts as given, each text one part; the problem's item names the part at fault. The list
// must not be empty; in a strict reading every part must be a value of the kind's quantity.
Outcome<Totals, Field> calculate(std::optional<PartKind> kind, const QList<QString> &parts,
                                 Reading reading);

// The two result lines ("Series: 200.00 Ohm\nParallel: 50.00 Ohm").
QString resultText(PartKind kind, const Totals &totals);

// The panel's text for its list: the result lines, or nothing when the list gives no totals.
QString resultText(PartKind kind, const QList<QString> &parts);

// The unit caption beside the entry field: "Ω" or "µF".
QString unit(PartKind kind);

} // namespace zelkor::seriesparallel
