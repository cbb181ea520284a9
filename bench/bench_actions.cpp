// One user action on each panel, through the real handler: median and worst of many runs.

#include "BenchHarness.h"
#include "calculators/OhmsLawHandler.h"
#include "text/Texts.h"

#include <QApplication>
#include <QLineEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelkor::installTranslations(app);
    using zelkor::bench::measure;

    {
        QWidget panel;
        auto *handler = new OhmsLawHandler(&panel);
        auto *voltage = panel.findChild<QLineEdit *>(QStringLiteral("voltageField"));
        auto *current = panel.findChild<QLineEdit *>(QStringLiteral("currentField"));
        int step = 0;
        measure("Ohm's law: one edit", 2000, [&] {
            voltage->setText(QString::number(++step % 50 + 1));
            Q_EMIT voltage->textEdited(voltage->text());
            current->setText(QStringLiteral("0.5"));
            Q_EMIT current->textEdited(current->text());
        });
        (void)handler;
    }
    return 0;
}
