#include "ui/lab/tab_lab_analize_names.h"

#include "runtime/widgets/accessible_names.h"

#include <QWidget>

namespace {

struct Name {
    const char* control;
    const char* name;
};

constexpr Name Names[] = {
    {"pb_hemat_analize", "Hematologija"},
    {"pb_biohemija", "Biohemija"},
    {"pb_urin", "Urin"},
    {"pb_hemcen", "Hematologija cenovnik"},
    {"pb_biohcen", "Biohemija cenovnik"},
    {"pb_urincen", "Urin cenovnik"},
    {"em_ukupno_hem", "Hematologija ukupno"},
    {"em_ukupno_biohem", "Biohemija ukupno"},
    {"em_ukupno_urin", "Urin ukupno"},
};

} // namespace

void nameLaboratoryControls(QWidget* page) {
    for (const Name& entry : Names)
        nameControl(page, entry.control, QString::fromUtf8(entry.name));
    captionControl(page, "st_9", "em_svega_analize");
}

void nameOrderCommands(QWidget* row, QWidget* line) {
    // The captions are the lists' buddies; as a screen reader would read a list's chosen entry
    // alone, the names say what each list holds.
    captionControl(line, "st_lab_pacijent", "ddlb_lab_pacijent");
    captionControl(line, "st_nalozi", "ddlb_nalozi");
    nameControl(line, "ddlb_lab_pacijent", QStringLiteral("Pacijent naloga"));
    nameControl(line, "ddlb_nalozi", QStringLiteral("Nalozi pacijenta"));
    nameControl(row, "cb_sacuvaj_nalog", QStringLiteral("Sačuvaj nalog"));
    nameControl(row, "cb_rezultati", QStringLiteral("Rezultati"));
    nameControl(row, "cb_stampaj", QStringLiteral("Štampaj"));
    nameControl(line, "cb_nov_nalog", QStringLiteral("Nov nalog"));
    nameControl(line, "cb_otkazi_nalog", QStringLiteral("Otkaži nalog"));
}
