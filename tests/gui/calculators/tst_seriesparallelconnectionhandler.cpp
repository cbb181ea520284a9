// SPDX-License-Identifier: GPL-3.0-or-later

// The series/parallel panel's target search, typed into as a user does: the search runs off
// the GUI thread, so each check waits for the result to arrive.

#include "gui/calculators/SeriesParallelConnectionHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

class TestSeriesParallelConnectionHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void target_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("partsIndex");
        QTest::addColumn<QString>("first");
        // 1300 · 24000 / 25300 = 1233.2016 Ω, 0.0647 % low.
        QTest::newRow("two E24 parts")
            << u"1234"_s << 0 << u"1.3 kΩ ∥ 24 kΩ = 1233.20 Ω (−0.065 %)"_s;
        QTest::newRow("a standard value says so first")
            << u"4k7"_s << 1 << u"4.7 kΩ is a standard value of E24."_s;
    }
    void target()
    {
        QFETCH(QString, typed);
        QFETCH(int, partsIndex);
        QFETCH(QString, first);
        zelkor::test::PanelFixture<SeriesParallelConnectionHandler> p;
        p.click("targetModeButton");
        p.find<QComboBox>("partsChoice")->setCurrentIndex(partsIndex);
        // Typed key by key: every keystroke starts a search, and only the last one may show.
        p.type("targetField", typed);
        QTRY_COMPARE(p.output().section(u'\n', 0, 0), first);
    }

    void keepsTheTargetAndLeavesTheList()
    {
        zelkor::test::PanelFixture<SeriesParallelConnectionHandler> p;
        p.type("partsValueField", u"100"_s);
        p.click("addButton");
        p.click("targetModeButton");
        p.type("targetField", u"1234"_s);
        QTRY_VERIFY(p.output().startsWith(u"1.3 kΩ ∥ 24 kΩ"));
        const QString shown = p.output();

        zelkor::test::PanelFixture<SeriesParallelConnectionHandler> again;
        again.handler->restoreState(p.handler->saveState());
        again.handler->recalculate();
        QTRY_COMPARE(again.output(), shown);

        p.click("listModeButton");
        QCOMPARE(p.output(), u"Series: 100.00 Ohm\nParallel: 100.00 Ohm"_s);
    }
};

QTEST_MAIN(TestSeriesParallelConnectionHandler)
#include "tst_seriesparallelconnectionhandler.moc"
