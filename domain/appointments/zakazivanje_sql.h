#pragma once

#include "runtime/core/cursor_reader.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

class Transaction;

// Every statement of the bookings (`zakazivanje`) and the address-book reads the booking needs.
// Each runs on the given transaction and leaves its outcome there; values are always bound.
namespace zakazivanje_sql {

// One booked slot, with the patient's names and telephones when it names one.
struct Termin {
    int rbr = 0;
    QDate datum;
    QTime vreme;
    QString opis;
    std::optional<int> rbrAdresar;
    QString prezime;
    QString ime;
    QString telefon;
    QString mobTelefon;
};

// A patient the booking window offers.
struct Pacijent {
    int rbr = 0;
    QString prezime;
    QString ime;
};

// The bookings of one day in time order (through the (datum, vreme) index).
Rows<Termin> terminiDana(Transaction& sqlca, const QDate& dan);
// The days between od and do_ (both included) that hold at least one booking.
Rows<QDate> zauzetiDani(Transaction& sqlca, const QDate& od, const QDate& do_);
// The booking of one slot, none when it is free.
One<int> rbrTermina(Transaction& sqlca, const QDate& datum, const QTime& vreme);
// Whether the address book holds the entry rbr.
One<bool> postojiPacijent(Transaction& sqlca, int rbr);
// How many bookings name the address-book entry rbr (such an entry cannot be deleted).
One<int> brojTerminaPacijenta(Transaction& sqlca, int rbr);
// Moves every booking of entry odRbr to entry naRbr (two entries of one patient merged).
void premestiTermine(Transaction& sqlca, int odRbr, int naRbr);
// Every address-book entry, by surname and first name.
Rows<Pacijent> pacijenti(Transaction& sqlca);

// INSERT of a new booking; the database numbers it.
void unesi(Transaction& sqlca, const QDate& datum, const QTime& vreme,
           std::optional<int> rbrAdresar, const QString& opis);
// UPDATE of booking rbr's patient and note (sqlnrows 0 when it is gone).
void izmeni(Transaction& sqlca, int rbr, std::optional<int> rbrAdresar, const QString& opis);
void obrisi(Transaction& sqlca, int rbr);
void potvrdi(Transaction& sqlca);

} // namespace zakazivanje_sql
