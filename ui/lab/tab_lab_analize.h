#pragma once

#include <QWidget>

class mab_la;

// The LABORATORIJSKE ANALIZE page: service buttons, subtotals and the bill total.
class tab_lab_analize : public QWidget {
    Q_OBJECT

public:
    explicit tab_lab_analize(mab_la* window, QWidget* parent = nullptr);

    void svega_za_naplatu();

private:
    mab_la* m_window;
};
