#include "ui/common/w_da_ne.h"

#include "runtime/widgets/command_button.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/common/dialog_frame.h"

#include <QApplication>
#include <QPushButton>

namespace {

CommandButton* answerButton(QWidget* window, const QString& name, const QString& text, int x) {
    CommandButton* button = makeCommandButton(window, name, text, ScreenFont::ArialCE9Bold);
    placeInUnits(button, x, 360, 320, 112);
    return button;
}

} // namespace

w_da_ne::w_da_ne(QWidget* parent)
    : Window(Type::Response, QSize(1362, 556), parent ? parent : QApplication::activeWindow()) {
    setObjectName(QStringLiteral("w_da_ne"));
    useButtonFace(this);
    m_ne = answerButton(this, QStringLiteral("cb_ne"), QStringLiteral("NE"), 180);
    m_da = answerButton(this, QStringLiteral("cb_da"), QStringLiteral("DA"), 860);
    makeDialogText(this, message().stringparm);
    makeDialogFrame(this);
    m_ne->setDefault(true);
    m_ne->setFocus();
    setFixedSize(size());

    connect(m_da, &QPushButton::clicked, this,
            [this] { CloseWithReturn(this, QStringLiteral("DA")); });
    connect(m_ne, &QPushButton::clicked, this,
            [this] { CloseWithReturn(this, QStringLiteral("NE")); });
}

void w_da_ne::openEvent() {
    if (mainWindow())
        centreOnScreen(this); // what mab_la::centriraj_prozor does
    m_ne->setFocus();
}

bool w_da_ne::pitaj(const QString& question) {
    OpenWithParm<w_da_ne>(question);
    return message().stringparm == QLatin1String("DA");
}
