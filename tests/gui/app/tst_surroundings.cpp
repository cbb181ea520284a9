// SPDX-License-Identifier: GPL-3.0-or-later

// Zelkor in hostile surroundings: a settings file that is corrupt, unreadable or cannot be
// written, and a pasted document in a text field.

#include "gui/app/PanelContainer.h"
#include "gui/app/PanelHandler.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "support/AppSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

QString settingsFile()
{
    return QSettings().fileName();
}

// Everything a row did to the settings place, undone.
void restoreSettingsPlace()
{
    const QString file = settingsFile();
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (QFileInfo(file).isDir())
        QDir(file).removeRecursively();
    QFile::remove(file);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

QList<QWidget *> visibleDialogs()
{
    QList<QWidget *> dialogs;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(top) && top->isVisible())
            dialogs.append(top);
    }
    return dialogs;
}

using Damage = std::function<void()>;

Damage writes(const QByteArray &bytes)
{
    return [bytes] { writeFile(settingsFile(), bytes); };
}

// The kept inputs of a panel, as its handler gives them once it is built. Built, not shown:
// leaving a panel writes the settings, which here hold a damaged value of some megabytes.
QVariantMap inputsOf(const ZelkorAppDelegate &app, const char *titleKey)
{
    Panels *panels = app.panels();
    for (int index = 0; index < panels->count(); ++index) {
        if (qstrcmp(panels->entry(index).titleKey, titleKey) == 0)
            return panels->build(panels->view(index))->saveState();
    }
    return {};
}

using Check = std::function<void(const ZelkorAppDelegate &)>;

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Check)

class TestSurroundings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }
    void cleanup() { restoreSettingsPlace(); }

    void brokenSettingsAskAgainQuietly_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("remembers");

        QByteArray junk(4096, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 7919) % 256);
        QTest::newRow("binary garbage") << writes(junk) << true;
        QTest::newRow("flag that is not a boolean")
            << writes("[General]\ndonationMessage3=banana\n") << true;
        QTest::newRow("flag holding a broken variant")
            << writes("[General]\ndonationMessage3=@Variant(\\0\\0\\0\\x7f\\0)\n") << true;
        QTest::newRow("a folder where the file belongs")
            << Damage([] { QDir().mkpath(settingsFile()); }) << false;
        // File permissions mean nothing to root, so this row only runs for a normal user.
        if (geteuid() != 0) {
            QTest::newRow("unreadable file") << Damage([] {
                writeFile(settingsFile(), "[General]\ndonationMessage3=true\n");
                QFile::setPermissions(settingsFile(), {});
            }) << false;
        }
    }

    void brokenSettingsAskAgainQuietly()
    {
        QFETCH(Damage, damage);
        QFETCH(bool, remembers);
        damage();

        // The flag reads as absent: the donation sheet asks, and nothing else appears.
        auto app = zelkor::test::launchApp(false);
        QVERIFY(app->window()->isVisible());
        QVERIFY(app->donationSheet());
        QCOMPARE(visibleDialogs(), QList<QWidget *>{app->donationSheet()});

        app->donationSheet()->reject();
        QTRY_VERIFY(!app->donationSheet() || !app->donationSheet()->isVisible());
        QVERIFY(visibleDialogs().isEmpty());
        app.reset();

        // Where the flag could be written, the next launch keeps quiet; where not, it asks again.
        auto next = zelkor::test::launchApp(false);
        QCOMPARE(!next->donationSheet(), remembers);
        if (next->donationSheet())
            next->donationSheet()->reject();
    }

    void badKeptValuesAreSkippedOneByOne_data()
    {
        QTest::addColumn<QByteArray>("settings");
        // Each check finds the bad value ignored and a good one beside it put back.
        QTest::addColumn<Check>("check");
        const auto input = [](const char *panel, const char *key, const QVariant &expected) {
            return Check([=](const ZelkorAppDelegate &app) {
                QCOMPARE(inputsOf(app, panel).value(QLatin1String(key)), expected);
            });
        };
        const auto both = [](const Check &first, const Check &second) {
            return Check([=](const ZelkorAppDelegate &app) {
                first(app);
                second(app);
            });
        };

        QTest::newRow("a field of another type")
            << QByteArray("[panels]\nOhmsLaw\\voltage=@Point(1 2)\nOhmsLaw\\current=3\n")
            << both(input("OhmsLaw", "voltage", QString()), input("OhmsLaw", "current", "3"));
        QTest::newRow("a line break in a field")
            << QByteArray("[panels]\nTubeIdent\\designation=\"EL\\n84\"\n"
                          "NE555\\r1=1000\n")
            << both(input("TubeIdent", "designation", QString()), input("NE555", "r1", "1000"));
        QTest::newRow("a choice that does not exist")
            << QByteArray("[panels]\nNE555\\mode=bistable\nNE555\\r1=1000\n")
            << both(input("NE555", "mode", "astable"), input("NE555", "r1", "1000"));
        QTest::newRow("band colours that do not exist or do not fit the band")
            << QByteArray("[panels]\nResistorColors\\fourBands=banana, black, orange, gold\n"
                          "ResistorColors\\fiveBands=red, 42\n")
            << both(input("ResistorColors", "fourBands",
                          QStringList{"brown", "black", "orange", "gold"}),
                    input("ResistorColors", "fiveBands",
                          QStringList{"red", "black", "black", "brown", "brown"}));
        QTest::newRow("a part that is not a number")
            << QByteArray("[panels]\nSeriesParallelConnection\\parts=100, banana, 220\n")
            << input("SeriesParallelConnection", "parts", QStringList{"100", "220"});
        QByteArray million = "[panels]\nSeriesParallelConnection\\kind=capacitors\n"
                             "SeriesParallelConnection\\parts=1";
        million += QByteArray(", 1").repeated(999'999) + '\n';
        QTest::newRow("a parts list of a million entries")
            << million
            << both(input("SeriesParallelConnection", "parts", QStringList()),
                    input("SeriesParallelConnection", "kind", "capacitors"));
        QTest::newRow("a window off every screen")
            << QByteArray("[window]\nposition=@Point(-100000 -100000)\nsize=@Size(790 500)\n")
            << Check([](const ZelkorAppDelegate &app) {
                   QVERIFY(app.window()->pos().x() > -1000);
                   QCOMPARE(app.window()->size(), QSize(790, 500));
               });
        QTest::newRow("a size of another type and a list wider than the window")
            << QByteArray("[window]\nsize=banana\nsourceListWidth=99999\npanel=NE555\n")
            << Check([](const ZelkorAppDelegate &app) {
                   QCOMPARE(app.window()->size(), QSize(1060, 560));
                   QVERIFY(app.categoriesOutlineView()->width() < 1060 / 2);
                   const int shown = app.panels()->indexOf(app.containerView()->panel());
                   QCOMPARE(app.panels()->entry(shown).titleKey, "NE555");
               });
        QTest::newRow("a shown panel that does not exist")
            << QByteArray("[window]\npanel=Teleporter\nsourceListWidth=230\n")
            << Check([](const ZelkorAppDelegate &app) {
                   QCOMPARE(app.categoriesOutlineView()->selectedRow(),
                            ZelkorAppDelegate::kFirstCalculatorRow);
                   QCOMPARE(app.categoriesOutlineView()->width(), 230);
               });
    }

    void badKeptValuesAreSkippedOneByOne()
    {
        QFETCH(QByteArray, settings);
        QFETCH(Check, check);
        writeFile(settingsFile(), settings);
        const auto app = zelkor::test::launchApp(false);
        QVERIFY(app->window()->isVisible());
        check(*app);
    }

    void pastedDocumentIsCut()
    {
        const auto app = zelkor::test::launchApp();
        const QString document = QStringLiteral("4.7e3 Ohm ECC83\n").repeated(65536);
        QGuiApplication::clipboard()->setText(document);

        int cut = 0;
        for (int number = 1; number <= ZelkorAppDelegate::kPanelShortcuts; ++number) {
            app->selectPanel(number);
            for (QLineEdit *field : app->containerView()->panel()->findChildren<QLineEdit *>()) {
                if (field->isReadOnly() || !field->isEnabled() || !field->isVisible())
                    continue;
                field->selectAll();
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                QVERIFY2(field->text().size() <= kFieldMaxLength, qPrintable(field->objectName()));
                cut += field->text().size() == kFieldMaxLength ? 1 : 0;
            }
        }
        QVERIFY(cut > 0);
    }
};

QTEST_MAIN(TestSurroundings)
#include "tst_surroundings.moc"
