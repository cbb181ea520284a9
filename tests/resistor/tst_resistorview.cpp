#include "resistor/ResistorBands.h"
#include "resistor/ResistorView.h"

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

} // namespace

class TestResistorView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bandsShowTheirColours_data();
    void bandsShowTheirColours();
    void bodyIsDarkestAtTheBottom();
    void noBandShowsTheBody_data();
    void noBandShowsTheBody();
    void fiveBandsAreTwentyWider();
};

void TestResistorView::bandsShowTheirColours_data()
{
    QTest::addColumn<bool>("fiveBands");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("centres");
    QTest::newRow("initial orange")
        << false << QList<int>{Orange, Orange, Orange, Orange} << QList<int>{55, 75, 95, 125};
    QTest::newRow("four bands") << false << QList<int>{Yellow, Violet, Orange, Gold}
                                << QList<int>{55, 75, 95, 125};
    QTest::newRow("five bands") << true << QList<int>{Brown, Black, White, Blue, Grey}
                                << QList<int>{55, 75, 95, 115, 145};
}

void TestResistorView::bandsShowTheirColours()
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

void TestResistorView::bodyIsDarkestAtTheBottom()
{
    ResistorView view;
    view.setColorsByColorCodes(Red, Red, Red, Red);
    const QImage image = render(view);
    for (int x : {45, 55}) { // body, band
        QVERIFY(image.pixelColor(x, kHeight - 1).lightness() < image.pixelColor(x, 0).lightness());
    }
    QVERIFY(near(image.pixelColor(45, kHeight - 1), gradientAt({0.6, 0.6, 0.6}, kHeight - 1)));
}

void TestResistorView::noBandShowsTheBody_data()
{
    QTest::addColumn<bool>("fiveBands");
    QTest::addColumn<int>("fourthBandX");
    QTest::newRow("four bands") << false << 125;
    QTest::newRow("five bands") << true << 115;
}

void TestResistorView::noBandShowsTheBody()
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
    QVERIFY(near(image.pixelColor(55, kHeight / 2), gradientAt(*colorForCode(Brown), kHeight / 2)));
}

void TestResistorView::fiveBandsAreTwentyWider()
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

QTEST_MAIN(TestResistorView)
#include "tst_resistorview.moc"
