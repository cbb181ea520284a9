// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numbers: the rules every field and every result text rely on.

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "support/TestSupport.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

using namespace zelkor;
using namespace zelkor::units;

namespace {
constexpr Unit kAny{Quantity::Any, 0};
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void values_data();
    void values();
    void preciseValues_data();
    void preciseValues();
    void prefixesScaleByTheirPowerOfTen();
    void plainNumbers();
    void formatFixed_data();
    void formatFixed();
    void formatShortestReadsBack();
    void formatText();
    void processLocaleChangesNothing();
};

void TestNumbers::values_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Unit>("unit");
    // What a panel's field reads, then what zelkor-calc makes of the whole text: the same
    // value (=), no value (-) or a value of another quantity (?).
    QTest::addColumn<QString>("expected");

    QTest::newRow("leading point") << ".5" << kNumber << "0.5 =";
    QTest::newRow("trailing point") << "5." << kNumber << "5 =";
    QTest::newRow("explicit plus") << "+7" << kNumber << "7 =";
    QTest::newRow("negative zero keeps its sign") << "-0" << kNumber << "-0 =";
    QTest::newRow("exponent") << "4.7e3" << kNumber << "4700 =";
    QTest::newRow("dangling exponent reads the mantissa") << "1e" << kNumber << "1 -";
    QTest::newRow("exponent sign without digits") << "2e+" << kNumber << "2 -";
    QTest::newRow("blanks and line breaks around") << " \t\n\r 42 " << kNumber << "42 =";
    QTest::newRow("comma ends the number") << "1,5" << kNumber << "1 -";
    QTest::newRow("empty") << "" << kNumber << "0 -";
    QTest::newRow("lone sign") << "-" << kNumber << "0 -";
    QTest::newRow("no hexadecimal") << "0x1A" << kNumber << "0 -";
    QTest::newRow("no inf word") << "inf" << kNumber << "0 -";
    QTest::newRow("overflow is infinity") << "1e39" << kNumber << "inf =";
    QTest::newRow("underflow is zero") << "1e-60" << kNumber << "0 =";
    QTest::newRow("many digits round once") << "0.1000000000000000000001" << kNumber << "0.1 =";

    QTest::newRow("prefix after one blank") << "100 n" << kMicrofarads << "0.1 =";
    QTest::newRow("two blanks end the value") << "1  k" << kOhms << "1 -";
    QTest::newRow("prefix overflows to infinity") << "1e38G" << kOhms << "inf =";
    QTest::newRow("leading R") << "R47" << kOhms << "0.47 =";
    QTest::newRow("trailing R") << "47R" << kOhms << "47 =";
    QTest::newRow("signed RKM") << "-4R7" << kNumber << "-4.7 =";
    QTest::newRow("RKM, then a symbol") << "4k7\u03a9" << kOhms << "4700 =";
    QTest::newRow("lone R is no number") << "R" << kOhms << "0 -";
    QTest::newRow("no prefix letter before the digits") << "k47" << kOhms << "0 -";
    QTest::newRow("one letter per value") << "1R5k" << kOhms << "1.5 -";
    QTest::newRow("a prefix must end the word") << "5 mins" << kAmperes << "5 -";
    QTest::newRow("trailing letters") << "12abc" << kVolts << "12 -";
    QTest::newRow("letter between digits") << "4x7" << kOhms << "4 -";

    QTest::newRow("nanofarads in a microfarad field") << "100 nF" << kMicrofarads << "0.1 =";
    QTest::newRow("milli prefix in a milliampere field") << "20m" << kMilliamperes << "20 =";
    QTest::newRow("amperes in a milliampere field") << "0.02 A" << kMilliamperes << "20 =";
    QTest::newRow("ohm sign") << "10\u2126" << kOhms << "10 =";
    QTest::newRow("micro sign") << "2.2\u00b5F" << kMicrofarads << "2.2 =";
    QTest::newRow("lower-case f is no farad") << "1f" << kMicrofarads << "1 -";
    QTest::newRow("millimetres") << "25.4 mm" << kMillimetres << "25.4 =";
    QTest::newRow("lone m in a length field is the metre") << "2 m" << kMillimetres << "2000 =";
    QTest::newRow("lone m elsewhere is milli") << "20 m" << kOhms << "0.02 =";
    QTest::newRow("kelvins per watt") << "0.3 K/W" << kKelvinsPerWatt << "0.3 =";
    QTest::newRow("degrees Celsius") << "-10 \u00b0C" << kDegreesCelsius << "-10 =";
    QTest::newRow("volts for a current") << "12 V" << kMilliamperes << "12 ?";
    QTest::newRow("another quantity's prefix goes with it")
        << "4.7 k\u03a9" << kMicrofarads << "4.7 ?";
    QTest::newRow("a count takes prefixes") << "1k" << kNumber << "1000 =";
    QTest::newRow("a count takes no unit") << "3V" << kNumber << "3 ?";
    QTest::newRow("any unit reads the base unit") << "100nF" << kAny << "1e-07 =";
}

void TestNumbers::values()
{
    QFETCH(QString, text);
    QFETCH(Unit, unit);
    const float field = zelkor::fieldValue(text, unit);
    const ValueReading whole = zelkor::readValue(text, unit);
    const QChar kind = !whole.value            ? (whole.otherQuantity ? u'?' : u'-')
                       : *whole.value == field ? u'='
                                               : u'!';
    QTEST(formatShortest(field) + u' ' + kind, "expected");
    // The double reading takes the same texts and rounds to the same float.
    const auto precise = zelkor::readPreciseValue(text, unit);
    QCOMPARE(precise.value.has_value(), whole.value.has_value());
    QCOMPARE(precise.otherQuantity, whole.otherQuantity);
    if (precise.value)
        QCOMPARE(float(*precise.value), *whole.value);
}

void TestNumbers::preciseValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("RKM 1R8 is 1.8, not the float 1.7999999") << "1R8" << 1.8;
    QTest::newRow("kilo scales without rounding to a float") << "4k7" << 4700.0;
    QTest::newRow("below the float range is not 0") << "1e-50" << 1e-50;
}

void TestNumbers::preciseValues()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(zelkor::readPreciseValue(text, kOhms).value, std::optional(expected));
    QCOMPARE(zelkor::preciseFieldValue(text + u" and more"_s, kOhms), expected);
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

    QTest::newRow("tie rounds to even down") << 0.25 << 1 << "0.2";
    QTest::newRow("tie rounds to even up") << 0.375 << 2 << "0.38";
    QTest::newRow("half rounds to even at zero decimals") << 2.5 << 0 << "2";
    QTest::newRow("float widened keeps its binary value") << double(0.15f) << 1 << "0.2";
    QTest::newRow("at most 64 decimals") << 0.5 << 99 << "0.5" + QString(63, u'0');
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

// What the app writes back into a field reads as the same number.
void TestNumbers::formatShortestReadsBack()
{
    for (const float value :
         {24.0f, 0.058f, 12.0f * 0.1f, 1e-7f, -0.0f, std::numeric_limits<float>::max(),
          std::numeric_limits<float>::denorm_min()}) {
        const auto back = zelkor::readValue(formatShortest(value), kNumber).value;
        QVERIFY(back && *back == value && std::signbit(*back) == std::signbit(value));
    }
    QCOMPARE(formatShortest(std::numeric_limits<float>::quiet_NaN()), u"nan");
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
    // An unfinished placeholder at the end of a view stays as it is, whatever follows in memory.
    QCOMPARE(zelkor::formatText(QStringView(u"%.0123f").first(4), {2.5f}), u"%.01");
}

void TestNumbers::processLocaleChangesNothing()
{
    // A German C locale would print "24,00" through printf and read "1,5" as 1.5.
    const zelkor::test::LocaleGuard guard;
    const char *german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(zelkor::formatFixed(24.0, 2), QStringLiteral("24.00"));
    QCOMPARE(zelkor::formatShortest(0.5f), QStringLiteral("0.5"));
    QCOMPARE(zelkor::fieldValue(u"1,5", kNumber), 1.0f);
    QCOMPARE(zelkor::fieldValue(u"1.5k", kNumber), 1500.0f);
    if (!german)
        qInfo("de_DE.UTF-8 is not installed; only the Qt default locale was German");
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
