// Reading and writing numbers: the rules every field and every result text rely on.

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "support/TestSupport.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace zelkor;
using namespace zelkor::units;

namespace {
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr Unit kAny{Quantity::Any, 0};
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldValue_data();
    void fieldValue();
    void readValue_data();
    void readValue();
    void prefixesScaleByTheirPowerOfTen();
    void plainNumbers();
    void formatFixed_data();
    void formatFixed();
    void formatShortestReadsBack_data();
    void formatShortestReadsBack();
    void formatText();
    void processLocaleChangesNothing();
};

void TestNumbers::fieldValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<float>("expected");

    QTest::newRow("integer") << "12" << kNumber << 12.0f;
    QTest::newRow("fraction") << "0.058" << kNumber << 0.058f;
    QTest::newRow("leading point") << ".5" << kNumber << 0.5f;
    QTest::newRow("trailing point") << "5." << kNumber << 5.0f;
    QTest::newRow("negative") << "-3.25" << kNumber << -3.25f;
    QTest::newRow("explicit plus") << "+7" << kNumber << 7.0f;
    QTest::newRow("negative zero keeps its sign") << "-0" << kNumber << -0.0f;
    QTest::newRow("exponent") << "4.7e3" << kNumber << 4700.0f;
    QTest::newRow("negative exponent") << "1E-3" << kNumber << 0.001f;
    QTest::newRow("dangling exponent reads the mantissa") << "1e" << kNumber << 1.0f;
    QTest::newRow("exponent sign without digits") << "2e+" << kNumber << 2.0f;
    QTest::newRow("leading blanks and line breaks") << " \t\n\r 42" << kNumber << 42.0f;
    QTest::newRow("comma ends the number") << "1,5" << kNumber << 1.0f;
    QTest::newRow("empty") << "" << kNumber << 0.0f;
    QTest::newRow("lone blank") << " " << kNumber << 0.0f;
    QTest::newRow("letters") << "abc" << kNumber << 0.0f;
    QTest::newRow("lone sign") << "-" << kNumber << 0.0f;
    QTest::newRow("lone point") << "." << kNumber << 0.0f;
    QTest::newRow("no hexadecimal") << "0x1A" << kNumber << 0.0f;
    QTest::newRow("no inf word") << "inf" << kNumber << 0.0f;
    QTest::newRow("no nan word") << "nan" << kNumber << 0.0f;
    QTest::newRow("overflow is infinity") << "1e39" << kNumber << kInf;
    QTest::newRow("huge exponent is infinity") << "1e999999999999" << kNumber << kInf;
    QTest::newRow("negative overflow") << "-5e50" << kNumber << -kInf;
    QTest::newRow("underflow is zero") << "1e-60" << kNumber << 0.0f;
    QTest::newRow("many digits round once") << "0.1000000000000000000001" << kNumber << 0.1f;
    QTest::newRow("prefix overflows to infinity") << "1e38G" << kOhms << kInf;

    // Prefixes and RKM letters.
    QTest::newRow("prefix after the number") << "4.7k" << kOhms << 4700.0f;
    QTest::newRow("prefix after one blank") << "100 n" << kMicrofarads << 0.1f;
    QTest::newRow("m is milli") << "2m" << kAmperes << 0.002f;
    QTest::newRow("M is mega") << "2M" << kOhms << 2e6f;
    QTest::newRow("RKM kilo") << "4k7" << kOhms << 4700.0f;
    QTest::newRow("RKM mega") << "2M2" << kOhms << 2.2e6f;
    QTest::newRow("RKM nano in a microfarad field") << "4n7" << kMicrofarads << 0.0047f;
    QTest::newRow("RKM micro") << "2u2" << kMicrofarads << 2.2f;
    QTest::newRow("R is a point") << "1R5" << kOhms << 1.5f;
    QTest::newRow("leading R") << "R47" << kOhms << 0.47f;
    QTest::newRow("trailing R") << "47R" << kOhms << 47.0f;
    QTest::newRow("signed RKM") << "-4R7" << kNumber << -4.7f;
    QTest::newRow("no prefix letter before the digits") << "k47" << kOhms << 0.0f;
    QTest::newRow("one letter per value") << "1R5k" << kOhms << 1.5f;
    QTest::newRow("two blanks end the value") << "1  k" << kOhms << 1.0f;
    QTest::newRow("a prefix must end the word") << "5 mins" << kAmperes << 5.0f;
    QTest::newRow("lone R is no number") << "R" << kOhms << 0.0f;

    // Units: a prefix or symbol makes a quantity, converted into the field's unit.
    QTest::newRow("bare number is in the field's unit") << "20" << kMilliamperes << 20.0f;
    QTest::newRow("nano prefix in a microfarad field") << "100n" << kMicrofarads << 0.1f;
    QTest::newRow("nanofarads in a microfarad field") << "100 nF" << kMicrofarads << 0.1f;
    QTest::newRow("picofarads") << "100pF" << kMicrofarads << 1e-4f;
    QTest::newRow("milli prefix in a milliampere field") << "20m" << kMilliamperes << 20.0f;
    QTest::newRow("milliamperes") << "20 mA" << kMilliamperes << 20.0f;
    QTest::newRow("amperes in a milliampere field") << "0.02 A" << kMilliamperes << 20.0f;
    QTest::newRow("milliamperes in an ampere field") << "5 mA" << kAmperes << 0.005f;
    QTest::newRow("kiloohms") << "4.7 k\u03a9" << kOhms << 4700.0f;
    QTest::newRow("ohm sign") << "10\u2126" << kOhms << 10.0f;
    QTest::newRow("kohm spelt out") << "1 kohm" << kOhms << 1000.0f;
    QTest::newRow("RKM with a symbol") << "4k7 Ohm" << kOhms << 4700.0f;
    QTest::newRow("micro sign") << "2.2\u00b5F" << kMicrofarads << 2.2f;
    QTest::newRow("Greek mu") << "2.2\u03bcF" << kMicrofarads << 2.2f;
    QTest::newRow("millimetres") << "25.4 mm" << kMillimetres << 25.4f;
    QTest::newRow("lone m in a length field is the metre") << "2 m" << kMillimetres << 2000.0f;
    QTest::newRow("lone m elsewhere is milli") << "20 m" << kOhms << 0.02f;
    QTest::newRow("kelvins per watt") << "0.3 K/W" << kKelvinsPerWatt << 0.3f;
    QTest::newRow("degrees Celsius") << "-10 \u00b0C" << kDegreesCelsius << -10.0f;
    QTest::newRow("another quantity's symbol leaves the number")
        << "12 V" << kMilliamperes << 12.0f;
    QTest::newRow("another quantity's prefix goes with it")
        << "4.7 k\u03a9" << kMicrofarads << 4.7f;
    QTest::newRow("a count takes prefixes") << "1k" << kNumber << 1000.0f;
}

void TestNumbers::fieldValue()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(float, expected);
    const float value = zelkor::fieldValue(text, unit);
    QCOMPARE(value, expected);
    QCOMPARE(std::signbit(value), std::signbit(expected));
}

void TestNumbers::readValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<QString>("outcome"); // "value", "no value" or "other quantity"
    QTest::addColumn<float>("value");

    QTest::newRow("blanks around") << " 12 " << kVolts << "value" << 12.0f;
    QTest::newRow("prefix, then symbol") << "4.7 k\u03a9" << kOhms << "value" << 4700.0f;
    QTest::newRow("RKM, then symbol") << "4k7\u03a9" << kOhms << "value" << 4700.0f;
    QTest::newRow("leading R") << "R47" << kOhms << "value" << 0.47f;
    QTest::newRow("any unit reads the base unit") << "100nF" << kAny << "value" << 1e-7f;
    QTest::newRow("error: trailing letters") << "12abc" << kVolts << "no value" << 0.0f;
    QTest::newRow("error: letter between digits") << "4x7" << kOhms << "no value" << 0.0f;
    QTest::newRow("error: two letters") << "1R5k" << kOhms << "no value" << 0.0f;
    QTest::newRow("error: two blanks") << "1  k" << kOhms << "no value" << 0.0f;
    QTest::newRow("error: empty") << "" << kOhms << "no value" << 0.0f;
    QTest::newRow("error: prefix alone") << "k" << kOhms << "no value" << 0.0f;
    QTest::newRow("error: lower-case f is no farad") << "1f" << kMicrofarads << "no value" << 0.0f;
    QTest::newRow("error: volts for a current")
        << "12 V" << kMilliamperes << "other quantity" << 0.0f;
    QTest::newRow("error: a count has no unit") << "3V" << kNumber << "other quantity" << 0.0f;
    QTest::newRow("error: millimetres for a resistance")
        << "1 mm" << kOhms << "other quantity" << 0.0f;
}

void TestNumbers::readValue()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    QFETCH(QString, outcome);
    const ValueReading reading = zelkor::readValue(text, unit);
    QCOMPARE(reading.value.has_value(), outcome == u"value");
    QCOMPARE(reading.otherQuantity, outcome == u"other quantity");
    if (reading.value)
        QTEST(*reading.value, "value");
}

void TestNumbers::prefixesScaleByTheirPowerOfTen()
{
    const std::pair<const char *, int> prefixes[] = {
        {"p", -12}, {"n", -9}, {"u", -6}, {"\u00b5", -6}, {"\u03bc", -6},
        {"m", -3},  {"k", 3},  {"K", 3},  {"M", 6},       {"G", 9}};
    for (const auto &[prefix, exponent] : prefixes) {
        for (const char *mantissa : {"1", "4.7", "0.33"}) {
            const QString written = QString::fromUtf8(mantissa) + QString::fromUtf8(prefix);
            const QString scaled =
                QStringLiteral("%1e%2").arg(QLatin1String(mantissa)).arg(exponent);
            QCOMPARE(zelkor::readValue(written, kAny).value, zelkor::readValue(scaled, kAny).value);
        }
        // RKM: the letter is the point and scales the same.
        const QString rkm = QStringLiteral("4") + QString::fromUtf8(prefix) + QStringLiteral("7");
        QCOMPARE(zelkor::readValue(rkm, kAny).value,
                 zelkor::readValue(QStringLiteral("4.7e%1").arg(exponent), kAny).value);
    }
}

void TestNumbers::plainNumbers()
{
    // Preset numbers and written-back results are plain: no prefix, no RKM.
    QCOMPARE(zelkor::parseNumber(u" 12.5 "), 12.5f);
    QCOMPARE(zelkor::parseNumber(u"12k"), std::nullopt);
    QCOMPARE(zelkor::parseNumber(u""), std::nullopt);
    QCOMPARE(zelkor::floatValue(u"4k7"), 4.0f);
    QCOMPARE(zelkor::floatValue(u"R47"), 0.0f);
}

void TestNumbers::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two decimals") << 24.0 << 2 << "24.00";
    QTest::newRow("tie rounds to even down") << 0.25 << 1 << "0.2";
    QTest::newRow("tie rounds to even up") << 0.375 << 2 << "0.38";
    QTest::newRow("half rounds to even at zero decimals") << 2.5 << 0 << "2";
    QTest::newRow("float widened keeps its binary value") << double(0.15f) << 1 << "0.2";
    QTest::newRow("eight decimals") << double(6.9013114f) << 8 << "6.90131140";
    QTest::newRow("negative zero keeps its sign") << -0.0 << 2 << "-0.00";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2 << "inf";
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << 2 << "-inf";
    QTest::newRow("negative nan") << -std::numeric_limits<double>::quiet_NaN() << 2 << "nan";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << 0
                                    << QString::number(std::numeric_limits<double>::max(), 'f', 0);
}

void TestNumbers::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(zelkor::formatFixed(value, decimals), expected);
}

void TestNumbers::formatShortestReadsBack_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer") << 24.0f << "24";
    QTest::newRow("short fraction") << 0.058f << "0.058";
    QTest::newRow("single precision product") << 12.0f * 0.1f << "1.2";
    QTest::newRow("infinity") << kInf << "inf";
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "nan";
    QTest::newRow("tiny") << 1e-7f << "1e-07";
}

void TestNumbers::formatShortestReadsBack()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    const QString text = formatShortest(value);
    QCOMPARE(text, expected);
    if (std::isfinite(value))
        QCOMPARE(zelkor::readValue(text, kNumber).value, value);
}

void TestNumbers::formatText()
{
    const QString power = QStringLiteral("Power");
    const QString watt = QStringLiteral("W");
    QCOMPARE(zelkor::formatText(u"%@: %.02f %@", {power, 2.5f, watt}), u"Power: 2.50 W");
    QCOMPARE(zelkor::formatText(u"%.01f%%", {2.5f}), u"2.5%");
    QCOMPARE(zelkor::formatText(u"%f", {2.5f}), u"2.500000");
    QCOMPARE(zelkor::formatText(u"%d bands", {5}), u"5 bands");
    // A pattern that asks for more than it gets, or for the wrong kind, never reads past its
    // arguments.
    QCOMPARE(zelkor::formatText(u"%@ %@ %@", {power}), u"Power  ");
    QCOMPARE(zelkor::formatText(u"%.02f", {power}), u"");
    QCOMPARE(zelkor::formatText(u"%x", {}), u"%x");
    QCOMPARE(zelkor::formatText(u"50%", {}), u"50%");
}

void TestNumbers::processLocaleChangesNothing()
{
    // A German C locale would print "24,00" through printf and read "1,5" as 1.5.
    const char *german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(zelkor::formatFixed(24.0, 2), QStringLiteral("24.00"));
    QCOMPARE(zelkor::formatShortest(0.5f), QStringLiteral("0.5"));
    QCOMPARE(zelkor::fieldValue(u"1,5", kNumber), 1.0f);
    QCOMPARE(zelkor::fieldValue(u"1.5k", kNumber), 1500.0f);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
    if (!german)
        qInfo("de_DE.UTF-8 is not installed; only the Qt default locale was German");
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
