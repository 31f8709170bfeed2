#pragma once

#include "domain/appointments/zakazivanje_sql.h"

#include <QDateTime>
#include <QList>

// A patient's bookings as the desk reads them to someone asking "when is my appointment?".
namespace termini_pacijenta {

// The upcoming bookings first, soonest first, then the past ones, latest first. A booking counts as
// upcoming from its own half hour on: at 09:10 the 09:00 booking is still the one going on.
QList<zakazivanje_sql::TerminPacijenta> poredjaj(QList<zakazivanje_sql::TerminPacijenta> termini,
                                                 const QDateTime& sada);
// Whether the booking comes after sada (as poredjaj counts it).
bool predstoji(const zakazivanje_sql::TerminPacijenta& termin, const QDateTime& sada);

} // namespace termini_pacijenta
