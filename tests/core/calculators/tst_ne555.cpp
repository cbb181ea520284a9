// The 555 timer: the two formulas in their order of operations, and the panel's two pages.

#include "core/calculators/NE555.h"
#include "gui/calculators/NE555Handler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QStackedWidget>

using namespace Qt::StringLiterals;
using namespace zelkor::ne555;
using zelkor::Reading;

namespace {

// "circuit|R1|R2|R|C" with A or M for the circuit, "-" for an input not given.
Texts texts(const QString &given)
{
    const QStringList v = given.split(u'|');
    const auto at = [&](int i) { return v[i] == u"-" ? zelkor::Given() : v[i]; };
    std::optional<Circuit> circuit;
    if (v[0] != u"-")
        circuit = v[0] == u"M" ? Circuit::Monostable : Circuit::Astable;
    return {circuit, at(1), at(2), at(3), at(4)};
}

} // namespace

class TestNE555 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // f = 1 / (0.69 (R1 + 2 R2) C), t = 1.1 R C. Eight decimals show whether 0.69 and 1.1 and
    // the mix of single and double precision were kept.
    void results_data()
    {
        QTest::addColumn<QString>("given"); // "inputs → text"
        QTest::newRow("astable 1k, 10k, 10 uF") << "A|1000|10000|-|10 → Frequency: 6.90131140 Hz";
        QTest::newRow("astable 10k, 10k, 1 uF") << "A|10000|10000|-|1 → Frequency: 48.30917740 Hz";
        QTest::newRow("astable 1k, 1k, 100 uF") << "A|1000|1000|-|100 → Frequency: 4.83091831 Hz";
        QTest::newRow("astable, RKM and nano") << "A|1k|1k|-|100000n → Frequency: 4.83091831 Hz";
        QTest::newRow("zero capacitance is infinite") << "A|1|1|-|0 → Frequency: inf Hz";
        QTest::newRow("monostable 10k, 100 uF") << "M|-|-|10000|100 → Pulse duration: 1.10000002 s";
        QTest::newRow("monostable 1k, 1 uF") << "M|-|-|1000|1 → Pulse duration: 0.00110000 s";
        QTest::newRow("monostable, zero resistance") << "M|-|-|0|1 → Pulse duration: 0.00000000 s";
    }
    void results()
    {
        QFETCH(QString, given);
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto result = calculate(texts(given.section(u" → "_s, 0, 0)), reading);
            QVERIFY(result);
            QCOMPARE(resultText(*result), given.section(u" → "_s, 1));
        }
    }

    // A missing input is named capacitor first, then the resistors from the last one.
    void problems_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<Field>("field");
        QTest::newRow("no circuit") << "-|-|-|-|-" << Field::Circuit;
        QTest::newRow("astable: nothing") << "A|-|-|-|-" << Field::C;
        QTest::newRow("astable: no R2") << "A|-|-|1|1" << Field::R2;
        QTest::newRow("astable: no R1") << "A|-|1|1|1" << Field::R1;
        QTest::newRow("monostable: no C") << "M|1|1|1|-" << Field::C;
        QTest::newRow("monostable: no R") << "M|1|1|-|1" << Field::R;
    }
    void problems()
    {
        QFETCH(QString, given);
        QFETCH(Field, field);
        for (const Reading reading : {Reading::Lenient, Reading::Strict}) {
            const auto result = calculate(texts(given), reading);
            QVERIFY(!result);
            QCOMPARE(result.problem(), (zelkor::Problem<Field>{zelkor::Reason::Missing, field}));
        }
    }

    void panel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("output");
        const QString astable = u"r1ValueField=1000;r2ValueField=10000;c1ValueField=10"_s;
        const QString monostable =
            u"monostableButton!;monostableR1ValueField=1000;monostableC1ValueField=1"_s;
        QTest::newRow("astable") << astable << u"astablePage"_s << u"Frequency: 6.90131140 Hz"_s;
        QTest::newRow("text that is no number counts as 0")
            << astable + u";r1ValueField=none"_s << u"astablePage"_s
            << u"Frequency: 7.24637699 Hz"_s;
        QTest::newRow("an erased input empties the output")
            << astable + u";c1ValueField="_s << u"astablePage"_s << QString();
        QTest::newRow("monostable")
            << monostable << u"monostablePage"_s << u"Pulse duration: 0.00110000 s"_s;
        QTest::newRow("each page shows its own result")
            << monostable + u";astableButton!;"_s + astable + u";monostableButton!"_s
            << u"monostablePage"_s << u"Pulse duration: 0.00110000 s"_s;
    }
    void panel()
    {
        QFETCH(QString, steps);
        zelkor::test::PanelFixture<NE555Handler> p;
        p.play(steps);
        QTEST(p.find<QStackedWidget>("ne555ModeTabView")->currentWidget()->objectName(), "page");
        QTEST(p.output(), "output");
    }
};

QTEST_MAIN(TestNE555)
#include "tst_ne555.moc"
