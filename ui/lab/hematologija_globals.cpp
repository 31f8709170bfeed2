#include "ui/lab/hematologija_globals.h"

HematologijaGlobals& hematologija() {
    return HematologijaGlobals::running("The hematology globals");
}
