#include "runtime/core/cursor_reader.h"

#include "runtime/core/block_reader.h"
#include "runtime/core/builtins.h"
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

} // namespace

ReadOutcome readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                     const QString& text, const QVariantList& inputs,
                     const std::function<void()>& opened,
                     const std::function<void(const QVariantList&)>& row) {
    staging.prepare(text, transaction);
    cursor.declare(staging);
    // Read in blocks where the driver and the column types allow. A read that fails is read
    // again through the cursor, so that the handler gets the rows before the failure and the
    // caller the stage it failed at, exactly as the cursor reports them.
    ResultColumns rows;
    if (readInBlocks(transaction, text, inputs, rows) == BlockRead::Read)
        return handOver(rows, transaction, opened, row);
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

ReadOutcome readThroughCursor(DynamicCursor& dyn_cursor, const QString& text,
                              const std::function<void()>& opened,
                              const std::function<void(const QVariantList&)>& row) {
    return readRows(dyn_cursor, sqlsa(), sqlca(), text, {}, opened, row);
}
