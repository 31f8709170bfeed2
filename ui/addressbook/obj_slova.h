#pragma once

#include "domain/addressbook/adresar_sql.h"

#include <QList>
#include <QString>
#include <QWidget>

class DropDownPictureList;
class QPushButton;

// The editor bar at the top of the ADRESAR page (placed there as `uo_slova`): a button per letter
// of the Serbian Latin alphabet and " SVI " to filter the list by surname, a status filter, and
// "NOVI", "SAČUVAJ" and "OBRIŠI" for the entry in the page's form. It owns no entry: it reports
// each command by a signal, and the page, which owns the form, does the work.
class obj_slova : public QWidget {
    Q_OBJECT

public:
    struct Slovo {
        const char* control;
        const char* caption;
    };
    // The 30 letter buttons in their order on screen, left to right.
    static const QList<Slovo>& slova();

    explicit obj_slova(QWidget* parent = nullptr);

    // Fills the status filter from the statuses the page has read: "Svi", then each status.
    void napraviStatusFilter(const Result<QList<adresar_sql::Status>>& statusi);

    // The handlers of "NOVI", "SAČUVAJ" and "OBRIŠI": each reports its command.
    void obrisipolja() { emit noviUnos(); }
    void sacuvaj() { emit sacuvajUnos(); }
    void obrisi() { emit obrisiUnos(); }

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
    // "NOVI": empty the form for a new entry.
    void noviUnos();
    // "SAČUVAJ" and "OBRIŠI": the entry the form shows.
    void sacuvajUnos();
    void obrisiUnos();

private:
    void napraviDugmad();
    void izabranFilter(int index);
    void filtriraj(const QString& slovo);

    QList<QPushButton*> m_slova; // left to right
};
