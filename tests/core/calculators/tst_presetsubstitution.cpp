#include "core/calculators/PresetSubstitution.h"

#include <QTest>

#include <array>

using namespace zelkor;
using namespace Qt::StringLiterals;

class TestPresetSubstitution : public QObject
{
    Q_OBJECT

private:
    static constexpr std::array<Preset, 3> kPresets = {
        {{"Mica", "mica", 0.3f}, {"Paste", "paste", 0.1f}, {"Paste", "paste", 0.1f}}};
    const QStringList items = {QStringLiteral("Mica"), QStringLiteral("Paste"),
                               QStringLiteral("Paste"), QStringLiteral("Extra")};

private Q_SLOTS:
    void substitution_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first item becomes its number") << u"Mica"_s << u"en_US"_s << u"0.3"_s;
        QTest::newRow("decimal comma locale") << u"Mica"_s << u"de_DE"_s << u"0,3"_s;
        QTest::newRow("equal items: the later one wins") << u"Paste"_s << u"en_US"_s << u"0.1"_s;
        QTest::newRow("case counts") << u"mica"_s << u"en_US"_s << u"mica"_s;
        QTest::newRow("items past the presets are not presets")
            << u"Extra"_s << u"en_US"_s << u"Extra"_s;
        QTest::newRow("typed number stays as typed") << u"0.30"_s << u"en_US"_s << u"0.30"_s;
    }
    void substitution()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(substitutePresetValue(text, items, kPresets, QLocale(locale)), expected);
    }

    void presetText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one fraction digit") << 1.5f << u"en_US"_s << u"1.5"_s;
        QTest::newRow("comma locale") << 1.5f << u"de_DE"_s << u"1,5"_s;
        QTest::newRow("whole number has no fraction") << 4.0f << u"en_US"_s << u"4"_s;
        QTest::newRow("float noise hidden") << 2.2f << u"en_US"_s << u"2.2"_s;
        QTest::newRow("no grouping") << 1000.5f << u"de_DE"_s << u"1000,5"_s;
    }
    void presetText()
    {
        QFETCH(float, value);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(zelkor::presetText(value, QLocale(locale)), expected);
    }

    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<float>("expected");
        QTest::newRow("comma in comma locale") << u"1,5"_s << u"de_DE"_s << 1.5f;
        QTest::newRow("point in comma locale") << u"1.5"_s << u"de_DE"_s << 1.5f;
        QTest::newRow("comma in point locale stops the number") << u"1,5"_s << u"en_US"_s << 1.0f;
        QTest::newRow("not a number") << u"Mica"_s << u"de_DE"_s << 0.0f;
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(float, expected);
        QCOMPARE(presetFieldValue(text, units::kVolts, QLocale(locale)), expected);
    }
};

QTEST_GUILESS_MAIN(TestPresetSubstitution)
#include "tst_presetsubstitution.moc"
