#include "runtime/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

double logicalDpi(UnitDirection direction) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double dpi = direction == UnitDirection::Horizontal ? screen->logicalDotsPerInchX()
                                                              : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}

// Units per pixel at 96 dpi.
double unitsPerPixelAt96(UnitDirection direction) {
    return direction == UnitDirection::Horizontal ? 32.0 / 7.0 : 4.0;
}

} // namespace

int GetEnvironment(Environment& env) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return -1;
    const QRect geometry = screen->geometry();
    env.ScreenWidth = geometry.width();
    env.ScreenHeight = geometry.height();
    return 1;
}

int PixelsToUnits(int pixels, UnitDirection direction) {
    const double units = pixels * unitsPerPixelAt96(direction) * 96.0 / logicalDpi(direction);
    return int(std::lround(units));
}

int UnitsToPixels(int units, UnitDirection direction) {
    const double pixels = units / unitsPerPixelAt96(direction) * logicalDpi(direction) / 96.0;
    return int(std::lround(pixels));
}

void placeInUnits(QWidget* widget, int x, int y, int width, int height) {
    widget->setGeometry(UnitsToPixels(x, UnitDirection::Horizontal),
                        UnitsToPixels(y, UnitDirection::Vertical),
                        UnitsToPixels(width, UnitDirection::Horizontal),
                        UnitsToPixels(height, UnitDirection::Vertical));
}

void moveInUnits(QWidget* widget, int x, int y) {
    widget->move(UnitsToPixels(x, UnitDirection::Horizontal),
                 UnitsToPixels(y, UnitDirection::Vertical));
}

void resizeInUnits(QWidget* widget, int width, int height) {
    widget->resize(UnitsToPixels(width, UnitDirection::Horizontal),
                   UnitsToPixels(height, UnitDirection::Vertical));
}

int unitsX(const QWidget* widget) {
    return PixelsToUnits(widget->x(), UnitDirection::Horizontal);
}

int unitsY(const QWidget* widget) {
    return PixelsToUnits(widget->y(), UnitDirection::Vertical);
}

int unitsWidth(const QWidget* widget) {
    return PixelsToUnits(widget->width(), UnitDirection::Horizontal);
}

int unitsHeight(const QWidget* widget) {
    return PixelsToUnits(widget->height(), UnitDirection::Vertical);
}
