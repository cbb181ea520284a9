// SPDX-License-Identifier: GPL-3.0-or-later

// The panel chrome: the drawing plans as data in their own y-up coordinates, then the pixels
// of the header and the display frames, where a result field puts its text and marks a chosen
// entry, and how plainly a segmented control shows its checked segment.

#include "core/drawing/CenteredTextRect.h"
#include "core/drawing/HeaderDrawing.h"
#include "gui/views/CheckedSegments.h"
#include "gui/views/ColorBandComboBox.h"
#include "gui/views/DisplayView.h"
#include "gui/views/HeaderView.h"
#include "gui/views/LinearShade.h"
#include "gui/views/PicturePainter.h"
#include "gui/views/SelectOnPress.h"
#include "gui/views/SmallDisplayView.h"
#include "gui/views/VerticallyCenteredTextCell.h"
#include "support/TestSupport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace zelkor::views;
using namespace Qt::StringLiterals;

namespace {

const QColor kUntouched(255, 0, 255);

QImage rendered(QWidget &view, const QRegion &region = {})
{
    QImage image(view.size(), QImage::Format_ARGB32);
    image.fill(kUntouched);
    // Without the window background, so what a view leaves undrawn stays visible.
    view.render(&image, region.isEmpty() ? QPoint() : region.boundingRect().topLeft(), region,
                QWidget::DrawChildren);
    return image;
}

// Where the pixels darker than mid grey are.
QRect inkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// WCAG 2: relative luminance of an sRGB colour, then the contrast ratio of two.
double contrastRatio(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestChromeViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void headerSplitsAtHalfItsHeight_data()
    {
        QTest::addColumn<QRectF>("drawn");
        QTest::addColumn<QRectF>("lower");
        QTest::addColumn<QRectF>("upper");
        QTest::addColumn<double>("topLineY");

        QTest::newRow("odd height splits mid-pixel")
            << QRectF(0, 0, 120, 41) << QRectF(0, 0, 120, 20.5) << QRectF(0, 20.5, 120, 20.5)
            << 41.0;
        // The strip always starts at the origin and reaches to the drawn area's far edges.
        QTest::newRow("drawn area away from the origin")
            << QRectF(10, 5, 100, 35) << QRectF(0, 0, 110, 20) << QRectF(0, 20, 110, 20) << 40.0;
    }
    void headerSplitsAtHalfItsHeight()
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

    void centeredTextRect_data()
    {
        QTest::addColumn<QRectF>("base");
        QTest::addColumn<double>("textHeight");
        QTest::addColumn<QRectF>("expected");

        QTest::newRow("room to spare: centred and indented")
            << QRectF(2, 3, 100, 40) << 20.0 << QRectF(12, 13, 90, 20);
        QTest::newRow("exact fit: unchanged, no indent")
            << QRectF(0, 0, 100, 20) << 20.0 << QRectF(0, 0, 100, 20);
        QTest::newRow("unknown text height: unchanged")
            << QRectF(0, 0, 100, 40) << std::numeric_limits<double>::quiet_NaN()
            << QRectF(0, 0, 100, 40);
    }
    void centeredTextRect()
    {
        QFETCH(QRectF, base);
        QFETCH(double, textHeight);
        QTEST(verticallyCenteredTextRect(base, textHeight), "expected");
    }

    void headerRepaintsPartsOfTheWholeStrip()
    {
        HeaderView header;
        header.resize(300, 40);
        const QImage lowerHalf = rendered(header, QRegion(0, 20, 300, 20));
        const QImage whole = rendered(header);
        for (int row : {20, 30, 39})
            QCOMPARE(lowerHalf.pixel(290, row), whole.pixel(290, row));
        QCOMPARE(QColor(lowerHalf.pixel(290, 10)), kUntouched);
    }

    // The chrome's own shade paints what Qt's gradient paints, down or across, at either scale.
    void linearShadePaintsAsAGradient_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("down");
        QTest::newRow("down") << 1.0 << true;
        QTest::newRow("across at 200 %") << 2.0 << false;
    }
    void linearShadePaintsAsAGradient()
    {
        QFETCH(qreal, scale);
        QFETCH(bool, down);
        // Wider and taller than the strip the shade repeats.
        const QRectF area(3, 5, 90, 90);
        const QPointF from = area.topLeft();
        const QPointF to = down ? area.bottomLeft() : area.topRight();
        const QGradientStops stops{
            {0, QColor(200, 20, 20)}, {0.3, QColor(20, 200, 20, 128)}, {1, QColor(20, 20, 200)}};
        const auto paint = [&](auto brushFor) {
            QImage image(QSize(100, 100) * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.scale(scale, scale);
            painter.fillRect(area, brushFor(painter));
            return image;
        };
        const QImage shaded = paint([&](QPainter &p) { return linearShade(p, from, to, stops); });
        const QImage gradient = paint([&](QPainter &) {
            QLinearGradient g(from, to);
            g.setStops(stops);
            return QBrush(g);
        });
        int worst = 0;
        for (int y = 0; y < shaded.height(); ++y) {
            for (int x = 0; x < shaded.width(); ++x) {
                const QRgb a = shaded.pixel(x, y), b = gradient.pixel(x, y);
                worst =
                    std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        }
        QCOMPARE_LE(worst, 3);
        QCOMPARE(qAlpha(shaded.pixel(QPoint(1, 1))), 0); // outside the area
    }

    // A band list is as large as a plain list of the same entries, whichever entry is widest and
    // however tall its swatches.
    void bandListSizesAsAPlainList()
    {
        const QPixmap swatch(16, 30);
        ColorBandComboBox bands;
        QComboBox plain;
        for (QComboBox *box : {static_cast<QComboBox *>(&bands), &plain}) {
            box->addItem(QIcon(swatch), u"Violett"_s);
            box->addItem(QIcon(swatch), u"Rot"_s);
        }
        bands.setSwatchSize(QSize(16, 30));
        plain.setIconSize(QSize(16, 30));
        QCOMPARE(bands.sizeHint(), plain.sizeHint());
        QCOMPARE(bands.minimumSizeHint(), plain.minimumSizeHint());
    }

    void displaysTakeTheirSizes()
    {
        QCOMPARE(DisplayView().sizeHint(), QSize(416, 120));
        QCOMPARE(SmallDisplayView().sizeHint(), QSize(416, 64));
    }

    // Dark glass in a grey bezel with rounded corners, lit from above; at 200 % as sharp.
    void displayPaintsGlassInItsBezel_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }
    void displayPaintsGlassInItsBezel()
    {
        QFETCH(qreal, ratio);
        SmallDisplayView display;
        display.resize(display.sizeHint());
        QImage image(display.size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(kUntouched);
        display.render(&image, {}, {}, QWidget::DrawChildren);
        const auto at = [&](int x, int y) { return QColor(image.pixel(QPoint(x, y) * ratio)); };

        QCOMPARE(at(0, 0), kUntouched); // outside the rounded corner
        const QColor bezelTop = at(3, 20), bezelBottom = at(3, 44);
        QVERIFY(bezelTop.saturation() < 40 && bezelTop.value() > 60);
        QCOMPARE_GT(bezelTop.value(), bezelBottom.value());
        const QColor glass = at(208, 50); // below the gloss
        QCOMPARE_LT(glass.value(), 0x40);
        QCOMPARE_GT(glass.blue(), glass.red());
        QCOMPARE_GT(at(208, 12).value(), glass.value()); // the gloss
        // The bezel's shadow fades out over the glass's top: gone by its fifth row.
        QCOMPARE_GT(at(208, 11).value(), glass.value());
        QCOMPARE_LT(at(208, 7).value(), at(208, 11).value());
        // The glass's edge is one sharp step at either ratio: nothing of the bezel inside it.
        QCOMPARE_LT(at(8, 50).value(), 0x40);
    }

    // The icon the app paints is the icon installed with it.
    void appIconDrawsTheInstalledIcon()
    {
        QImageReader reader(QStringLiteral(ZELKOR_SOURCE_DIR "/resources/images/src/zelkor.svg"));
        if (!reader.canRead())
            QSKIP("no SVG image plugin");
        const QImage installed = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QImage painted = appIcon()
                                   .pixmap(installed.size(), 1.0)
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(painted.size(), QSize(128, 128));
        double difference = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 128; ++x) {
                const QRgb a = installed.pixel(x, y), b = painted.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        }
        // Edges may round apart; a band of another colour alone would come to about 3.
        QCOMPARE_LT(difference / (128 * 128 * 4), 0.25);
    }

    // The sizes painted when Zelkor is built are what the icon offers a window, and what
    // painting the icon now gives.
    void appIconIsReadyInTheWindowSizes()
    {
        const QIcon icon = appIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
        for (const int side : {16, 32, 48}) {
            QImage painted(side, side, QImage::Format_ARGB32_Premultiplied);
            painted.fill(Qt::transparent);
            {
                QPainter painter(&painted);
                paintPicture(painter, appIconPicture(), QRectF(0, 0, side, side));
            }
            QCOMPARE(
                icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(painted.format()),
                painted);
        }
    }

    // 16 points whatever a form sets, unless the text would not fit: then smaller until it does.
    void centredCellKeepsItsLabelFontUnlessTooLong()
    {
        VerticallyCenteredTextCell cell;
        cell.setFont(QFont(QStringLiteral("Monospace"), 8));
        cell.resize(400, 60);
        cell.setText(QStringLiteral("Largest power: 22.37 W"));
        rendered(cell);
        QCOMPARE(cell.font().pointSizeF(), 16.0);
        cell.setText(QStringLiteral("R1: 2.899 kΩ, nearest E24 value 3.0 kΩ\n"
                                    "With these parts: 1020.62 Hz, duty cycle 60.56 %"));
        rendered(cell);
        QCOMPARE_LT(cell.font().pointSizeF(), 16.0);
        const QSize needed = cell.fontMetrics().size(0, cell.text());
        QVERIFY(needed.width() <= cell.contentsRect().width() - 10);
        QVERIFY(needed.height() <= cell.contentsRect().height());
    }

    // The text's ink sits indented and about the middle of the field, glyph shapes allowing.
    void centredCellPlacesItsText()
    {
        VerticallyCenteredTextCell cell;
        const QString text = QStringLiteral("Resistance: 270.0 Ohm");
        cell.setText(text);
        cell.resize(360, cell.fontMetrics().size(0, text).height() + 40);
        QImage image = rendered(cell); // lays the text out once
        QPalette inkOnPaper = cell.palette();
        inkOnPaper.setColor(QPalette::WindowText, Qt::black);
        cell.setPalette(inkOnPaper);
        image.fill(Qt::white);
        cell.render(&image);

        const QRect ink = inkOf(image);
        QVERIFY2(ink.left() >= 10, qPrintable(QString::number(ink.left())));
        QVERIFY2(
            qAbs(ink.center().y() - cell.height() / 2) <= 4,
            qPrintable(
                QStringLiteral("ink centre %1 of %2").arg(ink.center().y()).arg(cell.height())));
    }

    // A heading line, then entries of a long and a short line: each band must cover exactly its
    // entry's lines as QLabel sets them, selectable or not yet, and only the chosen band is
    // painted.
    void choiceListMarksTheChosenEntryOnItsLines_data()
    {
        QTest::addColumn<bool>("selectable");
        QTest::newRow("selectable") << true;
        QTest::newRow("before the first press") << false;
    }
    void choiceListMarksTheChosenEntryOnItsLines()
    {
        QFETCH(bool, selectable);
        VerticallyCenteredTextCell cell;
        QPalette inkOnPaper = cell.palette();
        inkOnPaper.setColor(QPalette::WindowText, Qt::black);
        inkOnPaper.setColor(QPalette::Highlight, Qt::yellow);
        cell.setPalette(inkOnPaper);
        if (selectable)
            cell.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        const QString longLine(24, u'W');
        cell.setChoices(u"i\n%1\ni\n%1\ni\n%1\ni"_s.arg(longLine), 1, 2);
        cell.resize(500, 300);
        QImage image(cell.size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        cell.render(&image);
        QCOMPARE(cell.shownEntryCount(), 3);
        QCOMPARE(cell.chosenEntry(), 0);
        QCOMPARE(cell.entryAt(cell.entryRect(0).top() - 1), -1);    // the heading
        QCOMPARE(cell.entryAt(cell.entryRect(2).bottom() + 1), -1); // below the list
        for (int entry = 0; entry < 3; ++entry) {
            const QRect band = cell.entryRect(entry).toRect();
            QCOMPARE(cell.entryAt(band.center().y()), entry);
            const int half = band.height() / 2;
            const QImage upper = image.copy(band.adjusted(0, 1, 0, -half));
            const QImage lower = image.copy(band.adjusted(0, half, 0, -1));
            QCOMPARE_GT(inkOf(upper).right(), 200); // the long line
            QCOMPARE_LT(inkOf(lower).right(), 60);  // the short one
            const QColor beside(image.pixel(band.right() - 5, band.center().y()));
            QCOMPARE(beside == Qt::yellow, entry == 0);
        }
    }

    // Keys move the choice within what shows; a narrower field falls back to the first entry
    // once the chosen one is dropped, and a plain text ends the choice.
    void choiceListFollowsKeysAndSize()
    {
        VerticallyCenteredTextCell cell;
        cell.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        cell.setChoices(u"R1\nR2\nR3\nR4"_s, 0, 1);
        cell.resize(400, 200);
        cell.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cell));
        QSignalSpy chosen(&cell, &VerticallyCenteredTextCell::entryChosen);
        for (const auto &[key, expected] :
             {std::pair{Qt::Key_Up, 0}, {Qt::Key_End, 3}, {Qt::Key_Down, 3}, {Qt::Key_Up, 2}}) {
            QTest::keyClick(&cell, key);
            QCOMPARE(cell.chosenEntry(), expected);
        }
        QCOMPARE(chosen.count(), 2); // End and the last Up; the others change nothing
        QVERIFY(cell.accessibleDescription().contains(u"3 of 4"_s));
        cell.resize(400, 20); // a line or two at the smallest size
        QCOMPARE_LT(cell.shownEntryCount(), 3);
        QCOMPARE(cell.chosenEntry(), 0);
        QCOMPARE(chosen.last().first().toInt(), 0);
        QVERIFY(cell.accessibleDescription().contains(u"1 of "_s));
        cell.setText(u"Nothing to choose"_s);
        QCOMPARE(cell.chosenEntry(), -1);
    }

    // Selectable labels are plain until pressed, look the same before and after, and the press
    // that makes them selectable already selects; other labels are left alone.
    void labelsBecomeSelectableAtTheFirstPress()
    {
        QWidget panel;
        auto *layout = new QHBoxLayout(&panel);
        auto *result = new VerticallyCenteredTextCell;
        result->setText(u"Resistance: 47.00 kΩ"_s);
        result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        auto *caption = new QLabel(u"Value"_s);
        layout->addWidget(caption);
        layout->addWidget(result);
        selectTextOnFirstPress(&panel);
        panel.resize(420, 60);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(result->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(result->focusPolicy(), Qt::NoFocus);
        const QImage before = result->grab().toImage();

        const QPoint start = result->drawingRect().topLeft().toPoint() + QPoint(1, 5);
        QTest::mousePress(result, Qt::LeftButton, {}, start);
        QTest::mouseMove(result, start + QPoint(60, 0));
        QTest::mouseRelease(result, Qt::LeftButton, {}, start + QPoint(60, 0));
        QCOMPARE(result->textInteractionFlags(),
                 Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QVERIFY(result->hasFocus());
        QVERIFY(result->selectedText().startsWith(u"Res"_s));
        result->setSelection(0, 0);
        result->clearFocus(); // a focused field shows its text cursor
        QCOMPARE(result->grab().toImage(), before);
        QCOMPARE(caption->textInteractionFlags(), Qt::LinksAccessibleByMouse);
    }

    void checkedSegmentStandsOut_data()
    {
        QTest::addColumn<QPalette>("palette");
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
        QTest::newRow("light palette") << fusion->standardPalette();
        // The dark palette of the screenshots, where the highlight alone is not enough.
        QPalette dark = fusion->standardPalette();
        dark.setColor(QPalette::Window, QColor(0x25, 0x25, 0x28));
        dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x40));
        dark.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
        dark.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0xd1));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        QTest::newRow("dark palette") << dark;
    }
    void checkedSegmentStandsOut()
    {
        QFETCH(QPalette, palette);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"Fusion"_s));
        QWidget control;
        auto *layout = new QHBoxLayout(&control);
        auto *group = new QButtonGroup(&control);
        for (const char *name : {"Astable", "Monostable", "Design"}) {
            auto *segment = new QPushButton(QString::fromLatin1(name));
            segment->setCheckable(true);
            segment->setStyle(fusion.get());
            layout->addWidget(segment);
            group->addButton(segment);
        }
        group->buttons()[1]->setChecked(true);
        zelkor::views::emphasizeCheckedSegments(&control);
        control.setPalette(palette);
        control.resize(360, 40);
        layout->activate();
        const QImage image = rendered(control);
        // Left of each label, where only the segment's fill is.
        const auto fillOf = [&image](const QAbstractButton *segment) {
            const QRect r = segment->geometry();
            return image.pixel(r.left() + 6, r.center().y());
        };
        const QRgb checked = fillOf(group->buttons()[1]);
        for (const int neighbour : {0, 2}) {
            const QRgb unchecked = fillOf(group->buttons()[neighbour]);
            QVERIFY2(contrastRatio(checked, unchecked) >= 3.0,
                     qPrintable(u"%1 against %2: %3"_s
                                    .arg(QColor(checked).name(), QColor(unchecked).name())
                                    .arg(contrastRatio(checked, unchecked))));
        }
    }
};

QTEST_MAIN(TestChromeViews)
#include "tst_chromeviews.moc"
