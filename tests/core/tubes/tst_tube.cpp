// The tube decoder: its tables and error texts, arbitrary input, and the panel as a user types.

#include "support/PanelFixture.h"
#include "support/TestSupport.h"
#include "core/tubes/Tube.h"
#include "gui/tubes/TubeIdentHandler.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

const QString kReplacement(QChar::ReplacementCharacter);

QString unit(char16_t u)
{
    return QString(QChar(u));
}

const QString kEl84 = u"Power Pentode\n\nHeating: 6.3V, Noval, 9 Pins"_s;

struct TubePanel : zelkor::test::PanelFixture<TubeIdentHandler>
{
    TubePanel() { panel.show(); }
    QLineEdit *input() const { return find<QLineEdit>("tubeNumber"); }
};

} // namespace

class TestTube : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void heating_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("heater");

        const std::pair<const char *, const char *> table[] = {
            {"A", "4V"},
            {"C", "0.2A (Serial)"},
            {"D", "1.4V"},
            {"E", "6.3V"},
            {"G", "3.15V or 5V"},
            {"H", "0.15A (Serial)"},
            {"K", "2V"},
            {"P", "0.3A (Serial)"},
            {"U", "0.1A (Serial)"},
            {"V", "0.05A (Serial)"},
            {"X", "0.6A (Serial)"},
        };
        for (const auto &[letter, heater] : table)
            QTest::addRow("%s heater", letter)
                << QString::fromLatin1(letter) << QString::fromLatin1(heater);

        // The heater error has parentheses and no full stop, unlike the other error texts.
        QTest::newRow("unknown letter B") << u"B"_s << u"('B' not expected)"_s;
        QTest::newRow("no case folding") << u"e"_s << u"('e' not expected)"_s;
        QTest::newRow("leading digit is a heater error") << u"6"_s << u"('6' not expected)"_s;
        QTest::newRow("non-ASCII shown as itself") << u"Ö"_s << u"('Ö' not expected)"_s;
        QTest::newRow("tab shown as replacement")
            << u"\t"_s << u"('"_s + kReplacement + u"' not expected)"_s;
    }
    void heating()
    {
        QFETCH(QString, first);
        QFETCH(QString, heater);
        const zkTube tube(first + u"F8"_s);
        QVERIFY(tube.isDecoded());
        QCOMPARE(tube.heating(), u"Heating: "_s + heater);
    }

    void purpose_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("line");

        const std::pair<const char *, const char *> table[] = {
            {"A", "Micropower Diode"},
            {"B", "Micropower Dual Diode"},
            {"C", "Micropower Triode"},
            {"D", "Power Triode"},
            {"E", "Tetrode"},
            {"F", "Micropower Pentode"},
            {"H", "Hexode or Heptode"},
            {"K", "Octode"},
            {"L", "Power Pentode"},
            {"M", "Magic Eye / Band"},
            {"P", "-"},
            {"Q", "Enneode"},
            {"Y", "Power Diode"},
            {"Z", "Power Dual Diode"},
        };
        for (const auto &[letter, line] : table)
            QTest::addRow("%s system", letter)
                << QString::fromLatin1(letter) << QString::fromLatin1(line);

        QTest::newRow("unknown letter G") << u"G"_s << u"'G' not expected."_s;
        QTest::newRow("no case folding") << u"c"_s << u"'c' not expected."_s;
        QTest::newRow("blank") << u" "_s << u"' ' not expected."_s;
        QTest::newRow("hyphen") << u"-"_s << u"'-' not expected."_s;
        QTest::newRow("percent is no format") << u"%"_s << u"'%' not expected."_s;
        QTest::newRow("non-ASCII shown as itself") << u"ö"_s << u"'ö' not expected."_s;
        QTest::newRow("Arabic-Indic digit is no digit") << unit(0x0668) << u"'٨' not expected."_s;

        const QString replaced = u"'"_s + kReplacement + u"' not expected."_s;
        QTest::newRow("lone high surrogate") << unit(0xD83D) << replaced;
        QTest::newRow("control character") << unit(0x01) << replaced;
        QTest::newRow("line separator") << unit(0x2028) << replaced;
        QTest::newRow("right-to-left override") << unit(0x202E) << replaced;
    }
    void purpose()
    {
        QFETCH(QString, system);
        QFETCH(QString, line);
        const zkTube tube(u"E"_s + system + u"8"_s);
        QVERIFY(tube.isDecoded());
        QCOMPARE(tube.purpose(), line + u'\n');
    }

    void socket_data()
    {
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("base");

        QTest::newRow("1 BG8") << u"1"_s << u"BG8-Base, 8 Pins"_s;
        QTest::newRow("2 loctal") << u"2"_s << u"Loctal, 8 Pins"_s;
        QTest::newRow("3 octal") << u"3"_s << u"Octal, 8 Pins"_s;
        QTest::newRow("4 rimlock") << u"4"_s << u"Rimlock, 8 Pins"_s;
        QTest::newRow("5 Topfsockel") << u"5"_s << u"Topfsockel, 8 Pins"_s;
        QTest::newRow("6 subminiature soldered") << u"6"_s << u"Subminiature, soldered"_s;
        QTest::newRow("7 subminiature socketed") << u"7"_s << u"Subminiature, sock. 8 Pins"_s;
        QTest::newRow("8 noval") << u"8"_s << u"Noval, 9 Pins"_s;
        QTest::newRow("9 miniature") << u"9"_s << u"Miniature, 7 Pins"_s;
        QTest::newRow("0 is a base error") << u"0"_s << u"'0' not expected."_s;
    }
    void socket()
    {
        QFETCH(QString, digit);
        QFETCH(QString, base);
        QCOMPARE(zkTube(u"EF"_s + digit).socket(), base);
    }

    void decodedText_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("text");

        const QString noval = u"Heating: 6.3V, Noval, 9 Pins"_s;
        const QString triodes = u"Micropower Triode\nMicropower Triode\n\n"_s;
        QTest::newRow("ECC83 double triode") << u"ECC83"_s << triodes + noval;
        QTest::newRow("only the first digit counts") << u"ECC8"_s << triodes + noval;
        QTest::newRow("characters after the digit ignored") << u"ECC8xyz"_s << triodes + noval;
        QTest::newRow("EL84 empty line before heating")
            << u"EL84"_s << u"Power Pentode\n\n"_s + noval;
        QTest::newRow("PCL86 series heater")
            << u"PCL86"_s
            << u"Micropower Triode\nPower Pentode\n\nHeating: 0.3A (Serial), Noval, 9 Pins"_s;
        QTest::newRow("E80 without systems starts empty") << u"E80"_s << u"\n"_s + noval;
        QTest::newRow("ecc83 lower case")
            << u"ecc83"_s
            << u"'c' not expected.\n'c' not expected.\n\nHeating: ('e' not expected), Noval, 9 Pins"_s;
        QTest::newRow("EL 84 blank is a system")
            << u"EL 84"_s << u"Power Pentode\n' ' not expected.\n\n"_s + noval;
        QTest::newRow("EF0 base error")
            << u"EF0"_s << u"Micropower Pentode\n\nHeating: 6.3V, '0' not expected."_s;
        QTest::newRow("6V6 leading digit is not the base")
            << u"6V6"_s
            << u"'V' not expected.\n\nHeating: ('6' not expected), Subminiature, soldered"_s;
        QTest::newRow("BF199 unknown heater")
            << u"BF199"_s
            << u"Micropower Pentode\n\nHeating: ('B' not expected), BG8-Base, 8 Pins"_s;
        const QString replaced = u"'"_s + kReplacement + u"' not expected.\n"_s;
        QTest::newRow("surrogate pair is two systems")
            << u"E😀80"_s << replaced + replaced + u"\n"_s + noval;
    }
    void decodedText()
    {
        QFETCH(QString, designation);
        QFETCH(QString, text);
        const zkTube tube(designation);
        QVERIFY(tube.isDecoded());
        QCOMPARE(tube.decodedText(), text);
        QCOMPARE(tube.tubeId(), designation);
    }

    void undecodable_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<zkTube::Failure>("failure");

        QTest::newRow("empty") << QString() << zkTube::Failure::Empty;
        QTest::newRow("heater letter only") << u"E"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("letters without digit") << u"ECC"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("lone digit") << u"6"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("non-ASCII digit is no base") << u"EC٨"_s << zkTube::Failure::NoBaseDigit;
        QTest::newRow("ends in surrogate half")
            << u"E"_s + unit(0xD83D) << zkTube::Failure::NoBaseDigit;
    }
    void undecodable()
    {
        QFETCH(QString, designation);
        QFETCH(zkTube::Failure, failure);
        const zkTube tube(designation);
        QVERIFY(!tube.isDecoded());
        QCOMPARE(tube.failure(), failure);
        QCOMPARE(tube.tubeId(), designation);
        QVERIFY(tube.decodedText().isEmpty());
        QVERIFY(tube.heating().isEmpty());
        QVERIFY(tube.purpose().isEmpty());
        QVERIFY(tube.socket().isEmpty());
    }

    // plus the heating line, with no raw control character, surrogate half or bidi override in it.
    void survivesRandomUtf16()
    {
        QRandomGenerator random(20240607);
        const QString likely = u"ACDEFKLPYZceo 0189-"_s;
        for (int round = 0; round < 20000; ++round) {
            QString designation;
            const int length = int(random.bounded(12));
            for (int i = 0; i < length; ++i) {
                const char16_t u = random.bounded(2)
                                       ? likely[int(random.bounded(int(likely.size())))].unicode()
                                       : char16_t(random.bounded(0x10000));
                designation += QChar(u);
            }
            const zkTube tube(designation);

            qsizetype firstDigit = 1;
            while (firstDigit < designation.size() &&
                   !zkTube::isNumber(designation[firstDigit].unicode()))
                ++firstDigit;
            const bool decodable = firstDigit < designation.size();
            QCOMPARE(tube.isDecoded(), decodable);
            if (!decodable)
                continue;

            const QString text = tube.decodedText();
            QCOMPARE(text.count(u'\n'), firstDigit);
            QVERIFY2(text.section(u'\n', -1).startsWith(u"Heating: "_s), qPrintable(text));
            for (const QChar c : text) {
                if (c == u'\n')
                    continue;
                QVERIFY2(!c.isSurrogate() && c.category() != QChar::Other_Control &&
                             c.category() != QChar::Other_Format,
                         qPrintable(u"U+%1 in the output of a random designation"_s.arg(
                             c.unicode(), 4, 16, QLatin1Char('0'))));
            }
        }
    }

    void decodesWhileTyping()
    {
        TubePanel p;
        QTest::keyClicks(p.input(), u"EC"_s);
        QVERIFY(p.output().isEmpty());
        QTest::keyClicks(p.input(), u"C8"_s);
        const QString ecc8 =
            u"Micropower Triode\nMicropower Triode\n\nHeating: 6.3V, Noval, 9 Pins"_s;
        QCOMPARE(p.output(), ecc8);
        QTest::keyClicks(p.input(), u"3"_s);
        QCOMPARE(p.output(), ecc8);

        // Deleting the base digit again leaves the last result up.
        QTest::keyClick(p.input(), Qt::Key_Backspace);
        QTest::keyClick(p.input(), Qt::Key_Backspace);
        QCOMPARE(p.input()->text(), u"ECC"_s);
        QCOMPARE(p.output(), ecc8);
    }

    void undecodableKeepsOutput_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::newRow("emptied field") << QString();
        QTest::newRow("heater letter only") << u"E"_s;
        QTest::newRow("letters without digit") << u"ECC"_s;
        QTest::newRow("lone digit") << u"6"_s;
    }
    void undecodableKeepsOutput()
    {
        QFETCH(QString, designation);
        TubePanel p;
        QTest::keyClicks(p.input(), u"EL84"_s);
        QCOMPARE(p.output(), kEl84);
        p.type("tubeNumber", designation);
        QCOMPARE(p.input()->text(), designation);
        QCOMPARE(p.output(), kEl84);
    }

    // A designation with many systems must not be cut off: every line is in the output, and the
    // field shows at least the usual five lines of a real tube without scrolling.
    void showsEveryLine()
    {
        TubePanel p;
        QTest::keyClicks(p.input(), u"EABC80"_s);
        QCOMPARE(p.output(), u"Micropower Diode\nMicropower Dual Diode\nMicropower Triode\n\n"
                             "Heating: 6.3V, Noval, 9 Pins"_s);
        auto *output = p.find<QPlainTextEdit>("outputField");
        const int lineHeight = output->fontMetrics().lineSpacing();
        QVERIFY2(output->viewport()->height() >= 5 * lineHeight,
                 qPrintable(u"viewport %1 px for %2 px lines"_s.arg(output->viewport()->height())
                                .arg(lineHeight)));
        QVERIFY(output->isReadOnly());
    }
};

QTEST_MAIN(TestTube)
#include "tst_tube.moc"
