#pragma once

#include "domain/appointments/zakazivanje_sql.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

// How the day sheet, the list box, the patient picker and the printed day show bookings: plain
// text rules, no database.
namespace zakazivanje_prikaz {

// The sheet's half-hour grid: 31 slots from 07:00 to 22:00.
constexpr int BrojTermina = 31;
// The sheet row (0 .. 30) of a slot, -1 for a time off the grid.
int redTermina(const QTime& vreme);
// The time of sheet row red (0 .. 30).
QTime vremeReda(int red);

// The caption above the sheet: "utorak, 8. decembar 2026".
QString nazivDana(const QDate& dan);
// The patient's surname and first name, or the name kept once the entry was deleted.
QString imePacijenta(const zakazivanje_sql::Termin& termin);
// The mobile, else the home telephone.
QString telefonPacijenta(const zakazivanje_sql::Termin& termin);
// The sheet's opis2: the patient's name, then the note, on one line; then the status unless the
// booking is simply booked: "Petrović Ana – kontrola (došao)".
QString opisTermina(const zakazivanje_sql::Termin& termin);
// A line of lb_1: "hh:mm  Prezime Ime  telefon", and the status unless booked; a booking without
// a patient shows its note instead.
QString stavkaListe(const zakazivanje_sql::Termin& termin);

// The picker's text of each patient, "Prezime Ime", and the key it stands for. Namesakes are told
// apart by what the desk knows of them: the identity number, else the city, else the telephone;
// only those the address book does not tell apart at all get their place among them ("/2").
QHash<QString, int> naziviPacijenata(const QList<zakazivanje_sql::Pacijent>& pacijenti);

// One line of the printed day.
struct RedSpiska {
    QString vreme;
    QString pacijent;
    QString telefon;
    QString napomena;
    QString status;
};
// The printed day's lines, in the sheet's order.
QList<RedSpiska> spisakDana(const QList<zakazivanje_sql::Termin>& termini);
// The printed day's heading: "Lekar – utorak, 8. decembar 2026".
QString naslovSpiska(const QString& lekar, const QDate& dan);

} // namespace zakazivanje_prikaz
