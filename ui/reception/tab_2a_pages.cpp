// The nine inner pages of the reception form, each a table of its controls in creation order.
#include "ui/reception/tab_2a_pages.h"

#include "ui/reception/form_controls.h"
#include "ui/reception/multi_row_tabs.h"

#include <QComboBox>

namespace {

using K = ControlKind;
using F = ScreenFont;

constexpr int H = 88;         // a field's height
constexpr int ToggleH = 92;   // the yes/no objects' height
constexpr int BoxTitle = 96;  // from a group box's top to the control it frames
constexpr int BoxMargin = 20; // from a group box's side or bottom to the control it frames

constexpr FormControl Generalije[] = {
    {"gb_gen", K::Group, "", 90, 20, 10, 3530, 150},
    {"gb_zaposlenje", K::Group, "Podaci o zaposlenju", 80, 20, 190, 3530, 1050},
    // Kept from the form's earlier layout, below the page's edge where nobody sees it.
    {"st_zaposlen", K::Static, "Zaposlen", 0, 60, 2000, 300, H},
    {"st_sarost", K::Static, "Godine starosti", 0, 60, 42, 520, H},
    {"sle_starost", K::Edit, "", 60, 590, 42, 300, H},
    {"st_visina", K::Static, "Visina (cm)", 0, 1100, 42, 400, H},
    {"sle_visina", K::Edit, "", 70, 1510, 42, 300, H, F::Arial9},
    {"st_tezina", K::Static, "Težina (kg)", 0, 2020, 42, 400, H, F::ArialCE10},
    {"sle_tezina", K::Edit, "", 80, 2430, 42, 300, H, F::Arial9},
    {"mle_skolska_sprema", K::MultiLine, "", 80, 60, 350, 3450, 300},
    {"st_sprema", K::Static, "Školska sprema-Zanimanje", 0, 60, 260, 1200, H},
    {"st_zaposlenje", K::Static, "Zaposlen", 0, 60, 690, 320, ToggleH},
    {"uo_3", K::YesNo, "", 140, 400, 690, 512, ToggleH},
    {"st_radni_staz", K::Static, "Radni staž", 0, 1100, 690, 400, ToggleH, F::ArialCE10},
    {"sle_radni_staz", K::Edit, "", 150, 1510, 692, 400, H},
    {"mle_radna_organizacija", K::MultiLine, "", 170, 60, 900, 3450, 300},
    {"st_imefirme", K::Static, "Naziv radne organizacije", 0, 60, 810, 1200, H},
};

// A multi-line edit filling the group box at x, y of size w x h.
constexpr FormControl boxedEdit(const char* name, int tab, int x, int y, int w, int h) {
    return {name,
            K::MultiLine,
            "",
            tab,
            x + BoxMargin,
            y + BoxTitle,
            w - 2 * BoxMargin,
            h - BoxTitle - BoxMargin};
}

// Family history: two rows of three boxes, laid out in their tab order.
constexpr int FamW = 1170;
constexpr int FamH = 630;
constexpr int FamX[] = {20, 1200, 2380};
constexpr int FamY[] = {10, 650};

constexpr FormControl PorodicnaAnamneza[] = {
    boxedEdit("mle_maligna_o", 90, FamX[0], FamY[1], FamW, FamH),
    boxedEdit("mle_hipertenzija", 80, FamX[1], FamY[0], FamW, FamH),
    boxedEdit("mle_gojaznost", 80, FamX[2], FamY[0], FamW, FamH),
    boxedEdit("mle_apopleksija", 170, FamX[2], FamY[1], FamW, FamH),
    boxedEdit("mle_bolesti_kvs", 120, FamX[1], FamY[1], FamW, FamH),
    boxedEdit("mle_dijabetis", 70, FamX[0], FamY[0], FamW, FamH),
    {"gb_maligna_o", K::Group, "Maligna oboljenja", 90, FamX[0], FamY[1], FamW, FamH},
    {"gb_hipertenzija", K::Group, "Hipertenzija", 80, FamX[1], FamY[0], FamW, FamH},
    {"gb_gojaznost", K::Group, "Gojaznost", 30, FamX[2], FamY[0], FamW, FamH},
    {"gb_apopleksija", K::Group, "Apopleksija", 130, FamX[2], FamY[1], FamW, FamH},
    {"gb_bolesti_kvs", K::Group, "Bolesti KVS", 90, FamX[1], FamY[1], FamW, FamH},
    {"gb_dijabetis", K::Group, "Dijabetis mellitus", 40, FamX[0], FamY[0], FamW, FamH},
};

// Personal history: the yes/no answers in boxes down the left, the free-text boxes on the right.
constexpr int ToggleBoxH = BoxTitle + ToggleH + 20;
constexpr int ToggleRow[] = {10, 224, 438, 652, 866, 1080};
constexpr int LeftW = 1480;
constexpr int HalfX = 760;
constexpr int HalfW = 720;
constexpr int RightX = 1520;
constexpr int RightY[] = {10, 440, 870};
constexpr int RightH = 418;

constexpr FormControl toggleIn(const char* name, int tab, int boxX, int row, int width = 1422) {
    return {name, K::YesNoOpis, "", tab, boxX + 30, ToggleRow[row] + BoxTitle, width, ToggleH};
}

constexpr FormControl LicnaAnamneza[] = {
    boxedEdit("mle_napomene", 130, 2750, RightY[2], 800, RightH),
    boxedEdit("mle_oks", 120, RightX, RightY[1], 2030, RightH),
    boxedEdit("mle_obes", 110, RightX, RightY[2], 1220, RightH),
    boxedEdit("mle_hiper", 80, RightX, RightY[0], 800, RightH),
    boxedEdit("mle_dokvs", 120, 2330, RightY[0], 1220, RightH),
    // Three answers are narrowed: their boxes show in full, their descriptions only in part.
    toggleIn("uo_gastroenteritis", 80, 20, 4, 485),
    toggleIn("uo_opstipacija", 80, HalfX, 4, 443),
    toggleIn("uo_ulkus", 90, 20, 0),
    toggleIn("uo_zucni_putevi", 80, 20, 1),
    toggleIn("uo_jetra", 140, 20, 2),
    toggleIn("uo_diabetes", 100, 20, 3),
    toggleIn("uo_anemija", 80, 20, 5, 485),
    {"gb_anemija", K::Group, "Anemija", 100, 20, ToggleRow[5], HalfW, ToggleBoxH},
    {"gb_oks", K::Group, "Oboljenja kičmenog stuba i lokomotornog aparata", 150, RightX, RightY[1],
     2030, RightH, F::ArialCE10},
    {"gb_obes", K::Group, "Ostala oboljenja endokrinog sistema", 100, RightX, RightY[2], 1220,
     RightH},
    {"gb_diabetes_mellitus_la", K::Group, "Diabetes mellitus", 90, 20, ToggleRow[3], LeftW,
     ToggleBoxH},
    {"gb_hipertenzijala", K::Group, "Hipertenzija", 90, RightX, RightY[0], 800, RightH},
    {"gb_dokvs", K::Group, "Degenerativna oboljenja KVS", 110, 2330, RightY[0], 1220, RightH},
    {"gb_oboljenje_jetre", K::Group, "Oboljenje jetre", 160, 20, ToggleRow[2], LeftW, ToggleBoxH},
    {"gb_ozp", K::Group, "Oboljenje žučnih puteva", 90, 20, ToggleRow[1], LeftW, ToggleBoxH,
     F::ArialCE10},
    {"gb_ulkusna_bolest", K::Group, "Ulkusna bolest", 80, 20, ToggleRow[0], LeftW, ToggleBoxH},
    {"gb_gastroenetritis", K::Group, "Gastroenetritis", 110, 20, ToggleRow[4], HalfW, ToggleBoxH},
    {"gb_opstipacija", K::Group, "Opstipacija", 110, HalfX, ToggleRow[4], HalfW, ToggleBoxH},
    // Frames nothing and stays disabled, so its caption shows greyed.
    {"gb_gojazno", K::Group, "Gojaznost", 150, HalfX, ToggleRow[5], HalfW, ToggleBoxH, F::Arial10,
     Disabled},
    {"gb_napomene", K::Group, "Napomene", 120, 2750, RightY[2], 800, RightH},
};

// Habits: smoking and alcohol side by side, activity and diet below; the diet rows in tab order.
constexpr int DietX = 1040;
constexpr int DietLabelX = 1080;
constexpr int DietFieldX = 1700;

constexpr FormControl Navike[] = {
    boxedEdit("mle_pusenje", 80, 20, 10, 1750, 560),
    boxedEdit("mle_alkohol", 90, 1790, 10, 1760, 560),
    {"ddlb_fiz_aktivnost", K::DropDown, "", 0, 60, 680, 900, ToggleH},
    {"st_br_obroka", K::Static, "Broj obroka", 0, DietLabelX, 920, 600, H},
    {"sle_br_obroka", K::Edit, "", 190, DietFieldX, 920, 400, H},
    {"st_hrana_izbor", K::Static, "Izbor namirnica", 0, DietLabelX, 800, 600, H},
    {"sle_hrana_izbor", K::Edit, "", 130, DietFieldX, 800, 1800, H},
    {"st_harana_priprema", K::Static, "Način pripremanja", 0, DietLabelX, 680, 600, H,
     F::ArialCE10},
    {"sle_hrana_priprema", K::Edit, "", 90, DietFieldX, 680, 1800, H},
    {"gb_alkohol", K::Group, "Da li konzumirate alkohol i koliko često", 90, 1790, 10, 1760, 560,
     F::ArialCE10},
    {"gb_pusenje", K::Group, "Da li pušite i koliko cigareta dnevno", 70, 20, 10, 1750, 560},
    {"gb_fiz_aktivnost", K::Group, "Fizička aktivnost", 160, 20, 590, 1000, 210, F::ArialCE10},
    {"gb_ishrana", K::Group, "Ishrana", 180, DietX, 590, 2510, 450},
};

constexpr FormControl AntropometrijskiNalaz[] = {
    {"dw_afn", K::DataWindow, "", 100, 20, 10, 3530, 1260},
};

constexpr FormControl Dijagnoza[] = {
    {"mle_radnadiag", K::MultiLine, "", 50, 20, 10, 3530, 1260},
};

// The buttons stand left to right in their tab order.
constexpr FormControl LaboratorijskeAnalize[] = {
    {"cb_urin", K::Button, "Urin", 140, 1340, 60, 600, 120},
    {"cb_hematologija", K::Button, "Hematologija", 90, 700, 60, 600, 120},
    {"cb_biohemija", K::Button, "Biohemija", 70, 60, 60, 600, 120},
};

constexpr int ControlX = 640;

constexpr FormControl Kontrola[] = {
    {"mle_kontrola_napomene", K::MultiLine, "", 160, ControlX, 740, 2900, 500},
    {"st_kontrola_napomene", K::Static, "Napomene", 0, 60, 740, 560, H},
    {"dw_nalazi", K::DataWindow, "", 100, ControlX, 180, 2900, 520, F::Arial10,
     Disabled | VerticalScrollBar},
    {"st_nalazi", K::Static, "Sa nalazima", 0, 60, 180, 560, H},
    {"sle_datum_kontrole", K::Edit, "", 80, ControlX, 50, 600, H},
    {"st_kontrola_datum", K::Static, "Datum kontrole", 0, 60, 50, 560, H},
};

struct FormPage {
    const char* name;
    const char* label;
    std::span<const FormControl> controls;
};

const FormPage Pages[] = {
    {"tabpage_22", "Generalije", Generalije},
    {"tab_2", "Porodična anamneza", PorodicnaAnamneza},
    {"tab_3", "Lična anamneza", LicnaAnamneza},
    {"tab_8", "Navike", Navike},
    {"tab_11", "Antropometrijsko-funkcionalni nalaz", AntropometrijskiNalaz},
    {"tab_12", "Dijagnoza", Dijagnoza},
    {"tab_labanalize", "Laboratorijske analize", LaboratorijskeAnalize},
    {"tab_15", "Kontrola", Kontrola},
    {"tabpage_konsultacije_izhrana", "Konsultacije iz oblasti ishrane", {}},
};

} // namespace

QList<QWidget*> addInnerPages(MultiRowTabs* tabs) {
    QList<QWidget*> pages;
    for (const FormPage& entry : Pages) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromUtf8(entry.name));
        tabs->addTab(page, QString::fromUtf8(entry.label));
        pages.append(page);
    }
    return pages;
}

QList<QWidget*> buildInnerPage(QWidget* page, int index) {
    const QList<BuiltControl> controls = buildControls(page, Pages[index].controls);
    // The activity list starts with no choice: its stored text "none" names no item.
    if (auto* activity = page->findChild<QComboBox*>(QStringLiteral("ddlb_fiz_aktivnost"))) {
        activity->addItems({QStringLiteral("Aktivan"), QStringLiteral("Neaktivan")});
        activity->setCurrentIndex(-1);
    }
    return tabStops(controls);
}
