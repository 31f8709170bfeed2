#pragma once

#include "domain/search/kriterijum.h"
#include "domain/search/pretraga_sql.h"
#include "runtime/widgets/window.h"

class CommandButton;
class QLabel;
class QTableWidget;
class Transaction;

// The results of a search: the entries found, a page of "Prikaži po" at a time, sorted by surname
// and first name, with the date of the newest visit that matched. Enter or a double click opens the
// entry in the address book; "Otvori posetu" opens that visit. The window reads each page when it
// is asked for, and keeps no unit of work open in between.
class w_rezultati_pretrage : public Window {
    Q_OBJECT

public:
    w_rezultati_pretrage(Transaction& sqlca, const QList<pretraga::Kriterijum>& paneli,
                         int naStrani, QWidget* parent = nullptr);

    // Reads the page that starts after `preskoci` entries; false when the read failed (the box
    // "DataBase Error!" has then been shown).
    bool prikazi(int preskoci);
    int ukupno() const { return m_ukupno; }

signals:
    void otvoriUnos(int rbr);
    void otvoriPosetu(int rbr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void otvoriIzabrani();
    void otvoriIzabranuPosetu();
    void osveziDugmad();

    Transaction& m_sqlca;
    QList<pretraga::Kriterijum> m_paneli;
    int m_naStrani;
    int m_preskoci = 0;
    int m_ukupno = 0;
    QList<pretraga_sql::Pogodak> m_pogoci;

    QLabel* m_upit = nullptr;
    QTableWidget* m_lista = nullptr;
    QLabel* m_strana = nullptr;
    CommandButton* m_prethodna = nullptr;
    CommandButton* m_sledeca = nullptr;
    CommandButton* m_posetu = nullptr;
};
