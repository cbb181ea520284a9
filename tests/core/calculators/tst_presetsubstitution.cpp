// SPDX-License-Identifier: GPL-3.0-or-later

// How an input's text becomes a calculator's number: the two readings, and the preset lists
// whose chosen item turns into its number.

#include "core/calculators/Inputs.h"
#include "core/calculators/PresetSubstitution.h"
#include "support/TestSupport.h"

#include <QTest>

#include <array>
#include <utility>
#include <variant>

using namespace zelkor;
using namespace Qt::StringLiterals;

namespace {
constexpr std::array<Preset, 3> kPresets = {
    {{"Mica", "mica", 0.3f}, {"Paste", "paste", 0.1f}, {"Paste", "paste", 0.1f}}};
const QStringList kItems = {u"Mica"_s, u"Paste"_s, u"Paste"_s, u"Extra"_s};
} // namespace

class TestPresetSubstitution : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readInput_data()
    {
        QTest::addColumn<QString>("given"); // "-" for an option left out
        QTest::addColumn<bool>("strict");
        QTest::addColumn<bool>("presetList"); // read under a German locale
        QTest::addColumn<QString>("read");    // the number, or the reason there is none
        QTest::newRow("left out") << "-" << true << false << "Missing";
        QTest::newRow("an empty field is missing") << "" << false << false << "Missing";
        QTest::newRow("an empty option is no number") << "" << true << false << "NotANumber";
        QTest::newRow("a lone blank is a 0 in a field") << " " << false << false << "Zero";
        QTest::newRow("a field ignores another unit") << "12 A" << false << false << "12";
        QTest::newRow("an option refuses it") << "12 A" << true << false << "OtherQuantity";
        QTest::newRow("a field reads a prefix") << "4k7" << false << false << "4700";
        QTest::newRow("locale's comma in a preset list") << "1,5" << false << true << "1.5";
        QTest::newRow("no comma in other fields") << "1,5" << false << false << "1";
        QTest::newRow("no comma in an option") << "1,5" << true << true << "NotANumber";
    }
    void readInput()
    {
        QFETCH(QString, given);
        QFETCH(bool, strict);
        QFETCH(bool, presetList);
        const zelkor::test::LocaleGuard guard;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const InputRule rule{units::kVolts, Need::NonZero, presetList};
        const auto read = zelkor::readInput(given == u"-" ? Given() : given, rule,
                                            strict ? Reading::Strict : Reading::Lenient);
        const std::pair<Reason, const char *> names[] = {{Reason::Missing, "Missing"},
                                                         {Reason::NotANumber, "NotANumber"},
                                                         {Reason::OtherQuantity, "OtherQuantity"},
                                                         {Reason::Zero, "Zero"}};
        QString shown = u"another reason"_s;
        if (const float *number = std::get_if<float>(&read))
            shown = QString::number(*number);
        for (const auto &[reason, name] : names)
            if (std::get_if<Reason>(&read) && std::get<Reason>(read) == reason)
                shown = QString::fromLatin1(name);
        QTEST(shown, "read");
    }

    void presetNumbers()
    {
        using Index = std::variant<std::size_t, Reason>;
        QVERIFY(readPresetNumber(u"2"_s, 3) == Index(std::size_t(2)));
        for (const QString &outside : {u"3"_s, u"-1"_s, u"1.5"_s})
            QVERIFY(readPresetNumber(outside, 3) == Index(Reason::OutOfRange));
        QVERIFY(readPresetNumber(u"1k"_s, 3) == Index(Reason::NotANumber));
    }

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
        QCOMPARE(substitutePresetValue(text, kItems, kPresets, QLocale(locale)), expected);
    }

    void presetText()
    {
        QCOMPARE(zelkor::presetText(4.0f, QLocale(u"en_US"_s)), u"4"_s);
        QCOMPARE(zelkor::presetText(2.2f, QLocale(u"en_US"_s)), u"2.2"_s);       // no float noise
        QCOMPARE(zelkor::presetText(0.12345f, QLocale(u"en_US"_s)), u"0.123"_s); // three places
        QCOMPARE(zelkor::presetText(1000.5f, QLocale(u"de_DE"_s)), u"1000,5"_s); // no grouping
        QCOMPARE(presetOptionHelp(std::span(kPresets).first(2), u"K/W"),
                 u"0 mica 0.3 K/W, 1 paste 0.1 K/W"_s);
    }

    // One decimal at least, and as many as the value has up to three: the TL431's 2.495 V must
    // not read as 2.5 V, nor 1.22 V as 1.2 V.
    void itemText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("item");
        QTest::newRow("a whole number keeps one decimal") << 2.0f << true << u"TL431 (2.0 V)"_s;
        QTest::newRow("three decimals stay") << 2.495f << true << u"TL431 (2.495 V)"_s;
        QTest::newRow("no float noise") << 2.2f << true << u"TL431 (2.2 V)"_s;
        QTest::newRow("a preset without a name is its number") << 1.22f << false << u"1.22 V"_s;
    }
    void itemText()
    {
        QFETCH(float, value);
        QFETCH(bool, named);
        const Preset preset{named ? "RegulatorReferenceTL431" : nullptr, "x", value};
        QTEST(presetItemText(preset, u"V"), "item");
    }
};

QTEST_GUILESS_MAIN(TestPresetSubstitution)
#include "tst_presetsubstitution.moc"
