#include "runtime/core/cursor_reader.h"

#include "runtime/core/builtins.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/core/transaction.h"

ReadOutcome readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                     const QString& text, const QVariantList& inputs,
                     const std::function<void()>& opened,
                     const std::function<void(const QVariantList&)>& row) {
    staging.prepare(text, transaction);
    cursor.declare(staging);
    cursor.open(inputs);
    if (transaction.sqlcode < 0)
        return {ReadOutcome::Stage::OpenFailed, transaction.sqlcode, transaction.sqlerrtext};
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
            return failure;
        }
    }
    const int code = transaction.sqlcode;
    cursor.close();
    return {ReadOutcome::Stage::Finished, code, QString()};
}

ReadOutcome readThroughCursor(DynamicCursor& dyn_cursor, const QString& text,
                              const std::function<void()>& opened,
                              const std::function<void(const QVariantList&)>& row) {
    return readRows(dyn_cursor, sqlsa(), sqlca(), text, {}, opened, row);
}
