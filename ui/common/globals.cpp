#include "ui/common/globals.h"

namespace {
ProgramGlobals* running = nullptr;
}

ProgramGlobals::ProgramGlobals() {
    Q_ASSERT(!running);
    running = this;
}

ProgramGlobals::~ProgramGlobals() {
    running = nullptr;
}

ProgramGlobals& globals() {
    if (!running)
        qFatal("The program's globals are used before the application object was created.");
    return *running;
}
