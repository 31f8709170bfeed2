#pragma once
// When the start-up figures end. The program, and the floors it is measured against, each watch
// their first window the same way and print "exposed" once it is on the screen (what a watcher
// of the screen's windows sees first), then "shown" once its first frame has been painted and
// handed to the screen; the caller times the child up to each line. With MAB_BENCH_EXIT_AT_FRAME
// set, the process ends at the frame, so that a profile (callgrind) of the program and of a floor
// covers the same way and nothing after it.
#include <QApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

class FirstFrame : public QObject {
public:
    // Watches every event of the application, so it must exist before the window is built.
    FirstFrame() { qApp->installEventFilter(this); }

    // Runs the event loop until the first frame is shown, as the program's own loop would.
    // QTest::qWaitFor would sleep 10 ms between its passes, and the frame's paint and the call it
    // posts fall in different passes: every figure would carry that sleep.
    bool wait(int timeoutMs) {
        if (m_shown)
            return true;
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
        return m_shown;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_exposed && event->type() == QEvent::Expose && watched->isWindowType()) {
            const auto* window = static_cast<QWindow*>(watched);
            if (!window->parent() && window->isExposed()) {
                m_exposed = true;
                std::printf("exposed\n");
                std::fflush(stdout);
            }
        }
        if (!m_painting && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_painting = true;
            qApp->removeEventFilter(this);
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

private:
    bool m_exposed = false;
    bool m_painting = false;
    bool m_shown = false;
    QEventLoop* m_loop = nullptr;
};
