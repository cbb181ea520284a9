#include "calculators/TabAlignedTextWidget.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QTextBlock>

class TestTabAlignedTextWidget : public QObject
{
    Q_OBJECT

private:
    // Where the text after the tabs of each line starts on screen.
    static QList<int> columnStarts(TabAlignedTextWidget &widget)
    {
        QList<int> starts;
        for (QTextBlock block = widget.document()->begin(); block.isValid(); block = block.next()) {
            const QString line = block.text();
            qsizetype i = line.indexOf(u'\t');
            while (i < line.size() && line[i] == u'\t')
                ++i;
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + static_cast<int>(i));
            starts.append(widget.cursorRect(cursor).left());
        }
        return starts;
    }

private Q_SLOTS:
    void initTestCase() { zelkor::test::initIsolatedApp(); }

    void columnsLineUp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("English captions")
            << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W" << 10;
        QTest::newRow("German captions")
            << "Widerstand: \t\t145.0 Ohm\nLeistung: \t\t\t0.058 W" << 10;
        QTest::newRow("large font") << "Resistance: \t\t145.0 Ohm\nPower: \t\t\t0.058 W" << 20;
    }
    void columnsLineUp()
    {
        QFETCH(QString, text);
        QFETCH(int, pointSize);
        TabAlignedTextWidget widget;
        QFont font = widget.font();
        font.setPointSize(pointSize);
        widget.setFont(font);
        widget.resize(600, 100);
        widget.show();
        widget.setText(text);
        QCOMPARE(widget.text(), text);
        const QList<int> starts = columnStarts(widget);
        QCOMPARE(starts.size(), 2);
        QCOMPARE(starts[0], starts[1]);
    }
};

QTEST_MAIN(TestTabAlignedTextWidget)
#include "tst_tabalignedtextwidget.moc"
