#pragma once

class QWidget;

// Gives every control of the appointments page the name a screen reader reads. The calendars are
// named after the month they show when it changes (tab_zakazivanje::showmonth). Called once the
// page is built.
void nameAppointmentControls(QWidget* page);
