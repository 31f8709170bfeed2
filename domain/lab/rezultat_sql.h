#pragma once

#include "domain/lab/ocena.h"
#include "runtime/core/result.h"

#include <QDate>
#include <QList>
#include <QString>

class Transaction;

// Every statement of the laboratory results (`rezultat`). A result is kept with what it was judged
// against: the sex, the unit and both reference ranges as they were when it was entered, and its
// mark. Values are bound; bounds travel as text, exactly.
namespace rezultat_sql {

struct Rezultat {
    int rbrStavka = 0;
    QString vrednost; // exactly as typed
    QString jedMere;
    ocena::Pol pol = ocena::Pol::Nepoznat;
    ocena::Opseg muski;
    ocena::Opseg zenski;
    ocena::Ocena ocena = ocena::Ocena::Nema;
    QDate datum; // the day it was entered

    bool operator==(const Rezultat&) const = default;
};

// The results of order rbrNalog's lines, by line.
Result<QList<Rezultat>> rezultatiNaloga(Transaction& sqlca, int rbrNalog);

// Raises the version of order rbrNalog's results when it is still verzija and the order is not
// cancelled; sqlnrows 0 otherwise.
Result<> promeniVerziju(Transaction& sqlca, int rbrNalog, int verzija);
Result<> unesi(Transaction& sqlca, const Rezultat& rezultat);
Result<> izmeni(Transaction& sqlca, const Rezultat& rezultat);
Result<> obrisi(Transaction& sqlca, int rbrStavka);

} // namespace rezultat_sql
