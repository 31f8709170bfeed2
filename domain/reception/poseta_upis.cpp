#include "domain/reception/poseta_upis.h"

#include "domain/addressbook/adresar_sql.h"
#include "domain/addressbook/adresar_upis.h"
#include "domain/reception/poseta_datum.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"

#include <QHash>
#include <QSet>

namespace poseta_upis {

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

// Why the database refused, read after the rollback: the patient or the visit gone, or saved by
// another desk since it was read; empty when none of these explains it.
QString zastoOdbijena(Transaction& sqlca, const Poseta& poseta) {
    if (adresar_sql::nestao(sqlca, poseta.rbrAdresar).value)
        return pacijentObrisan();
    if (poseta.rbr) {
        const Result<std::optional<int>> sada = poseta_sql::verzija(sqlca, *poseta.rbr);
        if (!sada.failed() && !sada.value)
            return obrisanaUMedjuvremenu();
        if (sada.value && *sada.value != poseta.verzija)
            return izmenjenaUMedjuvremenu();
    }
    return {};
}

// The visit's writes in the open unit: its row, then only the fields that differ from the stored
// ones, so that the history keeps a value only where it really changed. A failure leaves the unit
// to the caller; a notice when another desk saved or deleted the visit meanwhile (rolled back
// already).
Result<Ishod> upisi(Transaction& sqlca, const Poseta& poseta) {
    const QList<poseta_sql::Polje> polja = bezPonovljenih(poseta.polja);
    if (!poseta.rbr) {
        const Result<int> rbr = poseta_sql::unesi(sqlca, poseta.rbrAdresar, poseta.datum,
                                                  poseta.brojProtokola, poseta.lekar);
        if (rbr.failed())
            return rbr.outcome();
        for (const poseta_sql::Polje& polje : polja)
            if (const Result<> upisano = poseta_sql::unesiPolje(sqlca, rbr.value, polje);
                upisano.failed())
                return upisano;
        return ishod::upisano(rbr.value, 1);
    }

    // The stored fields as they are at the version read: the UPDATE below is written only while
    // the visit is still at that version, so no other desk's save falls between the two.
    const Result<QList<poseta_sql::Polje>> sacuvana = poseta_sql::polja(sqlca, *poseta.rbr);
    if (sacuvana.failed())
        return sacuvana.outcome();
    const Result<> izmenjena =
        poseta_sql::izmeni(sqlca, *poseta.rbr, poseta.verzija, poseta.rbrAdresar, poseta.datum,
                           poseta.brojProtokola, poseta.lekar);
    if (izmenjena.failed())
        return izmenjena;
    if (izmenjena.sqlnrows == 0) {
        sqlca.rollback();
        const Result<std::optional<int>> sada = poseta_sql::verzija(sqlca, *poseta.rbr);
        return ishod::obavestenje(sada.value ? izmenjenaUMedjuvremenu() : obrisanaUMedjuvremenu());
    }
    const int rbr = *poseta.rbr;
    QHash<QString, QString> staro;
    for (const poseta_sql::Polje& polje : sacuvana.value)
        staro.insert(polje.polje, polje.vrednost);
    for (const poseta_sql::Polje& polje : polja) {
        const auto bilo = staro.constFind(polje.polje);
        Result<> upisano;
        if (bilo == staro.cend())
            upisano = poseta_sql::unesiPolje(sqlca, rbr, polje);
        else if (*bilo != polje.vrednost)
            upisano = poseta_sql::izmeniPolje(sqlca, rbr, polje);
        staro.remove(polje.polje);
        if (upisano.failed())
            return upisano;
    }
    for (auto ostalo = staro.cbegin(); ostalo != staro.cend(); ++ostalo)
        if (const Result<> obrisano = poseta_sql::obrisiPolje(sqlca, rbr, ostalo.key());
            obrisano.failed())
            return obrisano;
    return ishod::upisano(rbr, poseta.verzija + 1);
}

// A patient not yet in the address book and the first visit, in the one unit: the entry is written
// as the address book writes a new one, then the visit for it; a failure of either takes both.
Result<Ishod> sacuvajSaPacijentom(Transaction& sqlca, const AdresarUnos& pacijent, Poseta poseta) {
    const Result<std::optional<int>> status =
        adresar_sql::rbrStatusa(sqlca, QStringLiteral("Pacijent"));
    if (status.failed())
        return status.outcome();
    const Result<Ishod> upisan = adresar_upis::upisiNovi(sqlca, pacijent, status.value.value_or(0));
    if (upisan.failed() || !upisan.value.obavestenje.isEmpty())
        return upisan; // nothing written, the unit rolled back
    poseta.rbr.reset();
    poseta.rbrAdresar = upisan.value.rbr;
    Result<Ishod> upisana = upisi(sqlca, poseta);
    if (upisana.failed())
        return ishod::odbijeno(sqlca, upisana); // the entry goes with the visit
    upisana.value.rbrAdresar = upisan.value.rbr;
    return ishod::potvrdi(sqlca, upisana);
}

} // namespace

Result<Ishod> sacuvaj(Transaction& sqlca, const Poseta& poseta,
                      const std::optional<AdresarUnos>& noviPacijent,
                      const std::function<void()>& pred_upisom) {
    if (!poseta_datum::uGranicama(poseta.datum, Today()))
        return ishod::obavestenje(poseta_datum::vanGranica(Today()));
    // Start from what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();
    if (noviPacijent)
        return sacuvajSaPacijentom(sqlca, *noviPacijent, poseta);

    const auto zasto = [&] { return zastoOdbijena(sqlca, poseta); };
    const Result<Ishod> upisana = upisi(sqlca, poseta);
    if (upisana.failed())
        return ishod::odbijeno(sqlca, upisana, zasto);
    if (!upisana.value.obavestenje.isEmpty())
        return upisana;
    return ishod::potvrdi(sqlca, upisana, zasto);
}

} // namespace poseta_upis
