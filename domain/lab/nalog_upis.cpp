#include "domain/lab/nalog_upis.h"

#include "runtime/core/transaction.h"

#include <algorithm>

namespace nalog_upis {

namespace {

using nalog_sql::Stavka;

Result<Ishod> nijeIzmenjen(Transaction& sqlca, int rbr) {
    sqlca.rollback();
    return ishod::obavestenje(zastoNijeIzmenjen(sqlca, rbr, izmenjenUMedjuvremenu()));
}

// Why the database refused, read after the rollback: the patient gone, or the order changed or
// cancelled by another desk; empty when none of these explains it.
QString zastoOdbijen(Transaction& sqlca, const Nalog& nalog) {
    const Result<QList<nalog_sql::Pacijent>> pacijent =
        nalog_sql::pacijent(sqlca, nalog.rbrAdresar);
    if (!pacijent.failed() && pacijent.value.isEmpty())
        return pacijentObrisan();
    if (nalog.rbr) {
        const Result<QList<nalog_sql::Zaglavlje>> sada = nalog_sql::zaglavlje(sqlca, *nalog.rbr);
        if (!sada.value.isEmpty() &&
            (sada.value.first().verzija != nalog.verzija || sada.value.first().otkazan))
            return zastoNijeIzmenjen(sqlca, *nalog.rbr, izmenjenUMedjuvremenu());
    }
    return {};
}

nalog_sql::Zaglavlje zaglavljeNaloga(const Nalog& nalog) {
    nalog_sql::Zaglavlje zaglavlje;
    zaglavlje.rbr = nalog.rbr.value_or(0);
    zaglavlje.rbrAdresar = nalog.rbrAdresar;
    zaglavlje.rbrPoseta = nalog.rbrPoseta;
    zaglavlje.datum = nalog.datum;
    zaglavlje.popust = nalog.popust;
    zaglavlje.cenaHem = nalog.cenaHem;
    zaglavlje.ukupnoHem = nalog.ukupnoHem;
    zaglavlje.ukupnoBiohem = nalog.ukupnoBiohem;
    zaglavlje.ukupnoUrin = nalog.ukupnoUrin;
    zaglavlje.svega = nalog.svega;
    zaglavlje.verzija = nalog.verzija;
    return zaglavlje;
}

// Brings the stored lines of order rbr to the order's analyses. Lines taken off the order go,
// unless they hold a result (they stay, off the bill); a line whose analysis is ordered again takes
// the new name and price. obrisano tells whether a line went.
Result<> uskladiStavke(Transaction& sqlca, int rbr, const QList<Stavka>& nove, bool& obrisano) {
    const Result<QList<Stavka>> stare = nalog_sql::stavke(sqlca, rbr);
    if (stare.failed())
        return stare.outcome();
    for (const Stavka& stara : stare.value) {
        if (!stara.cena)
            continue;
        const bool ostaje = std::any_of(nove.begin(), nove.end(),
                                        [&](const Stavka& nova) { return nova.istiKljuc(stara); });
        if (ostaje)
            continue;
        Result<> korak;
        if (stara.imaRezultat) {
            Stavka bezCene = stara;
            bezCene.cena.reset();
            korak = nalog_sql::izmeniStavku(sqlca, bezCene);
        } else {
            korak = nalog_sql::obrisiStavku(sqlca, stara.rbr);
            obrisano = true;
        }
        if (korak.failed())
            return korak;
    }
    for (const Stavka& nova : nove) {
        const auto stara = std::find_if(stare.value.begin(), stare.value.end(),
                                        [&](const Stavka& s) { return s.istiKljuc(nova); });
        Result<> korak;
        if (stara != stare.value.end()) {
            Stavka izmenjena = nova;
            izmenjena.rbr = stara->rbr;
            korak = nalog_sql::izmeniStavku(sqlca, izmenjena);
        } else {
            korak = nalog_sql::unesiStavku(sqlca, rbr, nova).outcome();
        }
        if (korak.failed())
            return korak;
    }
    return Result<>::done();
}

} // namespace

QString zastoNijeIzmenjen(Transaction& sqlca, int rbr, const QString& izmenjen) {
    const Result<QList<nalog_sql::Zaglavlje>> sada = nalog_sql::zaglavlje(sqlca, rbr);
    if (!sada.failed() && sada.value.isEmpty())
        return nestao();
    if (!sada.value.isEmpty() && sada.value.first().otkazan)
        return otkazan();
    return izmenjen;
}

QString izmenjenUMedjuvremenu() {
    return QStringLiteral("Ovaj nalog je u međuvremenu sačuvao drugi korisnik. Vaše izmene nisu "
                          "upisane: ostaju na strani, a sačuvani nalog možete ponovo otvoriti sa "
                          "spiska naloga.");
}

QString otkazan() {
    return QStringLiteral("Ovaj nalog je otkazan: izmene nisu upisane.");
}

QString nestao() {
    return QStringLiteral("Ovaj nalog više ne postoji: izmene nisu upisane.");
}

QString pacijentObrisan() {
    return QStringLiteral("Pacijent je u međuvremenu obrisan iz adresara: nalog nije upisan.");
}

QString bezPacijenta() {
    return QStringLiteral("Izaberite pacijenta za koga je nalog.");
}

QString pitanjeZaOtkazivanje() {
    return QStringLiteral("Da li želite da otkažete ovaj nalog? Otkazan nalog ostaje sačuvan.");
}

QString pitanjeZaCuvanje() {
    return QStringLiteral("Da li zelite da snimite promenjene podatke?");
}

Result<Ishod> sacuvaj(Transaction& sqlca, const Nalog& nalog,
                      const std::function<void()>& pred_upisom) {
    // Start from what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    Nalog upis = nalog;
    // An order belongs to one patient's visit or to none: a visit of someone else is not named.
    if (upis.rbrPoseta) {
        const Result<std::optional<int>> ciji = nalog_sql::pacijentPosete(sqlca, *upis.rbrPoseta);
        if (ciji.value != upis.rbrAdresar)
            upis.rbrPoseta.reset();
    }
    if (pred_upisom)
        pred_upisom();

    const auto zasto = [&] { return zastoOdbijen(sqlca, upis); };
    Result<Ishod> upisan;
    if (upis.rbr) {
        const Result<> izmenjen = nalog_sql::izmeni(sqlca, zaglavljeNaloga(upis));
        if (izmenjen.failed())
            return ishod::odbijeno(sqlca, izmenjen, zasto);
        if (izmenjen.sqlnrows == 0)
            return nijeIzmenjen(sqlca, *upis.rbr);
        upisan = ishod::upisano(*upis.rbr, upis.verzija + 1);
    } else {
        const Result<int> rbr = nalog_sql::unesi(sqlca, zaglavljeNaloga(upis));
        if (rbr.failed())
            return ishod::odbijeno(sqlca, rbr, zasto);
        upisan = ishod::upisano(rbr.value, 1);
    }
    bool obrisano = false;
    Result<> korak = uskladiStavke(sqlca, upisan.value.rbr, upis.stavke, obrisano);
    // A results window elsewhere may hold a line that is gone now: its save is told.
    if (korak.succeeded() && obrisano)
        korak = nalog_sql::promeniVerzijuRezultata(sqlca, upisan.value.rbr);
    if (korak.failed())
        return ishod::odbijeno(sqlca, korak, zasto);
    return ishod::potvrdi(sqlca, upisan, zasto);
}

Result<Ishod> otkazi(Transaction& sqlca, int rbr, int verzija,
                     const std::function<void()>& pred_upisom) {
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();
    const Result<> otkazan = nalog_sql::otkazi(sqlca, rbr, verzija);
    if (otkazan.failed())
        return ishod::odbijeno(sqlca, otkazan);
    if (otkazan.sqlnrows == 0)
        return nijeIzmenjen(sqlca, rbr);
    return ishod::potvrdi(sqlca, ishod::upisano(rbr, verzija + 1));
}

} // namespace nalog_upis
