#pragma once

#include "runtime/core/decimal.h"
#include "runtime/core/result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class Transaction;

// Every statement of the laboratory orders (`nalog`, `nalog_stavka`) and the address-book reads an
// order needs. Each runs on the given transaction and returns its outcome; values are always
// bound. Amounts travel as exact decimals: bound as their text into NUMERIC(14,2), read back as
// text, so that a bill reads back to the cent on both engines.
namespace nalog_sql {

// One line of a patient's order list.
struct StavkaSpiska {
    int rbr = 0;
    QDate datum;
    bool otkazan = false;
};

// An order's own row: the page's figures as they were shown.
struct Zaglavlje {
    int rbr = 0;
    int rbrAdresar = 0;
    std::optional<int> rbrPoseta;
    QDate datum;
    QString popust;                 // the discount as the order window showed it; empty: none
    std::optional<Decimal> cenaHem; // the hematology total before the discount; none: no order
    Decimal ukupnoHem;
    Decimal ukupnoBiohem;
    Decimal ukupnoUrin;
    Decimal svega;
    bool otkazan = false;
    int verzija = 1;
    int verzijaRezultata = 1;
};

// One analysis of an order, by its catalogue key. A line without a price was added to take a
// result only; it is not on the bill.
struct Stavka {
    int rbr = 0; // 0: not stored yet
    qint16 grupa = 0;
    qint16 podgrupa = 0;
    qint16 rbrNalaza = 0;
    QString naziv;
    std::optional<Decimal> cena;
    bool imaRezultat = false; // read only

    bool istiKljuc(const Stavka& druga) const {
        return grupa == druga.grupa && podgrupa == druga.podgrupa && rbrNalaza == druga.rbrNalaza;
    }
};

// The patient an order is for, as the report names them.
struct Pacijent {
    int rbr = 0;
    QString ime;
    QString prezime;
    QString mbr;
    QVariant pol; // the address book's: 1 man, 0 woman, NULL unknown
};

// The statement of naloziPacijenta, for reading it another way (the benchmark's floor).
QString upitNalogaPacijenta();

// A patient's orders, newest first (date, then the later key), through the patient's index.
Result<QList<StavkaSpiska>> naloziPacijenta(Transaction& sqlca, int rbrAdresar);
// Order rbr's row (no row when there is none).
Result<QList<Zaglavlje>> zaglavlje(Transaction& sqlca, int rbr);
// Order rbr's lines in the order they were written.
Result<QList<Stavka>> stavke(Transaction& sqlca, int rbrNalog);
// The address-book entry rbr.
Result<QList<Pacijent>> pacijent(Transaction& sqlca, int rbr);
// The patient of visit rbrPoseta; none when the visit is gone.
Result<std::optional<int>> pacijentPosete(Transaction& sqlca, int rbrPoseta);
// How many orders name the address-book entry rbr (such an entry cannot be deleted).
Result<std::optional<int>> brojNalogaPacijenta(Transaction& sqlca, int rbrAdresar);

// INSERT of a new order at version 1; the database numbers it and hands the key back.
Result<int> unesi(Transaction& sqlca, const Zaglavlje& nalog);
// UPDATE of the figures of order rbr when it is still at version verzija and not cancelled;
// raises the version. sqlnrows 0 otherwise.
Result<> izmeni(Transaction& sqlca, const Zaglavlje& nalog);
// Marks order rbr cancelled when it is still at version verzija and not cancelled yet.
Result<> otkazi(Transaction& sqlca, int rbr, int verzija);
// Raises the version of the order's results: the window that read them is told of the change.
Result<> promeniVerzijuRezultata(Transaction& sqlca, int rbr);
// Every order of address-book entry odRbr becomes naRbr's (a merge of two entries of one patient).
Result<> premestiNaloge(Transaction& sqlca, int odRbr, int naRbr);

Result<int> unesiStavku(Transaction& sqlca, int rbrNalog, const Stavka& stavka);
Result<> izmeniStavku(Transaction& sqlca, const Stavka& stavka);
Result<> obrisiStavku(Transaction& sqlca, int rbrStavka);

// Amounts as statements bind them: their text, cast to NUMERIC(14,2) by the statement.
QVariant iznos(const std::optional<Decimal>& iznos);

} // namespace nalog_sql
