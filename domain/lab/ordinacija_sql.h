#pragma once

#include "domain/common/ishod.h"
#include "runtime/core/result.h"

#include <QList>
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

Result<QList<Ordinacija>> procitaj(Transaction& sqlca);

// Another desk saved the details first.
QString izmenjenaUMedjuvremenu();

// Saves the details read at version ordinacija.verzija, in one unit of work; written: the details
// at version value.verzija.
Result<Ishod> sacuvaj(Transaction& sqlca, const Ordinacija& ordinacija);

} // namespace ordinacija_sql
