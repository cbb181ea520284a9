// The panel chrome's drawing plans, checked as data in their own y-up coordinates.

#include "views/CenteredTextRect.h"
#include "views/DisplayDrawing.h"
#include "views/HeaderDrawing.h"
#include "views/YUpSpace.h"

#include <limits>
#include <QTest>

using namespace zelkor::views;

class TestChromeDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerSplitsAtHalfItsHeight_data();
    void headerSplitsAtHalfItsHeight();
    void yUpGeometryTurnsOverForQt();
    void displayDrawing_data();
    void displayDrawing();
    void centeredTextRect_data();
    void centeredTextRect();
};

void TestChromeDrawing::headerSplitsAtHalfItsHeight_data()
{
    QTest::addColumn<QRectF>("drawn");
    QTest::addColumn<QRectF>("lower");
    QTest::addColumn<QRectF>("upper");
    QTest::addColumn<double>("topLineY");

    QTest::newRow("whole 300x40 header")
        << QRectF(0, 0, 300, 40) << QRectF(0, 0, 300, 20) << QRectF(0, 20, 300, 20) << 40.0;
    QTest::newRow("odd height splits mid-pixel")
        << QRectF(0, 0, 120, 41) << QRectF(0, 0, 120, 20.5) << QRectF(0, 20.5, 120, 20.5) << 41.0;
    // The strip always starts at the origin and reaches to the drawn area's far edges.
    QTest::newRow("drawn area away from the origin")
        << QRectF(10, 5, 100, 35) << QRectF(0, 0, 110, 20) << QRectF(0, 20, 110, 20) << 40.0;
}

void TestChromeDrawing::headerSplitsAtHalfItsHeight()
{
    QFETCH(QRectF, drawn);
    QFETCH(QRectF, lower);
    QFETCH(QRectF, upper);
    QFETCH(double, topLineY);

    const HeaderDrawing d = headerDrawing(drawn);
    QCOMPARE(d.fill, drawn);
    QCOMPARE(d.lowerHalf.rect, lower);
    QCOMPARE(d.upperHalf.rect, upper);
    QCOMPARE(d.topLine.from, QPointF(0, topLineY));
    QCOMPARE(d.topLine.to, QPointF(upper.width(), topLineY));
    QCOMPARE(d.bottomLine.from, QPointF(0, 0));
    QCOMPARE(d.bottomLine.to, QPointF(lower.width(), 0));
}

void TestChromeDrawing::yUpGeometryTurnsOverForQt()
{
    const YUpSpace header(40);
    QCOMPARE(header.toQt(QPointF(0, 40)), QPointF(0, 0));
    QCOMPARE(header.toQt(QPointF(7, 0)), QPointF(7, 40));
    QCOMPARE(header.toQt(QRectF(0, 20, 300, 20)), QRectF(0, 0, 300, 20));
    QCOMPARE(header.toQt(QRectF(0, 0, 300, 20)), QRectF(0, 20, 300, 20));
    // An image's bottom-left part is its bottom rows in Qt.
    QCOMPARE(YUpSpace(120).toQt(QRectF(0, 0, 416, 100)), QRectF(0, 20, 416, 100));
}

void TestChromeDrawing::displayDrawing_data()
{
    QTest::addColumn<QSizeF>("view");
    QTest::addColumn<QSizeF>("image");
    QTest::addColumn<QRectF>("target");
    QTest::addColumn<QRectF>("source");

    QTest::newRow("416x100 view shows the image unscaled")
        << QSizeF(416, 100) << QSizeF(416, 120) << QRectF(0, 0, 416, 100) << QRectF(0, 0, 416, 100);
    QTest::newRow("208 wide view stretches its width of the image to 416")
        << QSizeF(208, 100) << QSizeF(416, 120) << QRectF(0, 0, 416, 100) << QRectF(0, 0, 208, 100);
    QTest::newRow("view taller than the image leaves the top undrawn")
        << QSizeF(416, 100) << QSizeF(416, 64) << QRectF(0, 0, 416, 64) << QRectF(0, 0, 416, 64);
    QTest::newRow("view wider than the image squeezes what there is")
        << QSizeF(832, 64) << QSizeF(416, 64) << QRectF(0, 0, 208, 64) << QRectF(0, 0, 416, 64);
    QTest::newRow("missing image draws nothing")
        << QSizeF(416, 100) << QSizeF() << QRectF() << QRectF();
    QTest::newRow("empty view draws nothing")
        << QSizeF(0, 0) << QSizeF(416, 120) << QRectF() << QRectF();
}

void TestChromeDrawing::displayDrawing()
{
    QFETCH(QSizeF, view);
    QFETCH(QSizeF, image);
    QFETCH(QRectF, target);
    QFETCH(QRectF, source);

    const DisplayDrawing d = clippedToImage(zelkor::views::displayDrawing(view), image);
    QCOMPARE(d.target, target);
    QCOMPARE(d.source, source);
}

void TestChromeDrawing::centeredTextRect_data()
{
    QTest::addColumn<QRectF>("base");
    QTest::addColumn<double>("textHeight");
    QTest::addColumn<QRectF>("expected");

    QTest::newRow("room to spare: centred and indented")
        << QRectF(2, 3, 100, 40) << 20.0 << QRectF(12, 13, 90, 20);
    QTest::newRow("odd spare height moves by half a point")
        << QRectF(0, 0, 100, 25) << 20.0 << QRectF(10, 2.5, 90, 20);
    QTest::newRow("exact fit: unchanged, no indent")
        << QRectF(0, 0, 100, 20) << 20.0 << QRectF(0, 0, 100, 20);
    QTest::newRow("too low: unchanged") << QRectF(0, 0, 100, 15) << 20.0 << QRectF(0, 0, 100, 15);
    QTest::newRow("unknown text height: unchanged")
        << QRectF(0, 0, 100, 40) << std::numeric_limits<double>::quiet_NaN()
        << QRectF(0, 0, 100, 40);
}

void TestChromeDrawing::centeredTextRect()
{
    QFETCH(QRectF, base);
    QFETCH(double, textHeight);
    QFETCH(QRectF, expected);

    QCOMPARE(verticallyCenteredTextRect(base, textHeight), expected);
}

QTEST_APPLESS_MAIN(TestChromeDrawing)
#include "tst_chromedrawing.moc"
