// The LED dropping resistor: the formula, the resistor to buy, what stops it, and the panel.

#include "core/calculators/LEDDroppingResistor.h"
#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/TabAlignedTextWidget.h"
#include "gui/calculators/WarningSignWidget.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QTextBlock>

using namespace Qt::StringLiterals;
using namespace zelkor::led;
using zelkor::Problem;
using zelkor::Reading;
using zelkor::Reason;

namespace {

const QString k145Ohm =
    u"Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W\nE12 resistor: 150 Ω\nat 19.3 mA and 0.06 W"_s;
const QString kCannotLight =
    u"The LED cannot light:\nthe supply voltage must be\nabove its forward voltage."_s;

// supply, forward, preset, current, series; "-" for an input not given.
Texts texts(const QStringList &given)
{
    const auto at = [&](int i) { return given[i] == u"-" ? zelkor::Given() : given[i]; };
    return {at(0), at(1), at(2), at(3), at(4)};
}

struct LedPanel : zelkor::test::PanelFixture<LEDDroppingResistorHandler>
{
    LedPanel() { panel.show(); }
    QComboBox *forward() const { return find<QComboBox>("ledForwardBias"); }
    // Whether the sign ends up shown once its fade is over.
    bool warningShown() const
    {
        auto *warning = find<WarningSignWidget>("warningSign");
        [[maybe_unused]] const bool faded =
            QTest::qWaitFor([warning] { return !warning->isFading(); });
        return warning->isVisibleTo(&panel);
    }
};

// Where the text after the tabs of each line starts on screen.
QList<int> columnStarts(TabAlignedTextWidget &widget)
{
    QList<int> starts;
    for (QTextBlock block = widget.document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        qsizetype i = line.indexOf(u'\t');
        if (i < 0)
            continue;
        while (i < line.size() && line[i] == u'\t')
            ++i;
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + static_cast<int>(i));
        starts.append(widget.cursorRect(cursor).left());
    }
    return starts;
}

} // namespace

class TestLEDDroppingResistor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // R = (U_S - U_F) / I and P = I²R; the standard resistor R_E gives (U_S - U_F) / R_E and
    // (U_S - U_F)² / R_E. All figures worked out by hand.
    void results_data()
    {
        QTest::addColumn<QStringList>("given"); // supply, forward, preset, current, series
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        QTest::newRow("yellow at 5 V")
            << QStringList{"5", "2.1", "-", "20", "-"} << k145Ohm << false;
        QTest::newRow("red at 12 V buys 560 ohms")
            << QStringList{"12", "1.6", "-", "20", "-"}
            << u"Resistance: \t\t520.0 Ohm\nPower: \t\t\t0.208 W\nE12 resistor: 560 Ω\n"
               "at 18.6 mA and 0.19 W"_s
            << false;
        QTest::newRow("E24 has 1.1 kiloohms, E12 not")
            << QStringList{"24", "2", "-", "20", "E24"}
            << u"Resistance: \t\t1100.0 Ohm\nPower: \t\t\t0.440 W\nE24 resistor: 1.1 kΩ\n"
               "at 20.0 mA and 0.44 W"_s
            << false;
        QTest::newRow("E12 rounds 1.1 kiloohms up")
            << QStringList{"24", "2", "-", "20", "E12"}
            << u"Resistance: \t\t1100.0 Ohm\nPower: \t\t\t0.440 W\nE12 resistor: 1.2 kΩ\n"
               "at 18.3 mA and 0.40 W"_s
            << false;
        // 390.00003 in single precision: a standard value, not a reason to buy 470 Ω.
        QTest::newRow("float noise above a standard value")
            << QStringList{"6", "2.1", "-", "10", "-"}
            << u"Resistance: \t\t390.0 Ohm\nPower: \t\t\t0.039 W\nE12 resistor: 390 Ω\n"
               "at 10.0 mA and 0.04 W"_s
            << false;
        QTest::newRow("1000 V warns")
            << QStringList{"1000", "2", "-", "20", "-"}
            << u"Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\nE12 resistor: 56 kΩ\n"
               "at 17.8 mA and 17.79 W"_s
            << true;
        QTest::newRow("exactly 10 W does not warn")
            << QStringList{"12", "2", "-", "1000", "-"}
            << u"Resistance: \t\t10.0 Ohm\nPower: \t\t\t10.000 W\nE12 resistor: 10 Ω\n"
               "at 1000.0 mA and 10.00 W"_s
            << false;
        QTest::newRow("just above 10 W warns")
            << QStringList{"12.5", "2", "-", "1000", "-"}
            << u"Resistance: \t\t10.5 Ohm\nPower: \t\t\t10.500 W\nE12 resistor: 12 Ω\n"
               "at 875.0 mA and 9.19 W"_s
            << true;
        QTest::newRow("preset number 3 is yellow")
            << QStringList{"5", "-", "3", "20", "-"} << k145Ohm << false;
        QTest::newRow("units in the fields")
            << QStringList{"5 V", "2100 mV", "-", "0.02 A", "-"} << k145Ohm << false;
        QTest::newRow("megaohms")
            << QStringList{"1000", "2", "-", "0.5", "-"}
            << u"Resistance: \t\t1996000.0 Ohm\nPower: \t\t\t0.499 W\nE12 resistor: 2.2 MΩ\n"
               "at 0.5 mA and 0.45 W"_s
            << false;
    }
    void results()
    {
        QFETCH(QStringList, given);
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto result = calculate(texts(given), reading);
            QVERIFY(result);
            QTEST(resultText(*result), "text");
            QTEST(result->powerWarning, "warning");
        }
    }

    void problems_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<Field>("field");
        const Reading lenient = Reading::Lenient, strict = Reading::Strict;
        QTest::newRow("empty supply") << QStringList{"", "2.1", "-", "20", "-"} << lenient
                                      << Reason::Missing << Field::SupplyVoltage;
        QTest::newRow("supply 0") << QStringList{"0", "2.1", "-", "20", "-"} << lenient
                                  << Reason::Zero << Field::SupplyVoltage;
        QTest::newRow("forward not a number reads 0")
            << QStringList{"5", "red", "-", "20", "-"} << lenient << Reason::Zero
            << Field::ForwardVoltage;
        QTest::newRow("no current") << QStringList{"5", "2.1", "-", "", "-"} << lenient
                                    << Reason::Missing << Field::Current;
        QTest::newRow("supply at the forward voltage")
            << QStringList{"2.1", "2.1", "-", "20", "-"} << lenient << Reason::OutOfRange
            << Field::SupplyVoltage;
        QTest::newRow("supply below the forward voltage")
            << QStringList{"1.5", "2.1", "-", "20", "-"} << lenient << Reason::OutOfRange
            << Field::SupplyVoltage;
        QTest::newRow("the first problem counts") << QStringList{"0", "0", "-", "0", "-"} << lenient
                                                  << Reason::Zero << Field::SupplyVoltage;
        QTest::newRow("strict: trailing text") << QStringList{"5", "2.1x", "-", "20", "-"} << strict
                                               << Reason::NotANumber << Field::ForwardVoltage;
        QTest::newRow("strict: amperes for the supply")
            << QStringList{"5 A", "2.1", "-", "20", "-"} << strict << Reason::OtherQuantity
            << Field::SupplyVoltage;
        QTest::newRow("strict: neither forward nor preset")
            << QStringList{"5", "-", "-", "20", "-"} << strict << Reason::Missing
            << Field::ForwardVoltage;
        QTest::newRow("strict: forward and preset")
            << QStringList{"5", "2", "1", "20", "-"} << strict << Reason::Conflict << Field::Preset;
        QTest::newRow("strict: preset past the list")
            << QStringList{"5", "-", "6", "20", "-"} << strict << Reason::OutOfRange
            << Field::Preset;
        QTest::newRow("strict: negative preset") << QStringList{"5", "-", "-1", "20", "-"} << strict
                                                 << Reason::OutOfRange << Field::Preset;
        QTest::newRow("strict: preset between two")
            << QStringList{"5", "-", "1.5", "20", "-"} << strict << Reason::OutOfRange
            << Field::Preset;
        QTest::newRow("strict: preset with a prefix")
            << QStringList{"5", "-", "1k", "20", "-"} << strict << Reason::NotANumber
            << Field::Preset;
        QTest::newRow("strict: E96 is not offered")
            << QStringList{"5", "2.1", "-", "20", "E96"} << strict << Reason::OutOfRange
            << Field::Series;
    }
    void problems()
    {
        QFETCH(QStringList, given);
        QFETCH(Reading, reading);
        QFETCH(Reason, reason);
        QFETCH(Field, field);
        const auto result = calculate(texts(given), reading);
        QVERIFY(!result);
        QCOMPARE(result.problem(), (Problem<Field>{reason, field}));
        QCOMPARE(problemText(result.problem()).isEmpty(),
                 field != Field::SupplyVoltage || reason != Reason::OutOfRange);
    }

    void panel_data()
    {
        QTest::addColumn<QString>("forward"); // a preset index ("#3") to choose, or a text to type
        QTest::addColumn<QString>("supply");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("forwardShown");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("warning");
        // Green (2.2 V) comes before yellow (2.1 V): the list is not sorted by voltage.
        QTest::newRow("yellow preset") << u"#3"_s << u"5"_s << 0 << u"2.1"_s << k145Ohm << false;
        QTest::newRow("typed forward voltage is not reformatted")
            << u"2.10"_s << u"5"_s << 0 << u"2.10"_s << k145Ohm << false;
        QTest::newRow("E24 chosen") << u"2"_s << u"24"_s << 1 << u"2"_s
                                    << u"Resistance: \t\t1100.0 Ohm\nPower: \t\t\t0.440 W\n"
                                       "E24 resistor: 1.1 kΩ\nat 20.0 mA and 0.44 W"_s
                                    << false;
        QTest::newRow("1000 V warns") << u"2"_s << u"1000"_s << 0 << u"2"_s
                                      << u"Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W\n"
                                         "E12 resistor: 56 kΩ\nat 17.8 mA and 17.79 W"_s
                                      << true;
        QTest::newRow("supply below the forward voltage says so")
            << u"#3"_s << u"1.5"_s << 0 << u"2.1"_s << kCannotLight << false;
    }
    void panel()
    {
        QFETCH(QString, forward);
        QFETCH(QString, supply);
        QFETCH(int, series);
        LedPanel p;
        p.find<QComboBox>("resistorSeries")->setCurrentIndex(series);
        p.type("ledSupplyVoltage", supply);
        p.type("ledOperatingCurrent", u"20"_s);
        if (forward.startsWith(u'#'))
            p.choose("ledForwardBias", forward.mid(1).toInt());
        else
            p.type("ledForwardBias", forward);
        QTEST(p.forward()->currentText(), "forwardShown");
        QTEST(p.output(), "output");
        QTEST(p.warningShown(), "warning");
    }

    void incompleteInputKeepsResultAndWarning()
    {
        LedPanel p;
        QCOMPARE(p.forward()->itemText(2), u"Green (2.2 V)"_s);
        p.type("ledSupplyVoltage", u"1000"_s);
        p.type("ledOperatingCurrent", u"20"_s);
        p.type("ledForwardBias", u"2"_s);
        const QString before = p.output();
        QVERIFY(p.warningShown());

        p.type("ledSupplyVoltage", QString());
        // The preset still turns into its number before the calculation gives up.
        p.choose("ledForwardBias", 0);
        QCOMPARE(p.forward()->currentText(), u"1.5"_s);
        QCOMPARE(p.output(), before);
        QVERIFY(p.warningShown());

        // A supply the LED cannot light from says so and takes the sign away.
        p.type("ledSupplyVoltage", u"1"_s);
        QCOMPARE(p.output(), kCannotLight);
        QVERIFY(!p.warningShown());
    }

    void germanDecimalComma()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            LedPanel p;
            p.type("ledSupplyVoltage", u"5"_s);
            p.type("ledOperatingCurrent", u"20"_s);
            p.choose("ledForwardBias", 3);
            QCOMPARE(p.forward()->currentText(), u"2,1"_s);
            QCOMPARE(p.output(), k145Ohm);
        }
        QLocale::setDefault(previous);
    }

    void resultColumnsLineUp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("English captions") << k145Ohm << 10;
        QTest::newRow("German captions")
            << u"Widerstand: \t\t145.0 Ohm\nLeistung: \t\t\t0.058 W\nE12-Widerstand: 150 Ω"_s << 10;
        QTest::newRow("large font") << k145Ohm << 20;
    }
    void resultColumnsLineUp()
    {
        QFETCH(QString, text);
        QFETCH(int, pointSize);
        TabAlignedTextWidget widget;
        QFont font = widget.font();
        font.setPointSize(pointSize);
        widget.setFont(font);
        widget.resize(600, 100);
        widget.show();
        widget.setText(text);
        const QList<int> starts = columnStarts(widget);
        QCOMPARE(starts.size(), 2);
        QCOMPARE(starts[0], starts[1]);
    }
};

QTEST_MAIN(TestLEDDroppingResistor)
#include "tst_leddroppingresistor.moc"
