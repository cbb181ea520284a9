// SPDX-License-Identifier: GPL-3.0-or-later

// The tube decoder against designations from the data books and its error texts. Random input is
// the fuzz target's job (tests/fuzz/fuzz_tube.cpp).

#include "core/tubes/Tube.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNoval = u"Heating: 6.3V, Noval, 9 Pins"_s;

QString unit(char16_t u)
{
    return QString(QChar(u));
}

} // namespace

class TestTube : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void decodedText_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("text");

        // Real tubes, read with the data book's key: heater letter, one letter per system, base.
        const QString triodes = u"Micropower Triode\nMicropower Triode\n\n"_s;
        QTest::newRow("ECC83 double triode") << u"ECC83"_s << triodes + kNoval;
        QTest::newRow("characters after the first digit ignored")
            << u"ECC8xyz"_s << triodes + kNoval;
        QTest::newRow("EABC80 diode, dual diode and triode")
            << u"EABC80"_s
            << u"Micropower Diode\nMicropower Dual Diode\nMicropower Triode\n\n"_s + kNoval;
        QTest::newRow("PCL86 series heater")
            << u"PCL86"_s
            << u"Micropower Triode\nPower Pentode\n\nHeating: 0.3A (Serial), Noval, 9 Pins"_s;
        QTest::newRow("E80 without systems starts empty") << u"E80"_s << u"\n"_s + kNoval;

        // The heater error has parentheses and no full stop, unlike the system and base errors.
        QTest::newRow("EL 84 blank is a system")
            << u"EL 84"_s << u"Power Pentode\n' ' not expected.\n\n"_s + kNoval;
        QTest::newRow("EF0 base error")
            << u"EF0"_s << u"Micropower Pentode\n\nHeating: 6.3V, '0' not expected."_s;
        QTest::newRow("6V6 leading digit is not the base")
            << u"6V6"_s
            << u"'V' not expected.\n\nHeating: ('6' not expected), Subminiature, soldered"_s;
        QTest::newRow("colon after 9 is no digit")
            << u"E:9"_s << u"':' not expected.\n\nHeating: 6.3V, Miniature, 7 Pins"_s;
        QTest::newRow("non-ASCII letters shown as themselves")
            << u"Öö8"_s << u"'ö' not expected.\n\nHeating: ('Ö' not expected), Noval, 9 Pins"_s;

        // What would break or reorder the output shows as U+FFFD; a surrogate pair is two units.
        const QString replaced = u"'\uFFFD' not expected.\n"_s;
        QTest::newRow("emoji is two systems")
            << u"E😀80"_s << replaced.repeated(2) + u"\n"_s + kNoval;
        QTest::newRow("control, line separator, bidi override, non-character")
            << u"E"_s + unit(0x01) + unit(0x2028) + unit(0x202E) + unit(0xFFFF) + u"8"_s
            << replaced.repeated(4) + u"\n"_s + kNoval;
    }
    void decodedText()
    {
        QFETCH(QString, designation);
        QFETCH(QString, text);
        const zkTube tube(designation);
        QVERIFY(tube.isDecoded());
        QCOMPARE(tube.decodedText(), text);
        QCOMPARE(tube.tubeId(), designation);
    }

    void undecodable_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<zkTube::Failure>("failure");

        QTest::newRow("empty") << QString() << zkTube::Failure::Empty;
        QTest::newRow("heater letter only") << u"E"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("letters without digit") << u"ECC"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("lone digit") << u"6"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("Arabic-Indic digit is no base") << u"EC٨"_s << zkTube::Failure::NoBaseDigit;
    }
    void undecodable()
    {
        QFETCH(QString, designation);
        QFETCH(zkTube::Failure, failure);
        const zkTube tube(designation);
        QVERIFY(!tube.isDecoded());
        QCOMPARE(tube.failure(), failure);
        QVERIFY(tube.decodedText().isEmpty());
        QVERIFY(tube.heating().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTube)
#include "tst_tube.moc"
