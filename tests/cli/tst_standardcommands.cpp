// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc bands, smd and eseries, and six colours for resistor: what they print, and the
// one-line errors (status 2) for values they cannot show.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {

zelkor::cli::Result run(const QString &line)
{
    std::vector<std::string> argv;
    for (const QString &arg : line.split(u' ', Qt::SkipEmptyParts))
        argv.push_back(arg.toStdString());
    return zelkor::cli::run(argv);
}

} // namespace

class TestStandardCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void prints_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("out");
        QTest::newRow("bands: 4.7 k 5 % on four bands")
            << "bands 4k7"
            << "yellow violet red gold\nResistance: 4.70 kΩ\nTolerance: 5.0% (±0.23 kΩ)\n";
        QTest::newRow("bands: three digits take five bands")
            << "bands 49.9k --tolerance 1"
            << "yellow white white red brown\nResistance: 49.90 kΩ\nTolerance: 1.0% (±0.50 kΩ)\n";
        QTest::newRow("bands: --tempco means six bands")
            << "bands 100 --tolerance 1 --tempco 50"
            << "brown black black black brown red\nResistance: 100.00 Ω\n"
               "Tolerance: 1.0% (±1.00 Ω)\nTemperature coefficient: 50 ppm/K\n";
        QTest::newRow("resistor: six colours")
            << "resistor brown black black black brown yellow"
            << "Resistance: 100.00 Ω\nTolerance: 1.0% (±1.00 Ω)\n"
               "Temperature coefficient: 25 ppm/K\n";
        QTest::newRow("smd: three digits") << "smd 472"
                                           << "4.7 kΩ\n";
        QTest::newRow("smd: EIA-96") << "smd 68X"
                                     << "49.9 Ω\n";
        QTest::newRow("smd: codes of a value")
            << "smd --value 10k"
            << "Three digits: 103\nFour digits: 1002\nEIA-96: 01C\n";
        QTest::newRow("eseries: between two E24 values")
            << "eseries 4k8"
            << "Nearest: 4.7 kΩ\nAt or below: 4.7 kΩ\nAt or above: 5.1 kΩ\n";
    }
    void prints()
    {
        QFETCH(QString, line);
        const auto result = run(line);
        QCOMPARE(QString::fromStdString(result.err), QString());
        QCOMPARE(result.status, 0);
        QTEST(QString::fromStdString(result.out), "out");
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("bands: four significant digits") << "bands 4705"
                                                        << "significant digits";
        QTest::newRow("bands: beyond white") << "bands 100G"
                                             << "cannot show 100 GΩ";
        QTest::newRow("bands: no colour for 3 %") << "bands 1k --tolerance 3"
                                                  << "3.0%";
        QTest::newRow("bands: tempco on five bands") << "bands 1k --bands 5 --tempco 50"
                                                     << "six bands";
        QTest::newRow("bands: tempco without a colour") << "bands 1k --tempco 30"
                                                        << "30 ppm/K";
        QTest::newRow("smd: bad letter") << "smd 47G"
                                         << "'G'";
        QTest::newRow("smd: value without a code") << "smd --value 4705"
                                                   << "4.705 kΩ";
        QTest::newRow("eseries: unknown series") << "eseries 1k --series E7"
                                                 << "'E7'";
        QTest::newRow("resistor: seven colours") << "resistor brown black black black brown red red"
                                                 << "not 7";
    }
    void refuses()
    {
        QFETCH(QString, line);
        QFETCH(QString, mentions);
        const auto result = run(line);
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.empty());
        const QString err = QString::fromStdString(result.err);
        QVERIFY2(err.startsWith(u"zelkor-calc: ") && err.count(u'\n') == 1, qPrintable(err));
        QVERIFY2(err.contains(mentions), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestStandardCommands)
#include "tst_standardcommands.moc"
