#include "runtime/core/unit_arithmetic.h"

#include <cmath>

namespace {

// Units per pixel at 96 dpi.
double unitsPerPixelAt96(UnitDirection direction) {
    return direction == UnitDirection::Horizontal ? 32.0 / 7.0 : 4.0;
}

double usableDpi(double logicalDpi) {
    return logicalDpi > 0 ? logicalDpi : 96.0;
}

} // namespace

int pixelsToUnitsAt(int pixels, UnitDirection direction, double logicalDpi) {
    const double units = pixels * unitsPerPixelAt96(direction) * 96.0 / usableDpi(logicalDpi);
    return int(std::lround(units));
}

int unitsToPixelsAt(int units, UnitDirection direction, double logicalDpi) {
    const double pixels = units / unitsPerPixelAt96(direction) * usableDpi(logicalDpi) / 96.0;
    return int(std::lround(pixels));
}

qint16 centredPosition(int screenUnits, int windowUnits) {
    return qint16(std::trunc((screenUnits - windowUnits) / 2.0));
}
