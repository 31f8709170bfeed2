#pragma once

#include "runtime/widgets/look.h"

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

// The program's one way to make a command button: named, captioned and in one of the screens'
// fonts. Placing it is the caller's business.
CommandButton* makeCommandButton(QWidget* parent, const QString& name, const QString& text,
                                 ScreenFont font);
