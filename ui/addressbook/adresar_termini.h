#pragma once

#include <QObject>

class tab_adresar;

// "TERMINI" in the editor bar's second row, left of the status filter (and Ctrl+T on the page):
// asks for the bookings of the entry the form shows. Not in the page's tab order.
class adresar_termini : public QObject {
    Q_OBJECT

public:
    explicit adresar_termini(tab_adresar* page);

signals:
    // rbr is the entry in the form; 0 when the form shows none.
    void terminiPacijenta(int rbr);
};
