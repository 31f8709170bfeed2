#pragma once

#include "domain/addressbook/adresar_unos.h"
#include "domain/common/ishod.h"

#include <QString>

#include <functional>

class Transaction;

// What "SAČUVAJ" and "OBRIŠI" do with an address-book entry, as plain functions over the
// transaction, each in one unit of work. They run the statements and return what came of them;
// the page shows the outcome (a notice, a message box, the question window) and updates the form.
namespace adresar_upis {

// Tries of a new entry's INSERT when other desks keep taking the key just read.
constexpr int NajvisePokusaja = 5;

// Shown when an update finds its row gone: another desk deleted the entry meanwhile.
QString obrisanUMedjuvremenu();

// Saves the form's entry: a new one (postojeciRbr 0) under the next free key, else over row
// postojeciRbr, with the status rbrStatus; value.rbr is the key written. Checks the names, the
// identity number's length and that no other entry carries the same number, then writes and
// commits. Anything that fails is rolled back, so the connection is ready for the next save. A
// largest key that could not be read does not stop the save: its text is value.upozorenje.
// pred_upisom runs after the reads and right before each INSERT or UPDATE: where another desk's
// write can fall between the two.
Result<Ishod> sacuvaj(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus,
                      const std::function<void()>& pred_upisom = {});

// As sacuvaj for a new entry, but its INSERT stays in the open unit for the caller's COMMIT or
// ROLLBACK: for a workflow that writes more in the same unit (a patient with the first visit).
Result<Ishod> upisiNovi(Transaction& sqlca, AdresarUnos unos, int rbrStatus);

// The question asked before a delete, and what the question window says when it failed.
QString pitanjeZaBrisanje();
QString neobrisano();
// Deletes the entry with key rbr once the user has said yes to pitanjeZaBrisanje(). A refused
// DELETE or COMMIT is rolled back; value.obavestenje then says why, when the entry still has
// bookings on the appointments page, visits kept at reception or laboratory orders.
Result<Ishod> obrisi(Transaction& sqlca, int rbr);

} // namespace adresar_upis
