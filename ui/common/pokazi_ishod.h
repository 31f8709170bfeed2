#pragma once

#include "domain/common/ishod.h"

class QWidget;

// What the desk sees of a save's outcome, for every page alike: a read that failed while the save
// went on first (a message box with an empty title and the database's text), then a refusal's
// notice in w_obavestenje (over the window nad, when the save ran from a modal one), or a refused
// write's text in a message box with an empty title followed by the notice that explains it, if
// any. True when it was written.
bool pokaziIshod(const Result<Ishod>& ishod, QWidget* nad = nullptr);
