#pragma once

#include "runtime/core/result.h"

#include <QString>
#include <QVariantList>

class ResultColumns;
class Transaction;

// Reads a whole result through the ODBC API of the transaction's own connection: columns bound
// in blocks of rows, values copied straight into column storage. Qt's ODBC driver asks for every
// value on its own and wraps it in a QVariant, which is most of the time of a long list; this
// path gives the same values, NULLs and error texts at a fraction of the cost. It runs on the
// transaction's connection, so it sees that connection's uncommitted writes.
enum class BlockRead {
    Read,       // every row is in the storage; the code is 100
    Failed,     // the database refused: a negative code and its message, storage empty
    Unsupported // nothing done: a parameter or column type, or the driver, needs the plain path
};

// Runs sql with inputs bound in order and puts every row into rows (reset to the result's
// columns: text and integer columns only).
Result<BlockRead> readInBlocks(Transaction& transaction, const QString& sql,
                               const QVariantList& inputs, ResultColumns& rows);

// readInBlocks in two halves, for a read on another thread: the job is made on the thread that
// owns the transaction (Qt reaches the connection only there) and may run on any thread while the
// connection is lent to it (Transaction::Loan); run() leaves the unit of work as it found it, or
// ended, and the caller ends it as readInBlocks does (Transaction::endReading) unless run() said
// Unsupported. A job made while the transaction may not be used reads nothing (Unsupported).
class BlockReadJob {
public:
    explicit BlockReadJob(Transaction& transaction);
    Result<BlockRead> run(const QString& sql, const QVariantList& inputs,
                          ResultColumns& rows) const;

private:
    void* m_connection;
    bool m_autocommit;
    bool m_betweenUnits;
    bool m_sqlite;
};

// Rows a block holds; the fetch calls of a long list are few and its buffers small.
constexpr int BlockRows = 1000;
