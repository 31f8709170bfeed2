#pragma once

#include "domain/appointments/zakazivanje_prikaz.h"

#include <QDate>
#include <QList>
#include <QString>

class QPrinter;
class QTextDocument;

// The printed day of one doctor: the heading, then a table of time, patient, telephone, note and
// status, one line per booking, and the day it was printed. One document feeds the printer and
// the PDF alike.
namespace stampa_dana {

void napravi(QTextDocument& dokument, const QString& naslov,
             const QList<zakazivanje_prikaz::RedSpiska>& redovi, const QDate& stampano);
// Prints the day on A4 with margins of 15 mm.
void stampaj(QPrinter& printer, const QString& naslov,
             const QList<zakazivanje_prikaz::RedSpiska>& redovi, const QDate& stampano);

} // namespace stampa_dana
