#include "runtime/widgets/beep.h"

#include <QApplication>

namespace {
int given = 0;
}

void Beep(int times) {
    for (int i = 0; i < times; ++i) {
        QApplication::beep();
        ++given;
    }
}

int beepsGiven() {
    return given;
}
