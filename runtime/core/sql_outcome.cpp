#include "runtime/core/sql_outcome.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QString sqlErrorText(const QSqlError& error) {
    // The database's own words; the PostgreSQL driver reports every error with code "1", so the
    // code itself says nothing and the driver's text is what the user needs to see.
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

Result<> failureOf(const QSqlError& error, Result<>::Stage stage) {
    return Result<>::failure(sqlErrorText(error), stage);
}

QString notConnectedText() {
    return QStringLiteral("Nema veze sa bazom podataka (izvor podataka MabZet nije povezan).");
}

Result<> runPrepared(QSqlQuery& query, const QString& sql, const QVariantList& inputs) {
    if (!query.prepare(sql))
        return failureOf(query.lastError());
    for (qsizetype i = 0; i < inputs.size(); ++i)
        query.bindValue(int(i), inputs.at(i));
    if (!query.exec())
        return failureOf(query.lastError());
    return Result<>::done();
}

QVariantList currentRow(const QSqlQuery& query) {
    QVariantList row;
    const int columns = query.record().count();
    row.reserve(columns);
    for (int i = 0; i < columns; ++i)
        row << query.value(i);
    return row;
}
