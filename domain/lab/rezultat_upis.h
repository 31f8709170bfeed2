#pragma once

#include "domain/common/ishod.h"
#include "domain/lab/nalazi_sql.h"
#include "domain/lab/nalog_sql.h"
#include "domain/lab/ocena.h"
#include "runtime/core/result.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class Transaction;

// What the results window reads and "Sačuvaj" does with an order's results, as plain functions
// over the transaction. The results of one order are saved in one unit of work, at the version
// the window read.
namespace rezultat_upis {

// One analysis of the order as the window and the report show it: the line, its result (empty
// when none) and what the result is judged against. A stored result brings its own unit, ranges
// and sex; a line without one takes the catalogue's and the patient's.
struct Linija {
    nalog_sql::Stavka stavka; // rbr 0: added in the window, not stored yet
    QString vrednost;
    QString jedMere;
    ocena::Opseg muski;
    ocena::Opseg zenski;
    ocena::Pol pol = ocena::Pol::Nepoznat;
    QDate datum; // the day the stored result was entered

    ocena::Ocena ocena() const;
    QString opseg() const;
};

// An order with everything its results window and its report show.
struct Nalog {
    nalog_sql::Zaglavlje zaglavlje;
    nalog_sql::Pacijent pacijent;
    ocena::Pol pol = ocena::Pol::Nepoznat; // the patient's, now
    QList<Linija> linije;
    QList<nalazi_sql::analiza> katalog;
};

struct Ucitano {
    std::optional<Nalog> nalog; // none: not read (failed) or gone (obavestenje)
    QString obavestenje;
};

// Reads order rbrNalog with its lines, results, patient and the catalogue.
Result<Ucitano> ucitaj(Transaction& sqlca, int rbrNalog);

// A new line of the order for a catalogue analysis (no price: it is not on the bill).
Linija novaLinija(const nalazi_sql::analiza& analiza, ocena::Pol pol);

// Another desk saved the same order's results first.
QString izmenjeniUMedjuvremenu();

// Saves the results of order rbrNalog read at verzijaRezultata: a new line for each analysis added
// in the window, a result for each value (entered danas, unless it is the value stored already),
// and no result where the value was emptied. A value of blanks only counts as empty; any other is
// kept exactly as typed. pred_upisom runs right before the first write.
// Written: the order's results at version value.verzija.
Result<Ishod> sacuvaj(Transaction& sqlca, int rbrNalog, int verzijaRezultata,
                      const QList<Linija>& linije, const QDate& danas,
                      const std::function<void()>& pred_upisom = {});

} // namespace rezultat_upis
