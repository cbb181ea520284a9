// SPDX-License-Identifier: GPL-3.0-or-later

// The tube panel as a user types.

#include "gui/tubes/TubeIdentHandler.h"
#include "support/PanelFixture.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

const QString kNoval = u"Heating: 6.3V, Noval, 9 Pins"_s;

struct TubePanel : zelkor::test::PanelFixture<TubeIdentHandler>
{
    TubePanel() { panel.show(); }
    QLineEdit *input() const { return find<QLineEdit>("tubeNumber"); }
};

} // namespace

class TestTubeIdentHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    // An undecodable designation, typed on the way to a new one or left over, leaves the last
    // result up.
    void decodesWhileTyping()
    {
        TubePanel p;
        QTest::keyClicks(p.input(), u"EC"_s);
        QVERIFY(p.output().isEmpty());
        QTest::keyClicks(p.input(), u"C83"_s);
        QCOMPARE(p.output(), u"Micropower Triode\nMicropower Triode\n\n"_s + kNoval);
        QTest::keyClick(p.input(), Qt::Key_Backspace);
        QTest::keyClick(p.input(), Qt::Key_Backspace);
        QCOMPARE(p.input()->text(), u"ECC"_s);
        QCOMPARE(p.output(), u"Micropower Triode\nMicropower Triode\n\n"_s + kNoval);
        p.type("tubeNumber", u"EL84"_s);
        p.type("tubeNumber", QString());
        QCOMPARE(p.output(), u"Power Pentode\n\n"_s + kNoval);
    }
};

QTEST_MAIN(TestTubeIdentHandler)
#include "tst_tubeidenthandler.moc"
