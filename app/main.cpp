#include "app/mab_oru.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    mab_oru mab;
    mab.create();
    mab.open(QApplication::arguments().mid(1).join(QLatin1Char(' ')));
    const int result = QApplication::exec();
    mab.destroy();
    return result;
}
