#pragma once
// Makes the database refuse one kind of write on `adresar` (or another table), so that the program
// meets a failing statement, on either engine.
#include "tests/support/test_data_source.h"

// Raises an error for `operation` (INSERT, UPDATE, DELETE) where `condition` holds (written over
// NEW for INSERT, OLD for DELETE).
inline QString failureTrigger(const QString& operation, const QString& table) {
    return table == QLatin1String("adresar") ? QStringLiteral("kvar_") + operation
                                             : QStringLiteral("kvar_%1_%2").arg(operation, table);
}

inline bool failWrites(TestDataSource& db, const QString& operation, const QString& condition,
                       const QString& table = QStringLiteral("adresar")) {
    if (db.engine() == TestDataSource::Engine::SQLite)
        return db.exec(QStringLiteral("CREATE TRIGGER %3 BEFORE %1 ON %4 WHEN %2 "
                                      "BEGIN SELECT RAISE(ABORT, 'upis odbijen'); END")
                           .arg(operation, condition, failureTrigger(operation, table), table));
    return db.exec(QStringLiteral("CREATE OR REPLACE FUNCTION kvar() RETURNS trigger AS "
                                  "'BEGIN RAISE EXCEPTION ''upis odbijen''; END' "
                                  "LANGUAGE plpgsql")) &&
           db.exec(QStringLiteral("CREATE TRIGGER %3 BEFORE %1 ON %4 FOR EACH ROW "
                                  "WHEN (%2) EXECUTE FUNCTION kvar()")
                       .arg(operation, condition, failureTrigger(operation, table), table));
}

inline bool healWrites(TestDataSource& db, const QString& operation,
                       const QString& table = QStringLiteral("adresar")) {
    if (db.engine() == TestDataSource::Engine::SQLite)
        return db.exec(QStringLiteral("DROP TRIGGER %1").arg(failureTrigger(operation, table)));
    return db.exec(
        QStringLiteral("DROP TRIGGER %1 ON %2").arg(failureTrigger(operation, table), table));
}
