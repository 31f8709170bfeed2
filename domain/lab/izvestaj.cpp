#include "domain/lab/izvestaj.h"

#include "domain/reception/poseta_datum.h"
#include "domain/search/pravila.h"

namespace izvestaj {

namespace {

const QString NaslovNalaza = QStringLiteral("Laboratorijski nalaz");
const QString NaslovRacuna = QStringLiteral("Račun");

// The header, the patient and the order, common to both documents.
Dokument osnova(const QString& naslov, const rezultat_upis::Nalog& nalog,
                const ordinacija_sql::Ordinacija& ordinacija, const QDate& danas) {
    Dokument dokument;
    dokument.naslov = naslov;
    for (const QString& red : {ordinacija.naziv, ordinacija.adresa})
        if (!red.trimmed().isEmpty())
            dokument.ordinacija << red.trimmed();
    if (!ordinacija.telefon.trimmed().isEmpty())
        dokument.ordinacija << QStringLiteral("Telefon: ") + ordinacija.telefon.trimmed();

    const nalog_sql::Pacijent& pacijent = nalog.pacijent;
    dokument.podaci << Stavka{QStringLiteral("Pacijent"),
                              (pacijent.prezime + QLatin1Char(' ') + pacijent.ime).trimmed()};
    if (!pacijent.mbr.isEmpty())
        dokument.podaci << Stavka{QStringLiteral("Matični broj"), pacijent.mbr};
    if (const std::optional<QDate> rodjen = pretraga::datumRodjenja(pacijent.mbr))
        dokument.podaci << Stavka{QStringLiteral("Datum rođenja"), poseta_datum::prikazi(*rodjen)};
    QString broj = QString::number(nalog.zaglavlje.rbr);
    if (nalog.zaglavlje.otkazan)
        broj += QStringLiteral(" (otkazan)");
    dokument.podaci << Stavka{QStringLiteral("Nalog broj"), broj}
                    << Stavka{QStringLiteral("Datum naloga"),
                              poseta_datum::prikazi(nalog.zaglavlje.datum)};
    dokument.odstampano = QStringLiteral("Datum štampe: ") + poseta_datum::prikazi(danas);
    return dokument;
}

QString iznos(Decimal iznos) {
    return iznos.toString(2);
}

} // namespace

Dokument nalaz(const rezultat_upis::Nalog& nalog, const ordinacija_sql::Ordinacija& ordinacija,
               const QDate& danas) {
    Dokument dokument = osnova(NaslovNalaza, nalog, ordinacija, danas);
    if (nalog.pol == ocena::Pol::Nepoznat)
        dokument.podaci << Stavka{QStringLiteral("Pol"), QStringLiteral("nepoznat")};
    dokument.kolone = {QStringLiteral("Analiza"), QStringLiteral("Rezultat"),
                       QStringLiteral("Jedinica"), QStringLiteral("Referentne vrednosti"),
                       QString()};
    dokument.brojevi = {1};
    dokument.oznake = 4;
    for (const rezultat_upis::Linija& linija : nalog.linije)
        dokument.redovi << QStringList{linija.stavka.naziv, linija.vrednost, linija.jedMere,
                                       linija.opseg(), ocena::oznaka(linija.ocena())};
    if (dokument.redovi.isEmpty())
        dokument.napomena = QStringLiteral("Nalog nema analiza.");
    else if (nalog.zaglavlje.otkazan)
        dokument.napomena = QStringLiteral("Nalog je otkazan.");
    return dokument;
}

Dokument racun(const rezultat_upis::Nalog& nalog, const ordinacija_sql::Ordinacija& ordinacija,
               const QDate& danas) {
    Dokument dokument = osnova(NaslovRacuna, nalog, ordinacija, danas);
    dokument.kolone = {QStringLiteral("Analiza"), QStringLiteral("Cena")};
    dokument.brojevi = {1};
    for (const rezultat_upis::Linija& linija : nalog.linije)
        if (linija.stavka.cena)
            dokument.redovi << QStringList{linija.stavka.naziv, iznos(*linija.stavka.cena)};
    const nalog_sql::Zaglavlje& z = nalog.zaglavlje;
    if (z.cenaHem)
        dokument.zbirovi << Stavka{QStringLiteral("Ukupna cena"), iznos(*z.cenaHem)};
    if (!z.popust.isEmpty())
        dokument.zbirovi << Stavka{QStringLiteral("Popust"), z.popust + QStringLiteral(" %")};
    dokument.zbirovi << Stavka{QStringLiteral("Hematologija"), iznos(z.ukupnoHem)}
                     << Stavka{QStringLiteral("Biohemija"), iznos(z.ukupnoBiohem)}
                     << Stavka{QStringLiteral("Urin"), iznos(z.ukupnoUrin)}
                     << Stavka{QStringLiteral("Svega za naplatu"), iznos(z.svega)};
    if (z.otkazan)
        dokument.napomena = QStringLiteral("Nalog je otkazan.");
    return dokument;
}

} // namespace izvestaj
