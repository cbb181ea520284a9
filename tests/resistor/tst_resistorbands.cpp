#include "resistor/ResistorBands.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace zelkor::resistor;

using FourPositions = std::array<std::uint32_t, 4>;
using FivePositions = std::array<std::uint32_t, 5>;

class TestResistorBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void popupListsCarryTheirColours_data();
    void popupListsCarryTheirColours();
    void fourBands_data();
    void fourBands();
    void fiveBands_data();
    void fiveBands();
    void toleranceKeepsItsTrueValue_data();
    void toleranceKeepsItsTrueValue();
};

void TestResistorBands::popupListsCarryTheirColours_data()
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
        << Band::FiveBandsFifth << QList<int>{Silver, Gold, Brown, Red, Green, Blue, Violet, Grey};
}

void TestResistorBands::popupListsCarryTheirColours()
{
    QFETCH(Band, band);
    QFETCH(QList<int>, codes);
    const auto actual = bandColorCodes(band);
    QCOMPARE(QList<int>(actual.begin(), actual.end()), codes);
    for (int i = 0; i < codes.size(); ++i)
        QCOMPARE(positionOf(band, codes[i]), std::optional<std::uint32_t>(i));
    QVERIFY(!positionOf(band, kColorCodeCount));
}

void TestResistorBands::fourBands_data()
{
    QTest::addColumn<FourPositions>("positions");
    QTest::addColumn<QString>("text");
    using P = FourPositions;
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
}

void TestResistorBands::fourBands()
{
    QFETCH(FourPositions, positions);
    QFETCH(QString, text);
    const Reading r = fourBandsReading(positions);
    QCOMPARE(parseStringsFor(r.resistance, r.tolerance), text);
}

void TestResistorBands::fiveBands_data()
{
    QTest::addColumn<FivePositions>("positions");
    QTest::addColumn<QString>("text");
    using P = FivePositions;
    QTest::newRow("brown black black brown brown")
        << P{0, 0, 0, 3, 2} << "Resistance: 1.00 kΩ\nTolerance: 1.0% (±0.01 kΩ)";
    QTest::newRow("blue tolerance shows 0.25")
        << P{0, 0, 0, 2, 5} << "Resistance: 100.00 Ω\nTolerance: 0.25% (±0.25 Ω)";
    QTest::newRow("grey tolerance shows 0.05")
        << P{8, 9, 9, 8, 7} << "Resistance: 999.00 MΩ\nTolerance: 0.05% (±0.50 MΩ)";
    QTest::newRow("violet tolerance, silver multiplier")
        << P{0, 0, 0, 0, 6} << "Resistance: 1.00 Ω\nTolerance: 0.1% (±0.00 Ω)";
    QTest::newRow("multiplier past the list gives zero")
        << P{0, 0, 0, 9, 2} << "Resistance: 0.00 Ω\nTolerance: 1.0% (±0.00 Ω)";
    QTest::newRow("tolerance past the list gives zero")
        << P{0, 0, 0, 3, 8} << "Resistance: 1.00 kΩ\nTolerance: 0.0% (±0.00 kΩ)";
}

void TestResistorBands::fiveBands()
{
    QFETCH(FivePositions, positions);
    QFETCH(QString, text);
    const Reading r = fiveBandsReading(positions);
    QCOMPARE(parseStringsFor(r.resistance, r.tolerance), text);
}

void TestResistorBands::toleranceKeepsItsTrueValue_data()
{
    QTest::addColumn<float>("tolerance");
    QTest::addColumn<QString>("text");
    QTest::newRow("20") << 20.0f << "20.0";
    QTest::newRow("0.5") << 0.5f << "0.5";
    QTest::newRow("0.25 needs two decimals") << 0.25f << "0.25";
    QTest::newRow("0.1 is one decimal") << 0.1f << "0.1";
    QTest::newRow("0.05 needs two decimals") << 0.05f << "0.05";
    QTest::newRow("0") << 0.0f << "0.0";
}

void TestResistorBands::toleranceKeepsItsTrueValue()
{
    QFETCH(float, tolerance);
    QFETCH(QString, text);
    QCOMPARE(toleranceText(tolerance), text);
}

QTEST_GUILESS_MAIN(TestResistorBands)
#include "tst_resistorbands.moc"
