#pragma once

#include "runtime/core/decimal.h"

#include <QList>
#include <QString>

// The money rules of the laboratory bill. Line prices and their sum are exact decimals; the
// discount and the bill total are worked out in doubles from the amounts as the fields hold them
// (text that is no number counts as 0), so every figure shows exactly as the practice knows it.
namespace racun {

// The price of an analysis line when nothing else is known: ten, in money.
Decimal podrazumevanaCena();

// The sum of the checked lines' prices.
Decimal ukupnaCena(const QList<Decimal>& ceneOznacenih);

// The amount to pay: the total less procenat per cent of it (first the product, then the division
// by 100, then the subtraction). An empty or unreadable percentage counts as 0.
double zaNaplatu(const QString& ukupnaCena, const QString& procenat);

// The bill total of the three subtotals, added left to right, as text with two decimals.
QString svegaZaNaplatu(const QString& hematologija, const QString& biohemija, const QString& urin);

} // namespace racun
