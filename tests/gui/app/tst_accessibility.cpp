// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader or a keyboard user finds on every panel of the real app: each input and
// each result has a name and a description, also after a mode switch changes what a field
// means, and Tab walks the controls in reading order.

#include "gui/app/ZelkorAppDelegate.h"
#include "support/AppSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <array>
#include <memory>

using zelkor::test::panelAtRow;

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

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<ZelkorAppDelegate> m_app;

private Q_SLOTS:
    void initTestCase()
    {
        zelkor::test::initIsolatedApp();
        m_app = zelkor::test::launchApp();
    }

    void cleanupTestCase() { m_app.reset(); }

    // Every panel of the source list, so that a new one is covered without a change here.
    void namedAndInReadingOrder_data()
    {
        QTest::addColumn<int>("row");
        for (const int row : zelkor::test::panelRows(*m_app))
            QTest::newRow(
                qPrintable(m_app->categoriesOutlineView()->itemAtRow(row).data().toString()))
                << row;
    }

    void namedAndInReadingOrder()
    {
        QFETCH(int, row);
        m_app->categoriesOutlineView()->selectRow(row);
        QWidget *shown = panelAtRow(*m_app, row);
        QVERIFY(shown->isVisible());

        QStringList unnamed;
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            if (isInputOrResult(widget) && !isPartOfCompoundControl(widget, shown) &&
                (widget->accessibleName().isEmpty() || widget->accessibleDescription().isEmpty()))
                unnamed << widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
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
            const bool reads =
                sameLine ? after.left() > before.left() : after.top() > before.bottom();
            QVERIFY2(reads, qPrintable(stops[i - 1]->objectName() + QStringLiteral(" then ") +
                                       stops[i]->objectName()));
        }
    }

    // A mode switch changes what a field means, and with it what a screen reader says about it.
    // Panels are built when first shown, so each check shows its panel first.
    void namesFollowTheFieldsMeaning()
    {
        const std::array<const char *, 3> switches[] = {
            {"HeatSinks", "trHeatSinkOrMaxTemperature", "maxTemperatureModeButton"},
            {"SeriesParallelConnection", "partsValueField", "capacitorsButton"}};
        for (const auto &[panelKey, fieldName, buttonName] : switches) {
            QWidget *shown = zelkor::test::showPanel(*m_app, panelKey);
            QVERIFY2(shown, panelKey);
            auto *field = shown->findChild<QLineEdit *>(QLatin1String(fieldName));
            QVERIFY2(field, fieldName);
            const QStringList before{field->accessibleName(), field->accessibleDescription()};
            shown->findChild<QAbstractButton *>(QLatin1String(buttonName))->click();
            const QStringList after{field->accessibleName(), field->accessibleDescription()};
            QVERIFY2(after != before && !after.contains(QString()), fieldName);
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
