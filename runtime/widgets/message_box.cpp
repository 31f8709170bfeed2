#include "runtime/widgets/message_box.h"

#include <QApplication>
#include <QMessageBox>

int MessageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messagebox"));
    box.exec();
    return 1;
}

int reportReadFailure(const Result<>& outcome) {
    if (outcome.failed())
        MessageBox(outcome.stage == Result<>::Stage::FetchFailed
                       ? QStringLiteral("DataBase Error")
                       : QStringLiteral("DataBase Error!"),
                   outcome.sqlerrtext);
    return outcome.sqlcode;
}
