#pragma once
// Makes the database refuse one kind of write on `adresar`, so that the program meets a failing
// statement, on either engine.
#include "tests/support/test_data_source.h"

// Raises an error for `operation` (INSERT, UPDATE, DELETE) where `condition` holds (written over
// NEW for INSERT, OLD for DELETE).
inline bool failWrites(TestDataSource& db, const QString& operation, const QString& condition) {
    if (db.engine() == TestDataSource::Engine::SQLite)
        return db.exec(QStringLiteral("CREATE TRIGGER kvar_%1 BEFORE %1 ON adresar WHEN %2 "
                                      "BEGIN SELECT RAISE(ABORT, 'upis odbijen'); END")
                           .arg(operation, condition));
    return db.exec(QStringLiteral("CREATE OR REPLACE FUNCTION kvar() RETURNS trigger AS "
                                  "'BEGIN RAISE EXCEPTION ''upis odbijen''; END' "
                                  "LANGUAGE plpgsql")) &&
           db.exec(QStringLiteral("CREATE TRIGGER kvar_%1 BEFORE %1 ON adresar FOR EACH ROW "
                                  "WHEN (%2) EXECUTE FUNCTION kvar()")
                       .arg(operation, condition));
}

inline bool healWrites(TestDataSource& db, const QString& operation) {
    if (db.engine() == TestDataSource::Engine::SQLite)
        return db.exec(QStringLiteral("DROP TRIGGER kvar_%1").arg(operation));
    return db.exec(QStringLiteral("DROP TRIGGER kvar_%1 ON adresar").arg(operation));
}
