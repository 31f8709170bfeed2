#pragma once

#include "runtime/core/result.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Transaction;

// The history of changes that the database's triggers keep (table `istorija`): what an UPDATE or
// DELETE took from an address-book entry or a saved visit. The program only reads it, and on the
// embedded database names the desk that the triggers write down.
namespace istorija_sql {

struct Promena {
    QDateTime kada;
    QString pult;
    QString polje; // a column, or a visit field's stored key
    QString staraVrednost;
    bool obrisano = false; // the value went with a delete, not a change
};

// What visit rbr's changes and deletes took from it, newest first.
Result<QList<Promena>> istorijaPosete(Transaction& sqlca, int rbrPoseta);
// The same for address-book entry rbr.
Result<QList<Promena>> istorijaUnosa(Transaction& sqlca, int rbrAdresar);

// The embedded database's desk: the computer's user, whom the triggers name in every history row
// of this connection's writes. Written only when it differs; a failure changes nothing and is not
// shown (the history is kept all the same, without the desk).
Result<> postaviPult(Transaction& sqlca, const QString& korisnik);

} // namespace istorija_sql
