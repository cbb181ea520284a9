#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

using Args = std::vector<std::string>;

class TestCoilCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void prints_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QString>("out");

        QTest::newRow("single layer")
            << Args{"coil", "--single", "--turns", "100", "--outer", "25.4", "--length", "50.8"}
            << "Inductance: 102.041µH\n";
        QTest::newRow("single layer ignores --inner")
            << Args{"coil", "--single", "--turns", "20",       "--outer",
                    "10",   "--inner",  "50",      "--length", "20"}
            << "Inductance: 1.607µH\n";
        QTest::newRow("multi-layer") << Args{"coil", "--multi", "--turns", "100",      "--outer",
                                             "25.4", "--inner", "12.7",    "--length", "50.8"}
                                     << "Inductance: 49.451µH\n";
    }

    void prints()
    {
        QFETCH(Args, args);
        QFETCH(QString, out);

        const auto result = zelkor::cli::run(args);
        QCOMPARE(result.status, 0);
        QCOMPARE(QString::fromStdString(result.out), out);
        QCOMPARE(result.err, std::string());
    }

    void rejects_data()
    {
        QTest::addColumn<Args>("args");
        QTest::addColumn<QString>("named");

        QTest::newRow("no winding")
            << Args{"coil", "--turns", "1", "--outer", "1", "--length", "1"} << "--single";
        QTest::newRow("both windings")
            << Args{"coil", "--single", "--multi", "--turns", "1", "--outer", "1", "--length", "1"}
            << "--multi";
        QTest::newRow("turns missing")
            << Args{"coil", "--single", "--outer", "1", "--length", "1"} << "--turns";
        QTest::newRow("length missing")
            << Args{"coil", "--single", "--turns", "1", "--outer", "1"} << "--length";
        QTest::newRow("inner missing for multi-layer")
            << Args{"coil", "--multi", "--turns", "1", "--outer", "1", "--length", "1"}
            << "--inner";
        QTest::newRow("zero outer diameter")
            << Args{"coil", "--single", "--turns", "1", "--outer", "0", "--length", "1"}
            << "--outer";
        QTest::newRow("inner wider than outer")
            << Args{"coil", "--multi", "--turns", "1",        "--outer",
                    "10",   "--inner", "11",      "--length", "1"}
            << "--inner";
        QTest::newRow("turns not a number")
            << Args{"coil", "--single", "--turns", "ten", "--outer", "1", "--length", "1"}
            << "--turns";
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

QTEST_GUILESS_MAIN(TestCoilCommand)
#include "tst_coilcommand.moc"
