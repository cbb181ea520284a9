#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

using Args = std::vector<std::string>;

class TestNE555Command : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void prints_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QString>("out");

        QTest::newRow("astable") << Args{"555",  "--astable", "--r1", "1000",
                                         "--r2", "10000",     "--c",  "10"}
                                 << "Frequency: 6.90131140 Hz\n";
        QTest::newRow("monostable") << Args{"555", "--monostable", "--r", "10000", "--c", "100"}
                                    << "Pulse duration: 1.10000002 s\n";
    }

    void prints()
    {
        QFETCH(Args, args);
        QFETCH(QString, out);

        const auto result = zelkor::cli::run(args);
        QCOMPARE(result.status, 0);
        QCOMPARE(QString::fromStdString(result.out), out);
    }

    void rejects_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QString>("named");

        QTest::newRow("no circuit") << Args{"555", "--r", "1", "--c", "1"} << "--astable";
        QTest::newRow("astable without R2")
            << Args{"555", "--astable", "--r1", "1", "--c", "1"} << "--r2";
        QTest::newRow("monostable without C") << Args{"555", "--monostable", "--r", "1"} << "--c";
        QTest::newRow("monostable given R1")
            << Args{"555", "--monostable", "--r1", "1", "--r", "1", "--c", "1"} << "--r1";
        QTest::newRow("capacitance not a number")
            << Args{"555", "--monostable", "--r", "1", "--c", "1uF"} << "--c";
    }

    void rejects()
    {
        QFETCH(Args, args);
        QFETCH(QString, named);

        const auto result = zelkor::cli::run(args);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, std::string());
        const QString err = QString::fromStdString(result.err);
        QVERIFY2(err.contains(named), qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestNE555Command)
#include "tst_ne555command.moc"
