#include "runtime/message_box.h"

#include <QApplication>
#include <QMessageBox>

int MessageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messagebox"));
    box.exec();
    return 1;
}
