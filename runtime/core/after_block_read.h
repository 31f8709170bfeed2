#pragma once

#include "runtime/core/block_reader.h"
#include "runtime/core/result.h"
#include "runtime/core/result_columns.h"

#include <QString>
#include <QVariantList>

class Transaction;

// What readResult does once the block reader has tried: its rows when it read them, else the
// cursor, once, on the caller's thread. Shared by readResult and BackgroundRead.
Result<ResultColumns> afterBlockRead(Transaction& transaction, const QString& sql,
                                     const QVariantList& inputs, const Result<BlockRead>& read,
                                     ResultColumns rows);
