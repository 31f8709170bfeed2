#include "domain/lab/ordinacija_sql.h"

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

Rows<Ordinacija> procitaj(Transaction& sqlca) {
    return readRowsAs<Ordinacija>(sqlca, Read, {}, [](const QVariantList& red) {
        const auto text = [](const QVariant& v) { return v.isNull() ? QString() : v.toString(); };
        return Ordinacija{text(red.at(0)), text(red.at(1)), text(red.at(2)), red.at(3).toInt()};
    });
}

QString izmenjenaUMedjuvremenu() {
    return QStringLiteral("Podatke ordinacije je u međuvremenu sačuvao drugi korisnik. Vaše "
                          "izmene nisu upisane; otvorite prozor ponovo da vidite sačuvane.");
}

Ishod sacuvaj(Transaction& sqlca, const Ordinacija& ordinacija) {
    sqlca.endReading();
    const QVariantList vrednosti{ordinacija.naziv, ordinacija.adresa, ordinacija.telefon,
                                 ordinacija.verzija};
    bool upisano = false;
    if (sqlca.isPostgreSQL()) {
        const std::optional<QVariantList> red = sqlca.executeReturning(SaveOnServer, vrednosti);
        upisano = red && !red->isEmpty() && !red->first().isNull();
    } else {
        sqlca.execute(SaveEmbedded, vrednosti);
        upisano = sqlca.sqlcode == Transaction::Success && sqlca.sqlnrows == 1;
    }
    if (sqlca.sqlcode == Transaction::Success && upisano)
        sqlca.commit();
    if (sqlca.sqlcode != Transaction::Success) {
        const Ishod ishod = Ishod::odbijenoUBazi(sqlca.sqlerrtext);
        sqlca.rollback();
        return ishod;
    }
    if (!upisano) {
        sqlca.rollback();
        return Ishod::saObavestenjem(izmenjenaUMedjuvremenu());
    }
    Ishod ishod;
    ishod.rbr = 1;
    ishod.verzija = ordinacija.verzija + 1;
    return ishod;
}

} // namespace ordinacija_sql
