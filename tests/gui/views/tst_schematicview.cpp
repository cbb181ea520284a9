// SPDX-License-Identifier: GPL-3.0-or-later

// A circuit drawing on screen, in a light and a dark palette: drawn in the text colour, centred
// across the view and at its top without painting around itself, and copied as a sharp image at 200
// %.

#include "core/drawing/CircuitDrawings.h"
#include "core/drawing/YUpSpace.h"
#include "gui/views/SchematicView.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTest>

using namespace zelkor::views;

Q_DECLARE_METATYPE(zelkor::views::SchematicPlan)

namespace {

const QColor kUntouched(255, 0, 255);

bool near(QRgb pixel, const QColor &colour)
{
    return qAbs(qRed(pixel) - colour.red()) < 24 && qAbs(qGreen(pixel) - colour.green()) < 24 &&
           qAbs(qBlue(pixel) - colour.blue()) < 24;
}

int count(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += near(image.pixel(x, y), colour);
    return n;
}

// Ink on white, antialiased text's thin strokes included.
int dark(const QImage &image, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 160;
    return n;
}

} // namespace

class TestSchematicView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void paintsInThePalette_data()
    {
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("paper");
        QTest::newRow("light") << QColor(Qt::black) << QColor(240, 240, 240);
        QTest::newRow("dark") << QColor(230, 230, 230) << QColor(40, 40, 40);
    }
    void paintsInThePalette()
    {
        QFETCH(QColor, ink);
        QFETCH(QColor, paper);
        SchematicView view;
        QPalette palette = view.palette();
        palette.setColor(QPalette::WindowText, ink);
        palette.setColor(QPalette::Text, ink);
        palette.setColor(QPalette::Window, paper);
        palette.setColor(QPalette::Base, paper);
        view.setPalette(palette);
        view.setPlan(voltageDividerDrawing({12.0, 2400.0, 910.0, 10e3, 3.3}));
        const QSize drawn = view.sizeHint();
        // Wider than the drawing: it stays at its own scale, centred, with bare sides.
        view.resize(drawn.width() + 200, drawn.height());

        QImage image(view.size(), QImage::Format_ARGB32);
        image.fill(kUntouched);
        view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        const QRect left(0, 0, 90, view.height());
        const QRect right(view.width() - 90, 0, 90, view.height());
        QCOMPARE(count(image, left, kUntouched), left.width() * left.height());
        QCOMPARE(count(image, right, kUntouched), right.width() * right.height());
        const QRect middle(100, 0, drawn.width(), drawn.height());
        const int inked = count(image, middle, ink);
        QVERIFY2(inked > 500, qPrintable(QString::number(inked)));

        const QImage copy = view.image(2.0);
        QCOMPARE(copy.size(), (view.plan().bounds.size() * 2).toSize());
        QCOMPARE(copy.devicePixelRatio(), 2.0);
        // Twice the size, four times the ink: the lines are drawn at the finer pixels.
        const int copyInk = count(copy, copy.rect(), ink);
        QVERIFY2(copyInk > 3 * inked, qPrintable(QString::number(copyInk)));
        QVERIFY(near(copy.pixel(1, 1), paper));
    }

    // Every kind of drawing, painted: each label's text and each symbol show where the plan
    // put them, turned over from y-up correctly.
    void everyKindPaintsWhereItsPlanSays_data()
    {
        using zelkor::ne555::Circuit;
        QTest::addColumn<SchematicPlan>("plan");
        QTest::newRow("LED") << ledDroppingResistorDrawing({12.0, 470.0, 2.1, 0.02});
        QTest::newRow("divider") << voltageDividerDrawing({12.0, 2400.0, 910.0, 10e3, 3.3});
        QTest::newRow("regulator")
            << adjustableRegulatorDrawing({zelkor::regulator::Kind::LM317, 240.0, 720.0, 5.0});
        QTest::newRow("inverting amplifier")
            << opAmpGainDrawing({zelkor::opamp::Circuit::Inverting, 47e3, 10e3});
        QTest::newRow("RC") << rcLowPassDrawing({10e3, 100e-9, 159.155});
        QTest::newRow("LC") << lcResonantDrawing({10e-6, 100e-9, 159.155e3});
        QTest::newRow("555 above its output")
            << above(timerDrawing({Circuit::Astable, 1e3, 10e3, 10e-9}),
                     timerWaveformDrawing({Circuit::Astable, 75.9e-6, 69e-6}));
        QTest::newRow("thermal path")
            << thermalPathDrawing({10.0, 100.0, 85.0, 80.0, 25.0, 1.5, 0.5, 5.5});
    }
    void everyKindPaintsWhereItsPlanSays()
    {
        QFETCH(SchematicPlan, plan);
        SchematicView view;
        QPalette palette = view.palette();
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Base, Qt::white);
        view.setPalette(palette);
        view.setPlan(plan);
        const YUpSpace space(plan.bounds.bottom());
        const auto onImage = [&](const QRectF &box) {
            return space.toQt(box).translated(-plan.bounds.x(), 0).toAlignedRect();
        };
        const QImage image = view.image(1.0).convertToFormat(QImage::Format_RGB32);
        for (const Label &label : std::as_const(plan.labels))
            QVERIFY2(dark(image, onImage(label.box) & image.rect()) > 0, qPrintable(label.text));
        for (const Part &part : std::as_const(plan.parts))
            QVERIFY2(dark(image, onImage(part.box) & image.rect()) > 0, qPrintable(part.name));
    }

    void keepsToTheTop()
    {
        SchematicView view;
        view.setPlan(voltageDividerDrawing({12.0, 2400.0, 910.0, 10e3, 3.3}));
        const QSize drawn = view.sizeHint();
        view.resize(drawn.width(), drawn.height() + 100);
        QImage image(view.size(), QImage::Format_ARGB32);
        image.fill(kUntouched);
        view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QRect below(0, drawn.height() + 1, view.width(), 99);
        QCOMPARE(count(image, below, kUntouched), below.width() * below.height());
        const QRect top(0, 0, drawn.width(), drawn.height());
        QVERIFY(count(image, top, kUntouched) < top.width() * top.height());
    }

    void emptyPlanPaintsNothing()
    {
        SchematicView view;
        view.resize(100, 50);
        QVERIFY(view.image(2.0).isNull());
        QImage image(view.size(), QImage::Format_ARGB32);
        image.fill(kUntouched);
        view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(count(image, image.rect(), kUntouched), 100 * 50);
    }
};

QTEST_MAIN(TestSchematicView)
#include "tst_schematicview.moc"
