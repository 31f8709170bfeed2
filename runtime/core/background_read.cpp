#include "runtime/core/background_read.h"

#include "runtime/core/after_block_read.h"
#include "runtime/core/block_reader.h"
#include "runtime/core/transaction.h"

#include <optional>
#include <thread>

struct BackgroundRead::Running {
    Transaction& transaction;
    QString sql;
    QVariantList inputs;
    ResultColumns rows;
    Result<BlockRead> read;
    BlockReadJob job;                      // made while the connection is still the caller's
    std::optional<Transaction::Loan> loan; // then lent until result()
    std::thread thread;                    // last: it starts once everything above is in place

    Running(Transaction& t, const QString& s, const QVariantList& i)
        : transaction(t), sql(s), inputs(i), job(t), loan(std::in_place, t),
          thread([this] { read = job.run(sql, inputs, rows); }) {}
};

BackgroundRead::BackgroundRead(Transaction& transaction, const QString& sql,
                               const QVariantList& inputs)
    : m_running(std::make_unique<Running>(transaction, sql, inputs)) {}

BackgroundRead::~BackgroundRead() {
    if (m_running && m_running->thread.joinable())
        m_running->thread.join();
}

Result<ResultColumns> BackgroundRead::result() {
    Running& running = *m_running;
    running.thread.join();
    running.loan.reset(); // the connection is the caller's again
    // As readInBlocks ends a read it tried; an untried one is left to the cursor.
    if (running.read.value != BlockRead::Unsupported)
        running.transaction.endReading();
    return afterBlockRead(running.transaction, running.sql, running.inputs, running.read,
                          std::move(running.rows));
}
