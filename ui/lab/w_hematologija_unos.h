#pragma once

#include "domain/lab/nalazi_sql.h"
#include "domain/lab/nalog_sql.h"
#include "runtime/widgets/window.h"

#include <QList>
#include <QPointer>

class obj_hemanaliza_cena;
class obj_hemanaliza_unos;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class Transaction;

// What "Prihvati" accepted, for keeping the order: the checked analyses with their catalogue keys
// and prices, the total before the discount, and the discount as the list showed it.
struct PrihvacenNalog {
    QList<nalog_sql::Stavka> stavke;
    Decimal ukupnaCena;
    QString popust;
};

// The hematology order window: one line per analysis of the catalogue (ordinary analyses on the
// left, the leukocyte formula on the right), four selection buttons and the price panel. It opens
// without blocking its caller and closes only through the price panel's "Prihvati".
//
// Its lines live in its line array `uoo`, indexed from 1 as the program has always counted them:
// element 0 is kept empty, and `uoo_broj` tells how many lines follow it.
class w_hematologija_unos : public Window {
    Q_OBJECT

public:
    // Position of the k-th line of a column (k from 1), in window units inside the line area.
    static constexpr int LeftColumnX = 100;
    static constexpr int RightColumnX = 1800;
    static constexpr int lineY(int k) { return 100 * k + 100; }

    // The window reads the catalogue on sqlca when it opens.
    explicit w_hematologija_unos(Transaction& sqlca, QWidget* parent = nullptr);

    void openEvent() override;
    bool closequery() override;

    // Sums the checked lines of this window and hands the sum to the price panel.
    void sracunaj_cenu();

    // Checks the lines of these analyses (by catalogue key) and picks the discount, as a stored
    // order holds them; the price is recomputed.
    void oznaciNalog(const QList<nalog_sql::Stavka>& stavke, const QString& popust);
    // The order as it stands: the checked lines, the total and the discount.
    PrihvacenNalog nalog() const;

    // The lines, from index 1 (element 0 stays empty), and how many there are.
    QList<QPointer<obj_hemanaliza_unos>> uoo;
    qint16 uoo_broj = 0;
    // While it is not true, the window refuses to close: the price panel's "Prihvati" sets it.
    bool zatvori = false;
    // Index in uoo of the first leukocyte-formula line; 0 while that part has not been loaded.
    qint16 pocetak_leukocita = 0;

    obj_hemanaliza_cena* uo_cena() const { return m_cena; }
    // The line at index (1 .. uoo_broj), else null.
    obj_hemanaliza_unos* linija(int index) const;
    // The area the lines are opened in (their positions are relative to it).
    QWidget* linije() const { return m_linije; }

signals:
    // "Prihvati", right before the window closes: the order it accepted.
    void prihvacenNalog(const PrihvacenNalog& nalog);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void dodaj_liniju(const nalaz& analiza, int x, int y);
    void oznaci(int prva, bool (*novoStanje)(bool));
    void poredaj_fokus();

    Transaction& m_sqlca;
    QPushButton* m_inverzno;
    QPushButton* m_leukocit;
    QPushButton* m_deselektSve;
    QPushButton* m_selektSve;
    QLabel* m_naslovLeukocita;
    obj_hemanaliza_cena* m_cena;
    QGroupBox* m_okvir;
    QScrollArea* m_pregled;
    QWidget* m_linije;
    QList<nalaz> m_analize; // the catalogue row of each line, uoo[i] at i - 1
};
