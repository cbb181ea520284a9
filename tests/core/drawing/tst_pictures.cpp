// SPDX-License-Identifier: GPL-3.0-or-later

// The painted pictures as data: the display's bezel, glass and gloss keep their places at every
// size, and the icon's shapes stay on its tile. Positions are y-up, as the plans give them.

#include "core/drawing/Pictures.h"

#include <QTest>

using namespace zelkor::views;

namespace {

bool inside(const QRectF &outer, const QRectF &inner)
{
    constexpr double e = 1e-9;
    return inner.left() >= outer.left() - e && inner.right() <= outer.right() + e &&
           inner.top() >= outer.top() - e && inner.bottom() <= outer.bottom() + e;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayKeepsItsBezelAtEverySize_data()
    {
        QTest::addColumn<QSizeF>("size");
        // The gloss's lower edge: at the right 7 + 0.46 of the glass's inner height below the
        // top, at the left 6 further down.
        QTest::addColumn<double>("glossRight");
        QTest::newRow("display") << kDisplaySize << 120 - (7 + 0.46 * 106);
        QTest::newRow("small display") << kSmallDisplaySize << 64 - (7 + 0.46 * 50);
        QTest::newRow("taller than wide") << QSizeF(200, 300) << 300 - (7 + 0.46 * 286);
    }
    void displayKeepsItsBezelAtEverySize()
    {
        QFETCH(QSizeF, size);
        QFETCH(double, glossRight);
        const Picture p = displayPicture(size);
        const QRectF whole(QPointF(0, 0), size);
        QCOMPARE(p.size, size);
        QCOMPARE(p.shapes.size(), std::size_t(6));
        QCOMPARE(p.shapes[0].bounds(), whole); // the bezel's edge runs round the picture
        for (const PictureShape &shape : p.shapes)
            QVERIFY(inside(whole, shape.bounds()));

        const PictureShape &glass = p.shapes[2];
        QCOMPARE(glass.rect, QRectF(6, 6, size.width() - 12, size.height() - 12));
        QCOMPARE_GT(glass.from.y(), glass.to.y()); // darker towards the bottom

        const PictureShape &gloss = p.shapes[4];
        const QRectF innerGlass = glass.rect.adjusted(1, 1, -1, -1);
        QVERIFY(inside(innerGlass, gloss.bounds()));
        QCOMPARE(gloss.bounds().bottom(), innerGlass.bottom()); // from the glass's top edge
        QCOMPARE(gloss.outline[3].to, QPointF(size.width() - 7, glossRight));
        QCOMPARE(gloss.outline[4].to, QPointF(7, glossRight - 6));
    }

    void noDisplayWhereTheGlassCannotFit()
    {
        QVERIFY(displayPicture(QSizeF(20, 120)).shapes.empty());
        QVERIFY(displayPicture(QSizeF(416, 23)).shapes.empty());
        QVERIFY(displayPicture(QSizeF()).shapes.empty());
    }

    void iconShapesStayOnTheTile()
    {
        const Picture icon = appIconPicture();
        QCOMPARE(icon.size, QSizeF(128, 128));
        const QRectF tile = icon.shapes.front().bounds();
        QCOMPARE(tile, QRectF(3, 3, 122, 122)); // 120 points and half the 2-point edge
        for (const PictureShape &shape : icon.shapes)
            QVERIFY(inside(tile, shape.bounds()));
        // The bands sit across the body, each of one colour.
        const QRectF body = icon.shapes[3].rect;
        for (std::size_t band = 4; band < 8; ++band) {
            QVERIFY(inside(body, icon.shapes[band].rect));
            QCOMPARE(icon.shapes[band].fill.size(), std::size_t(1));
        }
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
