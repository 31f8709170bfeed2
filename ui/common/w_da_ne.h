#pragma once

#include "runtime/widgets/window.h"

class QPushButton;

// The question window: modal, shows the text it is opened with and hands back "DA" or "NE"
// through the message object. "NE" is the default button, so Enter answers no.
class w_da_ne : public Window {
    Q_OBJECT

public:
    explicit w_da_ne(QWidget* parent = nullptr);

    void openEvent() override;

    // Asks the question; true only for "DA".
    static bool pitaj(const QString& question);

private:
    QPushButton* m_ne;
    QPushButton* m_da;
};
