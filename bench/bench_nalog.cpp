// Keeping laboratory orders alone, without the other figures: saving an order and opening one with
// 100,000 orders (1,000,000 analyses with results) and with 100 orders stored, and the PDF of a
// 30-line findings report beside a bare text document of the same words printed to PDF.
//     QT_QPA_PLATFORM=offscreen bench_nalog [ROUNDS]
#include "bench/support/lab_orders.h"

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

void row(const char* figure, const QString& engine, double value, double floor) {
    std::printf("%s (%s): %.2f ms, against %.2f ms (%.2fx)\n", figure, qPrintable(engine), value,
                floor, floor > 0 ? value / floor : 0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 35;
    AppFixture fixture;
    if (!fixture.provision() || !fillAddressBook(fixture.db(), 0, 1000))
        return 1;
    const QString engine = fixture.db().engineName();
    const double pdf = median(orders_bench::reportPdf(rounds));
    const double bare = median(orders_bench::barePdf(rounds));
    row("PDF of a 30-line report / bare text document", engine, pdf, bare);
    const double save100 = median(orders_bench::savingAnOrder(fixture, 100, rounds));
    const double save100k = median(orders_bench::savingAnOrder(fixture, 100000, rounds));
    row("saving an order, 100,000 / 100 orders", engine, save100k, save100);
    const double open100k = median(orders_bench::openingAnOrder(fixture, 100000, rounds));
    const double open100 = median(orders_bench::openingAnOrder(fixture, 100, rounds));
    row("opening an order, 100,000 / 100 orders", engine, open100k, open100);
    return 0;
}
