// SPDX-License-Identifier: GPL-3.0-or-later

// The SMD code panel, typed into as a user does: a code shows its value, a value its codes, and
// a bad code a sentence that says what is wrong.

#include "gui/resistor/SmdCodeHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

class TestSmdCodeHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three-digit code") << u"smdCode"_s << u"103"_s << u"10 kΩ"_s;
        QTest::newRow("bad EIA-96 number")
            << u"smdCode"_s << u"99A"_s << u"EIA-96 numbers run from 01 to 96, not 99."_s;
        QTest::newRow("value in three systems")
            << u"smdValue"_s << u"10k"_s << u"Three digits: 103\nFour digits: 1002\nEIA-96: 01C"_s;
        QTest::newRow("not a value")
            << u"smdValue"_s << u"ten"_s << u"Type a resistance such as 4k7, 49.9k or 4700."_s;
    }
    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        zelkor::test::PanelFixture<SmdCodeHandler> p;
        p.type(qPrintable(field), typed);
        QTEST(p.output(), "shown");
    }

    void eachFieldClearsTheOther()
    {
        zelkor::test::PanelFixture<SmdCodeHandler> p;
        p.type("smdValue", u"49.9"_s);
        p.type("smdCode", u"4R7"_s);
        QCOMPARE(p.output(), u"4.7 Ω"_s);
        QCOMPARE(p.find<QLineEdit>("smdValue")->text(), QString());
        p.type("smdCode", QString());
        QCOMPARE(p.output(), QString());
    }
};

QTEST_MAIN(TestSmdCodeHandler)
#include "tst_smdcodehandler.moc"
