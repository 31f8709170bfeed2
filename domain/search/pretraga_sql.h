#pragma once

#include "domain/search/kriterijum.h"
#include "runtime/core/result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantList>

#include <optional>

class Transaction;

// The search's one statement over the address book, the visits and the laboratory's results,
// composed from the panels that take part: the text holds only the program's own words, every value
// the user chose is bound.
namespace pretraga_sql {

struct Naredba {
    QString tekst;
    QVariantList vrednosti; // bound in order
};

// One entry found, with its newest visit that matched a visit criterion (none when no visit
// criterion takes part outside "NE").
struct Pogodak {
    int rbr = 0;
    QString prezime;
    QString ime;
    QString mbr;
    QString grad;
    std::optional<int> rbrPosete;
    QDate datumPosete;
};

struct Strana {
    QList<Pogodak> pogoci;
    int ukupno = 0; // every match, not only this page's
};

// The statement for one page: `preskoci` matches skipped, at most `naStrani` rows, sorted by
// surname and first name (folded, then the entry's number). The panels must have passed
// pretraga::zastoNe; ages count from danas.
Naredba sastavi(const QList<pretraga::Kriterijum>& paneli, const QDate& danas, int preskoci,
                int naStrani);

// Runs the statement through the program's one read path; the unit of work ends with the read.
// After a failed fetch the hits before it are there.
Result<Strana> trazi(Transaction& sqlca, const Naredba& naredba);

} // namespace pretraga_sql
