// The launch sequence, the donation sheet and panel switching, through the real window.

#include "app/Links.h"
#include "app/PanelContainer.h"
#include "app/ZelkorAppDelegate.h"
#include "categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

#include <memory>

class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void init() { zelkor::test::clearSettings(); }

    void launchShowsFirstCalculator();
    void donationSheetButtons_data();
    void donationSheetButtons();
    void sheetShowsOnlyOnce();
    void pickingSwitchesPanels();
    void arrowKeysSkipHeaders();

private:
    std::unique_ptr<ZelkorAppDelegate> launch();
    static QWidget *panelAtRow(ZelkorAppDelegate &app, int row);
    static int panelsInContainer(const ZelkorAppDelegate &app);
};

std::unique_ptr<ZelkorAppDelegate> TestLaunch::launch()
{
    auto app = std::make_unique<ZelkorAppDelegate>();
    app->applicationDidFinishLaunching();
    return app;
}

QWidget *TestLaunch::panelAtRow(ZelkorAppDelegate &app, int row)
{
    const QModelIndex index = app.categoriesOutlineView()->itemAtRow(row);
    return app.outlineViewDataSource()->nodeForIndex(index)->viewToOpen;
}

int TestLaunch::panelsInContainer(const ZelkorAppDelegate &app)
{
    int panels = 0;
    for (QObject *child : app.containerView()->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->objectName().endsWith(u"View"))
            ++panels;
    }
    return panels;
}

void TestLaunch::launchShowsFirstCalculator()
{
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
    auto app = launch();
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
}

void TestLaunch::donationSheetButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<QUrl>>("opened");
    QTest::newRow("donate opens the donation page")
        << "Donate" << QList<QUrl>{zelkor::links::donation()};
    QTest::newRow("ignore opens nothing") << "Ignore Inconspicuously" << QList<QUrl>{};
}

void TestLaunch::donationSheetButtons()
{
    QFETCH(QString, button);
    QFETCH(QList<QUrl>, opened);
    zelkor::test::UrlRecorder urls;
    auto app = launch();

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
    const QList<QAbstractButton *> buttons = sheet->buttons();
    QCOMPARE(buttons.size(), 2);
    QAbstractButton *pressed = nullptr;
    for (QAbstractButton *candidate : buttons) {
        if (candidate->text() == button)
            pressed = candidate;
    }
    QVERIFY(pressed);
    QVERIFY(!QSettings().value(QLatin1String(ZelkorAppDelegate::kDonationShownKey)).toBool());

    QTest::mouseClick(pressed, Qt::LeftButton);
    QTRY_VERIFY(!app->donationSheet() || !app->donationSheet()->isVisible());
    QVERIFY(QSettings().value(QLatin1String(ZelkorAppDelegate::kDonationShownKey)).toBool());
    QCOMPARE(urls.opened, opened);
}

void TestLaunch::sheetShowsOnlyOnce()
{
    {
        auto first = launch();
        QVERIFY(first->donationSheet());
        first->donationSheet()->reject(); // Escape closes it like the second button
        QTRY_VERIFY(!first->donationSheet() || !first->donationSheet()->isVisible());
    }
    auto second = launch();
    QVERIFY(!second->donationSheet());
}

void TestLaunch::pickingSwitchesPanels()
{
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
    auto app = launch();
    SourceListView *list = app->categoriesOutlineView();
    PanelContainer *container = app->containerView();

    // A leaf: its panel replaces the shown one, with a cross-fade over the old one.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->itemAtRow(4)).center());
    QCOMPARE(list->selectedRow(), 4);
    QCOMPARE(container->panel(), panelAtRow(*app, 4));
    QVERIFY(container->fadingSnapshot());
    QCOMPARE(panelsInContainer(*app), 1);
    QTRY_VERIFY(!container->fadingSnapshot());

    // A group header: nothing changes.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->itemAtRow(6)).center());
    QCOMPARE(container->panel(), panelAtRow(*app, 4));

    // The leaf already shown stays shown.
    list->selectRow(4);
    QCOMPARE(container->panel(), panelAtRow(*app, 4));
    QVERIFY(container->panel()->isVisible());

    // An empty selection keeps the panel.
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

void TestLaunch::arrowKeysSkipHeaders()
{
    QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
    auto app = launch();
    SourceListView *list = app->categoriesOutlineView();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedRow(), 2);
    QTest::keyClick(list, Qt::Key_Down); // row 3 is the "Ohm's Law" header
    QCOMPARE(list->selectedRow(), 4);
    QCOMPARE(app->containerView()->panel(), panelAtRow(*app, 4));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->selectedRow(), 2);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->selectedRow(), 1);
    QTest::keyClick(list, Qt::Key_Up); // nothing above but the first header
    QCOMPARE(list->selectedRow(), 1);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->selectedRow(), 15);
}

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
