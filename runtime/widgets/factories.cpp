#include "runtime/widgets/factories.h"

#include "runtime/widgets/controls.h"

#include <QLabel>

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, ScreenFont font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    setScreenFont(label, font);
    return label;
}

EditMask* makeAmount(QWidget* parent, const QString& name, ScreenFont font,
                     const QString& initial) {
    auto* field = new EditMask(name, QStringLiteral("0.00"), parent);
    setScreenFont(field, font);
    field->setValue(initial);
    return field;
}

void chainTabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}
