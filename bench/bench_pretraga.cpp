// The first page of a two-criterion search (surname contains "ić" I diagnosis "J45" in
// 2025-2026) over 32,767 entries, with 10,000 to 100,000 visits stored, beside the same statement
// read by floor_odbc_read (target <= 1.5x at 100,000 visits). One line per count of visits.
//     QT_QPA_PLATFORM=offscreen [MAB_TEST_ENGINE=postgresql MAB_TEST_PG_PORT=..]
//         build/test/bench/bench_pretraga [ROUNDS]
#include "bench/support/bench_data.h"
#include "bench/support/search_first_page.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int FullBook = 32767;

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 11;
    TestDataSource db;
    if (!db.provision() || !fillAddressBook(db, 0, FullBook))
        return 1;
    const QDate danas(2026, 6, 15);
    const QString engine = db.engineName();
    for (int visits : {10000, 30000, 60000, 100000}) {
        fillVisits(db, visits, FullBook);
        int found = 0;
        const double program = median(firstPages(danas, rounds, &found));
        const double floor = median(firstPagesFloor(danas, rounds));
        std::printf("first search page (%s), %d visits, %d found: %.2f ms, floor %.2f ms, "
                    "%.2fx (target <= 1.5x)\n",
                    qPrintable(engine), visits, found, program, floor, program / floor);
        std::fflush(stdout);
    }
    return 0;
}
