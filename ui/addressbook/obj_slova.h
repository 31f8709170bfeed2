#pragma once

#include "domain/addressbook/adresar_sql.h"

#include <QList>
#include <QString>
#include <QWidget>

class DropDownPictureList;
class QPushButton;
class Transaction;
class tab_adresar;

// The editor bar at the top of the ADRESAR page (placed there as `uo_slova`): a button per letter
// of the Serbian Latin alphabet and " SVI " to filter the list by surname, a status filter, and
// "NOVI", "SAČUVAJ" and "OBRIŠI" for the entry in the page's form.
class obj_slova : public QWidget {
    Q_OBJECT

public:
    struct Slovo {
        const char* control;
        const char* caption;
    };
    // The 30 letter buttons in their order on screen, left to right.
    static const QList<Slovo>& slova();

    obj_slova(Transaction& sqlca, tab_adresar* page, QWidget* parent = nullptr);

    // Fills the status filter from the statuses the page has read: "Svi", then each status.
    void napraviStatusFilter(const Rows<adresar_sql::Status>& statusi);

    // Clears the page's form for a new entry.
    void obrisipolja();
    // The handlers of "SAČUVAJ" and "OBRIŠI". The save also runs when the page's question about
    // unsaved edits is answered "DA".
    void sacuvaj();
    void obrisi();

    // The status filter: "%" for every status, or one status name.
    QString gruupa;

    QPushButton* cb_obrisi = nullptr;
    QPushButton* cb_sacuvaj = nullptr;
    QPushButton* cb_novi = nullptr;
    QPushButton* cb_svi = nullptr;
    DropDownPictureList* ddplb_status = nullptr;

signals:
    // A letter button or " SVI ": list the surnames beginning with slovo under the status filter.
    void filter(const QString& slovo, const QString& gruupa);

private:
    void napraviDugmad();
    void izabranFilter(int index);
    void filtriraj(const QString& slovo);

    Transaction& m_sqlca;
    tab_adresar* m_page;
    QList<QPushButton*> m_slova; // left to right
};
