// The category tree behind the source list.

#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"
#include "core/text/Texts.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <QWidget>

class TestOutlineViewDataSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void emptyUntilPreparedAndConsistent();
    void groupsAndLeaves_data();
    void groupsAndLeaves();
    void leavesOpenTheirPanels();
    void keyWithoutTextShowsTheKey();
};

void TestOutlineViewDataSource::emptyUntilPreparedAndConsistent()
{
    OutlineViewDataSource source;
    QAbstractItemModelTester tester(&source,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(source.rowCount(), 0);
    QVERIFY(source.itemsNode());
    QVERIFY(source.itemsNode()->children.empty());
    source.prepareDataSource();
}

void TestOutlineViewDataSource::groupsAndLeaves_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("groupName");
    QTest::addColumn<QStringList>("leaves");

    QTest::newRow("resistors") << 0 << "Resistors"
                               << QStringList{"Resistor Colour Codes", "LED Dropping Resistor"};
    QTest::newRow("ohm's law group shares its first leaf's name")
        << 1 << "Ohm's Law" << QStringList{"Ohm's Law", "Series & Parallel"};
    QTest::newRow("miscellaneous") << 2 << "Miscellaneous" << QStringList{"Heat Sinks"};
    QTest::newRow("coils") << 3 << "Coils" << QStringList{"Air-Cored Coils"};
    QTest::newRow("tubes") << 4 << "Tubes" << QStringList{"Tube Designations"};
    QTest::newRow("ICs") << 5 << "ICs" << QStringList{"555 Timer"};
    QTest::newRow("product name is never translated") << 6 << "Zelkor" << QStringList{"About"};
}

void TestOutlineViewDataSource::groupsAndLeaves()
{
    QFETCH(int, group);
    QFETCH(QString, groupName);
    QFETCH(QStringList, leaves);

    OutlineViewDataSource source;
    source.prepareDataSource();
    QCOMPARE(source.rowCount(), 7);
    const QModelIndex groupIndex = source.index(group, 0);
    QCOMPARE(groupIndex.data().toString(), groupName);
    // Groups are section headers that cannot be selected.
    QVERIFY(groupIndex.data(OutlineViewDataSource::IsGroupRole).toBool());
    QVERIFY(!(source.flags(groupIndex) & Qt::ItemIsSelectable));
    QVERIFY(source.hasChildren(groupIndex));
    QCOMPARE(source.rowCount(groupIndex), leaves.size());
    for (int row = 0; row < leaves.size(); ++row) {
        const QModelIndex leaf = source.index(row, 0, groupIndex);
        QCOMPARE(leaf.data().toString(), leaves[row]);
        QVERIFY(!source.hasChildren(leaf));
        QCOMPARE(source.rowCount(leaf), 0);
        QCOMPARE(leaf.parent(), groupIndex);
        QVERIFY(!leaf.data(OutlineViewDataSource::IsGroupRole).toBool());
        QVERIFY(source.flags(leaf) & Qt::ItemIsSelectable);
    }
}

void TestOutlineViewDataSource::leavesOpenTheirPanels()
{
    OutlineViewDataSource source;
    QWidget resistor, led, ohm, about;
    source.resistorCodesView = &resistor;
    source.ledDroppingResistorView = &led;
    source.ohmsLawView = &ohm;
    source.aboutView = &about;
    source.prepareDataSource();

    const Node *root = source.itemsNode();
    QCOMPARE(root->children.size(), size_t(7));
    QCOMPARE(root->children[0]->children[0]->viewToOpen, &resistor);
    QCOMPARE(root->children[0]->children[1]->viewToOpen, &led);
    QCOMPARE(root->children[1]->children[0]->viewToOpen, &ohm);
    QCOMPARE(root->children[6]->children[0]->viewToOpen, &about);
    for (const auto &group : root->children) {
        QVERIFY(group->isGroup);
        QVERIFY(!group->viewToOpen);
        for (const auto &leaf : group->children) {
            QVERIFY(!leaf->isGroup);
            QVERIFY(!leaf->isAdvancedItem);
        }
    }
}

void TestOutlineViewDataSource::keyWithoutTextShowsTheKey()
{
    QCOMPARE(zelkor::text("NoSuchKeyAnywhere"), QStringLiteral("NoSuchKeyAnywhere"));
    QCOMPARE(zelkor::text("NE555"), QStringLiteral("555 Timer"));
}

QTEST_MAIN(TestOutlineViewDataSource)
#include "tst_outlineviewdatasource.moc"
