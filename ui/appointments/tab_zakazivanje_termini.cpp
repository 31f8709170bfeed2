// The booking half of the ZAKAZIVANJE page: reading the picked day into the sheet, the list box and
// the calendars, and booking, changing and cancelling a slot through the domain's rules.
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
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QListWidget>

using zakazivanje_upis::Ishod;

namespace {

// The day's caption stands on the group box's top line, right of its title, and ends where the
// sheet ends: nothing the page had moves or shrinks for it.
constexpr int DayCaptionRight = 1740, DayCaptionY = 20, DayCaptionHeight = 80;
constexpr int BoldWeight = 700;

void pokaziIshod(const Ishod& ishod) {
    switch (ishod.kraj) {
    case Ishod::Kraj::Obavestenje:
        w_obavestenje::obavesti(ishod.obavestenje);
        break;
    case Ishod::Kraj::Neupisano:
        MessageBox(QString(), ishod.tekstBaze);
        break;
    case Ishod::Kraj::Upisano:
        break;
    }
}

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
}

void tab_zakazivanje::ucitaj(Transaction& sqlca) {
    m_sqlca = &sqlca;
    procitajDan();
}

void tab_zakazivanje::procitajDan() {
    postaviNazivDana();
    if (!m_sqlca)
        return;
    const Rows<zakazivanje_sql::Termin> termini =
        zakazivanje_sql::terminiDana(*m_sqlca, m_izabraniDan);
    m_termini = termini.rows;

    // The sheet's own 31 rows, with each booking's text in its slot's row.
    QList<QVariantList> redovi = m_daySheet->rows()->definition().rows;
    for (const zakazivanje_sql::Termin& termin : std::as_const(m_termini)) {
        const int red = zakazivanje_prikaz::redTermina(termin.vreme);
        if (red >= 0 && red < redovi.size() && redovi[red].size() > 1)
            redovi[red][1] = zakazivanje_prikaz::opisTermina(termin);
    }
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
        reportReadFailure(termini.outcome);
}

void tab_zakazivanje::oznaciDane(CalendarDataWindow* calendar) {
    const QDate mesec = shownMonth(calendar);
    if (!m_sqlca || !calendar || !mesec.isValid())
        return;
    const Rows<QDate> dani =
        zakazivanje_sql::zauzetiDani(*m_sqlca, mesec, calendar::endofmonth(mesec));
    QStringList komande;
    for (int cell = 1; cell <= calendar::CellCount; ++cell) {
        const int dan = calendar->getItemNumber(1, cell);
        const bool zauzet = dan > 0 && dani.rows.contains(RelativeDate(mesec, dan - 1));
        komande << QStringLiteral("#%1.font.weight=%2")
                       .arg(cell)
                       .arg(zauzet ? BoldWeight : CalendarModel::NormalWeight);
    }
    calendar->modify(komande.join(QLatin1Char(' ')));
}

const zakazivanje_sql::Termin* tab_zakazivanje::terminU(int red) const {
    for (const zakazivanje_sql::Termin& termin : m_termini)
        if (zakazivanje_prikaz::redTermina(termin.vreme) == red - 1)
            return &termin;
    return nullptr;
}

void tab_zakazivanje::zakaziRed(int red) {
    if (!m_sqlca || red < 1 || red > zakazivanje_prikaz::BrojTermina)
        return;
    const QDate dan = m_izabraniDan;
    const QTime vreme = zakazivanje_prikaz::vremeReda(red - 1);
    const zakazivanje_sql::Termin* postojeci = terminU(red);
    // Copied before the dialog, which may re-read the day under the pointer; a flag and an int
    // because GCC's optimiser wrongly warned that a std::optional<int> here was uninitialised.
    const bool izmena = postojeci != nullptr;
    const int rbr = izmena ? postojeci->rbr : 0;
    TerminUnos unos;
    if (postojeci)
        unos = TerminUnos{postojeci->rbrAdresar, postojeci->opis};

    if (zakazivanje_upis::uProslosti(dan, vreme, QDateTime(Today(), QTime::currentTime())) &&
        !w_da_ne::pitaj(zakazivanje_upis::pitanjeZaProslost()))
        return;
    const Rows<zakazivanje_sql::Pacijent> pacijenti = zakazivanje_sql::pacijenti(*m_sqlca);
    if (pacijenti.failed()) {
        reportReadFailure(pacijenti.outcome);
        return;
    }
    const QString naslov = QStringLiteral("%1, %2").arg(zakazivanje_prikaz::nazivDana(dan),
                                                        vreme.toString(QStringLiteral("HH:mm")));
    message().stringparm.clear();
    Open<w_zakazivanje_termin>(naslov, pacijenti.rows, unos, window());
    if (message().stringparm != QLatin1String("DA"))
        return;
    pokaziIshod(izmena
                    ? zakazivanje_upis::izmeni(*m_sqlca, rbr, unos.rbrAdresar, unos.opis)
                    : zakazivanje_upis::zakazi(*m_sqlca, dan, vreme, unos.rbrAdresar, unos.opis));
    procitajDan();
}

void tab_zakazivanje::otkaziRed(int red) {
    const zakazivanje_sql::Termin* postojeci = terminU(red);
    if (!m_sqlca || !postojeci)
        return;
    const int rbr = postojeci->rbr;
    if (!w_da_ne::pitaj(zakazivanje_upis::pitanjeZaBrisanje()))
        return;
    pokaziIshod(zakazivanje_upis::otkazi(*m_sqlca, rbr));
    procitajDan();
}

void tab_zakazivanje::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming back to the page shows what other desks booked meanwhile.
    if (m_sqlca && !event->spontaneous())
        procitajDan();
}

bool tab_zakazivanje::eventFilter(QObject* watched, QEvent* event) {
    // Enter books the current slot and Delete cancels its booking, without the mouse.
    if (watched == m_daySheet && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            zakaziRed(m_daySheet->getRow());
            return true;
        }
        if (key == Qt::Key_Delete) {
            otkaziRed(m_daySheet->getRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
