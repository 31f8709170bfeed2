#pragma once

#include <QString>
#include <QVariant>

// One address-book entry: the 22 columns of `adresar` in their table order, as the form shows
// them and the statements bind and read them. Empty texts stand for NULL.
struct AdresarUnos {
    int rbr = 0;
    QString ime;
    QString prezime;
    QString s_slovo;
    QString mbr;
    QVariant pol;    // 1 male, 0 female; NULL as read back from an older row
    QVariant status; // a status.rbr; NULL as read back from an older row
    QString ulica;
    QString grad;
    QString telefon;
    QString mob_telefon;
    QString fax;
    QString email;
    QString firma;
    QString dept;
    QString p_ulica;
    QString p_grad;
    QString p_telefon1;
    QString p_telefon2;
    QString p_fax;
    QString p_email;
    QString napomena;
};

// The 15 optional address and note texts, in column order (ulica ... napomena).
inline constexpr QString AdresarUnos::*AdresniTekstovi[] = {
    &AdresarUnos::ulica,       &AdresarUnos::grad,       &AdresarUnos::telefon,
    &AdresarUnos::mob_telefon, &AdresarUnos::fax,        &AdresarUnos::email,
    &AdresarUnos::firma,       &AdresarUnos::dept,       &AdresarUnos::p_ulica,
    &AdresarUnos::p_grad,      &AdresarUnos::p_telefon1, &AdresarUnos::p_telefon2,
    &AdresarUnos::p_fax,       &AdresarUnos::p_email,    &AdresarUnos::napomena};
