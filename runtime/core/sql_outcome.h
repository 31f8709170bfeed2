#pragma once

#include <QString>
#include <QVariantList>

class QSqlError;
class QSqlQuery;
class Transaction;

// Shared by the transaction object and the dynamic cursor: how a Qt SQL outcome becomes the
// transaction's SQL code and error text.
QString sqlErrorText(const QSqlError& error);
QString notConnectedText();
// Prepares sql, binds the host variables by position and executes. On failure the transaction
// carries the database's message and false is returned.
bool runPrepared(QSqlQuery& query, const QString& sql, const QVariantList& inputs,
                 Transaction& transaction);
// The columns of the row the query stands on, in select order.
QVariantList currentRow(const QSqlQuery& query);
