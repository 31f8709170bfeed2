#include "domain/reception/poseta_datum.h"

#include <QRegularExpression>

namespace poseta_datum {

std::optional<QDate> procitaj(const QString& tekst, const QDate& danas) {
    if (tekst.isEmpty())
        return danas;
    // Digits only in ASCII: \d would also take other scripts' digits, which QString::toInt reads.
    // Anchored as a whole: "$" alone would let a final line break through.
    static const QRegularExpression oblik(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4})")));
    const QRegularExpressionMatch delovi = oblik.match(tekst);
    if (!delovi.hasMatch())
        return std::nullopt;
    const QDate datum(delovi.captured(3).toInt(), delovi.captured(2).toInt(),
                      delovi.captured(1).toInt());
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

QString prikazi(const QDate& datum) {
    return datum.toString(QStringLiteral("dd.MM.yyyy"));
}

QString losDatum() {
    return QStringLiteral("Datum posete mora biti u obliku dd.mm.gggg (na primer 09.12.2026). "
                          "Prazno polje znači današnji datum.");
}

QDate najranijiDatum() {
    return QDate(1900, 1, 1);
}

QDate najkasnijiDatum(const QDate& danas) {
    return QDate(danas.year() + 1, 12, 31);
}

bool uGranicama(const QDate& datum, const QDate& danas) {
    return datum >= najranijiDatum() && datum <= najkasnijiDatum(danas);
}

QString vanGranica(const QDate& danas) {
    return QStringLiteral("Datum posete mora biti između %1 i %2. Poseta nije upisana.")
        .arg(prikazi(najranijiDatum()), prikazi(najkasnijiDatum(danas)));
}

} // namespace poseta_datum
