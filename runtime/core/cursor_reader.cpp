#include "runtime/core/cursor_reader.h"

#include "runtime/core/block_reader.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/core/result_columns.h"
#include "runtime/core/transaction.h"

namespace {

// The rows of a block read handed over as the cursor would hand them: each with the SQL code a
// fetch leaves, and the loop ending where a handler leaves a code other than 0.
ReadOutcome handOver(const ResultColumns& rows, Transaction& transaction,
                     const std::function<void()>& opened,
                     const std::function<void(const QVariantList&)>& row) {
    transaction.setSuccess();
    if (opened)
        opened();
    QVariantList columns;
    for (qsizetype r = 0; r < rows.rowCount() && transaction.sqlcode == Transaction::Success; ++r) {
        columns.clear();
        for (int c = 0; c < rows.columnCount(); ++c)
            columns << rows.value(r, c);
        transaction.setSuccess();
        transaction.sqlnrows = 1;
        if (row)
            row(columns);
    }
    if (transaction.sqlcode == Transaction::Success)
        transaction.setSuccess(Transaction::NotFound);
    return {ReadOutcome::Stage::Finished, transaction.sqlcode, QString()};
}

// The cursor itself, row by row.
ReadOutcome readThroughCursor(DynamicCursor& cursor, DynamicStagingArea& staging,
                              Transaction& transaction, const QString& text,
                              const QVariantList& inputs, const std::function<void()>& opened,
                              const std::function<void(const QVariantList&)>& row) {
    staging.prepare(text, transaction);
    cursor.declare(staging);
    cursor.open(inputs);
    if (transaction.sqlcode < 0) {
        const ReadOutcome failure{ReadOutcome::Stage::OpenFailed, transaction.sqlcode,
                                  transaction.sqlerrtext};
        transaction.endReading();
        return failure;
    }
    if (opened)
        opened();

    QVariantList columns;
    while (transaction.sqlcode == Transaction::Success) {
        cursor.fetch(columns);
        if (transaction.sqlcode == Transaction::Success) {
            if (row)
                row(columns);
        } else if (transaction.sqlcode < 0) {
            const ReadOutcome failure{ReadOutcome::Stage::FetchFailed, transaction.sqlcode,
                                      transaction.sqlerrtext};
            cursor.close();
            transaction.endReading();
            return failure;
        }
    }
    const int code = transaction.sqlcode;
    cursor.close();
    // The read is over: no snapshot of it may outlive the user action (see Transaction).
    transaction.endReading();
    return {ReadOutcome::Stage::Finished, code, QString()};
}

} // namespace

ReadOutcome readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                     const QString& text, const QVariantList& inputs,
                     const std::function<void()>& opened,
                     const std::function<void(const QVariantList&)>& row) {
    // Read in blocks where the driver and the column types allow. A read that fails is read
    // again through the cursor, so that the handler gets the rows before the failure and the
    // caller the stage it failed at, exactly as the cursor reports them.
    ResultColumns rows;
    if (readInBlocks(transaction, text, inputs, rows) == BlockRead::Read)
        return handOver(rows, transaction, opened, row);
    return readThroughCursor(cursor, staging, transaction, text, inputs, opened, row);
}

namespace {

// What readResult does once the block reader has tried.
ResultRead afterBlockRead(Transaction& transaction, const QString& sql, const QVariantList& inputs,
                          BlockRead outcome, ResultColumns rows) {
    ResultRead result;
    result.rows = std::move(rows);
    if (outcome == BlockRead::Read) {
        result.outcome = {ReadOutcome::Stage::Finished, transaction.sqlcode, QString()};
        return result;
    }
    // Unsupported types or driver, or a failure: the cursor, once, gives the rows it reaches.
    bool first = true;
    DynamicStagingArea staging;
    DynamicCursor cursor;
    result.rows.clear();
    result.outcome = readThroughCursor(
        cursor, staging, transaction, sql, inputs, nullptr, [&](const QVariantList& columns) {
            if (first) {
                result.rows.reset(
                    QList<ResultColumns::Kind>(columns.size(), ResultColumns::Kind::Variant));
                first = false;
            }
            result.rows.appendRow(columns);
        });
    if (first)
        result.rows.reset({});
    return result;
}

} // namespace

ResultRead readResult(Transaction& transaction, const QString& sql, const QVariantList& inputs) {
    ResultColumns rows;
    const BlockRead outcome = readInBlocks(transaction, sql, inputs, rows);
    return afterBlockRead(transaction, sql, inputs, outcome, std::move(rows));
}

ResultReadInBackground::ResultReadInBackground(Transaction& transaction, const QString& sql,
                                               const QVariantList& inputs)
    : m_transaction(transaction), m_sql(sql), m_inputs(inputs),
      m_thread([this, job = BlockReadJob(transaction)] {
          m_outcome = job.run(m_sql, m_inputs, m_rows);
      }) {}

ResultReadInBackground::~ResultReadInBackground() {
    if (m_thread.joinable())
        m_thread.join();
}

ResultRead ResultReadInBackground::result() {
    m_thread.join();
    // As readInBlocks ends a read it tried; an untried one is left to the cursor.
    if (m_outcome != BlockRead::Unsupported)
        m_transaction.endReading();
    return afterBlockRead(m_transaction, m_sql, m_inputs, m_outcome, std::move(m_rows));
}

std::optional<QVariantList> selectFirstRow(Transaction& transaction, const QString& sql,
                                           const QVariantList& inputs, ReadOutcome& outcome) {
    std::optional<QVariantList> row = transaction.selectInto(sql, inputs);
    outcome.code = transaction.sqlcode;
    outcome.text = transaction.sqlerrtext;
    outcome.stage =
        outcome.failed() ? ReadOutcome::Stage::OpenFailed : ReadOutcome::Stage::Finished;
    return row;
}
