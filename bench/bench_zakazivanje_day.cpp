// Picking a day on the ZAKAZIVANJE page with 50,000 bookings stored over five doctors against the
// same with 100, alone: bench_figures prints the same row among every figure of the program, which
// takes long on a shared machine. One line per count, then the ratio (target <= 1.2x: the day's
// rows come through the (rbr_lekar, datum, vreme) index, whatever else is stored). Then the same
// picks timed right after the fill, before the data source has settled, as this benchmark used to
// time them: where the growth with the stored bookings came from.
//     QT_QPA_PLATFORM=offscreen [MAB_TEST_ENGINE=postgresql MAB_TEST_PG_PORT=..]
//         build/test/bench/bench_zakazivanje_day [ROUNDS]
#include "bench/support/bench_data.h"
#include "bench/support/picking_a_day.h"

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 41;
    AppFixture fixture;
    if (!fixture.provision() || !fillAddressBook(fixture.db(), 0, 1000))
        return 1;
    const double few = median(pickingADay(fixture, 100, rounds));
    const double many = median(pickingADay(fixture, 50000, rounds));
    const QString engine = fixture.db().engineName();
    std::printf("picking a day (%s), 100 bookings: %.2f ms\n", qPrintable(engine), few);
    std::printf("picking a day (%s), 50,000 bookings: %.2f ms\n", qPrintable(engine), many);
    std::printf("ratio 50,000 / 100: %.2fx (target <= 1.2x)\n", many / few);
    // Where the growth came from: the same picks timed right after the fill, unsettled.
    const double fewRaw = median(pickingADay(fixture, 100, rounds, false));
    const double manyRaw = median(pickingADay(fixture, 50000, rounds, false));
    std::printf("right after the fill, unsettled (%s): 100 bookings %.2f ms, 50,000 %.2f ms, "
                "%.2fx\n",
                qPrintable(engine), fewRaw, manyRaw, manyRaw / fewRaw);
    return 0;
}
