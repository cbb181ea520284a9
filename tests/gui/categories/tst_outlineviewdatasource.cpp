// SPDX-License-Identifier: GPL-3.0-or-later

// The category tree behind the source list, built from the panel registry.

#include "core/text/Texts.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractItemModelTester>
#include <QSet>
#include <QTest>
#include <QWidget>

class TestOutlineViewDataSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // Rows that share a group key make one group, wherever they stand in the registry; each
    // panel is one leaf, named after it, in the registry's order within its group.
    void everyPanelIsOneLeafOfOneGroup()
    {
        QWidget store;
        const Panels panels(&store);
        OutlineViewDataSource source;
        const QAbstractItemModelTester tester(
            &source, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(source.rowCount(), 0); // until prepared
        source.panels = &panels;
        source.prepareDataSource();

        QSet<QString> groupNames;
        QList<int> leaves;
        for (int g = 0; g < source.rowCount(); ++g) {
            const QModelIndex group = source.index(g, 0);
            // A header cannot be picked and is never empty; no group appears twice.
            QVERIFY(!(source.flags(group) & Qt::ItemIsSelectable));
            QVERIFY(source.rowCount(group) > 0);
            QVERIFY(!groupNames.contains(group.data().toString()));
            groupNames.insert(group.data().toString());
            for (int l = 0; l < source.rowCount(group); ++l) {
                const QModelIndex leaf = source.index(l, 0, group);
                const int row = panels.indexOf(source.nodeForIndex(leaf)->viewToOpen);
                QVERIFY(row >= 0 && (l == 0 || row > leaves.last()));
                QCOMPARE(leaf.data().toString(), zelkor::text(panels.entry(row).titleKey));
                leaves.append(row);
            }
        }
        QCOMPARE(QSet<int>(leaves.begin(), leaves.end()).size(), panels.count());
    }
};

QTEST_MAIN(TestOutlineViewDataSource)
#include "tst_outlineviewdatasource.moc"
