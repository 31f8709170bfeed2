#pragma once

#include <QtGlobal>

// Window units: at 96 dots per inch one pixel is 32/7 units across and 4 units down, and they
// scale with the screen's logical resolution. This is the arithmetic alone; the widgets' side
// (runtime/widgets/units.h) asks the screen for its resolution.
enum class UnitDirection { Horizontal, Vertical };

int pixelsToUnitsAt(int pixels, UnitDirection direction, double logicalDpi);
int unitsToPixelsAt(int units, UnitDirection direction, double logicalDpi);

// Where a window of windowUnits goes to stand centred on a screen of screenUnits: half the
// excess, truncated toward zero and held in a 16-bit integer, so a window larger than the screen
// gets a negative position.
qint16 centredPosition(int screenUnits, int windowUnits);
