#include "ui/common/dialog_frame.h"

#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"

#include <QGroupBox>
#include <QPlainTextEdit>

QPlainTextEdit* makeDialogText(QWidget* window, const QString& text) {
    auto* edit = new QPlainTextEdit(window);
    edit->setObjectName(QStringLiteral("mle_tekst"));
    edit->setReadOnly(true);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFont(screenFont(ScreenFont::ArialCE12));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, toQColor(ButtonFaceColor));
    edit->setPalette(palette);
    edit->setPlainText(text);
    placeInUnits(edit, 60, 40, 1240, 280);
    return edit;
}

QGroupBox* makeDialogFrame(QWidget* window) {
    auto* frame = new QGroupBox(window);
    frame->setObjectName(QStringLiteral("gb_1"));
    frame->setFont(screenFont(ScreenFont::ArialCE9Bold));
    placeInUnits(frame, 20, 4, 1322, 532);
    frame->lower();
    return frame;
}
