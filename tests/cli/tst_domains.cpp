// SPDX-License-Identifier: GPL-3.0-or-later

// Every numeric input of every calculator has a domain. From each subcommand's examples, each
// option in turn gets a value just outside its domain (and the open bound itself): zelkor-calc
// refuses it with status 2 and one line that names the option and the domain (or, past the
// largest float, says the value is too large), and prints nothing.

#include "cli/CommandLine.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace zelkor;

namespace {

cli::Result run(const QStringList &words)
{
    std::vector<std::string> argv;
    for (const QString &word : words)
        argv.push_back(word.toStdString());
    return cli::run(argv);
}

// Values just outside the domain: each finite bound itself when it is open, and one past it.
QStringList outside(const Domain &domain)
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
    // Past the largest float and past the largest double, whichever precision the calculator
    // reads in: no quantity is infinite.
    values << QStringLiteral("1e39") << QStringLiteral("1e309");
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
        // Every numeric option of every example's fields is walked by some example.
        std::set<std::pair<const FieldSpec *, std::size_t>> tables;
        std::set<std::pair<const FieldSpec *, std::string>> covered;
        for (const cli::Command *command : cli::commandRegistry()) {
            for (const cli::Example &example : command->examples) {
                const QStringList words = QString::fromUtf8(example.words).split(u' ');
                const auto valid = run(words);
                QVERIFY2(valid.status == 0, example.words);
                tables.insert({example.fields.data(), example.fields.size()});
                for (const FieldSpec &about : example.fields) {
                    if (about.kind != FieldKind::Number || !about.option)
                        continue;
                    const qsizetype at = words.indexOf(QString::fromLatin1(about.option));
                    if (at < 0)
                        continue;
                    covered.insert({example.fields.data(), about.key});
                    for (const QString &value : outside(about.rule.domain)) {
                        QStringList changed = words;
                        changed[at + 1] = value;
                        // Past the largest float on the side the domain allows, the size is
                        // what is wrong; elsewhere, the bounds.
                        const bool tooLarge =
                            value.startsWith(u"1e3") && about.rule.domain.contains(1e38);
                        const QString expected =
                            tooLarge
                                ? QStringLiteral("zelkor-calc: %1: %2: '%3' is too large\n")
                                      .arg(words.first(), QString::fromLatin1(about.option), value)
                                : QStringLiteral("zelkor-calc: %1: %2 must be %3\n")
                                      .arg(words.first(), QString::fromLatin1(about.option),
                                           domainText(about.rule.domain));
                        QTest::addRow("%s %s %s", example.words, about.option, qPrintable(value))
                            << changed << expected;
                    }
                }
            }
        }
        for (const auto &[fields, count] : tables)
            for (const FieldSpec &about : std::span(fields, count))
                if (about.kind == FieldKind::Number && about.option)
                    QVERIFY2(covered.count({fields, about.key}), about.option);
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
