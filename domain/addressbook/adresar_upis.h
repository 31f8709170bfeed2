#pragma once

#include "domain/addressbook/adresar_unos.h"

#include <QString>

#include <functional>

class Transaction;

// What "SAČUVAJ" and "OBRIŠI" do with an address-book entry, as plain functions over the
// transaction. They run the statements and return what came of them; the editor bar shows the
// outcome (a notice, a message box, the question window) and updates the form.
namespace adresar_upis {

struct IshodUpisa {
    enum class Kraj {
        Upisano,     // written and committed under key rbr
        Obavestenje, // refused, nothing written: the notice `obavestenje` says why
        Neupisano,   // the INSERT, UPDATE or COMMIT failed (tekstBaze); the unit is rolled back
    };

    Kraj kraj = Kraj::Upisano;
    QString obavestenje;
    QString tekstBaze;
    int rbr = 0; // the key written
    // The largest key could not be read. The save goes on regardless (as if the book were
    // empty); the database's text greskaNajveceg is shown in a message box before anything else.
    bool najveciNeprocitan = false;
    QString greskaNajveceg;
};

// Tries of a new entry's INSERT when other desks keep taking the key just read.
constexpr int NajvisePokusaja = 5;

// Shown when an update finds its row gone: another desk deleted the entry meanwhile.
QString obrisanUMedjuvremenu();

// Saves the form's entry: a new one (postojeciRbr 0) under the next free key, else over row
// postojeciRbr, with the status rbrStatus. Checks the names, the identity number's length and
// that no other entry carries the same number. Anything that fails is rolled back, so the
// connection is ready for the next save. pred_upisom runs after the reads and right before
// each INSERT or UPDATE: where another desk's write can fall between the two.
IshodUpisa sacuvaj(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus,
                   const std::function<void()>& pred_upisom = {});

// As sacuvaj for a new entry, but its INSERT stays in the open unit for the caller's COMMIT or
// ROLLBACK: for a caller that writes more in the same unit (a patient with the first visit).
IshodUpisa upisiNovi(Transaction& sqlca, AdresarUnos unos, int rbrStatus);

struct IshodBrisanja {
    enum class Kraj {
        Obrisano,  // deleted and committed
        Neobrisano // the DELETE or its COMMIT failed (tekstBaze), rolled back; the question
                   // window shows `poruka`
    };

    Kraj kraj = Kraj::Obrisano;
    QString poruka;
    QString tekstBaze;
    // Why, when the entry still has bookings on the appointments page, visits kept at reception
    // or laboratory orders: shown after `poruka`.
    QString obavestenje;
};

// The question asked before a delete.
QString pitanjeZaBrisanje();
// Deletes the entry with key rbr once the user has said yes to pitanjeZaBrisanje().
IshodBrisanja obrisi(Transaction& sqlca, int rbr);

} // namespace adresar_upis
