#pragma once

#include "domain/addressbook/adresar_unos.h"
#include "domain/common/ishod.h"

#include <QString>

class Transaction;

// Two address-book entries of one patient merged into the one kept: the duplicate's visits,
// bookings and laboratory orders move to the kept entry and the duplicate is deleted, in one unit
// of work. The kept entry takes the duplicate's identity number when it has none, so that nothing
// typed is lost.
namespace spajanje {

// How an entry is named in the question and the notices: "Petrović Ana (0101990715001)".
QString naziv(const AdresarUnos& unos);
// The question asked before a merge, naming both entries.
QString pitanje(const AdresarUnos& duplikat, const AdresarUnos& zadrzan);
// Why the two cannot be merged, empty when they can: one entry twice, or two different identity
// numbers (two people).
QString zastoNe(const AdresarUnos& duplikat, const AdresarUnos& zadrzan);

// Merges entry rbrDuplikata into rbrZadrzanog, after the desk said yes to pitanje(): both entries
// read afresh and checked again, then every step or none.
Result<Ishod> spoji(Transaction& sqlca, int rbrDuplikata, int rbrZadrzanog);

} // namespace spajanje
