// What a screen reader or a keyboard user finds on every panel of the real app: each input and
// each result has a name and a description, also after a mode switch changes what a field
// means, and Tab walks the controls in reading order.

#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/Node.h"
#include "gui/categories/OutlineViewDataSource.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_app.reset(); }

    void namedAndInReadingOrder_data();
    void namedAndInReadingOrder();
    void namesFollowTheFieldsMeaning();

private:
    QWidget *panel(const QString &title, bool show = false) const;

    std::unique_ptr<ZelkorAppDelegate> m_app;
};

namespace {

// The parts a combo box or spin box is built of are announced as the box itself.
bool isPartOfCompoundControl(const QWidget *widget, const QWidget *panel)
{
    for (const QWidget *up = widget->parentWidget(); up && up != panel; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
    }
    return false;
}

bool isInputOrResult(const QWidget *widget)
{
    if (widget->objectName() == u"outputField")
        return true;
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
        qobject_cast<const QAbstractSpinBox *>(widget) ||
        qobject_cast<const QPlainTextEdit *>(widget))
        return true;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->isCheckable(); // a push button is announced by its own text
    if (qobject_cast<const QAbstractItemView *>(widget))
        return !qobject_cast<const QHeaderView *>(widget);
    return false;
}

} // namespace

void TestAccessibility::initTestCase()
{
    zelkor::test::initIsolatedApp();
    m_app = zelkor::test::launchApp();
}

QWidget *TestAccessibility::panel(const QString &title, bool show) const
{
    SourceListView *list = m_app->categoriesOutlineView();
    for (int row = 0; row < list->numberOfRows(); ++row) {
        const Node *node = m_app->outlineViewDataSource()->nodeForIndex(list->itemAtRow(row));
        if (node && node->viewToOpen && list->itemAtRow(row).data().toString() == title) {
            if (show)
                list->selectRow(row);
            return node->viewToOpen;
        }
    }
    return nullptr;
}

void TestAccessibility::namedAndInReadingOrder_data()
{
    QTest::addColumn<QString>("title");
    for (const char *title :
         {"Resistor Colour Codes", "LED Dropping Resistor", "Ohm's Law", "Series & Parallel",
          "Heat Sinks", "Air-Cored Coils", "Tube Designations", "555 Timer", "About"})
        QTest::newRow(title) << QString::fromUtf8(title);
}

void TestAccessibility::namedAndInReadingOrder()
{
    QFETCH(QString, title);
    QWidget *shown = panel(title, true);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());

    QStringList unnamed;
    int checked = 0;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!isInputOrResult(widget) || isPartOfCompoundControl(widget, shown))
            continue;
        ++checked;
        if (widget->accessibleName().isEmpty() || widget->accessibleDescription().isEmpty())
            unnamed << widget->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    // Every calculator has something to announce; About has only push buttons.
    QCOMPARE(checked > 0, title != u"About");
    // The stops Tab reaches on this panel, in the order it reaches them.
    QList<QWidget *> stops;
    QWidget *window = shown->window();
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (shown->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !isPartOfCompoundControl(w, shown))
            stops << w;
    }
    QVERIFY(stops.size() > 1);
    for (qsizetype i = 1; i < stops.size(); ++i) {
        const QRect before(stops[i - 1]->mapTo(shown, QPoint()), stops[i - 1]->size());
        const QRect after(stops[i]->mapTo(shown, QPoint()), stops[i]->size());
        const bool sameLine = after.top() < before.bottom() && before.top() < after.bottom();
        const bool reads = sameLine ? after.left() > before.left() : after.top() > before.bottom();
        QVERIFY2(reads, qPrintable(stops[i - 1]->objectName() + QStringLiteral(" then ") +
                                   stops[i]->objectName()));
    }
}

void TestAccessibility::namesFollowTheFieldsMeaning()
{
    QWidget *heatSinks = panel(QStringLiteral("Heat Sinks"));
    auto *modeField =
        heatSinks->findChild<QLineEdit *>(QStringLiteral("trHeatSinkOrMaxTemperature"));
    QCOMPARE(modeField->accessibleName(), QStringLiteral("Heat sink thermal resistance"));
    QCOMPARE(modeField->accessibleDescription(), QStringLiteral("kelvins per watt"));
    heatSinks->findChild<QAbstractButton *>(QStringLiteral("maxTemperatureModeButton"))->click();
    QCOMPARE(modeField->accessibleName(), QStringLiteral("Max. chip temperature"));
    QCOMPARE(modeField->accessibleDescription(), QStringLiteral("degrees Celsius"));

    QWidget *parts = panel(QStringLiteral("Series & Parallel"));
    auto *partField = parts->findChild<QLineEdit *>(QStringLiteral("partsValueField"));
    QVERIFY(partField->accessibleDescription().startsWith(u"ohms"));
    parts->findChild<QAbstractButton *>(QStringLiteral("capacitorsButton"))->click();
    QVERIFY(partField->accessibleDescription().startsWith(u"microfarads"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
