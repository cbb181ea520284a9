// SPDX-License-Identifier: GPL-3.0-or-later

// The input's bytes, taken in pairs as little-endian UTF-16 code units, are one designation.
// Besides surviving it, the decoder must keep its promises: decoded exactly when a digit follows
// the first character, and no raw control character in what the panel would show.

#include "core/tubes/Tube.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString designation;
    designation.reserve(qsizetype(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2)
        designation += QChar(char16_t(data[i] | (data[i + 1] << 8)));

    const zkTube tube(designation);

    bool digitAfterFirst = false;
    for (qsizetype i = 1; i < designation.size() && !digitAfterFirst; ++i)
        digitAfterFirst = zkTube::isNumber(designation[i].unicode());
    if (tube.isDecoded() != digitAfterFirst)
        std::abort();

    for (const QChar c : tube.decodedText()) {
        if (c != u'\n' && (c.isSurrogate() || c.category() == QChar::Other_Control))
            std::abort();
    }
    return 0;
}
