// The program itself, started as its entry point starts it, for the start-up and memory figures.
//     mab_probe start   prints "exposed" once the main window is on the screen, "shown" once
//                       its first frame is painted, "answered" once an event posted at
//                       "exposed" is handled, "settled" once the events pending at the frame
//                       have run, and "built" with the longest turn of the event loop once every
//                       page is built (bench/support/first_frame.h)
//     mab_probe svi     then also presses " SVI " on the ADRESAR page
// and in both cases "peak KiB" (the process's peak resident memory) before it quits. For a profile
// of the way to the first frame alone, set MAB_BENCH_EXIT_AT_FRAME.
#include "app/mab_oru.h"
#include "bench/support/first_frame.h"
#include "runtime/widgets/deferred_build.h"
#include "runtime/widgets/list_data_window.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/main/mab_la.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>

#include <cstdio>

namespace {
long peakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool svi = QApplication::arguments().value(1) == QLatin1String("svi");
    mab_la* window = nullptr;
    FirstFrame frame([&window] { return window && DeferredBuild::allBuilt(window); });
    mab_oru mab;
    mab.create();
    mab.open(QString());
    window = mab.glavniProzor();
    if (!window || !frame.wait(60000))
        return 1;
    QApplication::processEvents();
    std::printf("settled\n");
    std::fflush(stdout);
    // Memory is compared with every page built, as it would be a moment after start-up.
    if (!frame.waitUntilBuilt(60000))
        return 1;
    if (svi) {
        window->findChild<QTabWidget*>(QStringLiteral("tab_main"))->setCurrentIndex(1);
        window->adresar()->slova()->findChild<QPushButton*>(QStringLiteral("cb_svi"))->click();
        QApplication::processEvents();
        std::printf("rows %d\n", window->adresar()->lista()->rowCount());
    }
    std::printf("peak %ld\n", peakKiB());
    std::fflush(stdout);
    mab.destroy();
    return 0;
}
