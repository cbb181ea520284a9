// SPDX-License-Identifier: GPL-3.0-or-later

// The text tables: English and German must name the same keys, every entry must be finished,
// a German text keeps the placeholders of the English one, and a German user gets German.
// Then finding a panel by the words of its texts, whatever their case and accents.

#include "core/text/FindWords.h"
#include "core/text/Texts.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Entry
{
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when done
};

// Every message of a .ts file by its id; a repeated id is reported as an error.
QMap<QString, Entry> readTable(const QString &language, QStringList &errors)
{
    const QString path =
        QStringLiteral(ZELKOR_SOURCE_DIR "/resources/translations/zelkor_%1.ts").arg(language);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors.append(path + u": cannot read"_s);
        return {};
    }
    QMap<QString, Entry> table;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            id = xml.attributes().value(u"id"_s).toString();
            if (id.isEmpty())
                errors.append(language + u": a message without an id"_s);
            else if (table.contains(id))
                errors.append(language + u": "_s + id + u" appears twice"_s);
            table.insert(id, {});
        } else if (xml.name() == u"translation") {
            Entry &entry = table[id];
            entry.type = xml.attributes().value(u"type"_s).toString();
            entry.translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        errors.append(path + u": "_s + xml.errorString());
    return table;
}

// The printf-style placeholders of a text, in order: the values go in by position.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(u"%(@|d|%|\\.0?\\d+f)"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void tablesMatchAndAreFinished();
    void languageLoads_data();
    void languageLoads();
    void languageFromEnvironment_data();
    void languageFromEnvironment();
    void findsByWordBeginnings_data();
    void findsByWordBeginnings();
};

void TestTranslations::tablesMatchAndAreFinished()
{
    QStringList errors;
    const QMap<QString, QMap<QString, Entry>> tables{{u"en"_s, readTable(u"en"_s, errors)},
                                                     {u"de"_s, readTable(u"de"_s, errors)}};
    const auto &english = tables[u"en"_s];
    QVERIFY2(!english.isEmpty(), "no English texts");
    for (auto table = tables.cbegin(); table != tables.cend(); ++table) {
        const auto &other = tables[table.key() == u"en" ? u"de"_s : u"en"_s];
        for (auto it = table->cbegin(); it != table->cend(); ++it) {
            const QString where = table.key() + u": "_s + it.key();
            if (!other.contains(it.key()))
                errors.append(where + u" is missing from the other table"_s);
            if (!it->type.isEmpty())
                errors.append(where + u" is "_s + it->type);
            if (it->translation.trimmed().isEmpty())
                errors.append(where + u" has no text"_s);
            if (english.contains(it.key()) &&
                placeholders(it->translation) != placeholders(english[it.key()].translation))
                errors.append(where + u" does not keep the placeholders of the English text"_s);
        }
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u'\n')));
}

void TestTranslations::languageLoads_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");
    // A text unlike its key, so that English is told apart from no table at all.
    QTest::addColumn<QString>("colourCodes");
    const QString german = u"Widerstands-Farbcodes"_s, english = u"Resistor Colour Codes"_s;
    QTest::newRow("German in Germany")
        << QLocale(QLocale::German, QLocale::Germany) << u"de"_s << german;
    QTest::newRow("French falls back to English")
        << QLocale(QLocale::French, QLocale::France) << u"en"_s << english;
}

void TestTranslations::languageLoads()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);
    QFETCH(QString, colourCodes);
    const zelkor::test::LocaleGuard guard;
    // From the other language, so that a row that loads nothing fails.
    zelkor::installTranslations(*QCoreApplication::instance(),
                                QLocale(language == u"de" ? QLocale::English : QLocale::German));
    QCOMPARE(zelkor::installTranslations(*QCoreApplication::instance(), locale), language);
    QCOMPARE(zelkor::text("ResistorColors"), colourCodes);
}

void TestTranslations::languageFromEnvironment_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("LANGUAGE=de") << u"LANGUAGE"_s << u"de"_s << u"Leistung: 24 W"_s;
    QTest::newRow("LANG=de_DE.UTF-8") << u"LANG"_s << u"de_DE.UTF-8"_s << u"Leistung: 24 W"_s;
    QTest::newRow("LANG=C") << u"LANG"_s << u"C"_s << u"Power: 24 W"_s;
}

// The switch a user makes: the language of the environment, seen by a fresh process.
void TestTranslations::languageFromEnvironment()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, firstLine);
    const QString binary = qEnvironmentVariable("ZELKOR_CALC");
    if (binary.isEmpty())
        QSKIP("ZELKOR_CALC is not set; run through ctest");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display either: zelkor-calc is for scripts on any machine.
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY",
                             "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(variable, value);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(binary, {u"ohm"_s, u"--power"_s, u"24"_s, u"--voltage"_s, u"12"_s});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).section(u'\n', 0, 0), firstLine);
}

void TestTranslations::findsByWordBeginnings_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("found");
    const QStringList regulator{u"Adjustable Regulator"_s, u"LM317 LM337 TL431"_s};
    QTest::newRow("keyword in another case") << u"lm3"_s << regulator << true;
    QTest::newRow("inside a word is no match") << u"justable"_s << regulator << false;
    QTest::newRow("words in any order") << u"regulator adjust"_s << regulator << true;
    QTest::newRow("every word must match") << u"regulator lm9"_s << regulator << false;
    QTest::newRow("nothing typed matches all") << u" "_s << regulator << true;
    QTest::newRow("umlaut in the text") << u"kuhlk"_s << QStringList{u"Kühlkörper"_s} << true;
    QTest::newRow("umlaut typed") << u"ö"_s << QStringList{u"Ohm's Law"_s} << true;
    QTest::newRow("sharp s as ss") << u"grosse"_s << QStringList{u"Größe"_s} << true;
    QTest::newRow("accent dropped") << u"ele"_s << QStringList{u"Élément"_s} << true;
    QTest::newRow("apostrophe joins") << u"ohms"_s << QStringList{u"Ohm's Law"_s} << true;
    QTest::newRow("hyphen splits") << u"amp"_s << QStringList{u"Op-Amp Gain"_s} << true;
    QTest::newRow("hyphenated word whole") << u"opamp"_s << QStringList{u"Op-Amp Gain"_s} << true;
    QTest::newRow("hyphen typed") << u"eia-9"_s << QStringList{u"SMD EIA-96"_s} << true;
    QTest::newRow("slash splits") << u"out"_s << QStringList{u"Input/Output"_s} << true;
}

void TestTranslations::findsByWordBeginnings()
{
    QFETCH(QString, query);
    QFETCH(QStringList, texts);
    QTEST(zelkor::matchesFind(query, texts), "found");
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
