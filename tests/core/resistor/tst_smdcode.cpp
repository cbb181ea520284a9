// SPDX-License-Identifier: GPL-3.0-or-later

// SMD resistor codes: the three systems read and written, checked against codes worked out by
// hand, every E24 and E96 value written and read back, and bad codes refused with a reason.

#include "core/resistor/SmdCode.h"
#include "core/standard/ESeries.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::resistor;
using namespace Qt::StringLiterals;

class TestSmdCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void decodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("ohms");
        QTest::addColumn<int>("system");
        QTest::newRow("three digits") << "472" << 4700.0 << int(smd::System::ThreeDigits);
        QTest::newRow("R as decimal point") << "4R7" << 4.7 << int(smd::System::ThreeDigits);
        QTest::newRow("three zeros: jumper") << "000" << 0.0 << int(smd::System::ThreeDigits);
        QTest::newRow("four digits") << "4702" << 47e3 << int(smd::System::FourDigits);
        QTest::newRow("EIA-96 01C") << "01C" << 10e3 << int(smd::System::Eia96);
        QTest::newRow("EIA-96 96F, the largest") << "96F" << 97.6e6 << int(smd::System::Eia96);
        QTest::newRow("S is X") << "47S" << 30.1 << int(smd::System::Eia96);
        QTest::newRow("two digits and R read as ohms")
            << "47R" << 47.0 << int(smd::System::ThreeDigits);
    }
    void decodes()
    {
        QFETCH(QString, code);
        QFETCH(double, ohms);
        const smd::Decoded decoded = smd::decode(code);
        QCOMPARE(decoded.failure, smd::Failure::None);
        QVERIFY2(decoded.resistance == ohms, qPrintable(QString::number(decoded.resistance)));
        QTEST(int(decoded.system), "system");
        QCOMPARE(decoded.eia96Alternative.has_value(), code == u"47R");
    }

    void ambiguousCodeNamesBothReadings()
    {
        // 47 is the 47th E96 value, 301; R is × 0.01.
        QCOMPARE(smd::decodedText(smd::decode(u"47R")), u"47 Ω\nAs EIA-96: 3.01 Ω"_s);
        QCOMPARE(smd::decodedText(smd::decode(u"000")), u"0 Ω (jumper)"_s);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<smd::Failure>("failure");
        QTest::newRow("empty") << "  " << smd::Failure::Empty;
        QTest::newRow("two characters") << "47" << smd::Failure::Length;
        QTest::newRow("two zeros") << "00" << smd::Failure::Length;
        QTest::newRow("dash") << "4-7" << smd::Failure::Character;
        QTest::newRow("K as decimal point") << "4K7" << smd::Failure::Character;
        QTest::newRow("leading zero") << "047" << smd::Failure::LeadingZero;
        QTest::newRow("two R") << "R4R" << smd::Failure::DecimalMarks;
        QTest::newRow("EIA-96 index 97") << "97C" << smd::Failure::Eia96Index;
        QTest::newRow("G is no multiplier") << "47G" << smd::Failure::Eia96Letter;
    }
    void refuses()
    {
        QFETCH(QString, code);
        QFETCH(smd::Failure, failure);
        const smd::Decoded decoded = smd::decode(code);
        QCOMPARE(decoded.failure, failure);
        QVERIFY(smd::decodedText(decoded).endsWith(u'.'));
    }

    void encodes_data()
    {
        QTest::addColumn<double>("ohms");
        QTest::addColumn<QStringList>("codes"); // three digits, four digits, EIA-96; "" if none
        QTest::newRow("4.7 k: no E96 value") << 4700.0 << QStringList{"472", "4701", ""};
        QTest::newRow("10 k in every system") << 10e3 << QStringList{"103", "1002", "01C"};
        QTest::newRow("49.9: three significant digits") << 49.9 << QStringList{"", "49R9", "68X"};
        QTest::newRow("0.1 below 1") << 0.1 << QStringList{"R10", "R100", "01Z"};
        QTest::newRow("0.047 needs four characters") << 0.047 << QStringList{"", "R047", ""};
        QTest::newRow("zero: jumpers") << 0.0 << QStringList{"000", "0000", ""};
        QTest::newRow("1 mOhm, the smallest code") << 0.001 << QStringList{"", "R001", ""};
        QTest::newRow("below the smallest code: no jumper") << 1e-50 << QStringList{"", "", ""};
        QTest::newRow("four significant digits") << 4705.0 << QStringList{"", "", ""};
    }
    void encodes()
    {
        QFETCH(double, ohms);
        QStringList codes{"", "", ""};
        for (const smd::Encoded &encoded : smd::encode(ohms))
            codes[int(encoded.system)] = encoded.code;
        QTEST(codes, "codes");
    }

    // What the panel shows for a typed value: a value too small for every code is not read as 0
    // and so is not a jumper.
    void typedValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 is a jumper") << u"0"_s << u"Three digits: 000\nFour digits: 0000"_s;
        QTest::newRow("1e-50 is below every code")
            << u"1e-50"_s << u"No SMD code shows a value below 0.001 Ω."_s;
        QTest::newRow("0.9 mOhm is below every code")
            << u"0.9m"_s << u"No SMD code shows a value below 0.001 Ω."_s;
        QTest::newRow("1 mOhm has a four-digit code") << u"1m"_s << u"Four digits: R001"_s;
    }
    void typedValues()
    {
        QFETCH(QString, typed);
        QTEST(smd::textForTypedValue(typed), "shown");
    }

    // Every code written for a standard value reads back as that value.
    void roundTrip()
    {
        using namespace zelkor::eseries;
        int checked = 0;
        for (const Series series : {Series::E24, Series::E96}) {
            for (const double value : valuesBetween(series, 0.01, 1e10)) {
                for (const smd::Encoded &encoded : smd::encode(value)) {
                    const smd::Decoded back = smd::decode(encoded.code);
                    QVERIFY2(back.resistance == value && back.system == encoded.system,
                             qPrintable(encoded.code));
                    ++checked;
                }
            }
        }
        QVERIFY(checked > 1500);
    }
};

QTEST_GUILESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
