// Reading and writing numbers: the rules every field and every result text rely on.

#include "support/TestSupport.h"
#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace zelkor;

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void floatValue_data();
    void floatValue();
    void parseNumberRejectsTrailingText_data();
    void parseNumberRejectsTrailingText();
    void formatFixed_data();
    void formatFixed();
    void formatShortestReadsBack_data();
    void formatShortestReadsBack();
    void formatText();
    void processLocaleChangesNothing();
};

void TestNumbers::floatValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");

    QTest::newRow("integer") << "12" << 12.0f;
    QTest::newRow("fraction") << "0.058" << 0.058f;
    QTest::newRow("leading point") << ".5" << 0.5f;
    QTest::newRow("trailing point") << "5." << 5.0f;
    QTest::newRow("negative") << "-3.25" << -3.25f;
    QTest::newRow("explicit plus") << "+7" << 7.0f;
    QTest::newRow("exponent") << "4.7e3" << 4700.0f;
    QTest::newRow("negative exponent") << "1E-3" << 0.001f;
    QTest::newRow("dangling exponent reads the mantissa") << "1e" << 1.0f;
    QTest::newRow("exponent sign without digits") << "2e+" << 2.0f;
    QTest::newRow("leading blanks and line breaks") << " \t\n\r 42" << 42.0f;
    QTest::newRow("unit after number") << "4.7k" << 4.7f;
    QTest::newRow("comma ends the number") << "1,5" << 1.0f;
    QTest::newRow("empty") << "" << 0.0f;
    QTest::newRow("lone blank") << " " << 0.0f;
    QTest::newRow("letters") << "abc" << 0.0f;
    QTest::newRow("lone sign") << "-" << 0.0f;
    QTest::newRow("lone point") << "." << 0.0f;
    QTest::newRow("no hexadecimal") << "0x1A" << 0.0f;
    QTest::newRow("no inf word") << "inf" << 0.0f;
    QTest::newRow("no nan word") << "nan" << 0.0f;
    QTest::newRow("overflow is infinity") << "1e39" << std::numeric_limits<float>::infinity();
    QTest::newRow("huge exponent is infinity")
        << "1e999999999999" << std::numeric_limits<float>::infinity();
    QTest::newRow("negative overflow") << "-5e50" << -std::numeric_limits<float>::infinity();
    QTest::newRow("underflow is zero") << "1e-60" << 0.0f;
    QTest::newRow("many digits round correctly") << "0.1000000000000000000001" << 0.1f;
}

void TestNumbers::floatValue()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    const float value = zelkor::floatValue(text);
    QCOMPARE(value, expected);
    QCOMPARE(std::signbit(value), std::signbit(expected));
}

void TestNumbers::parseNumberRejectsTrailingText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("number") << "12.5" << true;
    QTest::newRow("number with blanks around") << " 12.5 " << true;
    QTest::newRow("trailing letters") << "12abc" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("word") << "twelve" << false;
}

void TestNumbers::parseNumberRejectsTrailingText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(parseNumber(text).has_value(), valid);
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
    QTest::newRow("negative") << -10.7 << 2 << "-10.70";
    QTest::newRow("negative zero keeps its sign") << -0.0 << 2 << "-0.00";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 2 << "inf";
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << 2 << "-inf";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 2 << "nan";
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
    QTest::newRow("half") << 0.5f << "0.5";
    QTest::newRow("short fraction") << 0.058f << "0.058";
    QTest::newRow("single precision product") << 12.0f * 0.1f << "1.2";
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "inf";
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
        QCOMPARE(zelkor::floatValue(text), value);
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
    QCOMPARE(zelkor::floatValue(u"1,5"), 1.0f);
    QCOMPARE(zelkor::floatValue(u"1.5"), 1.5f);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");
    if (!german)
        qInfo("de_DE.UTF-8 is not installed; only the Qt default locale was German");
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
