#include "ui/lab/w_hematologija_unos.h"

#include "domain/lab/nalazi_sql.h"
#include "domain/lab/racun.h"
#include "runtime/widgets/command_button.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/factories.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/picture_button.h"
#include "runtime/widgets/units.h"
#include "ui/lab/obj_hemanaliza_cena.h"
#include "ui/lab/obj_hemanaliza_unos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>
#include <limits>

namespace {

constexpr int WindowWidth = 3660;
constexpr int WindowHeight = 2180;
// The line area inside the group box; lines that do not fit are reached by scrolling.
constexpr int AreaX = 40;
constexpr int AreaY = 64;
constexpr int AreaWidth = 3580;
constexpr int AreaHeight = 1460;
constexpr int ButtonY = 1552;

} // namespace

w_hematologija_unos::w_hematologija_unos(Transaction& sqlca, QWidget* parent)
    : Window(Type::Popup, QSize(WindowWidth, WindowHeight), parent ? parent : mainWindow()),
      m_sqlca(sqlca) {
    setObjectName(QStringLiteral("w_hematologija_unos"));
    setWindowTitle(QString());
    useButtonFace(this);

    // No button is the window's default (command buttons never are): Enter in an amount field
    // must not press a button.
    m_inverzno = makeCommandButton(this, QStringLiteral("cb_selekt_inverzno"),
                                   QStringLiteral("Inverzni izbor"), ScreenFont::Arial9);
    m_leukocit = makeCommandButton(this, QStringLiteral("cb_selekt_leukocit"),
                                   QStringLiteral("Leukocitna formula"), ScreenFont::Arial9);
    m_deselektSve = makeCommandButton(this, QStringLiteral("cb_deselekt_sve"),
                                      QStringLiteral("Nijedna analiza"), ScreenFont::Arial9);
    m_selektSve = makeCommandButton(this, QStringLiteral("cb_selekt_sve"),
                                    QStringLiteral("Sve analize"), ScreenFont::Arial9);
    // One row at the bottom of the group box, left to right.
    placeInUnits(m_inverzno, 100, ButtonY, 600, 104);
    placeInUnits(m_leukocit, 760, ButtonY, 680, 104);
    placeInUnits(m_selektSve, 1500, ButtonY, 600, 104);
    placeInUnits(m_deselektSve, 2160, ButtonY, 600, 104);

    m_okvir = new QGroupBox(QStringLiteral("Hematološke analize"), this);
    m_okvir->setObjectName(QStringLiteral("gb_hematologija_unos"));
    setScreenFont(m_okvir, ScreenFont::ArialCE9);
    placeInUnits(m_okvir, 16, 8, WindowWidth - 32, ButtonY + 104 + 40 - 8);

    m_pregled = new QScrollArea(this);
    m_pregled->setFrameShape(QFrame::NoFrame);
    m_pregled->setFocusPolicy(Qt::NoFocus);
    m_pregled->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pregled->viewport()->setAutoFillBackground(false);
    placeInUnits(m_pregled, AreaX, AreaY, AreaWidth, AreaHeight);
    m_linije = new QWidget;
    m_pregled->setWidget(m_linije);
    // The scroll area paints its widget; the group box's face should show through instead.
    m_linije->setAutoFillBackground(false);

    m_naslovLeukocita = new QLabel(QStringLiteral("Leukocitna formula"), m_linije);
    m_naslovLeukocita->setObjectName(QStringLiteral("st_leukocitna_formula"));
    setScreenFont(m_naslovLeukocita, ScreenFont::Arial9Bold);
    placeInUnits(m_naslovLeukocita, RightColumnX + 110, 100, 1200, 96);
    resizeInUnits(m_linije, RightColumnX + obj_hemanaliza_unos::WidthUnits + 20, lineY(1));

    m_cena = new obj_hemanaliza_cena(this);
    m_cena->setObjectName(QStringLiteral("uo_cena"));
    moveInUnits(m_cena, 40, ButtonY + 104 + 60);

    m_okvir->lower();

    // "Prihvati" lets the window close; the laboratory page takes the amount itself.
    connect(m_cena, &obj_hemanaliza_cena::prihvacen, this, [this] {
        emit prihvacenNalog(nalog());
        zatvori = true;
        Close(this);
    });
    connect(m_inverzno, &QPushButton::clicked, this,
            [this] { oznaci(1, [](bool s) { return !s; }); });
    connect(m_leukocit, &QPushButton::clicked, this, [this] {
        // When the leukocyte formula could not be loaded there is nothing to check, only the
        // price to recompute.
        if (pocetak_leukocita < 1) {
            sracunaj_cenu();
            return;
        }
        oznaci(pocetak_leukocita, [](bool) { return true; });
    });
    connect(m_deselektSve, &QPushButton::clicked, this,
            [this] { oznaci(1, [](bool) { return false; }); });
    connect(m_selektSve, &QPushButton::clicked, this,
            [this] { oznaci(1, [](bool) { return true; }); });
}

void w_hematologija_unos::openEvent() {
    if (mainWindow())
        centreOnScreen(this); // what mab_la::centriraj_prozor does
    zatvori = false;

    // The count starts again before anything is loaded, so that after a failed load no line is
    // counted, summed or touched twice.
    uoo = {QPointer<obj_hemanaliza_unos>()};
    uoo_broj = 0;

    // The line count is a 16-bit number; rows past 32767 lines would make it wrap to a negative
    // index, so they are not shown.
    const auto fits = [this] { return uoo_broj < std::numeric_limits<qint16>::max(); };
    const Result<QList<nalaz>> obicne = nalazi_sql::ucitaj(m_sqlca, nalazi_sql::hematologija);
    for (const nalaz& row : obicne.value) {
        if (!fits())
            break;
        ++uoo_broj;
        dodaj_liniju(row, LeftColumnX, lineY(uoo_broj));
    }
    if (reportReadFailure(obicne) < 0) {
        poredaj_fokus();
        return;
    }

    const Result<QList<nalaz>> leukociti =
        nalazi_sql::ucitaj(m_sqlca, nalazi_sql::leukocitna_formula);
    const qint16 left = uoo_broj;
    if (leukociti.stage != Result<>::Stage::OpenFailed && fits())
        pocetak_leukocita = qint16(uoo_broj + 1);
    for (const nalaz& row : leukociti.value) {
        if (!fits())
            break;
        ++uoo_broj;
        dodaj_liniju(row, RightColumnX, lineY(uoo_broj - left));
    }
    reportReadFailure(leukociti);
    poredaj_fokus();
}

void w_hematologija_unos::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, as Space does, and nothing else.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    Window::keyPressEvent(event);
}

bool w_hematologija_unos::closequery() {
    return zatvori;
}

void w_hematologija_unos::dodaj_liniju(const nalaz& analiza, int x, int y) {
    auto* line = new obj_hemanaliza_unos(m_linije);
    uoo.append(line);
    m_analize.append(analiza);
    moveInUnits(line, x, y);
    line->raise();
    line->popuni_polja(analiza.naziv, racun::podrazumevanaCena());
    line->show();
    connect(line, &obj_hemanaliza_unos::raditiClicked, this, &w_hematologija_unos::sracunaj_cenu);

    const QSize needed(line->geometry().right() + 1 + UnitsToPixels(20, UnitDirection::Horizontal),
                       line->geometry().bottom() + 1 + UnitsToPixels(20, UnitDirection::Vertical));
    m_linije->resize(m_linije->size().expandedTo(needed));
}

obj_hemanaliza_unos* w_hematologija_unos::linija(int index) const {
    if (index < 1 || index > uoo_broj || index >= uoo.size())
        return nullptr;
    return uoo.at(index);
}

void w_hematologija_unos::sracunaj_cenu() {
    QList<Decimal> cene;
    for (int index = 1; index <= uoo_broj; ++index)
        if (obj_hemanaliza_unos* line = linija(index))
            cene << line->dodavanje_cene();
    m_cena->unesi_cenu(racun::ukupnaCena(cene));
}

void w_hematologija_unos::oznaciNalog(const QList<nalog_sql::Stavka>& stavke,
                                      const QString& popust) {
    for (int index = 1; index <= uoo_broj; ++index) {
        obj_hemanaliza_unos* line = linija(index);
        if (!line || index > m_analize.size())
            continue;
        const nalaz& analiza = m_analize.at(index - 1);
        line->setRaditi(std::any_of(stavke.begin(), stavke.end(), [&](const nalog_sql::Stavka& s) {
            return s.grupa == analiza.grupa && s.podgrupa == analiza.podgrupa &&
                   s.rbrNalaza == analiza.rbr;
        }));
    }
    const int izbor = m_cena->ddlb_hem_popust()->findText(popust);
    if (izbor >= 0) {
        m_cena->ddlb_hem_popust()->setCurrentIndex(izbor);
        m_cena->procenat = popust;
    }
    sracunaj_cenu();
}

PrihvacenNalog w_hematologija_unos::nalog() const {
    PrihvacenNalog nalog;
    for (int index = 1; index <= uoo_broj && index <= m_analize.size(); ++index) {
        obj_hemanaliza_unos* line = linija(index);
        if (!line || !line->raditi())
            continue;
        const nalaz& analiza = m_analize.at(index - 1);
        nalog_sql::Stavka stavka;
        stavka.grupa = analiza.grupa;
        stavka.podgrupa = analiza.podgrupa;
        stavka.rbrNalaza = analiza.rbr;
        stavka.naziv = line->sle_hemoglobin_lhk()->text();
        stavka.cena = Decimal::fromDouble(line->dodavanje_cene().toDouble(), 2);
        nalog.stavke << stavka;
    }
    nalog.ukupnaCena = m_cena->em_hemat_cena_ukupna()->amount();
    nalog.popust =
        m_cena->procenat.isEmpty() ? m_cena->ddlb_hem_popust()->currentText() : m_cena->procenat;
    return nalog;
}

void w_hematologija_unos::oznaci(int prva, bool (*novoStanje)(bool)) {
    for (int index = prva; index <= uoo_broj; ++index)
        if (obj_hemanaliza_unos* line = linija(index))
            line->setRaditi(novoStanje(line->raditi()));
    sracunaj_cenu();
}

void w_hematologija_unos::poredaj_fokus() {
    // Tab goes down the check boxes of the lines, then along the buttons as they stand, then
    // through the price panel.
    QList<QWidget*> order;
    for (int index = 1; index <= uoo_broj; ++index)
        if (obj_hemanaliza_unos* line = linija(index))
            order << line->cbx_raditi();
    order << QList<QWidget*>{m_inverzno,
                             m_leukocit,
                             m_selektSve,
                             m_deselektSve,
                             m_cena->em_hemat_cena_ukupna(),
                             m_cena->ddlb_hem_popust(),
                             m_cena->em_hemat_cena_ukupnapopust(),
                             m_cena->pb_hemanaliza_cene()};
    chainTabOrder(order);
    if (obj_hemanaliza_unos* first = linija(1))
        first->cbx_raditi()->setFocus();
    else
        m_selektSve->setFocus();
}
