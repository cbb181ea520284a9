// SPDX-License-Identifier: GPL-3.0-or-later

// The input's bytes, taken in pairs as little-endian UTF-16 code units, are one marking. Besides
// surviving it, the reader must keep its promises: readings exactly when nothing failed, each a
// positive finite value or voltage, a value's three-digit code reading back as the value, and no
// raw control character in what the panel would show. A value is read to twelve digits, and one
// within a billionth of a two-digit value is taken as that value, so the code reads back to within
// that share (4.40000000440 µF is 445).

#include "core/capacitor/CapacitorCode.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace zelkor::capacitor;

namespace {

bool positive(const std::optional<double> &value)
{
    return !value || (*value > 0.0 && std::isfinite(*value));
}

bool readsBack(double farads)
{
    const Encoded encoded = encode(farads);
    if (!encoded.threeDigits)
        return true;
    // The reader compares in scaled digits, rounded once more than here: a hair of slack.
    constexpr double kTakenAsEqual = 1e-9 * 1.01;
    for (const Reading &r : decode(*encoded.threeDigits).readings)
        if (r.capacitance && std::abs(*r.capacitance - farads) <= farads * kTakenAsEqual)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString marking;
    marking.reserve(qsizetype(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2)
        marking += QChar(char16_t(data[i] | (data[i + 1] << 8)));

    const Decoded decoded = decode(marking);
    if ((decoded.failure == Failure::None) == decoded.readings.empty())
        std::abort();
    for (const Reading &r : decoded.readings) {
        if (!positive(r.capacitance) || !positive(r.voltage) || (!r.capacitance && !r.voltage))
            std::abort();
        if (r.capacitance && !readsBack(*r.capacitance))
            std::abort();
    }
    for (const QChar c : decodedText(decoded)) {
        if (c != u'\n' && (c.isSurrogate() || c.category() == QChar::Other_Control))
            std::abort();
    }
    return 0;
}
