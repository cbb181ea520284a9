// SPDX-License-Identifier: GPL-3.0-or-later

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

// A number as written, before it becomes a float.
struct Mantissa
{
    bool found = false;
    bool negative = false;
    QStringView integerDigits;
    QStringView fractionDigits;
    long long exponent = 0;
    bool rkm = false;       // a letter stood for the point ("4k7", "R47")
    int rkmExponent = 0;    // and scaled by this power of ten
    bool rkmScales = false; // a prefix letter did, not R
    qsizetype end = 0;
};

// The power of ten an SI prefix stands for; R, which RKM uses for the point, stands for none.
std::optional<int> prefixExponent(QChar c)
{
    switch (c.unicode()) {
    case u'p':
        return -12;
    case u'n':
        return -9;
    case u'u':
    case u'\u00b5': // micro sign
    case u'\u03bc': // Greek mu
        return -6;
    case u'm':
        return -3;
    case u'R':
    case u'r':
        return 0;
    case u'k':
    case u'K':
        return 3;
    case u'M':
        return 6;
    case u'G':
        return 9;
    default:
        return std::nullopt;
    }
}

bool isDecimalLetter(QChar c)
{
    return c == u'R' || c == u'r';
}

Mantissa scanMantissa(QStringView text, bool rkm)
{
    Mantissa m;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        m.negative = text[i] == u'-';
        ++i;
    }
    const qsizetype integerStart = i;
    i = skipDigits(text, i);
    m.integerDigits = text.sliced(integerStart, i - integerStart);
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, i + 1);
        m.fractionDigits = text.sliced(i + 1, fractionEnd - i - 1);
        i = fractionEnd;
    } else if (rkm && i + 1 < text.size() && isDigit(text[i + 1]) && prefixExponent(text[i]) &&
               (!m.integerDigits.isEmpty() || isDecimalLetter(text[i]))) {
        // "4k7", "R47": the letter is the point, and a prefix letter scales as well.
        m.rkm = true;
        m.rkmExponent = *prefixExponent(text[i]);
        m.rkmScales = !isDecimalLetter(text[i]);
        const qsizetype fractionEnd = skipDigits(text, i + 1);
        m.fractionDigits = text.sliced(i + 1, fractionEnd - i - 1);
        m.end = fractionEnd;
        m.found = true;
        return m;
    }
    if (m.integerDigits.isEmpty() && m.fractionDigits.isEmpty())
        return {};
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        const bool negativeExponent = j < text.size() && text[j] == u'-';
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentEnd = skipDigits(text, j);
        if (exponentEnd > j) {
            for (qsizetype k = j; k < exponentEnd; ++k)
                m.exponent =
                    std::min(m.exponent * 10 + (text[k].unicode() - u'0'), 1'000'000'000LL);
            m.exponent = negativeExponent ? -m.exponent : m.exponent;
            i = exponentEnd;
        }
    }
    m.end = i;
    m.found = true;
    return m;
}

// The mantissa times ten to the shift, rounded once to a Number (float or double).
template <typename Number> Number toNumber(const Mantissa &m, int shift)
{
    // from_chars wants plain ASCII; the digits are ASCII by construction.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(m.integerDigits.size() + m.fractionDigits.size()) + 16);
    for (QChar c : m.integerDigits)
        ascii.push_back(static_cast<char>(c.unicode()));
    if (m.integerDigits.isEmpty())
        ascii.push_back('0');
    if (!m.fractionDigits.isEmpty()) {
        ascii.push_back('.');
        for (QChar c : m.fractionDigits)
            ascii.push_back(static_cast<char>(c.unicode()));
    }
    ascii += 'e' + std::to_string(m.exponent + shift);

    Number value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range)
        value = decimalMagnitude(ascii) >= 0 ? std::numeric_limits<Number>::infinity() : Number(0);
    (void)end;
    return m.negative ? -value : value;
}

float toFloat(const Mantissa &m, int shift)
{
    return toNumber<float>(m, shift);
}

struct Symbol
{
    QStringView text;
    Quantity quantity;
};

// Longest first, so that "°K/W" is not read as a stray "°".
constexpr Symbol kSymbols[] = {
    {u"\u00b0K/W", Quantity::ThermalResistance},
    {u"K/W", Quantity::ThermalResistance},
    {u"ohm", Quantity::Resistance},
    {u"Ohm", Quantity::Resistance},
    {u"\u00b0C", Quantity::Temperature},
    {u"Hz", Quantity::Frequency},
    {u"\u03a9", Quantity::Resistance}, // Greek capital omega
    {u"\u2126", Quantity::Resistance}, // ohm sign
    {u"F", Quantity::Capacitance},
    {u"H", Quantity::Inductance},
    {u"V", Quantity::Voltage},
    {u"A", Quantity::Current},
    {u"W", Quantity::Power},
    {u"s", Quantity::Time},
    {u"m", Quantity::Length},
};

// A prefix or symbol must end its word: "5 mins" is 5, not 5 milli-"ins".
bool endsWord(QStringView text, qsizetype i)
{
    return i == text.size() || !text[i].isLetterOrNumber();
}

std::optional<qsizetype> symbolAt(QStringView text, qsizetype i, const Symbol &symbol)
{
    if (!text.sliced(i).startsWith(symbol.text))
        return std::nullopt;
    const qsizetype end = i + symbol.text.size();
    return endsWord(text, end) ? std::optional(end) : std::nullopt;
}

// What follows a number: a prefix, a unit symbol or both.
struct Suffix
{
    qsizetype end = 0;
    int prefixExponent = 0;
    bool scales = false;        // a prefix or a symbol of the field's quantity
    bool otherQuantity = false; // a symbol of another quantity
};

std::optional<Suffix> suffixAt(QStringView text, qsizetype i, Unit unit, bool prefixAllowed)
{
    const auto fits = [unit](const Symbol &symbol) {
        return unit.quantity == Quantity::Any || symbol.quantity == unit.quantity;
    };
    for (const Symbol &symbol : kSymbols) {
        // A lone "m" is a metre only where lengths are typed; elsewhere it is milli.
        if (symbol.text == u"m" && unit.quantity != Quantity::Length)
            continue;
        if (const auto end = symbolAt(text, i, symbol))
            return Suffix{*end, 0, fits(symbol), !fits(symbol)};
    }
    if (!prefixAllowed || i >= text.size())
        return std::nullopt;
    const std::optional<int> exponent = prefixExponent(text[i]);
    if (!exponent)
        return std::nullopt;
    const bool scales = !isDecimalLetter(text[i]);
    for (const Symbol &symbol : kSymbols) {
        if (const auto end = symbolAt(text, i + 1, symbol))
            return Suffix{*end, *exponent, scales || fits(symbol), !fits(symbol)};
    }
    if (endsWord(text, i + 1))
        return Suffix{i + 1, *exponent, scales, false};
    return std::nullopt;
}

} // namespace

NumberScan scanNumber(QStringView text)
{
    const Mantissa m = scanMantissa(text, false);
    if (!m.found)
        return {};
    return {toFloat(m, 0), m.end, true};
}

float floatValue(QStringView text)
{
    return scanNumber(text).value;
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

namespace {

// The value text begins with, as a Number; see scanValue.
template <typename Number> BasicValueScan<Number> scanValueAs(QStringView text, Unit unit)
{
    const Mantissa m = scanMantissa(text, true);
    if (!m.found)
        return {};
    // After an RKM letter only a symbol may follow: "4k7Ω", not "4k7k".
    std::optional<Suffix> suffix = suffixAt(text, m.end, unit, !m.rkm);
    // One blank may stand between the number and what follows it.
    if (!suffix && m.end < text.size() && text[m.end].isSpace())
        suffix = suffixAt(text, m.end + 1, unit, !m.rkm);
    // Another quantity's symbol: a panel reads the number alone, as it always did.
    if (suffix && suffix->otherQuantity)
        return {toNumber<Number>(m, 0), suffix->end, true, true};
    const bool scales = m.rkmScales || (suffix && suffix->scales);
    const int shift =
        scales ? m.rkmExponent + (suffix ? suffix->prefixExponent : 0) - unit.exponent : 0;
    return {toNumber<Number>(m, shift), suffix ? suffix->end : m.end, true, false};
}

template <typename Number> BasicValueReading<Number> readValueAs(QStringView text, Unit unit)
{
    const BasicValueScan<Number> scan = scanValueAs<Number>(text, unit);
    if (!scan.found)
        return {};
    for (qsizetype i = scan.end; i < text.size(); ++i) {
        if (!text[i].isSpace())
            return {};
    }
    if (scan.otherQuantity)
        return {std::nullopt, true};
    return {scan.value, false};
}

} // namespace

ValueScan scanValue(QStringView text, Unit unit)
{
    return scanValueAs<float>(text, unit);
}

float fieldValue(QStringView text, Unit unit)
{
    return scanValue(text, unit).value;
}

double preciseFieldValue(QStringView text, Unit unit)
{
    return scanValueAs<double>(text, unit).value;
}

ValueReading readValue(QStringView text, Unit unit)
{
    return readValueAs<float>(text, unit);
}

PreciseValueReading readPreciseValue(QStringView text, Unit unit)
{
    return readValueAs<double>(text, unit);
}

} // namespace zelkor
