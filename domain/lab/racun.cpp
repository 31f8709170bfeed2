#include "domain/lab/racun.h"

#include "runtime/core/convert.h"

namespace racun {

Decimal podrazumevanaCena() {
    return Decimal::fromText(QStringLiteral("10.00"));
}

Decimal ukupnaCena(const QList<Decimal>& ceneOznacenih) {
    Decimal total;
    for (const Decimal cena : ceneOznacenih)
        total += cena;
    return total;
}

double zaNaplatu(const QString& ukupnaCena, const QString& procenat) {
    const double cena = toDouble(ukupnaCena);
    const double proc = toDouble(procenat);
    return cena - (proc * cena) / 100;
}

QString svegaZaNaplatu(const QString& hematologija, const QString& biohemija, const QString& urin) {
    const double sum = toDouble(hematologija) + toDouble(biohemija) + toDouble(urin);
    return formatNumber(sum, QStringLiteral("0.00"));
}

} // namespace racun
