#pragma once

#include "domain/appointments/lekar_sql.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "runtime/widgets/deferred_build.h"

#include <QDate>
#include <QList>
#include <QWidget>

#include <optional>

class CalendarDataWindow;
class ListDataWindow;
class QAction;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPrinter;
class QPushButton;
class StaticText;
class Transaction;

// The ZAKAZIVANJE page: a half-hour day sheet beside two Sunday-first month calendars that browse
// the months and frame a picked day. Built without a database, the sheet shows its 31 fixed rows;
// once told to load, it shows the picked doctor's bookings of the picked day (today at first), and
// days on which that doctor has bookings show their number in bold. Beside the day's caption stand
// the doctor picker, the doctors' list and the printed day; the sheet's context menu and keys
// book, mark, move and cancel. None of these controls is in the tab order the page always had.
//
// The page holds the calendars' state: the held date (dcaldate) and the framed cell (icalhilite),
// which the main window offers under those names.
class tab_zakazivanje : public QWidget {
    Q_OBJECT

public:
    explicit tab_zakazivanje(QWidget* parent = nullptr);
    // The page alone, for the main window, which builds its controls (napravi) once. It holds
    // the day it was made on: the calendars start there however much later they are built.
    tab_zakazivanje(BuildLater, QWidget* parent = nullptr);
    void napravi();

    QDate dcaldate() const { return m_dcaldate; }
    qint16 icalhilite() const { return m_icalhilite; }

    // Writes the month of the held date into the calendar, then frames the held date's cell when
    // a frame is being tracked. The calendar is repainted once.
    void showmonth(CalendarDataWindow* dwc_calendar);
    // Takes the frame off cell icalhilite of this calendar and frames the held date's cell.
    void highlight(CalendarDataWindow* dwc_calendar);

    CalendarDataWindow* dw_calendar_1() const { return m_calendar1; }
    CalendarDataWindow* dw_calendar_2() const { return m_calendar2; }

    // From now on the page reads and writes bookings on sqlca, starting with today's.
    void ucitaj(Transaction& sqlca);
    // The day the sheet shows; picking a day in either calendar changes it.
    QDate izabraniDan() const { return m_izabraniDan; }
    // Reads the picked day again: the sheet, the list box, the caption and both calendars' bold
    // days. Picking a day and coming back to the page do this, so other desks' bookings show.
    void procitajDan();
    // Double click or Enter on sheet row red (1 .. 31): books the slot or changes its booking.
    void zakaziRed(int red);
    // Delete on sheet row red: asks, then cancels the slot's booking (it stays, marked cancelled).
    void otkaziRed(int red);
    // Marks the booking of sheet row red: came, did not come, booked again.
    void postaviStatusReda(int red, status_termina::Status status);
    // "Premesti": the booking of sheet row red waits for its new slot, which "Premesti ovde" on
    // another row, day or doctor gives it; Escape gives up.
    void premestiRed(int red);
    void premestiOvde(int red);
    std::optional<int> terminZaPremestanje() const;

    // The doctor whose day the page shows (0 before the page has read its doctors).
    int izabraniLekar() const;
    // Shows doctor rbrLekar's day dan, as if the desk had picked both, the sheet on vreme.
    void prikaziDan(int rbrLekar, const QDate& dan, const QTime& vreme = QTime());
    // "Lekari": the practice's doctors, added, renamed and removed; read again afterwards.
    void urediLekare();
    // The window of a patient's bookings; Enter on one of them shows its day here.
    void terminiPacijenta(int rbrAdresar);
    // "Štampaj dan": the picked doctor's day through the print dialog, to a printer or a PDF;
    // stampajDan(printer) prints it on a printer set up already.
    void stampajDan();
    void stampajDan(QPrinter& printer);
    // Ctrl+K: the keyboard moves into the calendar that shows the picked day, framed.
    void udjiUKalendar();

signals:
    // A patient's booking was opened from another page: the main window shows this page.
    void pokaziMe();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void arrange();
    void previousMonth();
    void nextMonth();
    void pickDay(CalendarDataWindow* calendar);
    void dayDoubleClicked();
    QDate shownMonth(const CalendarDataWindow* calendar) const;
    void napraviZakazivanje();
    void napraviLekare();
    void napraviKomande();
    void postaviNazivDana();
    void oznaciDane(CalendarDataWindow* calendar);
    const zakazivanje_sql::Termin* terminU(int red) const;
    void ucitajLekare();
    void izabranLekar(int index);
    void pokaziKomande();
    void pokaziPremestanje();
    bool tasterKalendara(CalendarDataWindow* calendar, int key);
    void pokaziDanUKalendaru(const QDate& dan);
    CalendarDataWindow* kalendarDana(const QDate& dan) const;
    QString opisPremestanja() const;

    QDate m_danas;
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
    StaticText* m_dan = nullptr;

    Transaction* m_sqlca = nullptr;
    QDate m_izabraniDan;
    QList<zakazivanje_sql::Termin> m_termini;

    QComboBox* m_lekar = nullptr;
    QPushButton* m_lekariDugme = nullptr;
    QPushButton* m_stampaj = nullptr;
    StaticText* m_premestanje = nullptr;
    QList<lekar_sql::Lekar> m_lekari;
    int m_rbrLekara = 0;
    // The booking waiting for its new slot, as it was read.
    std::optional<zakazivanje_sql::Termin> m_premesta;
    QString m_lekarPremestanja;
    // Enter in a calendar picks its framed day and hands the keyboard back to the sheet.
    bool m_enterUKalendaru = false;
    QAction* m_zakazi = nullptr;
    QAction* m_dosao = nullptr;
    QAction* m_nijeDosao = nullptr;
    QAction* m_otkazi = nullptr;
    QAction* m_ponovo = nullptr;
    QAction* m_premesti = nullptr;
    QAction* m_premestiOvde = nullptr;
    QAction* m_terminiPacijenta = nullptr;
};
