#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The visit's date as the desk types it in sle_datum.
namespace poseta_datum {

// "dd.mm.gggg" or with one-digit day and month ("9.12.2026"); the empty text means danas. Any
// other text, and a day that the calendar does not have (31.02.2026), gives none.
std::optional<QDate> procitaj(const QString& tekst, const QDate& danas);

// The form a date takes in sle_datum and in the visit list: "09.12.2026".
QString prikazi(const QDate& datum);

// The notice for a date that cannot be read.
QString losDatum();

// A visit's date lies between 01.01.1900 and the end of the year after danas: a year typed wrong
// ("0206", "2062") is refused instead of keeping a visit that no search would ever find.
QDate najranijiDatum();
QDate najkasnijiDatum(const QDate& danas);
bool uGranicama(const QDate& datum, const QDate& danas);
// The notice for a date outside them, naming the allowed range.
QString vanGranica(const QDate& danas);

} // namespace poseta_datum
