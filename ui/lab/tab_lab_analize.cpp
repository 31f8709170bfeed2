#include "ui/lab/tab_lab_analize.h"

tab_lab_analize::tab_lab_analize(mab_la* window, QWidget* parent) : QWidget(parent), m_window(window)
{
    setObjectName(QStringLiteral("tab_lab_analize"));
}

void tab_lab_analize::svega_za_naplatu() {}
