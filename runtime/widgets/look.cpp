#include "runtime/widgets/look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <iterator>

long RGB(int red, int green, int blue) {
    return long(red) + 256L * green + 65536L * blue;
}

QColor toQColor(long color) {
    if (color == ButtonFaceColor)
        return QApplication::palette().color(QPalette::Button);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(
        QStringLiteral("Arial CE"),
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
}

QFont screenFont(ScreenFont font) {
    struct Style {
        const char* family;
        int points;
        bool bold;
    };
    static constexpr Style table[] = {
        {"Arial", 9, false},    {"Arial", 9, true},      {"Arial", 10, false},
        {"Arial CE", 9, false}, {"Arial CE", 9, true},   {"Arial CE", 10, false},
        {"Arial CE", 10, true}, {"Arial CE", 12, false}, {"Arial", 11, false},
        {"Arial", 16, true},
    };
    // One row per ScreenFont, in the enum's order.
    static_assert(std::size(table) == size_t(ScreenFont::Arial16Bold) + 1);
    const Style& style = table[int(font)];
    QFont result(QString::fromLatin1(style.family), style.points);
    result.setBold(style.bold);
    return result;
}

void setScreenFont(QWidget* widget, ScreenFont font) {
    widget->setFont(screenFont(font));
}

void useButtonFace(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(ButtonFaceColor));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
