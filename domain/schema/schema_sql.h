#pragma once

#include "runtime/core/result.h"

#include <QString>

class Transaction;

// The schema version, which the program reads at start-up. Tables change only through the
// numbered steps of db/sqlite/steps and db/postgresql/steps, which scripts/upgrade-database.sh
// applies; the program itself never creates or alters a table, it only compares the version.
namespace schema_sql {

// The number of the newest step: the version this program's statements are written for.
constexpr int PotrebnaVerzija = 9;

struct VerzijaSeme {
    enum class Stanje {
        Tekuca,     // the version this program needs
        Starija,    // older: the upgrade brings it forward
        Novija,     // upgraded by a newer program
        Neprocitana // no schema_version (made before versions were recorded) or a failed read
    };
    Stanje stanje = Stanje::Neprocitana;
    int verzija = 0; // the database's version, when read
};

// The newest row of schema_version, compared with PotrebnaVerzija; failed (and Neprocitana) when
// it could not be read. Ends its unit of work.
Result<VerzijaSeme> procitajVerziju(Transaction& sqlca);

} // namespace schema_sql
