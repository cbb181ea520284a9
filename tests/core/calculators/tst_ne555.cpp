// The 555 timer: the two formulas in their order of operations, and the panel's two pages.

#include "core/calculators/NE555.h"
#include "gui/calculators/NE555Handler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace {

struct TimerPanel : zelkor::test::PanelFixture<NE555Handler>
{
    // Astable: R1, R2, C1. Monostable: R, C1.
    void fill(bool monostable, const QStringList &inputs) const
    {
        const QList<const char *> fields =
            monostable ? QList{"monostableR1ValueField", "monostableC1ValueField"}
                       : QList{"r1ValueField", "r2ValueField", "c1ValueField"};
        for (int i = 0; i < fields.size(); ++i)
            type(fields[i], inputs[i]);
    }
    QString page() const
    {
        return find<QStackedWidget>("ne555ModeTabView")->currentWidget()->objectName();
    }
};

} // namespace

class TestNE555 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // Eight decimals show whether 0.69/1.1 and the single/double mix were kept.
    void formulas_data()
    {
        QTest::addColumn<bool>("monostable");
        QTest::addColumn<QList<float>>("inputs");
        QTest::addColumn<QString>("text");
        QTest::newRow("astable 1k, 10k, 10 uF")
            << false << QList<float>{1000, 10000, 10} << "Frequency: 6.90131140 Hz";
        QTest::newRow("astable 10k, 10k, 1 uF")
            << false << QList<float>{10000, 10000, 1} << "Frequency: 48.30917740 Hz";
        QTest::newRow("astable 1k, 1k, 100 uF")
            << false << QList<float>{1000, 1000, 100} << "Frequency: 4.83091831 Hz";
        QTest::newRow("monostable 10k, 100 uF")
            << true << QList<float>{10000, 100} << "Pulse duration: 1.10000002 s";
        QTest::newRow("monostable 1k, 1 uF")
            << true << QList<float>{1000, 1} << "Pulse duration: 0.00110000 s";
    }
    void formulas()
    {
        QFETCH(bool, monostable);
        QFETCH(QList<float>, inputs);
        using namespace zelkor::ne555;
        QTEST(monostable ? pulseDurationText(monostablePulseDuration(inputs[0], inputs[1]))
                         : frequencyText(astableFrequency(inputs[0], inputs[1], inputs[2])),
              "text");
    }

    void panel_data()
    {
        QTest::addColumn<bool>("monostable");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("output");
        QTest::newRow("astable") << false << QStringList{"1000", "10000", "10"}
                                 << "Frequency: 6.90131140 Hz";
        QTest::newRow("text that is no number counts as 0")
            << false << QStringList{"none", "10000", "10"} << "Frequency: 7.24637699 Hz";
        QTest::newRow("zero capacitance is infinite")
            << false << QStringList{"1000", "1000", "0"} << "Frequency: inf Hz";
        QTest::newRow("capacitance missing") << false << QStringList{"1000", "10000", ""} << "";
        QTest::newRow("R1 missing") << false << QStringList{"", "10000", "10"} << "";
        QTest::newRow("monostable")
            << true << QStringList{"10000", "100"} << "Pulse duration: 1.10000002 s";
        QTest::newRow("zero resistance")
            << true << QStringList{"0", "1"} << "Pulse duration: 0.00000000 s";
        QTest::newRow("resistance missing") << true << QStringList{"", "1"} << "";
    }
    void panel()
    {
        QFETCH(bool, monostable);
        QFETCH(QStringList, inputs);
        TimerPanel p;
        if (monostable)
            p.click("monostableButton");
        p.fill(monostable, inputs);
        QCOMPARE(p.page(), monostable ? u"monostablePage"_s : u"astablePage"_s);
        QTEST(p.output(), "output");
    }

    // No result outlives the inputs it came from.
    void erasingAnInputEmptiesTheOutput()
    {
        TimerPanel p;
        p.fill(false, {"1000", "10000", "10"});
        QVERIFY(!p.output().isEmpty());
        p.type("r2ValueField", QString());
        QCOMPARE(p.output(), QString());
    }

    void switchingSegments_data()
    {
        QTest::addColumn<QString>("monostableR");
        QTest::addColumn<QString>("monostableOutput");
        QTest::newRow("complete monostable inputs")
            << u"1000"_s << u"Pulse duration: 0.00110000 s"_s;
        QTest::newRow("incomplete monostable inputs") << u""_s << u""_s;
    }
    void switchingSegments()
    {
        QFETCH(QString, monostableR);
        const QString astable = u"Frequency: 4.83091831 Hz"_s;
        TimerPanel p;
        p.click("monostableButton");
        p.fill(true, {monostableR, "1"});
        p.click("astableButton");
        p.fill(false, {"1000", "1000", "100"});
        QCOMPARE(p.output(), astable);

        p.click("monostableButton");
        QCOMPARE(p.page(), u"monostablePage"_s);
        QTEST(p.output(), "monostableOutput");

        p.click("astableButton");
        QCOMPARE(p.page(), u"astablePage"_s);
        QCOMPARE(p.output(), astable);
    }
};

QTEST_MAIN(TestNE555)
#include "tst_ne555.moc"
