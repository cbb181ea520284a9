// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The series/parallel panel's list of parts: the texts exactly as typed, in the order added,
// shown in a single column whose identifier is "resistor" in either kind of part.

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class PartsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The header role that carries a column's identifier.
    static constexpr int ColumnIdentifierRole = Qt::UserRole;
    static constexpr QLatin1StringView kPartColumn{"resistor"};

    using QAbstractTableModel::QAbstractTableModel;

    const QList<QString> &parts() const { return m_parts; }
    void append(const QString &part);
    void setParts(const QList<QString> &parts);
    // Does nothing for a row outside the list.
    void removePart(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<QString> m_parts;
};
