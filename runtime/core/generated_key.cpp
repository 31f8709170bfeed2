#include "runtime/core/generated_key.h"

#include "runtime/core/transaction.h"

std::optional<int> insertWithKey(Transaction& sqlca, const QString& insert,
                                 const QVariantList& values, const QString& keyColumn) {
    std::optional<QVariantList> row;
    if (sqlca.isPostgreSQL()) {
        row = sqlca.executeReturning(insert + QStringLiteral(" RETURNING ") + keyColumn, values);
    } else {
        sqlca.execute(insert, values);
        if (sqlca.sqlcode != Transaction::Success)
            return std::nullopt;
        row = sqlca.executeReturning(QStringLiteral("SELECT last_insert_rowid()"));
    }
    if (!row || row->isEmpty() || row->first().isNull()) {
        if (sqlca.sqlcode == Transaction::Success || sqlca.sqlcode == Transaction::NotFound)
            sqlca.setFailure(QStringLiteral("baza nije vratila ključ novog reda"));
        return std::nullopt;
    }
    return row->first().toInt();
}
