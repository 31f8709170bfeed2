#include "ui/reception/tab_prijem.h"

#include "runtime/widgets/deferred_build.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "ui/reception/form_controls.h"
#include "ui/reception/multi_row_tabs.h"
#include "ui/reception/prijem_lekari.h"
#include "ui/reception/prijem_posete.h"
#include "ui/reception/tab_2a_pages.h"
#include "ui/reception/tab_prijem_names.h"

#include <QLineEdit>

namespace {

using K = ControlKind;
using F = ScreenFont;

// Three rows: the person framed by gb_imeiprezime, the address unframed, the protocol framed by
// gb_protokol; the inner tab fills the rest of the page. Fields and their labels share a row's
// top and height, so the labels stand level with the text. The sample person's fields start
// empty: the desk types each patient in.
constexpr int Row1 = 42;
constexpr int Row2 = 190;
constexpr int Row3 = 342;
constexpr int H = 88;

constexpr FormControl Header[] = {
    {"sle_datum", K::Edit, "", 70, 1450, Row3, 500, H, F::Arial9},
    {"st_datum", K::Static, "Datum", 0, 1230, Row3, 210, H},
    {"tab_2a", K::Tabs, "", 120, 20, 480, 3590, 1670, F::ArialCE10},
    {"sle_lekar", K::Edit, "", 20, 2260, Row3, 1300, H, F::Arial9},
    {"sle_broj_protokola", K::Edit, "", 60, 540, Row3, 600, H, F::Arial9},
    {"st_lekar", K::Static, "Lekar", 0, 2040, Row3, 210, H, F::Arial9},
    {"st_broj_protokola", K::Static, "Broj protokola", 0, 60, Row3, 470, H},
    {"sle_broj_ulice", K::Edit, "21", 70, 2580, Row2, 220, H},
    {"st_broj_ulice", K::Static, "Broj", 0, 2410, Row2, 160, H, F::Arial9},
    {"sle_grad", K::Edit, "Beograd", 80, 3030, Row2, 580, H, F::Arial9},
    {"st_grad", K::Static, "Grad", 0, 2860, Row2, 160, H, F::Arial9},
    {"sle_4", K::Edit, "", 90, 1400, Row1, 850, H, F::Arial9},
    {"st_prezime", K::Static, "Prezime", 0, 1110, Row1, 280, H, F::Arial9},
    {"sle_ime", K::Edit, "", 30, 200, Row1, 850, H, F::ArialCE10},
    {"st_ime", K::Static, "Ime", 0, 60, Row1, 130, H},
    {"st_adresa", K::Static, "Adresa ", 0, 60, Row2, 270, H},
    {"sle_adresa", K::Edit, "11000 ", 40, 820, Row2, 300, H},
    {"st_pbroj", K::Static, "Poštanski broj", 0, 340, Row2, 470, H},
    {"st_ulica", K::Static, "Ulica", 0, 1170, Row2, 180, H},
    {"sle_ulica", K::Edit, "", 50, 1360, Row2, 1000, H},
    {"st_mb", K::Static, "Matični broj", 0, 2320, Row1, 440, H},
    {"sle_mb", K::Edit, "", 100, 2770, Row1, 790, H},
    {"gb_protokol", K::Group, "", 110, 20, Row3 - 32, 3590, 150, F::Arial9},
    {"gb_imeiprezime", K::Group, "", 10, 20, Row1 - 32, 3590, 150},
};

} // namespace

tab_prijem::tab_prijem(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tab_prijem"));
    const QList<BuiltControl> header = buildControls(this, Header);
    for (const BuiltControl& control : header) {
        if (auto* tabs = qobject_cast<MultiRowTabs*>(control.widget))
            m_tab2a = tabs;
    }
    m_headerStops = tabStops(header);
    const QList<QWidget*> pages = addInnerPages(m_tab2a);
    m_pageStops.resize(pages.size());
    m_pageStops[0] = buildInnerPage(pages.at(0), 0);
    m_tab2a->setCurrentIndex(0);
    chainStops();

    // Only the first inner page is seen at start; the others are built after the window's first
    // paint, a page at a time, or all at once as soon as one of them is picked.
    QList<DeferredBuild::Step> steps;
    for (qsizetype i = 1; i < pages.size(); ++i)
        steps << [this, pages, i] { m_pageStops[i] = buildInnerPage(pages.at(i), int(i)); };
    steps << [this] {
        chainStops();
        // Named once the whole form stands: the names reach into every inner page.
        nameReceptionControls(this);
    };
    new DeferredBuild(pages.mid(1), steps);
}

void tab_prijem::chainStops() {
    // The header's stops in their numbers; the inner tab's pages follow the tab control itself.
    QList<QWidget*> order;
    for (QWidget* stop : std::as_const(m_headerStops)) {
        order.append(stop);
        if (stop == m_tab2a)
            for (const QList<QWidget*>& stops : std::as_const(m_pageStops))
                order.append(stops);
    }
    chainTabOrder(order);
}

void tab_prijem::dodajPosete(Transaction& sqlca, QTabWidget* tabMain) {
    if (!m_posete)
        m_posete = new prijem_posete(this, tabMain, sqlca);
    if (auto* lekar = findChild<QLineEdit*>(QStringLiteral("sle_lekar"));
        lekar && !lekar->findChild<prijem_lekari*>())
        new prijem_lekari(lekar, sqlca);
}

bool tab_prijem::otvoriPosetu(int rbrPoseta) {
    return m_posete && m_posete->otvoriPosetu(rbrPoseta);
}

bool tab_prijem::pitajZaIzmene() {
    return !m_posete || m_posete->pitajZaIzmene();
}
