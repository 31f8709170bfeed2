#pragma once

#include "runtime/core/result.h"

#include <QString>

#include <functional>

class Transaction;

// What a save, change, merge or delete of the domain came to. Every workflow that writes returns
// Result<Ishod>, in one unit of work that it ends itself:
//   failed()                      the database refused (sqlerrtext); the unit is rolled back
//   value.obavestenje not empty   refused in the desk's words, nothing written (after a failure:
//                                 what explains it)
//   otherwise                     written and committed: value.rbr at value.verzija
// The page only shows it (ui/common/pokazi_ishod); questions are asked before or after the call.
struct Ishod {
    // How it ended, in one word (kraj() below): written, refused with a notice, or refused by the
    // database.
    enum class Kraj { Upisano, Obavestenje, Neupisano };

    QString obavestenje;
    int rbr = 0;        // the key written
    int verzija = 0;    // the version written, where the record keeps one
    int rbrAdresar = 0; // an address-book entry written together with it (a new patient)
    // A read that failed while the save went on regardless: the database's text, shown first.
    QString upozorenje;
};

namespace ishod {

Ishod::Kraj kraj(const Result<Ishod>& ishod);

// Refused before anything was written: tekst says why.
Result<Ishod> obavestenje(const QString& tekst);
// Written: the key and the version.
Result<Ishod> upisano(int rbr = 0, int verzija = 0);

// After a statement the database refused (odbijen): the unit is rolled back first, so no lock
// outlives the click and the reads that explain the refusal see what the other desks committed.
// objasni, when given, reads why: a text it returns is the desk's notice instead of the
// database's text.
Result<Ishod> odbijeno(Transaction& sqlca, const Result<>& odbijen,
                       const std::function<QString()>& objasni = {});
// The COMMIT that ends a unit which wrote upisan: upisan itself, or the refused COMMIT as odbijeno
// reports it.
Result<Ishod> potvrdi(Transaction& sqlca, const Result<Ishod>& upisan,
                      const std::function<QString()>& objasni = {});

} // namespace ishod
