#include "ui/lab/tab_lab_analize.h"

#include "domain/lab/racun.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/picture_button.h"
#include "runtime/widgets/units.h"
#include "ui/lab/nalog_komande.h"
#include "ui/lab/obj_hemanaliza_cena.h"
#include "ui/lab/tab_lab_analize_names.h"
#include "ui/lab/w_hematologija_unos.h"

#include <QGroupBox>
#include <QLabel>

namespace {

// Layout in window units: the services on the left, each button with its subtotal beside it and
// the bill total below them; the price list on the right.
constexpr int ServiceX = 100;
constexpr int PictureWidth = 1100;
constexpr int PictureHeight = 400;
constexpr int RowY[] = {110, 560, 1010};
constexpr int SubtotalX = 1320;
constexpr int FieldWidth = 620;
constexpr int FieldHeight = 92;
constexpr int PriceListX = 2330;

PictureButton* makePicture(const QString& name, const QString& picture, QWidget* parent) {
    auto* button = new PictureButton(name, parent);
    button->setPictureName(picture);
    return button;
}

QGroupBox* makeGroup(const QString& name, const QString& text, QWidget* parent) {
    auto* group = new QGroupBox(text, parent);
    group->setObjectName(name);
    setScreenFont(group, ScreenFont::ArialCE9Bold);
    return group;
}

} // namespace

tab_lab_analize::tab_lab_analize(Transaction& sqlca, QWidget* parent)
    : tab_lab_analize(sqlca, BuildLater(), parent) {
    napravi();
}

tab_lab_analize::tab_lab_analize(Transaction& sqlca, BuildLater, QWidget* parent)
    : QWidget(parent), m_sqlca(sqlca) {
    setObjectName(QStringLiteral("tab_lab_analize"));
    setProperty("tag", QStringLiteral("laboratorijske_analize"));
}

void tab_lab_analize::napravi() {
    m_svega = makeAmount(this, QStringLiteral("em_svega_analize"), ScreenFont::Arial10,
                         QStringLiteral("none"));
    m_hemat = makePicture(QStringLiteral("pb_hemat_analize"), QStringLiteral("hemato2.bmp"), this);
    m_biohemija = makePicture(QStringLiteral("pb_biohemija"), QStringLiteral("bioh.bmp"), this);
    m_biohemija->setProperty("tag", QStringLiteral("biohemijske_analize"));
    m_urin = makePicture(QStringLiteral("pb_urin"), QStringLiteral("urin1.bmp"), this);
    m_urin->setProperty("tag", QStringLiteral("biohemijske_analize"));
    m_ukupnoHem = makeAmount(this, QStringLiteral("em_ukupno_hem"), ScreenFont::Arial10,
                             QStringLiteral("none"));
    m_ukupnoBiohem = makeAmount(this, QStringLiteral("em_ukupno_biohem"), ScreenFont::Arial10,
                                QStringLiteral("none"));
    m_ukupnoUrin = makeAmount(this, QStringLiteral("em_ukupno_urin"), ScreenFont::Arial10,
                              QStringLiteral("none"));
    m_svegaLabel = makeLabel(this, QStringLiteral("st_9"), QStringLiteral("Svega za naplatu"),
                             ScreenFont::ArialCE10Bold);
    m_urincen = makePicture(QStringLiteral("pb_urincen"), QStringLiteral("urincen.bmp"), this);
    m_biohcen = makePicture(QStringLiteral("pb_biohcen"), QStringLiteral("biohcen.bmp"), this);
    m_hemcen = makePicture(QStringLiteral("pb_hemcen"), QStringLiteral("hemcen1.BMP"), this);
    m_svegaOkvir = makeGroup(QStringLiteral("gb_svega"), QString(), this);
    m_usluge = makeGroup(QStringLiteral("gb_lab_anl"), QStringLiteral("Usluge"), this);
    m_cenovnik = makeGroup(QStringLiteral("gb_lab_cen"), QStringLiteral("Cenovnik usluga"), this);

    placeInUnits(m_usluge, 40, 20, 2120, 1880);
    placeInUnits(m_cenovnik, 2230, 20, 1340, 1880);
    PictureButton* services[] = {m_hemat, m_biohemija, m_urin};
    EditMask* subtotals[] = {m_ukupnoHem, m_ukupnoBiohem, m_ukupnoUrin};
    PictureButton* priceList[] = {m_hemcen, m_biohcen, m_urincen};
    for (int row = 0; row < 3; ++row) {
        placeInUnits(services[row], ServiceX, RowY[row], PictureWidth, PictureHeight);
        placeInUnits(subtotals[row], SubtotalX, RowY[row] + (PictureHeight - FieldHeight) / 2,
                     FieldWidth, FieldHeight);
        placeInUnits(priceList[row], PriceListX, RowY[row], PictureWidth, PictureHeight);
    }
    placeInUnits(m_svegaOkvir, ServiceX, 1500, 2000 - ServiceX + 40, 300);
    placeInUnits(m_svegaLabel, ServiceX + 80, 1600, 1100, 100);
    placeInUnits(m_svega, SubtotalX, 1596, FieldWidth, 104);
    for (QGroupBox* group : {m_svegaOkvir, m_usluge, m_cenovnik})
        group->lower();

    connect(m_hemat, &QPushButton::clicked, this, &tab_lab_analize::otvoriHematologiju);
    for (EditMask* subtotal : subtotals)
        connect(subtotal, &EditMask::modified, this, &tab_lab_analize::svega_za_naplatu);
    // The bill total's own modified does nothing: what is typed there stands until the next
    // recomputation overwrites it.

    chainTabOrder({m_hemat, m_ukupnoHem, m_biohemija, m_ukupnoBiohem, m_urin, m_ukupnoUrin, m_svega,
                   m_hemcen, m_biohcen, m_urincen});
    nameLaboratoryControls(this);
}

void tab_lab_analize::svega_za_naplatu() {
    m_svega->setValue(
        racun::svegaZaNaplatu(m_ukupnoHem->text(), m_ukupnoBiohem->text(), m_ukupnoUrin->text()));
}

void tab_lab_analize::postavi_ukupno_hem(Decimal iznos) {
    m_ukupnoHem->setValue(iznos.toString(2));
}

w_hematologija_unos* tab_lab_analize::hematologija() const {
    return m_hematologija && m_hematologija->isVisible() ? m_hematologija.data() : nullptr;
}

w_hematologija_unos* tab_lab_analize::otvoriHematologiju() {
    if (w_hematologija_unos* otvoren = hematologija()) {
        otvoren->raise();
        otvoren->activateWindow();
        return otvoren;
    }
    auto* window = new w_hematologija_unos(m_sqlca);
    m_hematologija = window;
    connect(window->uo_cena(), &obj_hemanaliza_cena::prihvacen, this,
            &tab_lab_analize::prihvacenaHematologija);
    connect(window, &w_hematologija_unos::prihvacenNalog, this,
            &tab_lab_analize::hematologijaPrihvacena);
    openWindow(window);
    emit hematologijaOtvorena(window);
    return window;
}

tab_lab_analize::Iznosi tab_lab_analize::iznosi() const {
    return {m_ukupnoHem->amount(), m_ukupnoBiohem->amount(), m_ukupnoUrin->amount(),
            m_svega->amount()};
}

void tab_lab_analize::postaviIznose(const Iznosi& iznosi) {
    m_ukupnoHem->setValue(iznosi.hematologija.toString(2));
    m_ukupnoBiohem->setValue(iznosi.biohemija.toString(2));
    m_ukupnoUrin->setValue(iznosi.urin.toString(2));
    m_svega->setValue(iznosi.svega.toString(2));
}

void tab_lab_analize::dodajNaloge(QTabWidget* tabMain, std::function<PrijemPacijent()> prijem) {
    m_nalozi = new nalog_komande(this, tabMain, m_sqlca, std::move(prijem));
}

void tab_lab_analize::prihvacenaHematologija(Decimal iznos) {
    postavi_ukupno_hem(iznos);
    svega_za_naplatu();
}
