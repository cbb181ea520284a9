// Ohm's law: the arithmetic, which fields count as inputs, and the panel as a user types.

#include "calculators/OhmsLaw.h"
#include "calculators/OhmsLawHandler.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

using zelkor::ohmslaw::GivenFields;
using zelkor::ohmslaw::Quantity;

class TestOhmsLaw : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void solve_data();
    void solve();
    void newestTwoGivenFieldsAreTheInputs();
    void panel_data();
    void panel();
    void editingKeepsWhatWasTyped();
    void clearForgetsEverything();
};

void TestOhmsLaw::solve_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<float>("aValue");
    QTest::addColumn<int>("b");
    QTest::addColumn<float>("bValue");
    QTest::addColumn<float>("power");
    QTest::addColumn<float>("voltage");
    QTest::addColumn<float>("current");
    QTest::addColumn<float>("resistance");

    const int P = int(Quantity::Power), U = int(Quantity::Voltage), I = int(Quantity::Current);
    QTest::newRow("voltage and current") << U << 12.f << I << 2.f << 24.f << 12.f << 2.f << 6.f;
    QTest::newRow("power and current") << P << 24.f << I << 2.f << 24.f << 12.f << 2.f << 6.f;
    QTest::newRow("power and voltage") << P << 24.f << U << 12.f << 24.f << 12.f << 2.f << 6.f;
    QTest::newRow("order of the two does not matter")
        << I << 2.f << U << 12.f << 24.f << 12.f << 2.f << 6.f;
    QTest::newRow("zero current: no guard, infinite resistance")
        << U << 5.f << I << 0.f << 0.f << 5.f << 0.f << INFINITY;
}

void TestOhmsLaw::solve()
{
    QFETCH(int, a);
    QFETCH(float, aValue);
    QFETCH(int, b);
    QFETCH(float, bValue);
    const auto s = zelkor::ohmslaw::solve(Quantity(a), aValue, Quantity(b), bValue);
    QTEST(s.power, "power");
    QTEST(s.voltage, "voltage");
    QTEST(s.current, "current");
    QTEST(s.resistance, "resistance");
}

void TestOhmsLaw::newestTwoGivenFieldsAreTheInputs()
{
    GivenFields given;
    const std::array<bool, 3> allFilled{true, true, true};
    QVERIFY(!given.inputs(allFilled));

    given.edited(Quantity::Voltage);
    QVERIFY(!given.inputs(allFilled)); // one given field determines nothing
    given.edited(Quantity::Current);
    QCOMPARE(*given.inputs(allFilled), std::pair(Quantity::Current, Quantity::Voltage));

    given.edited(Quantity::Power);
    QCOMPARE(*given.inputs(allFilled), std::pair(Quantity::Power, Quantity::Current));

    // An emptied field no longer counts; the older given one steps in.
    QCOMPARE(*given.inputs({true, true, false}), std::pair(Quantity::Power, Quantity::Voltage));

    // A computed field is no input until it is edited again.
    given.computed(Quantity::Voltage);
    QVERIFY(!given.inputs({true, true, false}));
    given.clear();
    QVERIFY(!given.isGiven(Quantity::Power));
}

void TestOhmsLaw::panel_data()
{
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("voltage");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("shown"); // P, U, I, R after typing in that order

    QTest::newRow("voltage and current") << "" << "12" << "2"
                                         << QStringList{"24", "12", "2", "6"};
    QTest::newRow("power and current, one pass")
        << "24" << "" << "2" << QStringList{"24", "12", "2", "6"};
    QTest::newRow("power and voltage") << "24" << "12" << ""
                                       << QStringList{"24", "12", "2", "6"};
    QTest::newRow("current zero gives infinite resistance")
        << "" << "5" << "0" << QStringList{"0", "5", "0", "inf"};
    QTest::newRow("a lone blank is filled and reads zero")
        << "" << "5" << " " << QStringList{"0", "5", " ", "inf"};
    QTest::newRow("zero over zero is nan") << "0" << "0" << "" << QStringList{"0", "0", "nan", "nan"};
    QTest::newRow("a single field computes nothing") << "" << "12" << ""
                                                     << QStringList{"", "12", "", ""};
    QTest::newRow("fractions in single precision")
        << "" << "3.3" << "0.02" << QStringList{"0.066", "3.3", "0.02", "165"};
}

void TestOhmsLaw::panel()
{
    QFETCH(QString, power);
    QFETCH(QString, voltage);
    QFETCH(QString, current);
    QFETCH(QStringList, shown);

    QWidget panel;
    new OhmsLawHandler(&panel);
    auto *p = panel.findChild<QLineEdit *>(QStringLiteral("powerField"));
    auto *u = panel.findChild<QLineEdit *>(QStringLiteral("voltageField"));
    auto *i = panel.findChild<QLineEdit *>(QStringLiteral("currentField"));
    auto *r = panel.findChild<QLineEdit *>(QStringLiteral("resistanceField"));
    QVERIFY(p && u && i && r);
    QVERIFY(r->isReadOnly());

    QTest::keyClicks(p, power);
    QTest::keyClicks(u, voltage);
    QTest::keyClicks(i, current);
    QCOMPARE((QStringList{p->text(), u->text(), i->text(), r->text()}), shown);
}

void TestOhmsLaw::editingKeepsWhatWasTyped()
{
    QWidget panel;
    new OhmsLawHandler(&panel);
    auto *p = panel.findChild<QLineEdit *>(QStringLiteral("powerField"));
    auto *u = panel.findChild<QLineEdit *>(QStringLiteral("voltageField"));
    auto *i = panel.findChild<QLineEdit *>(QStringLiteral("currentField"));
    auto *r = panel.findChild<QLineEdit *>(QStringLiteral("resistanceField"));

    QTest::keyClicks(u, QStringLiteral("12"));
    QTest::keyClicks(i, QStringLiteral("2"));
    QCOMPARE(p->text(), QStringLiteral("24"));

    u->selectAll();
    QTest::keyClicks(u, QStringLiteral("10"));
    QCOMPARE(u->text(), QStringLiteral("10"));
    QCOMPARE(i->text(), QStringLiteral("2"));
    QCOMPARE(p->text(), QStringLiteral("20"));
    QCOMPARE(r->text(), QStringLiteral("5"));

    // Typing the power now makes power and voltage the inputs; the old current gives way.
    p->selectAll();
    QTest::keyClicks(p, QStringLiteral("50"));
    QCOMPARE(i->text(), QStringLiteral("5"));
    QCOMPARE(u->text(), QStringLiteral("10"));
    QCOMPARE(r->text(), QStringLiteral("2"));
}

void TestOhmsLaw::clearForgetsEverything()
{
    QWidget panel;
    new OhmsLawHandler(&panel);
    auto *p = panel.findChild<QLineEdit *>(QStringLiteral("powerField"));
    auto *u = panel.findChild<QLineEdit *>(QStringLiteral("voltageField"));
    auto *i = panel.findChild<QLineEdit *>(QStringLiteral("currentField"));
    auto *r = panel.findChild<QLineEdit *>(QStringLiteral("resistanceField"));
    QTest::keyClicks(u, QStringLiteral("12"));
    QTest::keyClicks(i, QStringLiteral("2"));

    QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("clearButton")),
                      Qt::LeftButton);
    for (QLineEdit *field : {p, u, i, r})
        QVERIFY(field->text().isEmpty());

    // Nothing typed before the clear counts any more.
    QTest::keyClicks(p, QStringLiteral("24"));
    QVERIFY(u->text().isEmpty());
    QVERIFY(r->text().isEmpty());
    QTest::keyClicks(i, QStringLiteral("2"));
    QCOMPARE(u->text(), QStringLiteral("12"));
}

QTEST_MAIN(TestOhmsLaw)
#include "tst_ohmslaw.moc"
