#include "runtime/widgets/message_box.h"

#include "runtime/core/cursor_reader.h"

#include <QApplication>
#include <QMessageBox>

int MessageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messagebox"));
    box.exec();
    return 1;
}

int reportReadFailure(const ReadOutcome& outcome) {
    switch (outcome.stage) {
    case ReadOutcome::Stage::OpenFailed:
        MessageBox(QStringLiteral("DataBase Error!"), outcome.text);
        break;
    case ReadOutcome::Stage::FetchFailed:
        MessageBox(QStringLiteral("DataBase Error"), outcome.text);
        break;
    case ReadOutcome::Stage::Finished:
        break;
    }
    return outcome.code;
}
