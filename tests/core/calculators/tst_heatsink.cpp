// The heat sink: both modes and their warnings, and the panel with its presets and signs.

#include "core/calculators/HeatSink.h"
#include "gui/calculators/HeatSinkHandler.h"
#include "gui/calculators/WarningSignWidget.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <cmath>

using namespace zelkor::heatsink;
using namespace Qt::StringLiterals;

namespace {

const QString kTooHot = u"The ambient temperature is at or above the maximum chip temperature."_s;
const QList<bool> kNoWarnings = {false, false};
const QList<bool> kBothWarnings = {true, true};

struct HeatSinkPanel : zelkor::test::PanelFixture<HeatSinkHandler>
{
    // power, chip resistance, mounting preset index, mode field, ambient
    void fill(bool maxTemperature, const QStringList &v)
    {
        click(maxTemperature ? "maxTemperatureModeButton" : "sinkResistanceModeButton");
        type("power", v[0]);
        type("trChip", v[1]);
        type("trHeatSinkOrMaxTemperature", v[3]);
        type("ambientTemperature", v[4]);
        choose("trHousingHeatsink", v[2].toInt());
    }
    QString mountShown() const { return find<QComboBox>("trHousingHeatsink")->currentText(); }
    // Visibility of the two signs once their fades are over.
    QList<bool> warnings() const
    {
        QList<bool> shown;
        for (const char *name : {"warningSignMaxTemperature", "warningSignAmbientTemperature"}) {
            auto *sign = find<WarningSignWidget>(name);
            [[maybe_unused]] const bool faded =
                QTest::qWaitFor([sign] { return !sign->isFading(); });
            shown.append(sign->isVisibleTo(&panel));
        }
        return shown;
    }
};

} // namespace

class TestHeatSink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // An empty text means no result: a needed value is 0 or the ambient is missing.
    void calculate_data()
    {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warnings");
        const Mode sink = Mode::SinkResistanceGiven;
        const Mode limit = Mode::MaxChipTemperatureGiven;
        QTest::newRow("chip temperature") << Inputs{sink, 10, 1.5f, 0.3f, 2, 25.0f}
                                          << u"Resulting chip temperature: 63.00"_s << false;
        QTest::newRow("chip temperature below freezing ambient")
            << Inputs{sink, 5, 2.5f, 0.1f, 4, -10.0f} << u"Resulting chip temperature: 23.00"_s
            << false;
        QTest::newRow("chip temperature at 0 degrees ambient")
            << Inputs{sink, 10, 1.5f, 0.3f, 2, 0.0f} << u"Resulting chip temperature: 38.00"_s
            << false;
        QTest::newRow("heat sink for 150 degrees")
            << Inputs{limit, 10, 1.5f, 0.3f, 150, 25.0f}
            << u"Max. heat sink resistance: 10.70 °K/W"_s << false;
        QTest::newRow("no heat sink suffices")
            << Inputs{limit, 100, 1.5f, 0.3f, 150, 25.0f}
            << u"No heat sink can keep the chip below its maximum temperature."_s << false;
        QTest::newRow("ambient equal to maximum warns")
            << Inputs{limit, 10, 1.5f, 0.3f, 25, 25.0f} << kTooHot << true;
        QTest::newRow("ambient above maximum warns")
            << Inputs{limit, 10, 1.5f, 0.3f, 25, 40.0f} << kTooHot << true;
        QTest::newRow("error: no power") << Inputs{sink, 0, 1.5f, 0.3f, 2, 25.0f} << "" << false;
        QTest::newRow("error: no chip resistance")
            << Inputs{sink, 10, 0, 0.3f, 2, 25.0f} << "" << false;
        QTest::newRow("error: no mounting resistance")
            << Inputs{sink, 10, 1.5f, 0, 2, 25.0f} << "" << false;
        QTest::newRow("error: ideal heat sink counts as missing")
            << Inputs{sink, 10, 1.5f, 0.3f, 0, 25.0f} << "" << false;
        QTest::newRow("error: maximum of 0 degrees counts as missing")
            << Inputs{limit, 10, 1.5f, 0.3f, 0, 25.0f} << "" << false;
        QTest::newRow("error: no ambient") << Inputs{sink, 10, 1.5f, 0.3f, 2, NAN} << "" << false;
    }
    void calculate()
    {
        QFETCH(Inputs, inputs);
        // NaN stands for an empty ambient field.
        const auto number = [](float v) { return std::isnan(v) ? QString() : QString::number(v); };
        Texts texts{inputs.mode,
                    number(inputs.power),
                    number(inputs.chipResistance),
                    number(inputs.mountingResistance),
                    std::nullopt,
                    {},
                    {},
                    number(inputs.ambientTemperature)};
        (inputs.mode == Mode::SinkResistanceGiven ? texts.sinkResistance : texts.maxTemperature) =
            number(inputs.sinkResistanceOrMaxTemperature);
        const auto result = zelkor::heatsink::calculate(texts, zelkor::Reading::Lenient);
        QTEST(result ? resultText(*result) : QString(), "text");
        QTEST(result && result->temperatureWarnings(), "warnings");
    }

    void panel_data()
    {
        QTest::addColumn<bool>("maxTemperature");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("mountShown");
        QTest::addColumn<QString>("output");
        QTest::newRow("chip temperature, mica washer")
            << false << QStringList{"10", "1.5", "0", "2", "25"} << u"0.3"_s
            << u"Resulting chip temperature: 63.00"_s;
        QTest::newRow("chip temperature at 0 degrees ambient")
            << false << QStringList{"10", "1.5", "0", "2", "0"} << u"0.3"_s
            << u"Resulting chip temperature: 38.00"_s;
        QTest::newRow("heat sink, third preset")
            << true << QStringList{"10", "1.5", "2", "125", "25"} << u"0.1"_s
            << u"Max. heat sink resistance: 8.40 °K/W"_s;
    }
    void panel()
    {
        QFETCH(bool, maxTemperature);
        QFETCH(QStringList, inputs);
        HeatSinkPanel p;
        p.fill(maxTemperature, inputs);
        QTEST(p.mountShown(), "mountShown");
        QTEST(p.output(), "output");
        QCOMPARE(p.warnings(), kNoWarnings);
    }

    void ambientAtMaximumWarnsUntilCooler()
    {
        HeatSinkPanel p;
        p.fill(true, {"1", "1.5", "0", "25", "25"});
        QCOMPARE(p.output(), kTooHot);
        QCOMPARE(p.warnings(), kBothWarnings);

        p.type("ambientTemperature", u"20"_s);
        QCOMPARE(p.output(), u"Max. heat sink resistance: 3.20 °K/W"_s);
        QCOMPARE(p.warnings(), kNoWarnings);
    }

    void incompleteInputKeepsResultAndWarnings()
    {
        HeatSinkPanel p;
        p.fill(true, {"1", "1.5", "0", "25", "25"});
        p.type("ambientTemperature", QString());
        p.type("power", u"0"_s);
        QCOMPARE(p.output(), kTooHot);
        QCOMPARE(p.warnings(), kBothWarnings);
    }

    void modeCaptionsFollowEvenWithoutInput()
    {
        HeatSinkPanel p;
        QLabel *caption = p.find<QLabel>("label1");
        QLabel *unit = p.find<QLabel>("label2");
        QCOMPARE(caption->text(), u"Heat sink thermal resistance:"_s);
        QCOMPARE(unit->text(), u"°K/W"_s);
        p.click("maxTemperatureModeButton");
        QCOMPARE(caption->text(), u"Max. chip temperature:"_s);
        QCOMPARE(unit->text(), u"°C"_s);
        QVERIFY(p.output().isEmpty());
    }

    void germanDecimalComma()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            HeatSinkPanel p;
            p.fill(true, {"10", "1.5", "0", "150", "25"});
            QCOMPARE(p.mountShown(), u"0,3"_s);
            QCOMPARE(p.output(), u"Max. heat sink resistance: 10.70 °K/W"_s);
        }
        QLocale::setDefault(previous);
    }
};

QTEST_MAIN(TestHeatSink)
#include "tst_heatsink.moc"
