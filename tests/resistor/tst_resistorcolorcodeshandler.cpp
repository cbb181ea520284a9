#include "resistor/ResistorBands.h"
#include "resistor/ResistorColorCodesHandler.h"
#include "resistor/ResistorView.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace zelkor::resistor;
using namespace Qt::StringLiterals;

class TestResistorColorCodesHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void init();
    void cleanup();

    void itemsNameTheirColourAndCarryItsTag();
    void startsWithTheResultOfTheInitialChoice();
    void picksRecomputeTheText_data();
    void picksRecomputeTheText();
    void bandCountChangeDescribesTheShownResistor();

private:
    QComboBox *popup(const char *name) const
    {
        return m_panel->findChild<QComboBox *>(QString::fromLatin1(name));
    }
    QString output() const
    {
        return m_panel->findChild<QLabel *>(QStringLiteral("outputField"))->text();
    }
    const BandColors &drawn() const
    {
        return m_panel->findChild<ResistorView *>(QStringLiteral("displayResistorView"))
            ->bandColors();
    }
    void clickSegment(const char *name)
    {
        QTest::mouseClick(m_panel->findChild<QPushButton *>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

    std::unique_ptr<QWidget> m_panel;
    ResistorColorCodesHandler *m_handler = nullptr;
};

void TestResistorColorCodesHandler::init()
{
    m_panel = std::make_unique<QWidget>();
    m_handler = new ResistorColorCodesHandler(m_panel.get());
    m_handler->popupValueChanged(); // as the application does at launch
}

void TestResistorColorCodesHandler::cleanup()
{
    m_panel.reset();
}

void TestResistorColorCodesHandler::itemsNameTheirColourAndCarryItsTag()
{
    QComboBox *tolerance = popup("fourBandsFourthBand");
    QStringList names;
    QList<int> tags;
    for (int i = 0; i < tolerance->count(); ++i) {
        names << tolerance->itemText(i);
        tags << tolerance->itemData(i).toInt();
        QVERIFY(!tolerance->itemIcon(i).isNull());
    }
    QCOMPARE(names,
             (QStringList{u"Green"_s, u"Brown"_s, u"Red"_s, u"Gold"_s, u"Silver"_s, u"No band"_s}));
    QCOMPARE(tags, (QList<int>{7, 3, 4, 1, 0, 12}));
    QCOMPARE(popup("fourBandsThirdBand")->count(), 12);
    QCOMPARE(popup("fourBandsThirdBand")->itemText(11), QStringLiteral("White"));
    QCOMPARE(popup("fiveBandsFourthBand")->count(), 9);
}

void TestResistorColorCodesHandler::startsWithTheResultOfTheInitialChoice()
{
    QCOMPARE(output(), QStringLiteral("Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)"));
    QVERIFY(!drawn().hasFiveBands);
    QCOMPARE(drawn().bands[2], colorForCode(Red));
}

void TestResistorColorCodesHandler::picksRecomputeTheText_data()
{
    QTest::addColumn<QString>("popupName");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("drawnBand");
    QTest::addColumn<int>("drawnCode");
    QTest::newRow("multiplier green")
        << "fourBandsThirdBand" << 7 << "Resistance: 1.00 MΩ\nTolerance: 5.0% (±0.05 MΩ)" << 2
        << int(Green);
    QTest::newRow("multiplier white")
        << "fourBandsThirdBand" << 11 << "Resistance: 10.00 GΩ\nTolerance: 5.0% (±0.50 GΩ)" << 2
        << int(White);
    QTest::newRow("first digit yellow")
        << "fourBandsFirstBand" << 3 << "Resistance: 4.00 kΩ\nTolerance: 5.0% (±0.20 kΩ)" << 0
        << int(Yellow);
    QTest::newRow("no tolerance band")
        << "fourBandsFourthBand" << 5 << "Resistance: 1.00 kΩ\nTolerance: 20.0% (±0.20 kΩ)" << 3
        << int(NoBand);
}

void TestResistorColorCodesHandler::picksRecomputeTheText()
{
    QFETCH(QString, popupName);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, drawnBand);
    QFETCH(int, drawnCode);
    popup(qPrintable(popupName))->setCurrentIndex(index);
    QCOMPARE(output(), text);
    QCOMPARE(drawn().bands[std::size_t(drawnBand)], colorForCode(drawnCode));
}

void TestResistorColorCodesHandler::bandCountChangeDescribesTheShownResistor()
{
    auto *pages = m_panel->findChild<QStackedWidget *>(QStringLiteral("colorBandsTabView"));
    // Five bands blue tolerance: 0.25 %, not 0.2 %.
    popup("fiveBandsFifthBand")->setCurrentIndex(5);
    QCOMPARE(output(), QStringLiteral("Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)"));

    clickSegment("fiveBandsSegment");
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(output(), QStringLiteral("Resistance: 1.00 kΩ\nTolerance: 0.25% (±0.00 kΩ)"));
    QVERIFY(drawn().hasFiveBands);
    QCOMPARE(drawn().bands[4], colorForCode(Blue));

    // A keyboard pick on the five-band page. In single precision 0.0025 × 10 falls just
    // below 0.025, so the spread prints as 0.02.
    QTest::keyClick(popup("fiveBandsFourthBand"), Qt::Key_Down);
    QCOMPARE(output(), QStringLiteral("Resistance: 10.00 kΩ\nTolerance: 0.25% (±0.02 kΩ)"));

    clickSegment("fourBandsSegment");
    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(!drawn().hasFiveBands);
    QCOMPARE(output(), QStringLiteral("Resistance: 1.00 kΩ\nTolerance: 5.0% (±0.05 kΩ)"));
}

QTEST_MAIN(TestResistorColorCodesHandler)
#include "tst_resistorcolorcodeshandler.moc"
