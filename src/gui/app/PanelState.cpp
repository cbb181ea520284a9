// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/PanelState.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace zelkor::state {

namespace {

// Nobody types a line break or another control character into a one-line field.
bool typeable(const QString &text)
{
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

bool isTrue(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return value.typeId() == QMetaType::QString && value.toString() == u"true";
}

std::optional<int> number(const QVariant &value)
{
    bool ok = false;
    const int result = value.typeId() == QMetaType::QString ? value.toString().toInt(&ok) : 0;
    return ok ? std::optional(result) : std::nullopt;
}

QString choiceName(const QButtonGroup *group, ChoiceNames names)
{
    const int id = group->checkedId();
    if (id < 0 || id >= int(names.size()))
        return {};
    return QString::fromLatin1(names[std::size_t(id)]);
}

std::optional<int> choiceIndex(const QString &name, ChoiceNames names)
{
    const auto found = std::find_if(names.begin(), names.end(), [&name](const char *known) {
        return name == QLatin1String(known);
    });
    if (found == names.end())
        return std::nullopt;
    return int(found - names.begin());
}

void restoreChoice(QButtonGroup *group, const QVariantMap &state, const QString &key,
                   ChoiceNames names)
{
    const QVariant kept = state.value(key);
    if (kept.typeId() != QMetaType::QString)
        return;
    const auto id = choiceIndex(kept.toString(), names);
    if (QAbstractButton *button = id ? group->button(*id) : nullptr)
        button->setChecked(true);
}

std::optional<QString> text(const QVariantMap &state, const QString &key, int maxLength)
{
    const QVariant kept = state.value(key);
    if (kept.typeId() != QMetaType::QString)
        return std::nullopt;
    QString value = kept.toString();
    if (value.size() > maxLength || !typeable(value))
        return std::nullopt;
    return value;
}

void restoreText(QLineEdit *field, const QVariantMap &state, const QString &key)
{
    if (const auto value = text(state, key, field->maxLength()))
        field->setText(*value);
}

void restoreText(QComboBox *box, const QVariantMap &state, const QString &key)
{
    const int maxLength = box->lineEdit() ? box->lineEdit()->maxLength() : 0;
    if (const auto value = text(state, key, maxLength))
        box->setEditText(*value);
}

std::optional<QStringList> texts(const QVariantMap &state, const QString &key, qsizetype maxCount)
{
    if (!state.contains(key))
        return std::nullopt;
    const QVariant kept = state.value(key);
    QStringList list;
    if (kept.typeId() == QMetaType::QStringList)
        list = kept.toStringList();
    else if (kept.typeId() == QMetaType::QString)
        list = QStringList{kept.toString()};
    else if (kept.isValid())
        return std::nullopt;
    if (list.size() > maxCount)
        return std::nullopt;
    return list;
}

} // namespace zelkor::state
