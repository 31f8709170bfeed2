#include "ui/reception/tab_prijem.h"

tab_prijem::tab_prijem(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tab_prijem"));
}
