#pragma once

// The benchmark's child programs (the program itself as mab_probe, and the floors), each started
// as a process of its own and timed from its start to each line it prints
// (bench/support/first_frame.h), shared by bench_figures and bench_startup.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace children {

inline QString program(const char* name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

inline double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

// The nearest-rank percentile: the smallest value that at least `share` (0 .. 1) of the values do
// not exceed.
inline double percentile(QList<double> values, double share) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<qsizetype>(std::ceil(share * values.size()));
    return values.at(std::clamp<qsizetype>(rank - 1, 0, values.size() - 1));
}

// Milliseconds from the child's start to its "exposed" line (its window on the screen), its
// "shown" line (first frame painted), its "answered" line (an event posted at "exposed" handled)
// and its "settled" line (the events pending at the frame have run); what its "built" line says
// of the event loop's turns from "exposed" until everything was built; its peak memory. A line
// the child does not print leaves -1.
struct ChildRun {
    double exposedMs = -1;
    double shownMs = -1;
    double answeredMs = -1;
    double settledMs = -1;
    double longestTurnMs = -1;
    double longestTurnCpuMs = -1;
    int turns = -1;
    double peakMiB = -1;
};

inline ChildRun runChild(const QString& path, const QStringList& arguments) {
    ChildRun run;
    const QHash<QByteArray, double*> lines{{"exposed", &run.exposedMs},
                                           {"shown", &run.shownMs},
                                           {"answered", &run.answeredMs},
                                           {"settled", &run.settledMs}};
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(path, arguments);
    QByteArray pending;
    auto readLines = [&] {
        pending += process.readAllStandardOutput();
        const double ms = timer.nsecsElapsed() / 1e6;
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            const QList<QByteArray> words = line.split(' ');
            if (double* at = lines.value(line))
                *at = ms;
            else if (words.first() == "built" && words.size() == 4) {
                run.longestTurnMs = words.at(1).toDouble();
                run.longestTurnCpuMs = words.at(2).toDouble();
                run.turns = words.at(3).toInt();
            } else if (words.first() == "peak")
                run.peakMiB = words.value(1).toDouble() / 1024.0;
        }
    };
    while (process.state() != QProcess::NotRunning && process.waitForReadyRead(60000))
        readLines();
    process.waitForFinished(60000);
    readLines();
    if (run.shownMs < 0)
        qFatal("%s did not show its window", qPrintable(path));
    return run;
}

// One line of the table: figure, median, floor, ratio, target, separated by tabs. A target of 0
// marks a figure shown for context, held to no goal; `limit` (in the figure's unit) holds the
// value itself to a bound, and the ratio is then shown for context.
inline void row(const QString& engine, const QString& figure, double value, double floor,
                const char* unit, double target, double limit = 0) {
    const double ratio = floor > 0 ? value / floor : 0;
    QString goal = QStringLiteral("(context)");
    if (limit > 0)
        goal = QStringLiteral("<= %1 %2%3")
                   .arg(limit)
                   .arg(QLatin1String(unit), value <= limit ? "" : "  MISSED");
    else if (target > 0)
        goal = QStringLiteral("<= %1x%2").arg(target).arg(ratio <= target ? "" : "  MISSED");
    std::printf("%s (%s)\t%.2f %s\t%.2f %s\t%.2fx\t%s\n", qPrintable(figure), qPrintable(engine),
                value, unit, floor, unit, ratio, qPrintable(goal));
    std::fflush(stdout);
}

} // namespace children
