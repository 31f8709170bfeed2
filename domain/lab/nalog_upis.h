#pragma once

#include "domain/common/ishod.h"
#include "domain/lab/nalog_sql.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class Transaction;

// What "Sačuvaj nalog" and cancelling do with a laboratory order, as plain functions over the
// transaction: the order's row and its priced lines in one unit of work, or nothing. An order read
// at one version is written only while it is still at that version and not cancelled, so a desk
// never overwrites what another desk saved.
namespace nalog_upis {

struct Nalog {
    std::optional<int> rbr; // none: a new order
    int verzija = 0;        // the version the page read (an existing order)
    int rbrAdresar = 0;
    std::optional<int> rbrPoseta; // kept only when the visit is the patient's
    QDate datum;                  // a new order's; a stored order keeps its own
    QString popust;
    std::optional<Decimal> cenaHem;
    Decimal ukupnoHem;
    Decimal ukupnoBiohem;
    Decimal ukupnoUrin;
    Decimal svega;
    // The analyses of the last accepted hematology order, with their prices. Stored lines that
    // are no longer among them go, unless they hold a result: those stay, without a price.
    QList<nalog_sql::Stavka> stavke;
};

// The notices and questions of the orders.
QString izmenjenUMedjuvremenu(); // another desk saved the same order first
QString otkazan();               // the order is cancelled: it takes no change
QString nestao();                // the order is gone
QString pacijentObrisan();       // the patient left the address book meanwhile
QString bezPacijenta();          // no patient chosen for the order
QString pitanjeZaOtkazivanje();  // asked before cancelling
QString pitanjeZaCuvanje();      // unsaved changes: save them first?

// Why order rbr took no change, read after the unit was rolled back: it is gone, it is cancelled,
// or else izmenjen (another desk's save came first).
QString zastoNijeIzmenjen(Transaction& sqlca, int rbr, const QString& izmenjen);

// Saves the order: value.rbr at value.verzija once written. pred_upisom runs after the checks and
// right before the first write: where another desk's save can fall between the two.
Result<Ishod> sacuvaj(Transaction& sqlca, const Nalog& nalog,
                      const std::function<void()>& pred_upisom = {});

// Cancels order rbr read at version verzija: it stays stored, marked cancelled.
Result<Ishod> otkazi(Transaction& sqlca, int rbr, int verzija,
                     const std::function<void()>& pred_upisom = {});

} // namespace nalog_upis
