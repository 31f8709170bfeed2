#include "runtime/core/generated_key.h"

#include "runtime/core/transaction.h"

Result<int> insertWithKey(Transaction& sqlca, const QString& insert, const QVariantList& values,
                          const QString& keyColumn, const QString& bezKljuca) {
    Result<std::optional<QVariantList>> red;
    if (sqlca.isPostgreSQL()) {
        red = sqlca.executeReturning(insert + QStringLiteral(" RETURNING ") + keyColumn, values);
    } else {
        if (const Result<> upisan = sqlca.execute(insert, values); upisan.failed())
            return upisan;
        red = sqlca.executeReturning(QStringLiteral("SELECT last_insert_rowid()"));
    }
    if (red.failed())
        return red.outcome();
    if (!red.value || red.value->isEmpty() || red.value->first().isNull())
        return Result<>::failure(bezKljuca);
    return {Result<>::done(Result<>::Success, 1), red.value->first().toInt()};
}
