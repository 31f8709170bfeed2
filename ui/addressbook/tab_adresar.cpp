#include "ui/addressbook/tab_adresar.h"

tab_adresar::tab_adresar(mab_la* window, QWidget* parent) : QWidget(parent), m_window(window)
{
    setObjectName(QStringLiteral("tab_adresar"));
}

void tab_adresar::pokupi_ljude(const QString& slovo, const QString& statt)
{
    Q_UNUSED(slovo)
    Q_UNUSED(statt)
}

int tab_adresar::popunipodatke(const QString& mmbr)
{
    Q_UNUSED(mmbr)
    return 0;
}

int tab_adresar::promenjeno()
{
    return 0;
}
