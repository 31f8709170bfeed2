#include "ui/appointments/tab_zakazivanje.h"

#include "domain/appointments/calendar_rules.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/dates.h"
#include "runtime/widgets/beep.h"
#include "runtime/widgets/calendar_data_window.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/static_text.h"
#include "runtime/widgets/units.h"
#include "ui/appointments/tab_zakazivanje_names.h"

#include <QGroupBox>
#include <QListWidget>

#include <utility>

namespace {

// Layout in window units: the day sheet in the left half of the group box, the two calendars
// side by side in the right half with their captions and arrows above, the list box below them.
constexpr int GroupX = 40, GroupY = 20, GroupWidth = 3550, GroupHeight = 2080;
constexpr int SheetX = 100, SheetY = 110, SheetWidth = 1640, SheetHeight = 1940;
constexpr int Calendar1X = 1830, Calendar2X = 2710, CalendarWidth = 820;
constexpr int CaptionY = 110, CaptionHeight = 110;
constexpr int CalendarY = 240, CalendarHeight = 700;
constexpr int ArrowWidth = 140;
constexpr int ListY = 1000, ListHeight = 1050;

// The arrows are drawn from the font's own glyphs: U+21E6 and U+21E8, white arrows.
const QString LeftArrow = QStringLiteral("\u21E6");
const QString RightArrow = QStringLiteral("\u21E8");

StaticText* makeArrow(const QString& name, const QString& glyph, QWidget* parent) {
    auto* arrow = new StaticText(name, glyph, parent);
    setScreenFont(arrow, ScreenFont::Arial16Bold);
    arrow->setAlignment(Qt::AlignCenter);
    arrow->setCursor(Qt::PointingHandCursor);
    return arrow;
}

StaticText* makeCaption(const QString& name, const QString& text, QWidget* parent) {
    auto* caption = new StaticText(name, text, parent);
    setScreenFont(caption, ScreenFont::Arial11);
    caption->setAlignment(Qt::AlignCenter);
    caption->setEnabled(false);
    return caption;
}

} // namespace

tab_zakazivanje::tab_zakazivanje(QWidget* parent) : tab_zakazivanje(BuildLater(), parent) {
    napravi();
}

tab_zakazivanje::tab_zakazivanje(BuildLater, QWidget* parent) : QWidget(parent), m_danas(Today()) {
    setObjectName(QStringLiteral("tab_zakazivanje"));
    setProperty("tag", QStringLiteral("Zakazivanje bolidima"));
}

void tab_zakazivanje::napravi() {
    build();
    arrange();
    napraviZakazivanje();
    napraviLekare();
    napraviKomande();

    // The calendars start on this month (today framed) and the next one (no frame); the held date
    // is then the first day of next month.
    m_dcaldate = m_danas;
    m_icalhilite = 1;
    m_calendar1->clearRows();
    m_calendar1->insertRow(0);
    showmonth(m_calendar1);
    m_dcaldate = RelativeDate(calendar::endofmonth(m_dcaldate), 1);
    m_icalhilite = 0;
    m_calendar2->clearRows();
    m_calendar2->insertRow(0);
    showmonth(m_calendar2);
    nameAppointmentControls(this);
}

void tab_zakazivanje::build() {
    // Creation order is the page's control order.
    m_previous = makeArrow(QStringLiteral("st_4"), LeftArrow, this);
    m_calendar2 = new CalendarDataWindow(QStringLiteral("dw_calendar_2"), this);
    m_calendar1 = new CalendarDataWindow(QStringLiteral("dw_calendar_1"), this);
    for (CalendarDataWindow* calendar : {m_calendar1, m_calendar2})
        setScreenFont(calendar, ScreenFont::Arial9);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lb_1"));
    setScreenFont(m_list, ScreenFont::Arial9);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_daySheet = new ListDataWindow(QStringLiteral("dw_zakazivanje"), this);
    setScreenFont(m_daySheet, ScreenFont::Arial10);
    // The sheet shows the rows stored with its definition and is never retrieved.
    m_daySheet->setDataObject(QStringLiteral("dw_zakazivanje"));

    m_next = makeArrow(QStringLiteral("st_2"), RightArrow, this);
    m_caption1 = makeCaption(QStringLiteral("st_cal_1"), QStringLiteral("Jun 2000"), this);
    m_caption2 = makeCaption(QStringLiteral("st_cal_2"), QStringLiteral("Jul 2000"), this);

    m_group = new QGroupBox(QStringLiteral("Zakazivanje pregleda"), this);
    m_group->setObjectName(QStringLiteral("gb_1"));
    setScreenFont(m_group, ScreenFont::Arial9);

    connect(m_previous, &StaticText::clicked, this, &tab_zakazivanje::previousMonth);
    connect(m_next, &StaticText::clicked, this, &tab_zakazivanje::nextMonth);
    for (CalendarDataWindow* calendar : {m_calendar1, m_calendar2}) {
        connect(calendar, &CalendarDataWindow::clicked, this,
                [this, calendar] { pickDay(calendar); });
        connect(calendar, &CalendarDataWindow::doubleClicked, this,
                &tab_zakazivanje::dayDoubleClicked);
    }
    // The day sheet comes first in the tab order, the list box after it; the calendars take the
    // keyboard only when clicked.
    setTabOrder(m_daySheet, m_list);
}

void tab_zakazivanje::arrange() {
    placeInUnits(m_group, GroupX, GroupY, GroupWidth, GroupHeight);
    m_group->lower();
    placeInUnits(m_daySheet, SheetX, SheetY, SheetWidth, SheetHeight);
    placeInUnits(m_previous, Calendar1X, CaptionY, ArrowWidth, CaptionHeight);
    placeInUnits(m_caption1, Calendar1X + ArrowWidth, CaptionY, CalendarWidth - 2 * ArrowWidth,
                 CaptionHeight);
    placeInUnits(m_caption2, Calendar2X + ArrowWidth, CaptionY, CalendarWidth - 2 * ArrowWidth,
                 CaptionHeight);
    placeInUnits(m_next, Calendar2X + CalendarWidth - ArrowWidth, CaptionY, ArrowWidth,
                 CaptionHeight);
    placeInUnits(m_calendar1, Calendar1X, CalendarY, CalendarWidth, CalendarHeight);
    placeInUnits(m_calendar2, Calendar2X, CalendarY, CalendarWidth, CalendarHeight);
    placeInUnits(m_list, Calendar1X, ListY, Calendar2X + CalendarWidth - Calendar1X, ListHeight);
}

QDate tab_zakazivanje::shownMonth(const CalendarDataWindow* calendar) const {
    return calendar == m_calendar1 ? m_shown1 : m_shown2;
}

void tab_zakazivanje::showmonth(CalendarDataWindow* dwc_calendar) {
    if (!dwc_calendar)
        return;
    dwc_calendar->setRedraw(false);
    const auto cells = calendar::monthCells(m_dcaldate);
    for (int i = 1; i <= calendar::CellCount; ++i)
        dwc_calendar->setItem(1, i, cells[i - 1]);
    if (m_icalhilite > 0)
        highlight(dwc_calendar);
    dwc_calendar->setRedraw(true);

    // Each calendar remembers its month, and its caption names it.
    const QDate month = calendar::startofmonth(m_dcaldate);
    if (dwc_calendar == m_calendar1) {
        m_shown1 = month;
        m_caption1->setText(calendar::monthCaption(month));
    } else if (dwc_calendar == m_calendar2) {
        m_shown2 = month;
        m_caption2->setText(calendar::monthCaption(month));
    }
    // A screen reader names the calendar by its month and reads each day as a full date.
    dwc_calendar->setAccessibleName(calendar::monthCaption(month));
    dwc_calendar->calendarModel()->setSpokenMonth(calendar::monthCaption(month).toLower());
    oznaciDane(dwc_calendar);
}

void tab_zakazivanje::highlight(CalendarDataWindow* dwc_calendar) {
    if (!dwc_calendar)
        return;
    // With no frame tracked (0) the clearing command names no cell and changes nothing.
    dwc_calendar->modify(QStringLiteral("#%1.border=0").arg(m_icalhilite));
    m_icalhilite = qint16(calendar::dayCell(m_dcaldate));
    dwc_calendar->modify(QStringLiteral("#%1.border=5").arg(m_icalhilite));
}

void tab_zakazivanje::previousMonth() {
    m_dcaldate = RelativeDate(calendar::startofmonth(m_dcaldate), -1);
    showmonth(m_calendar1);
}

void tab_zakazivanje::nextMonth() {
    m_dcaldate = RelativeDate(calendar::endofmonth(m_dcaldate), 1);
    showmonth(m_calendar2);
}

void tab_zakazivanje::pickDay(CalendarDataWindow* calendar) {
    const bool tastatura = std::exchange(m_enterUKalendaru, false);
    const int icol = calendar->getClickedColumn();
    if (icol == 0)
        return;
    const int iday = calendar->getItemNumber(1, icol);
    if (iday == 0)
        return;
    // Day iday of the month this calendar shows. For the calendar that shows the held date's
    // month that is day iday of the held date's own month; for the other one it is the day under
    // the pointer, where the held date's month would put the frame on some other cell.
    m_dcaldate = RelativeDate(shownMonth(calendar), iday - 1);
    highlight(calendar);
    m_izabraniDan = m_dcaldate;
    procitajDan();
    if (tastatura)
        m_daySheet->setFocus();
}

void tab_zakazivanje::dayDoubleClicked() {
    // A double click only beeps, on a day or not; what the click before it did stands.
    Beep(1);
}
