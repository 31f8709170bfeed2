// A practice's busy hour on one PostgreSQL server: desks, each a thread with a connection of its
// own made as the program makes it, doing the front desk's mix (bench/support/front_desk_mix.h)
// through the domain's functions, over 32,767 entries, 100,000 visits, 50,000 bookings and 10,000
// orders. bench/desks.sh builds and runs it on a private server and prints the table.
//     MAB_TEST_ENGINE=postgresql MAB_TEST_PG_PORT=PORT
//         bench_desks [OPEN_SECONDS [CLOSED_SECONDS [ONE_DESK_GAP_SECONDS]]]
// First the open loop: 1 desk, then 20, each desk's actions arriving at random (exponential gaps,
// a mean of 2 s for the 20 desks; the one desk's mean gap is ONE_DESK_GAP_SECONDS, 0.25 by
// default, so that its percentiles rest on as many actions in the same time while the server still
// never sees two at once), for OPEN_SECONDS (90) each. Then the closed loop: 1, 5 and 20 desks,
// each doing the mix back to back for CLOSED_SECONDS (30). Last, the 20 desks at their pace once
// more (at most 30 s) with every plan logged, untimed, to tell where the server's time goes.
// Output: tab-separated rows (figure, value, floor, ratio, target), then "statement" lines
// (pg_stat_statements over the last two runs) and "plan" lines (the plan log, MAB_BENCH_SERVER_LOG:
// the server's log file), when the server has those libraries loaded.
#include "bench/support/bench_data.h"
#include "bench/support/children.h"
#include "bench/support/front_desk_mix.h"
#include "bench/support/lab_orders.h"
#include "bench/support/picking_a_day.h"
#include "bench/support/server_time.h"

#include "app/mab_oru.h"
#include "tests/support/test_data_source.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <chrono>
#include <cstdio>
#include <functional>
#include <latch>
#include <mutex>
#include <thread>

namespace {

using namespace front_desk;
using Clock = std::chrono::steady_clock;

constexpr int FullBook = 32767;
constexpr int Desks = 20;
constexpr double BusyGapSeconds = 2.0;

// What the desks of one run did: each action's milliseconds by kind (refusals included: the desk
// waited for them too), the refusals by kind, the failures with their first few texts.
struct Tally {
    std::array<QList<double>, ActionCount> ms;
    std::array<int, ActionCount> refused{};
    int failed = 0;
    QStringList failures;
    double seconds = 0;

    int actions() const {
        int n = 0;
        for (const QList<double>& kind : ms)
            n += int(kind.size());
        return n + failed;
    }
    QList<double> all() const {
        QList<double> every;
        for (const QList<double>& kind : ms)
            every += kind;
        return every;
    }
    void add(const Tally& desk) {
        for (int k = 0; k < ActionCount; ++k) {
            ms[k] += desk.ms[k];
            refused[k] += desk.refused[k];
        }
        failed += desk.failed;
        for (const QString& text : desk.failures)
            if (failures.size() < 5)
                failures << text;
    }
    void note(Action action, const Outcome& outcome, double elapsed) {
        const int k = static_cast<int>(action);
        if (outcome.end == Outcome::End::Failed) {
            ++failed;
            if (failures.size() < 5)
                failures << QStringLiteral("%1: %2").arg(QLatin1String(name(action)), outcome.text);
            return;
        }
        ms[k] << elapsed;
        if (outcome.end == Outcome::End::Refused)
            ++refused[k];
    }
};

double msSince(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// One desk: connects as the program does, does each action once untimed (the connection's first
// statements), waits for the others, then works for `seconds`: with a mean gap, open loop (the
// actions arrive at random, each timed from its start: a desk does one thing at a time, so one
// that arrives while the last still runs starts when that ends); without, closed.
void desk(int index, const Practice& practice, double meanGap, double seconds, std::latch& ready,
          std::latch& go, Tally& tally) {
    Transaction sqlca;
    sqlca.autocommit = false;
    sqlca.dbparm = mab_oru::DBParm;
    const Result<> connected = sqlca.connect();
    Desk mix(sqlca, practice, 7919u * unsigned(index + 1));
    if (connected.failed())
        tally.note(Action::Letter, {Outcome::End::Failed, connected.sqlerrtext}, 0);
    else
        for (int k = 0; k < ActionCount; ++k)
            mix.run(static_cast<Action>(k));
    ready.count_down();
    go.wait();
    if (connected.failed())
        return;
    std::mt19937 arrivals(104729u * unsigned(index + 1));
    std::exponential_distribution<double> gap(meanGap > 0 ? 1.0 / meanGap : 1.0);
    const auto asDuration = [](double s) {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
    };
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + asDuration(seconds);
    Clock::time_point arrival = meanGap > 0 ? start + asDuration(gap(arrivals)) : start;
    while (arrival < end) {
        std::this_thread::sleep_until(arrival);
        const Clock::time_point begun = Clock::now();
        const Action action = mix.next();
        const Outcome outcome = mix.run(action);
        tally.note(action, outcome, msSince(begun));
        arrival = meanGap > 0 ? arrival + asDuration(gap(arrivals)) : Clock::now();
    }
    tally.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    sqlca.disconnect();
}

// `desks` desks at work; beforeStart runs once they are all connected and warmed up, right
// before they start.
Tally work(int desks, const Practice& practice, double meanGap, double seconds,
           const std::function<void()>& beforeStart = {}) {
    std::vector<Tally> tallies(desks);
    std::latch ready(desks);
    std::latch go(1);
    std::vector<std::thread> threads;
    for (int d = 0; d < desks; ++d)
        threads.emplace_back(desk, d, std::cref(practice), meanGap, seconds, std::ref(ready),
                             std::ref(go), std::ref(tallies[d]));
    ready.wait();
    if (beforeStart)
        beforeStart();
    go.count_down();
    Tally total;
    for (int d = 0; d < desks; ++d) {
        threads[d].join();
        total.add(tallies[d]);
        total.seconds = std::max(total.seconds, tallies[d].seconds);
    }
    for (const QString& text : total.failures)
        std::fprintf(stderr, "bench_desks: %d desks: %s\n", desks, qPrintable(text));
    return total;
}

QString engine;

void row(const QString& figure, double value, double floor, const char* unit, double target) {
    children::row(engine, figure, value, floor, unit, target);
}

// A count that must be zero, in the table's columns.
void zeroRow(const QString& figure, int count) {
    std::printf("%s (%s)\t%d\t-\t-\t= 0%s\n", qPrintable(figure), qPrintable(engine), count,
                count == 0 ? "" : "  MISSED");
}

double p95(const QList<double>& ms) {
    return children::percentile(ms, 0.95);
}

// Bookings that hold the same doctor's slot while neither is cancelled: what the booking's unique
// index rules out.
int doubledBookings(TestDataSource& db) {
    return db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM zakazivanje WHERE status <> "
                               "'otkazan' GROUP BY rbr_lekar, datum, vreme HAVING COUNT(*) > 1) "
                               "AS d"))
        .toInt();
}

void fill(TestDataSource& db) {
    if (!fillAddressBook(db, 0, FullBook) || !fillCatalogue(db, 20))
        qFatal("the address book or the catalogue was not filled: %s", qPrintable(db.lastError()));
    storeBookings(db, 50000, false);
    fillVisits(db, 100000, FullBook);
    orders_bench::store(db, 10000, 0);
    settle(db, {QStringLiteral("adresar"), QStringLiteral("zakazivanje"), QStringLiteral("lekar"),
                QStringLiteral("poseta"), QStringLiteral("poseta_polje"),
                QStringLiteral("poseta_polje_trazenje")});
}

Practice practiceOf(TestDataSource& db) {
    Practice practice;
    practice.patients = FullBook;
    QSqlQuery doctors(db.verifier());
    doctors.exec(QStringLiteral("SELECT rbr FROM lekar ORDER BY rbr"));
    while (doctors.next())
        practice.doctors << doctors.value(0).toInt();
    // The days every doctor has filled, and free days a week after the last booking.
    QSqlQuery span(db.verifier());
    span.exec(QStringLiteral("SELECT MAX(od), MIN(do_), MAX(do_) FROM (SELECT MIN(datum) AS od, "
                             "MAX(datum) AS do_ FROM zakazivanje GROUP BY rbr_lekar) AS s"));
    if (practice.doctors.isEmpty() || !span.next())
        qFatal("no doctors or no bookings");
    practice.filledFrom = span.value(0).toDate();
    practice.filledTo = span.value(1).toDate();
    practice.freeFrom = span.value(2).toDate().addDays(7);
    return practice;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const double openSeconds = argc > 1 ? qMax(1.0, atof(argv[1])) : 90;
    const double closedSeconds = argc > 2 ? qMax(1.0, atof(argv[2])) : 30;
    const double oneDeskGap = argc > 3 ? qMax(0.01, atof(argv[3])) : 0.25;
    TestDataSource db;
    if (db.engine() != TestDataSource::Engine::PostgreSQL)
        qFatal("desks share a server: run with MAB_TEST_ENGINE=postgresql and MAB_TEST_PG_PORT");
    if (!db.provision())
        qFatal("no data source: %s", qPrintable(db.errorString()));
    engine = db.engineName();
    fill(db);
    const Practice practice = practiceOf(db);
    const bool kept = server_time::keepStatements(db);
    if (!kept)
        std::fprintf(stderr, "bench_desks: pg_stat_statements is not loaded: no statement times\n");
    const QString busyHour =
        QStringLiteral("%1 desks, one action per %2 s each").arg(Desks).arg(BusyGapSeconds);
    const QString backToBack = QStringLiteral("%1 desks back to back").arg(Desks);

    const Tally one = work(1, practice, oneDeskGap, openSeconds);
    const Tally busy = work(Desks, practice, BusyGapSeconds, openSeconds);
    const int doubledOpen = doubledBookings(db);
    struct Level {
        int desks;
        Tally tally;
    };
    QList<Level> closed;
    for (int desks : {1, 5, Desks})
        closed << Level{desks, work(desks, practice, 0, closedSeconds,
                                    [&] { server_time::resetStatements(db); })};
    double closedServer = 0;
    const QStringList closedStatements =
        kept ? server_time::statements(db, backToBack, &closedServer) : QStringList();
    // Where the busy hour's time goes, from a run of its own: logging every plan costs the
    // server, so the figures above are taken without it.
    const Tally traced = work(Desks, practice, BusyGapSeconds, std::min(openSeconds, 30.0), [&] {
        server_time::resetStatements(db);
        server_time::logPlans(db, busyHour, true);
    });
    server_time::logPlans(db, busyHour, false);
    double busyServer = 0;
    const QStringList busyStatements =
        kept ? server_time::statements(db, busyHour, &busyServer) : QStringList();
    const QStringList busyPlans =
        server_time::plans(qEnvironmentVariable("MAB_BENCH_SERVER_LOG"), busyHour);

    for (int k = 0; k < ActionCount; ++k)
        row(QStringLiteral("%1, p95 of %2 desks at one action per %3 s each (%4 actions, %5 "
                           "refused) / of 1 desk (%6)")
                .arg(QLatin1String(name(static_cast<Action>(k))))
                .arg(Desks)
                .arg(BusyGapSeconds)
                .arg(busy.ms[k].size())
                .arg(busy.refused[k])
                .arg(one.ms[k].size()),
            p95(busy.ms[k]), p95(one.ms[k]), "ms", 1.2);
    row(QStringLiteral("all actions, median of %1 desks / of 1 desk").arg(Desks),
        children::median(busy.all()), children::median(one.all()), "ms", 0);
    zeroRow(QStringLiteral("failed actions, open loop, 1 and %1 desks").arg(Desks),
            one.failed + busy.failed + traced.failed);
    zeroRow(QStringLiteral("doubled bookings after the open loop"), doubledOpen);

    const double oneRate = closed.first().tally.actions() / closed.first().tally.seconds;
    const double oneP95 = p95(closed.first().tally.all());
    double capacity = 0;
    double lastRate = oneRate;
    double lastRatio = 1;
    int failedClosed = 0;
    for (const Level& level : closed) {
        const double rate = level.tally.actions() / level.tally.seconds;
        const double ratio = p95(level.tally.all()) / oneP95;
        row(QStringLiteral("closed loop, %1 desks: actions/s / 1 desk's").arg(level.desks), rate,
            oneRate, "/s", 0);
        row(QStringLiteral("closed loop, %1 desks: p95 of all actions / 1 desk's").arg(level.desks),
            p95(level.tally.all()), oneP95, "ms", 0);
        if (capacity == 0 && ratio >= 2)
            capacity = lastRate + (2 - lastRatio) / (ratio - lastRatio) * (rate - lastRate);
        lastRate = rate;
        lastRatio = ratio;
        failedClosed += level.tally.failed;
    }
    for (int k = 0; k < ActionCount; ++k)
        row(QStringLiteral("closed loop, %1, p95 of %2 desks / of 1 desk")
                .arg(QLatin1String(name(static_cast<Action>(k))))
                .arg(Desks),
            p95(closed.last().tally.ms[k]), p95(closed.first().tally.ms[k]), "ms", 0);
    if (capacity > 0)
        row(QStringLiteral("capacity: actions/s at which the p95 of all actions doubles / 1 "
                           "desk's rate"),
            capacity, oneRate, "/s", 0);
    else
        row(QStringLiteral("capacity: the p95 did not double up to %1 desks; their rate / 1 "
                           "desk's")
                .arg(Desks),
            lastRate, oneRate, "/s", 0);
    zeroRow(QStringLiteral("failed actions, closed loop"), failedClosed);
    zeroRow(QStringLiteral("doubled bookings after the closed loop"), doubledBookings(db));

    const auto waited = [](const Tally& tally) {
        double ms = 0;
        for (double one : tally.all())
            ms += one;
        return ms;
    };
    if (kept) {
        row(QStringLiteral("server's execution time / the desks' waiting, %1").arg(busyHour),
            busyServer, waited(traced), "ms", 0);
        row(QStringLiteral("server's execution time / the desks' waiting, %1").arg(backToBack),
            closedServer, waited(closed.last().tally), "ms", 0);
    }
    for (const QString& line : busyStatements + busyPlans + closedStatements)
        std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
    return 0;
}
