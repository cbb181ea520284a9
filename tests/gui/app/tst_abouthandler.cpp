// SPDX-License-Identifier: GPL-3.0-or-later

// The About panel: the version it states, and that each button opens exactly its address.

#include "gui/app/AboutHandler.h"
#include "gui/app/Links.h"
#include "support/AppSupport.h"
#include "support/PanelFixture.h"

#include <QTest>

class TestAboutHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void showsVersionAndIcon()
    {
        zelkor::test::PanelFixture<AboutHandler> about;
        QVERIFY(about.find<QLabel>("versionLabel")->text().endsWith(u" " ZELKOR_VERSION));
        QVERIFY(!about.find<QLabel>("appIcon")->pixmap().isNull());
    }

    void buttonOpensItsAddress_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("visit website") << "websiteButton" << zelkor::links::website();
        QTest::newRow("mail me") << "mailButton" << zelkor::links::mail();
        QTest::newRow("donate") << "donateButton" << zelkor::links::donation();
    }

    void buttonOpensItsAddress()
    {
        QFETCH(QString, button);
        QFETCH(QUrl, address);
        zelkor::test::UrlRecorder recorder;
        zelkor::test::PanelFixture<AboutHandler> about;
        about.click(qPrintable(button));
        QCOMPARE(recorder.opened, QList<QUrl>{address});
        QVERIFY(address.isValid());
    }
};

QTEST_MAIN(TestAboutHandler)
#include "tst_abouthandler.moc"
