#pragma once

#include "domain/addressbook/adresar_unos.h"
#include "runtime/core/result.h"
#include "runtime/core/result_columns.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <optional>

class BackgroundRead;
class Transaction;

// Every statement the address book runs against `adresar` and `status`. Each runs on the given
// transaction and returns its outcome (sqlcode 0 success, 100 no row, < 0 failure, with the
// database's text); the callers decide what to show. Values from the user are always bound,
// never written into the statement text.
namespace adresar_sql {

// The largest record number a 16-bit key holds: a new entry past it cannot be numbered.
constexpr int NajveciRbr = 32767;

// S1: the largest rbr; none when the address book is empty (MAX gives NULL).
Result<std::optional<int>> najveciRbr(Transaction& sqlca);
// S2: how many rows carry this identity number (a NULL number counts none).
Result<std::optional<int>> brojIstogMbr(Transaction& sqlca, const QVariant& mbr);
// S3: as S2, leaving out the row rbr itself.
Result<std::optional<int>> brojIstogMbr(Transaction& sqlca, const QVariant& mbr, int rbr);
// Whether a row holds key rbr: after a refused INSERT, tells a key another desk took meanwhile.
Result<std::optional<bool>> postojiRbr(Transaction& sqlca, int rbr);
// Whether entry rbr is gone, as the other desks have committed it up to now (false when that could
// not be read): what explains a save refused for a patient another desk deleted.
Result<bool> nestao(Transaction& sqlca, int rbr);
// S4: inserts the entry with its rbr and status.
Result<> unesi(Transaction& sqlca, const AdresarUnos& unos);
// S5: writes the entry's 21 values over row unos.rbr (sqlnrows 0 when the row is gone).
Result<> izmeni(Transaction& sqlca, const AdresarUnos& unos);
// S6
Result<> obrisi(Transaction& sqlca, int rbr);
// Gives entry rbr the identity number mbr (the entry kept when two are merged).
Result<> postaviMbr(Transaction& sqlca, int rbr, const QString& mbr);
// S7: the number of the status with this exact name.
Result<std::optional<int>> rbrStatusa(Transaction& sqlca, const QString& naziv);
// S8: the record load's text. It is built from the key as an integer, so nothing the user typed
// can become part of it.
QString upitZaUnos(int rbr);
// S8: the entry with key rbr (no row when there is none).
Result<QList<AdresarUnos>> unos(Transaction& sqlca, int rbr);
// A fetched S8 row as an entry.
AdresarUnos unosIzReda(const QVariantList& red);

// One status category as the drop-downs list it.
struct Status {
    int rbr = 0;
    QString naziv;
};
// S10: the statuses in rbr order. The one list feeds both the editor's filter and the form's
// status field.
Result<QList<Status>> statusi(Transaction& sqlca);

// The list of the page (dw_pretraga_adresar's columns: ime, prezime, mbr, rbr): the entries whose
// surname is LIKE prezime and whose status's name is LIKE status, held column by column (a list of
// every entry is tens of thousands of rows).
Result<ResultColumns> spisak(Transaction& sqlca, const QString& prezime, const QString& status);
// The statement of spisak, for reading it another way (the benchmark's floor).
QString upitSpiska();

// The same list read on a thread of its own, for start-up, while the window is built: rezultat()
// waits for it. Until then the transaction refuses every other use (Transaction::Loan).
class SpisakUPozadini {
public:
    SpisakUPozadini(Transaction& sqlca, const QString& prezime, const QString& status);
    ~SpisakUPozadini();
    SpisakUPozadini(const SpisakUPozadini&) = delete;
    SpisakUPozadini& operator=(const SpisakUPozadini&) = delete;

    Result<ResultColumns> rezultat(); // once

private:
    std::unique_ptr<BackgroundRead> m_citanje;
};

// The values that S4 binds, in the table's column order (empty texts as NULL).
QVariantList vrednostiZaUnos(const AdresarUnos& unos);

} // namespace adresar_sql
