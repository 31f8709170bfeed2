#pragma once

#include "runtime/widgets/window.h"

// The notice window: shows a text with one button, "Uredu". It does not block: the caller goes
// on at once and reads nothing back.
class w_obavestenje : public Window {
    Q_OBJECT

public:
    explicit w_obavestenje(QWidget* parent = nullptr);

    // Opens a notice with the given text and returns at once; over parent when a modal window
    // is open, which would otherwise keep the notice's button from the mouse.
    static void obavesti(const QString& text, QWidget* parent = nullptr);
};
