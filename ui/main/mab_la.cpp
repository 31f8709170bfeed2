#include "ui/main/mab_la.h"

#include "domain/appointments/calendar_rules.h"
#include "runtime/widgets/deferred_build.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/addressbook/adresar_termini.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/lab/nalog_komande.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/main/tab_main.h"
#include "ui/reception/prijem_posete.h"
#include "ui/reception/prijem_termini.h"
#include "ui/reception/tab_prijem.h"
#include "ui/search/tab_pretrazivanje.h"

#include <QVBoxLayout>

mab_la::mab_la(Transaction& sqlca, QWidget* parent)
    : Window(Type::Main, QSize(3694, 2324), parent) {
    setObjectName(QStringLiteral("mab_la"));
    setWindowTitle(QStringLiteral("MAB"));
    useButtonFace(this);

    auto* tabs = new tab_main(this);
    m_tabMain = tabs;
    // The pages are made once, with the window, in tab order. The address book reads its statuses
    // first, and its first list on a thread of its own while the rest of the window is built
    // (the connection refuses any other use until zavrsiUcitavanje); a failed read is reported
    // before the window shows. PRIJEM shows first. The controls of the pages nobody sees yet, the
    // address book's included, are built after the window's first paint, a step per turn of the
    // event loop so that the window answers meanwhile, or at once when a page is first opened or
    // asked for, if that comes sooner.
    m_adresar = new tab_adresar(sqlca, BuildLater());
    m_adresar->pocniUcitavanje();
    m_prijem = new tab_prijem;
    tabs->addTab(m_prijem, QStringLiteral("PRIJEM"));
    tabs->addTab(m_adresar, QStringLiteral("ADRESAR"));
    tabs->setTabToolTip(1, QStringLiteral("Adresar za idiote"));
    new DeferredBuild({m_adresar}, [this] {
        m_adresar->napravi();
        connect(new adresar_termini(m_adresar), &adresar_termini::terminiPacijenta, this,
                &mab_la::terminiPacijenta);
    });
    m_zakazivanje = new tab_zakazivanje(BuildLater());
    tabs->addTab(m_zakazivanje, QStringLiteral("ZAKAZIVANJE"));
    connect(m_zakazivanje, &tab_zakazivanje::pokaziMe, this,
            [this] { m_tabMain->setCurrentWidget(m_zakazivanje); });
    // Its bookings are read in a step of their own, after its controls.
    new DeferredBuild({m_zakazivanje}, {[this] { m_zakazivanje->napravi(); },
                                        [this, &sqlca = sqlca] { m_zakazivanje->ucitaj(sqlca); }});
    m_labAnalize = new tab_lab_analize(sqlca, BuildLater());
    tabs->addTab(m_labAnalize, QStringLiteral("LABORATORIJSKE ANALIZE"));
    new DeferredBuild({m_labAnalize}, [this, tabs] {
        m_labAnalize->napravi();
        // An order is for the patient of the visit open at reception, unless the desk picks
        // another.
        m_labAnalize->dodajNaloge(tabs, [this] {
            const prijem_posete* posete = m_prijem->posete();
            return posete ? PrijemPacijent{posete->rbrPacijenta(), posete->rbrPosete()}
                          : PrijemPacijent{};
        });
    });
    m_pretrazivanje = new tab_pretrazivanje(sqlca, BuildLater());
    tabs->addTab(m_pretrazivanje, QStringLiteral("PRETRAŽIVANJE"));
    connect(m_pretrazivanje, &tab_pretrazivanje::otvoriUnos, this, &mab_la::otvoriUnos);
    connect(m_pretrazivanje, &tab_pretrazivanje::otvoriPosetu, this, &mab_la::otvoriPosetu);
    new DeferredBuild({m_pretrazivanje}, m_pretrazivanje->koraciIzgradnje());
    // The search's years reach back to the oldest stored visit, read when the page is opened.
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_tabMain->currentWidget() != m_pretrazivanje)
            return;
        pretrazivanje()->procitajGodine();
    });
    tabs->setCurrentIndex(0);
    m_adresar->zavrsiUcitavanje();
    m_prijem->dodajPosete(sqlca, tabs);
    connect(new prijem_termini(m_prijem), &prijem_termini::terminiPacijenta, this,
            &mab_la::terminiPacijenta);
    DeferredBuild::afterFirstPaint(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs);
}

void mab_la::otvoriUnos(int rbr) {
    // As a click in the address book's list: its unsaved edits first, then the entry.
    adresar()->promenjeno();
    m_adresar->popunipodatke(QString::number(rbr));
    m_tabMain->setCurrentWidget(m_adresar);
}

void mab_la::terminiPacijenta(int rbrAdresar) {
    zakazivanje()->terminiPacijenta(rbrAdresar);
}

tab_adresar* mab_la::adresar() const {
    DeferredBuild::buildAll(m_adresar);
    return m_adresar;
}

tab_prijem* mab_la::prijem() const {
    DeferredBuild::buildAll(m_prijem);
    return m_prijem;
}

tab_zakazivanje* mab_la::zakazivanje() const {
    DeferredBuild::buildAll(m_zakazivanje);
    return m_zakazivanje;
}

tab_lab_analize* mab_la::labAnalize() const {
    DeferredBuild::buildAll(m_labAnalize);
    return m_labAnalize;
}

tab_pretrazivanje* mab_la::pretrazivanje() const {
    DeferredBuild::buildAll(m_pretrazivanje);
    return m_pretrazivanje;
}

void mab_la::openEvent() {
    centriraj_prozor(this);
    setMenjano(false);
}

bool mab_la::menjano() const {
    return m_adresar->menjano();
}

void mab_la::setMenjano(bool menjano) {
    m_adresar->setMenjano(menjano);
}

QDate mab_la::dcaldate() const {
    return zakazivanje()->dcaldate();
}

qint16 mab_la::icalhilite() const {
    return zakazivanje()->icalhilite();
}

void mab_la::highlight(CalendarDataWindow* dwc_calendar) {
    zakazivanje()->highlight(dwc_calendar);
}

void mab_la::showmonth(CalendarDataWindow* dwc_calendar) {
    zakazivanje()->showmonth(dwc_calendar);
}

QDate mab_la::startofmonth(const QDate& pdate) const {
    return calendar::startofmonth(pdate);
}

QDate mab_la::endofmonth(const QDate& pdate) const {
    return calendar::endofmonth(pdate);
}

void mab_la::pokupi_ljude(const QString& slovo, const QString& statt) {
    adresar()->pokupi_ljude(slovo, statt);
}

void mab_la::svega_za_naplatu() {
    labAnalize()->svega_za_naplatu();
}

int mab_la::popunipodatke(const QString& mmbr) {
    return adresar()->popunipodatke(mmbr);
}

int mab_la::promenjeno() {
    return adresar()->promenjeno();
}

void mab_la::centriraj_prozor(QWidget* prozor) {
    centreOnScreen(prozor);
}

bool mab_la::closequery() {
    // A stored laboratory order's unsaved changes are asked about too; a new order was never kept.
    return m_prijem->pitajZaIzmene() &&
           (!m_labAnalize->nalozi() || m_labAnalize->nalozi()->pitajPreZatvaranja());
}

bool mab_la::otvoriPosetu(int rbrPoseta) {
    if (!m_prijem->otvoriPosetu(rbrPoseta))
        return false;
    m_tabMain->setCurrentWidget(m_prijem);
    return true;
}
