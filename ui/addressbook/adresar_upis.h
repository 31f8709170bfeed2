#pragma once

#include "ui/addressbook/adresar_unos.h"

#include <QString>

class Transaction;

// What "SAČUVAJ" and "OBRIŠI" do with an address-book entry, as plain functions over the
// transaction. They run the statements and return what came of them; the editor bar shows the
// outcome (a notice, a message box, the question window) and updates the form.
namespace adresar_upis {

struct IshodUpisa {
    enum class Kraj {
        Upisano,     // written and committed under key rbr
        Obavestenje, // refused before any write: the notice `obavestenje` says why
        Neupisano,   // the INSERT or UPDATE failed (tekstBaze); nothing committed or rolled back
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

// Saves the form's entry: a new one (postojeciRbr 0) under the next free key, else over row
// postojeciRbr, with the status rbrStatus. Checks the names, the identity number's length and
// that no other entry carries the same number.
IshodUpisa sacuvaj(Transaction& sqlca, AdresarUnos unos, int postojeciRbr, int rbrStatus);

struct IshodBrisanja {
    enum class Kraj {
        Obrisano,  // deleted and committed
        Neobrisano // the DELETE failed (tekstBaze); the question window shows `poruka`
    };

    Kraj kraj = Kraj::Obrisano;
    QString poruka;
    QString tekstBaze;
};

// The question asked before a delete.
QString pitanjeZaBrisanje();
// Deletes the entry with key rbr once the user has said yes to pitanjeZaBrisanje().
IshodBrisanja obrisi(Transaction& sqlca, int rbr);

} // namespace adresar_upis
