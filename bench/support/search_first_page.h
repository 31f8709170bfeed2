#pragma once

// The first page of a two-criterion search, shared by bench_figures (its row beside the other
// figures) and bench_pretraga (this figure alone, and its growth with the number of visits).
#include "app/mab_oru.h"
#include "domain/search/pravila.h"
#include "domain/search/pretraga_sql.h"
#include "runtime/core/builtins.h"
#include "runtime/core/transaction.h"
#include "tests/support/test_data_source.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

// Replaces the visits with `visits` visits, a diagnosis each (one in eleven "J45 ...") and a
// doctor, spread over the address-book entries 1 .. patients and the days from 2016 on, written
// as the program writes them so the database keeps its search copies.
inline void fillVisits(TestDataSource& db, int visits, int patients) {
    const bool postgres = db.engine() == TestDataSource::Engine::PostgreSQL;
    const QString series =
        postgres ? QStringLiteral("generate_series(0, CAST(? AS integer) - 1) AS g(i)")
                 : QStringLiteral("n");
    const QString with = postgres ? QString()
                                  : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL "
                                                   "SELECT i + 1 FROM n WHERE i < ? - 1) ");
    const QString day = postgres ? QStringLiteral("DATE '2016-01-01' + (i * 37) % 3980")
                                 : QStringLiteral("date('2016-01-01', '+' || ((i * 37) % 3980) || "
                                                  "' days')");
    const QString diagnoses = QStringLiteral(
        "CASE i % 11 WHEN 0 THEN 'J45 Astma' WHEN 1 THEN 'I10 Hipertenzija' WHEN 2 THEN 'E11 "
        "Dijabetes tip 2' WHEN 3 THEN 'K29 Gastritis' WHEN 4 THEN 'M54 Bol u leđima' WHEN 5 THEN "
        "'E66 Gojaznost' WHEN 6 THEN 'J06 Akutna infekcija' WHEN 7 THEN 'F41 Anksioznost' WHEN 8 "
        "THEN 'N39 Infekcija urinarnog trakta' WHEN 9 THEN 'E78 Hiperlipidemija' ELSE 'R51 "
        "Glavobolja' END");
    if (!db.exec(QStringLiteral("DELETE FROM poseta")) ||
        !db.exec(with + QStringLiteral("INSERT INTO poseta (rbr, rbr_adresar, datum, lekar) SELECT "
                                       "i + 1, 1 + (i * 7919) % ?, %1, CASE i % 3 WHEN 0 THEN "
                                       "'dr Šimić' WHEN 1 THEN 'dr Đurić' ELSE 'dr Jovanović' "
                                       "END FROM %2")
                            .arg(day, series),
                 postgres ? QVariantList{patients, visits} : QVariantList{visits, patients}) ||
        !db.exec(with + QStringLiteral("INSERT INTO poseta_polje (rbr_poseta, polje, vrednost) "
                                       "SELECT i + 1, 'mle_radnadiag', %1 FROM %2")
                            .arg(diagnoses, series),
                 {visits}) ||
        db.count(QStringLiteral("poseta_polje_trazenje")) != visits)
        qFatal("the visits were not stored: %s", qPrintable(db.lastError()));
    // The keys were given here, so PostgreSQL's identity still stands at its start: moved past
    // them, or the program's next visit would be refused a key the fill took.
    if (postgres && !db.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('poseta', "
                                            "'rbr'), (SELECT MAX(rbr) FROM poseta))")))
        qFatal("the visits' key was not moved on: %s", qPrintable(db.lastError()));
}

// The two criteria: surname contains "ić" and a diagnosis "J45" in 2025-2026.
inline QList<pretraga::Kriterijum> twoCriteria() {
    pretraga::Kriterijum prezime;
    prezime.polje = pretraga::Polje::Prezime;
    prezime.tekst = QStringLiteral("ić");
    pretraga::Kriterijum dg;
    dg.polje = pretraga::Polje::Dg;
    dg.tekst = QStringLiteral("J45");
    dg.od = 2025;
    dg.do_ = 2026;
    dg.veznik = pretraga::Veznik::I;
    return {prezime, dg};
}

// Milliseconds of each of `rounds` first pages of 10, after one not counted, through the program's
// own statement and read path on a connection of the program's login.
inline QList<double> firstPages(const QDate& danas, int rounds, int* shown = nullptr) {
    Transaction sqlca;
    sqlca.autocommit = false;
    sqlca.dbparm = mab_oru::DBParm;
    if (const Result<> connected = sqlca.connect(); connected.sqlcode != 0)
        qFatal("no connection: %s", qPrintable(connected.sqlerrtext));
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const Result<pretraga_sql::Strana> strana =
            pretraga_sql::trazi(sqlca, pretraga_sql::sastavi(twoCriteria(), danas, 0, 10));
        const double ms = timer.nsecsElapsed() / 1e6;
        if (strana.failed() || strana.value.pogoci.isEmpty())
            qFatal("the search found nothing: %s", qPrintable(strana.sqlerrtext));
        if (shown)
            *shown = strana.value.ukupno;
        if (round > 0)
            times << ms;
    }
    sqlca.disconnect();
    return times;
}

// The same statement read by floor_odbc_read: the dates and page bounds written into its text
// (only the floor's), the two patterns bound as text.
inline QList<double> firstPagesFloor(const QDate& danas, int rounds) {
    const pretraga_sql::Naredba naredba = pretraga_sql::sastavi(twoCriteria(), danas, 0, 10);
    QString sql;
    QStringList arguments;
    qsizetype value = 0;
    for (const QChar c : naredba.tekst) {
        if (c != QLatin1Char('?')) {
            sql += c;
            continue;
        }
        const QVariant v = naredba.vrednosti.at(value++);
        if (v.typeId() == QMetaType::QDate)
            sql += QLatin1Char('\'') + v.toDate().toString(Qt::ISODate) + QLatin1Char('\'');
        else if (v.typeId() == QMetaType::Int)
            sql += QString::number(v.toInt());
        else {
            sql += c;
            arguments << v.toString();
        }
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/floor_odbc_read"),
                  QStringList{sql} + arguments + QStringList{QString::number(rounds + 1)});
    process.waitForFinished(600000);
    QList<double> times;
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) // the first read warms up
        times << lines.at(i).split(' ').value(0).toDouble();
    if (times.isEmpty())
        qFatal("floor_odbc_read gave no figure");
    return times;
}
