#include "ui/search/tab_pretrazivanje.h"

tab_pretrazivanje::tab_pretrazivanje(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tab_pretrazivanje"));
}
