// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A panel built the way the app builds it, driven through its widgets the way a user would.

#include "gui/views/SchematicView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

namespace zelkor::test {

template <typename Handler> class PanelFixture
{
public:
    QWidget panel;
    Handler *handler = new Handler(&panel); // owned by the panel, as in the app

    // A missing child fails the test with its name (and returns null, for QVERIFY).
    template <typename T = QWidget> T *find(const char *name) const
    {
        T *child = panel.findChild<T *>(QString::fromLatin1(name));
        if (!child)
            QTest::qFail(qPrintable(QStringLiteral("no child named %1").arg(QLatin1String(name))),
                         __FILE__, __LINE__);
        return child;
    }

    // Selects all and types over it (an empty text deletes it); an editable combo box types into
    // its edit.
    void type(const char *field, const QString &text) const
    {
        QLineEdit *edit = panel.findChild<QLineEdit *>(QString::fromLatin1(field));
        if (auto *combo = panel.findChild<QComboBox *>(QString::fromLatin1(field)))
            edit = combo->lineEdit();
        if (!edit)
            edit = find<QLineEdit>(field);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
    }

    void click(const char *button) const
    {
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }

    // Opens the list and clicks the item, as a user picks a preset.
    void choose(const char *comboName, int index)
    {
        panel.show();
        QComboBox *combo = find<QComboBox>(comboName);
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!list->isVisible());
    }

    // A user's steps in order, separated by ";": "field=text" types into a field (an empty text
    // erases it), "list=#2" picks the list's third item, "button!" clicks a button.
    void play(const QString &steps)
    {
        for (const QString &step : steps.split(u';', Qt::SkipEmptyParts)) {
            const QByteArray name = step.section(u'=', 0, 0).remove(u'!').toLatin1();
            const QString text = step.section(u'=', 1);
            if (step.endsWith(u'!') && !step.contains(u'='))
                click(name.constData());
            else if (text.startsWith(u'#'))
                choose(name.constData(), text.mid(1).toInt());
            else
                type(name.constData(), text);
        }
    }

    // The first of labels that the panel's circuit drawing does not show, with all it shows;
    // empty when it shows every one.
    QString missingFromDrawing(const QStringList &labels) const
    {
        QStringList drawn;
        if (const auto *view = panel.findChild<SchematicView *>())
            for (const zelkor::views::Label &label : view->plan().labels)
                drawn << label.text;
        for (const QString &label : labels)
            if (!drawn.contains(label))
                return label + QStringLiteral(" not in ") + drawn.join(u'|');
        return {};
    }
    QString output() const
    {
        if (auto *text = panel.findChild<QPlainTextEdit *>(QStringLiteral("outputField")))
            return text->toPlainText();
        return find<QLabel>("outputField")->text();
    }
};

} // namespace zelkor::test
