#pragma once

// Picking a day on the ZAKAZIVANJE page with a given number of bookings stored, shared by
// bench_figures (its row beside the other figures) and bench_zakazivanje_day (this figure alone).
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

// Stores `bookings` bookings, every half hour of one day after another from the 10th of this month
// (backwards too for more than 100, so that this month sits among them), for the address-book
// entries 1 .. 1000, which must exist. Then starts the program on the page and picks the 10th and
// the 11th (both fully booked) in turn in the left calendar, each time until the day's rows, the
// list box and both calendars' bold days are read and painted. Milliseconds of each of `rounds`
// picks, after one not counted; the program is stopped again.
inline QList<double> pickingADay(AppFixture& fixture, int bookings, int rounds) {
    TestDataSource& db = fixture.db();
    const QDate tenth = calendar::startofmonth(Today()).addDays(9);
    const QDate first = tenth.addDays(bookings > 100 ? -(bookings / 2 / 31) : 0);
    const bool postgres = db.engine() == TestDataSource::Engine::PostgreSQL;
    const QString fill =
        postgres ? QStringLiteral("INSERT INTO zakazivanje (datum, vreme, opis, rbr_adresar) "
                                  "SELECT CAST(? AS date) + i / 31, TIME '07:00' + (i % 31) * "
                                  "INTERVAL '30 minutes', 'kontrola ' || i, 1 + i % 1000 "
                                  "FROM generate_series(0, CAST(? AS integer) - 1) AS i")
                 : QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                                  "WHERE i < ? - 1) INSERT INTO zakazivanje (datum, vreme, opis, "
                                  "rbr_adresar) SELECT date(?, '+' || (i / 31) || ' days'), "
                                  "time('07:00', '+' || ((i % 31) * 30) || ' minutes'), "
                                  "'kontrola ' || i, 1 + i % 1000 FROM n");
    const QString firstDay = first.toString(Qt::ISODate);
    if (!db.exec(QStringLiteral("DELETE FROM zakazivanje")) ||
        !db.exec(fill,
                 postgres ? QVariantList{firstDay, bookings} : QVariantList{bookings, firstDay}) ||
        db.count(QStringLiteral("zakazivanje")) != bookings)
        qFatal("the bookings were not stored: %s", qPrintable(db.lastError()));

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
