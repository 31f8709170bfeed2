// The floor of start-up: a bare Qt program that shows one window with a five-page tab widget.
// It prints "exposed" once its window is on the screen, "shown" once its first frame is painted
// and "settled" once the events pending then have run, then quits; the caller times it.
#include "bench/support/first_frame.h"

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    FirstFrame frame;
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (const char* page : {"PRIJEM", "ADRESAR", "ZAKAZIVANJE", "LAB. ANALIZE", "PRETRAŽIVANJE"})
        tabs->addTab(new QWidget, QString::fromUtf8(page));
    window.setCentralWidget(tabs);
    window.resize(808, 581);
    window.show();
    if (!frame.wait(60000))
        return 1;
    QApplication::processEvents();
    std::printf("settled\n");
    std::fflush(stdout);
    return 0;
}
