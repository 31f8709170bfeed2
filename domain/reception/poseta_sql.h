#pragma once

#include "runtime/core/result.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Transaction;

// Every statement of the reception visits (`poseta`, `poseta_polje`) and the address-book reads a
// visit needs. Each runs on the given transaction and returns its outcome; values are always
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
Result<QList<Stavka>> posetePacijenta(Transaction& sqlca, int rbrAdresar);
// Visit rbr's row (no row when there is none).
Result<QList<Zaglavlje>> zaglavlje(Transaction& sqlca, int rbr);
// Visit rbr's fields, by name.
Result<QList<Polje>> polja(Transaction& sqlca, int rbr);
// The address-book entries with exactly this identity number.
Result<QList<Pacijent>> pacijentPoMbr(Transaction& sqlca, const QString& mbr);
// The address-book entry rbr.
Result<QList<Pacijent>> pacijent(Transaction& sqlca, int rbr);
// Every address-book entry by surname, first name and key (the surname completer).
Result<QList<Pacijent>> pacijenti(Transaction& sqlca);
// Visit rbr's version; none when the visit is gone.
Result<std::optional<int>> verzija(Transaction& sqlca, int rbr);
// How many visits name the address-book entry rbr (such an entry cannot be deleted).
Result<std::optional<int>> brojPosetaPacijenta(Transaction& sqlca, int rbrAdresar);

// INSERT of a new visit at version 1; the database numbers it and hands the key back.
Result<int> unesi(Transaction& sqlca, int rbrAdresar, const QDate& datum,
                  const QString& brojProtokola, const QString& lekar);
// UPDATE of visit rbr when it is still at version verzija; raises the version. sqlnrows 0 when
// another desk saved it meanwhile or it is gone.
Result<> izmeni(Transaction& sqlca, int rbr, int verzija, int rbrAdresar, const QDate& datum,
                const QString& brojProtokola, const QString& lekar);
Result<> obrisiPolja(Transaction& sqlca, int rbr);
Result<> unesiPolje(Transaction& sqlca, int rbr, const Polje& polje);
// One field of visit rbr: its new value, or gone (emptied on the form).
Result<> izmeniPolje(Transaction& sqlca, int rbr, const Polje& polje);
Result<> obrisiPolje(Transaction& sqlca, int rbr, const QString& polje);

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
Result<QList<SlicanPacijent>> slicniPacijenti(Transaction& sqlca, const QString& prezime,
                                              const QString& ime,
                                              const std::optional<QDate>& rodjen);
// The year of the oldest stored visit; none when no visit is stored.
Result<std::optional<int>> najstarijaGodina(Transaction& sqlca);
// Moves every visit of entry odRbr to entry naRbr, each at a new version (a desk that has one open
// is told another saved it).
Result<> premestiPosete(Transaction& sqlca, int odRbr, int naRbr);

} // namespace poseta_sql
