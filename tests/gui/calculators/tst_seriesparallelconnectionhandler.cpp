// SPDX-License-Identifier: GPL-3.0-or-later

// The series/parallel panel as a user edits it: the parts list, and the target search, which
// runs off the GUI thread, so each check waits for the result to arrive, a result that a
// keystroke overtook never shows, and closing the panel or the app mid-search is safe (CI runs
// this under ASan as well).

#include "gui/app/ZelkorAppDelegate.h"
#include "gui/calculators/PartsTableModel.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"
#include "support/AppSupport.h"
#include "support/PanelFixture.h"

#include <QTableView>

#include <chrono>
#include <memory>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

using Panel = zelkor::test::PanelFixture<SeriesParallelConnectionHandler>;

struct PartsPanel : Panel
{
    QLineEdit *field = find<QLineEdit>("partsValueField");
    QTableView *table = find<QTableView>("partsTableView");

    void enter(const QString &text) const
    {
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts << table->model()->index(row, 0).data().toString();
        return texts;
    }
    bool fieldMarkedInvalid() const
    {
        return !field->toolTip().isEmpty() &&
               field->palette().color(QPalette::Base) != QPalette().color(QPalette::Base);
    }
};

} // namespace

class TestSeriesParallelConnectionHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // The search for 1234 is done and its result queued before the 5 is typed; the panel must
    // drop it rather than show 1234's parts beside 12345.
    void overtakenSearchNeverShows()
    {
        Panel p;
        p.click("targetModeButton");
        p.type("targetField", u"1234"_s);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        QTest::keyClick(p.find<QLineEdit>("targetField"), Qt::Key_5);
        QCoreApplication::processEvents();
        QVERIFY2(!p.output().startsWith(u"1.3 kΩ ∥ 24 kΩ"), qPrintable(p.output()));
        // 13000 · 240000 / 253000 = 12332.0158 Ω, 0.105 % low: E24's best pair for 12345.
        QTRY_COMPARE(p.output().section(u'\n', 0, 0), u"13 kΩ ∥ 240 kΩ = 12332.02 Ω (−0.105 %)"_s);
        // Erasing the target takes the result with it.
        p.type("targetField", QString());
        QCOMPARE(p.output(), QString());
    }

    void closingDuringASearchIsSafe()
    {
        {
            // The slowest search the panel offers: three parts from E192.
            auto p = std::make_unique<Panel>();
            p->click("targetModeButton");
            auto *series = p->find<QComboBox>("seriesChoice");
            series->setCurrentIndex(series->count() - 1);
            p->find<QComboBox>("partsChoice")->setCurrentIndex(1);
            p->type("targetField", u"12345"_s);
        }                 // the panel goes while its search may still run
        QTest::qWait(50); // a result posted to the gone panel would arrive here

        auto app = zelkor::test::launchApp();
        auto *panel = zelkor::test::showPanel(*app, "SeriesParallelConnection");
        QVERIFY(panel);
        auto *target = panel->findChild<QAbstractButton *>(u"targetModeButton"_s);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::keyClicks(panel->findChild<QLineEdit *>(u"targetField"_s), u"98765"_s);
        app.reset();
        QTest::qWait(50);
    }

    void keepsTheTargetAndLeavesTheList()
    {
        Panel p;
        p.type("partsValueField", u"100"_s);
        p.click("addButton");
        p.click("targetModeButton");
        p.type("targetField", u"1234"_s);
        QTRY_VERIFY(p.output().startsWith(u"1.3 kΩ ∥ 24 kΩ"));
        const QString shown = p.output();

        Panel again;
        again.handler->restoreState(p.handler->saveState());
        again.handler->recalculate();
        QTRY_COMPARE(again.output(), shown);

        p.click("listModeButton");
        QCOMPARE(p.output().section(u'\n', 0, 1), u"Series: 100.00 Ohm\nParallel: 100.00 Ohm"_s);
    }

    void addingKeepsTextsAsTypedAndShowsTotals()
    {
        PartsPanel p;
        QVERIFY(p.output().isEmpty());
        p.enter(u"100"_s);
        p.enter(u" 220 ohm"_s);
        QTest::keyClicks(p.field, u"470"_s);
        p.click("addButton");

        QCOMPARE(p.rows(), (QStringList{"100", " 220 ohm", "470"}));
        QCOMPARE(
            p.output(),
            u"Series: 790.00 Ohm\nParallel: 59.98 Ohm\n"
            "Series range at 5 %: 750.50 … 829.50 Ohm\nParallel range at 5 %: 56.98 … 62.98 Ohm"_s);
        QCOMPARE(p.field->text(), u"470"_s); // kept for the next part of the same value
        QCOMPARE(
            p.table->model()->headerData(0, Qt::Horizontal, PartsTableModel::ColumnIdentifierRole),
            QVariant(u"resistor"_s));

        // A text that is no value is refused and marked until it is edited.
        p.enter(u"abc"_s);
        QCOMPARE(p.rows().size(), 3);
        QVERIFY(p.fieldMarkedInvalid());
        QTest::keyClick(p.field, Qt::Key_Backspace);
        QVERIFY(!p.fieldMarkedInvalid());
        QTest::keyClick(p.field, Qt::Key_Return); // an empty entry adds nothing either
        QCOMPARE(p.rows().size(), 3);
    }

    void removeKeys()
    {
        PartsPanel p;
        for (const QString &value : {u"100"_s, u"220"_s, u"470"_s})
            p.enter(value);
        auto *removeButton = p.find<QPushButton>("removeButton");
        QTest::keyClick(p.table, Qt::Key_Delete); // nothing selected, nothing removed
        QCOMPARE(p.rows().size(), 3);
        QVERIFY(!removeButton->isEnabled());

        p.table->selectRow(1);
        QTest::keyClick(p.table, Qt::Key_Delete);
        QCOMPARE(p.rows(), (QStringList{"100", "470"}));
        QCOMPARE(p.output().section(u'\n', 0, 1), u"Series: 570.00 Ohm\nParallel: 82.46 Ohm"_s);

        // The next row takes the selection, so a key keeps removing, to the last part.
        QTest::keyClick(p.table, Qt::Key_Backspace);
        QTest::mouseClick(removeButton, Qt::LeftButton);
        QVERIFY(p.rows().isEmpty());
        QVERIFY(p.output().isEmpty());
        QVERIFY(!removeButton->isEnabled());
    }

    void switchingKindSwapsTotalsAndKeepsList()
    {
        PartsPanel p;
        auto *unit = p.find<QLabel>("unitField");
        p.enter(u"10"_s);
        p.enter(u"10"_s);
        QCOMPARE(unit->text(), u"Ω"_s);

        p.click("capacitorsButton");
        QCOMPARE(unit->text(), u"µF"_s);
        QCOMPARE(p.find<QLabel>("tableViewCaption")->text(), u"Capacitors: "_s);
        QCOMPARE(p.rows(), (QStringList{"10", "10"}));
        QCOMPARE(p.output().section(u'\n', 0, 1), u"Series: 5.00 µF\nParallel: 20.00 µF"_s);

        p.click("resistorsButton");
        QCOMPARE(p.output().section(u'\n', 0, 1), u"Series: 20.00 Ohm\nParallel: 5.00 Ohm"_s);
    }
};

QTEST_MAIN(TestSeriesParallelConnectionHandler)
#include "tst_seriesparallelconnectionhandler.moc"
