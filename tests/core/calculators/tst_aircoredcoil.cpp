// The air-cored coil: Wheeler's formulas, and the panel as a user fills it in.

#include "core/calculators/AirCoredCoil.h"
#include "core/text/NumberFormat.h"
#include "gui/calculators/AirCoredCoilHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

#include <QRadioButton>

using namespace zelkor::coil;
using namespace Qt::StringLiterals;

namespace {

struct CoilPanel : zelkor::test::PanelFixture<AirCoredCoilHandler>
{
    void chooseWinding(bool multiLayer)
    {
        auto *radio = find<QRadioButton>(multiLayer ? "multiLayerRadio" : "singleLayerRadio");
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    // turns, outer diameter, inner diameter, length
    void fill(const QStringList &inputs)
    {
        const char *const fields[] = {"turns", "outerDiameter", "innerDiameter", "length"};
        for (int i = 0; i < 4; ++i)
            type(fields[i], inputs[i]);
    }
    QColor captionColour(const char *name) const
    {
        return find<QLabel>(name)->palette().color(QPalette::WindowText);
    }
};

} // namespace

class TestAirCoredCoil : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // An empty result means no coil: a needed value is 0, or the inner diameter is too wide.
    void inductance_data()
    {
        QTest::addColumn<Winding>("winding");
        QTest::addColumn<Dimensions>("coil");
        QTest::addColumn<QString>("microhenries");
        const Winding single = Winding::SingleLayer, multi = Winding::MultiLayer;

        QTest::newRow("single: one-inch former, two inches long")
            << single << Dimensions{100, 25.4f, 0, 50.8f} << "102.041";
        QTest::newRow("single: small coil") << single << Dimensions{20, 10, 0, 20} << "1.607";
        QTest::newRow("single: inner diameter is ignored")
            << single << Dimensions{20, 10, 99, 20} << "1.607";
        QTest::newRow("multi: half-inch bore")
            << multi << Dimensions{100, 25.4f, 12.7f, 50.8f} << "49.451";
        QTest::newRow("multi: deep winding") << multi << Dimensions{200, 30, 10, 20} << "370.542";
        QTest::newRow("multi: no depth") << multi << Dimensions{50, 20, 20, 10} << "52.493";
        QTest::newRow("error: single, no turns") << single << Dimensions{0, 10, 0, 20} << "";
        QTest::newRow("error: single, no diameter") << single << Dimensions{20, 0, 0, 20} << "";
        QTest::newRow("error: single, no length") << single << Dimensions{20, 10, 0, 0} << "";
        QTest::newRow("error: multi, no turns") << multi << Dimensions{0, 30, 10, 20} << "";
        QTest::newRow("error: multi, no outer diameter")
            << multi << Dimensions{200, 0, 10, 20} << "";
        QTest::newRow("error: multi, no length") << multi << Dimensions{200, 30, 10, 0} << "";
        QTest::newRow("error: multi, no inner diameter")
            << multi << Dimensions{200, 30, 0, 20} << "";
        QTest::newRow("error: multi, inner wider than outer")
            << multi << Dimensions{200, 30, 30.5f, 20} << "";
    }
    void inductance()
    {
        QFETCH(Winding, winding);
        QFETCH(Dimensions, coil);
        QFETCH(QString, microhenries);
        const auto number = [](float v) { return QString::number(v); };
        const auto l =
            zelkor::coil::calculate({winding, number(coil.turns), number(coil.outerDiameter),
                                     number(coil.innerDiameter), number(coil.length)},
                                    zelkor::Reading::Lenient);
        QCOMPARE(l ? zelkor::formatFixed(*l, 3) : QString(), microhenries);
    }

    // The winding choice rules the inner diameter and its captions even when nothing is typed.
    void windingChoice_data()
    {
        QTest::addColumn<QList<bool>>("clicks");
        QTest::addColumn<bool>("multiLayer");
        QTest::newRow("opens as single layer") << QList<bool>{} << false;
        QTest::newRow("multi-layer enables the inner diameter") << QList<bool>{true} << true;
        QTest::newRow("back to single layer disables it") << QList<bool>{true, false} << false;
    }
    void windingChoice()
    {
        QFETCH(QList<bool>, clicks);
        QFETCH(bool, multiLayer);
        CoilPanel p;
        for (bool multi : clicks)
            p.chooseWinding(multi);
        QCOMPARE(p.find<QRadioButton>("multiLayerRadio")->isChecked(), multiLayer);
        QCOMPARE(p.find<QLineEdit>("innerDiameter")->isEnabled(), multiLayer);
        const QColor caption = multiLayer ? QColor(Qt::white) : QColor(Qt::gray);
        QCOMPARE(p.captionColour("multiLayerLabel1"), caption);
        QCOMPARE(p.captionColour("multiLayerLabel2"), caption);
        QCOMPARE(p.output(), QString());
    }

    void panel_data()
    {
        QTest::addColumn<bool>("multiLayer");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("output");
        QTest::newRow("single layer")
            << false << QStringList{"100", "25.4", "", "50.8"} << "Inductance: 102.041µH";
        QTest::newRow("multi-layer")
            << true << QStringList{"200", "30", "10", "20"} << "Inductance: 370.542µH";
        QTest::newRow("number followed by text reads the number")
            << false << QStringList{"100 turns", "25.4mm", "", "50.8"} << "Inductance: 102.041µH";
        QTest::newRow("multi-layer without inner diameter gives nothing")
            << true << QStringList{"200", "30", "", "20"} << "";
        QTest::newRow("inner wider than outer gives nothing")
            << true << QStringList{"200", "30", "31", "20"} << "";
        QTest::newRow("text that is no number gives nothing")
            << false << QStringList{"many", "25.4", "", "50.8"} << "";
    }
    void panel()
    {
        QFETCH(bool, multiLayer);
        QFETCH(QStringList, inputs);
        CoilPanel p;
        p.chooseWinding(multiLayer);
        p.fill(inputs);
        QTEST(p.output(), "output");
    }

    // A result stays until the inputs describe another coil.
    void incompleteInputKeepsResult_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("length erased") << u"length"_s << u""_s;
        QTest::newRow("turns set to zero") << u"turns"_s << u"0"_s;
        QTest::newRow("inner diameter erased") << u"innerDiameter"_s << u""_s;
        QTest::newRow("outer diameter below the inner") << u"outerDiameter"_s << u"5"_s;
    }
    void incompleteInputKeepsResult()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        CoilPanel p;
        p.chooseWinding(true);
        p.fill({"200", "30", "10", "20"});
        QCOMPARE(p.output(), u"Inductance: 370.542µH"_s);
        p.type(qPrintable(field), text);
        QCOMPARE(p.output(), u"Inductance: 370.542µH"_s);
    }

    void switchingWindingRecomputes()
    {
        CoilPanel p;
        p.chooseWinding(true);
        p.fill({"100", "25.4", "12.7", "50.8"});
        QCOMPARE(p.output(), u"Inductance: 49.451µH"_s);
        p.chooseWinding(false);
        QCOMPARE(p.output(), u"Inductance: 102.041µH"_s);
        p.chooseWinding(true);
        QCOMPARE(p.output(), u"Inductance: 49.451µH"_s);
    }
};

QTEST_MAIN(TestAirCoredCoil)
#include "tst_aircoredcoil.moc"
