#include "calculators/NE555Handler.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {

class TimerPanel
{
public:
    TimerPanel() : handler(&panel) {}

    void choose(const char *segment)
    {
        QTest::mouseClick(panel.findChild<QPushButton *>(QString::fromLatin1(segment)),
                          Qt::LeftButton);
    }
    void type(const char *name, const QString &text)
    {
        auto *edit = panel.findChild<QLineEdit *>(QString::fromLatin1(name));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    QString output() const
    {
        return panel.findChild<QLabel *>(QStringLiteral("outputField"))->text();
    }
    QString page() const
    {
        return panel.findChild<QStackedWidget *>(QStringLiteral("ne555ModeTabView"))
            ->currentWidget()
            ->objectName();
    }

    QWidget panel;
    NE555Handler handler;
};

} // namespace

class TestNE555Handler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void astable_data()
    {
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("r2");
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("output");

        QTest::newRow("typical") << "1000"
                                 << "10000"
                                 << "10"
                                 << "Frequency: 6.90131140 Hz";
        QTest::newRow("text that is no number counts as 0") << "none"
                                                            << "10000"
                                                            << "10"
                                                            << "Frequency: 7.24637699 Hz";
        QTest::newRow("zero capacitance") << "1000"
                                          << "1000"
                                          << "0"
                                          << "Frequency: inf Hz";
        QTest::newRow("capacitance missing") << "1000"
                                             << "10000"
                                             << ""
                                             << "";
        QTest::newRow("R1 missing") << ""
                                    << "10000"
                                    << "10"
                                    << "";
    }

    void astable()
    {
        QFETCH(QString, r1);
        QFETCH(QString, r2);
        QFETCH(QString, c1);
        QFETCH(QString, output);

        TimerPanel timer;
        timer.type("r1ValueField", r1);
        timer.type("r2ValueField", r2);
        timer.type("c1ValueField", c1);
        QCOMPARE(timer.page(), QStringLiteral("astablePage"));
        QCOMPARE(timer.output(), output);
    }

    void monostable_data()
    {
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("output");

        QTest::newRow("one second") << "10000"
                                    << "100"
                                    << "Pulse duration: 1.10000002 s";
        QTest::newRow("zero resistance") << "0"
                                         << "1"
                                         << "Pulse duration: 0.00000000 s";
        QTest::newRow("resistance missing") << ""
                                            << "1"
                                            << "";
    }

    void monostable()
    {
        QFETCH(QString, r);
        QFETCH(QString, c1);
        QFETCH(QString, output);

        TimerPanel timer;
        timer.choose("monostableButton");
        timer.type("monostableR1ValueField", r);
        timer.type("monostableC1ValueField", c1);
        QCOMPARE(timer.page(), QStringLiteral("monostablePage"));
        QCOMPARE(timer.output(), output);
    }

    // No result outlives the inputs it came from.
    void erasingAnInputEmptiesTheOutput()
    {
        TimerPanel timer;
        timer.type("r1ValueField", QStringLiteral("1000"));
        timer.type("r2ValueField", QStringLiteral("10000"));
        timer.type("c1ValueField", QStringLiteral("10"));
        QVERIFY(!timer.output().isEmpty());
        timer.type("r2ValueField", QString());
        QCOMPARE(timer.output(), QString());
    }

    void switchingSegments_data()
    {
        QTest::addColumn<QString>("monostableR");
        QTest::addColumn<QString>("monostableOutput");

        QTest::newRow("complete monostable inputs") << "1000"
                                                    << "Pulse duration: 0.00110000 s";
        QTest::newRow("incomplete monostable inputs") << ""
                                                      << "";
    }

    void switchingSegments()
    {
        QFETCH(QString, monostableR);
        QFETCH(QString, monostableOutput);

        TimerPanel timer;
        timer.choose("monostableButton");
        timer.type("monostableR1ValueField", monostableR);
        timer.type("monostableC1ValueField", QStringLiteral("1"));
        timer.choose("astableButton");
        timer.type("r1ValueField", QStringLiteral("1000"));
        timer.type("r2ValueField", QStringLiteral("1000"));
        timer.type("c1ValueField", QStringLiteral("100"));
        QCOMPARE(timer.output(), QStringLiteral("Frequency: 4.83091831 Hz"));

        timer.choose("monostableButton");
        QCOMPARE(timer.page(), QStringLiteral("monostablePage"));
        QCOMPARE(timer.output(), monostableOutput);

        timer.choose("astableButton");
        QCOMPARE(timer.page(), QStringLiteral("astablePage"));
        QCOMPARE(timer.output(), QStringLiteral("Frequency: 4.83091831 Hz"));
    }
};

QTEST_MAIN(TestNE555Handler)
#include "tst_ne555handler.moc"
