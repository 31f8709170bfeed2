#include "runtime/widgets/command_button.h"

#include <QKeyEvent>

CommandButton::CommandButton(const QString& name, const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    setObjectName(name);
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

CommandButton* makeCommandButton(QWidget* parent, const QString& name, const QString& text,
                                 ScreenFont font) {
    auto* button = new CommandButton(name, text, parent);
    setScreenFont(button, font);
    return button;
}
