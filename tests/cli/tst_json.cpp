// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc --json: one object per subcommand with the inputs as read, every result as the
// value the text rounds, in base units, and the text printed without --json.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

zelkor::cli::Result run(const QString &line)
{
    std::vector<std::string> argv;
    for (const QString &arg : line.split(u' ', Qt::SkipEmptyParts))
        argv.push_back(arg.toStdString());
    return zelkor::cli::run(argv);
}

// path "inputs/current" names the member current of inputs. shown is a figure as the text
// shows it (an input as typed), with prefix and unit, or a text result as printed.
void row(const char *name, const char *line, const char *path, const QString &shown)
{
    QTest::newRow(name) << QString::fromUtf8(line) << QString::fromLatin1(path) << shown;
}

} // namespace

class TestJson : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void reports_data();
    void reports();
    void everyNameIsSnakeCase();
};

// Every subcommand in every mode: the names of its inputs and results are snake_case.
void TestJson::everyNameIsSnakeCase()
{
    std::vector<const char *> lines;
    for (const zelkor::cli::Command *command : zelkor::cli::commandRegistry())
        for (const zelkor::cli::Example &example : command->examples)
            lines.push_back(example.words);
    static const QRegularExpression snakeCase(u"^[a-z][a-z0-9]*(_[a-z0-9]+)*$"_s);
    for (const char *line : lines) {
        const auto json = run(QString::fromLatin1(line) + u" --json"_s);
        QVERIFY2(json.status == 0, line);
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
        QVERIFY2(!object.value(u"results"_s).toObject().isEmpty(), line);
        // Every name, also those of the objects in a list of pairs.
        QStringList names;
        std::function<void(const QJsonValue &)> collect = [&](const QJsonValue &value) {
            for (const QJsonValue &item : value.toArray())
                collect(item);
            const QJsonObject members = value.toObject();
            for (auto it = members.begin(); it != members.end(); ++it) {
                names << it.key();
                collect(it.value());
            }
        };
        collect(object.value(u"inputs"_s));
        collect(object.value(u"results"_s));
        for (const QString &name : names)
            QVERIFY2(snakeCase.match(name).hasMatch(), qPrintable(name + u" in "_s + line));
    }
}

void TestJson::reports_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");

    row("ohm: computed power", "ohm --voltage 12 --current 2", "results/power", "24 W");
    row("ohm: given voltage", "ohm --voltage 12 --current 2", "inputs/voltage", "12 V");
    const char *led = "led --supply 5 --preset 3 --current 20";
    row("led: current typed in mA, read in A", led, "inputs/current", "20 mA");
    row("led: preset stands for its voltage", led, "inputs/forward", "2.1 V");
    row("led: standard current in A", led, "results/standard_current", "19.3 mA");
    const char *builtLed = "led --supply 12 --supply-tolerance 5 --forward 2 --forward-spread 0.1 "
                           "--current 20";
    row("led: most current of the built circuit", builtLed, "results/standard_current_max",
        "21.23 mA");
    row("led: the series' tolerance reported", builtLed, "inputs/tolerance", "10");
    row("divider: highest built output", "divider --vin 12 --r1 2.4k --r2 910 --tolerance 1",
        "results/vout_max", "3.3472 V");
    row("divider: analysis defaults to 5 %", "divider --vin 12 --r1 2.4k --r2 910",
        "inputs/tolerance", "5");
    row("regulator: highest built output", "regulator --lm317 --r1 240 --r2 720 --tolerance 1",
        "results/vout_max", "5.3515 V");
    row("gain: highest built gain", "gain --non-inverting --rf 18k --rg 2k --tolerance 1",
        "results/gain_max", "10.182");
    row("resistor: tolerance in ohms", "resistor yellow violet orange gold",
        "results/tolerance_ohms", "2.35 kΩ");
    row("resistor: tempco of six bands", "resistor brown black black brown brown red",
        "results/tempco", "50 ppm/K");
    row("bands: colours", "bands 4k7", "results/colours", "yellow violet red gold");
    row("inductor: gold multiplier, in henries", "inductor yellow violet gold gold",
        "results/inductance", "4.70 µH");
    row("inductor: colours of a value", "inductor --value 10", "results/colours",
        "brown black black silver");
    row("inductor: typed value in henries", "inductor --value 0.22 --tolerance 20", "inputs/value",
        "0.22 µH");
    row("eseries: megohms", "eseries 2M --series E6", "results/at_or_above", "2.2 MΩ");
    row("smd: the other reading", "smd 47R", "results/eia96_alternative", "3.01 Ω");
    row("smd: code of a value", "smd --value 4k7", "results/three_digits", "472");
    row("cap: capacitance in farads", "cap 104J 2A", "results/capacitance", "100 nF");
    row("cap: voltage in volts", "cap 2A104J", "results/voltage", "100 V");
    row("cap: percent tolerance", "cap 472J", "results/tolerance_minus_percent", "5 %");
    row("cap: picofarad tolerance in farads", "cap 4R7C", "results/tolerance_farads", "0.25 pF");
    row("cap: code of a value", "cap --value 100n", "results/three_digits", "104");
    row("cap: value in farads", "cap --value 100n", "inputs/value", "100 nF");
    const char *coil = "coil --multi --turns 100 --outer 25.4 --inner 12.7 --length 50.8mm";
    row("coil: inductance in henries", coil, "results/inductance", "49.451µH");
    row("coil: length in metres", coil, "inputs/length", "50.8 mm");
    row("coil: turns for an inductance",
        "coil --single --inductance 100 --outer 25.4 --length 50.8", "results/turns", "98.75");
    row("coil: wanted inductance in henries",
        "coil --single --inductance 100 --outer 25.4 --length 50.8", "inputs/inductance", "100 µH");
    row("coil: Wheeler's inductance beside the exact one",
        "coil --single --turns 100 --outer 25.4 --length 50.8", "results/inductance_wheeler",
        "102.041µH");
    row("combine: capacitors in farads", "combine --capacitors 470n 0.1", "results/parallel",
        "0.57 µF");
    row("combine: picofarads in farads", "combine --capacitors 10p 22p", "results/series",
        "6.88 pF");
    row("combine: target in ohms", "combine --target 4k7 --series E12", "inputs/target", "4.7 kΩ");
    row("555: frequency", "555 --astable --r1 1k --r2 10k --c 10", "results/frequency",
        "6.90131140 Hz");
    row("555: high time", "555 --astable --r1 1k --r2 10k --c 10", "results/high_time",
        "0.07590000 s");
    row("555: capacitor in farads", "555 --monostable --r 10k --c 100n", "inputs/c", "0.1 µF");
    row("555: target duty", "555 --design --frequency 1k --duty 60 --c 0.1", "inputs/duty", "60");
    row("555: ideal R1", "555 --design --frequency 1k --duty 60 --c 0.1", "results/r1_ideal",
        "2.899 kΩ");
    const char *divider = "divider --vin 10 --r1 10k --r2 10k --load 10k";
    row("divider: loaded output", divider, "results/vout", "3.3333 V");
    row("divider: load in ohms", divider, "inputs/load", "10 kΩ");
    row("divider: output impedance in ohms", divider, "results/output_impedance", "5.0000 kΩ");
    row("divider: default preferred total", "divider --vin 12 --vout 3.3", "inputs/total", "10 kΩ");
    row("555: designed part", "555 --design --duration 10ms --c 1 --series E12", "results/r",
        "10 kΩ");
    const char *lm317 = "regulator --lm317 --r1 240 --r2 720";
    row("regulator: output voltage", lm317, "results/vout", "5.0360 V");
    row("regulator: current through R1 in A", lm317, "results/r1_current", "5.208 mA");
    row("regulator: adjust pin current in A",
        "regulator --adjust-vref 1.2 --iadj 100 --vout 5 --min-current 5", "inputs/iadj", "100 µA");
    row("heatsink: chip temperature",
        "heatsink --power 10 --chip 1.5 --mount-preset 0 --sink 2 --ambient 25",
        "results/chip_temp", "63.00");
    row("heatsink: largest heat sink",
        "heatsink --power 10 --chip 1.5 --mount 0.3 --max-temp 150 --ambient 0", "results/sink",
        "13.20 °K/W");
    row("heatsink: maximum temperature read",
        "heatsink --power 10 --chip 1 --mount 0.5 --max-temp 0 --ambient -40", "inputs/max_temp",
        "0");
    row("gain: decibels of the resistors' gain", "gain --non-inverting --rf 100k --rg 4k7",
        "results/gain_db", "26.96");
    row("gain: the default series reported", "gain --inverting --gain 4.7", "inputs/series", "E24");
    row("rc: corner in hertz", "rc --r 10k --c 100n", "results/frequency", "159.15 Hz");
    row("rc: capacitor in farads", "rc --r 10k --c 100n", "inputs/c", "0.1 µF");
    row("lc: reactance in ohms", "lc --l 10 --c 100p --at 1M", "results/capacitive_reactance",
        "1.5915 kΩ");
    row("lc: inductance in henries", "lc --l 10 --c 100p", "inputs/l", "10 µH");
    const char *rcRange = "rc --r 16k --c 10n";
    row("rc: lowest corner over the tolerances", rcRange, "results/frequency_min", "861.23");
    row("rc: the default capacitor tolerance reported", rcRange, "inputs/c_tolerance", "10");
    row("lc: highest resonance over the tolerances", "lc --l 10 --c 100p", "results/frequency_max",
        "5.5921 MHz");
    const char *ne555Range = "555 --astable --r1 1k --r2 10k --c 10 --c-tolerance 20";
    row("555: highest frequency", ne555Range, "results/frequency_max", "9.08067270 Hz");
    row("555: lowest duty cycle", ne555Range, "results/duty_min", "52.16");
    row("555: longest pulse", "555 --monostable --r 10k --c 1", "results/duration_max",
        "0.01270500 s");
    row("combine: lowest parallel total", "combine --resistors 100 100 --tolerance 2",
        "results/parallel_min", "49.00");
    row("tube: heating without its caption", "tube ECC83", "results/heating", "6.3V");
    row("tube: systems", "tube ECC83", "results/systems", "Micropower Triode\nMicropower Triode");
}

void TestJson::reports()
{
    QFETCH(QString, args);
    QFETCH(QString, path);
    QFETCH(QString, shown);

    const QString plain = QString::fromStdString(run(args).out);
    const auto json = run(args + " --json");
    QCOMPARE(QString::fromStdString(json.err), QString());
    QCOMPARE(json.status, 0);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    QCOMPARE(object.keys(), QStringList({"command", "inputs", "results", "text"}));
    QCOMPARE(object.value("command").toString(), args.section(u' ', 0, 0));
    QCOMPARE(object.value("text").toString() + u'\n', plain);
    if (path.startsWith("results/"))
        QVERIFY2(plain.contains(shown), qPrintable(shown));

    const QJsonValue value =
        object.value(path.section(u'/', 0, 0)).toObject().value(path.section(u'/', 1));
    if (!value.isDouble()) {
        // A text result: a string, or a list of the words or lines printed.
        QStringList items;
        for (const QJsonValue &item : value.toArray())
            items.append(item.toString());
        const QChar gap = items.value(0).contains(u' ') ? u'\n' : u' ';
        QCOMPARE(value.isArray() ? items.join(gap) : value.toString(), shown);
        return;
    }
    const QRegularExpressionMatch figure =
        QRegularExpression(R"(^(\d+(?:\.(\d+))?)%?\s*([kMmµnp](?=[ΩFHVAWsm])|)(\S.*)?$)")
            .match(shown);
    QVERIFY(figure.hasMatch());
    const QString prefix = figure.captured(3);
    const double scale = prefix == "k"   ? 1e3
                         : prefix == "M" ? 1e6
                         : prefix == "m" ? 1e-3
                         : prefix == "µ" ? 1e-6
                         : prefix == "n" ? 1e-9
                         : prefix == "p" ? 1e-12
                                         : 1.0;
    QCOMPARE(QString::number(value.toDouble() / scale, 'f', figure.captured(2).size()),
             figure.captured(1));
}

QTEST_GUILESS_MAIN(TestJson)
#include "tst_json.moc"
