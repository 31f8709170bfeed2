#include "ui/common/w_obavestenje.h"

#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/common/dialog_frame.h"

#include <QPushButton>

w_obavestenje::w_obavestenje(QWidget* parent)
    : Window(Type::Popup, QSize(1362, 556), parent ? parent : mainWindow()) {
    setObjectName(QStringLiteral("w_obavestenje"));
    useButtonFace(this);
    makeDialogText(this, message().stringparm);
    auto* ok = new QPushButton(QStringLiteral("Uredu"), this);
    ok->setObjectName(QStringLiteral("cb_da"));
    ok->setFont(screenFont(QStringLiteral("Arial CE"), 9, true));
    placeInUnits(ok, 521, 360, 320, 112);
    ok->setDefault(true);
    ok->setFocus();
    makeDialogFrame(this);
    setFixedSize(size());
    connect(ok, &QPushButton::clicked, this, [this] { Close(this); });
}

void w_obavestenje::obavesti(const QString& text) {
    OpenWithParm<w_obavestenje>(text);
}
