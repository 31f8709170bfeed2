#pragma once

#include "runtime/core/result.h"
#include "runtime/core/result_columns.h"

#include <QString>
#include <QVariantList>

#include <memory>

class Transaction;

// A read on a thread of its own, for a start-up read that can run while the window is built: the
// block reader's part runs in the background on the transaction's connection, and result() waits
// for it and does the rest (the cursor, where the block reader could not read) on the caller's
// thread. Until result() the connection is lent to that thread: every other use of the
// transaction is refused with a failure (Transaction::Loan), so nothing can race the read on the
// same handle.
class BackgroundRead {
public:
    BackgroundRead(Transaction& transaction, const QString& sql, const QVariantList& inputs = {});
    ~BackgroundRead();
    BackgroundRead(const BackgroundRead&) = delete;
    BackgroundRead& operator=(const BackgroundRead&) = delete;

    Result<ResultColumns> result(); // once

private:
    struct Running;
    std::unique_ptr<Running> m_running;
};
