#pragma once

#include "runtime/core/result.h"
#include "runtime/core/result_columns.h"

#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class DynamicCursor;
class DynamicStagingArea;
class Transaction;

// The program's one way to read rows: sql runs on transaction with the inputs bound in order.
// Where the driver and the column types allow, the ODBC block reader reads the whole result;
// otherwise, and to find the rows before a failure and the stage it failed at, a cursor does.
// The unit of work that holds only this read ends with it. The reader shows nothing: the caller
// decides what the user sees ("DataBase Error!" when the query could not be opened, "DataBase
// Error" when a fetch failed, with the database's text). After a failed fetch the rows before it
// are there, as a cursor hands them over.
Result<ResultColumns> readResult(Transaction& transaction, const QString& sql,
                                 const QVariantList& inputs = {});

// A read whose rows are converted to what the caller works with.
template <class Row, class Convert>
Result<QList<Row>> readRowsAs(Transaction& transaction, const QString& sql,
                              const QVariantList& inputs, Convert convert) {
    const Result<ResultColumns> result = readResult(transaction, sql, inputs);
    Result<QList<Row>> typed(result.outcome());
    typed.value.reserve(result.value.rowCount());
    QVariantList columns;
    for (qsizetype r = 0; r < result.value.rowCount(); ++r) {
        columns.clear();
        for (int c = 0; c < result.value.columnCount(); ++c)
            columns << result.value.value(r, c);
        typed.value << convert(columns);
    }
    return typed;
}

// The singleton select underneath readOne: the first row, none without one.
Result<std::optional<QVariantList>> selectFirstRow(Transaction& transaction, const QString& sql,
                                                   const QVariantList& inputs);

// A statement that reads at most one row (SELECT ... INTO): the value of its first column, none
// when there was no row, the column was NULL or the statement failed (code 0 with a row, 100
// without one, negative on failure with the database's text).
template <class T, class Convert>
Result<std::optional<T>> readOne(Transaction& transaction, const QString& sql,
                                 const QVariantList& inputs, Convert convert) {
    const Result<std::optional<QVariantList>> row = selectFirstRow(transaction, sql, inputs);
    Result<std::optional<T>> one(row.outcome());
    if (row.value && !row.value->isEmpty() && !row.value->first().isNull())
        one.value = convert(row.value->first());
    return one;
}

// The cursor loop underneath: text is prepared in staging on transaction, the cursor is declared
// on it and opened with the inputs bound in order, `opened` runs once the cursor is open, and
// `row` gets every fetched row in fetch order. A cursor that cannot be opened is left as it is;
// after a failed fetch the cursor is closed and the rows handed over so far stay. Rows come in
// blocks where they can, as in readResult.
Result<> readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                  const QString& text, const QVariantList& inputs,
                  const std::function<void()>& opened,
                  const std::function<void(const QVariantList&)>& row);
