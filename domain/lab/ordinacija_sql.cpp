#include "domain/lab/ordinacija_sql.h"

#include "runtime/core/convert.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/transaction.h"

namespace ordinacija_sql {

namespace {

const QString Read =
    QStringLiteral("SELECT naziv, adresa, telefon, verzija FROM ordinacija WHERE rbr = 1");
// The server's login may not write the table: the owner's function does, at the version read,
// and hands back the new version (NULL when another desk saved first).
const QString SaveOnServer =
    QStringLiteral("SELECT ordinacija_upis(CAST(? AS TEXT), CAST(? AS TEXT), CAST(? AS TEXT), ?)");
const QString SaveEmbedded =
    QStringLiteral("UPDATE ordinacija SET naziv = ?, adresa = ?, telefon = ?, "
                   "verzija = verzija + 1 WHERE rbr = 1 AND verzija = ?");

} // namespace

Result<QList<Ordinacija>> procitaj(Transaction& sqlca) {
    return readRowsAs<Ordinacija>(sqlca, Read, {}, [](const QVariantList& red) {
        return Ordinacija{textOfColumn(red.at(0)), textOfColumn(red.at(1)), textOfColumn(red.at(2)),
                          red.at(3).toInt()};
    });
}

QString izmenjenaUMedjuvremenu() {
    return QStringLiteral("Podatke ordinacije je u međuvremenu sačuvao drugi korisnik. Vaše "
                          "izmene nisu upisane; otvorite prozor ponovo da vidite sačuvane.");
}

Result<Ishod> sacuvaj(Transaction& sqlca, const Ordinacija& ordinacija) {
    sqlca.endReading();
    const QVariantList vrednosti{ordinacija.naziv, ordinacija.adresa, ordinacija.telefon,
                                 ordinacija.verzija};
    Result<> upis;
    bool upisano = false;
    if (sqlca.isPostgreSQL()) {
        const Result<std::optional<QVariantList>> red =
            sqlca.executeReturning(SaveOnServer, vrednosti);
        upis = red.outcome();
        upisano = red.value && !red.value->isEmpty() && !red.value->first().isNull();
    } else {
        upis = sqlca.execute(SaveEmbedded, vrednosti);
        upisano = upis.succeeded() && upis.sqlnrows == 1;
    }
    if (upis.failed())
        return ishod::odbijeno(sqlca, upis);
    if (!upisano) {
        sqlca.rollback();
        return ishod::obavestenje(izmenjenaUMedjuvremenu());
    }
    return ishod::potvrdi(sqlca, ishod::upisano(1, ordinacija.verzija + 1));
}

} // namespace ordinacija_sql
