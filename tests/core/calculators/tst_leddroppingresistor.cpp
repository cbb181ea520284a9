// The LED dropping resistor: the formula and its 10 W warning, the panel with its presets, and
// the tab-aligned result text.

#include "core/calculators/LEDDroppingResistor.h"
#include "core/text/NumberFormat.h"
#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/TabAlignedTextWidget.h"
#include "gui/calculators/WarningSignWidget.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

const QString k145Ohm = u"Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W"_s;
const QString k175Ohm = u"Resistance: \t\t175.0 Ohm\nPower: \t\t\t0.070 W"_s;

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

    // An empty text means no result: supply, forward voltage and current must not be 0.
    void calculate_data()
    {
        QTest::addColumn<QList<float>>("inputs"); // supply V, forward V, current mA
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        QTest::newRow("yellow at 5 V") << QList<float>{5, 2.1f, 20} << k145Ohm << false;
        QTest::newRow("1000 V supply warns")
            << QList<float>{1000, 2, 20} << u"Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W"_s
            << true;
        QTest::newRow("exactly 10 W does not warn")
            << QList<float>{12, 2, 1000} << u"Resistance: \t\t10.0 Ohm\nPower: \t\t\t10.000 W"_s
            << false;
        QTest::newRow("just above 10 W warns")
            << QList<float>{12.5f, 2, 1000} << u"Resistance: \t\t10.5 Ohm\nPower: \t\t\t10.500 W"_s
            << true;
        QTest::newRow("supply below forward is negative")
            << QList<float>{1.5f, 2.1f, 20} << u"Resistance: \t\t-30.0 Ohm\nPower: \t\t\t-0.012 W"_s
            << false;
        QTest::newRow("error: no supply") << QList<float>{0, 2.1f, 20} << "" << false;
        QTest::newRow("error: no forward voltage") << QList<float>{5, 0, 20} << "" << false;
        QTest::newRow("error: no current") << QList<float>{5, 2.1f, 0} << "" << false;
    }
    void calculate()
    {
        QFETCH(QList<float>, inputs);
        const auto number = [](float v) { return QString::number(v); };
        const auto result = zelkor::led::calculate(
            {number(inputs[0]), number(inputs[1]), std::nullopt, number(inputs[2])},
            zelkor::Reading::Lenient);
        QTEST(result ? zelkor::led::resultText(*result) : QString(), "text");
        QTEST(result && result->powerWarning, "warning");
    }

    void presetItemsNameColourAndVoltage()
    {
        LedPanel p;
        // Each item's name states the value it stands for (green 2.2 V before yellow 2.1 V).
        QCOMPARE(p.forward()->count(), 6);
        QCOMPARE(p.forward()->itemText(2), u"Green (2.2 V)"_s);
        QCOMPARE(p.forward()->itemText(3), u"Yellow (2.1 V)"_s);
        for (int i = 0; i < 6; ++i) {
            const QString volts =
                zelkor::formatFixed(zelkor::led::kForwardVoltagePresets[i].value, 1);
            QVERIFY2(p.forward()->itemText(i).endsWith(u" (%1 V)"_s.arg(volts)),
                     qPrintable(p.forward()->itemText(i)));
        }
        // The warning sign is a real picture once it shows.
        auto *sign = p.find<WarningSignWidget>("warningSign");
        p.panel.show();
        sign->setShown(true);
        QVERIFY(sign->isVisible());
        QVERIFY(!sign->pixmap().isNull());
    }

    void panel_data()
    {
        QTest::addColumn<QString>("forward"); // a preset index ("#3") to choose, or a text to type
        QTest::addColumn<QString>("supply");
        QTest::addColumn<QString>("forwardShown");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("warning");
        // Green (2.2 V) comes before yellow (2.1 V): the list is not sorted by voltage.
        QTest::newRow("yellow preset") << u"#3"_s << u"5"_s << u"2.1"_s << k145Ohm << false;
        QTest::newRow("typed forward voltage, 1000 V warns")
            << u"2"_s << u"1000"_s << u"2"_s
            << u"Resistance: \t\t49900.0 Ohm\nPower: \t\t\t19.960 W"_s << true;
        QTest::newRow("typed forward voltage is not reformatted")
            << u"2.10"_s << u"5"_s << u"2.10"_s << k145Ohm << false;
    }
    void panel()
    {
        QFETCH(QString, forward);
        QFETCH(QString, supply);
        LedPanel p;
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

        // A later complete calculation under 10 W fades the sign out.
        p.type("ledSupplyVoltage", u"5"_s);
        QCOMPARE(p.output(), k175Ohm);
        QVERIFY(!p.warningShown());
    }

    void enterRecomputes()
    {
        LedPanel p;
        p.find<QLineEdit>("ledSupplyVoltage")->setText(u"5"_s);
        p.find<QLineEdit>("ledOperatingCurrent")->setText(u"20"_s);
        p.forward()->setEditText(u"2.1"_s);
        QVERIFY(p.output().isEmpty());
        QTest::keyClick(p.find<QLineEdit>("ledOperatingCurrent"), Qt::Key_Return);
        QCOMPARE(p.output(), k145Ohm);
    }

    void germanDecimalComma()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            LedPanel p;
            p.type("ledSupplyVoltage", u"5"_s);
            p.type("ledOperatingCurrent", u"20"_s);
            p.choose("ledForwardBias", 0);
            QCOMPARE(p.forward()->currentText(), u"1,5"_s);
            QCOMPARE(p.output(), k175Ohm);

            // Editing the substituted number keeps the comma meaningful.
            p.type("ledForwardBias", u"2,1"_s);
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
            << u"Widerstand: \t\t145.0 Ohm\nLeistung: \t\t\t0.058 W"_s << 10;
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
        QCOMPARE(widget.text(), text);
        const QList<int> starts = columnStarts(widget);
        QCOMPARE(starts.size(), 2);
        QCOMPARE(starts[0], starts[1]);
    }
};

QTEST_MAIN(TestLEDDroppingResistor)
#include "tst_leddroppingresistor.moc"
