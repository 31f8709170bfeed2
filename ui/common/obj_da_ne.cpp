#include "ui/common/obj_da_ne.h"

#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"

#include <QCheckBox>

namespace {

constexpr int Width = 512;
constexpr int Height = 92;

} // namespace

QCheckBox* makeToggleBox(const QString& name, const QString& text, int x, int width,
                         QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    setScreenFont(box, ScreenFont::Arial10);
    // Right-to-left puts the label before the box, as the form's other captions stand.
    box->setLayoutDirection(Qt::RightToLeft);
    // Out of the tab order: a click still checks the box, Tab never stops on it.
    box->setFocusPolicy(Qt::ClickFocus);
    placeInUnits(box, x, 0, width, Height);
    return box;
}

obj_da_ne::obj_da_ne(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    resizeInUnits(this, Width, Height);
    m_ne = makeToggleBox(QStringLiteral("cbx_ne"), QStringLiteral("Ne"), 256, 250, this);
    m_da = makeToggleBox(QStringLiteral("cbx_da"), QStringLiteral("Da"), 0, 250, this);
}
