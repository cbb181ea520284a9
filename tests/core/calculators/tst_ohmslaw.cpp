// Ohm's law: the arithmetic, which fields count as inputs, and the panel as a user types.

#include "core/calculators/OhmsLaw.h"
#include "gui/calculators/OhmsLawHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <cmath>

using namespace Qt::StringLiterals;
using zelkor::ohmslaw::GivenFields;
using zelkor::ohmslaw::Quantity;

namespace {

const char *const kFields[] = {"powerField", "voltageField", "currentField", "resistanceField"};

struct OhmsLawPanel : zelkor::test::PanelFixture<OhmsLawHandler>
{
    QStringList texts() const // P, U, I, R
    {
        QStringList shown;
        for (const char *name : kFields)
            shown << find<QLineEdit>(name)->text();
        return shown;
    }
};

} // namespace

class TestOhmsLaw : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void solve_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<float>("aValue");
        QTest::addColumn<int>("b");
        QTest::addColumn<float>("bValue");
        QTest::addColumn<float>("power");
        QTest::addColumn<float>("voltage");
        QTest::addColumn<float>("current");
        QTest::addColumn<float>("resistance");

        const int P = int(Quantity::Power), U = int(Quantity::Voltage), I = int(Quantity::Current);
        QTest::newRow("voltage and current") << U << 12.f << I << 2.f << 24.f << 12.f << 2.f << 6.f;
        QTest::newRow("power and current") << P << 24.f << I << 2.f << 24.f << 12.f << 2.f << 6.f;
        QTest::newRow("power and voltage") << P << 24.f << U << 12.f << 24.f << 12.f << 2.f << 6.f;
        QTest::newRow("order of the two does not matter")
            << I << 2.f << U << 12.f << 24.f << 12.f << 2.f << 6.f;
        QTest::newRow("zero current: no guard, infinite resistance")
            << U << 5.f << I << 0.f << 0.f << 5.f << 0.f << INFINITY;
    }
    void solve()
    {
        QFETCH(int, a);
        QFETCH(float, aValue);
        QFETCH(int, b);
        QFETCH(float, bValue);
        const auto s = zelkor::ohmslaw::solve(Quantity(a), aValue, Quantity(b), bValue);
        QTEST(s.power, "power");
        QTEST(s.voltage, "voltage");
        QTEST(s.current, "current");
        QTEST(s.resistance, "resistance");
    }

    void newestTwoGivenFieldsAreTheInputs()
    {
        GivenFields given;
        const std::array<bool, 3> allFilled{true, true, true};
        QVERIFY(!given.inputs(allFilled));

        given.edited(Quantity::Voltage);
        QVERIFY(!given.inputs(allFilled)); // one given field determines nothing
        given.edited(Quantity::Current);
        QCOMPARE(*given.inputs(allFilled), std::pair(Quantity::Current, Quantity::Voltage));

        given.edited(Quantity::Power);
        QCOMPARE(*given.inputs(allFilled), std::pair(Quantity::Power, Quantity::Current));

        // An emptied field no longer counts; the older given one steps in.
        QCOMPARE(*given.inputs({true, true, false}), std::pair(Quantity::Power, Quantity::Voltage));

        // A computed field is no input until it is edited again.
        given.computed(Quantity::Voltage);
        QVERIFY(!given.inputs({true, true, false}));
        given.clear();
        QVERIFY(!given.isGiven(Quantity::Power));
    }

    void panel_data()
    {
        QTest::addColumn<QStringList>("typed"); // P, U, I, typed in that order
        QTest::addColumn<QStringList>("shown"); // P, U, I, R

        QTest::newRow("voltage and current")
            << QStringList{"", "12", "2"} << QStringList{"24", "12", "2", "6"};
        QTest::newRow("power and current, one pass")
            << QStringList{"24", "", "2"} << QStringList{"24", "12", "2", "6"};
        QTest::newRow("power and voltage")
            << QStringList{"24", "12", ""} << QStringList{"24", "12", "2", "6"};
        QTest::newRow("current zero gives infinite resistance")
            << QStringList{"", "5", "0"} << QStringList{"0", "5", "0", "inf"};
        QTest::newRow("a lone blank is filled and reads zero")
            << QStringList{"", "5", " "} << QStringList{"0", "5", " ", "inf"};
        QTest::newRow("zero over zero is nan")
            << QStringList{"0", "0", ""} << QStringList{"0", "0", "nan", "nan"};
        QTest::newRow("a single field computes nothing")
            << QStringList{"", "12", ""} << QStringList{"", "12", "", ""};
        QTest::newRow("fractions in single precision")
            << QStringList{"", "3.3", "0.02"} << QStringList{"0.066", "3.3", "0.02", "165"};
    }
    void panel()
    {
        QFETCH(QStringList, typed);
        OhmsLawPanel p;
        QVERIFY(p.find<QLineEdit>("resistanceField")->isReadOnly());
        for (int i = 0; i < 3; ++i)
            QTest::keyClicks(p.find<QLineEdit>(kFields[i]), typed[i]);
        QTEST(p.texts(), "shown");
    }

    void editingKeepsWhatWasTyped()
    {
        OhmsLawPanel p;
        QTest::keyClicks(p.find<QLineEdit>("voltageField"), u"12"_s);
        QTest::keyClicks(p.find<QLineEdit>("currentField"), u"2"_s);
        QCOMPARE(p.texts()[0], u"24"_s);

        p.type("voltageField", u"10"_s);
        QCOMPARE(p.texts(), (QStringList{"20", "10", "2", "5"}));

        // Typing the power now makes power and voltage the inputs; the old current gives way.
        p.type("powerField", u"50"_s);
        QCOMPARE(p.texts(), (QStringList{"50", "10", "5", "2"}));
    }

    void clearForgetsEverything()
    {
        OhmsLawPanel p;
        QTest::keyClicks(p.find<QLineEdit>("voltageField"), u"12"_s);
        QTest::keyClicks(p.find<QLineEdit>("currentField"), u"2"_s);

        p.click("clearButton");
        QCOMPARE(p.texts(), (QStringList{"", "", "", ""}));

        // Nothing typed before the clear counts any more.
        QTest::keyClicks(p.find<QLineEdit>("powerField"), u"24"_s);
        QCOMPARE(p.texts(), (QStringList{"24", "", "", ""}));
        QTest::keyClicks(p.find<QLineEdit>("currentField"), u"2"_s);
        QCOMPARE(p.texts(), (QStringList{"24", "12", "2", "6"}));
    }
};

QTEST_MAIN(TestOhmsLaw)
#include "tst_ohmslaw.moc"
