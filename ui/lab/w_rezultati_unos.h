#pragma once

#include "domain/lab/rezultat_upis.h"
#include "runtime/widgets/window.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class Transaction;

// The results of one laboratory order: a line per analysis of the order with its name, the value
// (a number with a decimal comma or point, or words such as "negativan"), the unit, the reference
// range for the patient's sex and the mark of a number outside it, updated as the value is typed.
// An analysis of any group of the catalogue can be added for its result (biochemistry and urine
// have no order window). Modal; "Sačuvaj" writes every result of the order in one unit of work at
// the version read, and closing with unsaved values asks first.
class w_rezultati_unos : public Window {
    Q_OBJECT

public:
    w_rezultati_unos(Transaction& sqlca, const rezultat_upis::Nalog& nalog,
                     QWidget* parent = nullptr);

    // Reads order rbrNaloga and opens its window; returns once it is closed. A failed read is
    // reported and nothing opens.
    static void otvori(Transaction& sqlca, int rbrNaloga, QWidget* parent);

    bool closequery() override;

    // "Sačuvaj"; true when the results were written.
    bool sacuvaj();
    // "Dodaj analizu": the analysis picked in the two lists; false when the order has it already.
    bool dodajAnalizu();
    bool imaIzmena() const;

    const QList<rezultat_upis::Linija>& linije() const { return m_linije; }

private:
    void prikazi(const rezultat_upis::Nalog& nalog);
    void dodajRed(const rezultat_upis::Linija& linija);
    void osveziRed(int red);
    void promenjenaVrednost(int red, int kolona);
    void popuniAnalize();

    Transaction& m_sqlca;
    rezultat_upis::Nalog m_nalog;
    QList<rezultat_upis::Linija> m_linije;
    QList<rezultat_upis::Linija> m_osnova;
    QLabel* m_naslov;
    QTableWidget* m_tabela;
    QComboBox* m_grupa;
    QComboBox* m_analiza;
    QPushButton* m_dodaj;
    QPushButton* m_sacuvaj;
    bool m_puni = false; // the table is being filled by the program
};
