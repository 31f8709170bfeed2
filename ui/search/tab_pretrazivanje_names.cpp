#include "ui/search/tab_pretrazivanje_names.h"

#include "runtime/widgets/accessible_names.h"

#include <QWidget>

namespace {

struct Pair {
    const char* caption;
    const char* control;
};

constexpr Pair PanelCaptions[] = {
    {"st_od", "pocetna_godina"},
    {"st_do", "krajnja_godina"},
    {"st_opseg", "opseg_za_prikazivanje"},
    {"opsti_podaci_1", "ddlb_opsti_podaci"},
    {"opsti_podaci_2", "ddlb_2"},
    {"opsti_podaci_3", "ddlb_anmneza"},
    {"st_vrednost", "ddlb_3"},
};

constexpr const char* Panels[] = {"uo_2", "uo_4", "uo_5", "uo_6"};

} // namespace

void nameSearchControls(QWidget* page) {
    for (int i = 0; i < 4; ++i) {
        QWidget* panel = namedChild(page, Panels[i]);
        const QString prefix = QStringLiteral("Kriterijum %1: ").arg(i + 1);
        for (const Pair& pair : PanelCaptions)
            captionControl(panel, pair.caption, pair.control, prefix);
        nameControl(panel, "sle_1", prefix + QStringLiteral("tekst"));
    }
    // A connector joins the panel beside it to the one above.
    for (int i = 1; i <= 3; ++i)
        nameControl(page, qPrintable(QStringLiteral("ddlb_lk%1").arg(i)),
                    QStringLiteral("Veza kriterijuma %1 i %2").arg(i).arg(i + 1));
}
