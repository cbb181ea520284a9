// SPDX-License-Identifier: GPL-3.0-or-later

// The first eight bytes are a number (as a double's bits), the next one a count of decimals,
// the rest a result pattern in UTF-8. The writer must survive every pattern and every number,
// NaNs and infinities included, and what it writes must read back as the number written.

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 9)
        return 0;
    double number = 0;
    std::memcpy(&number, data, sizeof number);
    const int decimals = int(std::int8_t(data[8])); // negative counts must be safe too
    const QString pattern =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 9), qsizetype(size - 9));

    const QString fixed = zelkor::formatFixed(number, decimals);
    if (fixed.isEmpty() || fixed.size() > 400)
        std::abort();
    if (std::isfinite(number)) {
        const auto read = zelkor::parseNumber(fixed);
        if (!read)
            std::abort();
    }

    // Out of the float range the conversion would be undefined; the app's floats come from
    // the reader, which saturates to infinity the same way.
    const float single = std::isfinite(number) && std::fabs(number) > 3.4028234663852886e38
                             ? (number > 0 ? INFINITY : -INFINITY)
                             : static_cast<float>(number);
    const QString shortest = zelkor::formatShortest(single);
    const auto again = zelkor::parseNumber(shortest);
    if (std::isnan(single) && shortest != QLatin1String("nan"))
        std::abort();
    if (std::isinf(single) &&
        shortest != (single > 0 ? QLatin1String("inf") : QLatin1String("-inf")))
        std::abort();
    if (std::isfinite(single) && (!again || *again != single))
        std::abort();

    // Every kind of argument, in both orders, with too few and too many of them.
    const QString caption = QStringLiteral("Caption");
    (void)zelkor::formatText(pattern, {});
    (void)zelkor::formatText(pattern, {caption, number, single, decimals});
    (void)zelkor::formatText(pattern, {decimals, single, caption, number, caption, caption});
    const QString formatted = zelkor::formatText(pattern, {number});
    // A pattern without conversions comes out as it went in.
    if (!pattern.contains(u'%') && formatted != pattern)
        std::abort();
    return 0;
}
