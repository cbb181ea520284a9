#include "support/TestSupport.h"
#include "tubes/TubeIdentHandler.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTubeIdentHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void init();
    void cleanup();

    void decodesWhileTyping();
    void undecodableKeepsOutput_data();
    void undecodableKeepsOutput();
    void showsEveryLine();

private:
    std::unique_ptr<QWidget> m_panel;
    QLineEdit *m_input = nullptr;
    QPlainTextEdit *m_output = nullptr;
};

void TestTubeIdentHandler::init()
{
    m_panel = std::make_unique<QWidget>();
    new TubeIdentHandler(m_panel.get());
    m_input = m_panel->findChild<QLineEdit *>(u"tubeNumber"_s);
    m_output = m_panel->findChild<QPlainTextEdit *>(u"outputField"_s);
    QVERIFY(m_input);
    QVERIFY(m_output);
    m_panel->show();
}

void TestTubeIdentHandler::cleanup()
{
    m_panel.reset();
}

void TestTubeIdentHandler::decodesWhileTyping()
{
    QTest::keyClicks(m_input, u"EC"_s);
    QVERIFY(m_output->toPlainText().isEmpty());
    QTest::keyClicks(m_input, u"C8"_s);
    const QString ecc8 = u"Micropower Triode\nMicropower Triode\n\nHeating: 6.3V, Noval, 9 Pins"_s;
    QCOMPARE(m_output->toPlainText(), ecc8);
    QTest::keyClicks(m_input, u"3"_s);
    QCOMPARE(m_output->toPlainText(), ecc8);

    // Deleting the base digit again leaves the last result up.
    QTest::keyClick(m_input, Qt::Key_Backspace);
    QTest::keyClick(m_input, Qt::Key_Backspace);
    QCOMPARE(m_input->text(), u"ECC"_s);
    QCOMPARE(m_output->toPlainText(), ecc8);
}

void TestTubeIdentHandler::undecodableKeepsOutput_data()
{
    QTest::addColumn<QString>("designation");
    QTest::newRow("emptied field") << QString();
    QTest::newRow("heater letter only") << u"E"_s;
    QTest::newRow("letters without digit") << u"ECC"_s;
    QTest::newRow("lone digit") << u"6"_s;
}

void TestTubeIdentHandler::undecodableKeepsOutput()
{
    QFETCH(QString, designation);
    QTest::keyClicks(m_input, u"EL84"_s);
    const QString el84 = m_output->toPlainText();
    QCOMPARE(el84, u"Power Pentode\n\nHeating: 6.3V, Noval, 9 Pins"_s);

    m_input->selectAll();
    QTest::keyClick(m_input, Qt::Key_Delete);
    QTest::keyClicks(m_input, designation);
    QCOMPARE(m_input->text(), designation);
    QCOMPARE(m_output->toPlainText(), el84);
}

// A designation with many systems must not be cut off: every line is in the output, and the
// field shows at least the usual five lines of a real tube without scrolling.
void TestTubeIdentHandler::showsEveryLine()
{
    QTest::keyClicks(m_input, u"EABC80"_s);
    QCOMPARE(m_output->toPlainText(),
             u"Micropower Diode\nMicropower Dual Diode\nMicropower Triode\n\n"
             "Heating: 6.3V, Noval, 9 Pins"_s);
    const int lineHeight = m_output->fontMetrics().lineSpacing();
    QVERIFY2(m_output->viewport()->height() >= 5 * lineHeight,
             qPrintable(u"viewport %1 px for %2 px lines"_s.arg(m_output->viewport()->height())
                            .arg(lineHeight)));
    QVERIFY(m_output->isReadOnly());
}

QTEST_MAIN(TestTubeIdentHandler)
#include "tst_tubeidenthandler.moc"
