// Keeping reception visits alone, without the other figures: saving one visit with 100,000 and with
// 100 visits stored, and reading a patient's 200 visits through the program's read path.
//     QT_QPA_PLATFORM=offscreen bench_poseta [ROUNDS]
// The list's floor is the same statement read by floor_odbc_read (built beside this program).
#include "bench/support/bench_data.h"
#include "bench/support/visits.h"

#include <QApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 35;
    AppFixture fixture;
    if (!fixture.provision() || !fillAddressBook(fixture.db(), 0, 1000))
        return 1;
    const double many = median(visits_bench::savingAVisit(fixture, 100000, rounds));
    const double few = median(visits_bench::savingAVisit(fixture, 100, rounds));
    const double list = median(visits_bench::readingTheList(fixture, 200, rounds));
    QProcess floor;
    floor.start(QCoreApplication::applicationDirPath() + QStringLiteral("/floor_odbc_read"),
                {visits_bench::floorStatement(), QString::number(visits_bench::Patient),
                 QStringLiteral("%"), QString::number(rounds + 1)});
    floor.waitForFinished(600000);
    QList<double> floorTimes;
    const QList<QByteArray> lines = floor.readAllStandardOutput().trimmed().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) // the first read warms up
        floorTimes << lines.at(i).split(' ').value(0).toDouble();
    if (floorTimes.isEmpty() || lines.last().split(' ').value(1) != "200")
        qFatal("floor_odbc_read did not read the 200 visits");
    const double floorList = median(floorTimes);
    std::printf("saving a visit (%s): %.2f ms with 100,000 stored, %.2f ms with 100 (%.2fx)\n",
                qPrintable(fixture.db().engineName()), many, few, few > 0 ? many / few : 0);
    std::printf("a patient's 200 visits (%s): %.3f ms, floor %.3f ms (%.2fx)\n",
                qPrintable(fixture.db().engineName()), list, floorList,
                floorList > 0 ? list / floorList : 0);
    return 0;
}
