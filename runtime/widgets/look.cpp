#include "runtime/widgets/look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

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

QFont screenFont(const QString& family, int points, bool bold) {
    QFont font(family, points);
    font.setBold(bold);
    return font;
}

void setScreenFont(QWidget* widget, const QString& family, int points, bool bold) {
    widget->setFont(screenFont(family, points, bold));
}

void useButtonFace(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(ButtonFaceColor));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
