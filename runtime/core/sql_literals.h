#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

// The statement with each ? replaced by its input written as an SQLite literal: a text in single
// quotes with every quote doubled (SQLite knows no other escape, so no text can end the literal
// early), a whole number in digits (in parentheses when negative), a typed NULL as NULL. Nothing
// when an input is of another type, a text holds a NUL character or is not valid UTF-16 (a lone
// surrogate), the statement uses any other kind of parameter or a
// comment or bracket quoting, or the marks and inputs do not pair up: the caller then binds.
// The SQLite ODBC driver hands a result over row by row only to a statement without parameters.
std::optional<QString> sqliteStatementWithLiterals(const QString& sql, const QVariantList& inputs);
