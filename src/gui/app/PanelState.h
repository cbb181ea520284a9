// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading kept inputs back (see PanelHandler::restoreState). The settings file is the user's
// and may hold anything; whatever does not fit is skipped, one input at a time, and the form
// keeps what it shows.

#include <QStringList>
#include <QVariantMap>

#include <optional>
#include <span>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace zelkor::state {

// A boolean as the settings keep it: the file holds the text "true". Anything else is false.
bool isTrue(const QVariant &value);
// A whole number, which the file holds as text.
std::optional<int> number(const QVariant &value);

// The names of a choice's buttons, by button id: the button with id i is names[i].
using ChoiceNames = std::span<const char *const>;

// The name of the checked button; empty when none is checked.
QString choiceName(const QButtonGroup *group, ChoiceNames names);
// The position of name among names.
std::optional<int> choiceIndex(const QString &name, ChoiceNames names);
// Checks the button whose name is kept under key.
void restoreChoice(QButtonGroup *group, const QVariantMap &state, const QString &key,
                   ChoiceNames names);

// The text kept under key, when it is one that a user could have typed into a field of
// maxLength characters.
std::optional<QString> text(const QVariantMap &state, const QString &key, int maxLength);
void restoreText(QLineEdit *field, const QVariantMap &state, const QString &key);
// For an editable combo box: its edit text.
void restoreText(QComboBox *box, const QVariantMap &state, const QString &key);

// The list of texts kept under key, when it has at most maxCount entries. Settings files keep
// a list of one as a plain text and an empty list as no value, so both count as lists.
std::optional<QStringList> texts(const QVariantMap &state, const QString &key, qsizetype maxCount);

} // namespace zelkor::state
