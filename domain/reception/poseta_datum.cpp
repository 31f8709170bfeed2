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

} // namespace poseta_datum
