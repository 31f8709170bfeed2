#pragma once

#include <QtGlobal>

// A part of the application object that the screens reach without knowing that object: the one
// instance registers itself while it lives. Using it before the application object exists is a
// programming error and aborts with a clear message instead of crashing on a null pointer.
template <class Part> class RunningInstance {
public:
    RunningInstance(const RunningInstance&) = delete;
    RunningInstance& operator=(const RunningInstance&) = delete;

    static Part& running(const char* what) {
        if (!s_running)
            qFatal("%s are used before the application object was created.", what);
        return *s_running;
    }

protected:
    RunningInstance() {
        Q_ASSERT(!s_running);
        s_running = static_cast<Part*>(this);
    }
    ~RunningInstance() { s_running = nullptr; }

private:
    static inline Part* s_running = nullptr;
};
