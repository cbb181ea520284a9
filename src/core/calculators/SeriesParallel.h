#pragma once
// Resistors or capacitors combined in series and in parallel.
//
// Every list has two totals: the plain sum S = Σvᵢ and the reciprocal combination
// Q = 1 ÷ Σ(1 ÷ vᵢ). Resistors add in series and combine reciprocally in parallel; capacitors
// the other way round. The parts are kept as the texts the user typed and read as numbers
// only here, in single precision and in list order, because the printed digits depend on it.
// A part of 0 makes its reciprocal infinite, so Q is 0: a shorted resistor shorts the whole
// parallel group, and an empty capacitor gap blocks the whole series chain.

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

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

// True when text can go into the list: it begins with a number.
bool isPart(QStringView text);

// The totals of the parts, each read as a field's number; nothing for an empty list.
std::optional<Totals> combine(const QList<QString> &parts);

// The panel's two result lines ("Series: 200.00 Ohm\nParallel: 50.00 Ohm"); empty for an
// empty list, since there is nothing to describe.
QString resultText(PartKind kind, const QList<QString> &parts);

// The unit caption beside the entry field: "Ω" or "µF".
QString unit(PartKind kind);

} // namespace zelkor::seriesparallel
