#pragma once

#include "runtime/data_window_definition.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVariantList>

// The rows a data window has retrieved, one QVariantList per row in the definition's column
// order. Rows are counted from 0 here; the data window numbers them from 1 for the screens.
class DataWindowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DataWindowModel(QObject* parent = nullptr);

    void setColumns(const QList<DataWindowColumn>& columns);
    // Replaces every row at once (one model reset, however many rows there are).
    void setRows(QList<QVariantList> rows);
    void clear();
    bool removeRowAt(int row);
    QVariant value(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<DataWindowColumn> m_columns;
    QList<QVariantList> m_rows;
};
