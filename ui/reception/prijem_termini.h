#pragma once

#include <QObject>

class QLineEdit;
class tab_prijem;

// The visit's patient's bookings from PRIJEM: Ctrl+T on the page, and "Termini pacijenta" in the
// context menu of the fields that name the patient. The commands beside the tab labels stay as
// they are, so that every label still shows in full.
class prijem_termini : public QObject {
    Q_OBJECT

public:
    explicit prijem_termini(tab_prijem* page);

signals:
    // rbr is the visit's patient; 0 while the form names no patient of the address book.
    void terminiPacijenta(int rbr);

private:
    void pitaj();
    void dodajUMeni(QLineEdit* polje);

    tab_prijem* m_page;
};
