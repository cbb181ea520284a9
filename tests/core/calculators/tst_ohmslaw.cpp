// SPDX-License-Identifier: GPL-3.0-or-later

// Ohm's law: the arithmetic and which options count as inputs.

#include "core/calculators/OhmsLaw.h"
#include "core/text/NumberFormat.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;
using namespace zelkor::ohmslaw;

namespace {

std::array<zelkor::Given, kQuantityCount> givenOptions(const QString &given)
{
    const QStringList v = given.split(u'|');
    const auto at = [&](int i) { return v[i] == u"-" ? zelkor::Given() : v[i]; };
    return {at(0), at(1), at(2), at(3)};
}

} // namespace

class TestOhmsLaw : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // zelkor-calc's options: exactly two of power, voltage, current and resistance.
    void options_data()
    {
        QTest::addColumn<QString>("solved"); // "P|U|I|R → P U I R", "-" for an option left out
        QTest::newRow("voltage and current") << "-|12|2|- → 24 12 2 6";
        QTest::newRow("power and current") << "24|-|2|- → 24 12 2 6";
        QTest::newRow("power and voltage") << "24|12|-|- → 24 12 2 6";
        QTest::newRow("voltage and resistance") << "-|12|-|6 → 24 12 2 6";
        QTest::newRow("current and resistance") << "-|-|0.5|20 → 5 10 0.5 20";
        QTest::newRow("power and resistance") << "0.25|-|-|100 → 0.25 5 0.05 100";
        QTest::newRow("units") << "-|12 V|500 mA|- → 6 12 0.5 24";
        QTest::newRow("single precision") << "-|3.3|0.02|- → 0.066 3.3 0.02 165";
    }
    void options()
    {
        QFETCH(QString, solved);
        const auto s = calculate(givenOptions(solved.section(u" → "_s, 0, 0)));
        QVERIFY(s);
        using zelkor::formatShortest;
        QCOMPARE(QStringList({formatShortest(s->power), formatShortest(s->voltage),
                              formatShortest(s->current), formatShortest(s->resistance)})
                     .join(u' '),
                 solved.section(u" → "_s, 1));
    }

    // The first problem in the order power, voltage, current, resistance; then the count, then
    // the results.
    void optionProblems_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<zelkor::Reason>("reason");
        QTest::addColumn<Quantity>("field");
        using enum zelkor::Reason;
        using enum Quantity;
        QTest::newRow("one") << "-|12|-|-" << Missing << Power;
        QTest::newRow("three") << "-|1|1|1" << Conflict << Power;
        QTest::newRow("not a number") << "1|x|1|-" << NotANumber << Voltage;
        QTest::newRow("negative voltage") << "-|-12|2|-" << OutsideDomain << Voltage;
        // Once computed as an infinite voltage.
        QTest::newRow("current 0") << "2|-|0|-" << OutsideDomain << Current;
        // U = P/I = 1e40 V: the power is the input further from 1.
        QTest::newRow("huge power") << "1e30|-|1e-10|-" << Overflow << Power;
        // R = U/I = 1e39 Ω: a tiny current overflows as well.
        QTest::newRow("tiny current") << "-|100|1e-37|-" << Overflow << Current;
    }
    void optionProblems()
    {
        QFETCH(QString, given);
        QFETCH(zelkor::Reason, reason);
        QFETCH(Quantity, field);
        const auto s = calculate(givenOptions(given));
        QVERIFY(!s);
        QCOMPARE(s.problem(), (zelkor::Problem<Quantity>{reason, field}));
    }
};

QTEST_MAIN(TestOhmsLaw)
#include "tst_ohmslaw.moc"
