#include "ui/common/w_obavestenje.h"

#include "runtime/widgets/command_button.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/common/dialog_frame.h"

#include <QPushButton>

w_obavestenje::w_obavestenje(QWidget* parent)
    : Window(Type::Popup, QSize(1362, 556), parent ? parent : mainWindow()) {
    setObjectName(QStringLiteral("w_obavestenje"));
    useButtonFace(this);
    makeDialogText(this, message().stringparm);
    CommandButton* ok = makeCommandButton(this, QStringLiteral("cb_da"), QStringLiteral("Uredu"),
                                          ScreenFont::ArialCE9Bold);
    placeInUnits(ok, 521, 360, 320, 112);
    ok->setDefault(true);
    ok->setFocus();
    makeDialogFrame(this);
    setFixedSize(size());
    connect(ok, &QPushButton::clicked, this, [this] { Close(this); });
}

void w_obavestenje::obavesti(const QString& text, QWidget* parent) {
    OpenWithParm<w_obavestenje>(text, parent);
}
