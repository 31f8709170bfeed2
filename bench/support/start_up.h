#pragma once

// Start-up as a person meets it, shared by bench_figures (its rows beside the other figures) and
// bench_startup (these rows alone): the program (mab_probe) against floor_first_list, a bare
// program that connects and shows the same first list, and against a bare window.
#include "bench/support/children.h"

#include <functional>

namespace start_up {

struct Rounds {
    QList<children::ChildRun> program;
    QList<children::ChildRun> floor;
    QList<double> bare;
};

// `rounds` rounds of the program, floor_first_list reading the first list `listSql` and the bare
// window, interleaved so that a busy moment of the machine falls on each alike; eachRound runs
// after each round (another child of the caller's).
inline Rounds measure(const QString& listSql, int rounds,
                      const std::function<void()>& eachRound = {}) {
    Rounds measured;
    for (int i = 0; i < rounds; ++i) {
        measured.program << children::runChild(children::program("mab_probe"),
                                               {QStringLiteral("start")});
        measured.floor << children::runChild(children::program("floor_first_list"),
                                             {listSql, QStringLiteral("A%"), QStringLiteral("%")});
        measured.bare << children::runChild(children::program("floor_bare_window"), {}).exposedMs;
        if (eachRound)
            eachRound();
    }
    return measured;
}

inline double medianOf(const QList<children::ChildRun>& runs, double children::ChildRun::*field) {
    QList<double> values;
    for (const children::ChildRun& run : runs)
        values << run.*field;
    return children::median(values);
}

inline void printRows(const QString& engine, const Rounds& r) {
    using children::ChildRun;
    auto row = [&](const QString& figure, double ChildRun::*field, double target,
                   double limit = 0) {
        children::row(engine, figure, medianOf(r.program, field), medianOf(r.floor, field), "ms",
                      target, limit);
    };
    row(QStringLiteral("start-up until the main window is on the screen, 32,767 entries"),
        &ChildRun::exposedMs, 1.15);
    // A key pressed as the window appears is answered no sooner than an event posted then.
    row(QStringLiteral("start-up until the window answers: an event posted when it is exposed, "
                       "handled"),
        &ChildRun::answeredMs, 1.15);
    // The floor builds nothing: its longest turn is the one that paints its first frame.
    double slowest = 0, turns = 0;
    for (const ChildRun& run : r.program) {
        slowest = qMax(slowest, run.longestTurnMs);
        turns = qMax(turns, double(run.turns));
    }
    row(QStringLiteral("longest turn of the event loop from the window's appearance until every "
                       "page is built (slowest run %1 ms, at most %2 turns)")
            .arg(slowest, 0, 'f', 2)
            .arg(turns),
        &ChildRun::longestTurnMs, 0, 16);
    row(QStringLiteral("the longest turn in the main thread's CPU time"),
        &ChildRun::longestTurnCpuMs, 0);
    // The program's first frame paints PRIJEM's header and first inner page; the floor's, five
    // tab labels on an empty page.
    row(QStringLiteral("start-up to the main window's first frame"), &ChildRun::shownMs, 0);
    row(QStringLiteral("start-up until the events pending at the first frame have run"),
        &ChildRun::settledMs, 0);
    children::row(engine, QStringLiteral("start-up, against a bare window with five tabs"),
                  medianOf(r.program, &ChildRun::exposedMs), children::median(r.bare), "ms", 0);
}

} // namespace start_up
