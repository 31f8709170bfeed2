#include "ui/addressbook/adresar_termini.h"

#include "runtime/widgets/command_button.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar.h"

#include <QShortcut>

namespace {

// The editor bar's second row: NOVI, SAČUVAJ, OBRIŠI on the left, the status filter on the right;
// the button stands just left of the filter, as wide and as high as the row's other commands.
constexpr int X = 2420, Y = 104, Width = 400, Height = 92;

} // namespace

adresar_termini::adresar_termini(tab_adresar* page) : QObject(page) {
    setObjectName(QStringLiteral("adresar_termini"));
    CommandButton* dugme = makeCommandButton(page->slova(), QStringLiteral("cb_termini"),
                                             QStringLiteral("TERMINI"), ScreenFont::ArialCE9Bold);
    placeInUnits(dugme, X, Y, Width, Height);
    dugme->setFocusPolicy(Qt::ClickFocus);
    dugme->setToolTip(QStringLiteral("Termini pacijenta iz forme (Ctrl+T)"));
    dugme->raise();
    dugme->show();
    auto pitaj = [this, page] { emit terminiPacijenta(page->rbrText().toInt()); };
    connect(dugme, &QPushButton::clicked, this, pitaj);
    auto* ctrlT = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), page);
    ctrlT->setContext(Qt::WidgetWithChildrenShortcut);
    connect(ctrlT, &QShortcut::activated, this, pitaj);
}
