#pragma once

#include "domain/lab/ordinacija_sql.h"
#include "domain/lab/rezultat_upis.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What a printed findings report and a bill say, as plain text in their order: the practice's
// header, the title, the patient and the order, one table, the sums and the day printed. The
// screens lay it out on the page; nothing here knows fonts or paper.
namespace izvestaj {

struct Stavka {
    QString naziv;
    QString vrednost;
};

struct Dokument {
    QStringList ordinacija; // name, address, telephone: the lines that are filled
    QString naslov;         // "Laboratorijski nalaz", "Račun"
    QList<Stavka> podaci;   // patient and order
    QStringList kolone;     // the table's headings
    QList<int> brojevi;     // columns of figures, aligned right
    int oznake = -1;        // the column of the marks ("↓", "↑"), drawn to stand out
    QList<QStringList> redovi;
    QList<Stavka> zbirovi; // the bill's sums, below the table
    QString napomena;      // under the table: why it is empty, or that the order is cancelled
    QString odstampano;    // "Datum štampe: 10.12.2026"
};

// The findings report of an order: every analysis of the order with its value, unit, the range
// for the patient's sex (both when it is unknown) and the mark.
Dokument nalaz(const rezultat_upis::Nalog& nalog, const ordinacija_sql::Ordinacija& ordinacija,
               const QDate& danas);
// The bill: the priced analyses, their sum, the discount, the three subtotals and the total,
// exactly as the laboratory page showed them.
Dokument racun(const rezultat_upis::Nalog& nalog, const ordinacija_sql::Ordinacija& ordinacija,
               const QDate& danas);

} // namespace izvestaj
