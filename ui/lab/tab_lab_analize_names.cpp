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
