#include "domain/reception/polja_posete.h"

namespace polja_posete {

namespace {

using S = Strana;

// Keys as visits have always been stored: today each is its control's name.
constexpr Polje Polja[] = {
    {"sle_datum", "sle_datum", S::Zaglavlje, "Datum"},
    {"sle_lekar", "sle_lekar", S::Zaglavlje, "Lekar"},
    {"sle_broj_protokola", "sle_broj_protokola", S::Zaglavlje, "Broj protokola"},
    {"sle_broj_ulice", "sle_broj_ulice", S::Zaglavlje, "Broj"},
    {"sle_grad", "sle_grad", S::Zaglavlje, "Grad"},
    {"sle_4", "sle_4", S::Zaglavlje, "Prezime"},
    {"sle_ime", "sle_ime", S::Zaglavlje, "Ime"},
    {"sle_adresa", "sle_adresa", S::Zaglavlje, "Poštanski broj"},
    {"sle_ulica", "sle_ulica", S::Zaglavlje, "Ulica"},
    {"sle_mb", "sle_mb", S::Zaglavlje, "Matični broj"},
    {"sle_starost", "sle_starost", S::Generalije, "Godine starosti"},
    {"sle_visina", "sle_visina", S::Generalije, "Visina (cm)"},
    {"sle_tezina", "sle_tezina", S::Generalije, "Težina (kg)"},
    {"mle_skolska_sprema", "mle_skolska_sprema", S::Generalije, "Školska sprema-Zanimanje"},
    {"uo_3.cbx_da", "uo_3.cbx_da", S::Generalije, "Zaposlen: Da"},
    {"uo_3.cbx_ne", "uo_3.cbx_ne", S::Generalije, "Zaposlen: Ne"},
    {"sle_radni_staz", "sle_radni_staz", S::Generalije, "Radni staž"},
    {"mle_radna_organizacija", "mle_radna_organizacija", S::Generalije, "Naziv radne organizacije"},
    {"mle_maligna_o", "mle_maligna_o", S::PorodicnaAnamneza, "Maligna oboljenja",
     pretraga::Polje::PorodicnaAnamneza},
    {"mle_hipertenzija", "mle_hipertenzija", S::PorodicnaAnamneza, "Hipertenzija (porodica)",
     pretraga::Polje::PorodicnaAnamneza},
    {"mle_gojaznost", "mle_gojaznost", S::PorodicnaAnamneza, "Gojaznost (porodica)",
     pretraga::Polje::PorodicnaAnamneza},
    {"mle_apopleksija", "mle_apopleksija", S::PorodicnaAnamneza, "Apopleksija",
     pretraga::Polje::PorodicnaAnamneza},
    {"mle_bolesti_kvs", "mle_bolesti_kvs", S::PorodicnaAnamneza, "Bolesti KVS",
     pretraga::Polje::PorodicnaAnamneza},
    {"mle_dijabetis", "mle_dijabetis", S::PorodicnaAnamneza, "Dijabetis mellitus (porodica)",
     pretraga::Polje::PorodicnaAnamneza},
    {"mle_napomene", "mle_napomene", S::LicnaAnamneza, "Napomene", pretraga::Polje::LicnaAnamneza},
    {"mle_oks", "mle_oks", S::LicnaAnamneza, "Oboljenja kičmenog stuba i lokomotornog aparata",
     pretraga::Polje::LicnaAnamneza},
    {"mle_obes", "mle_obes", S::LicnaAnamneza, "Ostala oboljenja endokrinog sistema",
     pretraga::Polje::LicnaAnamneza},
    {"mle_hiper", "mle_hiper", S::LicnaAnamneza, "Hipertenzija", pretraga::Polje::LicnaAnamneza},
    {"mle_dokvs", "mle_dokvs", S::LicnaAnamneza, "Degenerativna oboljenja KVS",
     pretraga::Polje::LicnaAnamneza},
    {"uo_gastroenteritis.cbx_da", "uo_gastroenteritis.cbx_da", S::LicnaAnamneza,
     "Gastroenetritis: Da"},
    {"uo_gastroenteritis.cbx_ne", "uo_gastroenteritis.cbx_ne", S::LicnaAnamneza,
     "Gastroenetritis: Ne"},
    {"uo_gastroenteritis.sle_opis", "uo_gastroenteritis.sle_opis", S::LicnaAnamneza,
     "Gastroenetritis: opis", pretraga::Polje::LicnaAnamneza},
    {"uo_opstipacija.cbx_da", "uo_opstipacija.cbx_da", S::LicnaAnamneza, "Opstipacija: Da"},
    {"uo_opstipacija.cbx_ne", "uo_opstipacija.cbx_ne", S::LicnaAnamneza, "Opstipacija: Ne"},
    {"uo_opstipacija.sle_opis", "uo_opstipacija.sle_opis", S::LicnaAnamneza, "Opstipacija: opis",
     pretraga::Polje::LicnaAnamneza},
    {"uo_ulkus.cbx_da", "uo_ulkus.cbx_da", S::LicnaAnamneza, "Ulkusna bolest: Da"},
    {"uo_ulkus.cbx_ne", "uo_ulkus.cbx_ne", S::LicnaAnamneza, "Ulkusna bolest: Ne"},
    {"uo_ulkus.sle_opis", "uo_ulkus.sle_opis", S::LicnaAnamneza, "Ulkusna bolest: opis",
     pretraga::Polje::LicnaAnamneza},
    {"uo_zucni_putevi.cbx_da", "uo_zucni_putevi.cbx_da", S::LicnaAnamneza,
     "Oboljenje žučnih puteva: Da"},
    {"uo_zucni_putevi.cbx_ne", "uo_zucni_putevi.cbx_ne", S::LicnaAnamneza,
     "Oboljenje žučnih puteva: Ne"},
    {"uo_zucni_putevi.sle_opis", "uo_zucni_putevi.sle_opis", S::LicnaAnamneza,
     "Oboljenje žučnih puteva: opis", pretraga::Polje::LicnaAnamneza},
    {"uo_jetra.cbx_da", "uo_jetra.cbx_da", S::LicnaAnamneza, "Oboljenje jetre: Da"},
    {"uo_jetra.cbx_ne", "uo_jetra.cbx_ne", S::LicnaAnamneza, "Oboljenje jetre: Ne"},
    {"uo_jetra.sle_opis", "uo_jetra.sle_opis", S::LicnaAnamneza, "Oboljenje jetre: opis",
     pretraga::Polje::LicnaAnamneza},
    {"uo_diabetes.cbx_da", "uo_diabetes.cbx_da", S::LicnaAnamneza, "Diabetes mellitus: Da"},
    {"uo_diabetes.cbx_ne", "uo_diabetes.cbx_ne", S::LicnaAnamneza, "Diabetes mellitus: Ne"},
    {"uo_diabetes.sle_opis", "uo_diabetes.sle_opis", S::LicnaAnamneza, "Diabetes mellitus: opis",
     pretraga::Polje::LicnaAnamneza},
    {"uo_anemija.cbx_da", "uo_anemija.cbx_da", S::LicnaAnamneza, "Anemija: Da"},
    {"uo_anemija.cbx_ne", "uo_anemija.cbx_ne", S::LicnaAnamneza, "Anemija: Ne"},
    {"uo_anemija.sle_opis", "uo_anemija.sle_opis", S::LicnaAnamneza, "Anemija: opis",
     pretraga::Polje::LicnaAnamneza},
    {"mle_pusenje", "mle_pusenje", S::Navike, "Pušenje", pretraga::Polje::Navike},
    {"mle_alkohol", "mle_alkohol", S::Navike, "Alkohol", pretraga::Polje::Navike},
    {"ddlb_fiz_aktivnost", "ddlb_fiz_aktivnost", S::Navike, "Fizička aktivnost",
     pretraga::Polje::Navike},
    {"sle_br_obroka", "sle_br_obroka", S::Navike, "Broj obroka", pretraga::Polje::Navike},
    {"sle_hrana_izbor", "sle_hrana_izbor", S::Navike, "Izbor namirnica", pretraga::Polje::Navike},
    {"sle_hrana_priprema", "sle_hrana_priprema", S::Navike, "Način pripremanja",
     pretraga::Polje::Navike},
    {"mle_radnadiag", "mle_radnadiag", S::Dijagnoza, "Radna dijagnoza", pretraga::Polje::Dg},
    {"mle_kontrola_napomene", "mle_kontrola_napomene", S::Kontrola, "Kontrola: napomene"},
    {"sle_datum_kontrole", "sle_datum_kontrole", S::Kontrola, "Datum kontrole"},
};

// A visit's own columns, as the history names them.
struct Kolona {
    const char* kolona;
    const char* naziv;
};
constexpr Kolona Kolone[] = {
    {"datum", "Datum"},
    {"broj_protokola", "Broj protokola"},
    {"lekar", "Lekar"},
    {"rbr_adresar", "Pacijent (broj u adresaru)"},
};

} // namespace

std::span<const Polje> sva() {
    return Polja;
}

const Polje* poKljucu(const QString& kljuc) {
    for (const Polje& polje : Polja)
        if (kljuc == QLatin1String(polje.kljuc))
            return &polje;
    return nullptr;
}

const Polje* poKontroli(const QString& kontrola) {
    for (const Polje& polje : Polja)
        if (kontrola == QLatin1String(polje.kontrola))
            return &polje;
    return nullptr;
}

QStringList kljuceviPretrage(pretraga::Polje trazeno) {
    QStringList kljucevi;
    for (const Polje& polje : Polja)
        if (polje.pretraga == trazeno)
            kljucevi << QString::fromLatin1(polje.kljuc);
    return kljucevi;
}

QString naziv(const QString& kljuc) {
    if (const Polje* polje = poKljucu(kljuc))
        return QString::fromUtf8(polje->naziv);
    for (const Kolona& kolona : Kolone)
        if (kljuc == QLatin1String(kolona.kolona))
            return QString::fromUtf8(kolona.naziv);
    return kljuc;
}

} // namespace polja_posete
