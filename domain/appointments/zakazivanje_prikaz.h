#pragma once

#include "domain/appointments/zakazivanje_sql.h"

#include <QDate>
#include <QString>
#include <QTime>

// How the day sheet and the list box show bookings: plain text rules, no database.
namespace zakazivanje_prikaz {

// The sheet's half-hour grid: 31 slots from 07:00 to 22:00.
constexpr int BrojTermina = 31;
// The sheet row (0 .. 30) of a slot, -1 for a time off the grid.
int redTermina(const QTime& vreme);
// The time of sheet row red (0 .. 30).
QTime vremeReda(int red);

// The caption above the sheet: "utorak, 8. decembar 2026".
QString nazivDana(const QDate& dan);
// The sheet's opis2: the patient's surname and first name, then the note, on one line.
QString opisTermina(const zakazivanje_sql::Termin& termin);
// A line of lb_1: "hh:mm  Prezime Ime  telefon" (the mobile, else the home telephone); a booking
// without a patient shows its note instead.
QString stavkaListe(const zakazivanje_sql::Termin& termin);

} // namespace zakazivanje_prikaz
