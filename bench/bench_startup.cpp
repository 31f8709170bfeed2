// Start-up alone, without the other figures: the rows of bench_figures on an address book of
// 32,767 entries, and each round's figures of the program and of floor_first_list.
//     QT_QPA_PLATFORM=offscreen bench_startup [ROUNDS]
// With MAB_BENCH_TURNS set, every child also writes each turn of its event loop to stderr.
#include "bench/support/bench_data.h"
#include "bench/support/start_up.h"
#include "domain/addressbook/adresar_sql.h"
#include "tests/support/app_fixture.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    AppFixture fixture;
    if (!fixture.provision() || !fillAddressBook(fixture.db(), 0, 32767))
        return 1;
    const QString sql = adresar_sql::upitSpiska();
    const start_up::Rounds measured = start_up::measure(sql, rounds);
    for (int i = 0; i < rounds; ++i) {
        const children::ChildRun& p = measured.program.at(i);
        const children::ChildRun& f = measured.floor.at(i);
        std::printf("round %d: exposed %.2f / %.2f, answered %.2f / %.2f ms; longest turn %.2f ms "
                    "(%.2f ms CPU) of %d turns, the floor's %.2f ms (%.2f ms CPU)\n",
                    i + 1, p.exposedMs, f.exposedMs, p.answeredMs, f.answeredMs, p.longestTurnMs,
                    p.longestTurnCpuMs, p.turns, f.longestTurnMs, f.longestTurnCpuMs);
    }
    start_up::printRows(fixture.db().engineName(), measured);
    return 0;
}
