#include "calculators/PartsTableModel.h"
#include "calculators/SeriesParallelConnectionHandler.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The panel as the app builds it, and the widgets a user looks at.
struct Panel
{
    Panel() : handler(&widget)
    {
        field = widget.findChild<QLineEdit *>(u"partsValueField"_s);
        table = widget.findChild<QTableView *>(u"partsTableView"_s);
        output = widget.findChild<QLabel *>(u"outputField"_s);
        unit = widget.findChild<QLabel *>(u"unitField"_s);
        caption = widget.findChild<QLabel *>(u"tableViewCaption"_s);
        addButton = widget.findChild<QPushButton *>(u"addButton"_s);
        removeButton = widget.findChild<QPushButton *>(u"removeButton"_s);
        resistors = widget.findChild<QPushButton *>(u"resistorsButton"_s);
        capacitors = widget.findChild<QPushButton *>(u"capacitorsButton"_s);
    }

    // Types text into the entry field and presses Enter.
    void enter(const QString &text)
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

    QWidget widget;
    SeriesParallelConnectionHandler handler;
    QLineEdit *field;
    QTableView *table;
    QLabel *output;
    QLabel *unit;
    QLabel *caption;
    QPushButton *addButton;
    QPushButton *removeButton;
    QPushButton *resistors;
    QPushButton *capacitors;
};

bool isMarkedInvalid(const QLineEdit *field)
{
    return !field->toolTip().isEmpty() &&
           field->palette().color(QPalette::Base) != QPalette().color(QPalette::Base);
}

} // namespace

class TestSeriesParallelConnectionHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void startsEmptyForResistors();
    void addingShowsPartsAsTypedAndTotals();
    void addButtonAddsLikeEnter();
    void emptyEntryAddsNothing();
    void nonNumberIsRefusedAndMarkedUntilEdited();
    void removeKeys_data();
    void removeKeys();
    void removeWithoutSelectionRemovesNothing();
    void removingTheLastPartEmptiesTheOutput();
    void switchingKindSwapsTotalsAndKeepsList();
    void columnIdentifierIsResistorInBothKinds();
};

void TestSeriesParallelConnectionHandler::startsEmptyForResistors()
{
    Panel p;
    QVERIFY(p.resistors->isChecked());
    QCOMPARE(p.unit->text(), (u"Ω"_s));
    QCOMPARE(p.caption->text(), (u"Resistors: "_s));
    QCOMPARE(p.table->model()->rowCount(), 0);
    QVERIFY(p.output->text().isEmpty());
    QVERIFY(!p.removeButton->isEnabled());
}

void TestSeriesParallelConnectionHandler::addingShowsPartsAsTypedAndTotals()
{
    Panel p;
    p.enter(u"100"_s);
    QCOMPARE(p.output->text(), (u"Series: 100.00 Ohm\nParallel: 100.00 Ohm"_s));
    p.enter(u" 220 ohm"_s);
    p.enter(u"470"_s);
    QCOMPARE(p.rows(), (QStringList{u"100"_s, u" 220 ohm"_s, u"470"_s}));
    QCOMPARE(p.output->text(), (u"Series: 790.00 Ohm\nParallel: 59.98 Ohm"_s));
    QCOMPARE(p.field->text(), (u"470"_s)); // kept for the next part of the same value
}

void TestSeriesParallelConnectionHandler::addButtonAddsLikeEnter()
{
    Panel p;
    QTest::keyClicks(p.field, u"4.7"_s);
    QTest::mouseClick(p.addButton, Qt::LeftButton);
    QTest::mouseClick(p.addButton, Qt::LeftButton);
    QCOMPARE(p.rows(), (QStringList{u"4.7"_s, u"4.7"_s}));
    QCOMPARE(p.output->text(), (u"Series: 9.40 Ohm\nParallel: 2.35 Ohm"_s));
}

void TestSeriesParallelConnectionHandler::emptyEntryAddsNothing()
{
    Panel p;
    QTest::keyClick(p.field, Qt::Key_Return);
    QTest::mouseClick(p.addButton, Qt::LeftButton);
    QCOMPARE(p.table->model()->rowCount(), 0);
    QVERIFY(!isMarkedInvalid(p.field));
}

void TestSeriesParallelConnectionHandler::nonNumberIsRefusedAndMarkedUntilEdited()
{
    Panel p;
    p.enter(u"100"_s);
    p.enter(u"abc"_s);
    QCOMPARE(p.rows(), QStringList{u"100"_s});
    QCOMPARE(p.field->text(), (u"abc"_s));
    QVERIFY(isMarkedInvalid(p.field));
    QCOMPARE(p.output->text(), (u"Series: 100.00 Ohm\nParallel: 100.00 Ohm"_s));

    QTest::keyClick(p.field, Qt::Key_Backspace);
    QVERIFY(!isMarkedInvalid(p.field));
    QVERIFY(p.field->toolTip().isEmpty());
}

void TestSeriesParallelConnectionHandler::removeKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Delete") << int(Qt::Key_Delete);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace);
}

void TestSeriesParallelConnectionHandler::removeKeys()
{
    QFETCH(int, key);
    Panel p;
    for (const QString &value : {u"100"_s, u"220"_s, u"470"_s})
        p.enter(value);
    p.table->selectRow(1);
    QVERIFY(p.removeButton->isEnabled());

    QTest::keyClick(p.table, Qt::Key(key));
    QCOMPARE(p.rows(), (QStringList{u"100"_s, u"470"_s}));
    QCOMPARE(p.output->text(), (u"Series: 570.00 Ohm\nParallel: 82.46 Ohm"_s));

    // The next row takes the selection, so the same key keeps removing.
    QTest::keyClick(p.table, Qt::Key(key));
    QCOMPARE(p.rows(), QStringList{u"100"_s});
}

void TestSeriesParallelConnectionHandler::removeWithoutSelectionRemovesNothing()
{
    Panel p;
    p.enter(u"100"_s);
    p.enter(u"220"_s);
    p.table->clearSelection();
    QVERIFY(!p.removeButton->isEnabled());

    p.handler.removePart();
    QTest::keyClick(p.table, Qt::Key_Delete);
    QCOMPARE(p.rows(), (QStringList{u"100"_s, u"220"_s}));
    QCOMPARE(p.output->text(), (u"Series: 320.00 Ohm\nParallel: 68.75 Ohm"_s));
}

void TestSeriesParallelConnectionHandler::removingTheLastPartEmptiesTheOutput()
{
    Panel p;
    p.enter(u"100"_s);
    p.table->selectRow(0);
    QTest::mouseClick(p.removeButton, Qt::LeftButton);
    QCOMPARE(p.table->model()->rowCount(), 0);
    QVERIFY(p.output->text().isEmpty());
    QVERIFY(!p.removeButton->isEnabled());
}

void TestSeriesParallelConnectionHandler::switchingKindSwapsTotalsAndKeepsList()
{
    Panel p;
    p.enter(u"10"_s);
    p.enter(u"10"_s);

    QTest::mouseClick(p.capacitors, Qt::LeftButton);
    QVERIFY(p.capacitors->isChecked());
    QCOMPARE(p.unit->text(), (u"µF"_s));
    QCOMPARE(p.caption->text(), (u"Capacitors: "_s));
    QCOMPARE(p.rows(), (QStringList{u"10"_s, u"10"_s}));
    QCOMPARE(p.output->text(), (u"Series: 5.00 µF\nParallel: 20.00 µF"_s));

    QTest::mouseClick(p.resistors, Qt::LeftButton);
    QCOMPARE(p.unit->text(), (u"Ω"_s));
    QCOMPARE(p.caption->text(), (u"Resistors: "_s));
    QCOMPARE(p.output->text(), (u"Series: 20.00 Ohm\nParallel: 5.00 Ohm"_s));
}

void TestSeriesParallelConnectionHandler::columnIdentifierIsResistorInBothKinds()
{
    Panel p;
    const auto identifier = [&] {
        return p.table->model()
            ->headerData(0, Qt::Horizontal, PartsTableModel::ColumnIdentifierRole)
            .toString();
    };
    QCOMPARE(p.table->model()->columnCount(), 1);
    QCOMPARE(identifier(), (u"resistor"_s));
    QTest::mouseClick(p.capacitors, Qt::LeftButton);
    QCOMPARE(identifier(), (u"resistor"_s));
}

QTEST_MAIN(TestSeriesParallelConnectionHandler)
#include "tst_seriesparallelconnectionhandler.moc"
