#pragma once

#include "domain/lab/ocena.h"
#include "runtime/core/decimal.h"
#include "runtime/core/result.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Transaction;

// One row of the analysis catalogue `nalazi`, received in the order of the select list. Only the
// name reaches the screen; the rest travels with the row because the select list is fixed.
struct nalaz {
    qint16 grupa = 0;
    qint16 podgrupa = 0;
    qint16 rbr = 0;
    QString naziv;
    QString jed_mere;
    Decimal ref_m_nizi;
    Decimal ref_m_visi;
    Decimal ref_z_nizi;
    Decimal ref_z_visi;
};

// The statements of the analysis catalogue. The program only reads `nalazi`, in two fixed
// statements of group 1: the ordinary hematology analyses (subgroup 0) and the leukocyte formula
// (subgroup 1). Like every statement unit, it shows nothing: the caller reports a failed read.
namespace nalazi_sql {

// One analysis of the whole catalogue, its reference bounds open where the catalogue holds none.
struct analiza {
    qint16 grupa = 0;
    qint16 podgrupa = 0;
    qint16 rbr = 0;
    QString naziv;
    QString jed_mere;
    ocena::Opseg muski;
    ocena::Opseg zenski;
};

// A group of analyses as the laboratory names it: hematology is group 1 (its subgroup 0 the blood
// count, 1 the leukocyte formula), biochemistry group 2, urine group 3; none where the group has
// subgroups of no meaning of their own.
struct grupa_analiza {
    QString naziv;
    qint16 grupa = 0;
    std::optional<qint16> podgrupa;
};
// "Biohemija", "Hematologija", "Leukocitarna formula", "Urin", in that order.
QList<grupa_analiza> grupe();

extern const QString hematologija;       // subgroup 0, in ascending rbr
extern const QString leukocitna_formula; // subgroup 1, in ascending rbr

// Loads one subgroup (ls_select_string is one of the two statements above), its rows in fetch
// order. The outcome's code is 100 after the last row, or negative after a failure (the query
// could not be opened, or a fetch failed; the rows read before it are kept).
Result<QList<nalaz>> ucitaj(Transaction& sqlca, const QString& ls_select_string);
// A fetched row, its columns in select order.
nalaz nalazIzReda(const QVariantList& columns);

// Every analysis of the catalogue by group, subgroup and rbr.
Result<QList<analiza>> katalog(Transaction& sqlca);
// The first analysis of the catalogue under this key, if any.
std::optional<analiza> nadji(const QList<analiza>& katalog, qint16 grupa, qint16 podgrupa,
                             qint16 rbr);

} // namespace nalazi_sql
