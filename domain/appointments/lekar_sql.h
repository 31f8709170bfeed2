#pragma once

#include "runtime/core/cursor_reader.h"

#include <QString>

class Transaction;

// Every statement of the practice's doctors (`lekar`). Each runs on the given transaction and
// leaves its outcome there; names are always bound.
namespace lekar_sql {

struct Lekar {
    int rbr = 0;
    QString naziv;
};

// The doctors in the order they were added: the first one is the practice's first doctor.
Rows<Lekar> lekari(Transaction& sqlca);
// How many bookings name doctor rbr, cancelled ones included.
One<int> brojTermina(Transaction& sqlca, int rbr);
// Whether another doctor than rbr (0: any) has this name.
One<bool> postojiNaziv(Transaction& sqlca, const QString& naziv, int rbr);

void unesi(Transaction& sqlca, const QString& naziv);
// sqlnrows 0 when the doctor is gone.
void preimenuj(Transaction& sqlca, int rbr, const QString& naziv);
void obrisi(Transaction& sqlca, int rbr);

} // namespace lekar_sql
