// SPDX-License-Identifier: GPL-3.0-or-later

// The resistor drawing: the plan as data (rectangles, lines, gradients) and, where the eye would
// notice, the rendered pixels.

#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "gui/resistor/ResistorView.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace zelkor::resistor;

namespace {

constexpr int kHeight = 40;
constexpr Rgb kBody{0.6, 0.6, 0.6};

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
    const auto mix = [t](double a, double b) { return float(a + (b - a) * t); };
    return QColor::fromRgbF(mix(g.start.red, g.end.red), mix(g.start.green, g.end.green),
                            mix(g.start.blue, g.end.blue));
}

QColor qColor(const Rgb &c)
{
    return QColor::fromRgbF(float(c.red), float(c.green), float(c.blue));
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
    void gradientEndsHalfWayToWhite()
    {
        const Gradient brown = gradientForColor({0.6, 0.4, 0.2});
        QCOMPARE(brown.start, (Rgb{0.6, 0.4, 0.2}));
        QCOMPARE(brown.end, (Rgb{0.8, 0.7, 0.6}));
    }

    // What the names mean to the eye, all within range and no two codes alike.
    void coloursLookLikeTheirNames()
    {
        QSet<QRgb> distinct;
        for (int code = 0; code < kColorCodeCount; ++code) {
            const Rgb c = colorForCode(code).value();
            for (const double component : {c.red, c.green, c.blue})
                QVERIFY(component >= 0.0 && component <= 1.0);
            distinct.insert(qColor(c).rgb());
        }
        QCOMPARE(distinct.size(), kColorCodeCount);
        const std::array<int, 3> hues[] = {{Red, 0, 0},      {Orange, 25, 35},  {Brown, 25, 35},
                                           {Gold, 40, 50},   {Yellow, 60, 60},  {Green, 120, 120},
                                           {Blue, 240, 240}, {Violet, 280, 310}};
        for (const auto &[code, from, to] : hues) {
            const int hue = qColor(*colorForCode(code)).hue();
            QVERIFY2(hue >= from && hue <= to, qPrintable(QString::number(code)));
        }
    }

    void codeOutsideTheTableLeavesOnlyThatBandEmpty()
    {
        BandColors colors;
        colors.setColorsByColorCodes(kColorCodeCount, Silver, -1, Gold);
        QVERIFY(!colors.bands[0]);
        QVERIFY(!colors.bands[2]);
        // An empty band is left out of the drawing; the body shows there.
        QCOMPARE(bandLefts(drawingPlan(colors, 40.0)), (QList<double>{70, 120}));
    }

    void layouts_data()
    {
        QTest::addColumn<int>("bands");
        QTest::addColumn<int>("fourthCode");
        QTest::addColumn<double>("bodyWidth");
        QTest::addColumn<QList<double>>("bandXs");
        QTest::newRow("four bands") << 4 << int(Gold) << 100.0 << QList<double>{50, 70, 90, 120};
        QTest::newRow("five bands, no fourth band")
            << 5 << int(NoBand) << 120.0 << QList<double>{50, 70, 90, 140};
        // The tolerance band stands 20 after the multiplier, the coefficient right after it.
        QTest::newRow("six bands")
            << 6 << int(Black) << 140.0 << QList<double>{50, 70, 90, 110, 140, 160};
    }
    void layouts()
    {
        QFETCH(int, bands);
        QFETCH(int, fourthCode);
        QFETCH(double, bodyWidth);

        BandColors colors;
        if (bands == 6)
            colors.setColorsByColorCodes(Brown, Black, Black, fourthCode, Brown, Red);
        else if (bands == 5)
            colors.setColorsByColorCodes(Brown, Black, Black, fourthCode, NoBand);
        else
            colors.setColorsByColorCodes(Brown, Black, Red, fourthCode);
        const DrawingPlan plan = drawingPlan(colors, 40.0);
        QCOMPARE(plan.body.rect, (Rect{40, 0, bodyWidth, 40}));
        QTEST(bandLefts(plan), "bandXs");
        for (const GradientFill &band : plan.bands)
            QCOMPARE(band.rect.width, 10.0);

        const Line &left = plan.leads[0];
        const Line &right = plan.leads[1];
        QCOMPARE((QList<double>{left.x1, left.y1, left.x2, left.y2, left.width}),
                 (QList<double>{0, 0, 40, 20, 0.5}));
        QCOMPARE((QList<double>{right.x1, right.y1, right.x2, right.y2}),
                 (QList<double>{40 + bodyWidth, 20, 80 + bodyWidth, 0}));
        if (bands == 5) // only the fourth band is left out for "no band"
            QCOMPARE(plan.bands.back().gradient.start, kNoBandColor);
    }

    void fractionalTopCutsOnlyTheBands()
    {
        const DrawingPlan plan = drawingPlan(BandColors{}, 30.75);
        QCOMPARE(plan.body.rect.height, 30.75);
        QCOMPARE(plan.leads[0].y2, 15.375);
        QCOMPARE(plan.bands.size(), std::size_t(4));
        for (const GradientFill &band : plan.bands)
            QCOMPARE(band.rect.height, 30.0);
        QCOMPARE(drawingPlan(BandColors{}, 0.0).bands[0].rect.height, 0.0);
    }

    // The y-up plan turned over for Qt: the dark end of each gradient at the bottom, and every
    // band at its place in its own colour.
    void bandsShowTheirColours()
    {
        ResistorView view;
        const int codes[] = {Brown, Black, White, Blue, Grey};
        view.setColorsByColorCodes(codes[0], codes[1], codes[2], codes[3], codes[4]);
        const QImage image = render(view);
        for (const int row : {0, kHeight / 2, kHeight - 1}) {
            QVERIFY(near(image.pixelColor(45, row), gradientAt(kBody, row)));
            for (int i = 0; i < 5; ++i) {
                const QColor actual =
                    image.pixelColor(i < 3 ? 55 + 20 * i : 115 + 30 * (i - 3), row);
                QVERIFY2(near(actual, gradientAt(*colorForCode(codes[i]), row)),
                         qPrintable(QStringLiteral("band %1, row %2: %3")
                                        .arg(i + 1)
                                        .arg(row)
                                        .arg(actual.name())));
            }
        }
    }
};

QTEST_MAIN(TestResistorView)
#include "tst_resistorview.moc"
