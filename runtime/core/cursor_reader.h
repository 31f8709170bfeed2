#pragma once

#include "runtime/core/block_reader.h"
#include "runtime/core/result_columns.h"

#include <QList>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>
#include <thread>

class DynamicCursor;
class DynamicStagingArea;
class Transaction;

// How a read ended. The reader shows nothing: the caller decides what the user sees (the screens
// show "DataBase Error!" when the cursor could not be opened and "DataBase Error" when a fetch
// failed, with the database's text).
struct ReadOutcome {
    enum class Stage { Finished, OpenFailed, FetchFailed };

    Stage stage = Stage::Finished;
    int code = 100; // the SQL code that ended the read: 100 after the last row, < 0 on failure
    QString text;   // the database's text of a failure

    bool failed() const { return code < 0; }
};

// Every row a statement gave, held column by column, and how the read ended. After a failed fetch
// the rows before it are there, as a cursor hands them over.
struct ResultRead {
    ResultColumns rows;
    ReadOutcome outcome;
};

// The program's one way to read rows: sql runs on transaction with the inputs bound in order.
// Where the driver and the column types allow, the ODBC block reader reads the whole result;
// otherwise, and to find the rows before a failure and the stage it failed at, a cursor does.
// The unit of work that holds only this read ends with it; the transaction's SQL code is the
// outcome's.
ResultRead readResult(Transaction& transaction, const QString& sql,
                      const QVariantList& inputs = {});

// readResult on a thread of its own, for a start-up read that can run while the window is built:
// the block reader's part runs in the background, and result() waits for it and does the rest
// (the cursor, where the block reader could not read) on the caller's thread. Until result() no
// one may use the transaction; the thread only reaches its connection through ODBC.
class ResultReadInBackground {
public:
    ResultReadInBackground(Transaction& transaction, const QString& sql,
                           const QVariantList& inputs = {});
    ~ResultReadInBackground();
    ResultReadInBackground(const ResultReadInBackground&) = delete;
    ResultReadInBackground& operator=(const ResultReadInBackground&) = delete;

    ResultRead result(); // once

private:
    Transaction& m_transaction;
    QString m_sql;
    QVariantList m_inputs;
    ResultColumns m_rows;
    BlockRead m_outcome = BlockRead::Unsupported;
    std::thread m_thread; // last: it starts once everything above is in place
};

// The singleton select underneath readOne: the row, and the outcome filled in.
std::optional<QVariantList> selectFirstRow(Transaction& transaction, const QString& sql,
                                           const QVariantList& inputs, ReadOutcome& outcome);

// A read whose rows are converted to what the caller works with.
template <class Row> struct Rows {
    QList<Row> rows;
    ReadOutcome outcome;

    bool failed() const { return outcome.failed(); }
};

template <class Row, class Convert>
Rows<Row> readRowsAs(Transaction& transaction, const QString& sql, const QVariantList& inputs,
                     Convert convert) {
    const ResultRead result = readResult(transaction, sql, inputs);
    Rows<Row> typed;
    typed.outcome = result.outcome;
    typed.rows.reserve(result.rows.rowCount());
    QVariantList columns;
    for (qsizetype r = 0; r < result.rows.rowCount(); ++r) {
        columns.clear();
        for (int c = 0; c < result.rows.columnCount(); ++c)
            columns << result.rows.value(r, c);
        typed.rows << convert(columns);
    }
    return typed;
}

// A statement that reads at most one row (SELECT ... INTO): the value of its first column, none
// when there was no row, the column was NULL or the statement failed, and how it ended (code 0
// with a row, 100 without one, negative on failure with the database's text). The transaction's
// SQL code and text are the outcome's, as after any statement.
template <class T> struct One {
    std::optional<T> value;
    ReadOutcome outcome;

    bool failed() const { return outcome.failed(); }
};

// Runs sql as a singleton select on transaction and converts the first column of its row.
template <class T, class Convert>
One<T> readOne(Transaction& transaction, const QString& sql, const QVariantList& inputs,
               Convert convert) {
    One<T> one;
    const std::optional<QVariantList> row = selectFirstRow(transaction, sql, inputs, one.outcome);
    if (row && !row->isEmpty() && !row->first().isNull())
        one.value = convert(row->first());
    return one;
}

// The cursor loop underneath: text is prepared in staging on transaction, the cursor is declared
// on it and opened with the inputs bound in order, `opened` runs once the cursor is open, and
// `row` gets every fetched row in fetch order. A cursor that cannot be opened is left as it is;
// after a failed fetch the cursor is closed and the rows handed over so far stay. Rows come in
// blocks where they can, as in readResult.
ReadOutcome readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                     const QString& text, const QVariantList& inputs,
                     const std::function<void()>& opened,
                     const std::function<void(const QVariantList&)>& row);
