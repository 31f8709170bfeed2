#pragma once
// When a start-up figure ends: once the first frame of the program's first window has been
// painted and handed to the screen. The program, and the floors it is measured against, each
// watch for it the same way and print "shown" then; the caller times the child up to that line.
// With MAB_BENCH_EXIT_AT_FRAME set, the process ends right there, so that a profile (callgrind)
// of the program and of a floor covers the same way and nothing after it.
#include <QApplication>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

class FirstFrame : public QObject {
public:
    // Watches every event of the application, so it must exist before the window is built.
    FirstFrame() { qApp->installEventFilter(this); }

    bool shown() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
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
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_painting = false;
    bool m_shown = false;
};
