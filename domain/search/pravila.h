#pragma once

#include "domain/search/kriterijum.h"

#include <QDate>
#include <QString>

#include <optional>

// The search's rules on plain values: how text is folded and turned into a pattern, the age from
// the identity number, what a set of criteria is refused for, and the query and the page in words.
namespace pretraga {

// Folds text as the database folds its search copies: č ć to c, š to s, ž to z, đ to dj (capitals
// too), ASCII capitals to small letters; everything else stays. Composed first, so that a
// "č" typed as c and a combining caron folds like the single letter.
QString sklopi(const QString& tekst);

// "Contains" as a LIKE pattern with '!' as its escape: the folded, trimmed text between two '%',
// with every '%', '_' and '!' of the text escaped so that it matches only itself.
QString uzorak(const QString& tekst);
inline constexpr char EscapeZnak = '!';

// The birth date in an identity number: its first seven digits are DDMMGGG, and GGG 9xx is 19xx,
// 0xx is 20xx. None when the digits are missing or name no date.
std::optional<QDate> datumRodjenja(const QString& mbr);
// The age a "Starost" criterion asks for: a whole number of years from 0 to 150.
std::optional<int> godineStarosti(const QString& tekst);
// Whole years from rodjen to danas (a 29 February birthday counts from 1 March in other years).
int starost(const QDate& rodjen, const QDate& danas);

// The birth dates whose age today meets the criterion, as a half-open range: born after `posle`
// (when set) and on or before `najkasnije` (when set).
struct RasponRodjenja {
    std::optional<QDate> posle;
    std::optional<QDate> najkasnije;
};
RasponRodjenja rasponRodjenja(int godine, Vrednost vrednost, const QDate& danas);

// Why the criteria cannot run, empty when they can: no panel takes part, an age that is not a
// number of years, "Od" after "Do".
QString zastoNe(const QList<Kriterijum>& paneli);

// The query in words, e.g. Prezime sadrži „petr“ ILI Dg sadrži „J45“ (posete 2025-2026) I
// Hematologija, bilo koja analiza, vrednost iznad granica (nalozi 2025-2026); a first panel joined
// by "NE" starts with it: NE Prezime sadrži „petrovic“.
QString upitRecima(const QList<Kriterijum>& paneli);

// The page's place among the results: "1-10 od 37", or "Nema rezultata." when there are none.
QString opisStrane(int prvi, int broj, int ukupno);

} // namespace pretraga
