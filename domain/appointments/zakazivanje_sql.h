#pragma once

#include "domain/appointments/status_termina.h"
#include "runtime/core/result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

class Transaction;

// Every statement of the bookings (`zakazivanje`) and the address-book reads the booking needs.
// Each runs on the given transaction and returns its outcome; values are always bound. A
// change names the version the desk read and changes no row when another desk changed it since.
namespace zakazivanje_sql {

// One booking of a doctor's slot, with the patient's names and telephones when it names one.
struct Termin {
    int rbr = 0;
    int rbrLekar = 0;
    QDate datum;
    QTime vreme;
    QString opis;
    std::optional<int> rbrAdresar;
    QString prezime;
    QString ime;
    QString telefon;
    QString mobTelefon;
    // The patient's name kept with the booking once the address-book entry was deleted.
    QString sacuvanoIme;
    status_termina::Status status = status_termina::Status::Zakazan;
    int verzija = 1;
};

// A patient the booking window offers, with what tells namesakes apart.
struct Pacijent {
    int rbr = 0;
    QString prezime;
    QString ime;
    QString mbr;
    QString grad;
    QString telefon;
};

// One booking in a patient's list: with the doctor's name.
struct TerminPacijenta {
    int rbr = 0;
    int rbrLekar = 0;
    QString lekar;
    QDate datum;
    QTime vreme;
    QString opis;
    status_termina::Status status = status_termina::Status::Zakazan;
};

// Doctor rbrLekar's bookings of one day in time order, a cancelled one after the booking that
// took its slot again.
Result<QList<Termin>> terminiDana(Transaction& sqlca, int rbrLekar, const QDate& dan);
// Booking rbr (no row when it is gone).
Result<QList<Termin>> termin(Transaction& sqlca, int rbr);
// The days between od and do_ (both included) on which doctor rbrLekar has a booking that is not
// cancelled.
Result<QList<QDate>> zauzetiDani(Transaction& sqlca, int rbrLekar, const QDate& od,
                                 const QDate& do_);
// The booking that holds a slot (cancelled ones hold none); none when the slot is free.
Result<std::optional<int>> rbrTermina(Transaction& sqlca, int rbrLekar, const QDate& datum,
                                      const QTime& vreme);
// The version of booking rbr; none when it is gone.
Result<std::optional<int>> verzija(Transaction& sqlca, int rbr);
// Every booking of the address-book entry rbr, by date and time.
Result<QList<TerminPacijenta>> terminiPacijenta(Transaction& sqlca, int rbrAdresar);
// The entry's upcoming bookings as the database counts them when it refuses to delete the entry:
// booked (not cancelled, not yet seen) for the database's today or later.
Result<QList<TerminPacijenta>> predstojeciTermini(Transaction& sqlca, int rbrAdresar);
// Moves every booking of entry odRbr to entry naRbr (two entries of one patient merged).
Result<> premestiTermine(Transaction& sqlca, int odRbr, int naRbr);
// Every address-book entry, by surname and first name.
Result<QList<Pacijent>> pacijenti(Transaction& sqlca);

// INSERT of a new booking with the status "zakazan"; the database numbers it.
Result<> unesi(Transaction& sqlca, int rbrLekar, const QDate& datum, const QTime& vreme,
               std::optional<int> rbrAdresar, const QString& opis);
// The changes of booking rbr read at verzija (sqlnrows 0 when it is gone or changed since).
Result<> izmeni(Transaction& sqlca, int rbr, int verzija, std::optional<int> rbrAdresar,
                const QString& opis);
Result<> premesti(Transaction& sqlca, int rbr, int verzija, int rbrLekar, const QDate& datum,
                  const QTime& vreme);
Result<> postaviStatus(Transaction& sqlca, int rbr, int verzija, status_termina::Status status);

} // namespace zakazivanje_sql
