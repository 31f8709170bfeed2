#include "runtime/core/cursor_reader.h"

#include "runtime/core/after_block_read.h"
#include "runtime/core/block_reader.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/core/transaction.h"

namespace {

// The rows of a block read handed over as the cursor would hand them.
Result<> handOver(const Result<BlockRead>& read, const ResultColumns& rows,
                  const std::function<void()>& opened,
                  const std::function<void(const QVariantList&)>& row) {
    if (opened)
        opened();
    QVariantList columns;
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        columns.clear();
        for (int c = 0; c < rows.columnCount(); ++c)
            columns << rows.value(r, c);
        if (row)
            row(columns);
    }
    return read.outcome();
}

} // namespace

Result<> readThroughCursor(DynamicCursor& cursor, DynamicStagingArea& staging,
                           Transaction& transaction, const QString& text,
                           const QVariantList& inputs, const std::function<void()>& opened,
                           const std::function<void(const QVariantList&)>& row) {
    staging.prepare(text, transaction);
    cursor.declare(staging);
    const Result<> open = cursor.open(inputs);
    if (open.failed()) {
        transaction.endReading();
        return open;
    }
    if (opened)
        opened();

    QVariantList columns;
    int count = 0;
    for (;;) {
        const Result<> fetched = cursor.fetch(columns);
        if (fetched.failed()) {
            cursor.close();
            transaction.endReading();
            Result<> failure = fetched;
            failure.stage = Result<>::Stage::FetchFailed;
            failure.sqlnrows = count;
            return failure;
        }
        if (fetched.sqlcode != Result<>::Success) {
            cursor.close();
            // The read is over: no snapshot of it may outlive the user action (see Transaction).
            transaction.endReading();
            return Result<>::done(fetched.sqlcode, count);
        }
        ++count;
        if (row)
            row(columns);
    }
}

Result<> readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                  const QString& text, const QVariantList& inputs,
                  const std::function<void()>& opened,
                  const std::function<void(const QVariantList&)>& row) {
    // Read in blocks where the driver and the column types allow. A read that fails is read
    // again through the cursor, so that the handler gets the rows before the failure and the
    // caller the stage it failed at, exactly as the cursor reports them.
    ResultColumns rows;
    const Result<BlockRead> read = readInBlocks(transaction, text, inputs, rows);
    if (read.value == BlockRead::Read)
        return handOver(read, rows, opened, row);
    return readThroughCursor(cursor, staging, transaction, text, inputs, opened, row);
}

Result<ResultColumns> afterBlockRead(Transaction& transaction, const QString& sql,
                                     const QVariantList& inputs, const Result<BlockRead>& read,
                                     ResultColumns rows) {
    if (read.value == BlockRead::Read)
        return {read.outcome(), std::move(rows)};
    // Unsupported types or driver, or a failure: the cursor, once, gives the rows it reaches.
    Result<ResultColumns> result;
    bool first = true;
    DynamicStagingArea staging;
    DynamicCursor cursor;
    const Result<> outcome = readThroughCursor(
        cursor, staging, transaction, sql, inputs, nullptr, [&](const QVariantList& columns) {
            if (first) {
                result.value.reset(
                    QList<ResultColumns::Kind>(columns.size(), ResultColumns::Kind::Variant));
                first = false;
            }
            result.value.appendRow(columns);
        });
    if (first)
        result.value.reset({});
    static_cast<Result<>&>(result) = outcome;
    return result;
}

Result<ResultColumns> readResult(Transaction& transaction, const QString& sql,
                                 const QVariantList& inputs) {
    ResultColumns rows;
    const Result<BlockRead> read = readInBlocks(transaction, sql, inputs, rows);
    return afterBlockRead(transaction, sql, inputs, read, std::move(rows));
}

Result<std::optional<QVariantList>> selectFirstRow(Transaction& transaction, const QString& sql,
                                                   const QVariantList& inputs) {
    return transaction.selectInto(sql, inputs);
}
