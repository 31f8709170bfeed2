#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// Colours are long integers red + 256 × green + 65536 × blue; this one stands for the system's
// button-face colour.
constexpr long ButtonFaceColor = 79741120;

long RGB(int red, int green, int blue);
QColor toQColor(long color);

// The screens name "Arial" and "Arial CE" (the Central-European variant). Both must map to the
// same metric-compatible family, or texts laid out for Arial get cut.
void installFontSubstitutions();

// The fonts the screens use, by name; their families and sizes stand in look.cpp alone.
enum class ScreenFont {
    Arial9,
    Arial9Bold,
    Arial10,
    ArialCE9,
    ArialCE9Bold,
    ArialCE10,
    ArialCE10Bold,
    ArialCE12,
    Arial11,
    Arial16Bold,
};
QFont screenFont(ScreenFont font);
void setScreenFont(QWidget* widget, ScreenFont font);

// Gives a widget the button-face background.
void useButtonFace(QWidget* widget);
