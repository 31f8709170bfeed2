// The floor of start-up: a bare Qt program that shows one window with a five-page tab widget.
// It prints "shown" once the window is exposed and painted, then quits; the caller times it.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (const char* page : {"PRIJEM", "ADRESAR", "ZAKAZIVANJE", "LAB. ANALIZE", "PRETRAŽIVANJE"})
        tabs->addTab(new QWidget, QString::fromUtf8(page));
    window.setCentralWidget(tabs);
    window.resize(808, 581);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}
