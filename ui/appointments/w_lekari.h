#pragma once

#include "domain/appointments/lekar_sql.h"
#include "runtime/widgets/window.h"

class QLineEdit;
class QListWidget;
class Transaction;

// The practice's doctors, reached from ZAKAZIVANJE: the list, a name, and "Dodaj", "Preimenuj",
// "Ukloni" and "Zatvori". Each command writes at once, in a unit of work of its own; a doctor with
// bookings and the last doctor stay. Modal.
class w_lekari : public Window {
    Q_OBJECT

public:
    w_lekari(Transaction& sqlca, QWidget* parent = nullptr);

private:
    void procitaj(int izabrati);
    void izabran();
    int izabraniRbr() const;
    void dodaj();
    void preimenuj();
    void ukloni();

    Transaction& m_sqlca;
    QListWidget* m_lista;
    QLineEdit* m_naziv;
};
