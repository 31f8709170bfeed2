#include "ui/appointments/tab_zakazivanje.h"

tab_zakazivanje::tab_zakazivanje(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tab_zakazivanje"));
}

void tab_zakazivanje::highlight(QWidget* dwc_calendar) {
    Q_UNUSED(dwc_calendar)
}

void tab_zakazivanje::showmonth(QWidget* dwc_calendar) {
    Q_UNUSED(dwc_calendar)
}
