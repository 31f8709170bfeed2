#include "domain/lab/rezultat_upis.h"

#include "domain/lab/nalog_upis.h"
#include "domain/lab/rezultat_sql.h"
#include "runtime/core/transaction.h"

#include <QHash>

namespace rezultat_upis {

namespace {

bool prazna(const QString& vrednost) {
    return vrednost.trimmed().isEmpty();
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

Result<Ucitano> ucitaj(Transaction& sqlca, int rbrNalog) {
    Ucitano ucitano;
    const Result<QList<nalog_sql::Zaglavlje>> zaglavlje = nalog_sql::zaglavlje(sqlca, rbrNalog);
    if (zaglavlje.failed())
        return zaglavlje.outcome();
    if (zaglavlje.value.isEmpty()) {
        ucitano.obavestenje = QStringLiteral("Ovaj nalog više ne postoji.");
        return {zaglavlje.outcome(), ucitano};
    }
    Nalog nalog;
    nalog.zaglavlje = zaglavlje.value.first();
    const Result<QList<nalog_sql::Pacijent>> pacijent =
        nalog_sql::pacijent(sqlca, nalog.zaglavlje.rbrAdresar);
    const Result<QList<nalog_sql::Stavka>> stavke = nalog_sql::stavke(sqlca, rbrNalog);
    const Result<QList<rezultat_sql::Rezultat>> rezultati =
        rezultat_sql::rezultatiNaloga(sqlca, rbrNalog);
    const Result<QList<nalazi_sql::analiza>> katalog = nalazi_sql::katalog(sqlca);
    for (const Result<>* procitano :
         std::initializer_list<const Result<>*>{&pacijent, &stavke, &rezultati, &katalog})
        if (procitano->failed())
            return *procitano;
    if (!pacijent.value.isEmpty())
        nalog.pacijent = pacijent.value.first();
    nalog.pol = ocena::polPacijenta(nalog.pacijent.pol, nalog.pacijent.mbr);
    nalog.katalog = katalog.value;
    QHash<int, rezultat_sql::Rezultat> poStavci;
    for (const rezultat_sql::Rezultat& r : rezultati.value)
        poStavci.insert(r.rbrStavka, r);
    for (const nalog_sql::Stavka& stavka : stavke.value) {
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
    return {katalog.outcome(), ucitano};
}

QString izmenjeniUMedjuvremenu() {
    return QStringLiteral("Rezultate ovog naloga je u međuvremenu sačuvao drugi korisnik. Vaši "
                          "rezultati nisu upisani: ostaju u prozoru, a sačuvane ćete videti kada "
                          "ga ponovo otvorite.");
}

Result<Ishod> sacuvaj(Transaction& sqlca, int rbrNalog, int verzijaRezultata,
                      const QList<Linija>& linije, const QDate& danas,
                      const std::function<void()>& pred_upisom) {
    sqlca.endReading();
    if (pred_upisom)
        pred_upisom();
    // The version first: it keeps the order's results to this desk until the commit.
    const Result<> verzija = rezultat_sql::promeniVerziju(sqlca, rbrNalog, verzijaRezultata);
    if (verzija.failed())
        return ishod::odbijeno(sqlca, verzija);
    if (verzija.sqlnrows == 0) {
        sqlca.rollback();
        return ishod::obavestenje(
            nalog_upis::zastoNijeIzmenjen(sqlca, rbrNalog, izmenjeniUMedjuvremenu()));
    }
    const Result<QList<rezultat_sql::Rezultat>> stari =
        rezultat_sql::rezultatiNaloga(sqlca, rbrNalog);
    if (stari.failed())
        return ishod::odbijeno(sqlca, stari);
    QHash<int, rezultat_sql::Rezultat> sacuvani;
    for (const rezultat_sql::Rezultat& r : stari.value)
        sacuvani.insert(r.rbrStavka, r);

    for (const Linija& linija : linije) {
        int rbrStavka = linija.stavka.rbr;
        if (rbrStavka == 0) {
            if (prazna(linija.vrednost))
                continue; // an analysis added without a value is not kept
            nalog_sql::Stavka stavka = linija.stavka;
            stavka.cena.reset();
            const Result<int> rbr = nalog_sql::unesiStavku(sqlca, rbrNalog, stavka);
            if (rbr.failed())
                return ishod::odbijeno(sqlca, rbr);
            rbrStavka = rbr.value;
        }
        const auto sacuvan = sacuvani.constFind(rbrStavka);
        const bool imaSacuvan = sacuvan != sacuvani.constEnd();
        Result<> upisan;
        if (prazna(linija.vrednost) && imaSacuvan)
            upisan = rezultat_sql::obrisi(sqlca, rbrStavka);
        else if (!prazna(linija.vrednost) && !imaSacuvan)
            upisan = rezultat_sql::unesi(sqlca, rezultatLinije(linija, rbrStavka, danas));
        else if (!prazna(linija.vrednost) && sacuvan->vrednost != linija.vrednost)
            upisan = rezultat_sql::izmeni(sqlca, rezultatLinije(linija, rbrStavka, danas));
        if (upisan.failed())
            return ishod::odbijeno(sqlca, upisan);
    }
    return ishod::potvrdi(sqlca, ishod::upisano(rbrNalog, verzijaRezultata + 1));
}

} // namespace rezultat_upis
