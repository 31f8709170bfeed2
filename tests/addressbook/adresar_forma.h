#pragma once

// A form as the save functions take it: the two names, an optional identity number, and the
// rest left empty, as a user who fills in only what is required.
#include "domain/addressbook/adresar_unos.h"

inline AdresarUnos forma(const QString& ime, const QString& prezime,
                         const QString& mbr = QString()) {
    AdresarUnos unos;
    unos.ime = ime;
    unos.prezime = prezime;
    unos.mbr = mbr;
    unos.pol = 1;
    return unos;
}
