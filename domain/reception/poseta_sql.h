#pragma once

#include "runtime/core/cursor_reader.h"

#include <QDate>
#include <QString>

#include <optional>

class Transaction;

// Every statement of the reception visits (`poseta`, `poseta_polje`) and the address-book reads a
// visit needs. Each runs on the given transaction and leaves its outcome there; values are always
// bound, never written into the statement text.
namespace poseta_sql {

// One line of a patient's visit list.
struct Stavka {
    int rbr = 0;
    QDate datum;
    QString brojProtokola;
};

// A visit's own row.
struct Zaglavlje {
    int rbr = 0;
    int rbrAdresar = 0;
    QDate datum;
    QString brojProtokola;
    QString lekar;
    int verzija = 1;
};

// One field of the form: the control's name and its value exactly as the form held it.
struct Polje {
    QString polje;
    QString vrednost;

    bool operator==(const Polje&) const = default;
};

// The address-book entry a visit belongs to, as the reception header shows it.
struct Pacijent {
    int rbr = 0;
    QString ime;
    QString prezime;
    QString mbr;
    QString ulica;
    QString grad;
};

// The statement of posetePacijenta, for reading it another way (the benchmark's floor).
QString upitPosetaPacijenta();

// A patient's visits, newest first (date, then the later key), through the patient's index.
Rows<Stavka> posetePacijenta(Transaction& sqlca, int rbrAdresar);
// Visit rbr's row (no row when there is none).
Rows<Zaglavlje> zaglavlje(Transaction& sqlca, int rbr);
// Visit rbr's fields, by name.
Rows<Polje> polja(Transaction& sqlca, int rbr);
// The address-book entries with exactly this identity number.
Rows<Pacijent> pacijentPoMbr(Transaction& sqlca, const QString& mbr);
// The address-book entry rbr.
Rows<Pacijent> pacijent(Transaction& sqlca, int rbr);
// Every address-book entry by surname, first name and key (the surname completer).
Rows<Pacijent> pacijenti(Transaction& sqlca);
// Visit rbr's version; none when the visit is gone.
One<int> verzija(Transaction& sqlca, int rbr);
// How many visits name the address-book entry rbr (such an entry cannot be deleted).
One<int> brojPosetaPacijenta(Transaction& sqlca, int rbrAdresar);

// INSERT of a new visit at version 1; the database numbers it and hands the key back.
std::optional<int> unesi(Transaction& sqlca, int rbrAdresar, const QDate& datum,
                         const QString& brojProtokola, const QString& lekar);
// UPDATE of visit rbr when it is still at version verzija; raises the version. sqlnrows 0 when
// another desk saved it meanwhile or it is gone.
void izmeni(Transaction& sqlca, int rbr, int verzija, int rbrAdresar, const QDate& datum,
            const QString& brojProtokola, const QString& lekar);
void obrisiPolja(Transaction& sqlca, int rbr);
void unesiPolje(Transaction& sqlca, int rbr, const Polje& polje);
// One field of visit rbr: its new value, or gone (emptied on the form).
void izmeniPolje(Transaction& sqlca, int rbr, const Polje& polje);
void obrisiPolje(Transaction& sqlca, int rbr, const QString& polje);

// An address-book entry that may be the patient typed by hand, with the date of its newest visit.
struct SlicanPacijent {
    int rbr = 0;
    QString prezime;
    QString ime;
    QString mbr;
    QString grad;
    QDate poslednjaPoseta; // invalid when the entry has no visit
};
// The entries whose folded surname is prezime and whose folded first name is ime or, when rodjen
// is given, whose identity number gives that birth date. Both names come folded for comparison
// (pretraga::zaPoredjenje), so "Djuric", "Đurić" and "Duric" name the same entries.
Rows<SlicanPacijent> slicniPacijenti(Transaction& sqlca, const QString& prezime, const QString& ime,
                                     const std::optional<QDate>& rodjen);
// The year of the oldest stored visit; none when no visit is stored.
One<int> najstarijaGodina(Transaction& sqlca);
// Moves every visit of entry odRbr to entry naRbr, each at a new version (a desk that has one open
// is told another saved it).
void premestiPosete(Transaction& sqlca, int odRbr, int naRbr);
void potvrdi(Transaction& sqlca);

} // namespace poseta_sql
