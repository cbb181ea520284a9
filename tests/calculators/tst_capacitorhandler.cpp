#include "calculators/CapacitorHandler.h"
#include "support/TestSupport.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCapacitorHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void debugRemovesTheSecondEntryUntilOneIsLeft();
};

void TestCapacitorHandler::debugRemovesTheSecondEntryUntilOneIsLeft()
{
    QWidget panel;
    CapacitorHandler handler(&panel);
    auto *form = panel.findChild<QWidget *>(u"inputForm"_s);
    QVERIFY(form);
    auto *layout = qobject_cast<QFormLayout *>(form->layout());
    QVERIFY(layout);
    auto *debug = panel.findChild<QPushButton *>(u"debugButton"_s);
    QCOMPARE(layout->rowCount(), 3);

    QTest::mouseClick(debug, Qt::LeftButton);
    QCOMPARE(layout->rowCount(), 2);
    QVERIFY(!panel.findChild<QLineEdit *>(u"voltageField"_s));
    QVERIFY(panel.findChild<QLineEdit *>(u"capacitanceField"_s));
    QVERIFY(panel.findChild<QLineEdit *>(u"toleranceField"_s));

    QTest::mouseClick(debug, Qt::LeftButton);
    QCOMPARE(layout->rowCount(), 1);
    handler.debug(); // a form without a second entry stays as it is
    QCOMPARE(layout->rowCount(), 1);
    QVERIFY(panel.findChild<QLineEdit *>(u"capacitanceField"_s));
}

QTEST_MAIN(TestCapacitorHandler)
#include "tst_capacitorhandler.moc"
