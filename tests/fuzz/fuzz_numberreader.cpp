// SPDX-License-Identifier: GPL-3.0-or-later

// The input's bytes, read as UTF-8, are what someone typed or pasted into a field. Besides
// surviving it, the reader must keep its promises: the number (or value) ends inside the text,
// a text without one reads as 0, the strict reading agrees with the field reading, and what was
// found reads the same when the rest of the text is cut off.

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameFloat(float a, float b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    const zelkor::NumberScan scan = zelkor::scanNumber(text);
    if (scan.end < 0 || scan.end > text.size())
        std::abort();
    if (!scan.found && (scan.end != 0 || scan.value != 0.0f))
        std::abort();
    // Only digits, a point, signs and an exponent make a number: never a NaN.
    if (std::isnan(scan.value))
        std::abort();
    if (!sameFloat(zelkor::floatValue(text), scan.value))
        std::abort();

    const auto strict = zelkor::parseNumber(text);
    if (strict && (!scan.found || !sameFloat(*strict, scan.value)))
        std::abort();

    if (scan.found) {
        const zelkor::NumberScan cut = zelkor::scanNumber(QStringView(text).left(scan.end));
        if (!cut.found || cut.end != scan.end || !sameFloat(cut.value, scan.value))
            std::abort();
        // What the app writes back into a field reads as the same number ("inf" is not read).
        const auto again = zelkor::parseNumber(zelkor::formatShortest(scan.value));
        if (std::isfinite(scan.value) && (!again || !sameFloat(*again, scan.value)))
            std::abort();
    }

    // The same promises for values, in a unit that takes every symbol and one that takes none.
    for (const zelkor::Unit unit :
         {zelkor::Unit{zelkor::Quantity::Any, 0}, zelkor::units::kMicrofarads}) {
        const zelkor::ValueScan value = zelkor::scanValue(text, unit);
        if (value.end < 0 || value.end > text.size() || std::isnan(value.value))
            std::abort();
        if (!value.found && (value.end != 0 || value.value != 0.0f))
            std::abort();
        // Every plain number is a value, with the same digits when it carries no prefix.
        if (scan.found && !value.found)
            std::abort();
        if (!sameFloat(zelkor::fieldValue(text, unit), value.value))
            std::abort();
        const zelkor::ValueReading whole = zelkor::readValue(text, unit);
        if (whole.value &&
            (!value.found || value.otherQuantity || !sameFloat(*whole.value, value.value)))
            std::abort();
        if (value.found) {
            const zelkor::ValueScan cut =
                zelkor::scanValue(QStringView(text).left(value.end), unit);
            if (!cut.found || cut.end != value.end || !sameFloat(cut.value, value.value))
                std::abort();
        }
    }
    return 0;
}
