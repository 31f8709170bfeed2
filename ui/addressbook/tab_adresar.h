#pragma once

#include "domain/addressbook/adresar_sql.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <optional>

struct BuildLater;
class DropDownPictureList;
class ListDataWindow;
class MultiLineEdit;
class QGroupBox;
class QLabel;
class QRadioButton;
class SingleLineEdit;
class Transaction;
class obj_slova;

// The ADRESAR page: the editor bar, the list of matching entries and the form of one entry. It is
// built without touching the database and reads when told to (ucitaj), so it can stand alone. It
// owns the form and what goes with it (the status a save writes, the changed flag), and runs what
// the editor bar's commands ask for through the address book's domain functions.
class tab_adresar : public QWidget {
    Q_OBJECT

public:
    explicit tab_adresar(Transaction& sqlca, QWidget* parent = nullptr);
    // The page alone: its controls come with napravi(), which shows what ucitaj() read before.
    tab_adresar(Transaction& sqlca, BuildLater, QWidget* parent = nullptr);
    void napravi();

    // The page's first reads: the statuses of both status lists, then the surnames on "A". A
    // failed read is reported now, whether or not the controls stand yet.
    void ucitaj();
    // The same in two halves, so that the window can be built while the list is read: the
    // statuses at once, the list on a thread of its own; the transaction refuses every other use
    // until zavrsiUcitavanje() has waited for it.
    void pocniUcitavanje();
    void zavrsiUcitavanje();

    // Re-reads the list: surnames beginning with slovo, statuses matching statt.
    void pokupi_ljude(const QString& slovo, const QString& statt);
    // Loads the entry with key mmbr into the form.
    int popunipodatke(const QString& mmbr);
    // Offers to save the form's unsaved edits; runs the whole save on "DA".
    int promenjeno();
    // "SAČUVAJ": saves the form's entry and shows the outcome; "OBRIŠI": asks, then deletes it.
    void sacuvaj();
    void obrisi();

    // Whether the form holds edits that were not saved (the main window's changed flag).
    bool menjano() const { return m_menjano; }
    void setMenjano(bool menjano) { m_menjano = menjano; }

    // The status a save writes (the program's `rbr_status`): the first status once the statuses
    // are read, then the one picked in the form or loaded with an entry.
    qint16 rbr_status() const { return m_rbrStatus; }
    // The form's record number as it stands ("" for a new entry).
    QString rbrText() const;

    // Merges entry rbrDuplikata into the entry the form shows (the list's context menu "Spoji sa
    // unosom u formi"), after the save question and the merge question; true when merged.
    bool spoji(int rbrDuplikata);

    obj_slova* slova() const { return uo_slova; }
    ListDataWindow* lista() const { return dw_pretraga; }

private:
    struct TextField {
        SingleLineEdit* edit;
        QString AdresarUnos::*column;
    };

    AdresarUnos forma() const; // the form's texts and sex; rbr and status are set by the save
    void postaviRbr(int rbr);
    void obrisiFormu();
    // Takes an entry's row out of the list's display (after the entry was deleted).
    void ukloniIzListe(int rbr);
    void napraviKontrole();
    void napraviSpajanje();
    void poveziDogadjaje();
    void prikaziProcitano();
    void napraviStatuse(const Result<QList<adresar_sql::Status>>& statusi);
    void izabranStatus(int index);
    void kliknutRed(int row);
    void dvaputKliknutRed(int row);
    void oznaciPromenu();
    QLabel* labela(const char* name, const QString& text);
    SingleLineEdit* polje(const char* name);

    Transaction& m_sqlca;
    bool m_menjano = false;
    qint16 m_rbrStatus = 0;
    // What ucitaj() read, until the controls show it.
    Result<QList<adresar_sql::Status>> m_statusi;
    std::unique_ptr<adresar_sql::SpisakUPozadini> m_citanje;
    std::optional<Result<ResultColumns>> m_prviSpisak;

    SingleLineEdit* sle_rbr = nullptr;
    QRadioButton* rb_zenski = nullptr;
    QRadioButton* rb_muski = nullptr;
    SingleLineEdit* sle_ime1 = nullptr;
    SingleLineEdit* sle_sslovo = nullptr;
    SingleLineEdit* sle_prezime = nullptr;
    SingleLineEdit* sle_mbr = nullptr;
    DropDownPictureList* ddplb_status = nullptr;
    ListDataWindow* dw_pretraga = nullptr;
    MultiLineEdit* mle_napomena = nullptr;
    QGroupBox* gb_imeiprezime1 = nullptr;
    QGroupBox* gb_2 = nullptr;
    QGroupBox* gb_33 = nullptr;
    obj_slova* uo_slova = nullptr;

    // The form's single-line texts in the order a load fills them (ime ... p_email).
    QList<TextField> m_textFields;
};
