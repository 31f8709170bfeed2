#include "domain/lab/ocena.h"

#include <QRegularExpression>

namespace ocena {

namespace {

bool jeCifra(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// -1, 0, 1 as a is less than, equal to or greater than b.
int uporedi(const Broj& a, const Broj& b) {
    const bool nulaA = a.celi == QLatin1String("0") && a.decimale.isEmpty();
    const bool nulaB = b.celi == QLatin1String("0") && b.decimale.isEmpty();
    const bool negA = a.negativan && !nulaA;
    const bool negB = b.negativan && !nulaB;
    if (negA != negB)
        return negA ? -1 : 1;
    int velicina = 0; // of the magnitudes
    if (a.celi.size() != b.celi.size()) {
        velicina = a.celi.size() < b.celi.size() ? -1 : 1;
    } else if (a.celi != b.celi) {
        velicina = a.celi < b.celi ? -1 : 1;
    } else {
        const qsizetype duzina = qMax(a.decimale.size(), b.decimale.size());
        const QString da = a.decimale.leftJustified(duzina, QLatin1Char('0'));
        const QString db = b.decimale.leftJustified(duzina, QLatin1Char('0'));
        velicina = da == db ? 0 : (da < db ? -1 : 1);
    }
    return negA ? -velicina : velicina;
}

Broj izDecimal(Decimal granica) {
    return *procitajBroj(granica.toString(Decimal::Places));
}

QString tekstGranice(Decimal granica) {
    return granica.toString().replace(QLatin1Char('.'), QLatin1Char(','));
}

QString tekstOpsega(const Opseg& opseg) {
    if (opseg.nizi && opseg.visi)
        return tekstGranice(*opseg.nizi) + QStringLiteral(" – ") + tekstGranice(*opseg.visi);
    if (opseg.nizi)
        return QStringLiteral("od ") + tekstGranice(*opseg.nizi);
    if (opseg.visi)
        return QStringLiteral("do ") + tekstGranice(*opseg.visi);
    return QString();
}

} // namespace

Pol polIzMbr(const QString& mbr) {
    if (mbr.size() < 12)
        return Pol::Nepoznat;
    for (int i = 9; i < 12; ++i)
        if (!jeCifra(mbr.at(i)))
            return Pol::Nepoznat;
    return mbr.mid(9, 3).toInt() < 500 ? Pol::Muski : Pol::Zenski;
}

Pol polPacijenta(const QVariant& pol, const QString& mbr) {
    if (pol.isValid() && !pol.isNull())
        return pol.toInt() == 0 ? Pol::Zenski : Pol::Muski;
    return polIzMbr(mbr);
}

QVariant polUAdresaru(Pol pol) {
    if (pol == Pol::Nepoznat)
        return QVariant(QMetaType::fromType<int>());
    return pol == Pol::Muski ? 1 : 0;
}

std::optional<Broj> procitajBroj(const QString& vrednost) {
    static const QRegularExpression oblik(QStringLiteral("^([+-]?)([0-9]*)(?:[.,]([0-9]*))?$"));
    const QRegularExpressionMatch nadjen = oblik.match(vrednost.trimmed());
    if (!nadjen.hasMatch() || (nadjen.captured(2).isEmpty() && nadjen.captured(3).isEmpty()))
        return std::nullopt;
    Broj broj;
    broj.negativan = nadjen.captured(1) == QLatin1String("-");
    broj.celi = nadjen.captured(2);
    while (broj.celi.startsWith(QLatin1Char('0')))
        broj.celi.remove(0, 1);
    if (broj.celi.isEmpty())
        broj.celi = QStringLiteral("0");
    broj.decimale = nadjen.captured(3);
    while (broj.decimale.endsWith(QLatin1Char('0')))
        broj.decimale.chop(1);
    return broj;
}

Ocena oceni(const QString& vrednost, Pol pol, const Opseg& muski, const Opseg& zenski) {
    if (pol == Pol::Nepoznat)
        return Ocena::Nema;
    const Opseg& opseg = pol == Pol::Muski ? muski : zenski;
    const std::optional<Broj> broj = procitajBroj(vrednost);
    if (!broj || (!opseg.nizi && !opseg.visi))
        return Ocena::Nema;
    if (opseg.nizi && uporedi(*broj, izDecimal(*opseg.nizi)) < 0)
        return Ocena::Nize;
    if (opseg.visi && uporedi(*broj, izDecimal(*opseg.visi)) > 0)
        return Ocena::Vise;
    return Ocena::UOpsegu;
}

QString oznaka(Ocena ocena) {
    switch (ocena) {
    case Ocena::Nize:
        return QStringLiteral("↓");
    case Ocena::Vise:
        return QStringLiteral("↑");
    default:
        return QString();
    }
}

QString opsegTekst(Pol pol, const Opseg& muski, const Opseg& zenski) {
    if (pol == Pol::Muski)
        return tekstOpsega(muski);
    if (pol == Pol::Zenski)
        return tekstOpsega(zenski);
    // Unknown sex: both ranges, or the one range when the two are the same.
    if (muski == zenski)
        return tekstOpsega(muski);
    const QString m = tekstOpsega(muski);
    const QString z = tekstOpsega(zenski);
    if (m.isEmpty() || z.isEmpty())
        return m.isEmpty() ? QStringLiteral("Ž: ") + z : QStringLiteral("M: ") + m;
    return QStringLiteral("M: ") + m + QStringLiteral("; Ž: ") + z;
}

} // namespace ocena
