#pragma once

#include "runtime/core/data_window_definition.h"
#include "runtime/core/result.h"
#include "runtime/core/result_columns.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVariantList>

// The rows of a data window: its definition and the rows it was given, held column by column in
// the definition's column order. It reads nothing itself: the area's statement reads, and the
// model is given the result. A value becomes a
// QVariant only when the view or a caller asks for it, so a list of tens of thousands of rows
// costs what the view shows. Rows are counted from 0 here; the list data window numbers them
// from 1 for the screens.
class DataWindowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DataWindowModel(QObject* parent = nullptr);

    // Takes the columns and query of a definition; drops every row.
    void setDefinition(const DataWindowDefinition& definition);
    const DataWindowDefinition& definition() const { return m_definition; }

    // Holds every row of a read, its columns in the definition's order; the number of rows, or -1
    // on failure (no rows are then held and errorText() has the database's text).
    int show(Result<ResultColumns> read);
    QString errorText() const { return m_errorText; }

    // Replaces every row at once (one model reset, however many rows there are).
    void setRows(const QList<QVariantList>& rows);
    void clear();
    bool removeRowAt(int row);
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const;
    // The first row (from 0) whose column holds value, -1 when none does.
    int find(const QString& column, const QVariant& value) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    DataWindowDefinition m_definition;
    QString m_errorText;
    ResultColumns m_rows;
};
