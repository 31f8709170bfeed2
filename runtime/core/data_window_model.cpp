#include "runtime/core/data_window_model.h"

#include <QTime>

DataWindowModel::DataWindowModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataWindowModel::setDefinition(const DataWindowDefinition& definition) {
    beginResetModel();
    m_definition = definition;
    m_rows.clear();
    endResetModel();
}

int DataWindowModel::show(Result<ResultColumns> result) {
    // The rows are collected first and shown in one reset; a failed read shows none of them.
    if (m_rows.rowCount() > 0)
        clear();
    m_errorText = result.sqlerrtext;
    if (result.failed())
        return -1;
    if (result.value.rowCount() == 0)
        return 0;
    beginResetModel();
    m_rows = std::move(result.value);
    endResetModel();
    return rowCount();
}

void DataWindowModel::setRows(const QList<QVariantList>& rows) {
    beginResetModel();
    m_rows.reset(
        QList<ResultColumns::Kind>(m_definition.columns.size(), ResultColumns::Kind::Variant));
    for (const QVariantList& row : rows)
        m_rows.appendRow(row);
    endResetModel();
}

void DataWindowModel::clear() {
    setRows({});
}

bool DataWindowModel::removeRowAt(int row) {
    if (row < 0 || row >= m_rows.rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeRow(row);
    endRemoveRows();
    return true;
}

QVariant DataWindowModel::value(int row, int column) const {
    return m_rows.value(row, column);
}

QVariant DataWindowModel::value(int row, const QString& column) const {
    return value(row, m_definition.columnIndex(column));
}

int DataWindowModel::find(const QString& column, const QVariant& value) const {
    const int columnIndex = m_definition.columnIndex(column);
    if (columnIndex < 0)
        return -1;
    const QString wanted = value.toString();
    for (int row = 0; row < m_rows.rowCount(); ++row)
        if (!m_rows.isNull(row, columnIndex) && m_rows.text(row, columnIndex) == wanted)
            return row;
    return -1;
}

int DataWindowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.rowCount());
}

int DataWindowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_definition.columns.size());
}

QVariant DataWindowModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        // A NULL shows as an empty cell; the drivers report some NULL numbers as a 0 that only
        // isNull() tells apart. The text comes from the storage without a QVariant in between,
        // except for stored times, which show through their column's display format.
        const QString& format = m_definition.columns.at(index.column()).format;
        if (!format.isEmpty() && m_rows.kind(index.column()) == ResultColumns::Kind::Variant) {
            const QVariant value = m_rows.value(index.row(), index.column());
            if (value.typeId() == QMetaType::QTime)
                return value.toTime().toString(format);
        }
        return QVariant(m_rows.text(index.row(), index.column()));
    }
    case Qt::TextAlignmentRole:
        return m_definition.columns.at(index.column()).isNumber()
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant DataWindowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_definition.columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_definition.columns.at(section).heading;
    return QAbstractTableModel::headerData(section, orientation, role);
}
