// SPDX-License-Identifier: GPL-3.0-or-later

// Every numeric input of every calculator has a domain. From one valid command line per mode, each
// option in turn gets a value just outside its domain (and the open bound itself): zelkor-calc
// refuses it with status 2 and one line that names the option and the domain, and prints nothing.

#include "cli/CommandLine.h"
#include "core/calculators/AdjustableRegulator.h"
#include "core/calculators/AirCoredCoil.h"
#include "core/calculators/HeatSink.h"
#include "core/calculators/LEDDroppingResistor.h"
#include "core/calculators/NE555.h"
#include "core/calculators/NE555Design.h"
#include "core/calculators/OhmsLaw.h"
#include "core/calculators/OpAmpGain.h"
#include "core/calculators/RCAndLC.h"
#include "core/calculators/VoltageDivider.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace zelkor;

namespace {

struct Table
{
    const char *name;
    std::vector<FieldSpec> fields;
    // A value past the largest number the calculator reads: no quantity is infinite.
    QString pastLargest;
};

template <typename Field, std::size_t N>
Table table(const char *name, const std::array<FieldRow<Field>, N> &rows,
            const QString &pastLargest = QStringLiteral("1e39"))
{
    Table t{name, {}, pastLargest};
    for (const FieldRow<Field> &row : rows)
        t.fields.push_back(row.about);
    return t;
}

const std::vector<Table> &tables()
{
    static const std::vector<Table> all = {
        table("led", led::kFields),
        table("ohm", ohmslaw::kFields),
        table("heatsink", heatsink::kFields),
        table("coil", coil::kFields),
        table("555", ne555::kFields),
        table("555 design", ne555::kDesignFields),
        table("divider", divider::kFields),
        table("regulator", regulator::kFields),
        table("gain", opamp::kFields),
        table("rc", rc::kFields),
        table("lc", lc::kFields),
    };
    return all;
}

// One valid command line per mode, and the table whose options it gives.
struct Line
{
    const char *table;
    const char *words;
};
constexpr Line kLines[] = {
    {"led", "led --supply 12 --forward 2 --current 20 --tolerance 10 --supply-tolerance 5 "
            "--forward-spread 0.1"},
    {"ohm", "ohm --voltage 12 --current 2"},
    {"ohm", "ohm --power 24 --resistance 6"},
    {"heatsink", "heatsink --power 10 --chip 1.5 --mount 0.3 --sink 2 --ambient 25"},
    {"heatsink", "heatsink --power 10 --chip 1.5 --mount 0.3 --max-temp 150 --ambient 25"},
    {"coil", "coil --multi --turns 100 --outer 25.4 --inner 12.7 --length 50.8"},
    {"coil", "coil --single --inductance 5 --outer 25.4 --length 50.8"},
    {"555", "555 --astable --r1 1k --r2 10k --c 10"},
    {"555", "555 --monostable --r 10k --c 100"},
    {"555 design", "555 --design --frequency 1k --duty 60 --c 0.1"},
    {"555 design", "555 --design --duration 1 --c 10"},
    {"divider", "divider --vin 12 --vout 3.3 --load 100k --total 20k"},
    {"divider", "divider --vin 10 --r1 10k --r2 10k --load 10k --tolerance 1 --supply-tolerance 2"},
    {"regulator", "regulator --lm317 --vout 5 --series E24 --min-current 10"},
    {"regulator", "regulator --vref 0.8 --vout 3.3 --total 10k"},
    {"regulator", "regulator --adjust-vref 1.25 --iadj 50 --r1 240 --r2 720 --tolerance 1 "
                  "--vref-tolerance 2"},
    {"gain", "gain --non-inverting --gain 10"},
    {"gain", "gain --inverting --rf 47k --rg 10k --tolerance 1"},
    {"rc", "rc --r 10k --c 0.1"},
    {"rc", "rc --frequency 1k"},
    {"rc", "rc --tau 1m"},
    {"lc", "lc --l 10 --c 100p --at 1M"},
    {"lc", "lc --frequency 1M --l 10"},
    {"lc", "lc --frequency 1M --c 0.001"},
};

cli::Result run(const QStringList &words)
{
    std::vector<std::string> argv;
    for (const QString &word : words)
        argv.push_back(word.toStdString());
    return cli::run(argv);
}

// Values just outside the domain: each finite bound itself when it is open, and one past it.
QStringList outside(const Domain &domain, const QString &pastLargest)
{
    QStringList values;
    if (std::isfinite(domain.low)) {
        if (domain.lowOpen)
            values << QString::number(domain.low, 'g', 10);
        values << QString::number(domain.low - 1.0, 'g', 10);
    }
    if (std::isfinite(domain.high)) {
        if (domain.highOpen)
            values << QString::number(domain.high, 'g', 10);
        values << QString::number(domain.high + 1.0, 'g', 10);
    }
    values << pastLargest;
    // Past the largest double, so also past the largest float, whichever precision the
    // calculator reads in: no quantity is infinite.
    values << QStringLiteral("1e309");
    return values;
}

} // namespace

class TestDomains : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::initIsolatedApp(); }

    void outsideTheDomainIsRefused_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("error");
        std::set<std::pair<std::string, std::string>> covered;
        for (const Line &line : kLines) {
            const QStringList words = QString::fromUtf8(line.words).split(u' ');
            const auto valid = run(words);
            QVERIFY2(valid.status == 0, line.words);
            const Table &t = *std::find_if(tables().begin(), tables().end(), [&](const Table &t) {
                return std::string(t.name) == line.table;
            });
            for (const FieldSpec &about : t.fields) {
                if (about.kind != FieldKind::Number || !about.option)
                    continue;
                const qsizetype at = words.indexOf(QString::fromLatin1(about.option));
                if (at < 0)
                    continue;
                covered.insert({t.name, about.key});
                for (const QString &value : outside(about.rule.domain, t.pastLargest)) {
                    QStringList changed = words;
                    changed[at + 1] = value;
                    const QString expected =
                        QStringLiteral("zelkor-calc: %1: %2 must be %3\n")
                            .arg(words.first(), QString::fromLatin1(about.option),
                                 domainText(about.rule.domain));
                    QTest::addRow("%s %s %s", line.words, about.option, qPrintable(value))
                        << changed << expected;
                }
            }
        }
        // Every numeric option of every table is walked by some line.
        for (const Table &t : tables())
            for (const FieldSpec &about : t.fields)
                if (about.kind == FieldKind::Number && about.option)
                    QVERIFY2(covered.count({t.name, about.key}),
                             qPrintable(QString::fromLatin1(t.name) + u' ' +
                                        QString::fromLatin1(about.option)));
    }
    void outsideTheDomainIsRefused()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, error);
        const auto result = run(words);
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.empty());
        QCOMPARE(QString::fromStdString(result.err), error);
    }
};

QTEST_MAIN(TestDomains)
#include "tst_domains.moc"
