#pragma once

#include "domain/addressbook/adresar_unos.h"
#include "domain/common/ishod.h"
#include "domain/reception/poseta_sql.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class Transaction;

// What "Sačuvaj posetu" does with a visit, as one plain function over the transaction: the visit's
// row and all its fields (and a new patient's entry with them) in one unit of work, or nothing. A
// visit read at one version is written only while it is still at that version, so a desk never
// overwrites what another desk saved.
namespace poseta_upis {

struct Poseta {
    std::optional<int> rbr; // none: a new visit
    int verzija = 0;        // the version the form was loaded at (an existing visit)
    int rbrAdresar = 0;
    QDate datum;
    QString brojProtokola;
    QString lekar;
    QList<poseta_sql::Polje> polja;
};

// The notices and the question of a save.
QString izmenjenaUMedjuvremenu(); // another desk saved the same visit first
QString obrisanaUMedjuvremenu();  // the visit is gone
QString pacijentObrisan();        // the patient left the address book meanwhile
QString pitanjeZaPacijenta();     // the patient is not in the address book: add?
QString pitanjeZaCuvanje();       // unsaved edits: save them first?

// Saves the visit: value.rbr at value.verzija once written. A date outside poseta_datum's limits
// is refused before anything is written. Of an existing visit only the fields that changed are
// written. With noviPacijent, a patient not yet in the address book, the entry (as the address
// book saves a new one, with the status "Pacijent") and the visit are written together or not at
// all, and value.rbrAdresar names the new entry. pred_upisom runs after the checks and right
// before the first write: where another desk's save can fall between the two.
Result<Ishod> sacuvaj(Transaction& sqlca, const Poseta& poseta,
                      const std::optional<AdresarUnos>& noviPacijent = std::nullopt,
                      const std::function<void()>& pred_upisom = {});

// Fields whose names occur more than once keep only their first value: a form names every control
// once, and the table keys a visit's fields by name.
QList<poseta_sql::Polje> bezPonovljenih(const QList<poseta_sql::Polje>& polja);

} // namespace poseta_upis
