#pragma once

#include "runtime/core/cursor_reader.h"
#include "runtime/core/decimal.h"

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

extern const QString hematologija;       // subgroup 0, in ascending rbr
extern const QString leukocitna_formula; // subgroup 1, in ascending rbr

// Loads one subgroup (ls_select_string is one of the two statements above), its rows in fetch
// order. The outcome's code is 100 after the last row, or negative after a failure (the query
// could not be opened, or a fetch failed; the rows read before it are kept).
Rows<nalaz> ucitaj(Transaction& sqlca, const QString& ls_select_string);
// A fetched row, its columns in select order.
nalaz nalazIzReda(const QVariantList& columns);

} // namespace nalazi_sql
