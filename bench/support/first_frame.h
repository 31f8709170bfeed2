#pragma once
// When the start-up figures end. The program, and the floors it is measured against, each watch
// their first window the same way and print
//     "exposed"   once it is on the screen (what a watcher of the screen's windows sees first),
//     "shown"     once its first frame has been painted and handed to the screen,
//     "answered"  once an event posted at "exposed" has been handled: the turn of the event loop
//                 that delivers it is over. Input from the window system is dispatched after the
//                 posted events and timers of a turn, so a key pressed as the window appears is
//                 answered no sooner than this;
//     "built WALL CPU TURNS" once the window has built what it deferred (`built` holds at the end
//                 of a turn) and the event is answered: the longest turn of the event loop from
//                 "exposed" on, in milliseconds of wall time and of the main thread's CPU time
//                 (which a busy machine does not inflate), and how many turns there were.
// The caller times the child up to each line. With MAB_BENCH_EXIT_AT_FRAME set, the process ends
// at the frame, so that a profile (callgrind) of the program and of a floor covers the same way
// and nothing after it. With MAB_BENCH_TURNS set, every turn is written to stderr.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

class FirstFrame : public QObject {
public:
    // Watches every event of the application, so it must exist before the window is built.
    explicit FirstFrame(std::function<bool()> built = [] { return true; })
        : m_built(std::move(built)) {
        qApp->installEventFilter(this);
        // A turn of the event loop ends where the dispatcher is about to wait for events or has
        // come back from them: Qt's dispatchers signal both once per pass.
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &FirstFrame::turnEnds);
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &FirstFrame::turnEnds);
    }

    // Runs the event loop until the first frame is shown, as the program's own loop would.
    // QTest::qWaitFor would sleep 10 ms between its passes, and the frame's paint and the call it
    // posts fall in different passes: every figure would carry that sleep.
    bool wait(int timeoutMs) { return runUntil(m_shown, timeoutMs); }
    // Runs the event loop until "built" is printed.
    bool waitUntilBuilt(int timeoutMs) { return runUntil(m_done, timeoutMs); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (m_watching && !m_inTurn)
            beginTurn();
        if (!m_exposed && event->type() == QEvent::Expose && watched->isWindowType()) {
            const auto* window = static_cast<QWindow*>(watched);
            if (!window->parent() && window->isExposed()) {
                m_exposed = true;
                std::printf("exposed\n");
                std::fflush(stdout);
                // Turns are timed from here: this turn goes on to paint the first frame.
                m_watching = true;
                beginTurn();
                QCoreApplication::postEvent(this, new QEvent(QEvent::User));
            }
        }
        if (!m_painting && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_painting = true;
            // The window's children are painted and the frame flushed before any posted event
            // runs; this one is posted first, before anything the paint itself posts.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_shown = true;
                    std::printf("shown\n");
                    std::fflush(stdout);
                    if (qEnvironmentVariableIsSet("MAB_BENCH_EXIT_AT_FRAME"))
                        std::_Exit(0);
                    if (m_loop)
                        m_loop->quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        m_answerTurn = m_turns + 1; // answered when this turn is over
        return true;
    }

private:
    static double now(clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }

    void beginTurn() {
        m_inTurn = true;
        m_turnWall = now(CLOCK_MONOTONIC);
        m_turnCpu = now(CLOCK_THREAD_CPUTIME_ID);
    }

    void turnEnds() {
        if (!m_inTurn)
            return;
        m_inTurn = false;
        const double wall = now(CLOCK_MONOTONIC) - m_turnWall;
        const double cpu = now(CLOCK_THREAD_CPUTIME_ID) - m_turnCpu;
        ++m_turns;
        m_longestWall = qMax(m_longestWall, wall);
        m_longestCpu = qMax(m_longestCpu, cpu);
        if (qEnvironmentVariableIsSet("MAB_BENCH_TURNS"))
            std::fprintf(stderr, "turn %d: %.3f ms, %.3f ms CPU\n", m_turns, wall, cpu);
        if (m_answerTurn == m_turns) {
            std::printf("answered\n");
            std::fflush(stdout);
        }
        if (m_answerTurn > 0 && m_answerTurn <= m_turns && m_built()) {
            m_watching = false;
            m_done = true;
            qApp->removeEventFilter(this);
            std::printf("built %.3f %.3f %d\n", m_longestWall, m_longestCpu, m_turns);
            std::fflush(stdout);
            if (m_loop)
                m_loop->quit();
        }
    }

    bool runUntil(const bool& reached, int timeoutMs) {
        if (reached)
            return true;
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
        return reached;
    }

    std::function<bool()> m_built;
    bool m_exposed = false;
    bool m_painting = false;
    bool m_shown = false;
    bool m_done = false;
    QEventLoop* m_loop = nullptr;

    bool m_watching = false;
    bool m_inTurn = false;
    double m_turnWall = 0;
    double m_turnCpu = 0;
    int m_turns = 0;
    int m_answerTurn = 0;
    double m_longestWall = 0;
    double m_longestCpu = 0;
};
