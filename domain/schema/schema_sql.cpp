#include "domain/schema/schema_sql.h"

#include "runtime/core/transaction.h"

namespace schema_sql {

VerzijaSeme procitajVerziju(Transaction& sqlca) {
    // No value to bind: the statement is fixed and the comparison is made here.
    const std::optional<QVariantList> red =
        sqlca.selectInto(QStringLiteral("SELECT MAX(version) FROM schema_version"));
    VerzijaSeme ishod;
    if (!red || sqlca.sqlcode < 0) {
        ishod.sqlcode = sqlca.sqlcode < 0 ? sqlca.sqlcode : Transaction::Failure;
        ishod.sqlerrtext = sqlca.sqlerrtext;
        return ishod;
    }
    // An empty table (never written so by the upgrade) counts as the oldest version.
    const QVariant verzija = red->value(0);
    ishod.verzija = verzija.isNull() ? 0 : verzija.toInt();
    ishod.stanje = ishod.verzija == PotrebnaVerzija  ? VerzijaSeme::Stanje::Tekuca
                   : ishod.verzija < PotrebnaVerzija ? VerzijaSeme::Stanje::Starija
                                                     : VerzijaSeme::Stanje::Novija;
    return ishod;
}

} // namespace schema_sql
