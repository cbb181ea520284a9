// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/SmdCode.h"

#include "core/resistor/ResistanceValue.h"
#include "core/standard/ESeries.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"
#include "core/tubes/Tube.h"

#include <algorithm>

namespace zelkor::resistor::smd {

namespace {

struct Multiplier
{
    char16_t letter;
    int exponent;
};

// The first letter of each exponent is the one codes are written with.
constexpr Multiplier kEia96Multipliers[] = {
    {u'Z', -3}, {u'Y', -2}, {u'R', -2}, {u'X', -1}, {u'S', -1}, {u'A', 0},
    {u'B', 1},  {u'H', 1},  {u'C', 2},  {u'D', 3},  {u'E', 4},  {u'F', 5},
};

constexpr int kLargestExponent = 9; // one digit

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

int digitsValue(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

std::optional<int> eia96Exponent(QChar letter)
{
    for (const Multiplier &m : kEia96Multipliers)
        if (letter == QChar(m.letter))
            return m.exponent;
    return std::nullopt;
}

// The E96 value numbered index (1 = 100), times 10^exponent.
std::optional<double> eia96Value(int index, int exponent)
{
    const std::vector<int> e96 = eseries::significands(eseries::Series::E96);
    if (index < 1 || index > static_cast<int>(e96.size()))
        return std::nullopt;
    return valueOf({e96[std::size_t(index - 1)], exponent, 3});
}

Decoded failed(Failure failure, const QString &offending = {})
{
    Decoded d;
    d.failure = failure;
    // The quoted characters are the user's: nothing in them may break or reorder the text.
    for (const QChar c : offending)
        d.offending += zkTube::shownCharacter(c.unicode());
    return d;
}

System systemOfLength(qsizetype length)
{
    return length == 4 ? System::FourDigits : System::ThreeDigits;
}

Decoded decodeEia96(const QString &code)
{
    const int index = digitsValue(QStringView(code).first(2));
    const auto exponent = eia96Exponent(code[2]);
    if (!exponent)
        return failed(Failure::Eia96Letter, code.right(1));
    const auto value = eia96Value(index, *exponent);
    if (!value)
        return failed(Failure::Eia96Index, code.left(2));
    Decoded d;
    d.system = System::Eia96;
    d.resistance = *value;
    return d;
}

// "4R7", "R47", "10R0": R is the decimal point.
Decoded decodeWithDecimalMark(const QString &code)
{
    const qsizetype mark = code.indexOf(u'R');
    long long digits = 0;
    for (const QChar c : code)
        if (c != u'R')
            digits = digits * 10 + (c.unicode() - u'0');
    Decoded d;
    d.system = systemOfLength(code.size());
    d.resistance = valueOf({digits, -static_cast<int>(code.size() - 1 - mark), 0});
    if (code.size() == 3 && mark == 2)
        d.eia96Alternative = eia96Value(digitsValue(QStringView(code).first(2)), -2);
    return d;
}

// "472", "4702": significant digits, then the power of ten.
Decoded decodeWithMultiplier(const QString &code)
{
    if (code[0] == u'0')
        return failed(Failure::LeadingZero);
    Decoded d;
    d.system = systemOfLength(code.size());
    d.resistance =
        valueOf({digitsValue(QStringView(code).chopped(1)), code.back().unicode() - u'0', 0});
    return d;
}

// The code with R for the decimal point in length characters, if the value fits.
std::optional<QString> withDecimalMark(const Significand &value, int length)
{
    const int integerDigits = std::max(value.exponent + value.count, 0);
    const int fractionDigits = length - 1 - integerDigits;
    const int shift = value.exponent + fractionDigits;
    if (fractionDigits < 1 || shift < 0)
        return std::nullopt;
    long long whole = value.digits;
    for (int i = 0; i < shift; ++i)
        whole *= 10;
    QString code = QString::number(whole).rightJustified(length - 1, u'0');
    if (code.size() != length - 1)
        return std::nullopt;
    return code.insert(integerDigits, u'R');
}

// Significant digits then the power of ten; values too small for that get the R form.
std::optional<QString> digitCode(const Significand &value, int significantDigits)
{
    if (value.count > significantDigits)
        return std::nullopt;
    const Significand shown = widened(value, significantDigits);
    if (shown.exponent < 0)
        return withDecimalMark(value, significantDigits + 1);
    if (shown.exponent > kLargestExponent)
        return std::nullopt;
    return QString::number(shown.digits) + QString::number(shown.exponent);
}

std::optional<QString> eia96Code(const Significand &value)
{
    if (value.count > 3)
        return std::nullopt;
    const Significand shown = widened(value, 3);
    const std::vector<int> e96 = eseries::significands(eseries::Series::E96);
    const auto found = std::find(e96.begin(), e96.end(), shown.digits);
    if (found == e96.end())
        return std::nullopt;
    for (const Multiplier &m : kEia96Multipliers) {
        if (m.exponent == shown.exponent) {
            const auto index = static_cast<int>(found - e96.begin()) + 1;
            return QString::number(index).rightJustified(2, u'0') + QChar(m.letter);
        }
    }
    return std::nullopt;
}

} // namespace

Decoded decode(QStringView typed)
{
    const QStringView trimmed = typed.trimmed();
    if (trimmed.isEmpty())
        return failed(Failure::Empty);
    for (const QChar c : trimmed)
        if (!isDigit(c) && !isLetter(c) && !(c >= u'a' && c <= u'z'))
            return failed(Failure::Character, QString(c));
    const QString code = trimmed.toString().toUpper();

    const auto isZero = [](QChar c) { return c == u'0'; };
    if (code.size() != 2 && code.size() <= 4 && std::all_of(code.begin(), code.end(), isZero)) {
        Decoded jumper;
        jumper.system = systemOfLength(code.size());
        return jumper;
    }
    if (code.size() != 3 && code.size() != 4)
        return failed(Failure::Length);
    if (code.size() == 3 && isDigit(code[0]) && isDigit(code[1]) && code[2] != u'R' &&
        isLetter(code[2]))
        return decodeEia96(code);
    for (const QChar c : code)
        if (isLetter(c) && c != u'R')
            return failed(Failure::Character, QString(c));
    const auto marks = code.count(u'R');
    if (marks > 1)
        return failed(Failure::DecimalMarks);
    return marks == 1 ? decodeWithDecimalMark(code) : decodeWithMultiplier(code);
}

std::vector<Encoded> encode(double resistance)
{
    if (resistance == 0.0)
        return {{System::ThreeDigits, QStringLiteral("000")},
                {System::FourDigits, QStringLiteral("0000")}};
    const auto value = significandOf(resistance, 3);
    if (!value)
        return {};
    std::vector<Encoded> codes;
    if (auto code = digitCode(*value, 2))
        codes.push_back({System::ThreeDigits, *code});
    if (auto code = digitCode(*value, 3))
        codes.push_back({System::FourDigits, *code});
    if (auto code = eia96Code(*value))
        codes.push_back({System::Eia96, *code});
    return codes;
}

QString systemName(System system)
{
    switch (system) {
    case System::ThreeDigits:
        return text("SmdThreeDigits");
    case System::FourDigits:
        return text("SmdFourDigits");
    case System::Eia96:
        break;
    }
    return text("SmdEia96");
}

QString decodedText(const Decoded &decoded)
{
    switch (decoded.failure) {
    case Failure::None:
        break;
    case Failure::Empty:
        return text("SmdEmpty");
    case Failure::Length:
        return text("SmdLength");
    case Failure::Character:
        return formatText(text("SmdCharacter"), {decoded.offending});
    case Failure::LeadingZero:
        return text("SmdLeadingZero");
    case Failure::DecimalMarks:
        return text("SmdDecimalMarks");
    case Failure::Eia96Index:
        return formatText(text("SmdEia96Index"), {decoded.offending});
    case Failure::Eia96Letter:
        return formatText(text("SmdEia96Letter"), {decoded.offending});
    }
    if (decoded.resistance == 0.0)
        return formatText(text("SmdJumper"), {resistanceText(0.0)});
    QString shown = resistanceText(decoded.resistance);
    if (decoded.eia96Alternative)
        shown +=
            u'\n' + formatText(text("SmdAsEia96"), {resistanceText(*decoded.eia96Alternative)});
    return shown;
}

QString encodedText(const std::vector<Encoded> &codes, double resistance)
{
    // Below every code, a value would show as 0 Ω, which is the jumper's.
    if (codes.empty() && resistance > 0.0 && resistance < kSmallestCode)
        return formatText(text("SmdBelowSmallestCode"), {resistanceText(kSmallestCode)});
    if (codes.empty())
        return formatText(text("SmdNoCode"), {resistanceText(resistance)});
    QStringList lines;
    for (const Encoded &code : codes)
        lines.append(formatText(u"%@: %@", {systemName(code.system), code.code}));
    return lines.join(u'\n');
}

QString textForTypedCode(QStringView code)
{
    if (code.trimmed().isEmpty())
        return {};
    return decodedText(decode(code));
}

QString textForTypedValue(QStringView value)
{
    if (value.trimmed().isEmpty())
        return {};
    const auto resistance = readResistance(value);
    if (!resistance)
        return text("NotAResistance");
    return encodedText(encode(*resistance), *resistance);
}

} // namespace zelkor::resistor::smd
