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
    template <typename T> T *find(const QString &name) const { return widget.findChild<T *>(name); }

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

    QString output() const { return find<QLabel>(u"outputField"_s)->text(); }

    QWidget widget;
    SeriesParallelConnectionHandler handler{&widget};
    QLineEdit *field = find<QLineEdit>(u"partsValueField"_s);
    QTableView *table = find<QTableView>(u"partsTableView"_s);
    QPushButton *removeButton = find<QPushButton>(u"removeButton"_s);
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

    void addingKeepsTextsAsTypedAndShowsTotals();
    void emptyOrNonNumberEntryAddsNothing();
    void removeKeys_data();
    void removeKeys();
    void removeWithoutSelectionRemovesNothing();
    void removingTheLastPartEmptiesTheOutput();
    void switchingKindSwapsTotalsAndKeepsList();
};

void TestSeriesParallelConnectionHandler::addingKeepsTextsAsTypedAndShowsTotals()
{
    Panel p;
    QVERIFY(p.output().isEmpty());
    p.enter(u"100"_s);
    p.enter(u" 220 ohm"_s);
    QTest::keyClicks(p.field, u"470"_s);
    QTest::mouseClick(p.find<QPushButton>(u"addButton"_s), Qt::LeftButton);

    QCOMPARE(p.rows(), (QStringList{u"100"_s, u" 220 ohm"_s, u"470"_s}));
    QCOMPARE(p.output(), u"Series: 790.00 Ohm\nParallel: 59.98 Ohm"_s);
    QCOMPARE(p.field->text(), u"470"_s); // kept for the next part of the same value
    QCOMPARE(p.table->model()->headerData(0, Qt::Horizontal, PartsTableModel::ColumnIdentifierRole),
             QVariant(u"resistor"_s));
}

void TestSeriesParallelConnectionHandler::emptyOrNonNumberEntryAddsNothing()
{
    Panel p;
    QTest::keyClick(p.field, Qt::Key_Return);
    QCOMPARE(p.table->model()->rowCount(), 0);
    QVERIFY(!isMarkedInvalid(p.field));

    p.enter(u"100"_s);
    p.enter(u"abc"_s);
    QCOMPARE(p.rows(), QStringList{u"100"_s});
    QCOMPARE(p.field->text(), u"abc"_s);
    QVERIFY(isMarkedInvalid(p.field));
    QCOMPARE(p.output(), u"Series: 100.00 Ohm\nParallel: 100.00 Ohm"_s);

    QTest::keyClick(p.field, Qt::Key_Backspace);
    QVERIFY(!isMarkedInvalid(p.field));
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
    QCOMPARE(p.output(), u"Series: 570.00 Ohm\nParallel: 82.46 Ohm"_s);

    // The next row takes the selection, so the same key keeps removing.
    QTest::keyClick(p.table, Qt::Key(key));
    QCOMPARE(p.rows(), QStringList{u"100"_s});
}

void TestSeriesParallelConnectionHandler::removeWithoutSelectionRemovesNothing()
{
    Panel p;
    p.enter(u"100"_s);
    p.enter(u"220"_s);
    QVERIFY(!p.removeButton->isEnabled());

    p.handler.removePart();
    QTest::keyClick(p.table, Qt::Key_Delete);
    QCOMPARE(p.rows(), (QStringList{u"100"_s, u"220"_s}));
    QCOMPARE(p.output(), u"Series: 320.00 Ohm\nParallel: 68.75 Ohm"_s);
}

void TestSeriesParallelConnectionHandler::removingTheLastPartEmptiesTheOutput()
{
    Panel p;
    p.enter(u"100"_s);
    p.table->selectRow(0);
    QTest::mouseClick(p.removeButton, Qt::LeftButton);
    QCOMPARE(p.table->model()->rowCount(), 0);
    QVERIFY(p.output().isEmpty());
    QVERIFY(!p.removeButton->isEnabled());
}

void TestSeriesParallelConnectionHandler::switchingKindSwapsTotalsAndKeepsList()
{
    Panel p;
    auto *unit = p.find<QLabel>(u"unitField"_s);
    auto *caption = p.find<QLabel>(u"tableViewCaption"_s);
    QCOMPARE(unit->text(), u"Ω"_s);
    QCOMPARE(caption->text(), u"Resistors: "_s);
    p.enter(u"10"_s);
    p.enter(u"10"_s);

    QTest::mouseClick(p.find<QPushButton>(u"capacitorsButton"_s), Qt::LeftButton);
    QCOMPARE(unit->text(), u"µF"_s);
    QCOMPARE(caption->text(), u"Capacitors: "_s);
    QCOMPARE(p.rows(), (QStringList{u"10"_s, u"10"_s}));
    QCOMPARE(p.output(), u"Series: 5.00 µF\nParallel: 20.00 µF"_s);

    QTest::mouseClick(p.find<QPushButton>(u"resistorsButton"_s), Qt::LeftButton);
    QCOMPARE(unit->text(), u"Ω"_s);
    QCOMPARE(p.output(), u"Series: 20.00 Ohm\nParallel: 5.00 Ohm"_s);
}

QTEST_MAIN(TestSeriesParallelConnectionHandler)
#include "tst_seriesparallelconnectionhandler.moc"
