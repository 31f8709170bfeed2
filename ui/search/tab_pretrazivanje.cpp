#include "ui/search/tab_pretrazivanje.h"

#include "domain/reception/poseta_sql.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/drop_down_list.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/search/obj_pretrazivanje.h"
#include "ui/search/tab_pretrazivanje_names.h"

namespace {

// Layout in window units: the panels in one column, the button and the connectors on their left.
constexpr int PanelX = 560, PanelY = 60, PanelWidth = 3020, PanelHeight = 380, PanelGap = 120;
constexpr int LeftX = 60, LeftWidth = 440, ControlHeight = 100;

// A panel's stops in its own tab order, as the panel chained them.
QList<QWidget*> stopsOf(const obj_pretrazivanje* panel) {
    QList<QWidget*> stops;
    for (QWidget* at = panel->firstInTabOrder(); at; at = at->nextInFocusChain()) {
        if ((at->focusPolicy() & Qt::TabFocus) && panel->isAncestorOf(at))
            stops << at;
        if (at == panel->lastInTabOrder())
            break;
    }
    return stops;
}

} // namespace

const long tab_pretrazivanje::BojePanela[4] = {RGB(219, 186, 149), RGB(216, 203, 186),
                                               RGB(230, 219, 234), RGB(189, 210, 213)};

tab_pretrazivanje::tab_pretrazivanje(Transaction& sqlca, QWidget* parent)
    : tab_pretrazivanje(sqlca, BuildLater(), parent) {
    napravi();
}

tab_pretrazivanje::tab_pretrazivanje(Transaction& sqlca, BuildLater, QWidget* parent)
    : QWidget(parent), m_sqlca(sqlca) {
    setObjectName(QStringLiteral("tab_pretrazivanje"));
    setProperty("tag", QStringLiteral("Pretrazivanje"));
}

void tab_pretrazivanje::napravi() {
    for (const DeferredBuild::Step& korak : koraciIzgradnje())
        korak();
}

QList<DeferredBuild::Step> tab_pretrazivanje::koraciIzgradnje() {
    // A panel is the page's largest part: each is a step of its own, in the page's order.
    QList<DeferredBuild::Step> koraci;
    for (int i = 0; i < 4; ++i)
        koraci << [this, i] {
            const char* panelNames[] = {"uo_2", "uo_4", "uo_5", "uo_6"};
            m_panels[i] = new obj_pretrazivanje(QString::fromLatin1(panelNames[i]), this);
            m_panels[i]->promena_boje(BojePanela[i]);
            placeInUnits(m_panels[i], PanelX, PanelY + i * (PanelHeight + PanelGap), PanelWidth,
                         PanelHeight);
        };
    koraci << [this] { napraviOstalo(); };
    return koraci;
}

void tab_pretrazivanje::napraviOstalo() {
    m_pretrazi = makeCommandButton(this, QStringLiteral("cb_1"), QStringLiteral("Pretraži"),
                                   ScreenFont::ArialCE9Bold);
    placeInUnits(m_pretrazi, LeftX, PanelY + (PanelHeight - ControlHeight) / 2, LeftWidth,
                 ControlHeight);

    for (int i = 0; i < 3; ++i) {
        m_connectors[i] = new DropDownListBox(QStringLiteral("ddlb_lk%1").arg(i + 1), false, this);
        setScreenFont(m_connectors[i], ScreenFont::Arial9);
        for (const char* item : {"I", "ILI", "NE"})
            m_connectors[i]->addItem(QString::fromLatin1(item));
        m_connectors[i]->selectItem(2);
        // Beside the panel it joins to the one above.
        placeInUnits(m_connectors[i], LeftX,
                     PanelY + (i + 1) * (PanelHeight + PanelGap) +
                         (PanelHeight - ControlHeight) / 2,
                     LeftWidth, ControlHeight);
    }

    // Tab order as on the form: the button, the four panels, then the three connectors. The whole
    // order is chained stop by stop, each panel's own stops included: the button is made after the
    // panels, and chaining it to a panel's first stop alone would lift that stop out of its panel.
    QList<QWidget*> order{m_pretrazi};
    for (obj_pretrazivanje* panel : m_panels)
        order << stopsOf(panel);
    for (DropDownListBox* connector : m_connectors)
        order << connector;
    chainTabOrder(order);
    napraviPretragu(PanelX, PanelY + 4 * (PanelHeight + PanelGap) - PanelGap / 2, PanelWidth);
    nameSearchControls(this);
}

void tab_pretrazivanje::prosiriGodine(int prva) {
    for (obj_pretrazivanje* panel : m_panels)
        if (panel)
            panel->prosiriGodine(prva);
}

void tab_pretrazivanje::procitajGodine() {
    const Result<std::optional<int>> najstarija = poseta_sql::najstarijaGodina(m_sqlca);
    if (najstarija.value)
        prosiriGodine(*najstarija.value);
}
