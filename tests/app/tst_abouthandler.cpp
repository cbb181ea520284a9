// The About panel: what it says about Zelkor, and that each button opens exactly its address.

#include "app/AboutHandler.h"
#include "app/Links.h"
#include "support/TestSupport.h"
#include "views/HeaderView.h"

#include <QPushButton>
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
    QWidget panel;
    AboutHandler handler(&panel);
    QCOMPARE(panel.findChild<HeaderView *>(QStringLiteral("titleLabel"))->title(),
             QStringLiteral("About"));
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("appNameLabel"))->text(),
             QStringLiteral("Zelkor"));
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("versionLabel"))->text(),
             QStringLiteral("Version " ZELKOR_VERSION));
    QVERIFY(panel.findChild<QLabel *>(QStringLiteral("descriptionLabel"))
                ->text()
                .startsWith(QStringLiteral("An electronics toolbox")));
    QVERIFY(!panel.findChild<QLabel *>(QStringLiteral("appIcon"))->pixmap().isNull());
}

void TestAboutHandler::buttonOpensItsAddress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QUrl>("address");

    QTest::newRow("visit website") << QStringLiteral("websiteButton")
                                   << QStringLiteral("Visit Website") << zelkor::links::website();
    QTest::newRow("mail me") << QStringLiteral("mailButton") << QStringLiteral("Send E-Mail")
                             << zelkor::links::mail();
    QTest::newRow("donate") << QStringLiteral("donateButton") << QStringLiteral("Donate")
                            << zelkor::links::donation();
}

void TestAboutHandler::buttonOpensItsAddress()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QUrl, address);

    zelkor::test::UrlRecorder recorder;
    QWidget panel;
    AboutHandler handler(&panel);
    auto *pushButton = panel.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QCOMPARE(pushButton->text(), caption);
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QCOMPARE(recorder.opened, QList<QUrl>{address});
    QVERIFY(address.isValid());
}

QTEST_MAIN(TestAboutHandler)
#include "tst_abouthandler.moc"
