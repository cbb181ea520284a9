// SPDX-License-Identifier: GPL-3.0-or-later

// Capacitor markings: codes worked out by hand read to their value, tolerance and voltage,
// every E24 value from 1 pF to 10 µF written and read back, and bad markings refused.

#include "core/capacitor/CapacitorCode.h"
#include "core/standard/ESeries.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::capacitor;
using namespace Qt::StringLiterals;

class TestCapacitorCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // The value, then the tolerance and voltage as the panel prints them: they come from
    // letters, so their text is the figure.
    void decodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("farads"); // 0 for a voltage alone
        QTest::addColumn<QString>("shown");
        QTest::newRow("three digits") << "104" << 100e-9 << "100 nF";
        QTest::newRow("percent letter glued to the code") << "472J" << 4.7e-9 << "4.7 nF ±5 %";
        QTest::newRow("9 is times 0.1") << "479" << 4.7e-12 << "4.7 pF";
        QTest::newRow("8 is times 0.01") << "478" << 0.47e-12 << "0.47 pF";
        QTest::newRow("picofarad letter under 10 pF") << "4R7C" << 4.7e-12 << "4.7 pF ±0.25 pF";
        QTest::newRow("F under 10 pF is ±1 pF") << "1R5F" << 1.5e-12 << "1.5 pF ±1 pF";
        QTest::newRow("F from 10 pF is ±1 %") << "100F" << 10e-12 << "10 pF ±1 %";
        QTest::newRow("asymmetric tolerance") << "104Z" << 100e-9 << "100 nF +80/−20 %";
        QTest::newRow("voltage code before the value") << "2A104J" << 100e-9 << "100 nF ±5 % 100 V";
        QTest::newRow("voltage code after a space") << "104J 2A" << 100e-9 << "100 nF ±5 % 100 V";
        QTest::newRow("voltage code alone") << "1H" << 0.0 << "50 V";
        QTest::newRow("voltage code 2J") << "2J" << 0.0 << "630 V";
        QTest::newRow("EIA-198") << "S4" << 47e-9 << "47 nF";
        QTest::newRow("EIA-198 lower-case mantissa") << "a2" << 250e-12 << "250 pF";
        QTest::newRow("EIA-198 9 is times 0.1") << "Z9" << 0.91e-12 << "0.91 pF";
        QTest::newRow("tantalum") << "A475" << 4.7e-6 << "4.7 µF 10 V";
        QTest::newRow("tantalum T is 50 V") << "T106" << 10e-6 << "10 µF 50 V";
        QTest::newRow("prefix letter first") << "p10" << 0.1e-12 << "0.1 pF";
        QTest::newRow("prefix letter as decimal point") << "2u2" << 2.2e-6 << "2.2 µF";
        QTest::newRow("value with unit and volts") << "47µF 16V" << 47e-6 << "47 µF 16 V";
    }
    void decodes()
    {
        QFETCH(QString, code);
        QFETCH(double, farads);
        const Decoded decoded = decode(code);
        QCOMPARE(decoded.failure, Failure::None);
        QCOMPARE(decoded.readings.size(), std::size_t(1));
        const Reading &r = decoded.readings.front();
        QCOMPARE(r.capacitance.value_or(0.0), farads);
        QTEST(readingText(r), "shown");
    }

    void ambiguousMarkingsGiveEveryReading_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("R notation before EIA-198") << "R5"
                                                   << "0.5 pF\nAs EIA-198: 430 nF";
        QTest::newRow("prefix letter before EIA-198") << "n7"
                                                      << "700 pF\nAs EIA-198: 70 µF";
        QTest::newRow("bare number with volts is µF first") << "47 16V"
                                                            << "47 µF 16 V\nAs pF code: 47 pF 16 V";
    }
    void ambiguousMarkingsGiveEveryReading()
    {
        QFETCH(QString, code);
        QTEST(textForTypedCode(code), "shown");
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Failure>("failure");
        QTest::newRow("empty") << " " << Failure::Empty;
        QTest::newRow("comma") << "4,7n" << Failure::Character;
        QTest::newRow("three words") << "104 2A 1H" << Failure::Words;
        QTest::newRow("four digits") << "1041" << Failure::Digits;
        QTest::newRow("leading zero") << "047" << Failure::LeadingZero;
        QTest::newRow("two R") << "4R7R" << Failure::DecimalMarks;
        QTest::newRow("picofarad letter on 10 pF") << "100A" << Failure::ToleranceLetter;
        QTest::newRow("second word no voltage") << "104 xx" << Failure::Voltage;
        QTest::newRow("voltage code 4 is beyond 3") << "4Q" << Failure::Unknown;
        QTest::newRow("larger than any part") << "1e30p" << Failure::Unknown;
    }
    void refuses()
    {
        QFETCH(QString, code);
        QFETCH(Failure, failure);
        const Decoded decoded = decode(code);
        QCOMPARE(decoded.failure, failure);
        QVERIFY(decoded.readings.empty());
        QVERIFY(decodedText(decoded).endsWith(u'.'));
    }

    void encodes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("100 nF") << "100n"
                                << "Code: 104\nEIA-198: A5";
        QTest::newRow("R notation under 10 pF") << "4.7p"
                                                << "Code: 4R7\nEIA-198: S0";
        QTest::newRow("bare number in µF") << "0.47"
                                           << "Code: 474\nEIA-198: S5";
        QTest::newRow("no E24 value: the nearest")
            << "4.75n"
            << "No three-digit code shows 4.75 nF.\nEIA-198: S3 (nearest E24 value, 4.7 nF)";
        QTest::newRow("beyond both")
            << "2200u"
            << "No three-digit code shows 2.2 mF.\nNo EIA-198 code shows 2.2 mF.";
        QTest::newRow("not a capacitance")
            << "-1n"
            << "Type a capacitance from 0.01 pF to 100 kF, such as 100n, 4.7u or 0.1 (µF).";
    }
    void encodes()
    {
        QFETCH(QString, value);
        QTEST(textForTypedValue(value), "shown");
    }

    // Value → code → value is exact for every E24 value in both systems.
    void roundTrip()
    {
        const std::vector<double> values =
            zelkor::eseries::valuesBetween(zelkor::eseries::Series::E24, 1e-12, 10e-6);
        QCOMPARE(values.size(), std::size_t(7 * 24 + 1));
        const auto readsAs = [](const std::optional<QString> &code, System system, double v) {
            if (!code)
                return false;
            for (const Reading &r : decode(*code).readings)
                if (r.system == system && r.capacitance == v)
                    return true;
            return false;
        };
        for (const double v : values) {
            const Encoded e = encode(v);
            const System three = v < 10e-12 ? System::DecimalMark : System::Digits;
            QVERIFY2(readsAs(e.threeDigits, three, v), qPrintable(QString::number(v)));
            QVERIFY2(!e.eia198Nearest && readsAs(e.eia198, System::Eia198, v),
                     qPrintable(QString::number(v)));
        }
    }
};

QTEST_MAIN(TestCapacitorCode)
#include "tst_capacitorcode.moc"
