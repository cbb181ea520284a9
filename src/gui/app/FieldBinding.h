// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A panel's widgets bound to its calculator's fields: the handler names which widget holds which
// field once, and the binding connects them to the handler's action and keeps their inputs under
// the fields' keys.

#include "core/calculators/Inputs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QVariantMap>

#include <initializer_list>
#include <utility>
#include <variant>
#include <vector>

class FieldBinding
{
public:
    // A field's widget: a text field, a combo box (editable or a plain list) or a group of
    // buttons, one per choice.
    using Widget = std::variant<QLineEdit *, QComboBox *, QButtonGroup *>;

    FieldBinding() = default;
    template <typename Field, std::size_t N>
    FieldBinding(const std::array<zelkor::FieldRow<Field>, N> &table,
                 std::initializer_list<std::pair<Field, Widget>> widgets)
    {
        for (const auto &[field, widget] : widgets)
            m_bound.push_back({zelkor::fieldSpec(table, field), widget});
    }

    // Runs action whenever the user changes one of the inputs.
    template <typename Receiver> void connect(Receiver *receiver, void (Receiver::*action)()) const
    {
        for (const Bound &bound : m_bound) {
            if (QLineEdit *const *field = std::get_if<QLineEdit *>(&bound.widget)) {
                QObject::connect(*field, &QLineEdit::textEdited, receiver, action);
                QObject::connect(*field, &QLineEdit::returnPressed, receiver, action);
            } else if (QComboBox *const *box = std::get_if<QComboBox *>(&bound.widget)) {
                if (QLineEdit *edit = (*box)->lineEdit()) {
                    QObject::connect(*box, &QComboBox::activated, receiver, action);
                    QObject::connect(edit, &QLineEdit::textEdited, receiver, action);
                    QObject::connect(edit, &QLineEdit::returnPressed, receiver, action);
                } else {
                    QObject::connect(*box, &QComboBox::currentIndexChanged, receiver, action);
                }
            } else {
                QObject::connect(std::get<QButtonGroup *>(bound.widget), &QButtonGroup::idClicked,
                                 receiver, action);
            }
        }
    }

    // Each input under its field's key: a field's or combo box's text, a choice's name. A panel
    // with two bindings of the same fields keeps the second under keys with a prefix.
    QVariantMap save(const QString &prefix = {}) const;
    // Puts back what save() gave. An input that is missing, of another type, longer than its
    // field takes or not offered by its list keeps what the form shows.
    void restore(const QVariantMap &state, const QString &prefix = {}) const;

private:
    struct Bound
    {
        zelkor::FieldSpec about;
        Widget widget;
    };
    std::vector<Bound> m_bound;
};
