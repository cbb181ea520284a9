// Series and parallel connection: the totals, the parts list as a user edits it, and the
// capacitor form's debug action.

#include "core/calculators/SeriesParallel.h"
#include "core/text/NumberFormat.h"
#include "gui/calculators/CapacitorHandler.h"
#include "gui/calculators/PartsTableModel.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QFormLayout>
#include <QTableView>

using namespace Qt::StringLiterals;
using zelkor::seriesparallel::PartKind;

namespace {

struct PartsPanel : zelkor::test::PanelFixture<SeriesParallelConnectionHandler>
{
    QLineEdit *field = find<QLineEdit>("partsValueField");
    QTableView *table = find<QTableView>("partsTableView");
    QPushButton *removeButton = find<QPushButton>("removeButton");

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

class TestSeriesParallel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void totals_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("reciprocal");
        QTest::newRow("equal pair halves")
            << QStringList{"100", "100"} << u"200.00"_s << u"50.00"_s;
        QTest::newRow("three resistors")
            << QStringList{"100", "220", "470"} << u"790.00"_s << u"59.98"_s;
        QTest::newRow("four large resistors")
            << QStringList{"1000", "2200", "4700", "10000"} << u"17900.00"_s << u"565.83"_s;
        QTest::newRow("fractions count in both totals")
            << QStringList{"4.7", "4.7"} << u"9.40"_s << u"2.35"_s;
        QTest::newRow("parts below one") << QStringList{"0.47", "0.1"} << u"0.57"_s << u"0.08"_s;
        QTest::newRow("high values do not overflow")
            << QStringList{"220000", "470000", "1000000", "2200000", "4700000"} << u"8590000.00"_s
            << u"119897.96"_s;
        QTest::newRow("a zero part shorts the reciprocal total")
            << QStringList{"0", "100"} << u"100.00"_s << u"0.00"_s;
        QTest::newRow("texts read up to the number's end")
            << QStringList{" 100", "220 ohm", "1e3"} << u"1320.00"_s << u"64.33"_s;
    }
    void totals()
    {
        QFETCH(QStringList, parts);
        const auto totals =
            zelkor::seriesparallel::calculate(PartKind::Resistors, parts, zelkor::Reading::Lenient);
        QVERIFY(totals);
        QTEST(zelkor::formatFixed(totals->sum, 2), "sum");
        QTEST(zelkor::formatFixed(totals->reciprocal, 2), "reciprocal");
    }

    void resultText_data()
    {
        QTest::addColumn<PartKind>("kind");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("resistors add in series") << PartKind::Resistors << QStringList{"100", "100"}
                                                 << u"Series: 200.00 Ohm\nParallel: 50.00 Ohm"_s;
        QTest::newRow("capacitors add in parallel")
            << PartKind::Capacitors << QStringList{"10", "10"}
            << u"Series: 5.00 µF\nParallel: 20.00 µF"_s;
        QTest::newRow("no resistors, no totals") << PartKind::Resistors << QStringList{} << u""_s;
        QTest::newRow("no capacitors, no totals") << PartKind::Capacitors << QStringList{} << u""_s;
    }
    void resultText()
    {
        QFETCH(PartKind, kind);
        QFETCH(QStringList, parts);
        QTEST(zelkor::seriesparallel::resultText(kind, parts), "expected");
        QCOMPARE(bool(zelkor::seriesparallel::calculate(kind, parts, zelkor::Reading::Lenient)),
                 !parts.isEmpty());
    }

    void isPart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("whole number") << u"100"_s << true;
        QTest::newRow("exponent") << u"4.7e3"_s << true;
        QTest::newRow("unit after the number") << u"220 ohm"_s << true;
        QTest::newRow("error: letters") << u"abc"_s << false;
        QTest::newRow("error: blanks only") << u"   "_s << false;
        QTest::newRow("error: decimal comma alone") << u",5"_s << false;
    }
    void isPart()
    {
        QFETCH(QString, text);
        QTEST(zelkor::seriesparallel::isPart(text, PartKind::Resistors), "accepted");
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
        QCOMPARE(p.output(), u"Series: 790.00 Ohm\nParallel: 59.98 Ohm"_s);
        QCOMPARE(p.field->text(), u"470"_s); // kept for the next part of the same value
        QCOMPARE(
            p.table->model()->headerData(0, Qt::Horizontal, PartsTableModel::ColumnIdentifierRole),
            QVariant(u"resistor"_s));
    }

    void emptyOrNonNumberEntryAddsNothing()
    {
        PartsPanel p;
        QTest::keyClick(p.field, Qt::Key_Return);
        QCOMPARE(p.table->model()->rowCount(), 0);
        QVERIFY(!p.fieldMarkedInvalid());

        p.enter(u"100"_s);
        p.enter(u"abc"_s);
        QCOMPARE(p.rows(), QStringList{"100"});
        QCOMPARE(p.field->text(), u"abc"_s);
        QVERIFY(p.fieldMarkedInvalid());
        QCOMPARE(p.output(), u"Series: 100.00 Ohm\nParallel: 100.00 Ohm"_s);

        QTest::keyClick(p.field, Qt::Key_Backspace);
        QVERIFY(!p.fieldMarkedInvalid());
    }

    void removeKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Delete") << int(Qt::Key_Delete);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
    }
    void removeKeys()
    {
        QFETCH(int, key);
        PartsPanel p;
        for (const QString &value : {u"100"_s, u"220"_s, u"470"_s})
            p.enter(value);
        p.table->selectRow(1);
        QVERIFY(p.removeButton->isEnabled());

        QTest::keyClick(p.table, Qt::Key(key));
        QCOMPARE(p.rows(), (QStringList{"100", "470"}));
        QCOMPARE(p.output(), u"Series: 570.00 Ohm\nParallel: 82.46 Ohm"_s);

        // The next row takes the selection, so the same key keeps removing.
        QTest::keyClick(p.table, Qt::Key(key));
        QCOMPARE(p.rows(), QStringList{"100"});
    }

    void removeWithoutSelectionRemovesNothing()
    {
        PartsPanel p;
        p.enter(u"100"_s);
        p.enter(u"220"_s);
        QVERIFY(!p.removeButton->isEnabled());

        p.handler->removePart();
        QTest::keyClick(p.table, Qt::Key_Delete);
        QCOMPARE(p.rows(), (QStringList{"100", "220"}));
        QCOMPARE(p.output(), u"Series: 320.00 Ohm\nParallel: 68.75 Ohm"_s);
    }

    void removingTheLastPartEmptiesTheOutput()
    {
        PartsPanel p;
        p.enter(u"100"_s);
        p.table->selectRow(0);
        QTest::mouseClick(p.removeButton, Qt::LeftButton);
        QCOMPARE(p.table->model()->rowCount(), 0);
        QVERIFY(p.output().isEmpty());
        QVERIFY(!p.removeButton->isEnabled());
    }

    void switchingKindSwapsTotalsAndKeepsList()
    {
        PartsPanel p;
        auto *unit = p.find<QLabel>("unitField");
        auto *caption = p.find<QLabel>("tableViewCaption");
        QCOMPARE(unit->text(), u"Ω"_s);
        QCOMPARE(caption->text(), u"Resistors: "_s);
        p.enter(u"10"_s);
        p.enter(u"10"_s);

        p.click("capacitorsButton");
        QCOMPARE(unit->text(), u"µF"_s);
        QCOMPARE(caption->text(), u"Capacitors: "_s);
        QCOMPARE(p.rows(), (QStringList{"10", "10"}));
        QCOMPARE(p.output(), u"Series: 5.00 µF\nParallel: 20.00 µF"_s);

        p.click("resistorsButton");
        QCOMPARE(unit->text(), u"Ω"_s);
        QCOMPARE(p.output(), u"Series: 20.00 Ohm\nParallel: 5.00 Ohm"_s);
    }

    void capacitorDebugRemovesTheSecondEntryUntilOneIsLeft()
    {
        zelkor::test::PanelFixture<CapacitorHandler> p;
        auto *layout = qobject_cast<QFormLayout *>(p.find("inputForm")->layout());
        QVERIFY(layout);
        QCOMPARE(layout->rowCount(), 3);

        p.click("debugButton");
        QCOMPARE(layout->rowCount(), 2);
        QVERIFY(!p.panel.findChild<QLineEdit *>(u"voltageField"_s));
        QVERIFY(p.find<QLineEdit>("capacitanceField") && p.find<QLineEdit>("toleranceField"));

        p.click("debugButton");
        QCOMPARE(layout->rowCount(), 1);
        p.handler->debug(); // a form without a second entry stays as it is
        QCOMPARE(layout->rowCount(), 1);
        QVERIFY(p.find<QLineEdit>("capacitanceField"));
    }
};

QTEST_MAIN(TestSeriesParallel)
#include "tst_seriesparallel.moc"
