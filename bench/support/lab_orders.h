#pragma once

// Keeping laboratory orders, shared by bench_figures (its rows beside the other figures) and
// bench_nalog (these figures alone): saving an order on the laboratory page and opening one from
// the patient's list, with many or few orders stored, and the PDF of a 30-line findings report
// beside a bare text document of the same text printed to PDF.
#include "bench/support/bench_data.h"
#include "domain/lab/izvestaj.h"
#include "runtime/core/builtins.h"
#include "runtime/widgets/controls.h"
#include "tests/support/app_fixture.h"
#include "ui/lab/nalog_komande.h"
#include "ui/lab/stampa.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/lab/w_hematologija_unos.h"
#include "ui/main/mab_la.h"
#include "ui/reception/tab_prijem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace orders_bench {

// The patient the figures save for and open: none of the filler's orders are theirs.
constexpr int Patient = 500;
constexpr int LinesPerOrder = 10;

// Replaces every order by `count` orders spread over the address-book entries 1 .. 100 (which
// must exist), one a day backwards from today, each of LinesPerOrder analyses with a result, and
// gives Patient `ofPatient` such orders of its own on top.
inline void store(TestDataSource& db, int count, int ofPatient) {
    const bool postgres = db.engine() == TestDataSource::Engine::PostgreSQL;
    const QString day = postgres ? QStringLiteral("CURRENT_DATE - (i % 3650)")
                                 : QStringLiteral("date('now', '-' || (i % 3650) || ' days')");
    const QString numbers = postgres
                                ? QStringLiteral("generate_series(0, CAST(? AS integer) - 1) AS i")
                                : QStringLiteral("n");
    const QString recursive = postgres
                                  ? QString()
                                  : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION "
                                                   "ALL SELECT i + 1 FROM n WHERE i < ? - 1) ");
    auto orders = [&](int howMany, const QString& patient) {
        if (howMany > 0 &&
            !db.exec(recursive +
                         QStringLiteral("INSERT INTO nalog (rbr_adresar, datum, popust, cena_hem, "
                                        "ukupno_hem, ukupno_biohem, ukupno_urin, svega) SELECT "
                                        "%1, %2, '10', 100, 90, 120.5, 0, 210.5 FROM ")
                             .arg(patient, day) +
                         numbers,
                     {howMany}))
            qFatal("the orders were not stored: %s", qPrintable(db.lastError()));
    };
    if (!postgres)
        db.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    for (const char* table : {"rezultat", "nalog_stavka", "nalog"})
        if (!db.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))))
            qFatal("the orders were not emptied: %s", qPrintable(db.lastError()));
    orders(count, QStringLiteral("1 + i % 100"));
    orders(ofPatient, QString::number(Patient));
    if (!db.exec(recursive +
                     QStringLiteral("INSERT INTO nalog_stavka (rbr_nalog, grupa, podgrupa, "
                                    "rbr_nalaza, naziv, cena) SELECT o.rbr, 1, 0, i + 1, "
                                    "'Analiza ' || (i + 1), 10 FROM nalog o, ") +
                     numbers,
                 {LinesPerOrder}) ||
        !db.exec(QStringLiteral("INSERT INTO rezultat (rbr_stavka, vrednost, ocena, datum) SELECT "
                                "rbr, '5,5', 0, '2026-01-01' FROM nalog_stavka")))
        qFatal("the lines were not stored: %s", qPrintable(db.lastError()));
    if (db.count(QStringLiteral("rezultat")) != (count + ofPatient) * LinesPerOrder)
        qFatal("the results were not stored");
    settle(db,
           {QStringLiteral("nalog"), QStringLiteral("nalog_stavka"), QStringLiteral("rezultat")});
}

// The analyses of an order saved by the benchmarks: LinesPerOrder of the first group, 10 each.
inline QList<nalog_sql::Stavka> analyses() {
    QList<nalog_sql::Stavka> stavke;
    for (qint16 rbr = 1; rbr <= LinesPerOrder; ++rbr) {
        nalog_sql::Stavka stavka;
        stavka.grupa = 1;
        stavka.rbrNalaza = rbr;
        stavka.naziv = QStringLiteral("Analiza %1").arg(rbr);
        stavka.cena = Decimal::fromText(QStringLiteral("10"));
        stavke << stavka;
    }
    return stavke;
}

// The laboratory page of a started program, its patient taken from reception.
inline nalog_komande* laboratoryOf(AppFixture& fixture) {
    mab_la* window = fixture.start();
    if (!window)
        qFatal("the program did not start");
    const QString mbr =
        fixture.db()
            .scalar(QStringLiteral("SELECT mbr FROM adresar WHERE rbr = ?"), {Patient})
            .toString();
    QTest::keyClicks(window->prijem()->findChild<QLineEdit*>(QStringLiteral("sle_mb")), mbr);
    window->tabMain()->setCurrentWidget(window->labAnalize());
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the main window was not shown");
    nalog_komande* nalozi = window->labAnalize()->nalozi();
    if (!nalozi || nalozi->rbrPacijenta() != Patient)
        qFatal("the laboratory page did not take reception's patient");
    return nalozi;
}

// With `stored` orders in the database, the desk saves a new order of Patient: ten analyses
// accepted in the order window, a biochemistry amount, "Sačuvaj nalog" pressed until the list of
// orders is read again and painted. The order is removed again untimed.
inline QList<double> savingAnOrder(AppFixture& fixture, int stored, int rounds) {
    TestDataSource& db = fixture.db();
    store(db, stored, 0);
    nalog_komande* nalozi = laboratoryOf(fixture);
    tab_lab_analize* page = fixture.window()->labAnalize();
    PrihvacenNalog prihvacen;
    prihvacen.stavke = analyses();
    prihvacen.ukupnaCena = Decimal::fromText(QStringLiteral("100"));
    prihvacen.popust = QStringLiteral("10");
    auto* save = static_cast<QPushButton*>(nalozi->komanda(QStringLiteral("cb_sacuvaj_nalog")));
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        nalozi->novNalog();
        emit page->hematologijaPrihvacena(prihvacen);
        page->postavi_ukupno_hem(Decimal::fromText(QStringLiteral("90")));
        page->em_ukupno_biohem()->setValue(QString::number(round));
        page->svega_za_naplatu();
        QElapsedTimer timer;
        timer.start();
        save->click();
        QApplication::processEvents(); // painted, too
        const double ms = timer.nsecsElapsed() / 1e6;
        if (!nalozi->rbrNaloga() || db.count(QStringLiteral("nalog")) != stored + 1)
            qFatal("the order was not saved");
        db.exec(QStringLiteral("DELETE FROM nalog_stavka WHERE rbr_nalog = ?"),
                {*nalozi->rbrNaloga()});
        db.exec(QStringLiteral("DELETE FROM nalog WHERE rbr = ?"), {*nalozi->rbrNaloga()});
        if (round > 0)
            times << ms;
    }
    fixture.stop();
    return times;
}

// With `stored` orders in the database, the desk opens Patient's orders one after the other from
// the list beside the tabs, until the page shows the order's figures and is painted.
inline QList<double> openingAnOrder(AppFixture& fixture, int stored, int rounds) {
    TestDataSource& db = fixture.db();
    store(db, stored, 2);
    nalog_komande* nalozi = laboratoryOf(fixture);
    const QList<QVariant> keys{
        db.scalar(QStringLiteral("SELECT MIN(rbr) FROM nalog WHERE rbr_adresar = ?"), {Patient}),
        db.scalar(QStringLiteral("SELECT MAX(rbr) FROM nalog WHERE rbr_adresar = ?"), {Patient})};
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        const int rbr = keys.at(round % 2).toInt();
        QElapsedTimer timer;
        timer.start();
        const bool opened = nalozi->otvoriNalog(rbr);
        QApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (!opened || nalozi->rbrNaloga() != rbr || nalozi->stavke().size() != LinesPerOrder)
            qFatal("the order was not opened");
        if (round > 0)
            times << ms;
    }
    fixture.stop();
    return times;
}

// A findings report of 30 analyses with their results, ranges and marks.
inline izvestaj::Dokument report30() {
    rezultat_upis::Nalog nalog;
    nalog.pacijent = {1, QStringLiteral("Jelena"), QStringLiteral("Đurđević"),
                      QStringLiteral("0101990715001"), QVariant(0)};
    nalog.pol = ocena::Pol::Zenski;
    nalog.zaglavlje.rbr = 4711;
    nalog.zaglavlje.datum = QDate(2026, 12, 9);
    for (int i = 1; i <= 30; ++i) {
        rezultat_upis::Linija linija;
        linija.stavka.naziv = QStringLiteral("Analiza broj %1 (čćšžđ)").arg(i);
        linija.vrednost = QStringLiteral("%1,5").arg(i);
        linija.jedMere = QStringLiteral("mmol/L");
        linija.zenski = {Decimal::fromText(QStringLiteral("5")),
                         Decimal::fromText(QStringLiteral("25"))};
        linija.muski = linija.zenski;
        linija.pol = ocena::Pol::Zenski;
        nalog.linije << linija;
    }
    return izvestaj::nalaz(nalog,
                           {QStringLiteral("Ordinacija „Zdravlje“"),
                            QStringLiteral("Njegoševa 5, 11000 Beograd"),
                            QStringLiteral("011/123-456"), 1},
                           QDate(2026, 12, 10));
}

// Milliseconds to write the report's PDF as "Sačuvaj kao PDF" does, each of `rounds` after one
// not counted.
inline QList<double> reportPdf(int rounds) {
    QTemporaryDir dir;
    const izvestaj::Dokument dokument = report30();
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!stampa::uPdf(dokument, dir.filePath(QStringLiteral("nalaz.pdf"))))
            qFatal("the report was not written");
        if (round > 0)
            times << timer.nsecsElapsed() / 1e6;
    }
    return times;
}

// The floor: a bare QTextDocument holding the same words as plain text, one line per row,
// printed to PDF on A4 with the same font.
inline QList<double> barePdf(int rounds) {
    QTemporaryDir dir;
    const izvestaj::Dokument dokument = report30();
    QStringList lines = dokument.ordinacija;
    lines << dokument.naslov;
    for (const izvestaj::Stavka& s : dokument.podaci)
        lines << s.naziv + QStringLiteral(": ") + s.vrednost;
    lines << dokument.kolone.join(QLatin1Char(' '));
    for (const QStringList& red : dokument.redovi)
        lines << red.join(QLatin1Char(' '));
    lines << dokument.odstampano;
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        QTextDocument text;
        text.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
        text.setPlainText(lines.join(QLatin1Char('\n')));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("bare.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        text.print(&printer);
        if (round > 0)
            times << timer.nsecsElapsed() / 1e6;
    }
    return times;
}

} // namespace orders_bench
