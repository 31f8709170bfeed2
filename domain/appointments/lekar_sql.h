#pragma once

#include "runtime/core/result.h"

#include <QList>
#include <QString>

class Transaction;

// Every statement of the practice's doctors (`lekar`). Each runs on the given transaction and
// returns its outcome; names are always bound.
namespace lekar_sql {

struct Lekar {
    int rbr = 0;
    QString naziv;
};

// The doctors in the order they were added: the first one is the practice's first doctor.
Result<QList<Lekar>> lekari(Transaction& sqlca);
// How many bookings name doctor rbr, cancelled ones included.
Result<std::optional<int>> brojTermina(Transaction& sqlca, int rbr);
// Whether another doctor than rbr (0: any) has this name.
Result<std::optional<bool>> postojiNaziv(Transaction& sqlca, const QString& naziv, int rbr);

Result<> unesi(Transaction& sqlca, const QString& naziv);
// sqlnrows 0 when the doctor is gone.
Result<> preimenuj(Transaction& sqlca, int rbr, const QString& naziv);
Result<> obrisi(Transaction& sqlca, int rbr);

} // namespace lekar_sql
