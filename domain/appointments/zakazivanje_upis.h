#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>

class Transaction;

// What booking, changing and cancelling a slot of the day sheet do, as plain functions over the
// transaction. The database alone decides whether a slot is free (its unique (datum, vreme)); the
// functions turn its refusal into an outcome the page shows, and leave no unit of work open.
namespace zakazivanje_upis {

struct Ishod {
    enum class Kraj {
        Upisano,     // written and committed
        Obavestenje, // refused, nothing written: the notice `obavestenje` says why
        Neupisano,   // the database refused for another reason (tekstBaze); rolled back
    };

    Kraj kraj = Kraj::Upisano;
    QString obavestenje;
    QString tekstBaze;
};

// The notices of the refusals.
QString zauzet();          // the slot is taken by another booking
QString pacijentObrisan(); // the patient left the address book meanwhile
QString terminObrisan();   // the booking being changed or cancelled is gone

// The questions the page asks first.
QString pitanjeZaProslost();
QString pitanjeZaBrisanje();

// Whether the slot lies before the moment sada (a booking there asks for confirmation).
bool uProslosti(const QDate& datum, const QTime& vreme, const QDateTime& sada);
// The half-hour grid of the day sheet: 07:00, 07:30, ..., 22:00.
bool naMrezi(const QTime& vreme);

// Books the slot for the patient (none for a note alone). pred_upisom runs after the checks and
// right before the INSERT: where another desk's booking can fall between the two.
Ishod zakazi(Transaction& sqlca, const QDate& datum, const QTime& vreme,
             std::optional<int> rbrAdresar, const QString& opis,
             const std::function<void()>& pred_upisom = {});
// Changes the patient and the note of booking rbr.
Ishod izmeni(Transaction& sqlca, int rbr, std::optional<int> rbrAdresar, const QString& opis);
// Cancels booking rbr.
Ishod otkazi(Transaction& sqlca, int rbr);

} // namespace zakazivanje_upis
