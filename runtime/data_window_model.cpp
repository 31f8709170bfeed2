#include "runtime/data_window_model.h"

DataWindowModel::DataWindowModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataWindowModel::setColumns(const QList<DataWindowColumn>& columns) {
    beginResetModel();
    m_columns = columns;
    m_rows.clear();
    endResetModel();
}

void DataWindowModel::setRows(QList<QVariantList> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void DataWindowModel::clear() {
    setRows({});
}

bool DataWindowModel::removeRowAt(int row) {
    if (row < 0 || row >= m_rows.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    return true;
}

QVariant DataWindowModel::value(int row, int column) const {
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    const QVariantList& values = m_rows.at(row);
    return column < values.size() ? values.at(column) : QVariant();
}

int DataWindowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DataWindowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataWindowModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        // A NULL shows as an empty cell; the drivers report some NULL numbers as a 0 that only
        // isNull() tells apart.
        const QVariant value = this->value(index.row(), index.column());
        return value.isNull() ? QVariant(QString()) : QVariant(value.toString());
    }
    case Qt::TextAlignmentRole:
        return m_columns.at(index.column()).isNumber()
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant DataWindowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).heading;
    return QAbstractTableModel::headerData(section, orientation, role);
}
