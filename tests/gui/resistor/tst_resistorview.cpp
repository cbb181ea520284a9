// The resistor drawing: the plan as data (rectangles, lines, colours) and the rendered pixels.

#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "gui/resistor/ResistorView.h"

#include <QImage>
#include <QTest>

using namespace zelkor::resistor;

namespace {

constexpr int kHeight = 40;

QImage render(ResistorView &view)
{
    view.resize(220, kHeight);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, {}, {}, QWidget::DrawChildren); // no window background
    return image;
}

// The colour a gradient has at device row y, counted from the top like QImage does.
QColor gradientAt(const Rgb &color, int y)
{
    const Gradient g = gradientForColor(color);
    const double t = (kHeight - (y + 0.5)) / kHeight; // 0 at the bottom edge
    const auto mix = [t](double a, double b) { return a + (b - a) * t; };
    return QColor::fromRgbF(float(mix(g.start.red, g.end.red)),
                            float(mix(g.start.green, g.end.green)),
                            float(mix(g.start.blue, g.end.blue)));
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
           std::abs(a.blue() - b.blue()) <= 3 && a.alpha() == 255;
}

QList<double> bandLefts(const DrawingPlan &plan)
{
    QList<double> xs;
    for (const GradientFill &band : plan.bands)
        xs.append(band.rect.x);
    return xs;
}

} // namespace

class TestResistorView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourTable_data()
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

    void colourTable()
    {
        QFETCH(int, code);
        QFETCH(Rgb, color);
        QCOMPARE(colorForCode(code), BandColor(color));
    }

    void gradientEndsHalfWayToWhite()
    {
        const Gradient white = gradientForColor({1.0, 1.0, 1.0});
        QCOMPARE(white.end, (Rgb{1.0, 1.0, 1.0}));
        const Gradient black = gradientForColor({0.0, 0.0, 0.0});
        QCOMPARE(black.start, (Rgb{0.0, 0.0, 0.0}));
        QCOMPARE(black.end, (Rgb{0.5, 0.5, 0.5}));
    }

    void fourBandUpdateKeepsTheFifthColour()
    {
        BandColors colors;
        colors.setColorsByColorCodes(Red, Red, Red, Red, Blue);
        colors.setColorsByColorCodes(Brown, Black, Red, Gold);
        QVERIFY(!colors.hasFiveBands);
        const int drawn[] = {Brown, Black, Red, Gold, Blue};
        for (std::size_t i = 0; i < 5; ++i)
            QCOMPARE(colors.bands[i], colorForCode(drawn[i]));
    }

    void codeOutsideTheTableLeavesOnlyThatBandEmpty()
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

    void layouts_data()
    {
        QTest::addColumn<bool>("fiveBands");
        QTest::addColumn<int>("fourthCode");
        QTest::addColumn<double>("bodyWidth");
        QTest::addColumn<QList<double>>("bandXs");
        QTest::newRow("initial orange four bands")
            << false << -2 << 100.0 << QList<double>{50, 70, 90, 120};
        QTest::newRow("four bands")
            << false << int(Gold) << 100.0 << QList<double>{50, 70, 90, 120};
        QTest::newRow("four bands, no fourth band")
            << false << int(NoBand) << 100.0 << QList<double>{50, 70, 90};
        QTest::newRow("five bands")
            << true << int(Red) << 120.0 << QList<double>{50, 70, 90, 110, 140};
        QTest::newRow("five bands, no fourth band")
            << true << int(NoBand) << 120.0 << QList<double>{50, 70, 90, 140};
    }

    void layouts()
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
        QCOMPARE((QList<double>{left.x1, left.y1, left.x2, left.y2}),
                 (QList<double>{0, 0, 40, 20}));
        QCOMPARE((QList<double>{right.x1, right.y1, right.x2, right.y2}),
                 (QList<double>{40 + bodyWidth, 20, 80 + bodyWidth, 0}));
        if (fiveBands) // only the fourth band is left out for "no band"
            QCOMPARE(plan.bands.back().gradient.start, kNoBandColor);
    }

    void fractionalTopCutsOnlyTheBands()
    {
        const DrawingPlan plan = drawingPlan(BandColors{}, 30.75);
        QCOMPARE(plan.body.rect.height, 30.75);
        QCOMPARE(plan.leads[0].y2, 15.375);
        for (const GradientFill &band : plan.bands)
            QCOMPARE(band.rect.height, 30.0);
    }

    void bandsShowTheirColours_data()
    {
        QTest::addColumn<bool>("fiveBands");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QList<int>>("centres");
        QTest::newRow("initial orange")
            << false << QList<int>{Orange, Orange, Orange, Orange} << QList<int>{55, 75, 95, 125};
        QTest::newRow("four bands")
            << false << QList<int>{Yellow, Violet, Orange, Gold} << QList<int>{55, 75, 95, 125};
        QTest::newRow("five bands") << true << QList<int>{Brown, Black, White, Blue, Grey}
                                    << QList<int>{55, 75, 95, 115, 145};
    }

    void bandsShowTheirColours()
    {
        QFETCH(bool, fiveBands);
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, centres);
        ResistorView view;
        if (fiveBands)
            view.setColorsByColorCodes(codes[0], codes[1], codes[2], codes[3], codes[4]);
        else if (codes != QList<int>{Orange, Orange, Orange, Orange})
            view.setColorsByColorCodes(codes[0], codes[1], codes[2], codes[3]);
        const QImage image = render(view);
        for (int i = 0; i < codes.size(); ++i) {
            const QColor expected = gradientAt(*colorForCode(codes[i]), kHeight / 2);
            const QColor actual = image.pixelColor(centres[i], kHeight / 2);
            QVERIFY2(near(actual, expected), qPrintable(QStringLiteral("band %1: %2, expected %3")
                                                            .arg(i + 1)
                                                            .arg(actual.name(), expected.name())));
        }
    }

    void bodyIsDarkestAtTheBottom()
    {
        ResistorView view;
        view.setColorsByColorCodes(Red, Red, Red, Red);
        const QImage image = render(view);
        for (int x : {45, 55}) { // body, band
            QVERIFY(image.pixelColor(x, kHeight - 1).lightness() <
                    image.pixelColor(x, 0).lightness());
        }
        QVERIFY(near(image.pixelColor(45, kHeight - 1), gradientAt({0.6, 0.6, 0.6}, kHeight - 1)));
    }

    void noBandShowsTheBody_data()
    {
        QTest::addColumn<bool>("fiveBands");
        QTest::addColumn<int>("fourthBandX");
        QTest::newRow("four bands") << false << 125;
        QTest::newRow("five bands") << true << 115;
    }

    void noBandShowsTheBody()
    {
        QFETCH(bool, fiveBands);
        QFETCH(int, fourthBandX);
        ResistorView view;
        if (fiveBands)
            view.setColorsByColorCodes(Brown, Black, Black, NoBand, Brown);
        else
            view.setColorsByColorCodes(Brown, Black, Red, NoBand);
        const QImage image = render(view);
        const QColor body = gradientAt({0.6, 0.6, 0.6}, kHeight / 2);
        QVERIFY(near(image.pixelColor(fourthBandX, kHeight / 2), body));
        QVERIFY(
            near(image.pixelColor(55, kHeight / 2), gradientAt(*colorForCode(Brown), kHeight / 2)));
    }

    void fiveBandsAreTwentyWider()
    {
        ResistorView view;
        view.setColorsByColorCodes(Brown, Black, Red, Gold);
        const QImage four = render(view);
        view.setColorsByColorCodes(Brown, Black, Black, Brown, Brown);
        const QImage five = render(view);

        // Near the top, away from where the leads meet the body.
        const int row = 5;
        const QColor body = gradientAt({0.6, 0.6, 0.6}, row);
        QVERIFY(near(four.pixelColor(139, row), body));
        QCOMPARE(four.pixelColor(141, row).alpha(), 0);
        QVERIFY(near(five.pixelColor(159, row), body));
        QCOMPARE(five.pixelColor(161, row).alpha(), 0);
        // The right lead reaches the bottom edge at 180 and at 200.
        QVERIFY(four.pixelColor(179, kHeight - 1).alpha() > 0);
        QCOMPARE(four.pixelColor(199, kHeight - 1).alpha(), 0);
        QVERIFY(five.pixelColor(199, kHeight - 1).alpha() > 0);
    }
};

QTEST_MAIN(TestResistorView)
#include "tst_resistorview.moc"
