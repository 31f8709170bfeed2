#pragma once

#include <QPushButton>

// A command button that is never the window's default: Enter or Space press it only while it has
// the focus, so Enter typed into a field beside it presses nothing.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& name, const QString& text, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
