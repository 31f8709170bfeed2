#pragma once

#include "domain/common/ishod.h"

#include <QString>

class Transaction;

// What adding, renaming and removing a doctor do, each in one unit of work. A name is unique
// (the database says so); a doctor with bookings, and the practice's last doctor, stay.
namespace lekar_upis {

Result<Ishod> dodaj(Transaction& sqlca, const QString& naziv);
Result<Ishod> preimenuj(Transaction& sqlca, int rbr, const QString& naziv);
Result<Ishod> obrisi(Transaction& sqlca, int rbr);

} // namespace lekar_upis
