#include "domain/lab/rezultat_upis.h"

#include "domain/lab/nalog_upis.h"
#include "domain/lab/rezultat_sql.h"
#include "runtime/core/transaction.h"

#include <QHash>

namespace rezultat_upis {

namespace {

bool uspelo(const Transaction& sqlca) {
    return sqlca.sqlcode == Transaction::Success;
}

bool prazna(const QString& vrednost) {
    return vrednost.trimmed().isEmpty();
}

Ishod odbijeno(Transaction& sqlca) {
    const Ishod ishod = Ishod::odbijenoUBazi(sqlca.sqlerrtext);
    sqlca.rollback();
    return ishod;
}

// Why the version of the order's results could not be raised, read after the rollback.
Ishod nijeIzmenjeno(Transaction& sqlca, int rbrNalog) {
    sqlca.rollback();
    const Rows<nalog_sql::Zaglavlje> sada = nalog_sql::zaglavlje(sqlca, rbrNalog);
    if (!sada.failed() && sada.rows.isEmpty())
        return Ishod::saObavestenjem(nalog_upis::nestao());
    if (!sada.rows.isEmpty() && sada.rows.first().otkazan)
        return Ishod::saObavestenjem(nalog_upis::otkazan());
    return Ishod::saObavestenjem(izmenjeniUMedjuvremenu());
}

rezultat_sql::Rezultat rezultatLinije(const Linija& linija, int rbrStavka, const QDate& datum) {
    rezultat_sql::Rezultat r;
    r.rbrStavka = rbrStavka;
    r.vrednost = linija.vrednost;
    r.jedMere = linija.jedMere;
    r.pol = linija.pol;
    r.muski = linija.muski;
    r.zenski = linija.zenski;
    r.ocena = linija.ocena();
    r.datum = datum;
    return r;
}

} // namespace

ocena::Ocena Linija::ocena() const {
    return ocena::oceni(vrednost, pol, muski, zenski);
}

QString Linija::opseg() const {
    return ocena::opsegTekst(pol, muski, zenski);
}

Linija novaLinija(const nalazi_sql::analiza& analiza, ocena::Pol pol) {
    Linija linija;
    linija.stavka.grupa = analiza.grupa;
    linija.stavka.podgrupa = analiza.podgrupa;
    linija.stavka.rbrNalaza = analiza.rbr;
    linija.stavka.naziv = analiza.naziv;
    linija.jedMere = analiza.jed_mere;
    linija.muski = analiza.muski;
    linija.zenski = analiza.zenski;
    linija.pol = pol;
    return linija;
}

Ucitano ucitaj(Transaction& sqlca, int rbrNalog) {
    Ucitano ucitano;
    const auto neuspelo = [&ucitano](const ReadOutcome& outcome) {
        ucitano.neuspeh = outcome;
        return outcome.failed();
    };
    const Rows<nalog_sql::Zaglavlje> zaglavlje = nalog_sql::zaglavlje(sqlca, rbrNalog);
    if (neuspelo(zaglavlje.outcome))
        return ucitano;
    if (zaglavlje.rows.isEmpty()) {
        ucitano.obavestenje = QStringLiteral("Ovaj nalog više ne postoji.");
        return ucitano;
    }
    Nalog nalog;
    nalog.zaglavlje = zaglavlje.rows.first();
    const Rows<nalog_sql::Pacijent> pacijent =
        nalog_sql::pacijent(sqlca, nalog.zaglavlje.rbrAdresar);
    const Rows<nalog_sql::Stavka> stavke = nalog_sql::stavke(sqlca, rbrNalog);
    const Rows<rezultat_sql::Rezultat> rezultati = rezultat_sql::rezultatiNaloga(sqlca, rbrNalog);
    const Rows<nalazi_sql::analiza> katalog = nalazi_sql::katalog(sqlca);
    if (neuspelo(pacijent.outcome) || neuspelo(stavke.outcome) || neuspelo(rezultati.outcome) ||
        neuspelo(katalog.outcome))
        return ucitano;
    if (!pacijent.rows.isEmpty())
        nalog.pacijent = pacijent.rows.first();
    nalog.pol = ocena::polPacijenta(nalog.pacijent.pol, nalog.pacijent.mbr);
    nalog.katalog = katalog.rows;
    QHash<int, rezultat_sql::Rezultat> poStavci;
    for (const rezultat_sql::Rezultat& r : rezultati.rows)
        poStavci.insert(r.rbrStavka, r);
    for (const nalog_sql::Stavka& stavka : stavke.rows) {
        Linija linija;
        const auto rezultat = poStavci.constFind(stavka.rbr);
        if (rezultat != poStavci.constEnd()) {
            linija.vrednost = rezultat->vrednost;
            linija.jedMere = rezultat->jedMere;
            linija.muski = rezultat->muski;
            linija.zenski = rezultat->zenski;
            linija.pol = rezultat->pol;
            linija.datum = rezultat->datum;
        } else if (const auto analiza = nalazi_sql::nadji(nalog.katalog, stavka.grupa,
                                                          stavka.podgrupa, stavka.rbrNalaza)) {
            linija = novaLinija(*analiza, nalog.pol);
        } else {
            linija.pol = nalog.pol;
        }
        linija.stavka = stavka;
        nalog.linije << linija;
    }
    ucitano.nalog = nalog;
    return ucitano;
}

QString izmenjeniUMedjuvremenu() {
    return QStringLiteral("Rezultate ovog naloga je u međuvremenu sačuvao drugi korisnik. Vaši "
                          "rezultati nisu upisani: ostaju u prozoru, a sačuvane ćete videti kada "
                          "ga ponovo otvorite.");
}

Ishod sacuvaj(Transaction& sqlca, int rbrNalog, int verzijaRezultata, const QList<Linija>& linije,
              const QDate& danas, const std::function<void()>& pred_upisom) {
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();
    // The version first: it keeps the order's results to this desk until the commit.
    rezultat_sql::promeniVerziju(sqlca, rbrNalog, verzijaRezultata);
    if (!uspelo(sqlca))
        return odbijeno(sqlca);
    if (sqlca.sqlnrows == 0)
        return nijeIzmenjeno(sqlca, rbrNalog);
    const Rows<rezultat_sql::Rezultat> stari = rezultat_sql::rezultatiNaloga(sqlca, rbrNalog);
    if (stari.failed()) {
        sqlca.setFailure(stari.outcome.text);
        return odbijeno(sqlca);
    }
    QHash<int, rezultat_sql::Rezultat> sacuvani;
    for (const rezultat_sql::Rezultat& r : stari.rows)
        sacuvani.insert(r.rbrStavka, r);

    for (const Linija& linija : linije) {
        int rbrStavka = linija.stavka.rbr;
        if (rbrStavka == 0) {
            if (prazna(linija.vrednost))
                continue; // an analysis added without a value is not kept
            nalog_sql::Stavka stavka = linija.stavka;
            stavka.cena.reset();
            const std::optional<int> rbr = nalog_sql::unesiStavku(sqlca, rbrNalog, stavka);
            if (!rbr)
                return odbijeno(sqlca);
            rbrStavka = *rbr;
        }
        const auto sacuvan = sacuvani.constFind(rbrStavka);
        const bool imaSacuvan = sacuvan != sacuvani.constEnd();
        if (prazna(linija.vrednost) && imaSacuvan)
            rezultat_sql::obrisi(sqlca, rbrStavka);
        else if (!prazna(linija.vrednost) && !imaSacuvan)
            rezultat_sql::unesi(sqlca, rezultatLinije(linija, rbrStavka, danas));
        else if (!prazna(linija.vrednost) && sacuvan->vrednost != linija.vrednost)
            rezultat_sql::izmeni(sqlca, rezultatLinije(linija, rbrStavka, danas));
        else
            continue; // nothing to write for this line
        if (!uspelo(sqlca))
            return odbijeno(sqlca);
    }
    sqlca.commit();
    if (!uspelo(sqlca))
        return odbijeno(sqlca);
    Ishod ishod;
    ishod.rbr = rbrNalog;
    ishod.verzija = verzijaRezultata + 1;
    return ishod;
}

} // namespace rezultat_upis
