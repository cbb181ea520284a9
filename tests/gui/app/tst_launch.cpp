// The launch sequence, the donation sheet and panel switching, through the real window.

#include "gui/app/Links.h"
#include "gui/app/PanelContainer.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

using zelkor::test::launchApp;

namespace {

QWidget *panelAtRow(ZelkorAppDelegate &app, int row)
{
    const QModelIndex index = app.categoriesOutlineView()->itemAtRow(row);
    return app.outlineViewDataSource()->nodeForIndex(index)->viewToOpen;
}

int panelsInContainer(const ZelkorAppDelegate &app)
{
    int panels = 0;
    for (QObject *child : app.containerView()->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->objectName().endsWith(u"View"))
            ++panels;
    }
    return panels;
}

bool donationAnswered()
{
    return QSettings().value(QLatin1String(ZelkorAppDelegate::kDonationShownKey)).toBool();
}

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void init() { zelkor::test::clearSettings(); }

    void launchShowsFirstCalculatorAndKeysSkipHeaders();
    void donationSheetShowsOnce_data();
    void donationSheetShowsOnce();
    void pickingSwitchesPanels();
};

void TestLaunch::launchShowsFirstCalculatorAndKeysSkipHeaders()
{
    auto app = launchApp();
    SourceListView *list = app->categoriesOutlineView();
    QCOMPARE(app->window()->windowTitle(), QStringLiteral("Zelkor"));
    QVERIFY(app->window()->isVisible());
    QCOMPARE(list->numberOfRows(), 16);
    QCOMPARE(list->itemAtRow(0).data().toString(), QStringLiteral("Resistors"));
    QCOMPARE(list->itemAtRow(1).data().toString(), QStringLiteral("Resistor Colour Codes"));
    QCOMPARE(list->selectedRow(), 1);
    QCOMPARE(app->containerView()->panel(), panelAtRow(*app, 1));
    QCOMPARE(panelsInContainer(*app), 1);
    QVERIFY(app->containerView()->panel()->isVisible());
    QVERIFY(!app->donationSheet());

    // Each key from the row before: rows 0, 3, 6 ... are group headers.
    list->setFocus();
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, 2}, {Qt::Key_Down, 4},
                                             {Qt::Key_Up, 2},   {Qt::Key_Home, 1},
                                             {Qt::Key_Up, 1},   {Qt::Key_End, 15}};
    for (const auto &[key, row] : steps) {
        QTest::keyClick(list, key);
        QCOMPARE(list->selectedRow(), row);
        QCOMPARE(app->containerView()->panel(), panelAtRow(*app, row));
    }
}

void TestLaunch::donationSheetShowsOnce_data()
{
    QTest::addColumn<QString>("button"); // empty: Escape
    QTest::addColumn<QList<QUrl>>("opened");
    QTest::newRow("donate opens the donation page")
        << "Donate" << QList<QUrl>{zelkor::links::donation()};
    QTest::newRow("ignore opens nothing") << "Ignore Inconspicuously" << QList<QUrl>{};
    QTest::newRow("escape opens nothing") << QString() << QList<QUrl>{};
}

void TestLaunch::donationSheetShowsOnce()
{
    QFETCH(QString, button);
    QFETCH(QList<QUrl>, opened);
    zelkor::test::UrlRecorder urls;
    auto app = launchApp(false);

    QMessageBox *sheet = app->donationSheet();
    QVERIFY(sheet);
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->windowModality(), Qt::WindowModal);
    QCOMPARE(sheet->text(), QStringLiteral("Please Donate"));
    QCOMPARE(sheet->informativeText(),
             QStringLiteral("Developing this software takes a lot of time and I'm trying to "
                            "consider all your feature requests. If you like this app, please "
                            "make a little donation. \n\nAnd - most important - supporting a "
                            "poor student is good for your karma, of course. ;-)"));
    QCOMPARE(sheet->buttons().size(), 2);
    QAbstractButton *pressed = nullptr;
    for (QAbstractButton *candidate : sheet->buttons()) {
        if (candidate->text() == button)
            pressed = candidate;
    }
    QVERIFY(pressed || button.isEmpty());
    QVERIFY(!donationAnswered());

    if (button.isEmpty())
        sheet->reject();
    else
        QTest::mouseClick(pressed, Qt::LeftButton);
    QTRY_VERIFY(!app->donationSheet() || !app->donationSheet()->isVisible());
    QVERIFY(donationAnswered());
    QCOMPARE(urls.opened, opened);
    app.reset();
    QVERIFY(!launchApp(false)->donationSheet());
}

void TestLaunch::pickingSwitchesPanels()
{
    auto app = launchApp();
    SourceListView *list = app->categoriesOutlineView();
    PanelContainer *container = app->containerView();
    const auto clickRow = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->itemAtRow(row)).center());
    };

    // A leaf: its panel replaces the shown one, with a cross-fade over the old one.
    clickRow(4);
    QCOMPARE(list->selectedRow(), 4);
    QCOMPARE(container->panel(), panelAtRow(*app, 4));
    QVERIFY(container->fadingSnapshot());
    QCOMPARE(panelsInContainer(*app), 1);
    QTRY_VERIFY(!container->fadingSnapshot());

    // A group header, the leaf already shown, an empty selection: the panel stays.
    clickRow(6);
    QCOMPARE(container->panel(), panelAtRow(*app, 4));
    list->selectRow(4);
    QCOMPARE(container->panel(), panelAtRow(*app, 4));
    QVERIFY(container->panel()->isVisible());
    list->clearSelection();
    QCOMPARE(list->selectedRow(), -1);
    QCOMPARE(container->panel(), panelAtRow(*app, 4));

    // Every leaf in turn, quicker than the fade: always exactly one panel.
    for (int row = 0; row < list->numberOfRows(); ++row) {
        list->selectRow(row);
        QCOMPARE(panelsInContainer(*app), 1);
    }
    QCOMPARE(container->panel(), panelAtRow(*app, 15));
}

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
