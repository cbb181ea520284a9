#include "core/resistor/ResistorBands.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::resistor;

class TestResistorBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void popupListsCarryTheirColours_data()
    {
        QTest::addColumn<Band>("band");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("first digit starts at brown")
            << Band::FourBandsFirst
            << QList<int>{Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};
        QTest::newRow("five-band third digit starts at black")
            << Band::FiveBandsThird
            << QList<int>{Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White};
        QTest::newRow("four-band multiplier runs on to white")
            << Band::FourBandsThird << QList<int>{Silver, Gold,  Black, Brown,  Red,  Orange,
                                                  Yellow, Green, Blue,  Violet, Grey, White};
        QTest::newRow("five-band multiplier ends at blue")
            << Band::FiveBandsFourth
            << QList<int>{Silver, Gold, Black, Brown, Red, Orange, Yellow, Green, Blue};
        QTest::newRow("four-band tolerance by rising percentage")
            << Band::FourBandsFourth << QList<int>{Green, Brown, Red, Gold, Silver, NoBand};
        QTest::newRow("five-band tolerance by colour code")
            << Band::FiveBandsFifth
            << QList<int>{Silver, Gold, Brown, Red, Green, Blue, Violet, Grey};
    }
    void popupListsCarryTheirColours()
    {
        QFETCH(Band, band);
        QFETCH(QList<int>, codes);
        const auto actual = bandColorCodes(band);
        QCOMPARE(QList<int>(actual.begin(), actual.end()), codes);
        for (int i = 0; i < codes.size(); ++i)
            QCOMPARE(positionOf(band, codes[i]), std::optional<std::uint32_t>(i));
        QVERIFY(!positionOf(band, kColorCodeCount));
    }

    // The tolerance keeps its true value: one decimal, or two where one would change it.
    void readings_data()
    {
        QTest::addColumn<QList<std::uint32_t>>("positions");
        QTest::addColumn<QString>("text");
        using P = QList<std::uint32_t>;
        QTest::newRow("brown black red gold")
            << P{0, 0, 4, 3} << "Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)";
        QTest::newRow("brown black green silver")
            << P{0, 0, 7, 4} << "Resistance: 1.00 MΩ\nTolerance: 10.0% (±0.10 MΩ)";
        QTest::newRow("yellow violet orange gold")
            << P{3, 7, 5, 3} << "Resistance: 47.00 kΩ\nTolerance: 5.0% (±2.35 kΩ)";
        QTest::newRow("brown black black brown")
            << P{0, 0, 2, 1} << "Resistance: 10.00 Ω\nTolerance: 1.0% (±0.10 Ω)";
        QTest::newRow("silver multiplier, no tolerance band")
            << P{0, 0, 0, 5} << "Resistance: 0.10 Ω\nTolerance: 20.0% (±0.02 Ω)";
        QTest::newRow("grey multiplier reaches gigaohms")
            << P{0, 0, 10, 5} << "Resistance: 1.00 GΩ\nTolerance: 20.0% (±0.20 GΩ)";
        QTest::newRow("white white white green")
            << P{8, 9, 11, 0} << "Resistance: 99.00 GΩ\nTolerance: 0.5% (±0.49 GΩ)";
        QTest::newRow("tolerance past the list shows 42")
            << P{0, 0, 2, 6} << "Resistance: 10.00 Ω\nTolerance: 42.0% (±4.20 Ω)";
        QTest::newRow("five: brown black black brown brown")
            << P{0, 0, 0, 3, 2} << "Resistance: 1.00 kΩ\nTolerance: 1.0% (±0.01 kΩ)";
        QTest::newRow("five: blue tolerance shows 0.25")
            << P{0, 0, 0, 2, 5} << "Resistance: 100.00 Ω\nTolerance: 0.25% (±0.25 Ω)";
        QTest::newRow("five: grey tolerance shows 0.05")
            << P{8, 9, 9, 8, 7} << "Resistance: 999.00 MΩ\nTolerance: 0.05% (±0.50 MΩ)";
        QTest::newRow("five: violet tolerance, silver multiplier")
            << P{0, 0, 0, 0, 6} << "Resistance: 1.00 Ω\nTolerance: 0.1% (±0.00 Ω)";
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
