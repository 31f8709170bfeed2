#include "domain/appointments/termini_pacijenta.h"

#include <algorithm>

namespace termini_pacijenta {

namespace {

constexpr int PolaSata = 30 * 60;

QDateTime pocetak(const zakazivanje_sql::TerminPacijenta& termin) {
    return QDateTime(termin.datum, termin.vreme);
}

} // namespace

bool predstoji(const zakazivanje_sql::TerminPacijenta& termin, const QDateTime& sada) {
    return pocetak(termin).addSecs(PolaSata) > sada;
}

QList<zakazivanje_sql::TerminPacijenta> poredjaj(QList<zakazivanje_sql::TerminPacijenta> termini,
                                                 const QDateTime& sada) {
    std::stable_sort(termini.begin(), termini.end(), [&sada](const auto& a, const auto& b) {
        const bool aPredstoji = predstoji(a, sada);
        if (aPredstoji != predstoji(b, sada))
            return aPredstoji;
        return aPredstoji ? pocetak(a) < pocetak(b) : pocetak(a) > pocetak(b);
    });
    return termini;
}

} // namespace termini_pacijenta
