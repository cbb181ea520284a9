// SPDX-License-Identifier: GPL-3.0-or-later

// The colour-code panel driven through the real widgets: picked bands show and draw their
// colours and fill the value field, a typed value sets the bands and the page, and the note
// names the standard values around a value that is none. The inductor panel works the same way
// on its own four bands.

#include "core/resistor/ResistorBands.h"
#include "core/resistor/ResistorDrawing.h"
#include "gui/resistor/InductorColorCodesHandler.h"
#include "gui/resistor/ResistorColorCodesHandler.h"
#include "gui/resistor/ResistorView.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QStackedWidget>

using namespace zelkor::resistor;
using namespace Qt::StringLiterals;

namespace {

const QString kOneKiloOhm = u"Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)"_s;

// The colour codes of the first count bands the drawing shows.
QList<int> drawnCodes(const BandColors &colors, int count)
{
    QList<int> codes;
    for (int i = 0; i < count; ++i)
        for (int code = 0; code < kColorCodeCount; ++code)
            if (colors.bands[std::size_t(i)] == colorForCode(code)) {
                codes << code;
                break;
            }
    return codes;
}

struct ResistorPanel : zelkor::test::PanelFixture<ResistorColorCodesHandler>
{
    ResistorPanel() { handler->popupValueChanged(); } // as the application does at launch
    QComboBox *popup(const char *name) const { return find<QComboBox>(name); }
    // The colour codes of the bands the drawing shows.
    QList<int> drawn() const
    {
        const BandColors &colors = find<ResistorView>("displayResistorView")->bandColors();
        return drawnCodes(colors, colors.hasSixBands ? 6 : colors.hasFiveBands ? 5 : 4);
    }
    int page() const { return find<QStackedWidget>("colorBandsTabView")->currentIndex(); }
    QString note() const { return find<QLabel>("seriesNote")->text(); }
    QString value() const { return find<QLineEdit>("resistanceValue")->text(); }
};

struct InductorPanel : zelkor::test::PanelFixture<InductorColorCodesHandler>
{
    InductorPanel() { handler->recalculate(); }
    QList<int> drawn() const
    {
        return drawnCodes(find<ResistorView>("inductorView")->bandColors(), 4);
    }
};

} // namespace

class TestResistorColorCodesHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // Whatever a user picks, the item's name is that colour's name (as zelkor-calc spells it)
    // and the drawing shows that colour in the band.
    void everyItemShowsAndDrawsItsColour()
    {
        ResistorPanel p;
        const QList<QList<const char *>> pages{{"fourBandsFirstBand", "fourBandsSecondBand",
                                                "fourBandsThirdBand", "fourBandsFourthBand"},
                                               {"fiveBandsFirstBand", "fiveBandsSecondBand",
                                                "fiveBandsThirdBand", "fiveBandsFourthBand",
                                                "fiveBandsFifthBand"}};
        for (const QList<const char *> &page : pages) {
            p.click(page.size() == 4 ? "fourBandsSegment" : "fiveBandsSegment");
            for (qsizetype band = 0; band < page.size(); ++band) {
                QComboBox *popup = p.popup(page[band]);
                for (int i = 0; i < popup->count(); ++i) {
                    popup->setCurrentIndex(i);
                    const int code = popup->itemData(i).toInt();
                    QCOMPARE(colorCodeForName(popup->itemText(i)).value_or(NoBand), code);
                    QVERIFY(!popup->itemIcon(i).isNull());
                    QCOMPARE(p.drawn().value(band, -1), code);
                }
            }
        }
    }

    void bandCountChangeDescribesTheShownResistor()
    {
        ResistorPanel p;
        // Five bands blue tolerance: 0.25 %, not 0.2 %.
        p.popup("fiveBandsFifthBand")->setCurrentIndex(5);
        QCOMPARE(p.output(), kOneKiloOhm);

        p.click("fiveBandsSegment");
        QCOMPARE(p.page(), 1);
        QCOMPARE(p.output(), u"Resistance: 1.00 kΩ\nTolerance: 0.25% (±0.00 kΩ)"_s);
        QCOMPARE(p.drawn().size(), 5);

        // A keyboard pick on the five-band page. In single precision 0.0025 × 10 falls just
        // below 0.025, so the spread prints as 0.02.
        QTest::keyClick(p.popup("fiveBandsFourthBand"), Qt::Key_Down);
        QCOMPARE(p.output(), u"Resistance: 10.00 kΩ\nTolerance: 0.25% (±0.02 kΩ)"_s);

        p.click("fourBandsSegment");
        QCOMPARE(p.page(), 0);
        QCOMPARE(p.drawn().size(), 4);
        QCOMPARE(p.output(), kOneKiloOhm);
    }

    void typedValueSetsTheBands_data()
    {
        QTest::addColumn<int>("toleranceItem"); // 20, 10, 5, 2, 1, 0.5, 0.25, 0.1, 0.05 %
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<int>>("bands");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("output"); // empty: not checked
        QTest::newRow("49.9k 1 %: the panel turns to five bands")
            << 4 << "49.9k" << 1 << QList<int>{Yellow, White, White, Red, Brown} << ""
            << "";
        QTest::newRow("12345: bands and display show it rounded to 12.3 k, and the note says so")
            << 2 << "12345" << 1 << QList<int>{Brown, Red, Orange, Red, Gold}
            << "Rounded to 12.3 kΩ for 5 bands. 12.3 kΩ is not an E24 value. Nearest: 12 kΩ "
               "below, 13 kΩ above."
            << "Resistance: 12.30 kΩ\nTolerance: 5.0% (±0.62 kΩ)";
        QTest::newRow("0.47 at 0.1 %: four bands lack the tolerance, five the multiplier")
            << 7 << "R47" << 1 << QList<int>{Brown, Black, Black, Brown, Violet}
            << "5 bands cannot show 0.47 Ω."
            << "";
        QTest::newRow("words leave the bands")
            << 2 << "many" << 0 << QList<int>{Brown, Black, Red, Gold}
            << "Type a resistance such as 4k7, 49.9k or 4700."
            << "";
    }
    void typedValueSetsTheBands()
    {
        QFETCH(int, toleranceItem);
        QFETCH(QString, typed);
        ResistorPanel p;
        // Re-bands the 1 kΩ that the field starts with.
        auto *tolerance = p.find<QComboBox>("valueTolerance");
        while (tolerance->currentIndex() < toleranceItem)
            QTest::keyClick(tolerance, Qt::Key_Down);
        p.type("resistanceValue", typed);
        QTEST(p.page(), "page");
        QTEST(p.drawn(), "bands");
        QTEST(p.note(), "note");
        QFETCH(QString, output);
        if (!output.isEmpty())
            QCOMPARE(p.output(), output);
    }

    void pickedBandsFillTheValue()
    {
        ResistorPanel p;
        QCOMPARE(p.value(), u"1k"_s);
        p.find<QComboBox>("fourBandsFirstBand")->setCurrentIndex(3); // yellow: 40 × 100
        QCOMPARE(p.value(), u"4k"_s);
        QCOMPARE(p.output(), u"Resistance: 4.00 kΩ\nTolerance: 5.0% (±0.20 kΩ)"_s);
        QCOMPARE(p.note(), u"4 kΩ is not an E24 value. Nearest: 3.9 kΩ below, 4.3 kΩ above."_s);

        p.click("fiveBandsSegment");
        p.find<QComboBox>("fiveBandsFifthBand")->setCurrentIndex(5); // blue
        QCOMPARE(p.value(), u"1k"_s);
        QCOMPARE(p.find<QComboBox>("valueTolerance")->currentText(), u"0.25%"_s);
        QCOMPARE(p.note(), QString()); // 1 kΩ is an E192 value
    }

    void sixBandsKeepTheirPageAndCoefficient()
    {
        ResistorPanel p;
        p.click("sixBandsSegment");
        QCOMPARE(p.page(), 2);
        QCOMPARE(p.output(), u"Resistance: 1.00 kΩ\nTolerance: 1.0% (±0.01 kΩ)\n"
                             "Temperature coefficient: 100 ppm/K"_s);
        p.find<QComboBox>("sixBandsSixthBand")->setCurrentIndex(4); // yellow
        QVERIFY(p.output().endsWith(u"Temperature coefficient: 25 ppm/K"));

        // Two digits would fit four bands, but the six-band page stays with its coefficient.
        p.type("resistanceValue", u"4k7"_s);
        QCOMPARE(p.page(), 2);
        QCOMPARE(p.drawn(), (QList<int>{Yellow, Violet, Black, Brown, Brown, Yellow}));
        QCOMPARE(p.output(), u"Resistance: 4.70 kΩ\nTolerance: 1.0% (±0.05 kΩ)\n"
                             "Temperature coefficient: 25 ppm/K"_s);
    }

    // The band lists are built when first opened, and a band list, shown or on a hidden page,
    // takes the room and looks as one that was given its swatch size the plain way, before and
    // after it is opened.
    void bandListIsBuiltWhenFirstOpened()
    {
        ResistorPanel p;
        p.panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
        const auto plainLike = [](QComboBox *band) {
            auto *plain = new QComboBox(band->parentWidget());
            plain->setModel(band->model());
            plain->setIconSize(QSize(16, 12));
            plain->setCurrentIndex(band->currentIndex());
            plain->setGeometry(band->geometry());
            plain->setVisible(band->isVisible());
            return plain;
        };
        QComboBox *hidden = p.popup("sixBandsSixthBand");
        const QComboBox *hiddenPlain = plainLike(hidden);
        QCOMPARE(hidden->sizeHint(), hiddenPlain->sizeHint());
        QCOMPARE(hidden->minimumSizeHint().height(), hiddenPlain->minimumSizeHint().height());

        QComboBox *band = p.popup("fourBandsThirdBand");
        QVERIFY(!band->findChild<QAbstractItemView *>());
        QComboBox *plain = plainLike(band);
        QCOMPARE(band->sizeHint(), plain->sizeHint());
        QCOMPARE(band->minimumSizeHint().height(), plain->minimumSizeHint().height());
        QCOMPARE(band->grab().toImage(), plain->grab().toImage());

        band->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(band->view()->window()));
        QCOMPARE(band->view()->iconSize(), plain->view()->iconSize());
        band->hidePopup();
        QCOMPARE(band->sizeHint(), plain->sizeHint());
        QCOMPARE(band->grab().toImage(), plain->grab().toImage());
    }

    void inductorPanelBothWays()
    {
        InductorPanel p;
        QCOMPARE(p.find<ResistorView>("inductorView")->body(), Body::MouldedInductor);
        QCOMPARE(p.output(), u"Inductance: 10.00 µH\nTolerance: 10.0% (±1.00 µH)"_s);
        QCOMPARE(p.find<QLineEdit>("inductanceValue")->text(), u"10"_s);

        // One step down from the silver default (10 %) is gold (5 %).
        auto *tolerance = p.find<QComboBox>("valueTolerance");
        QTest::keyClick(tolerance, Qt::Key_Down);
        p.type("inductanceValue", u"4.7"_s);
        QCOMPARE(p.drawn(), (QList<int>{Yellow, Violet, Gold, Gold}));
        QCOMPARE(p.output(), u"Inductance: 4.70 µH\nTolerance: 5.0% (±0.24 µH)"_s);

        p.type("inductanceValue", u"4.75"_s);
        QCOMPARE(p.find<QLabel>("valueNote")->text(), u"Rounded to 4.8 µH for 4 bands."_s);

        p.find<QComboBox>("firstBand")->setCurrentIndex(1);      // red
        p.find<QComboBox>("secondBand")->setCurrentIndex(2);     // red
        p.find<QComboBox>("multiplierBand")->setCurrentIndex(0); // silver
        p.find<QComboBox>("toleranceBand")->setCurrentIndex(6);  // black
        QCOMPARE(p.output(), u"Inductance: 0.22 µH\nTolerance: 20.0% (±0.04 µH)"_s);
        QCOMPARE(p.find<QLineEdit>("inductanceValue")->text(), u"0.22"_s);
        QCOMPARE(tolerance->currentText(), u"20%"_s);
        QCOMPARE(p.find<QLabel>("valueNote")->text(), QString());

        // Kept inputs come back; a colour a band cannot take leaves that band alone.
        QVariantMap state = p.handler->saveState();
        InductorPanel q;
        q.handler->restoreState(state);
        QCOMPARE(q.drawn(), (QList<int>{Red, Red, Silver, Black}));
        q.handler->restoreState({{u"bands"_s, QStringList{u"silver"_s, u"blue"_s}}});
        QCOMPARE(q.drawn(), (QList<int>{Red, Blue, Silver, Black}));
    }
};

QTEST_MAIN(TestResistorColorCodesHandler)
#include "tst_resistorcolorcodeshandler.moc"
