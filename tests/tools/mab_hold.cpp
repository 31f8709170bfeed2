// Starts the program on a throwaway database with the sample people and keeps its main window
// open for a while, so that a tool outside the process (the accessibility bus check) can read it:
//   mab_hold SECONDS
// It prints "ready" once the window is shown and ends after SECONDS, or at once when its standard
// input closes.
#include "tests/support/app_fixture.h"
#include "ui/main/mab_la.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;

    AppFixture fixture;
    if (!fixture.provision() || !fixture.db().runScript(QStringLiteral("db/sample_people.sql")))
        return 1;
    mab_la* window = fixture.start();
    if (!window || !QTest::qWaitForWindowExposed(window))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);

    QTimer::singleShot(seconds * 1000, &application, &QApplication::quit);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            application.quit();
    });
    const int result = application.exec();
    fixture.stop();
    return result;
}
