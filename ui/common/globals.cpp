#include "ui/common/globals.h"

ProgramGlobals& globals() {
    return ProgramGlobals::running("The program's globals");
}
