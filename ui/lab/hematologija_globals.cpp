#include "ui/lab/hematologija_globals.h"

namespace {
HematologijaGlobals* running = nullptr;
}

HematologijaGlobals::HematologijaGlobals() {
    Q_ASSERT(!running);
    running = this;
}

HematologijaGlobals::~HematologijaGlobals() {
    running = nullptr;
}

HematologijaGlobals& hematologija() {
    if (!running)
        qFatal("The hematology globals are used before the application object was created.");
    return *running;
}
