// The commands of the ZAKAZIVANJE page's sheet, by mouse (its context menu) and by keys: book,
// mark came or did not come, cancel, book again, move to another slot, day or doctor, a
// patient's bookings and the printed day; and the keys that pick a day without the mouse.
#include "domain/appointments/calendar_rules.h"
#include "domain/appointments/zakazivanje_prikaz.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/calendar_data_window.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/static_text.h"
#include "runtime/widgets/units.h"
#include "ui/appointments/stampa_dana.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/common/pokazi_ishod.h"
#include "ui/common/w_da_ne.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

using status_termina::Status;

namespace {

// The pending move's line stands on the group box's bottom line, inside the box, as the day's
// caption stands on its top line.
constexpr int MoveX = 100, GroupBottom = 2100, GroupRight = 3590;

QAction* komanda(QWidget* page, const QString& tekst, const QKeySequence& taster) {
    auto* action = new QAction(tekst, page);
    action->setShortcut(taster);
    // Anywhere on the page, and only there: PRIJEM's Ctrl+N stays PRIJEM's.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    page->addAction(action);
    return action;
}

} // namespace

void tab_zakazivanje::napraviKomande() {
    m_zakazi = komanda(this, QStringLiteral("Zakaži / izmeni…"), QKeySequence());
    m_zakazi->setShortcuts({Qt::Key_Return, Qt::Key_Enter});
    m_zakazi->setShortcutContext(Qt::WidgetShortcut); // Enter stays the sheet's own key
    m_dosao = komanda(this, QStringLiteral("Došao"), QKeySequence(Qt::CTRL | Qt::Key_D));
    m_nijeDosao = komanda(this, QStringLiteral("Nije došao"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_otkazi = komanda(this, QStringLiteral("Otkaži"), QKeySequence(Qt::Key_Delete));
    m_otkazi->setShortcutContext(Qt::WidgetShortcut); // Delete stays the sheet's own key
    m_ponovo = komanda(this, QStringLiteral("Ponovo zakazan"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_premesti = komanda(this, QStringLiteral("Premesti"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m_premestiOvde =
        komanda(this, QStringLiteral("Premesti ovde"), QKeySequence(Qt::CTRL | Qt::Key_V));
    m_terminiPacijenta =
        komanda(this, QStringLiteral("Termini pacijenta…"), QKeySequence(Qt::CTRL | Qt::Key_T));
    QAction* stampaj = komanda(this, QStringLiteral("Štampaj dan…"), QKeySequence::Print);
    QAction* kalendar = komanda(this, QStringLiteral("Izaberi dan u kalendaru"),
                                QKeySequence(Qt::CTRL | Qt::Key_K));
    QAction* lekar =
        komanda(this, QStringLiteral("Izaberi lekara"), QKeySequence(Qt::CTRL | Qt::Key_L));

    auto red = [this] { return m_daySheet->getRow(); };
    connect(m_zakazi, &QAction::triggered, this, [this, red] { zakaziRed(red()); });
    connect(m_dosao, &QAction::triggered, this,
            [this, red] { postaviStatusReda(red(), Status::Dosao); });
    connect(m_nijeDosao, &QAction::triggered, this,
            [this, red] { postaviStatusReda(red(), Status::NijeDosao); });
    connect(m_otkazi, &QAction::triggered, this, [this, red] { otkaziRed(red()); });
    connect(m_ponovo, &QAction::triggered, this,
            [this, red] { postaviStatusReda(red(), Status::Zakazan); });
    connect(m_premesti, &QAction::triggered, this, [this, red] { premestiRed(red()); });
    connect(m_premestiOvde, &QAction::triggered, this, [this, red] { premestiOvde(red()); });
    connect(m_terminiPacijenta, &QAction::triggered, this, [this, red] {
        const zakazivanje_sql::Termin* termin = terminU(red());
        if (termin && termin->rbrAdresar)
            terminiPacijenta(*termin->rbrAdresar);
    });
    connect(stampaj, &QAction::triggered, this, qOverload<>(&tab_zakazivanje::stampajDan));
    connect(kalendar, &QAction::triggered, this, &tab_zakazivanje::udjiUKalendar);
    connect(lekar, &QAction::triggered, this, [this] {
        m_lekar->setFocus(Qt::ShortcutFocusReason);
        m_lekar->showPopup();
    });

    m_daySheet->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_daySheet, &QWidget::customContextMenuRequested, this, [this, stampaj](QPoint at) {
        if (const QModelIndex index = m_daySheet->indexAt(at); index.isValid())
            m_daySheet->setRow(index.row() + 1);
        pokaziKomande();
        QMenu meni(this);
        meni.setObjectName(QStringLiteral("m_termin"));
        meni.addAction(m_zakazi);
        meni.addSeparator();
        meni.addActions({m_dosao, m_nijeDosao, m_otkazi, m_ponovo});
        meni.addSeparator();
        meni.addActions({m_premesti, m_premestiOvde});
        meni.addSeparator();
        meni.addActions({m_terminiPacijenta, stampaj});
        meni.exec(m_daySheet->viewport()->mapToGlobal(at));
        // The keys stay live: each command checks its slot itself.
        for (QAction* action : actions())
            action->setEnabled(true);
    });

    m_premestanje = new StaticText(QStringLiteral("st_premestanje"), QString(), this);
    setScreenFont(m_premestanje, ScreenFont::Arial9Bold);
    m_premestanje->setAutoFillBackground(true); // covers the frame line under it
    pokaziPremestanje();

    for (CalendarDataWindow* calendar : {m_calendar1, m_calendar2})
        calendar->installEventFilter(this);
}

// Which commands the slot under the sheet's current row allows, for the menu.
void tab_zakazivanje::pokaziKomande() {
    const zakazivanje_sql::Termin* termin = terminU(m_daySheet->getRow());
    const bool aktivan = termin && termin->status != Status::Otkazan;
    m_zakazi->setEnabled(m_rbrLekara > 0);
    m_dosao->setEnabled(termin && termin->status != Status::Dosao);
    m_nijeDosao->setEnabled(termin && termin->status != Status::NijeDosao);
    m_otkazi->setEnabled(aktivan);
    m_ponovo->setEnabled(termin && termin->status != Status::Zakazan);
    m_premesti->setEnabled(aktivan);
    m_premestiOvde->setEnabled(m_premesta.has_value() && !aktivan);
    m_terminiPacijenta->setEnabled(termin && termin->rbrAdresar);
}

void tab_zakazivanje::postaviStatusReda(int red, Status status) {
    const zakazivanje_sql::Termin* termin = terminU(red);
    if (!m_sqlca || !termin || termin->status == status)
        return;
    if (status == Status::Otkazan) {
        otkaziRed(red);
        return;
    }
    pokaziIshod(zakazivanje_upis::postaviStatus(*m_sqlca, termin->rbr, termin->verzija, status));
    procitajDan();
}

void tab_zakazivanje::premestiRed(int red) {
    const zakazivanje_sql::Termin* termin = terminU(red);
    if (!termin || termin->status == Status::Otkazan)
        return;
    m_premesta = *termin;
    m_lekarPremestanja = m_lekar->currentText();
    pokaziPremestanje();
}

std::optional<int> tab_zakazivanje::terminZaPremestanje() const {
    return m_premesta ? std::optional<int>(m_premesta->rbr) : std::nullopt;
}

QString tab_zakazivanje::opisPremestanja() const {
    if (!m_premesta)
        return {};
    return QStringLiteral("Premešta se: %1, %2 u %3 (%4). Izaberite novi termin i Ctrl+V; "
                          "Esc odustaje.")
        .arg(zakazivanje_prikaz::opisTermina(*m_premesta),
             zakazivanje_prikaz::nazivDana(m_premesta->datum),
             m_premesta->vreme.toString(QStringLiteral("HH:mm")), m_lekarPremestanja);
}

void tab_zakazivanje::pokaziPremestanje() {
    m_premestanje->setText(opisPremestanja());
    const int x = UnitsToPixels(MoveX, UnitDirection::Horizontal);
    const int visina = m_premestanje->fontMetrics().height() + 2;
    const int sirina =
        qMin(m_premestanje->fontMetrics().horizontalAdvance(m_premestanje->text()) + 12,
             UnitsToPixels(GroupRight, UnitDirection::Horizontal) - 2 * x);
    m_premestanje->setGeometry(x, UnitsToPixels(GroupBottom, UnitDirection::Vertical) - visina,
                               sirina, visina);
    m_premestanje->setVisible(m_premesta.has_value());
    m_premestanje->raise();
}

void tab_zakazivanje::premestiOvde(int red) {
    if (!m_sqlca || !m_premesta || m_rbrLekara == 0 || red < 1 ||
        red > zakazivanje_prikaz::BrojTermina)
        return;
    const zakazivanje_upis::Mesto cilj{m_rbrLekara, m_izabraniDan,
                                       zakazivanje_prikaz::vremeReda(red - 1)};
    if (zakazivanje_upis::uProslosti(cilj.datum, cilj.vreme,
                                     QDateTime(Today(), QTime::currentTime())) &&
        !w_da_ne::pitaj(zakazivanje_upis::pitanjeZaProslost()))
        return;
    if (zakazivanje_upis::nedelja(cilj.datum) &&
        !w_da_ne::pitaj(zakazivanje_upis::pitanjeZaNedelju()))
        return;
    const Result<Ishod> ishod =
        zakazivanje_upis::premesti(*m_sqlca, m_premesta->rbr, m_premesta->verzija, cilj);
    // A taken slot leaves the booking waiting for another one; anything else ends the move.
    if (ishod.value.obavestenje != zakazivanje_upis::zauzet())
        m_premesta.reset();
    pokaziPremestanje();
    pokaziIshod(ishod);
    procitajDan();
}

void tab_zakazivanje::udjiUKalendar() {
    pokaziDanUKalendaru(m_izabraniDan);
}

CalendarDataWindow* tab_zakazivanje::kalendarDana(const QDate& dan) const {
    const QDate mesec = calendar::startofmonth(dan);
    if (mesec == m_shown1)
        return m_calendar1;
    if (mesec == m_shown2)
        return m_calendar2;
    return nullptr;
}

void tab_zakazivanje::pokaziDanUKalendaru(const QDate& dan) {
    if (!dan.isValid())
        return;
    // The frame the keyboard moves leaves the calendar it goes out of.
    CalendarDataWindow* stari = m_icalhilite > 0 ? kalendarDana(m_dcaldate) : nullptr;
    CalendarDataWindow* novi = kalendarDana(dan);
    if (stari && stari != novi)
        stari->modify(QStringLiteral("#%1.border=0").arg(m_icalhilite));
    m_dcaldate = dan;
    if (!novi) {
        // A month that neither calendar shows: the earlier months on the left, the later on the
        // right, as the arrows show them.
        novi = dan < m_shown2 ? m_calendar1 : m_calendar2;
        showmonth(novi);
    }
    highlight(novi);
    novi->setCurrentIndex(novi->calendarModel()->indexOfCell(m_icalhilite));
    novi->setFocus(Qt::ShortcutFocusReason);
}

bool tab_zakazivanje::tasterKalendara(CalendarDataWindow* calendar, int key) {
    // From the framed day while a calendar shows it, else from the picked day.
    const QDate od = m_icalhilite > 0 && kalendarDana(m_dcaldate) ? m_dcaldate : m_izabraniDan;
    switch (key) {
    case Qt::Key_Left:
        pokaziDanUKalendaru(od.addDays(-1));
        return true;
    case Qt::Key_Right:
        pokaziDanUKalendaru(od.addDays(1));
        return true;
    case Qt::Key_Up:
        pokaziDanUKalendaru(od.addDays(-7));
        return true;
    case Qt::Key_Down:
        pokaziDanUKalendaru(od.addDays(7));
        return true;
    case Qt::Key_PageUp:
        pokaziDanUKalendaru(od.addMonths(-1));
        return true;
    case Qt::Key_PageDown:
        pokaziDanUKalendaru(od.addMonths(1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // The calendar reports the current cell as clicked; the pick then hands the keyboard back.
        m_enterUKalendaru = calendar->currentIndex().isValid();
        return false;
    case Qt::Key_Escape:
        m_daySheet->setFocus(Qt::ShortcutFocusReason);
        return true;
    default:
        return false;
    }
}

bool tab_zakazivanje::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return QWidget::eventFilter(watched, event);
    if (watched == m_calendar1 || watched == m_calendar2)
        return tasterKalendara(static_cast<CalendarDataWindow*>(watched), key->key()) ||
               QWidget::eventFilter(watched, event);
    // Enter books the current slot and Delete cancels its booking, without the mouse; Escape
    // gives up a move.
    if (watched == m_daySheet) {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            zakaziRed(m_daySheet->getRow());
            return true;
        case Qt::Key_Delete:
            otkaziRed(m_daySheet->getRow());
            return true;
        case Qt::Key_Escape:
            if (m_premesta) {
                m_premesta.reset();
                pokaziPremestanje();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void tab_zakazivanje::stampajDan() {
    if (!m_sqlca)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, window());
    dialog.setObjectName(QStringLiteral("w_stampa_dana"));
    dialog.setWindowTitle(QStringLiteral("Štampaj dan"));
    if (dialog.exec() == QDialog::Accepted)
        stampajDan(printer);
}

void tab_zakazivanje::stampajDan(QPrinter& printer) {
    // What is stored now, not what was read when the day was picked.
    procitajDan();
    stampa_dana::stampaj(printer,
                         zakazivanje_prikaz::naslovSpiska(m_lekar->currentText(), m_izabraniDan),
                         zakazivanje_prikaz::spisakDana(m_termini), Today());
}
