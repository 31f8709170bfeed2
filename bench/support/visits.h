#pragma once

// Keeping reception visits, shared by bench_figures (its rows beside the other figures) and
// bench_poseta (these figures alone): saving one visit on PRIJEM with many or few visits stored,
// and reading a patient's visit list through the program's read path.
#include "bench/support/bench_data.h"
#include "domain/reception/poseta_sql.h"
#include "runtime/core/builtins.h"
#include "tests/support/app_fixture.h"
#include "ui/main/mab_la.h"
#include "ui/reception/prijem_posete.h"
#include "ui/reception/tab_prijem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace visits_bench {

// The patient the figures save for and read: one without stored visits of the filler's.
constexpr int Patient = 500;

// Replaces every visit by `count` visits spread over the address-book entries 1 .. 100 (which
// must exist), one a day backwards from today, each with eight fields, and gives Patient
// `ofPatient` visits of its own on top.
inline void store(TestDataSource& db, int count, int ofPatient) {
    const bool postgres = db.engine() == TestDataSource::Engine::PostgreSQL;
    const QString day = postgres ? QStringLiteral("CURRENT_DATE - (i % 3650)")
                                 : QStringLiteral("date('now', '-' || (i % 3650) || ' days')");
    auto visits = [&](int howMany, const QString& patient) {
        if (howMany <= 0)
            return;
        const QString sql =
            (postgres ? QString()
                      : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL "
                                       "SELECT i + 1 FROM n WHERE i < ? - 1) ")) +
            QStringLiteral("INSERT INTO poseta (rbr_adresar, datum, broj_protokola, lekar) "
                           "SELECT %1, %2, i || '/2026', 'dr Milica Jovanović' FROM ")
                .arg(patient, day) +
            (postgres ? QStringLiteral("generate_series(0, CAST(? AS integer) - 1) AS i")
                      : QStringLiteral("n"));
        if (!db.exec(sql, {howMany}))
            qFatal("the visits were not stored: %s", qPrintable(db.lastError()));
    };
    // The embedded database as scripts/create-embedded-database.sh makes it: in WAL mode.
    if (!postgres)
        db.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    if (!db.exec(QStringLiteral("DELETE FROM poseta_polje")) ||
        !db.exec(QStringLiteral("DELETE FROM poseta")))
        qFatal("the visits were not emptied: %s", qPrintable(db.lastError()));
    visits(count, QStringLiteral("1 + i % 100"));
    visits(ofPatient, QString::number(Patient));
    const char* fields[] = {"sle_ime",     "sle_4",       "sle_mb",      "sle_starost",
                            "mle_pusenje", "mle_alkohol", "uo_3.cbx_da", "mle_radnadiag"};
    for (const char* field : fields)
        if (!db.exec(QStringLiteral("INSERT INTO poseta_polje (rbr_poseta, polje, vrednost) "
                                    "SELECT rbr, ?, 'vrednost ' || rbr FROM poseta"),
                     {QString::fromLatin1(field)}))
            qFatal("the fields were not stored: %s", qPrintable(db.lastError()));
    if (db.count(QStringLiteral("poseta")) != count + ofPatient)
        qFatal("the visits were not stored");
    settle(db, {QStringLiteral("poseta"), QStringLiteral("poseta_polje")});
}

// With `stored` visits in the database, the desk saves a new visit of Patient on PRIJEM (the
// form filled, "Sačuvaj posetu" pressed, until the list beside the tabs is read again and
// painted). The visit is removed again untimed. Milliseconds of each of `rounds` saves, after
// one not counted; the program is stopped again.
inline QList<double> savingAVisit(AppFixture& fixture, int stored, int rounds) {
    TestDataSource& db = fixture.db();
    store(db, stored, 0);
    const QString mbr =
        db.scalar(QStringLiteral("SELECT mbr FROM adresar WHERE rbr = ?"), {Patient}).toString();
    mab_la* window = fixture.start();
    if (!window || mbr.size() != 13)
        qFatal("the program did not start, or the patient has no identity number");
    window->tabMain()->setCurrentIndex(0);
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the main window was not shown");
    tab_prijem* page = window->prijem();
    prijem_posete* posete = page->posete();
    auto edit = [page](const char* name) {
        return page->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    auto text = [page](const char* name) {
        return page->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    };
    QTest::keyClicks(edit("sle_mb"), mbr);
    if (posete->rbrPacijenta() != Patient)
        qFatal("the patient was not found by the identity number");
    auto* save = static_cast<QPushButton*>(posete->komanda(QStringLiteral("cb_sacuvaj_posetu")));
    auto* next = static_cast<QPushButton*>(posete->komanda(QStringLiteral("cb_nova_poseta")));
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        next->click();
        edit("sle_broj_protokola")->setText(QStringLiteral("%1/2026").arg(round));
        edit("sle_lekar")->setText(QStringLiteral("dr Milica Jovanović"));
        edit("sle_starost")->setText(QStringLiteral("36"));
        text("mle_pusenje")->setPlainText(QStringLiteral("Ne puši."));
        text("mle_radnadiag")
            ->setPlainText(QStringLiteral("Hipertenzija, kontrola za mesec dana."));
        QElapsedTimer timer;
        timer.start();
        save->click();
        QApplication::processEvents(); // painted, too
        const double ms = timer.nsecsElapsed() / 1e6;
        if (!posete->rbrPosete() || db.count(QStringLiteral("poseta")) != stored + 1)
            qFatal("the visit was not saved");
        db.exec(QStringLiteral("DELETE FROM poseta_polje WHERE rbr_poseta = ?"),
                {*posete->rbrPosete()});
        db.exec(QStringLiteral("DELETE FROM poseta WHERE rbr = ?"), {*posete->rbrPosete()});
        if (round > 0)
            times << ms;
    }
    fixture.stop();
    return times;
}

// Patient's list of `ofPatient` visits read through the program's read path, as choosing the
// patient reads it; milliseconds of each of `rounds` reads after one not counted.
inline QList<double> readingTheList(AppFixture& fixture, int ofPatient, int rounds) {
    store(fixture.db(), 1000, ofPatient);
    if (!fixture.start())
        qFatal("the program did not start");
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const Result<QList<poseta_sql::Stavka>> list =
            poseta_sql::posetePacijenta(sqlca(), Patient);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (list.failed() || list.value.size() != ofPatient)
            qFatal("the list was not read");
        if (round > 0)
            times << ms;
    }
    fixture.stop();
    return times;
}

// The list's statement as the floor reader binds it: its two arguments are texts, so the key
// comes as a text cast to an integer, and the second argument ("%") is only checked for being
// there, which costs the floor, not the program.
inline QString floorStatement() {
    QString sql = poseta_sql::upitPosetaPacijenta();
    sql.replace(QStringLiteral("rbr_adresar = ?"),
                QStringLiteral("rbr_adresar = CAST(? AS INTEGER) AND ? <> ''"));
    return sql;
}

} // namespace visits_bench
