#pragma once

#include "domain/appointments/zakazivanje_upis.h"

class QWidget;

// Shows what came of a write of the appointments: the notice of a refusal, the database's text in
// a message box, nothing when it was written; over roditelj when a modal window is open. Returns
// whether it was written.
bool pokaziIshod(const zakazivanje_upis::Ishod& ishod, QWidget* roditelj = nullptr);
