#include "resistor/ResistorBands.h"
#include "resistor/ResistorDrawing.h"

#include <QTest>

using namespace zelkor::resistor;

namespace {

QList<double> bandLefts(const DrawingPlan &plan)
{
    QList<double> xs;
    for (const GradientFill &band : plan.bands)
        xs.append(band.rect.x);
    return xs;
}

} // namespace

class TestResistorDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourTable_data();
    void colourTable();
    void gradientEndsHalfWayToWhite();
    void fourBandUpdateKeepsTheFifthColour();
    void codeOutsideTheTableLeavesOnlyThatBandEmpty();
    void layouts_data();
    void layouts();
    void fractionalTopCutsOnlyTheBands();
};

void TestResistorDrawing::colourTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Rgb>("color");
    QTest::newRow("silver") << int(Silver) << Rgb{0.8, 0.8, 0.8};
    QTest::newRow("gold") << int(Gold) << Rgb{1.0, 0.76, 0.0};
    QTest::newRow("brown") << int(Brown) << Rgb{0.6, 0.4, 0.2};
    QTest::newRow("violet is purple") << int(Violet) << Rgb{0.5, 0.0, 0.5};
    QTest::newRow("grey") << int(Grey) << Rgb{0.5, 0.5, 0.5};
    QTest::newRow("no band is cyan") << int(NoBand) << kNoBandColor;
}

void TestResistorDrawing::colourTable()
{
    QFETCH(int, code);
    QFETCH(Rgb, color);
    QCOMPARE(colorForCode(code), BandColor(color));
}

void TestResistorDrawing::gradientEndsHalfWayToWhite()
{
    const Gradient white = gradientForColor({1.0, 1.0, 1.0});
    QCOMPARE(white.end, (Rgb{1.0, 1.0, 1.0}));
    const Gradient black = gradientForColor({0.0, 0.0, 0.0});
    QCOMPARE(black.start, (Rgb{0.0, 0.0, 0.0}));
    QCOMPARE(black.end, (Rgb{0.5, 0.5, 0.5}));
}

void TestResistorDrawing::fourBandUpdateKeepsTheFifthColour()
{
    BandColors colors;
    colors.setColorsByColorCodes(Red, Red, Red, Red, Blue);
    colors.setColorsByColorCodes(Brown, Black, Red, Gold);
    QVERIFY(!colors.hasFiveBands);
    QCOMPARE(colors.bands[0], colorForCode(Brown));
    QCOMPARE(colors.bands[1], colorForCode(Black));
    QCOMPARE(colors.bands[2], colorForCode(Red));
    QCOMPARE(colors.bands[3], colorForCode(Gold));
    QCOMPARE(colors.bands[4], colorForCode(Blue));
}

void TestResistorDrawing::codeOutsideTheTableLeavesOnlyThatBandEmpty()
{
    BandColors colors;
    colors.setColorsByColorCodes(13, Black, -1, Gold);
    QVERIFY(!colors.bands[0]);
    QCOMPARE(colors.bands[1], colorForCode(Black));
    QVERIFY(!colors.bands[2]);
    QCOMPARE(colors.bands[3], colorForCode(Gold));
    // An empty band is left out of the drawing; the body shows there.
    QCOMPARE(bandLefts(drawingPlan(colors, 40.0)), (QList<double>{70, 120}));
}

void TestResistorDrawing::layouts_data()
{
    QTest::addColumn<bool>("fiveBands");
    QTest::addColumn<int>("fourthCode");
    QTest::addColumn<double>("bodyWidth");
    QTest::addColumn<QList<double>>("bandXs");
    QTest::newRow("initial orange four bands")
        << false << -2 << 100.0 << QList<double>{50, 70, 90, 120};
    QTest::newRow("four bands") << false << int(Gold) << 100.0 << QList<double>{50, 70, 90, 120};
    QTest::newRow("four bands, no fourth band")
        << false << int(NoBand) << 100.0 << QList<double>{50, 70, 90};
    QTest::newRow("five bands") << true << int(Red) << 120.0 << QList<double>{50, 70, 90, 110, 140};
    QTest::newRow("five bands, no fourth band")
        << true << int(NoBand) << 120.0 << QList<double>{50, 70, 90, 140};
}

void TestResistorDrawing::layouts()
{
    QFETCH(bool, fiveBands);
    QFETCH(int, fourthCode);
    QFETCH(double, bodyWidth);
    QFETCH(QList<double>, bandXs);

    BandColors colors;
    if (fourthCode != -2) {
        if (fiveBands)
            colors.setColorsByColorCodes(Brown, Black, Black, fourthCode, NoBand);
        else
            colors.setColorsByColorCodes(Brown, Black, Red, fourthCode);
    }
    const DrawingPlan plan = drawingPlan(colors, 40.0);
    QCOMPARE(plan.body.rect, (Rect{40, 0, bodyWidth, 40}));
    QCOMPARE(plan.body.gradient.start, (Rgb{0.6, 0.6, 0.6}));
    QCOMPARE(bandLefts(plan), bandXs);
    for (const GradientFill &band : plan.bands)
        QCOMPARE(band.rect.width, 10.0);

    const Line &left = plan.leads[0];
    const Line &right = plan.leads[1];
    QCOMPARE((QList<double>{left.x1, left.y1, left.x2, left.y2}), (QList<double>{0, 0, 40, 20}));
    QCOMPARE((QList<double>{right.x1, right.y1, right.x2, right.y2}),
             (QList<double>{40 + bodyWidth, 20, 80 + bodyWidth, 0}));
    if (fiveBands) // only the fourth band is left out for "no band"
        QCOMPARE(plan.bands.back().gradient.start, kNoBandColor);
}

void TestResistorDrawing::fractionalTopCutsOnlyTheBands()
{
    const DrawingPlan plan = drawingPlan(BandColors{}, 30.75);
    QCOMPARE(plan.body.rect.height, 30.75);
    QCOMPARE(plan.leads[0].y2, 15.375);
    for (const GradientFill &band : plan.bands)
        QCOMPARE(band.rect.height, 30.0);
}

QTEST_GUILESS_MAIN(TestResistorDrawing)
#include "tst_resistordrawing.moc"
