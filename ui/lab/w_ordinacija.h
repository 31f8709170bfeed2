#pragma once

#include "runtime/widgets/window.h"

class QLineEdit;
class Transaction;

// The practice's details that head every printed report and bill: name, address and telephone.
// Modal; "Sačuvaj" writes them at the version read (another desk's save in between is told),
// "Odustani" (or Escape) leaves them as they were.
class w_ordinacija : public Window {
    Q_OBJECT

public:
    w_ordinacija(Transaction& sqlca, QWidget* parent = nullptr);

    // Reads the details and opens the window; returns once it is closed.
    static void otvori(Transaction& sqlca, QWidget* parent);

    bool sacuvaj();

private:
    Transaction& m_sqlca;
    int m_verzija = 0;
    QLineEdit* m_naziv;
    QLineEdit* m_adresa;
    QLineEdit* m_telefon;
};
