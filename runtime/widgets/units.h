#pragma once

#include "runtime/core/unit_arithmetic.h"

class QWidget;

// Window units on the screen the program runs on. Every size and position of the screens is given
// in these units, so the layouts keep their proportions on any screen.

struct Environment {
    int ScreenWidth = 0;  // pixels
    int ScreenHeight = 0; // pixels
};

// Fills env from the primary screen; 1 on success, -1 when there is no screen to ask.
int GetEnvironment(Environment& env);

int PixelsToUnits(int pixels, UnitDirection direction);
int UnitsToPixels(int units, UnitDirection direction);

// Places a widget at a position and size given in units (relative to its parent).
void placeInUnits(QWidget* widget, int x, int y, int width, int height);
void moveInUnits(QWidget* widget, int x, int y);
void resizeInUnits(QWidget* widget, int width, int height);

int unitsX(const QWidget* widget);
int unitsY(const QWidget* widget);
int unitsWidth(const QWidget* widget);
int unitsHeight(const QWidget* widget);

// Moves a window so that it stands centred on the screen; does nothing without a screen.
void centreOnScreen(QWidget* window);
