#include "ui/lab/obj_hemanaliza_unos.h"

obj_hemanaliza_unos::obj_hemanaliza_unos(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("obj_hemanaliza_unos"));
}
