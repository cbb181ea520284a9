// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/FieldBinding.h"

#include "gui/app/PanelState.h"

QVariantMap FieldBinding::save(const QString &prefix) const
{
    QVariantMap state;
    for (const Bound &bound : m_bound) {
        const QString key = prefix + QString::fromLatin1(bound.about.key);
        if (QLineEdit *const *field = std::get_if<QLineEdit *>(&bound.widget))
            state.insert(key, (*field)->text());
        else if (QComboBox *const *box = std::get_if<QComboBox *>(&bound.widget))
            state.insert(key, (*box)->currentText());
        else
            state.insert(key, zelkor::state::choiceName(std::get<QButtonGroup *>(bound.widget),
                                                        bound.about.choices));
    }
    return state;
}

void FieldBinding::restore(const QVariantMap &state, const QString &prefix) const
{
    using namespace zelkor::state;
    for (const Bound &bound : m_bound) {
        const QString key = prefix + QString::fromLatin1(bound.about.key);
        if (QLineEdit *const *field = std::get_if<QLineEdit *>(&bound.widget)) {
            restoreText(*field, state, key);
        } else if (QComboBox *const *box = std::get_if<QComboBox *>(&bound.widget)) {
            if ((*box)->isEditable()) {
                restoreText(*box, state, key);
            } else if (const auto kept = text(state, key, 32)) {
                // Only an item the list offers.
                if (const int index = (*box)->findText(*kept); index >= 0)
                    (*box)->setCurrentIndex(index);
            }
        } else {
            restoreChoice(std::get<QButtonGroup *>(bound.widget), state, key, bound.about.choices);
        }
    }
}
