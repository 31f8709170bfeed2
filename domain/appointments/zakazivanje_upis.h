#pragma once

#include "domain/appointments/status_termina.h"
#include "domain/common/ishod.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>

class Transaction;

// What booking, changing, moving and marking a booking do, as plain functions over the
// transaction, each in one unit of work. The database alone decides whether a doctor's slot is
// free (its unique index over the bookings that are not cancelled); the functions turn its
// refusal into an outcome the page shows, and leave no unit of work open. A change names the
// version the desk read: another desk's change in between is told, never overwritten.
namespace zakazivanje_upis {

// A slot: one doctor's half hour of one day.
struct Mesto {
    int rbrLekar = 0;
    QDate datum;
    QTime vreme;
};

// A patient who phones for the first time, added to the address book with the booking.
struct NoviPacijent {
    QString prezime;
    QString ime;
    QString telefon;
};

// The notices of the refusals.
QString zauzet();                // the slot is taken by another booking
QString pacijentObrisan();       // the patient left the address book meanwhile
QString terminObrisan();         // the booking being changed is gone
QString izmenjenUMedjuvremenu(); // another desk changed the booking since it was read
QString vanMreze();              // not a slot of the sheet's half-hour grid

// The questions the page asks first.
QString pitanjeZaProslost();
QString pitanjeZaNedelju();
QString pitanjeZaBrisanje();

// Whether the slot lies before the moment sada (a booking there asks for confirmation).
bool uProslosti(const QDate& datum, const QTime& vreme, const QDateTime& sada);
// Sundays are booked only after a question.
bool nedelja(const QDate& datum);
// The half-hour grid of the day sheet: 07:00, 07:30, ..., 22:00.
bool naMrezi(const QTime& vreme);

// Books the slot for the patient (none for a note alone). pred_upisom runs after the checks and
// right before the INSERT: where another desk's booking can fall between the two.
Result<Ishod> zakazi(Transaction& sqlca, const Mesto& mesto, std::optional<int> rbrAdresar,
                     const QString& opis, const std::function<void()>& pred_upisom = {});
// Adds the patient to the address book (status "Pacijent") and books the slot for that entry:
// both or neither. The new entry's key comes back in value.rbrAdresar.
Result<Ishod> zakaziNovog(Transaction& sqlca, const Mesto& mesto, const NoviPacijent& pacijent,
                          const QString& opis, const std::function<void()>& pred_upisom = {});
// Changes the patient and the note of booking rbr, read at verzija.
Result<Ishod> izmeni(Transaction& sqlca, int rbr, int verzija, std::optional<int> rbrAdresar,
                     const QString& opis);
// Moves booking rbr, read at verzija, to another slot, day or doctor.
Result<Ishod> premesti(Transaction& sqlca, int rbr, int verzija, const Mesto& cilj,
                       const std::function<void()>& pred_upisom = {});
// Marks booking rbr, read at verzija: came, did not come, cancelled (its slot is free again), or
// booked again (when its slot is still free).
Result<Ishod> postaviStatus(Transaction& sqlca, int rbr, int verzija, status_termina::Status status,
                            const std::function<void()>& pred_upisom = {});

// Why the address book keeps entry rbrAdresar when its delete was refused: the upcoming bookings,
// with their dates; empty when it has none.
QString pacijentImaTermine(Transaction& sqlca, int rbrAdresar);

} // namespace zakazivanje_upis
