#include "runtime/core/data_window_model.h"

#include "runtime/core/cursor_reader.h"
#include "runtime/core/dynamic_sql.h"

#include <QTime>

DataWindowModel::DataWindowModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataWindowModel::setDefinition(const DataWindowDefinition& definition) {
    beginResetModel();
    m_definition = definition;
    m_rows.clear();
    endResetModel();
}

void DataWindowModel::setTransObject(Transaction& transaction) {
    m_transaction = &transaction;
}

int DataWindowModel::retrieve(const QVariantList& arguments) {
    clear();
    if (!m_transaction || m_definition.select.isEmpty()) {
        m_errorText = QStringLiteral("The list has no transaction or no query.");
        return -1;
    }
    // The rows are collected first and shown in one reset; a failed read shows none of them.
    QList<QVariantList> rows;
    DynamicStagingArea staging;
    DynamicCursor cursor;
    const ReadOutcome outcome =
        readRows(cursor, staging, *m_transaction, m_definition.select, arguments, nullptr,
                 [&rows](const QVariantList& row) { rows << row; });
    m_errorText = outcome.text;
    if (outcome.failed())
        return -1;
    setRows(std::move(rows));
    return rowCount();
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

QVariant DataWindowModel::value(int row, const QString& column) const {
    return value(row, m_definition.columnIndex(column));
}

int DataWindowModel::find(const QString& column, const QVariant& value) const {
    const int columnIndex = m_definition.columnIndex(column);
    if (columnIndex < 0)
        return -1;
    for (int row = 0; row < m_rows.size(); ++row) {
        const QVariant cell = this->value(row, columnIndex);
        if (!cell.isNull() && cell.toString() == value.toString())
            return row;
    }
    return -1;
}

int DataWindowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
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
        // isNull() tells apart.
        const QVariant value = this->value(index.row(), index.column());
        if (value.isNull())
            return QString();
        if (value.typeId() == QMetaType::QTime &&
            !m_definition.columns.at(index.column()).format.isEmpty())
            return value.toTime().toString(m_definition.columns.at(index.column()).format);
        return value.toString();
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
