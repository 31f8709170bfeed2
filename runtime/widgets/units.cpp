#include "runtime/widgets/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

double logicalDpi(UnitDirection direction) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double dpi = direction == UnitDirection::Horizontal ? screen->logicalDotsPerInchX()
                                                              : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
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
    return pixelsToUnitsAt(pixels, direction, logicalDpi(direction));
}

int UnitsToPixels(int units, UnitDirection direction) {
    return unitsToPixelsAt(units, direction, logicalDpi(direction));
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

void centreOnScreen(QWidget* window) {
    Environment env;
    if (!window || GetEnvironment(env) != 1)
        return;
    const qint16 xx = centredPosition(PixelsToUnits(env.ScreenWidth, UnitDirection::Horizontal),
                                      unitsWidth(window));
    const qint16 yy = centredPosition(PixelsToUnits(env.ScreenHeight, UnitDirection::Vertical),
                                      unitsHeight(window));
    moveInUnits(window, xx, yy);
}
