#pragma once

#include "domain/schema/schema_sql.h"

#include <QString>

class Transaction;

// The start-up's word on the database's schema version: empty when it is the one the program
// needs, otherwise the text of a box that says what is wrong and names the command that mends it.
QString porukaOVerzijiSeme(const Result<schema_sql::VerzijaSeme>& procitana);
// Reads the version on the connected transaction and shows that text, if any, in a message box.
void proveriVerzijuSeme(Transaction& sqlca);
