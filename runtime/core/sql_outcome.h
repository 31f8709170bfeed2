#pragma once

#include "runtime/core/result.h"

#include <QString>
#include <QVariantList>

class QSqlError;
class QSqlQuery;

// Shared by the transaction object and the dynamic cursor: how a Qt SQL outcome becomes a
// Result's code and text.
QString sqlErrorText(const QSqlError& error);
// A failure as the program reports it: code -1 and the database's own words (see sqlErrorText).
Result<> failureOf(const QSqlError& error, Result<>::Stage stage = Result<>::Stage::OpenFailed);
QString notConnectedText();
// Prepares sql, binds the host variables by position and executes: success, or the failure with
// the database's message.
Result<> runPrepared(QSqlQuery& query, const QString& sql, const QVariantList& inputs);
// The columns of the row the query stands on, in select order.
QVariantList currentRow(const QSqlQuery& query);
