#include "core/text/NumberReader.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace zelkor {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// The power of ten of the number's leading digit; only called for numbers out of the float
// range, so it just needs to tell "too large" (>= 0) from "too small" (< 0).
long long decimalMagnitude(const std::string &number)
{
    size_t i = 0;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool seenNonZero = false;
    for (; i < number.size() && number[i] != '.' && number[i] != 'e' && number[i] != 'E'; ++i) {
        seenNonZero = seenNonZero || number[i] != '0';
        if (seenNonZero)
            ++integerDigits;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
            if (!seenNonZero && number[i] == '0')
                ++leadingFractionZeros;
            else
                seenNonZero = true;
        }
    }
    long long exponent = 0;
    if (i < number.size()) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            ++i;
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        exponent = negative ? -exponent : exponent;
    }
    return integerDigits > 0 ? integerDigits - 1 + exponent : exponent - leadingFractionZeros - 1;
}

} // namespace

NumberScan scanNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype mantissaStart = i;
    i = skipDigits(text, i);
    qsizetype digits = i - mantissaStart;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionStart = i + 1;
        const qsizetype fractionEnd = skipDigits(text, fractionStart);
        digits += fractionEnd - fractionStart;
        i = fractionEnd;
    }
    if (digits == 0)
        return {};
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentEnd = skipDigits(text, j);
        if (exponentEnd > j)
            i = exponentEnd;
    }

    // from_chars wants plain ASCII without a leading '+'; the span is ASCII by construction.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(i - start));
    for (qsizetype k = negative || text[start] == u'+' ? start + 1 : start; k < i; ++k)
        ascii.push_back(static_cast<char>(text[k].unicode()));

    float value = 0.0f;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range)
        value = decimalMagnitude(ascii) >= 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    (void)end;
    return {negative ? -value : value, i, true};
}

float floatValue(QStringView text)
{
    return scanNumber(text).value;
}

bool beginsWithNumber(QStringView text)
{
    return scanNumber(text).found;
}

std::optional<float> parseNumber(QStringView text)
{
    const NumberScan scan = scanNumber(text);
    if (!scan.found)
        return std::nullopt;
    for (qsizetype i = scan.end; i < text.size(); ++i) {
        if (!text[i].isSpace())
            return std::nullopt;
    }
    return scan.value;
}

} // namespace zelkor
