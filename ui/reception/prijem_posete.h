#pragma once

#include "domain/reception/poseta_sql.h"

#include <QList>
#include <QObject>

#include <optional>

class QComboBox;
class FoldingCompleter;
class QPushButton;
class QEvent;
class QTabWidget;
class QWidget;
class Transaction;

// The visits kept at reception: "Nova poseta", "Sačuvaj posetu" and the patient's visit list
// ddlb_posete, placed beside the main tab bar's labels while PRIJEM is open, so that no control of
// the form moves. It remembers which stored visit the form shows (and the version it was read at)
// and which address-book entry it belongs to, and asks the save question before anything would
// replace unsaved edits. Nothing here runs a statement until the desk uses one of these commands,
// types a full identity number or looks up a surname. It knows the form only as the widget whose
// fields it keeps (polja_forme walks them), not the page that holds it: the page asks it, never
// the other way round.
class prijem_posete : public QObject {
    Q_OBJECT

public:
    // The visits of the form forma (its parent), saved and read on sqlca; the commands go beside
    // tabMain's labels.
    prijem_posete(QWidget* forma, QTabWidget* tabMain, Transaction& sqlca);

    // "Nova poseta": after the save question, a new visit for the same patient (the patient's
    // header stays, every other field is emptied).
    bool novaPoseta();
    // "Sačuvaj posetu"; true when the visit was written.
    bool sacuvajPosetu();
    // Opens stored visit rbr in the form after the save question; false when the desk stayed or the
    // visit could not be read.
    bool otvoriPosetu(int rbrPoseta);
    // The save question when the form holds unsaved edits: true when the caller may go on (no
    // edits, "NE", or "DA" and the save succeeded).
    bool pitajZaIzmene();
    // Whether the form differs from what was last loaded, saved or started.
    bool imaIzmena() const;
    // The same for the visit's own fields, the patient's header left out.
    bool imaIzmenaPosete() const;
    // "Istorija izmena": the open visit's earlier values, newest first.
    void pokaziIstoriju();

    std::optional<int> rbrPosete() const { return m_rbr; }
    std::optional<int> rbrPacijenta() const { return m_rbrAdresar; }
    // The commands' holder beside the main tab labels.
    QWidget* komande() const { return m_komande; }
    // cb_nova_poseta, cb_sacuvaj_posetu, ddlb_posete or cb_istorija_izmena.
    QWidget* komanda(const QString& ime) const;

protected:
    bool eventFilter(QObject* objekat, QEvent* dogadjaj) override;

private:
    void napraviKomande(QTabWidget* tabMain);
    void postaviRed();
    void prilagodiSpisak();
    void novaPosetaKomanda();
    void sacuvajPosetuKomanda();
    void mbPromenjen(const QString& mb);
    void imeKucano();
    void prezimeKucano();
    void prezimeIzabrano(int rbrAdresar);
    void postaviPacijenta(const poseta_sql::Pacijent& pacijent);
    // Whether header field ime no longer names the patient the visit belongs to.
    bool pacijentPromenjen(const char* ime);
    void vratiTekst(const char* ime);
    // Another patient (none: one the address book does not hold yet) for the form: the open visit
    // is saved for its own patient or given up first, then a new empty visit starts. False when
    // the save failed and the form stays as it was.
    bool promeniPacijenta(const std::optional<poseta_sql::Pacijent>& novi);
    // Empties every field but the given ones: a new visit, none stored yet.
    void isprazniPosetu(const QList<poseta_sql::Polje>& pacijent);
    // The save of the form's fields polja (the header's values included).
    bool sacuvaj(QList<poseta_sql::Polje> polja);
    // The address-book entry of a patient typed by hand, looked up afresh: by identity number,
    // else among similar entries the desk picks from. noviUnos: the desk chose to add one.
    std::optional<int> nadjiPacijenta(const QList<poseta_sql::Polje>& polja, bool& noviUnos);
    void osveziSpisak();
    void izabranaStavka(int index);
    void zapamtiOsnovu();
    QString tekst(const char* ime) const;
    void postaviTekst(const char* ime, const QString& tekst);

    QWidget* m_page; // the form
    Transaction& m_sqlca;
    QWidget* m_komande = nullptr;
    QWidget* m_spisakRed = nullptr; // the visit list and its history, below the inner pages
    QTabWidget* m_tabMain = nullptr;
    QComboBox* m_spisak = nullptr;
    QPushButton* m_istorija = nullptr;
    FoldingCompleter* m_completer = nullptr;
    bool m_pacijentiProcitani = false;
    std::optional<int> m_rbr;
    int m_verzija = 0;
    std::optional<int> m_rbrAdresar;
    std::optional<int> m_pacijentPosete; // the patient of the stored visit m_rbr
    QList<poseta_sql::Polje> m_osnova;
};
