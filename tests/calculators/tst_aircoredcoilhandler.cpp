#include "calculators/AirCoredCoilHandler.h"
#include "support/TestSupport.h"

#include <memory>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

// The panel as the user sees it: the form, filled in through the keyboard and the mouse.
class CoilPanel
{
public:
    CoilPanel() : handler(&panel) {}

    QLineEdit *field(const char *name) const
    {
        return panel.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) const
    {
        return panel.findChild<QLabel *>(QString::fromLatin1(name));
    }
    void choose(bool multiLayer)
    {
        auto *radio = panel.findChild<QRadioButton *>(
            multiLayer ? QStringLiteral("multiLayerRadio") : QStringLiteral("singleLayerRadio"));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    void type(const char *name, const QString &text)
    {
        QLineEdit *edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void fill(const QString &turns, const QString &outer, const QString &inner,
              const QString &length)
    {
        type("turns", turns);
        type("outerDiameter", outer);
        type("innerDiameter", inner);
        type("length", length);
    }
    QString output() const { return label("outputField")->text(); }
    QColor captionColour(const char *name) const
    {
        return label(name)->palette().color(QPalette::WindowText);
    }

    QWidget panel;
    AirCoredCoilHandler handler;
};

} // namespace

class TestAirCoredCoilHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void opensAsSingleLayer()
    {
        CoilPanel coil;
        QVERIFY(
            coil.panel.findChild<QRadioButton *>(QStringLiteral("singleLayerRadio"))->isChecked());
        QVERIFY(!coil.field("innerDiameter")->isEnabled());
        QCOMPARE(coil.captionColour("multiLayerLabel1"), QColor(Qt::gray));
        QCOMPARE(coil.output(), QString());
    }

    // The winding choice rules the inner diameter and its captions even when nothing is typed.
    void windingChoice_data()
    {
        QTest::addColumn<bool>("multiLayer");
        QTest::addColumn<bool>("innerEnabled");
        QTest::addColumn<QColor>("captionColour");

        QTest::newRow("multi-layer enables the inner diameter")
            << true << true << QColor(Qt::white);
        QTest::newRow("back to single layer disables it") << false << false << QColor(Qt::gray);
    }

    void windingChoice()
    {
        QFETCH(bool, multiLayer);
        QFETCH(bool, innerEnabled);
        QFETCH(QColor, captionColour);

        CoilPanel coil;
        coil.choose(true);
        coil.choose(multiLayer);
        QCOMPARE(coil.field("innerDiameter")->isEnabled(), innerEnabled);
        QCOMPARE(coil.captionColour("multiLayerLabel1"), captionColour);
        QCOMPARE(coil.captionColour("multiLayerLabel2"), captionColour);
        QCOMPARE(coil.output(), QString());
    }

    void inductance_data()
    {
        QTest::addColumn<bool>("multiLayer");
        QTest::addColumn<QString>("turns");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("output");

        QTest::newRow("single layer") << false << "100"
                                      << "25.4"
                                      << ""
                                      << "50.8"
                                      << "Inductance: 102.041µH";
        QTest::newRow("single layer ignores a typed inner diameter") << false << "20"
                                                                     << "10"
                                                                     << "5"
                                                                     << "20"
                                                                     << "Inductance: 1.607µH";
        QTest::newRow("multi-layer") << true << "200"
                                     << "30"
                                     << "10"
                                     << "20"
                                     << "Inductance: 370.542µH";
        QTest::newRow("number followed by text reads the number") << false << "100 turns"
                                                                  << "25.4mm"
                                                                  << ""
                                                                  << "50.8"
                                                                  << "Inductance: 102.041µH";
        QTest::newRow("multi-layer without inner diameter gives nothing") << true << "200"
                                                                          << "30"
                                                                          << ""
                                                                          << "20"
                                                                          << "";
        QTest::newRow("inner wider than outer gives nothing") << true << "200"
                                                              << "30"
                                                              << "31"
                                                              << "20"
                                                              << "";
        QTest::newRow("text that is no number gives nothing") << false << "many"
                                                              << "25.4"
                                                              << ""
                                                              << "50.8"
                                                              << "";
    }

    void inductance()
    {
        QFETCH(bool, multiLayer);
        QFETCH(QString, turns);
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        QFETCH(QString, length);
        QFETCH(QString, output);

        CoilPanel coil;
        coil.choose(multiLayer);
        coil.fill(turns, outer, inner, length);
        QCOMPARE(coil.output(), output);
    }

    // A result stays until the inputs describe another coil.
    void incompleteInputKeepsResult_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");

        QTest::newRow("length erased") << "length"
                                       << "";
        QTest::newRow("turns set to zero") << "turns"
                                           << "0";
        QTest::newRow("inner diameter erased") << "innerDiameter"
                                               << "";
        QTest::newRow("outer diameter below the inner") << "outerDiameter"
                                                        << "5";
    }

    void incompleteInputKeepsResult()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);

        CoilPanel coil;
        coil.choose(true);
        coil.fill(QStringLiteral("200"), QStringLiteral("30"), QStringLiteral("10"),
                  QStringLiteral("20"));
        QCOMPARE(coil.output(), QStringLiteral("Inductance: 370.542µH"));
        coil.type(field.toLatin1().constData(), text);
        QCOMPARE(coil.output(), QStringLiteral("Inductance: 370.542µH"));
    }

    void switchingWindingRecomputes()
    {
        CoilPanel coil;
        coil.choose(true);
        coil.fill(QStringLiteral("100"), QStringLiteral("25.4"), QStringLiteral("12.7"),
                  QStringLiteral("50.8"));
        QCOMPARE(coil.output(), QStringLiteral("Inductance: 49.451µH"));
        coil.choose(false);
        QCOMPARE(coil.output(), QStringLiteral("Inductance: 102.041µH"));
        coil.choose(true);
        QCOMPARE(coil.output(), QStringLiteral("Inductance: 49.451µH"));
    }
};

QTEST_MAIN(TestAirCoredCoilHandler)
#include "tst_aircoredcoilhandler.moc"
