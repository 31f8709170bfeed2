#pragma once

#include "runtime/core/result.h"

#include <QString>
#include <QVariantList>

class Transaction;

// INSERT of a row whose key the database numbers, and that key. PostgreSQL hands it back with
// RETURNING; the embedded database's driver runs an INSERT without handing back RETURNING's row,
// so it is asked for last_insert_rowid() on the same connection. The INSERT counts as a write: its
// unit stays open for the caller's COMMIT or ROLLBACK. A failure with the text bezKljuca when the
// database gave no key back.
Result<int> insertWithKey(Transaction& sqlca, const QString& insert, const QVariantList& values,
                          const QString& keyColumn, const QString& bezKljuca);
