#pragma once

#include "runtime/widgets/window.h"

#include <QDate>

class CalendarDataWindow;
class QTabWidget;
class Transaction;
class tab_prijem;
class tab_adresar;
class tab_zakazivanje;
class tab_lab_analize;
class tab_pretrazivanje;

// The main window "MAB": one tab control with the program's five pages. It is also the shared
// module; its functions are thin and hand the work to the page that owns the controls. It is made
// with the program's connection and hands it to the pages that read or write.
class mab_la : public Window {
    Q_OBJECT

public:
    explicit mab_la(Transaction& sqlca, QWidget* parent = nullptr);

    void openEvent() override;
    // Closing asks first when PRIJEM holds a visit's unsaved edits.
    bool closequery() override;

    // Shared window functions, in declaration order.
    void highlight(CalendarDataWindow* dwc_calendar);
    void showmonth(CalendarDataWindow* dwc_calendar);
    QDate startofmonth(const QDate& pdate) const;
    QDate endofmonth(const QDate& pdate) const;
    void pokupi_ljude(const QString& slovo, const QString& statt);
    void svega_za_naplatu();
    int popunipodatke(const QString& mmbr);
    void centriraj_prozor(QWidget* prozor); // the runtime's centreOnScreen
    int promenjeno();
    // Shows the address-book entry rbr on its page, as a click in the page's list would.
    void otvoriUnos(int rbr);
    // Shows stored visit rbrPoseta on PRIJEM, after the save question for the visit there.
    bool otvoriPosetu(int rbrPoseta);
    // The bookings of address-book entry rbrAdresar; a line opened shows its day on ZAKAZIVANJE.
    void terminiPacijenta(int rbrAdresar);

    // The address book's changed flag and the calendars' held date and framed cell, kept by the
    // pages that use them.
    bool menjano() const;
    void setMenjano(bool menjano);
    QDate dcaldate() const;
    qint16 icalhilite() const;

    // The pages, each built (with every control) before it is handed out.
    QTabWidget* tabMain() const { return m_tabMain; }
    tab_prijem* prijem() const;
    tab_adresar* adresar() const;
    tab_zakazivanje* zakazivanje() const;
    tab_lab_analize* labAnalize() const;
    tab_pretrazivanje* pretrazivanje() const;

private:
    QTabWidget* m_tabMain = nullptr;
    tab_prijem* m_prijem = nullptr;
    tab_adresar* m_adresar = nullptr;
    tab_zakazivanje* m_zakazivanje = nullptr;
    tab_lab_analize* m_labAnalize = nullptr;
    tab_pretrazivanje* m_pretrazivanje = nullptr;
};
