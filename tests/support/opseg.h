#pragma once
// A laboratory range written as "135;175"; an empty side is open.
#include "domain/lab/ocena.h"

#include <QStringList>

inline ocena::Opseg opsegIz(const QString& tekst) {
    const QStringList granice = tekst.split(QLatin1Char(';'));
    ocena::Opseg o;
    if (!granice.value(0).isEmpty())
        o.nizi = Decimal::fromText(granice.value(0));
    if (!granice.value(1).isEmpty())
        o.visi = Decimal::fromText(granice.value(1));
    return o;
}
