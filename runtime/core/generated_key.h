#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

class Transaction;

// INSERT of a row whose key the database numbers, and that key. PostgreSQL hands it back with
// RETURNING; the embedded database's driver runs an INSERT without handing back RETURNING's row,
// so it is asked for last_insert_rowid() on the same connection. The INSERT counts as a write: its
// unit stays open for the caller's COMMIT or ROLLBACK. None on failure, with the database's text
// in the transaction (or the runtime's own, when no key came back).
std::optional<int> insertWithKey(Transaction& sqlca, const QString& insert,
                                 const QVariantList& values, const QString& keyColumn);
