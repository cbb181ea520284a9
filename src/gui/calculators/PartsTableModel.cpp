// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/PartsTableModel.h"

void PartsTableModel::append(const QString &part)
{
    const int row = int(m_parts.size());
    beginInsertRows({}, row, row);
    m_parts.append(part);
    endInsertRows();
}

void PartsTableModel::setParts(const QList<QString> &parts)
{
    beginResetModel();
    m_parts = parts;
    endResetModel();
}

void PartsTableModel::removePart(int row)
{
    if (row < 0 || row >= m_parts.size())
        return;
    beginRemoveRows({}, row, row);
    m_parts.removeAt(row);
    endRemoveRows();
}

int PartsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_parts.size());
}

int PartsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant PartsTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
        return {};
    return m_parts.at(index.row());
}

QVariant PartsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section != 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == ColumnIdentifierRole)
        return QString(kPartColumn);
    return {};
}
