#pragma once

#include "domain/search/kriterijum.h"

// One panel's criterion in a line of a test table; by default a visit's years 2025-2026.
inline pretraga::Kriterijum k(pretraga::Polje polje, const QString& tekst,
                              pretraga::Veznik veznik = pretraga::Veznik::ILI, int od = 2025,
                              int do_ = 2026,
                              pretraga::Vrednost vrednost = pretraga::Vrednost::Normalna) {
    pretraga::Kriterijum kriterijum;
    kriterijum.polje = polje;
    kriterijum.tekst = tekst;
    kriterijum.veznik = veznik;
    kriterijum.od = od;
    kriterijum.do_ = do_;
    kriterijum.vrednost = vrednost;
    return kriterijum;
}
