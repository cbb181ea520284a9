// SPDX-License-Identifier: GPL-3.0-or-later

// The pair search: worked examples, and the same answers as trying every pair.

#include "core/standard/PairSearch.h"

#include <QTest>

#include <cmath>
#include <map>
#include <numbers>

using namespace zelkor;
using namespace zelkor::pairs;
using eseries::Series;

namespace {

double miss(double value, double target)
{
    return std::abs(std::log(value / target));
}

Query divider(double vin, double vout, Series series, double load = 0.0)
{
    Query q;
    q.result = [vin, load](double r1, double r2) {
        const double lower = load > 0.0 ? r2 * load / (r2 + load) : r2;
        return vin * lower / (r1 + lower);
    };
    q.target = vout;
    q.first = q.second = {series, 1.0, 1e7};
    q.invariance = load > 0.0 ? Invariance::None : Invariance::Ratio;
    q.size = [](double r1, double r2) { return r1 + r2; };
    q.preferredSize = 1e4;
    return q;
}

Query rcCorner(double hertz, Series rSeries, Series cSeries)
{
    Query q;
    q.result = [](double r, double c) { return 1.0 / (2.0 * std::numbers::pi * r * c); };
    q.target = hertz;
    q.first = {rSeries, 100.0, 1e6};
    q.second = {cSeries, 10e-12, 100e-6};
    q.invariance = Invariance::Product;
    q.size = [](double r, double) { return r; };
    q.preferredSize = 1e4;
    return q;
}

// The best misses by trying every pair. Pairs that are the same pair a power of ten up (or,
// for a product, one part up and the other down) count once.
std::vector<double> bruteForce(const Query &q)
{
    const auto firsts = eseries::valuesBetween(q.first.series, q.first.low, q.first.high);
    const auto seconds = eseries::valuesBetween(q.second.series, q.second.low, q.second.high);
    std::map<std::pair<double, double>, double> bestPerAnswer;
    const auto rounded = [](double v) {
        const double scale = std::pow(10.0, std::floor(std::log10(v)) - 6);
        return std::round(v / scale) * scale;
    };
    for (const double a : firsts) {
        for (const double b : seconds) {
            std::pair<double, double> answer{a, b};
            if (q.invariance != Invariance::None) {
                const double shift = std::pow(10.0, std::floor(std::log10(a) + 1e-9));
                const double b2 = q.invariance == Invariance::Ratio ? b / shift : b * shift;
                answer = {rounded(a / shift), rounded(b2)};
            }
            const double m = miss(q.result(a, b), q.target);
            auto [it, inserted] = bestPerAnswer.try_emplace(answer, m);
            if (!inserted)
                it->second = std::min(it->second, m);
        }
    }
    std::vector<double> misses;
    for (const auto &[answer, m] : bestPerAnswer)
        misses.push_back(m);
    std::sort(misses.begin(), misses.end());
    return misses;
}

} // namespace

class TestPairSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamples()
    {
        // 12 V × 910 / 3310 = 3.29909 V, 0.0275 % low; 24 kΩ/9.1 kΩ is the same answer and
        // lies further from the preferred 10 kΩ total.
        auto pairs = bestPairs(divider(12.0, 3.3, Series::E24));
        QCOMPARE(pairs.size(), 5u);
        QCOMPARE(pairs[0].first, 2400.0);
        QCOMPARE(pairs[0].second, 910.0);
        QCOMPARE(std::round(pairs[0].value * 1e4) / 1e4, 3.2991);
        QCOMPARE(std::round(pairs[0].error * 1e6) / 1e6, -0.000275);
        for (const Pair &p : pairs)
            QVERIFY(!(p.first == 24000.0 && p.second == 9100.0));

        // 16 kΩ with 10 nF: 1 / (2π · 1.6e-4 s) = 994.72 Hz, 0.53 % low.
        pairs = bestPairs(rcCorner(1000.0, Series::E24, Series::E6));
        QCOMPARE(pairs[0].first, 16000.0);
        QCOMPARE(pairs[0].second, 10e-9);
        QCOMPARE(std::round(pairs[0].value * 100) / 100, 994.72);

        // A gain of 10 is 1 + 18k/2k and 1 + 27k/3k: both exact, the one nearer 20 kΩ first.
        Query gain;
        gain.result = [](double rf, double rg) { return 1.0 + rf / rg; };
        gain.target = 10.0;
        gain.first = gain.second = {Series::E24, 1e3, 1e6};
        gain.invariance = Invariance::Ratio;
        gain.size = [](double rf, double rg) { return rf + rg; };
        gain.preferredSize = 2e4;
        pairs = bestPairs(gain);
        QVERIFY(pairs[0].exact && pairs[1].exact && !pairs[2].exact);
        QCOMPARE(pairs[0].first, 18000.0);
        QCOMPARE(pairs[1].first, 27000.0);
        QCOMPARE(pairs[0].error, 0.0);
    }

    void sameAsTryingEveryPair_data()
    {
        QTest::addColumn<int>("query");
        QTest::addColumn<double>("target");
        QTest::newRow("divider, E24, 5 V to 1.8 V") << 0 << 1.8;
        QTest::newRow("divider, E96, a target near a pair") << 1 << 2.5;
        QTest::newRow("loaded divider: every decade its own answer") << 2 << 3.3;
        QTest::newRow("RC corner, E12 with E6") << 3 << 4321.0;
        QTest::newRow("RC corner far down") << 3 << 0.05;
    }
    void sameAsTryingEveryPair()
    {
        QFETCH(int, query);
        QFETCH(double, target);
        const Query q = query == 0   ? divider(5.0, target, Series::E24)
                        : query == 1 ? divider(12.0, target, Series::E96)
                        : query == 2 ? divider(12.0, target, Series::E12, 4700.0)
                                     : rcCorner(target, Series::E12, Series::E6);
        const auto pairs = bestPairs(q);
        const auto brute = bruteForce(q);
        QCOMPARE(pairs.size(), std::min<std::size_t>(5, brute.size()));
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            QVERIFY2(std::abs(miss(pairs[i].value, q.target) - brute[i]) < 1e-9,
                     qPrintable(QString::number(i)));
            QCOMPARE(q.result(pairs[i].first, pairs[i].second), pairs[i].value);
        }
        // Two runs give the same list.
        const auto again = bestPairs(q);
        for (std::size_t i = 0; i < pairs.size(); ++i)
            QVERIFY(again[i].first == pairs[i].first && again[i].second == pairs[i].second);
    }

    void nothingToSearch()
    {
        QVERIFY(bestPairs(divider(12.0, 0.0, Series::E24)).empty());
        QVERIFY(bestPairs(divider(12.0, std::nan(""), Series::E24)).empty());
        Query empty = divider(12.0, 3.3, Series::E24);
        empty.first = {Series::E24, 5.0, 4.0};
        QVERIFY(bestPairs(empty).empty());
    }
};

QTEST_GUILESS_MAIN(TestPairSearch)
#include "tst_pairsearch.moc"
