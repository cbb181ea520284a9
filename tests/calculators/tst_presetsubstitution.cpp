#include "calculators/PresetSubstitution.h"

#include <array>
#include <QTest>

using namespace zelkor;

class TestPresetSubstitution : public QObject
{
    Q_OBJECT

private:
    static constexpr std::array<float, 3> kPresets = {0.3f, 0.1f, 0.1f};
    const QStringList items = {QStringLiteral("Mica"), QStringLiteral("Paste"),
                               QStringLiteral("Paste"), QStringLiteral("Extra")};

private Q_SLOTS:
    void substitution_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first item becomes its number") << "Mica"
                                                       << "en_US"
                                                       << "0.3";
        QTest::newRow("decimal comma locale") << "Mica"
                                              << "de_DE"
                                              << "0,3";
        QTest::newRow("equal items: the later one wins") << "Paste"
                                                         << "en_US"
                                                         << "0.1";
        QTest::newRow("case counts") << "mica"
                                     << "en_US"
                                     << "mica";
        QTest::newRow("items past the presets are not presets") << "Extra"
                                                                << "en_US"
                                                                << "Extra";
        QTest::newRow("typed number stays as typed") << "0.30"
                                                     << "en_US"
                                                     << "0.30";
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
        QTest::newRow("one fraction digit") << 1.5f << "en_US"
                                            << "1.5";
        QTest::newRow("comma locale") << 1.5f << "de_DE"
                                      << "1,5";
        QTest::newRow("whole number has no fraction") << 4.0f << "en_US"
                                                      << "4";
        QTest::newRow("float noise hidden") << 2.2f << "en_US"
                                            << "2.2";
        QTest::newRow("no grouping") << 1000.5f << "de_DE"
                                     << "1000,5";
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
        QTest::newRow("comma in comma locale") << "1,5"
                                               << "de_DE" << 1.5f;
        QTest::newRow("point in comma locale") << "1.5"
                                               << "de_DE" << 1.5f;
        QTest::newRow("comma in point locale stops the number") << "1,5"
                                                                << "en_US" << 1.0f;
        QTest::newRow("not a number") << "Mica"
                                      << "de_DE" << 0.0f;
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(float, expected);
        QCOMPARE(presetFieldValue(text, QLocale(locale)), expected);
    }
};

QTEST_GUILESS_MAIN(TestPresetSubstitution)
#include "tst_presetsubstitution.moc"
