#include "ui/lab/w_hematologija_unos.h"

w_hematologija_unos::w_hematologija_unos(QWidget* parent)
    : Window(Type::Main, QSize(3600, 2000), parent)
{
    setObjectName(QStringLiteral("w_hematologija_unos"));
}
