// SPDX-License-Identifier: GPL-3.0-or-later

// The capacitor code panel, typed into as a user does: a marking shows its readings, a value
// its codes, and the typed inputs come back after a restart.

#include "gui/capacitor/CapacitorCodesHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

class TestCapacitorCodesHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("marking with tolerance and voltage")
            << u"capCode"_s << u"2A104J"_s << u"100 nF ±5 % 100 V"_s;
        QTest::newRow("two readings") << u"capCode"_s << u"R5"_s << u"0.5 pF\nAs EIA-198: 430 nF"_s;
        QTest::newRow("refused code")
            << u"capCode"_s << u"4R7R"_s << u"A code has at most one R for the decimal point."_s;
        QTest::newRow("value") << u"capValue"_s << u"100n"_s << u"Code: 104\nEIA-198: A5"_s;
    }
    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        zelkor::test::PanelFixture<CapacitorCodesHandler> p;
        p.type(qPrintable(field), typed);
        QTEST(p.output(), "shown");
    }

    void eachFieldClearsTheOtherAndIsKept()
    {
        zelkor::test::PanelFixture<CapacitorCodesHandler> p;
        p.type("capValue", u"4.7p"_s);
        p.type("capCode", u"S4"_s);
        QCOMPARE(p.output(), u"47 nF"_s);
        QCOMPARE(p.find<QLineEdit>("capValue")->text(), QString());

        zelkor::test::PanelFixture<CapacitorCodesHandler> again;
        again.handler->restoreState(p.handler->saveState());
        again.handler->recalculate();
        QCOMPARE(again.output(), u"47 nF"_s);
    }
};

QTEST_MAIN(TestCapacitorCodesHandler)
#include "tst_capacitorcodeshandler.moc"
