#pragma once

#include "domain/lab/nalog_sql.h"
#include "ui/lab/prijem_pacijent.h"
#include "ui/lab/tab_lab_analize.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class CommandButton;
class QComboBox;
class QTabWidget;
class QWidget;
class Transaction;
class pacijent_birac;
class w_hematologija_unos;
struct PrihvacenNalog;

// The laboratory's orders kept. "Sačuvaj nalog", "Rezultati" and "Štampaj" stand beside the main
// tab bar's labels while the laboratory page is open; the patient (ddlb_lab_pacijent) and the
// patient's orders (ddlb_nalozi) stand in the empty strip below the page's groups, with "Nov nalog"
// and "Otkaži nalog" beside the orders while a stored order is shown. No control of the page moves.
// Nothing here runs a statement until the desk uses one of these commands or the patient changes,
// and the page's figures are never touched unless the desk opens an order or starts a new one.
class nalog_komande : public QObject {
    Q_OBJECT

public:
    nalog_komande(tab_lab_analize* page, QTabWidget* tabMain, Transaction& sqlca,
                  std::function<PrijemPacijent()> prijem);

    // "Sačuvaj nalog"; true when the order was written.
    bool sacuvajNalog();
    // Shows stored order rbr on the page after the save question; false when the desk stayed or it
    // could not be read.
    bool otvoriNalog(int rbr);
    // "Nov nalog": after the save question, an empty order for the same patient.
    bool novNalog();
    // "Otkaži nalog": after a question, the stored order shown is marked cancelled.
    bool otkaziNalog();
    // "Rezultati": the results window of the order (saved first, when the desk agrees).
    void rezultati();
    // "Štampaj": the report or the bill of the order (saved first, when the desk agrees).
    void stampaj();
    // The save question when the order shown differs from what was last loaded or saved: true
    // when the caller may go on.
    bool pitajZaIzmene();
    // Only for a stored order: the question asked before the program closes.
    bool pitajPreZatvaranja();
    bool imaIzmena() const;
    // Takes reception's patient and visit, unless the desk has chosen its own or an order is shown.
    void preuzmiSaPrijema();

    std::optional<int> rbrNaloga() const { return m_rbr; }
    std::optional<int> rbrPacijenta() const { return m_rbrAdresar; }
    std::optional<int> rbrPosete() const { return m_rbrPoseta; }
    QList<nalog_sql::Stavka> stavke() const { return m_stanje.stavke; }
    // The commands' holder beside the main tab labels, and the strip on the page.
    QWidget* komande() const { return m_komande; }
    QWidget* traka() const { return m_traka; }
    // A command or field by name: ddlb_lab_pacijent, cb_sacuvaj_nalog, ddlb_nalozi, cb_rezultati,
    // cb_stampaj, cb_nov_nalog, cb_otkazi_nalog.
    QWidget* komanda(const QString& ime) const;

private:
    // What saving writes besides the patient: the figures, the discount and the lines.
    struct Stanje {
        tab_lab_analize::Iznosi iznosi;
        QString popust;
        std::optional<Decimal> cenaHem;
        QList<nalog_sql::Stavka> stavke;

        bool operator==(const Stanje&) const;
    };

    void napraviKomande(QTabWidget* tabMain);
    void napraviTraku();
    void straniPrikazana(bool prikazana);
    Stanje trenutno() const;
    void zapamtiOsnovu();
    void prihvacenaHematologija(const PrihvacenNalog& nalog);
    void otvorenaHematologija(w_hematologija_unos* window);
    void izabranPacijent(int rbr);
    void izabranaStavka(int index);
    void osveziSpisak();
    void osveziTraku();
    void ocisti();
    // A stored order to work on: the one shown, saved first when it differs; none when the desk
    // declined or the save failed.
    std::optional<int> sacuvanNalog();

    tab_lab_analize* m_page;
    Transaction& m_sqlca;
    std::function<PrijemPacijent()> m_prijem;
    QTabWidget* m_tabMain = nullptr;
    QWidget* m_komande = nullptr;
    QWidget* m_prethodne = nullptr; // the corner's commands of the page shown before
    pacijent_birac* m_pacijent = nullptr;
    CommandButton* m_sacuvaj = nullptr;
    QComboBox* m_spisak = nullptr;
    CommandButton* m_rezultati = nullptr;
    CommandButton* m_stampaj = nullptr;
    QWidget* m_traka = nullptr;
    CommandButton* m_nov = nullptr;
    CommandButton* m_otkazi = nullptr;

    std::optional<int> m_rbr;
    int m_verzija = 0;
    bool m_otkazan = false;
    QDate m_datum;
    std::optional<int> m_rbrAdresar;
    std::optional<int> m_rbrPoseta;
    bool m_pacijentIzabran = false; // picked on this page, not taken from reception
    Stanje m_stanje;                // the lines, discount and total of the order being typed
    Stanje m_osnova;                // as last loaded, saved or started
};
