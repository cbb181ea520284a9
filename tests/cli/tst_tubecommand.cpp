#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

class TestTubeCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void decodes_data();
    void decodes();
    void rejects_data();
    void rejects();
};

void TestTubeCommand::decodes_data()
{
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("out");

    QTest::newRow("panel text of ECC83")
        << QStringLiteral("ECC83")
        << QStringLiteral("Micropower Triode\nMicropower Triode\n\nHeating: 6.3V, Noval, 9 Pins\n");
    QTest::newRow("leading empty line kept")
        << QStringLiteral("E80") << QStringLiteral("\nHeating: 6.3V, Noval, 9 Pins\n");
    QTest::newRow("UTF-8 character in an error text")
        << QStringLiteral("Eö8")
        << QStringLiteral("'ö' not expected.\n\nHeating: 6.3V, Noval, 9 Pins\n");
}

void TestTubeCommand::decodes()
{
    QFETCH(QString, designation);
    QFETCH(QString, out);
    const auto result = zelkor::cli::run({"tube", designation.toStdString()});
    QCOMPARE(result.status, 0);
    QCOMPARE(QString::fromStdString(result.out), out);
    QVERIFY(result.err.empty());
}

void TestTubeCommand::rejects_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("err");

    QTest::newRow("no digit after the letters")
        << QStringList{QStringLiteral("tube"), QStringLiteral("ECC")}
        << QStringLiteral("zelkor-calc: cannot decode 'ECC': no digit after the letters\n");
    QTest::newRow("lone digit")
        << QStringList{QStringLiteral("tube"), QStringLiteral("6")}
        << QStringLiteral("zelkor-calc: cannot decode '6': no digit after the letters\n");
    QTest::newRow("empty designation")
        << QStringList{QStringLiteral("tube"), QString()}
        << QStringLiteral("zelkor-calc: cannot decode '': the designation is empty\n");
    QTest::newRow("control characters are not echoed")
        << QStringList{QStringLiteral("tube"), QStringLiteral("E\x1b[K\nC")}
        << QStringLiteral(
               "zelkor-calc: cannot decode 'E\uFFFD[K\uFFFDC': no digit after the letters\n");
    QTest::newRow("designation missing")
        << QStringList{QStringLiteral("tube")}
        << QStringLiteral("zelkor-calc: DESIGNATION is required\n");
}

void TestTubeCommand::rejects()
{
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    std::vector<std::string> argv;
    for (const QString &arg : args)
        argv.push_back(arg.toStdString());
    const auto result = zelkor::cli::run(argv);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.empty());
    QCOMPARE(QString::fromStdString(result.err), err);
}

QTEST_GUILESS_MAIN(TestTubeCommand)
#include "tst_tubecommand.moc"
