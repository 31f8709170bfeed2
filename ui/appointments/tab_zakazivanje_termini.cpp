// The booking half of the ZAKAZIVANJE page: reading the picked doctor's day into the sheet, the
// list box and the calendars, and booking and changing a slot through the domain's rules.
#include "domain/appointments/calendar_rules.h"
#include "domain/appointments/zakazivanje_prikaz.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/data_window_model.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/calendar_data_window.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/message_box.h"
#include "runtime/widgets/static_text.h"
#include "runtime/widgets/units.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/appointments/w_zakazivanje_termin.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QListWidget>

namespace {

// The day's caption stands on the group box's top line, right of its title, and ends where the
// sheet ends: nothing the page had moves or shrinks for it.
constexpr int DayCaptionRight = 1740, DayCaptionY = 20, DayCaptionHeight = 80;
constexpr int BoldWeight = 700;

} // namespace

void tab_zakazivanje::napraviZakazivanje() {
    m_dan = new StaticText(QStringLiteral("st_dan"), QString(), this);
    setScreenFont(m_dan, ScreenFont::Arial9Bold);
    m_dan->setAutoFillBackground(true); // covers the frame line under it, as the title does
    m_dan->setAlignment(Qt::AlignCenter);
    m_izabraniDan = m_danas;
    postaviNazivDana();

    m_daySheet->installEventFilter(this);
    connect(m_daySheet, &ListDataWindow::doubleClickedRow, this, &tab_zakazivanje::zakaziRed);
}

void tab_zakazivanje::postaviNazivDana() {
    m_dan->setText(zakazivanje_prikaz::nazivDana(m_izabraniDan));
    const int width = m_dan->fontMetrics().horizontalAdvance(m_dan->text()) + 12;
    const int right = UnitsToPixels(DayCaptionRight, UnitDirection::Horizontal);
    m_dan->setGeometry(right - width, UnitsToPixels(DayCaptionY, UnitDirection::Vertical), width,
                       UnitsToPixels(DayCaptionHeight, UnitDirection::Vertical));
    m_dan->raise();
    // A screen reader on the sheet hears which day it shows, as a full date.
    m_daySheet->setAccessibleDescription(m_dan->text());
}

void tab_zakazivanje::ucitaj(Transaction& sqlca) {
    m_sqlca = &sqlca;
    ucitajLekare();
    procitajDan();
}

void tab_zakazivanje::procitajDan() {
    postaviNazivDana();
    if (!m_sqlca || m_rbrLekara == 0)
        return;
    const Result<QList<zakazivanje_sql::Termin>> termini =
        zakazivanje_sql::terminiDana(*m_sqlca, m_rbrLekara, m_izabraniDan);
    m_termini = termini.value;

    // The sheet's own 31 rows, each slot showing its booking: the one that holds it, else a
    // cancelled one.
    QList<QVariantList> redovi = m_daySheet->rows()->definition().rows;
    for (int red = 0; red < redovi.size(); ++red)
        if (const zakazivanje_sql::Termin* termin = terminU(red + 1);
            termin && redovi[red].size() > 1)
            redovi[red][1] = zakazivanje_prikaz::opisTermina(*termin);
    const int tekuci = m_daySheet->getRow();
    m_daySheet->rows()->setRows(redovi);
    if (tekuci > 0)
        m_daySheet->setRow(tekuci);

    m_list->clear();
    for (const zakazivanje_sql::Termin& termin : std::as_const(m_termini))
        m_list->addItem(zakazivanje_prikaz::stavkaListe(termin));

    oznaciDane(m_calendar1);
    oznaciDane(m_calendar2);
    if (termini.failed())
        reportReadFailure(termini);
}

void tab_zakazivanje::oznaciDane(CalendarDataWindow* calendar) {
    const QDate mesec = shownMonth(calendar);
    if (!m_sqlca || m_rbrLekara == 0 || !calendar || !mesec.isValid())
        return;
    const Result<QList<QDate>> dani =
        zakazivanje_sql::zauzetiDani(*m_sqlca, m_rbrLekara, mesec, calendar::endofmonth(mesec));
    QStringList komande;
    for (int cell = 1; cell <= calendar::CellCount; ++cell) {
        const int dan = calendar->getItemNumber(1, cell);
        const bool zauzet = dan > 0 && dani.value.contains(RelativeDate(mesec, dan - 1));
        komande << QStringLiteral("#%1.font.weight=%2")
                       .arg(cell)
                       .arg(zauzet ? BoldWeight : CalendarModel::NormalWeight);
    }
    calendar->modify(komande.join(QLatin1Char(' ')));
}

const zakazivanje_sql::Termin* tab_zakazivanje::terminU(int red) const {
    // The day's bookings come in time order, the one holding a slot before its cancelled ones.
    for (const zakazivanje_sql::Termin& termin : m_termini)
        if (zakazivanje_prikaz::redTermina(termin.vreme) == red - 1)
            return &termin;
    return nullptr;
}

void tab_zakazivanje::zakaziRed(int red) {
    if (!m_sqlca || m_rbrLekara == 0 || red < 1 || red > zakazivanje_prikaz::BrojTermina)
        return;
    const zakazivanje_upis::Mesto mesto{m_rbrLekara, m_izabraniDan,
                                        zakazivanje_prikaz::vremeReda(red - 1)};
    const zakazivanje_sql::Termin* postojeci = terminU(red);
    // A cancelled booking leaves its slot free: Enter there books it anew.
    if (postojeci && postojeci->status == status_termina::Status::Otkazan)
        postojeci = nullptr;
    // Copied before the dialog, which may re-read the day under the pointer; a flag and ints
    // because GCC's optimiser wrongly warned that a std::optional<int> here was uninitialised.
    const bool izmena = postojeci != nullptr;
    const int rbr = izmena ? postojeci->rbr : 0;
    const int verzija = izmena ? postojeci->verzija : 0;
    TerminUnos unos;
    if (postojeci)
        unos = TerminUnos{postojeci->rbrAdresar, postojeci->opis, {}};

    if (zakazivanje_upis::uProslosti(mesto.datum, mesto.vreme,
                                     QDateTime(Today(), QTime::currentTime())) &&
        !w_da_ne::pitaj(zakazivanje_upis::pitanjeZaProslost()))
        return;
    if (!izmena && zakazivanje_upis::nedelja(mesto.datum) &&
        !w_da_ne::pitaj(zakazivanje_upis::pitanjeZaNedelju()))
        return;
    const Result<QList<zakazivanje_sql::Pacijent>> pacijenti = zakazivanje_sql::pacijenti(*m_sqlca);
    if (pacijenti.failed()) {
        reportReadFailure(pacijenti);
        return;
    }
    const QString naslov = QStringLiteral("%1, %2").arg(
        zakazivanje_prikaz::nazivDana(mesto.datum), mesto.vreme.toString(QStringLiteral("HH:mm")));
    Open<w_zakazivanje_termin>(naslov, pacijenti.value, unos, !izmena, window());
    if (!unos.prihvacen)
        return;
    if (izmena)
        pokaziIshod(zakazivanje_upis::izmeni(*m_sqlca, rbr, verzija, unos.rbrAdresar, unos.opis));
    else if (unos.novi)
        pokaziIshod(zakazivanje_upis::zakaziNovog(*m_sqlca, mesto, *unos.novi, unos.opis));
    else
        pokaziIshod(zakazivanje_upis::zakazi(*m_sqlca, mesto, unos.rbrAdresar, unos.opis));
    procitajDan();
}

void tab_zakazivanje::otkaziRed(int red) {
    const zakazivanje_sql::Termin* postojeci = terminU(red);
    if (!m_sqlca || !postojeci || postojeci->status == status_termina::Status::Otkazan)
        return;
    const int rbr = postojeci->rbr;
    const int verzija = postojeci->verzija;
    if (!w_da_ne::pitaj(zakazivanje_upis::pitanjeZaBrisanje()))
        return;
    pokaziIshod(
        zakazivanje_upis::postaviStatus(*m_sqlca, rbr, verzija, status_termina::Status::Otkazan));
    procitajDan();
}

void tab_zakazivanje::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming back to the page shows what other desks booked meanwhile, and their new doctors.
    if (m_sqlca && !event->spontaneous()) {
        ucitajLekare();
        procitajDan();
    }
}
