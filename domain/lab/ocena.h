#pragma once

#include "runtime/core/decimal.h"

#include <QString>
#include <QVariant>

#include <optional>

// How a laboratory result is judged: the patient's sex, the reference range that applies to it,
// and the mark of a number outside that range. Plain rules on values; nothing here reads the
// database.
namespace ocena {

enum class Pol { Nepoznat, Muski, Zenski };

// The sex an identity number gives: its digits 10 to 12 (counted from 1) are 000-499 for a man
// and 500-999 for a woman. Unknown when those three characters are not all digits.
Pol polIzMbr(const QString& mbr);
// The patient's sex: the address book's `pol` (1 man, 0 woman) when it holds one, else the
// identity number's.
Pol polPacijenta(const QVariant& pol, const QString& mbr);
// As the address book keeps it: 1, 0, or NULL for unknown.
QVariant polUAdresaru(Pol pol);

// One sex's reference range; either bound may be open.
struct Opseg {
    std::optional<Decimal> nizi;
    std::optional<Decimal> visi;

    bool operator==(const Opseg&) const = default;
};

// Where a result stands against its range. Nema: not judged (a text, no sex known, no range).
enum class Ocena { Nema = -2, Nize = -1, UOpsegu = 0, Vise = 1 };

// A result read as a number: digits with one decimal comma or point, a sign allowed, blanks
// around it ignored. None for any other text ("negativan", "<0.5", "1e3", "").
struct Broj {
    bool negativan = false;
    QString celi;     // without leading zeros, "0" for none
    QString decimale; // without trailing zeros
};
std::optional<Broj> procitajBroj(const QString& vrednost);

// The result against the range of the patient's sex: below its lower bound, above its upper one,
// or within (bounds included). Compared exactly, however many decimals the result has.
Ocena oceni(const QString& vrednost, Pol pol, const Opseg& muski, const Opseg& zenski);

// "↓" below, "↑" above, empty otherwise.
QString oznaka(Ocena ocena);

// The range as the window and the report show it: "135 – 175", "do 5,2", "od 1"; with no sex
// known both, "M: 135 – 175; Ž: 120 – 160". Decimal commas, as the desk writes them.
QString opsegTekst(Pol pol, const Opseg& muski, const Opseg& zenski);

} // namespace ocena
