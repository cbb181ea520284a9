// SPDX-License-Identifier: GPL-3.0-or-later

// The category tree behind the source list, built from the panel registry.

#include "core/text/Texts.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QLocale>
#include <QSet>
#include <QTest>
#include <QWidget>

class TestOutlineViewDataSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void emptyUntilPreparedAndConsistent();
    void everyPanelIsOneLeafOfOneGroup();
    void productGroupIsNeverTranslated_data();
    void productGroupIsNeverTranslated();
};

void TestOutlineViewDataSource::emptyUntilPreparedAndConsistent()
{
    QWidget store;
    const Panels panels(&store);
    OutlineViewDataSource source;
    QAbstractItemModelTester tester(&source,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(source.rowCount(), 0);
    QVERIFY(source.itemsNode()->children.empty());
    source.panels = &panels;
    source.prepareDataSource();
    QVERIFY(source.rowCount() > 0);
}

void TestOutlineViewDataSource::everyPanelIsOneLeafOfOneGroup()
{
    QWidget store;
    const Panels panels(&store);
    OutlineViewDataSource source;
    source.panels = &panels;
    source.prepareDataSource();

    QSet<QString> groupNames;
    QList<int> rowsInListOrder;
    for (int g = 0; g < source.rowCount(); ++g) {
        const QModelIndex group = source.index(g, 0);
        // A group is a header that cannot be picked, opens nothing and is never empty.
        QVERIFY(group.data(OutlineViewDataSource::IsGroupRole).toBool());
        QVERIFY(!(source.flags(group) & Qt::ItemIsSelectable));
        QVERIFY(!source.nodeForIndex(group)->viewToOpen);
        QVERIFY(source.rowCount(group) > 0);
        // Rows that share a group key make one group, wherever they stand in the registry.
        QVERIFY2(!groupNames.contains(group.data().toString()),
                 qPrintable(group.data().toString()));
        groupNames.insert(group.data().toString());

        int previous = -1;
        for (int l = 0; l < source.rowCount(group); ++l) {
            const QModelIndex leaf = source.index(l, 0, group);
            const Node *node = source.nodeForIndex(leaf);
            QVERIFY(source.flags(leaf) & Qt::ItemIsSelectable);
            QVERIFY(!source.hasChildren(leaf));
            QVERIFY(!node->isGroup);
            QVERIFY(!node->isAdvancedItem);
            const int row = panels.indexOf(node->viewToOpen);
            QVERIFY(row >= 0);
            // The leaf is named after the panel it opens.
            QCOMPARE(leaf.data().toString(), zelkor::text(panels.entry(row).titleKey));
            QVERIFY(row > previous); // the registry's order within a group
            previous = row;
            rowsInListOrder.append(row);
        }
    }
    QCOMPARE(rowsInListOrder.size(), panels.count());
    QCOMPARE(QSet<int>(rowsInListOrder.begin(), rowsInListOrder.end()).size(), panels.count());
}

void TestOutlineViewDataSource::productGroupIsNeverTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("German") << "de";
}

void TestOutlineViewDataSource::productGroupIsNeverTranslated()
{
    QFETCH(QString, language);
    zelkor::installTranslations(*QCoreApplication::instance(), QLocale(language));
    QWidget store;
    const Panels panels(&store);
    OutlineViewDataSource source;
    source.panels = &panels;
    source.prepareDataSource();
    zelkor::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));

    int productGroups = 0;
    for (const auto &group : source.itemsNode()->children) {
        const int row = panels.indexOf(group->children.front()->viewToOpen);
        if (panels.entry(row).groupKey)
            continue;
        QCOMPARE(group->name, QStringLiteral("Zelkor"));
        ++productGroups;
    }
    QCOMPARE(productGroups, 1);
}

QTEST_MAIN(TestOutlineViewDataSource)
#include "tst_outlineviewdatasource.moc"
