#include "domain/reception/poseta_upis.h"

#include "domain/addressbook/adresar_upis.h"
#include "domain/reception/poseta_datum.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"

#include <QHash>
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

namespace {

// The visit's writes in the open unit: its row, then only the fields that differ from the stored
// ones, so that the history keeps a value only where it really changed. None when a statement
// failed (the unit is left for the caller); an outcome other than Upisano when another desk saved
// or deleted the visit meanwhile (rolled back already).
std::optional<Ishod> upisi(Transaction& sqlca, const Poseta& poseta) {
    Ishod ishod;
    const QList<poseta_sql::Polje> polja = bezPonovljenih(poseta.polja);
    if (!poseta.rbr) {
        const std::optional<int> rbr = poseta_sql::unesi(sqlca, poseta.rbrAdresar, poseta.datum,
                                                         poseta.brojProtokola, poseta.lekar);
        if (!rbr)
            return std::nullopt;
        ishod.rbr = *rbr;
        ishod.verzija = 1;
        for (const poseta_sql::Polje& polje : polja) {
            poseta_sql::unesiPolje(sqlca, ishod.rbr, polje);
            if (!uspelo(sqlca))
                return std::nullopt;
        }
        return ishod;
    }

    // The stored fields as they are at the version read: the UPDATE below is written only while
    // the visit is still at that version, so no other desk's save falls between the two.
    const Rows<poseta_sql::Polje> sacuvana = poseta_sql::polja(sqlca, *poseta.rbr);
    if (sacuvana.failed()) {
        sqlca.setFailure(sacuvana.outcome.text);
        return std::nullopt;
    }
    poseta_sql::izmeni(sqlca, *poseta.rbr, poseta.verzija, poseta.rbrAdresar, poseta.datum,
                       poseta.brojProtokola, poseta.lekar);
    if (!uspelo(sqlca))
        return std::nullopt;
    if (sqlca.sqlnrows == 0) {
        sqlca.rollback();
        const One<int> sada = poseta_sql::verzija(sqlca, *poseta.rbr);
        return obavestenje(sada.value ? izmenjenaUMedjuvremenu() : obrisanaUMedjuvremenu());
    }
    ishod.rbr = *poseta.rbr;
    ishod.verzija = poseta.verzija + 1;
    QHash<QString, QString> staro;
    for (const poseta_sql::Polje& polje : sacuvana.rows)
        staro.insert(polje.polje, polje.vrednost);
    for (const poseta_sql::Polje& polje : polja) {
        const auto bilo = staro.constFind(polje.polje);
        if (bilo == staro.cend())
            poseta_sql::unesiPolje(sqlca, ishod.rbr, polje);
        else if (*bilo != polje.vrednost)
            poseta_sql::izmeniPolje(sqlca, ishod.rbr, polje);
        staro.remove(polje.polje);
        if (!uspelo(sqlca))
            return std::nullopt;
    }
    for (auto ostalo = staro.cbegin(); ostalo != staro.cend(); ++ostalo) {
        poseta_sql::obrisiPolje(sqlca, ishod.rbr, ostalo.key());
        if (!uspelo(sqlca))
            return std::nullopt;
    }
    return ishod;
}

Ishod neupisano(Transaction& sqlca) {
    Ishod ishod;
    ishod.kraj = Ishod::Kraj::Neupisano;
    ishod.tekstBaze = sqlca.sqlerrtext;
    sqlca.rollback();
    return ishod;
}

} // namespace

Ishod sacuvaj(Transaction& sqlca, const Poseta& poseta, const std::function<void()>& pred_upisom) {
    if (!poseta_datum::uGranicama(poseta.datum, Today()))
        return obavestenje(poseta_datum::vanGranica(Today()));
    // Start from what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();

    const std::optional<Ishod> ishod = upisi(sqlca, poseta);
    if (!ishod)
        return odbijeno(sqlca, poseta);
    if (ishod->kraj != Ishod::Kraj::Upisano)
        return *ishod;
    poseta_sql::potvrdi(sqlca);
    if (!uspelo(sqlca))
        return odbijeno(sqlca, poseta);
    return *ishod;
}

Ishod sacuvajSaPacijentom(Transaction& sqlca, const AdresarUnos& pacijent, int rbrStatus,
                          Poseta poseta) {
    if (!poseta_datum::uGranicama(poseta.datum, Today()))
        return obavestenje(poseta_datum::vanGranica(Today()));
    sqlca.endReading();
    const adresar_upis::IshodUpisa upisan = adresar_upis::upisiNovi(sqlca, pacijent, rbrStatus);
    switch (upisan.kraj) {
    case adresar_upis::IshodUpisa::Kraj::Obavestenje:
        return obavestenje(upisan.obavestenje);
    case adresar_upis::IshodUpisa::Kraj::Neupisano: {
        Ishod ishod;
        ishod.kraj = Ishod::Kraj::Neupisano;
        ishod.tekstBaze = upisan.tekstBaze;
        return ishod;
    }
    case adresar_upis::IshodUpisa::Kraj::Upisano:
        break;
    }
    poseta.rbr.reset();
    poseta.rbrAdresar = upisan.rbr;
    std::optional<Ishod> ishod = upisi(sqlca, poseta);
    if (!ishod)
        return neupisano(sqlca); // the entry goes with the visit
    poseta_sql::potvrdi(sqlca);
    if (!uspelo(sqlca))
        return neupisano(sqlca);
    ishod->rbrAdresar = upisan.rbr;
    return *ishod;
}

} // namespace poseta_upis
