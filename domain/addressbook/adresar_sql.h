#pragma once

#include "domain/addressbook/adresar_unos.h"
#include "runtime/core/cursor_reader.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

class Transaction;

// Every statement the address book runs against `adresar` and `status`. Each runs on the given
// transaction and leaves its outcome there (sqlcode 0 success, 100 no row, < 0 failure, with the
// database's text); the callers decide what to show. Values from the user are always bound,
// never written into the statement text.
namespace adresar_sql {

// The largest record number a 16-bit key holds: a new entry past it cannot be numbered.
constexpr int NajveciRbr = 32767;

// S1: the largest rbr; none when the address book is empty (MAX gives NULL).
One<int> najveciRbr(Transaction& sqlca);
// S2: how many rows carry this identity number (a NULL number counts none).
One<int> brojIstogMbr(Transaction& sqlca, const QVariant& mbr);
// S3: as S2, leaving out the row rbr itself.
One<int> brojIstogMbr(Transaction& sqlca, const QVariant& mbr, int rbr);
// Whether a row holds key rbr: after a refused INSERT, tells a key another desk took meanwhile.
One<bool> postojiRbr(Transaction& sqlca, int rbr);
// S4: inserts the entry with its rbr and status.
void unesi(Transaction& sqlca, const AdresarUnos& unos);
// S5: writes the entry's 21 values over row unos.rbr.
void izmeni(Transaction& sqlca, const AdresarUnos& unos);
// S6
void obrisi(Transaction& sqlca, int rbr);
// Gives entry rbr the identity number mbr (the entry kept when two are merged).
void postaviMbr(Transaction& sqlca, int rbr, const QString& mbr);
// S7: the number of the status with this exact name.
One<int> rbrStatusa(Transaction& sqlca, const QString& naziv);
// S8: the record load's text. It is built from the key as an integer, so nothing the user typed
// can become part of it.
QString upitZaUnos(int rbr);
// S8: the entry with key rbr (no row when there is none).
Rows<AdresarUnos> unos(Transaction& sqlca, int rbr);
// A fetched S8 row as an entry.
AdresarUnos unosIzReda(const QVariantList& red);

// One status category as the drop-downs list it.
struct Status {
    int rbr = 0;
    QString naziv;
};
// S10: the statuses in rbr order. The one list feeds both the editor's filter and the form's
// status field.
Rows<Status> statusi(Transaction& sqlca);
// S11
void potvrdi(Transaction& sqlca);

// The values that S4 binds, in the table's column order (empty texts as NULL).
QVariantList vrednostiZaUnos(const AdresarUnos& unos);

} // namespace adresar_sql
