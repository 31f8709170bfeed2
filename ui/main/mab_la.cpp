#include "ui/main/mab_la.h"

#include "domain/appointments/calendar_rules.h"
#include "runtime/core/builtins.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/units.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/main/tab_main.h"
#include "ui/reception/tab_prijem.h"
#include "ui/search/tab_pretrazivanje.h"

#include <QVBoxLayout>

mab_la::mab_la(QWidget* parent) : Window(Type::Main, QSize(3694, 2324), parent) {
    setObjectName(QStringLiteral("mab_la"));
    setWindowTitle(QStringLiteral("MAB"));
    useButtonFace(this);

    auto* tabs = new tab_main(this);
    m_tabMain = tabs;
    // The pages are built once, with the window, in tab order; their constructors run then.
    m_prijem = new tab_prijem;
    tabs->addTab(m_prijem, QStringLiteral("PRIJEM"));
    m_adresar = new tab_adresar(sqlca());
    tabs->addTab(m_adresar, QStringLiteral("ADRESAR"));
    m_adresar->ucitaj();
    tabs->setTabToolTip(1, QStringLiteral("Adresar za idiote"));
    m_zakazivanje = new tab_zakazivanje;
    tabs->addTab(m_zakazivanje, QStringLiteral("ZAKAZIVANJE"));
    m_zakazivanje->ucitaj(sqlca());
    m_labAnalize = new tab_lab_analize;
    tabs->addTab(m_labAnalize, QStringLiteral("LABORATORIJSKE ANALIZE"));
    m_pretrazivanje = new tab_pretrazivanje;
    tabs->addTab(m_pretrazivanje, QStringLiteral("PRETRAŽIVANJE"));
    connect(m_pretrazivanje, &tab_pretrazivanje::otvoriUnos, this, &mab_la::otvoriUnos);
    connect(m_pretrazivanje, &tab_pretrazivanje::otvoriPosetu, this, &mab_la::otvoriPosetu);
    tabs->setCurrentIndex(0);
    m_prijem->dodajPosete(sqlca(), tabs);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs);
}

void mab_la::otvoriUnos(int rbr) {
    // As a click in the address book's list: its unsaved edits first, then the entry.
    m_adresar->promenjeno();
    m_adresar->popunipodatke(QString::number(rbr));
    m_tabMain->setCurrentWidget(m_adresar);
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
    return m_zakazivanje->dcaldate();
}

qint16 mab_la::icalhilite() const {
    return m_zakazivanje->icalhilite();
}

void mab_la::highlight(CalendarDataWindow* dwc_calendar) {
    m_zakazivanje->highlight(dwc_calendar);
}

void mab_la::showmonth(CalendarDataWindow* dwc_calendar) {
    m_zakazivanje->showmonth(dwc_calendar);
}

QDate mab_la::startofmonth(const QDate& pdate) const {
    return calendar::startofmonth(pdate);
}

QDate mab_la::endofmonth(const QDate& pdate) const {
    return calendar::endofmonth(pdate);
}

void mab_la::pokupi_ljude(const QString& slovo, const QString& statt) {
    m_adresar->pokupi_ljude(slovo, statt);
}

void mab_la::svega_za_naplatu() {
    m_labAnalize->svega_za_naplatu();
}

int mab_la::popunipodatke(const QString& mmbr) {
    return m_adresar->popunipodatke(mmbr);
}

int mab_la::promenjeno() {
    return m_adresar->promenjeno();
}

void mab_la::centriraj_prozor(QWidget* prozor) {
    centreOnScreen(prozor);
}

bool mab_la::closequery() {
    return m_prijem->pitajZaIzmene();
}

bool mab_la::otvoriPosetu(int rbrPoseta) {
    if (!m_prijem->otvoriPosetu(rbrPoseta))
        return false;
    m_tabMain->setCurrentWidget(m_prijem);
    return true;
}
