// The About panel: what it says about Zelkor, and that each button opens exactly its address.

#include "gui/app/AboutHandler.h"
#include "gui/app/Links.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"
#include "gui/views/HeaderView.h"

#include <QTest>

class TestAboutHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void showsNameVersionAndDescription();
    void buttonOpensItsAddress_data();
    void buttonOpensItsAddress();
};

void TestAboutHandler::showsNameVersionAndDescription()
{
    zelkor::test::PanelFixture<AboutHandler> about;
    QCOMPARE(about.find<HeaderView>("titleLabel")->title(), QStringLiteral("About"));
    QCOMPARE(about.find<QLabel>("appNameLabel")->text(), QStringLiteral("Zelkor"));
    QCOMPARE(about.find<QLabel>("versionLabel")->text(), QStringLiteral("Version " ZELKOR_VERSION));
    QVERIFY(about.find<QLabel>("descriptionLabel")->text().startsWith(u"An electronics toolbox"));
    QVERIFY(!about.find<QLabel>("appIcon")->pixmap().isNull());
}

void TestAboutHandler::buttonOpensItsAddress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("visit website") << "websiteButton"
                                   << "Visit Website" << zelkor::links::website();
    QTest::newRow("mail me") << "mailButton"
                             << "Send E-Mail" << zelkor::links::mail();
    QTest::newRow("donate") << "donateButton"
                            << "Donate" << zelkor::links::donation();
}

void TestAboutHandler::buttonOpensItsAddress()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QUrl, address);
    zelkor::test::UrlRecorder recorder;
    zelkor::test::PanelFixture<AboutHandler> about;
    QCOMPARE(about.find<QAbstractButton>(qPrintable(button))->text(), caption);
    about.click(qPrintable(button));
    QCOMPARE(recorder.opened, QList<QUrl>{address});
    QVERIFY(address.isValid());
}

QTEST_MAIN(TestAboutHandler)
#include "tst_abouthandler.moc"
