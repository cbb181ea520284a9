// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/ResistorBands.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>

using namespace zelkor::resistor;

namespace {

// IEC 60062 as printed: the digit colours from 0 to 9 (as multipliers 10^digit, then gold ×0.1
// and silver ×0.01), and the tolerance of each tolerance colour in percent.
const int kDigit[] = {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};
const std::pair<int, float> kTolerance[] = {{Brown, 1},    {Red, 2},       {Green, 0.5f},
                                            {Blue, 0.25f}, {Violet, 0.1f}, {Grey, 0.05f},
                                            {Gold, 5},     {Silver, 10},   {NoBand, 20}};

// The reading of a resistor given by its colours, as a user picks them; a colour the band does
// not offer reads past the end of its list.
Reading read(const QList<int> &colours)
{
    const bool four = colours.size() == 4;
    std::array<std::uint32_t, 5> p{};
    for (qsizetype i = 0; i < colours.size(); ++i)
        p[std::size_t(i)] = positionOf(Band(int(i) + (four ? 0 : 4)), colours[i]).value_or(99);
    return four ? fourBandsReading({p[0], p[1], p[2], p[3]})
                : fiveBandsReading({p[0], p[1], p[2], p[3], p[4]});
}

} // namespace

class TestResistorBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // Each band offers the colours that mean something there, each meaning what the standard
    // says, and no others.
    void digitColours_data()
    {
        QTest::addColumn<int>("digit");
        for (int d = 0; d < 10; ++d)
            QTest::addRow("digit %d", d) << d;
    }
    // Whole ohms are exact in single precision, so they are compared exactly (in double).
    void digitColours()
    {
        QFETCH(int, digit);
        const int c = kDigit[digit];
        const auto ohms = [](const QList<int> &colours) {
            return double(read(colours).resistance);
        };
        const double power = std::pow(10.0, digit);
        if (digit > 0) { // no leading zero
            QCOMPARE(ohms({c, Black, Black, Gold}), 10.0 * digit);
            QCOMPARE(ohms({c, Black, Black, Black, Brown}), 100.0 * digit);
        }
        QCOMPARE(ohms({Brown, c, Black, Gold}), 10.0 + digit);
        QCOMPARE(ohms({Brown, c, Black, Black, Brown}), 100.0 + 10 * digit);
        QCOMPARE(ohms({Brown, Black, c, Black, Brown}), 100.0 + digit);
        QCOMPARE(ohms({Brown, Black, c, Gold}), 10.0 * power);
        if (digit <= 6) // five bands go up to ×1 M
            QCOMPARE(ohms({Brown, Black, Black, c, Brown}), 100.0 * power);
    }

    void toleranceColours_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<float>("tolerance");
        for (const auto &[c, tolerance] : kTolerance)
            QTest::addRow("%g %%", double(tolerance)) << c << tolerance;
    }
    void toleranceColours()
    {
        QFETCH(int, colour);
        QFETCH(float, tolerance);
        // Four bands: only 0.5 % and up; five bands: every tolerance with a band.
        QCOMPARE(read({Brown, Black, Black, colour}).tolerance, tolerance >= 0.5f ? tolerance : 42);
        QCOMPARE(read({Brown, Black, Black, Black, colour}).tolerance,
                 colour == NoBand ? 0 : tolerance);
    }

    void fractionalMultipliers()
    {
        QCOMPARE(read({Brown, Black, Gold, Gold}).resistance, 1.0f);
        QCOMPARE(read({Brown, Black, Silver, Gold}).resistance, 0.1f);
        QCOMPARE(read({Brown, Black, Black, Gold, Brown}).resistance, 10.0f);
        QCOMPARE(read({Brown, Black, Black, Silver, Brown}).resistance, 1.0f);
    }

    // The names zelkor-calc reads and writes, in any letter case and in American English.
    void namesRoundTrip()
    {
        for (int code = 0; code < kColorCodeCount; ++code) {
            QCOMPARE(colorCodeForName(colorName(code).toUpper()), code);
            QVERIFY(colorTextKey(code));
        }
        QCOMPARE(colorCodeForName(u" Gray "), Grey);
        QCOMPARE(colorCodeForName(u"purple"), Violet);
        QCOMPARE(colorCodeForName(u"pink"), std::nullopt);
        for (const int outside : {-1, kColorCodeCount}) {
            QVERIFY(colorName(outside).isEmpty());
            QVERIFY(!colorTextKey(outside));
        }
    }

    // The tolerance keeps its true value: one decimal, or two where one would change it.
    void readings_data()
    {
        QTest::addColumn<QList<std::uint32_t>>("positions");
        QTest::addColumn<QString>("text");
        using P = QList<std::uint32_t>;
        QTest::newRow("brown black red gold: 1000 Ω is 1 kΩ")
            << P{0, 0, 4, 3} << "Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)";
        QTest::newRow("silver multiplier, no tolerance band")
            << P{0, 0, 0, 5} << "Resistance: 0.10 Ω\nTolerance: 20.0% (±0.02 Ω)";
        QTest::newRow("white white white green stays in GΩ")
            << P{8, 9, 11, 0} << "Resistance: 99.00 GΩ\nTolerance: 0.5% (±0.49 GΩ)";
        QTest::newRow("tolerance past the list shows 42")
            << P{0, 0, 2, 6} << "Resistance: 10.00 Ω\nTolerance: 42.0% (±4.20 Ω)";
        QTest::newRow("five: blue tolerance shows 0.25")
            << P{0, 0, 0, 2, 5} << "Resistance: 100.00 Ω\nTolerance: 0.25% (±0.25 Ω)";
        QTest::newRow("five: grey tolerance shows 0.05")
            << P{8, 9, 9, 8, 7} << "Resistance: 999.00 MΩ\nTolerance: 0.05% (±0.50 MΩ)";
        QTest::newRow("five: multiplier past the list gives zero")
            << P{0, 0, 0, 9, 2} << "Resistance: 0.00 Ω\nTolerance: 1.0% (±0.00 Ω)";
        QTest::newRow("five: tolerance past the list gives zero")
            << P{0, 0, 0, 3, 8} << "Resistance: 1.00 kΩ\nTolerance: 0.0% (±0.00 kΩ)";
    }
    void readings()
    {
        QFETCH(QList<std::uint32_t>, positions);
        const Reading r =
            positions.size() == 4
                ? fourBandsReading({positions[0], positions[1], positions[2], positions[3]})
                : fiveBandsReading(
                      {positions[0], positions[1], positions[2], positions[3], positions[4]});
        QTEST(parseStringsFor(r.resistance, r.tolerance), "text");
    }
};

QTEST_GUILESS_MAIN(TestResistorBands)
#include "tst_resistorbands.moc"
