#pragma once

#include "domain/lab/ishod.h"
#include "runtime/core/cursor_reader.h"

#include <QString>

class Transaction;

// The practice's details (`ordinacija`, one row) that every printed report and bill carries in its
// header, so that every desk prints the same. The program's login reads them; on the server it
// changes them only through the owner's function ordinacija_upis.
namespace ordinacija_sql {

struct Ordinacija {
    QString naziv;
    QString adresa;
    QString telefon;
    int verzija = 1;

    bool operator==(const Ordinacija&) const = default;
};

Rows<Ordinacija> procitaj(Transaction& sqlca);

// Upisano: the details at version verzija.
using Ishod = lab::Ishod;

// Another desk saved the details first.
QString izmenjenaUMedjuvremenu();

// Saves the details read at version ordinacija.verzija, in one unit of work.
Ishod sacuvaj(Transaction& sqlca, const Ordinacija& ordinacija);

} // namespace ordinacija_sql
