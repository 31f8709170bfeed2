#include "ui/common/obj_da_ne_opis.h"

#include "runtime/widgets/controls.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/common/obj_da_ne.h"

#include <QCheckBox>

namespace {

constexpr int Width = 1422;
constexpr int Height = 92;
// The description starts where the pair ends; a holder that narrows the object to 485 units
// keeps 96 units of it in sight.
constexpr int OpisX = 389;
constexpr int OpisWidth = 1001;

} // namespace

obj_da_ne_opis::obj_da_ne_opis(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    resizeInUnits(this, Width, Height);
    m_opis = new SingleLineEdit(QStringLiteral("sle_opis"), this);
    setScreenFont(m_opis, ScreenFont::ArialCE10);
    placeInUnits(m_opis, OpisX, 0, OpisWidth, Height);
    m_ne = makeToggleBox(QStringLiteral("cbx_ne"), QStringLiteral("Ne"), 190, 170, this);
    m_da = makeToggleBox(QStringLiteral("cbx_da"), QStringLiteral("Da"), 0, 170, this);
}
