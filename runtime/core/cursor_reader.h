#pragma once

#include <QString>
#include <QVariantList>

#include <functional>

class DynamicCursor;
class DynamicStagingArea;
class Transaction;

// How a read through a cursor ended. The reader shows nothing: the caller decides what the user
// sees (the screens show "DataBase Error!" when the cursor could not be opened and "DataBase
// Error" when a fetch failed, with the database's text).
struct ReadOutcome {
    enum class Stage { Finished, OpenFailed, FetchFailed };

    Stage stage = Stage::Finished;
    int code = 100; // the SQL code that ended the read: 100 after the last row, < 0 on failure
    QString text;   // the database's text of a failure

    bool failed() const { return code < 0; }
};

// The program's one row-reading loop: text is prepared in staging on transaction, the cursor is
// declared on it and opened with the inputs bound in order, `opened` runs once the cursor is open,
// and `row` gets every fetched row in fetch order. A cursor that cannot be opened is left as it
// is; after a failed fetch the cursor is closed and the rows handed over so far stay.
ReadOutcome readRows(DynamicCursor& cursor, DynamicStagingArea& staging, Transaction& transaction,
                     const QString& text, const QVariantList& inputs,
                     const std::function<void()>& opened,
                     const std::function<void(const QVariantList&)>& row);

// The same read as every list of the screens does it: on sqlca, through sqlsa, without inputs.
ReadOutcome readThroughCursor(DynamicCursor& dyn_cursor, const QString& text,
                              const std::function<void()>& opened,
                              const std::function<void(const QVariantList&)>& row);
