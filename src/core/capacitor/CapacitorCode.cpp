// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/capacitor/CapacitorCode.h"

#include "core/resistor/ResistanceValue.h"
#include "core/standard/ESeries.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"
#include "core/tubes/Tube.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace zelkor::capacitor {

namespace {

using resistor::Significand;

constexpr int kPico = -12; // codes count picofarads

// A letter and what it stands for, as digits × 10^exponent so that it reads back exactly.
struct Letter
{
    char16_t letter;
    long long digits;
    int exponent;
};

// EIA voltage codes: the letter's mantissa, times 10 to the preceding digit.
constexpr Letter kVoltageMantissas[] = {
    {u'A', 10, -1}, {u'B', 125, -2}, {u'C', 16, -1}, {u'D', 20, -1},
    {u'E', 25, -1}, {u'F', 315, -2}, {u'G', 40, -1}, {u'H', 50, -1},
    {u'J', 63, -1}, {u'K', 80, -1},  {u'L', 55, -1}, {u'P', 22, -1},
    {u'Q', 11, -1}, {u'V', 35, -1},  {u'W', 45, -1}, {u'Z', 18, -1},
};

// Tantalum voltage letters; makers differ on 50 V, so both H and T read as it.
constexpr Letter kTantalumVoltages[] = {
    {u'e', 25, -1}, {u'G', 4, 0},  {u'J', 63, -1}, {u'A', 10, 0}, {u'C', 16, 0},
    {u'D', 20, 0},  {u'E', 25, 0}, {u'V', 35, 0},  {u'H', 50, 0}, {u'T', 50, 0},
};

// The upper-case EIA-198 letters name the E24 values in order, leaving out I and O; the
// lower-case ones are mantissas outside E24 (tables differ on these; this is the common one).
constexpr char16_t kEia198Letters[] = u"ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr Letter kEia198Extras[] = {
    {u'a', 25, -1}, {u'b', 35, -1}, {u'd', 40, -1}, {u'e', 45, -1}, {u'f', 50, -1},
    {u'm', 60, -1}, {u'n', 70, -1}, {u't', 80, -1}, {u'y', 90, -1},
};

// Tolerances in picofarads (hundredths) for parts under 10 pF, and in percent above.
constexpr Letter kPicofaradTolerances[] = {
    {u'A', 5, -2}, {u'B', 10, -2}, {u'C', 25, -2}, {u'D', 50, -2}, {u'F', 100, -2},
};
struct PercentTolerance
{
    char16_t letter;
    double plus;
    double minus;
};
constexpr PercentTolerance kPercentTolerances[] = {
    {u'F', 1, 1},   {u'G', 2, 2},   {u'J', 5, 5},   {u'K', 10, 10},
    {u'M', 20, 20}, {u'P', 100, 0}, {u'S', 50, 20}, {u'Z', 80, 20},
};

// Beyond the largest supercapacitors a value is a typing slip, not a part.
constexpr double kLargest = 1e5; // F

bool isCapacitance(double farads)
{
    return farads > 0.0 && farads <= kLargest;
}

// Parts from 10 pF up carry percent tolerances.
constexpr double kPercentFrom = 10e-12;

template <typename Table> const Letter *find(const Table &table, QChar c)
{
    for (const Letter &l : table)
        if (c == QChar(l.letter))
            return &l;
    return nullptr;
}

double valueOf(const Letter &l, int exponent = 0)
{
    return resistor::valueOf({l.digits, l.exponent + exponent, 0});
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), isDigit);
}

bool isMicro(QChar c)
{
    return c == u'\u00b5' || c == u'\u03bc';
}

int digitsValue(QStringView digits)
{
    int value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

double picofarads(long long digits, int exponent)
{
    return resistor::valueOf({digits, exponent + kPico, 0});
}

// The double nearest the decimal that value stands for: 100n read as 1e-7,
// not 1.0000000000000001e-7.
double cleaned(double value)
{
    return resistor::valueOf(resistor::roundedSignificand(value, 12));
}

// What a failed word says, kept as the most telling reason found while reading it.
struct Why
{
    Failure failure = Failure::Unknown;
    QString offending;

    void note(Failure f, const QString &what = {})
    {
        if (failure == Failure::Unknown) {
            failure = f;
            offending = what;
        }
    }
};

std::optional<double> voltageCode(QStringView word)
{
    if (word.size() != 2 || word[0] < u'0' || word[0] > u'3')
        return std::nullopt;
    if (const Letter *l = find(kVoltageMantissas, word[1]))
        return valueOf(*l, word[0].unicode() - u'0');
    return std::nullopt;
}

// "16V", "6.3V", "1kV": a voltage with its symbol.
std::optional<double> voltsWritten(QStringView word)
{
    if (!word.contains(u'V'))
        return std::nullopt;
    const PreciseValueReading read = readPreciseValue(word, units::kVolts);
    if (!read.value || !(*read.value > 0.0) || !std::isfinite(*read.value))
        return std::nullopt;
    return cleaned(*read.value);
}

// "47", "104", "479": picofarads in one to three digits.
std::optional<double> digitCode(QStringView word, Why &why)
{
    if (!allDigits(word))
        return std::nullopt;
    if (word.size() > 3) {
        why.note(Failure::Digits, word.toString());
        return std::nullopt;
    }
    if (word[0] == u'0') {
        why.note(Failure::LeadingZero);
        return std::nullopt;
    }
    if (word.size() < 3)
        return picofarads(digitsValue(word), 0);
    const int last = word[2].unicode() - u'0';
    // 8 and 9 stand for the negative powers that a single digit has no room for.
    const int exponent = last == 8 ? -2 : last == 9 ? -1 : last;
    return picofarads(digitsValue(word.first(2)), exponent);
}

// "4R7", "R5", "0R5": picofarads with R for the decimal point.
std::optional<double> decimalMarkCode(QStringView word, Why &why)
{
    const qsizetype marks = word.count(u'R');
    if (marks > 1)
        why.note(Failure::DecimalMarks);
    if (marks != 1 || word.size() < 2 || word.size() > 4)
        return std::nullopt;
    const qsizetype mark = word.indexOf(u'R');
    QString digits = word.toString();
    digits.remove(mark, 1);
    if (!allDigits(digits) || digitsValue(digits) == 0)
        return std::nullopt;
    return picofarads(digitsValue(digits), -static_cast<int>(word.size() - 1 - mark));
}

// "4n7", "p10", "47µF": a value with a prefix letter, read as every field reads one.
std::optional<double> unitLetterValue(QStringView word)
{
    const auto isPrefix = [](QChar c) { return c == u'p' || c == u'n' || c == u'u' || isMicro(c); };
    if (std::none_of(word.begin(), word.end(), isPrefix))
        return std::nullopt;
    // The reader wants a digit first; "p10" is 0p10.
    const QString text = isPrefix(word[0]) ? u'0' + word.toString() : word.toString();
    const PreciseValueReading read = readPreciseValue(text, Unit{Quantity::Capacitance, 0});
    if (!read.value || !isCapacitance(*read.value))
        return std::nullopt;
    return cleaned(*read.value);
}

std::optional<double> eia198Code(QStringView word)
{
    if (word.size() != 2 || !isDigit(word[1]))
        return std::nullopt;
    const int digit = word[1].unicode() - u'0';
    const int exponent = digit == 9 ? -1 : digit;
    const std::u16string_view letters = kEia198Letters;
    if (const auto at = letters.find(word[0].unicode()); at != std::u16string_view::npos) {
        const std::vector<int> e24 = eseries::significands(eseries::Series::E24);
        return picofarads(e24[at], exponent - 1);
    }
    if (const Letter *l = find(kEia198Extras, word[0]))
        return valueOf(*l, exponent + kPico);
    return std::nullopt;
}

// The readings of a value without voltage or tolerance, the likelier first.
std::vector<Reading> valueReadings(QStringView word, Why &why)
{
    std::vector<Reading> readings;
    const auto add = [&](System system, std::optional<double> farads,
                         std::optional<double> volts = std::nullopt) {
        if (farads)
            readings.push_back({system, farads, std::nullopt, volts});
    };
    add(System::Digits, digitCode(word, why));
    add(System::DecimalMark, decimalMarkCode(word, why));
    add(System::UnitLetter, unitLetterValue(word));
    if (word.size() == 4 && allDigits(word.sliced(1))) {
        if (const Letter *l = find(kTantalumVoltages, word[0]))
            add(System::Tantalum, digitCode(word.sliced(1), why), valueOf(*l));
    }
    add(System::Eia198, eia198Code(word));
    return readings;
}

std::optional<Tolerance> toleranceOf(QChar letter, double farads, Why &why)
{
    if (farads < kPercentFrom) {
        if (const Letter *l = find(kPicofaradTolerances, letter))
            return Tolerance{0.0, 0.0, valueOf(*l, kPico)};
    }
    for (const PercentTolerance &t : kPercentTolerances)
        if (letter == QChar(t.letter))
            return Tolerance{t.plus, t.minus, 0.0};
    if (find(kPicofaradTolerances, letter))
        why.note(Failure::ToleranceLetter, QString(letter));
    return std::nullopt;
}

// A value with an optional tolerance letter after it.
std::vector<Reading> toleratedReadings(QStringView word, Why &why)
{
    std::vector<Reading> readings = valueReadings(word, why);
    // Only when the whole word is no value: the F of "47pF" is the unit, not ±1 %.
    if (!readings.empty() || word.size() < 2)
        return readings;
    for (Reading r : valueReadings(word.chopped(1), why)) {
        if (r.system == System::Eia198)
            continue; // EIA-198 codes are too small to carry a tolerance letter
        if ((r.tolerance = toleranceOf(word.back(), *r.capacitance, why)))
            readings.push_back(r);
    }
    return readings;
}

std::vector<Reading> wordReadings(QStringView word, Why &why)
{
    if (const auto volts = voltageCode(word))
        return {{System::Voltage, std::nullopt, std::nullopt, volts}};
    if (word.size() > 2) {
        if (const auto volts = voltageCode(word.first(2))) {
            std::vector<Reading> readings;
            for (Reading r : toleratedReadings(word.sliced(2), why)) {
                if (r.voltage)
                    continue;
                r.voltage = volts;
                readings.push_back(r);
            }
            return readings;
        }
    }
    return toleratedReadings(word, why);
}

// "47 16V", "104J 2A": a value, then its voltage.
std::vector<Reading> pairReadings(QStringView value, QStringView voltage, Why &why)
{
    const std::optional<double> code = voltageCode(voltage);
    const std::optional<double> volts = code ? code : voltsWritten(voltage);
    std::vector<Reading> readings;
    if (!code && volts &&
        std::all_of(value.begin(), value.end(), [](QChar c) { return isDigit(c) || c == u'.'; })) {
        const PreciseValueReading read = readPreciseValue(value, units::kMicrofarads);
        if (read.value && isCapacitance(*read.value * 1e-6))
            readings.push_back(
                {System::Microfarads, cleaned(*read.value * 1e-6), std::nullopt, volts});
    }
    for (Reading r : wordReadings(value, why)) {
        if (r.voltage || !r.capacitance)
            continue;
        r.voltage = volts;
        readings.push_back(r);
    }
    if (!volts && !readings.empty()) {
        why = {Failure::Voltage, voltage.toString()};
        return {};
    }
    return readings;
}

Decoded failed(const Why &why)
{
    Decoded d;
    d.failure = why.failure;
    // The quoted characters are the user's: nothing in them may break or reorder the text.
    // A pasted novel is named by its start.
    constexpr qsizetype kLongest = 40;
    for (const QChar c : QStringView(why.offending).first(std::min(why.offending.size(), kLongest)))
        d.offending += zkTube::shownCharacter(c.unicode());
    if (why.offending.size() > kLongest)
        d.offending += u'…';
    return d;
}

} // namespace

Decoded decode(QStringView typed)
{
    const QStringView trimmed = typed.trimmed();
    if (trimmed.isEmpty())
        return failed({Failure::Empty, {}});
    for (const QChar c : trimmed) {
        const bool latin = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!latin && !isDigit(c) && !isMicro(c) && c != u'.' && !c.isSpace())
            return failed({Failure::Character, QString(c)});
    }
    const QString spaced = trimmed.toString().simplified();
    const QList<QStringView> words = QStringView(spaced).split(u' ', Qt::SkipEmptyParts);
    Why why;
    std::vector<Reading> readings;
    if (words.size() == 1)
        readings = wordReadings(words[0], why);
    else if (words.size() == 2)
        readings = pairReadings(words[0], words[1], why);
    else
        why.note(Failure::Words);
    if (readings.empty()) {
        if (why.failure == Failure::Unknown)
            why.offending = trimmed.toString();
        return failed(why);
    }
    Decoded d;
    d.readings = std::move(readings);
    return d;
}

std::optional<double> readCapacitance(QStringView text)
{
    const PreciseValueReading read = readPreciseValue(text, units::kMicrofarads);
    // Below a hundredth of a picofarad, less than a pair of pins has, no part is marked.
    constexpr double kSmallest = 0.01e-12;
    if (!read.value || !isCapacitance(*read.value * 1e-6) || *read.value * 1e-6 < kSmallest)
        return std::nullopt;
    return cleaned(*read.value * 1e-6);
}

namespace {

// The value in picofarads as at most two digits and a power of ten.
std::optional<Significand> twoDigitPicofarads(double farads)
{
    auto s = resistor::significandOf(farads, 2);
    if (!s)
        return std::nullopt;
    s->exponent -= kPico;
    return resistor::widened(*s, 2);
}

std::optional<QString> threeDigitCode(double farads)
{
    const auto s = twoDigitPicofarads(farads);
    if (!s)
        return std::nullopt;
    const QString digits = QString::number(s->digits);
    // Under 10 pF the code has R for the decimal point: 4R7, 1R0, 0R5, R47.
    if (s->exponent == -1)
        return QString(digits).insert(1, u'R');
    if (s->exponent == -2)
        return u'R' + digits;
    if (s->exponent < 0 || s->exponent > 7)
        return std::nullopt;
    return digits + QString::number(s->exponent);
}

std::optional<QString> eia198CodeOf(const Significand &s)
{
    const std::vector<int> e24 = eseries::significands(eseries::Series::E24);
    const auto at = std::find(e24.begin(), e24.end(), s.digits);
    // The digit is the power of ten of the mantissa 1.0 ... 9.1; 9 stands for × 0.1.
    const int power = s.exponent + 1;
    if (at == e24.end() || power < -1 || power > 8)
        return std::nullopt;
    return QChar(kEia198Letters[at - e24.begin()]) + QString::number(power < 0 ? 9 : power);
}

// The values EIA-198 codes cover: 1.0 × 10⁻¹ to 9.1 × 10⁸ pF.
constexpr eseries::Range kEia198Range{0.1e-12, 9.1e-4};

} // namespace

Encoded encode(double farads)
{
    Encoded e;
    if (!(farads > 0.0) || !std::isfinite(farads))
        return e;
    e.threeDigits = threeDigitCode(farads);
    if (const auto s = twoDigitPicofarads(farads))
        e.eia198 = eia198CodeOf(*s);
    if (e.eia198) {
        e.eia198Capacitance = farads;
        return e;
    }
    const auto nearest = eseries::nearest(farads, eseries::Series::E24, kEia198Range);
    if (!nearest)
        return e;
    if (const auto s = twoDigitPicofarads(*nearest)) {
        e.eia198 = eia198CodeOf(*s);
        e.eia198Capacitance = cleaned(*nearest);
        e.eia198Nearest = e.eia198.has_value();
    }
    return e;
}

QString capacitanceText(double farads)
{
    static const char16_t *const units[] = {u"pF", u"nF", u"µF", u"mF", u"F"};
    double shown = farads * 1e12;
    int step = 0;
    while (shown >= 1000.0 && step < 4) {
        shown /= 1000.0;
        ++step;
    }
    return formatShortest(static_cast<float>(shown)) + u' ' + QString::fromUtf16(units[step]);
}

namespace {

QString percentText(double percent)
{
    return formatShortest(static_cast<float>(percent));
}

QString toleranceText(const Tolerance &t)
{
    if (t.farads > 0.0)
        return u'±' + formatShortest(static_cast<float>(t.farads * 1e12)) + u" pF"_s;
    if (t.plusPercent == t.minusPercent)
        return u'±' + percentText(t.plusPercent) + u" %"_s;
    return u'+' + percentText(t.plusPercent) + u"/\u2212"_s + percentText(t.minusPercent) + u" %"_s;
}

} // namespace

QString readingText(const Reading &reading)
{
    QStringList parts;
    if (reading.capacitance)
        parts.append(capacitanceText(*reading.capacitance));
    if (reading.tolerance)
        parts.append(toleranceText(*reading.tolerance));
    if (reading.voltage)
        parts.append(formatShortest(static_cast<float>(*reading.voltage)) + u" V"_s);
    return parts.join(u' ');
}

QString systemName(System system)
{
    switch (system) {
    case System::Voltage:
        return text("CapVoltageCode");
    case System::Digits:
        return text("CapDigitCode");
    case System::DecimalMark:
        return text("CapDecimalMark");
    case System::UnitLetter:
        return text("CapUnitLetter");
    case System::Microfarads:
        return text("CapMicrofarads");
    case System::Tantalum:
        return text("CapTantalum");
    case System::Eia198:
        break;
    }
    return text("CapEia198");
}

QString decodedText(const Decoded &decoded)
{
    switch (decoded.failure) {
    case Failure::None:
        break;
    case Failure::Empty:
        return text("CapEmpty");
    case Failure::Character:
        return formatText(text("CapCharacter"), {decoded.offending});
    case Failure::Words:
        return text("CapWords");
    case Failure::Digits:
        return formatText(text("CapDigits"), {decoded.offending});
    case Failure::LeadingZero:
        return text("CapLeadingZero");
    case Failure::DecimalMarks:
        return text("CapDecimalMarks");
    case Failure::ToleranceLetter:
        return formatText(text("CapToleranceLetter"), {decoded.offending});
    case Failure::Voltage:
        return formatText(text("CapNoVoltage"), {decoded.offending});
    case Failure::Unknown:
        return formatText(text("CapUnknown"), {decoded.offending});
    }
    QStringList lines;
    for (const Reading &r : decoded.readings) {
        lines.append(lines.isEmpty()
                         ? readingText(r)
                         : formatText(text("CapAlsoAs"), {systemName(r.system), readingText(r)}));
    }
    return lines.join(u'\n');
}

QString encodedText(const Encoded &encoded, double farads)
{
    QStringList lines;
    if (encoded.threeDigits)
        lines.append(formatText(text("CapThreeDigits"), {*encoded.threeDigits}));
    else
        lines.append(formatText(text("CapNoThreeDigits"), {capacitanceText(farads)}));
    if (encoded.eia198Nearest)
        lines.append(formatText(text("CapEia198Nearest"),
                                {*encoded.eia198, capacitanceText(encoded.eia198Capacitance)}));
    else if (encoded.eia198)
        lines.append(formatText(u"%@: %@", {systemName(System::Eia198), *encoded.eia198}));
    else
        lines.append(formatText(text("CapNoEia198"), {capacitanceText(farads)}));
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
    const auto farads = readCapacitance(value);
    if (!farads)
        return text("NotACapacitance");
    return encodedText(encode(*farads), *farads);
}

} // namespace zelkor::capacitor
