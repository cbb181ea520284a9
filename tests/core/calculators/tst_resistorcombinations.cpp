// SPDX-License-Identifier: GPL-3.0-or-later

// The best standard-part combinations: known answers, a brute-force referee for the clever
// search, more parts never worse, and the targets no combination reaches.

#include "core/calculators/ResistorCombinations.h"
#include "core/calculators/SeriesParallel.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>

using namespace zelkor::combinations;
using namespace Qt::StringLiterals;
using zelkor::eseries::Series;

namespace {

double valueOf(const Combination &c)
{
    const auto [a, b, x] = c.parts;
    switch (c.topology) {
    case Topology::Single:
        return a;
    case Topology::Series:
        return a + b + x;
    case Topology::Parallel:
        return 1 / (1 / a + 1 / b + (c.count == 3 ? 1 / x : 0));
    case Topology::SeriesWithParallelPair:
        return a + 1 / (1 / b + 1 / x);
    case Topology::ParallelWithSeriesPair:
        return 1 / (1 / a + 1 / (b + x));
    }
    return 0;
}

// The kResults smallest errors (percent) among all distinct circuits of up to maxParts parts,
// each circuit tried once.
QList<double> bruteForce(double target, Series series, int maxParts)
{
    const auto v = zelkor::eseries::valuesBetween(series, kSmallestPart, kLargestPart);
    QList<double> errors;
    const auto offer = [&](double value) { errors.append(std::abs(value / target - 1) * 100); };
    const auto parallel = [](double x, double y) { return 1 / (1 / x + 1 / y); };
    const auto n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        offer(v[i]);
        for (std::size_t j = i; maxParts > 1 && j < n; ++j) {
            offer(v[i] + v[j]), offer(parallel(v[i], v[j]));
            if (maxParts < 3)
                continue;
            for (std::size_t k = j; k < n; ++k)
                offer(v[i] + v[j] + v[k]), offer(parallel(parallel(v[i], v[j]), v[k]));
            for (double single : v)
                offer(single + parallel(v[i], v[j])), offer(parallel(single, v[i] + v[j]));
        }
    }
    std::partial_sort(errors.begin(), errors.begin() + kResults, errors.end());
    return errors.first(kResults);
}

} // namespace

class TestResistorCombinations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void knownAnswers_data()
    {
        QTest::addColumn<double>("target");
        QTest::addColumn<Series>("series");
        QTest::addColumn<int>("maxParts");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("1234 from two E24 parts")
            << 1234.0 << Series::E24 << 2 << u"1.3 kΩ ∥ 24 kΩ = 1233.20 Ω (−0.065 %)"_s;
        QTest::newRow("three E6 parts make 3.5 exactly")
            << 3.5 << Series::E6 << 3 << u"1.0 Ω + 1.0 Ω + 1.5 Ω = 3.50 Ω (0.000 %)"_s;
        QTest::newRow("three 1 Ohm in parallel reach the bottom")
            << 1 / 3.0 << Series::E12 << 3 << u"1.0 Ω ∥ 1.0 Ω ∥ 1.0 Ω = 0.33 Ω (0.000 %)"_s;
    }
    void knownAnswers()
    {
        QFETCH(double, target);
        QFETCH(Series, series);
        QFETCH(int, maxParts);
        QTEST(searchText(bestCombinations(target, series, maxParts)).section(u'\n', 0, 0),
              "firstLine");
    }

    // A typed target that is a standard value is that value exactly, not the float next to it
    // (1R8 as a float is 1.7999999, 0.3 ppm away): the single part leads, ahead of 2.0 Ω ∥ 18 Ω
    // which meets it just as well.
    void typedStandardValuesLead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("series"); // empty: the default, E24
        QTest::addColumn<QString>("lines");
        QTest::newRow("1R8 in the default E24")
            << u"1R8"_s << QString() << u"1.8 Ω is a standard value of E24.\n1.8 Ω = 1.80 Ω"_s;
        QTest::newRow("22.6 in E96")
            << u"22.6"_s << u"E96"_s << u"22.6 Ω is a standard value of E96.\n22.6 Ω = 22.60 Ω"_s;
        QTest::newRow("3.61 in E192") << u"3.61 Ω"_s << u"e192"_s
                                      << u"3.61 Ω is a standard value of E192.\n3.61 Ω = 3.61 Ω"_s;
    }
    void typedStandardValuesLead()
    {
        QFETCH(QString, typed);
        QFETCH(QString, series);
        using zelkor::Given;
        for (const auto reading : {zelkor::Reading::Lenient, zelkor::Reading::Strict}) {
            const auto inputs = zelkor::seriesparallel::searchInputs(
                typed, series.isEmpty() ? Given() : Given(series), Given(u"3"_s), reading);
            QVERIFY(inputs);
            const Search s = bestCombinations(inputs->target, inputs->series, inputs->maxParts);
            QVERIFY(s.standardValue());
            QTEST(searchText(s).section(u'\n', 0, 1).section(u" ("_s, 0, 0), "lines");
        }
    }

    // The search against trying everything, and its results against their own parts.
    void properties_data()
    {
        QTest::addColumn<double>("target");
        for (double target : {0.34, 0.7, 1.5, 47.5, 1234.0, 77777.0, 3.3e6, 12345678.0, 2.9e7})
            QTest::newRow(QByteArray::number(target).constData()) << target;
    }
    void properties()
    {
        QFETCH(double, target);
        double previous = INFINITY;
        for (int parts = 1; parts <= 3; ++parts) {
            const Search s = bestCombinations(target, Series::E6, parts);
            if (s.outcome == SearchOutcome::OutOfRange)
                continue;
            const QList<double> referee = bruteForce(target, Series::E6, parts);
            QCOMPARE(s.best.size(), std::size_t(kResults));
            for (std::size_t i = 0; i < s.best.size(); ++i) {
                const Combination &c = s.best[i];
                QCOMPARE_LE(c.count, parts);
                QCOMPARE(c.value, valueOf(c));
                QCOMPARE_LT(std::abs(c.errorPercent - (c.value / target - 1) * 100), 1e-9);
                QCOMPARE_LT(std::abs(std::abs(c.errorPercent) - referee[qsizetype(i)]), 1e-9);
            }
            const double best = std::abs(s.best.front().errorPercent);
            QCOMPARE_LE(best, previous);
            previous = best;
        }
    }

    void unreachable_data()
    {
        QTest::addColumn<double>("target");
        QTest::addColumn<int>("maxParts");
        QTest::addColumn<SearchOutcome>("outcome");
        const auto out = SearchOutcome::OutOfRange, bad = SearchOutcome::NotPositive;
        QTest::newRow("zero") << 0.0 << 3 << bad;
        QTest::newRow("not a number") << double(NAN) << 2 << bad;
        QTest::newRow("below three 1 Ohm in parallel") << 0.3 << 3 << out;
        QTest::newRow("below two 1 Ohm in parallel") << 0.45 << 2 << out;
        QTest::newRow("above two 10 MOhm in series") << 25e6 << 2 << out;
        QTest::newRow("above three 10 MOhm in series") << 31e6 << 3 << out;
        QTest::newRow("three parts reach 25 MOhm") << 25e6 << 3 << SearchOutcome::Found;
    }
    void unreachable()
    {
        QFETCH(double, target);
        QFETCH(int, maxParts);
        const Search s = bestCombinations(target, Series::E24, maxParts);
        QTEST(s.outcome, "outcome");
        QCOMPARE(s.best.empty(), s.outcome != SearchOutcome::Found);
    }

    void stopsWhenAsked()
    {
        std::stop_source typedAhead;
        typedAhead.request_stop();
        const Search s = bestCombinations(1234, Series::E192, 3, typedAhead.get_token());
        QCOMPARE(s.outcome, SearchOutcome::Cancelled);
        QVERIFY(s.best.empty());
    }
};

QTEST_MAIN(TestResistorCombinations)
#include "tst_resistorcombinations.moc"
