#include "ui/reception/tab_prijem_names.h"

#include "runtime/widgets/accessible_names.h"

#include <QGroupBox>
#include <QWidget>

namespace {

struct Pair {
    const char* first;
    const char* second;
};

// Caption, field: the caption stands beside its field on the form.
constexpr Pair Captions[] = {
    {"st_ime", "sle_ime"},
    {"st_prezime", "sle_4"},
    {"st_mb", "sle_mb"},
    {"st_pbroj", "sle_adresa"},
    {"st_ulica", "sle_ulica"},
    {"st_broj_ulice", "sle_broj_ulice"},
    {"st_grad", "sle_grad"},
    {"st_broj_protokola", "sle_broj_protokola"},
    {"st_datum", "sle_datum"},
    {"st_lekar", "sle_lekar"},
    {"st_sarost", "sle_starost"},
    {"st_visina", "sle_visina"},
    {"st_tezina", "sle_tezina"},
    {"st_sprema", "mle_skolska_sprema"},
    {"st_radni_staz", "sle_radni_staz"},
    {"st_imefirme", "mle_radna_organizacija"},
    {"st_br_obroka", "sle_br_obroka"},
    {"st_hrana_izbor", "sle_hrana_izbor"},
    {"st_harana_priprema", "sle_hrana_priprema"},
    {"st_kontrola_napomene", "mle_kontrola_napomene"},
    {"st_nalazi", "dw_nalazi"},
    {"st_kontrola_datum", "sle_datum_kontrole"},
};

// Group box, field: the box's title is the only caption the field has.
constexpr Pair Framed[] = {
    {"gb_maligna_o", "mle_maligna_o"},
    {"gb_hipertenzija", "mle_hipertenzija"},
    {"gb_gojaznost", "mle_gojaznost"},
    {"gb_apopleksija", "mle_apopleksija"},
    {"gb_bolesti_kvs", "mle_bolesti_kvs"},
    {"gb_dijabetis", "mle_dijabetis"},
    {"gb_napomene", "mle_napomene"},
    {"gb_oks", "mle_oks"},
    {"gb_obes", "mle_obes"},
    {"gb_hipertenzijala", "mle_hiper"},
    {"gb_dokvs", "mle_dokvs"},
    {"gb_pusenje", "mle_pusenje"},
    {"gb_alkohol", "mle_alkohol"},
    {"gb_fiz_aktivnost", "ddlb_fiz_aktivnost"},
};

// Group box, yes/no object: the title is the question the pair answers.
constexpr Pair Questions[] = {
    {"gb_ulkusna_bolest", "uo_ulkus"},
    {"gb_ozp", "uo_zucni_putevi"},
    {"gb_oboljenje_jetre", "uo_jetra"},
    {"gb_diabetes_mellitus_la", "uo_diabetes"},
    {"gb_gastroenetritis", "uo_gastroenteritis"},
    {"gb_opstipacija", "uo_opstipacija"},
    {"gb_anemija", "uo_anemija"},
};

// "Maligna oboljenja: Da", "...: Ne" and, with a description, "...: opis".
void nameToggle(QWidget* toggle, const QString& question) {
    if (!toggle)
        return;
    const QString prefix = spokenCaption(question) + QStringLiteral(": ");
    nameControl(namedChild(toggle, "cbx_da"), prefix + QStringLiteral("Da"));
    nameControl(namedChild(toggle, "cbx_ne"), prefix + QStringLiteral("Ne"));
    if (auto* opis = toggle->findChild<QWidget*>(QStringLiteral("sle_opis")))
        nameControl(opis, prefix + QStringLiteral("opis"));
}

} // namespace

void nameReceptionControls(QWidget* page) {
    for (const Pair& pair : Captions)
        captionControl(page, pair.first, pair.second);
    for (const Pair& pair : Framed)
        nameAfterGroup(page, pair.first, pair.second);
    for (const Pair& pair : Questions)
        if (auto* box = qobject_cast<QGroupBox*>(namedChild(page, pair.first)))
            nameToggle(namedChild(page, pair.second), box->title());
    // The employment pair stands after its caption, not in a box.
    nameToggle(namedChild(page, "uo_3"), QStringLiteral("Zaposlen"));
    // The pages with one control are named by their tab.
    nameControl(page, "dw_afn", QStringLiteral("Antropometrijsko-funkcionalni nalaz"));
    nameControl(page, "mle_radnadiag", QStringLiteral("Dijagnoza"));
    nameControl(page, "tab_2a", QStringLiteral("Prijem"));
}
