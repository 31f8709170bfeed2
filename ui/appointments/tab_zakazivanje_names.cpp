#include "ui/appointments/tab_zakazivanje_names.h"

#include "runtime/widgets/accessible_names.h"

#include <QGroupBox>
#include <QWidget>

void nameAppointmentControls(QWidget* page) {
    // The day sheet is the booking the frame's title names.
    nameAfterGroup(page, "gb_1", "dw_zakazivanje");
    nameControl(page, "lb_1", QStringLiteral("Zakazani pregledi"));
    // The arrows are glyphs; a reader says what a click on them does.
    nameControl(page, "st_4", QStringLiteral("Prethodni mesec"));
    nameControl(page, "st_2", QStringLiteral("Sledeći mesec"));
    // The doctor whose day the sheet shows; the buttons say what they do.
    nameControl(page, "ddlb_lekar", QStringLiteral("Lekar"));
}
