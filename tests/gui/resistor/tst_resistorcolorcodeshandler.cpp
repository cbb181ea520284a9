// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resistor/ResistorBands.h"
#include "gui/resistor/ResistorColorCodesHandler.h"
#include "gui/resistor/ResistorView.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QStackedWidget>

using namespace zelkor::resistor;
using namespace Qt::StringLiterals;

namespace {

const QString kOneKiloOhm = u"Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)"_s;

struct ResistorPanel : zelkor::test::PanelFixture<ResistorColorCodesHandler>
{
    ResistorPanel() { handler->popupValueChanged(); } // as the application does at launch
    QComboBox *popup(const char *name) const { return find<QComboBox>(name); }
    const BandColors &drawn() const
    {
        return find<ResistorView>("displayResistorView")->bandColors();
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
                    const QString name = popup->itemText(i);
                    QCOMPARE(colorCodeForName(name).value_or(NoBand), code);
                    QVERIFY(!popup->itemIcon(i).isNull());
                    QCOMPARE(p.drawn().bands[std::size_t(band)], colorForCode(code));
                }
            }
        }
    }

    void picksRecomputeTheText_data()
    {
        QTest::addColumn<QString>("popupName");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("initial brown black red gold")
            << u"fourBandsFirstBand"_s << 0 << kOneKiloOhm;
        QTest::newRow("first digit yellow")
            << u"fourBandsFirstBand"_s << 3 << u"Resistance: 4.00 kΩ\nTolerance: 5.0% (±0.20 kΩ)"_s;
        QTest::newRow("second digit green") << u"fourBandsSecondBand"_s << 5
                                            << u"Resistance: 1.50 kΩ\nTolerance: 5.0% (±0.08 kΩ)"_s;
        QTest::newRow("multiplier white") << u"fourBandsThirdBand"_s << 11
                                          << u"Resistance: 10.00 GΩ\nTolerance: 5.0% (±0.50 GΩ)"_s;
        QTest::newRow("no tolerance band") << u"fourBandsFourthBand"_s << 5
                                           << u"Resistance: 1.00 kΩ\nTolerance: 20.0% (±0.20 kΩ)"_s;
    }
    void picksRecomputeTheText()
    {
        QFETCH(QString, popupName);
        QFETCH(int, index);
        ResistorPanel p;
        p.popup(qPrintable(popupName))->setCurrentIndex(index);
        QTEST(p.output(), "text");
    }

    void bandCountChangeDescribesTheShownResistor()
    {
        ResistorPanel p;
        auto *pages = p.find<QStackedWidget>("colorBandsTabView");
        // Five bands blue tolerance: 0.25 %, not 0.2 %.
        p.popup("fiveBandsFifthBand")->setCurrentIndex(5);
        QCOMPARE(p.output(), kOneKiloOhm);

        p.click("fiveBandsSegment");
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(p.output(), u"Resistance: 1.00 kΩ\nTolerance: 0.25% (±0.00 kΩ)"_s);
        QVERIFY(p.drawn().hasFiveBands);

        // A keyboard pick on the five-band page. In single precision 0.0025 × 10 falls just
        // below 0.025, so the spread prints as 0.02.
        QTest::keyClick(p.popup("fiveBandsFourthBand"), Qt::Key_Down);
        QCOMPARE(p.output(), u"Resistance: 10.00 kΩ\nTolerance: 0.25% (±0.02 kΩ)"_s);

        p.click("fourBandsSegment");
        QCOMPARE(pages->currentIndex(), 0);
        QVERIFY(!p.drawn().hasFiveBands);
        QCOMPARE(p.output(), kOneKiloOhm);
    }
};

QTEST_MAIN(TestResistorColorCodesHandler)
#include "tst_resistorcolorcodeshandler.moc"
