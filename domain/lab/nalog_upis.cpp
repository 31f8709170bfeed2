#include "domain/lab/nalog_upis.h"

#include "runtime/core/transaction.h"

#include <algorithm>

namespace nalog_upis {

namespace {

using nalog_sql::Stavka;

bool uspelo(const Transaction& sqlca) {
    return sqlca.sqlcode == Transaction::Success;
}

// Why an UPDATE of order rbr changed no row, read after the unit is rolled back.
Ishod nijeIzmenjen(Transaction& sqlca, int rbr) {
    sqlca.rollback();
    const Rows<nalog_sql::Zaglavlje> sada = nalog_sql::zaglavlje(sqlca, rbr);
    if (!sada.failed() && sada.rows.isEmpty())
        return Ishod::saObavestenjem(nestao());
    if (!sada.rows.isEmpty() && sada.rows.first().otkazan)
        return Ishod::saObavestenjem(otkazan());
    return Ishod::saObavestenjem(izmenjenUMedjuvremenu());
}

// After a refused statement: the unit is rolled back first, so no lock outlives the click and
// the reads that explain the refusal see what the other desks committed.
Ishod odbijeno(Transaction& sqlca, const Nalog& nalog) {
    const QString tekst = sqlca.sqlerrtext;
    sqlca.rollback();
    const Rows<nalog_sql::Pacijent> pacijent = nalog_sql::pacijent(sqlca, nalog.rbrAdresar);
    if (!pacijent.failed() && pacijent.rows.isEmpty())
        return Ishod::saObavestenjem(pacijentObrisan());
    if (nalog.rbr) {
        const Rows<nalog_sql::Zaglavlje> sada = nalog_sql::zaglavlje(sqlca, *nalog.rbr);
        if (!sada.rows.isEmpty() &&
            (sada.rows.first().verzija != nalog.verzija || sada.rows.first().otkazan))
            return nijeIzmenjen(sqlca, *nalog.rbr);
    }
    return Ishod::odbijenoUBazi(tekst);
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

// Brings the stored lines of order rbr to the order's analyses: false when a statement failed.
// Lines taken off the order go, unless they hold a result (they stay, off the bill); a line whose
// analysis is ordered again takes the new name and price.
bool uskladiStavke(Transaction& sqlca, int rbr, const QList<Stavka>& nove, bool& obrisano) {
    const Rows<Stavka> stare = nalog_sql::stavke(sqlca, rbr);
    if (stare.failed()) {
        sqlca.setFailure(stare.outcome.text);
        return false;
    }
    for (const Stavka& stara : stare.rows) {
        if (!stara.cena)
            continue;
        const bool ostaje = std::any_of(nove.begin(), nove.end(),
                                        [&](const Stavka& nova) { return nova.istiKljuc(stara); });
        if (ostaje)
            continue;
        if (stara.imaRezultat) {
            Stavka bezCene = stara;
            bezCene.cena.reset();
            nalog_sql::izmeniStavku(sqlca, bezCene);
        } else {
            nalog_sql::obrisiStavku(sqlca, stara.rbr);
            obrisano = true;
        }
        if (!uspelo(sqlca))
            return false;
    }
    for (const Stavka& nova : nove) {
        const auto stara = std::find_if(stare.rows.begin(), stare.rows.end(),
                                        [&](const Stavka& s) { return s.istiKljuc(nova); });
        if (stara != stare.rows.end()) {
            Stavka izmenjena = nova;
            izmenjena.rbr = stara->rbr;
            nalog_sql::izmeniStavku(sqlca, izmenjena);
            if (!uspelo(sqlca))
                return false;
        } else if (!nalog_sql::unesiStavku(sqlca, rbr, nova)) {
            return false;
        }
    }
    return true;
}

} // namespace

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

Ishod sacuvaj(Transaction& sqlca, const Nalog& nalog, const std::function<void()>& pred_upisom) {
    // Start from what other desks have committed up to now, never an older snapshot.
    sqlca.endReading();
    Nalog upis = nalog;
    // An order belongs to one patient's visit or to none: a visit of someone else is not named.
    if (upis.rbrPoseta) {
        const One<int> ciji = nalog_sql::pacijentPosete(sqlca, *upis.rbrPoseta);
        if (ciji.value != upis.rbrAdresar)
            upis.rbrPoseta.reset();
    }
    if (pred_upisom)
        pred_upisom();

    Ishod ishod;
    bool obrisano = false;
    if (upis.rbr) {
        nalog_sql::izmeni(sqlca, zaglavljeNaloga(upis));
        if (!uspelo(sqlca))
            return odbijeno(sqlca, upis);
        if (sqlca.sqlnrows == 0)
            return nijeIzmenjen(sqlca, *upis.rbr);
        ishod.rbr = *upis.rbr;
        ishod.verzija = upis.verzija + 1;
    } else {
        const std::optional<int> rbr = nalog_sql::unesi(sqlca, zaglavljeNaloga(upis));
        if (!rbr)
            return odbijeno(sqlca, upis);
        ishod.rbr = *rbr;
        ishod.verzija = 1;
    }
    if (!uskladiStavke(sqlca, ishod.rbr, upis.stavke, obrisano))
        return odbijeno(sqlca, upis);
    // A results window elsewhere may hold a line that is gone now: its save is told.
    if (obrisano) {
        nalog_sql::promeniVerzijuRezultata(sqlca, ishod.rbr);
        if (!uspelo(sqlca))
            return odbijeno(sqlca, upis);
    }
    nalog_sql::potvrdi(sqlca);
    if (!uspelo(sqlca))
        return odbijeno(sqlca, upis);
    return ishod;
}

Ishod otkazi(Transaction& sqlca, int rbr, int verzija, const std::function<void()>& pred_upisom) {
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();
    nalog_sql::otkazi(sqlca, rbr, verzija);
    if (uspelo(sqlca) && sqlca.sqlnrows == 0)
        return nijeIzmenjen(sqlca, rbr);
    if (uspelo(sqlca))
        nalog_sql::potvrdi(sqlca);
    if (!uspelo(sqlca)) {
        const Ishod ishod = Ishod::odbijenoUBazi(sqlca.sqlerrtext);
        sqlca.rollback();
        return ishod;
    }
    Ishod ishod;
    ishod.rbr = rbr;
    ishod.verzija = verzija + 1;
    return ishod;
}

} // namespace nalog_upis
