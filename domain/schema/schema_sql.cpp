#include "domain/schema/schema_sql.h"

#include "runtime/core/transaction.h"

namespace schema_sql {

Result<VerzijaSeme> procitajVerziju(Transaction& sqlca) {
    // No value to bind: the statement is fixed and the comparison is made here.
    const Result<std::optional<QVariantList>> red =
        sqlca.selectInto(QStringLiteral("SELECT MAX(version) FROM schema_version"));
    if (red.failed())
        return red.outcome();
    if (!red.value) // an aggregate always gives a row; a driver that gives none fails the read
        return Result<>::failure(QStringLiteral("schema_version: nema reda"));
    // An empty table (never written so by the upgrade) counts as the oldest version.
    const QVariant verzija = red.value->value(0);
    VerzijaSeme ishod;
    ishod.verzija = verzija.isNull() ? 0 : verzija.toInt();
    ishod.stanje = ishod.verzija == PotrebnaVerzija  ? VerzijaSeme::Stanje::Tekuca
                   : ishod.verzija < PotrebnaVerzija ? VerzijaSeme::Stanje::Starija
                                                     : VerzijaSeme::Stanje::Novija;
    return {red.outcome(), ishod};
}

} // namespace schema_sql
