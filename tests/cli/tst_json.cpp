// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc --json: every number is the value the text rounds, in base units, and the
// text is the one printed without --json.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

zelkor::cli::Result run(const QString &line)
{
    std::vector<std::string> argv;
    for (const QString &arg : line.split(u' ', Qt::SkipEmptyParts))
        argv.push_back(arg.toStdString());
    return zelkor::cli::run(argv);
}

// "inputs/current" → the object's member current of inputs.
QJsonValue member(const QJsonObject &object, const QString &path)
{
    const QStringList parts = path.split(u'/');
    return object.value(parts[0]).toObject().value(parts[1]);
}

} // namespace

class TestJson : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void numbers_data();
    void numbers();
    void texts_data();
    void texts();
    void refuses_data();
    void refuses();
};

void TestJson::numbers_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("path");
    // The figure as the text shows it, or for an input as typed: digits, prefix and unit.
    QTest::addColumn<QString>("shown");

    const QString ohm = "ohm --voltage 12 --current 2";
    QTest::newRow("ohm: computed resistance") << ohm << "results/resistance"
                                              << "6 Ω";
    QTest::newRow("ohm: computed power") << ohm << "results/power"
                                         << "24 W";
    QTest::newRow("ohm: given voltage") << ohm << "inputs/voltage"
                                        << "12 V";

    const QString led = "led --supply 5 --preset 3 --current 20";
    QTest::newRow("led: resistance") << led << "results/resistance"
                                     << "145.0 Ohm";
    QTest::newRow("led: power") << led << "results/power"
                                << "0.058 W";
    QTest::newRow("led: standard part") << led << "results/standard_resistance"
                                        << "150 Ω";
    QTest::newRow("led: standard current in A") << led << "results/standard_current"
                                                << "19.3 mA";
    QTest::newRow("led: standard power") << led << "results/standard_power"
                                         << "0.06 W";
    QTest::newRow("led: current typed in mA, read in A") << led << "inputs/current"
                                                         << "20 mA";
    QTest::newRow("led: preset stands for its voltage") << led << "inputs/forward"
                                                        << "2.1 V";
    QTest::newRow("led: kilohm part")
        << "led --supply 1000 --forward 2 --current 0.02A --series E24"
        << "results/standard_resistance"
        << "51 kΩ";

    const QString resistor = "resistor yellow violet orange gold";
    QTest::newRow("resistor: kilohms") << resistor << "results/resistance"
                                       << "47.00 kΩ";
    QTest::newRow("resistor: tolerance in percent") << resistor << "results/tolerance"
                                                    << "5.0%";
    QTest::newRow("resistor: tolerance in ohms") << resistor << "results/tolerance_ohms"
                                                 << "2.35 kΩ";
    QTest::newRow("resistor: below one ohm") << "resistor yellow violet silver gold"
                                             << "results/resistance"
                                             << "0.47 Ω";
    QTest::newRow("resistor: tempco") << "resistor brown black black brown brown red"
                                      << "results/tempco"
                                      << "50 ppm/K";

    QTest::newRow("bands: value read") << "bands 49.9k --tolerance 1"
                                       << "inputs/value"
                                       << "49.9 kΩ";
    QTest::newRow("bands: resistance of the colours") << "bands 49.9k --tolerance 1"
                                                      << "results/resistance"
                                                      << "49.90 kΩ";
    QTest::newRow("bands: tempco") << "bands 4k7 --tempco 50"
                                   << "results/tempco"
                                   << "50 ppm/K";

    QTest::newRow("eseries: nearest") << "eseries 5k"
                                      << "results/nearest"
                                      << "5.1 kΩ";
    QTest::newRow("eseries: below") << "eseries 5k"
                                    << "results/at_or_below"
                                    << "4.7 kΩ";
    QTest::newRow("eseries: megohms") << "eseries 2M --series E6"
                                      << "results/at_or_above"
                                      << "2.2 MΩ";

    QTest::newRow("smd: eia-96 code") << "smd 01C"
                                      << "results/resistance"
                                      << "10 kΩ";
    QTest::newRow("smd: the other reading") << "smd 47R"
                                            << "results/eia96_alternative"
                                            << "3.01 Ω";
}

void TestJson::numbers()
{
    QFETCH(QString, args);
    QFETCH(QString, path);
    QFETCH(QString, shown);

    const auto plain = run(args);
    const auto json = run(args + " --json");
    QCOMPARE(json.status, 0);
    QCOMPARE(QString::fromStdString(json.err), QString());
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    QCOMPARE(object.value("command").toString(), args.section(u' ', 0, 0));
    QCOMPARE(object.value("text").toString() + u'\n', QString::fromStdString(plain.out));
    if (path.startsWith("results/"))
        QVERIFY2(QString::fromStdString(plain.out).contains(shown), qPrintable(shown));

    const QRegularExpressionMatch figure =
        QRegularExpression(R"(^(\d+(?:\.(\d+))?)%?\s*([kMmµ]?)(\S.*)?$)").match(shown);
    QVERIFY(figure.hasMatch());
    const QString prefix = figure.captured(3);
    const double scale = prefix == "k"   ? 1e3
                         : prefix == "M" ? 1e6
                         : prefix == "m" ? 1e-3
                         : prefix == "µ" ? 1e-6
                                         : 1.0;
    const QJsonValue value = member(object, path);
    QVERIFY2(value.isDouble(), qPrintable(path));
    QCOMPARE(QString::number(value.toDouble() / scale, 'f', figure.captured(2).size()),
             figure.captured(1));
}

void TestJson::texts_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("path");

    QTest::newRow("tube: systems") << "tube ECC83"
                                   << "results/systems";
    QTest::newRow("tube: heating") << "tube ECC83"
                                   << "results/heating";
    QTest::newRow("tube: base") << "tube EL84"
                                << "results/base";
    QTest::newRow("bands: colours") << "bands 4k7"
                                    << "results/colours";
    QTest::newRow("smd: code of a value") << "smd --value 4k7"
                                          << "results/three_digits";
    QTest::newRow("led: series") << "led --supply 5 --forward 2 --current 20 --series E24"
                                 << "results/standard_series";
}

// A text result is a piece of the printed text: a string, or a list of words or lines.
void TestJson::texts()
{
    QFETCH(QString, args);
    QFETCH(QString, path);

    const auto json = run(args + " --json");
    QCOMPARE(json.status, 0);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    const QString text = object.value("text").toString();
    const QJsonValue value = member(object, path);
    QString piece = value.toString();
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue &item : value.toArray())
            items.append(item.toString());
        QVERIFY(!items.isEmpty());
        piece = items.join(items.first().contains(u' ') ? u'\n' : u' ');
    }
    QVERIFY(!piece.isEmpty());
    QVERIFY2(text.contains(piece), qPrintable(piece));
}

void TestJson::refuses_data()
{
    QTest::addColumn<QString>("args");

    QTest::newRow("led: supply below the LED") << "led --supply 1 --forward 2 --current 20";
    QTest::newRow("resistor: two colours") << "resistor red red";
    QTest::newRow("tube: no digit") << "tube ECC";
}

void TestJson::refuses()
{
    QFETCH(QString, args);

    const auto result = run(args + " --json");
    QCOMPARE(result.status, 2);
    QCOMPARE(QString::fromStdString(result.out), QString());
    const QString err = QString::fromStdString(result.err);
    QVERIFY(err.startsWith("zelkor-calc: "));
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY(err.endsWith(u'\n'));
}

QTEST_GUILESS_MAIN(TestJson)
#include "tst_json.moc"
