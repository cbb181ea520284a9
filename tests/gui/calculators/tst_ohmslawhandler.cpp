// SPDX-License-Identifier: GPL-3.0-or-later

// The Ohm's law panel as a user types: the newest two given fields are the inputs, and the
// others are computed from them.

#include "gui/calculators/OhmsLawHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

class TestOhmsLawHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void panel_data()
    {
        QTest::addColumn<QString>("steps"); // "steps → P U I R as shown"
        QTest::newRow("power and current, one pass") << "powerField=24;currentField=2 → 24 12 2 6";
        // A blank counts as typed and reads 0, which no resistor carries: the figures computed
        // before go.
        QTest::newRow("a lone blank is filled, reads 0 and empties the results")
            << "voltageField=12;currentField=2;currentField=  →  12   ";
        QTest::newRow("a negative current empties the results")
            << "powerField=24;currentField=2;currentField=-2 → 24  -2 ";
        QTest::newRow("milliamperes") << "voltageField=5;currentField=500 mA → 2.5 5 500 mA 10";
        QTest::newRow("one field computes nothing") << "voltageField=12 →  12  ";
        // Typing the power makes power and voltage the inputs; the old current gives way.
        QTest::newRow("the newest two given fields count")
            << "voltageField=12;currentField=2;voltageField=10;powerField=50 → 50 10 5 2";
        // The resistance typed last joins the current; the voltage it leaves behind is redone.
        QTest::newRow("resistance replaces the older input")
            << "voltageField=12;currentField=2;resistanceField=4 → 16 8 2 4";
        // The emptied resistance no longer counts, and the current alone determines nothing.
        QTest::newRow("an emptied field is no input")
            << "voltageField=12;currentField=2;resistanceField=4;resistanceField= → 16 8 2 ";
        QTest::newRow("clear forgets what was typed")
            << "voltageField=12;currentField=2;clearButton!;powerField=24 → 24   ";
    }
    void panel()
    {
        QFETCH(QString, steps);
        zelkor::test::PanelFixture<OhmsLawHandler> p;
        p.play(steps.section(u" → "_s, 0, 0));
        QStringList shown;
        for (const char *name : {"powerField", "voltageField", "currentField", "resistanceField"})
            shown << p.find<QLineEdit>(name)->text();
        QCOMPARE(shown.join(u' '), steps.section(u" → "_s, 1));
    }
};

QTEST_MAIN(TestOhmsLawHandler)
#include "tst_ohmslawhandler.moc"
