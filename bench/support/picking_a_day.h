#pragma once

// Picking a day on the ZAKAZIVANJE page with a given number of bookings stored over five doctors,
// shared by bench_figures (its row beside the other figures) and bench_zakazivanje_day (this
// figure alone).
#include "bench/support/bench_data.h"
#include "domain/appointments/calendar_rules.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/calendar_data_window.h"
#include "tests/support/app_fixture.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/main/mab_la.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTest>

constexpr int Doctors = 5;

// Stores `bookings` bookings over five doctors for the address-book entries 1 .. 1000, which must
// exist: the first doctor, whose day the page shows, gets a fifth of them but at least the 10th
// and the 11th of this month fully booked; the others share the rest. Each doctor's bookings fill
// one day after another, every half hour, around the 10th, so that this month sits among them.
// The data source is then settled, as after any fill of the benchmarks, unless settled is false:
// picks timed right after a bulk fill pay for it (on SQLite every read goes through a write-ahead
// log the fill left full; on PostgreSQL the new rows are neither vacuumed nor counted), and the
// reads that touch the most rows, the two months' bold days, pay most.
inline void storeBookings(TestDataSource& db, int bookings, bool settled = true) {
    const QDate tenth = calendar::startofmonth(Today()).addDays(9);
    const bool postgres = db.engine() == TestDataSource::Engine::PostgreSQL;
    const QString fill =
        postgres
            ? QStringLiteral("INSERT INTO zakazivanje (rbr_lekar, datum, vreme, opis, "
                             "rbr_adresar) SELECT CAST(? AS integer), CAST(? AS date) + i / 31, "
                             "TIME '07:00' + (i % 31) * INTERVAL '30 minutes', 'kontrola ' || "
                             "i, 1 + i % 1000 FROM generate_series(0, CAST(? AS integer) - 1) "
                             "AS i")
            : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < ? - 1) INSERT INTO zakazivanje (rbr_lekar, datum, "
                             "vreme, opis, rbr_adresar) SELECT ?, date(?, '+' || (i / 31) || "
                             "' days'), time('07:00', '+' || ((i % 31) * 30) || ' minutes'), "
                             "'kontrola ' || i, 1 + i % 1000 FROM n");
    if (!db.exec(QStringLiteral("DELETE FROM zakazivanje")) ||
        !db.exec(QStringLiteral("DELETE FROM lekar WHERE rbr > 1")))
        qFatal("the bookings were not cleared: %s", qPrintable(db.lastError()));
    for (int d = 2; d <= Doctors; ++d)
        if (!db.exec(QStringLiteral("INSERT INTO lekar (naziv) VALUES (?)"),
                     {QStringLiteral("dr %1").arg(d)}))
            qFatal("no doctor %d: %s", d, qPrintable(db.lastError()));
    const QList<QVariant> lekari = [&db] {
        QList<QVariant> rbr;
        for (int d = 0; d < Doctors; ++d)
            rbr << db.scalar(QStringLiteral("SELECT rbr FROM lekar ORDER BY rbr LIMIT 1 "
                                            "OFFSET %1")
                                 .arg(d));
        return rbr;
    }();
    const int first = qMax(62, bookings / Doctors);
    int left = bookings - first;
    for (int d = 0; d < Doctors && (d == 0 || left > 0); ++d) {
        const int count = d == 0 ? first : left / (Doctors - d);
        left -= d == 0 ? 0 : count;
        const QString from = tenth.addDays(-qMax(0, count / 31 / 2 - 1)).toString(Qt::ISODate);
        const QVariant lekar = lekari.at(d);
        if (count > 0 && !db.exec(fill, postgres ? QVariantList{lekar, from, count}
                                                 : QVariantList{count, lekar, from}))
            qFatal("the bookings were not stored: %s", qPrintable(db.lastError()));
    }
    if (db.count(QStringLiteral("zakazivanje")) != bookings)
        qFatal("the bookings were not stored: %s", qPrintable(db.lastError()));
    if (settled)
        settle(db, {QStringLiteral("zakazivanje"), QStringLiteral("lekar")});
}

// Stores the bookings, starts the program on the page and picks the 10th and the 11th (both fully
// booked for the doctor shown) in turn in the left calendar, each time until the day's rows, the
// list box and both calendars' bold days are read and painted. Milliseconds of each of `rounds`
// picks, after one not counted; the program is stopped again.
inline QList<double> pickingADay(AppFixture& fixture, int bookings, int rounds,
                                 bool settled = true) {
    storeBookings(fixture.db(), bookings, settled);
    const QDate tenth = calendar::startofmonth(Today()).addDays(9);
    mab_la* window = fixture.start();
    if (!window)
        qFatal("the program did not start");
    window->findChild<QTabWidget*>(QStringLiteral("tab_main"))->setCurrentIndex(2);
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the main window was not shown");
    tab_zakazivanje* page = window->zakazivanje();
    CalendarDataWindow* left = page->dw_calendar_1();
    QList<double> times;
    for (int round = 0; round <= rounds; ++round) {
        const QDate day = tenth.addDays(round % 2);
        const QPoint at =
            left->visualRect(left->calendarModel()->indexOfCell(calendar::dayCell(day))).center();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents(); // painted, too
        const double ms = timer.nsecsElapsed() / 1e6;
        if (page->izabraniDan() != day)
            qFatal("the day was not picked");
        if (round > 0)
            times << ms;
    }
    fixture.stop();
    return times;
}
