#pragma once

#include "domain/lab/ishod.h"

class QWidget;

// What the desk sees of a save's outcome: a refusal's notice in w_obavestenje (over the modal
// window `nad` when the save ran in one), the database's text in a message box. True when it was
// written.
bool prikaziIshod(const lab::Ishod& ishod, QWidget* nad = nullptr);
