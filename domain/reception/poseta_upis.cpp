#include "domain/reception/poseta_upis.h"

#include "runtime/core/transaction.h"

#include <QSet>

namespace poseta_upis {

namespace {

Ishod obavestenje(const QString& tekst) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Obavestenje;
    ishod.obavestenje = tekst;
    return ishod;
}

bool pacijentNestao(Transaction& sqlca, int rbrAdresar) {
    const Rows<poseta_sql::Pacijent> red = poseta_sql::pacijent(sqlca, rbrAdresar);
    return !red.failed() && red.rows.isEmpty();
}

// After a refused statement: the unit is rolled back first, so no lock outlives the click and
// the reads that explain the refusal see what the other desks committed.
Ishod odbijeno(Transaction& sqlca, const Poseta& poseta) {
    const QString tekst = sqlca.sqlerrtext;
    sqlca.rollback();
    if (pacijentNestao(sqlca, poseta.rbrAdresar))
        return obavestenje(pacijentObrisan());
    if (poseta.rbr) {
        const One<int> sada = poseta_sql::verzija(sqlca, *poseta.rbr);
        if (!sada.failed() && !sada.value)
            return obavestenje(obrisanaUMedjuvremenu());
        if (sada.value && *sada.value != poseta.verzija)
            return obavestenje(izmenjenaUMedjuvremenu());
    }
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Neupisano;
    ishod.tekstBaze = tekst;
    return ishod;
}

bool uspelo(const Transaction& sqlca) {
    return sqlca.sqlcode == Transaction::Success;
}

} // namespace

QString izmenjenaUMedjuvremenu() {
    return QStringLiteral("Ovu posetu je u međuvremenu sačuvao drugi korisnik. Vaše izmene nisu "
                          "upisane: ostaju u formi, a sačuvanu posetu možete ponovo otvoriti sa "
                          "spiska poseta.");
}

QString obrisanaUMedjuvremenu() {
    return QStringLiteral("Ova poseta je u međuvremenu obrisana: izmene nisu upisane.");
}

QString pacijentObrisan() {
    return QStringLiteral("Pacijent je u međuvremenu obrisan iz adresara: poseta nije upisana.");
}

QString pitanjeZaPacijenta() {
    return QStringLiteral("Pacijent nije u adresaru. Upisati ga?");
}

QString pitanjeZaCuvanje() {
    return QStringLiteral("Da li zelite da snimite promenjene podatke?");
}

QList<poseta_sql::Polje> bezPonovljenih(const QList<poseta_sql::Polje>& polja) {
    QList<poseta_sql::Polje> jedinstvena;
    QSet<QString> vidjena;
    for (const poseta_sql::Polje& polje : polja) {
        if (vidjena.contains(polje.polje))
            continue;
        vidjena.insert(polje.polje);
        jedinstvena << polje;
    }
    return jedinstvena;
}

Ishod sacuvaj(Transaction& sqlca, const Poseta& poseta, const std::function<void()>& pred_upisom) {
    // Start from what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();

    Ishod ishod;
    if (poseta.rbr) {
        poseta_sql::izmeni(sqlca, *poseta.rbr, poseta.verzija, poseta.rbrAdresar, poseta.datum,
                           poseta.brojProtokola, poseta.lekar);
        if (!uspelo(sqlca))
            return odbijeno(sqlca, poseta);
        if (sqlca.sqlnrows == 0) {
            sqlca.rollback();
            const One<int> sada = poseta_sql::verzija(sqlca, *poseta.rbr);
            return obavestenje(sada.value ? izmenjenaUMedjuvremenu() : obrisanaUMedjuvremenu());
        }
        ishod.rbr = *poseta.rbr;
        ishod.verzija = poseta.verzija + 1;
        poseta_sql::obrisiPolja(sqlca, ishod.rbr);
        if (!uspelo(sqlca))
            return odbijeno(sqlca, poseta);
    } else {
        const std::optional<int> rbr = poseta_sql::unesi(sqlca, poseta.rbrAdresar, poseta.datum,
                                                         poseta.brojProtokola, poseta.lekar);
        if (!rbr)
            return odbijeno(sqlca, poseta);
        ishod.rbr = *rbr;
        ishod.verzija = 1;
    }
    for (const poseta_sql::Polje& polje : bezPonovljenih(poseta.polja)) {
        poseta_sql::unesiPolje(sqlca, ishod.rbr, polje);
        if (!uspelo(sqlca))
            return odbijeno(sqlca, poseta);
    }
    poseta_sql::potvrdi(sqlca);
    if (!uspelo(sqlca))
        return odbijeno(sqlca, poseta);
    return ishod;
}

} // namespace poseta_upis
