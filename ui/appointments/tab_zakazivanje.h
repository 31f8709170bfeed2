#pragma once

#include <QDate>
#include <QWidget>

class CalendarDataWindow;
class ListDataWindow;
class QGroupBox;
class QListWidget;
class StaticText;

// The ZAKAZIVANJE page: a fixed half-hour day sheet beside two Sunday-first month calendars that
// browse the months and frame a picked day. Nothing on it reads or writes the database.
//
// The page holds the calendars' state: the held date (dcaldate) and the framed cell (icalhilite),
// which the main window offers under those names.
class tab_zakazivanje : public QWidget {
    Q_OBJECT

public:
    explicit tab_zakazivanje(QWidget* parent = nullptr);

    QDate dcaldate() const { return m_dcaldate; }
    qint16 icalhilite() const { return m_icalhilite; }

    // Writes the month of the held date into the calendar, then frames the held date's cell when
    // a frame is being tracked. The calendar is repainted once.
    void showmonth(CalendarDataWindow* dwc_calendar);
    // Takes the frame off cell icalhilite of this calendar and frames the held date's cell.
    void highlight(CalendarDataWindow* dwc_calendar);

    CalendarDataWindow* dw_calendar_1() const { return m_calendar1; }
    CalendarDataWindow* dw_calendar_2() const { return m_calendar2; }

private:
    void build();
    void arrange();
    void previousMonth();
    void nextMonth();
    void pickDay(CalendarDataWindow* calendar);
    void dayDoubleClicked();
    QDate shownMonth(const CalendarDataWindow* calendar) const;

    QDate m_dcaldate;
    qint16 m_icalhilite = 0;
    // The first day of the month each calendar shows, so that a day clicked in the calendar that
    // does not show the held date's month picks the day under the pointer.
    QDate m_shown1;
    QDate m_shown2;

    StaticText* m_previous = nullptr;
    CalendarDataWindow* m_calendar2 = nullptr;
    CalendarDataWindow* m_calendar1 = nullptr;
    QListWidget* m_list = nullptr;
    ListDataWindow* m_daySheet = nullptr;
    StaticText* m_next = nullptr;
    StaticText* m_caption1 = nullptr;
    StaticText* m_caption2 = nullptr;
    QGroupBox* m_group = nullptr;
};
