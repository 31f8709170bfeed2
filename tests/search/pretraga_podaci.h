#pragma once

// A small fixed address book with visits for the search's tests, written by the verifier as the
// address book's and the visits' own writers would, so the database keeps its folded copies
// itself. Today is 15 June 2026. Sorted by folded surname the entries run 8, 3, 2, 5, 6, 7, 1, 4,
// 9, then the 37 entries "Red 01" to "Red 37" (rbr 101-137) of the paging cases.
//
//  rbr ime     prezime     mbr (birth)                     grad
//  1   Đorđe   Petrović    1506976710011 (15.06.1976: 50)  Beograd
//  2   Ana     Čolić       1606976715022 (16.06.1976: 49)  Čačak
//  3   Marko   Ćirić       3112999710033 (31.12.1999: 26)  Niš
//  4   Jelena  Šarić       0101000715044 (01.01.2000: 26)  Novi Sad
//  5   Žika    Djokić      0000000710055 (no date)         NULL
//  6   Petar   Markovic    2902004710066 (29.02.2004: 22)  Zemun
//  7   Mila    O'Neil      NULL                            Beo_grad
//  8   Test    Back\slash  3102990 (no date)               50% off
//  9   Hej!    Smeh😀      1234                            x'; DROP TABLE adresar; --
//
//  visit rbr patient date        lekar          fields
//  11        1       2025-03-10  dr Šimić       Dg "J45 Astma", pušenje "Puši 10 dnevno"
//  12        1       2026-02-01  dr Jovanović   Dg "I10 Hipertenzija"
//  13        2       2024-05-05  dr Šimić       Dg "J45.0", maligna (family) "Otac - karcinom"
//  14        3       2026-01-20  dr Đurić       Dg "E11 Dijabetes", mle_hiper "Da, od 2019"
//  15        4       2025-12-31  dr Jovanović   Dg "J45", anemija "Blaga"
//  16        6       2023-07-07  NULL           Dg "K29", alkohol "Ne pije"
//
//  order rbr patient date        analyses (group/subgroup) and results, with their marks
//  21        1       2025-03-10  Hemoglobin (1/0) 180 ↑, Leukociti (1/0) 7,5, Monociti (1/1) 12 ↑,
//                                Eritrociti (1/0) ordered, no result
//  22        2       2026-02-01  Glukoza (2/0) 3,1 ↓, Proteini (3/0) "negativan" (not judged)
//  23        3       2025-05-05  cancelled: Hemoglobin (1/0) 100 ↓
//  24        4       2026-01-20  Hemoglobin (1/0) 140, Gvožđe (2/0) 20
#include "tests/support/test_data_source.h"

#include <QDate>

inline const QDate PretragaDanas(2026, 6, 15);

inline bool upisiPodatkePretrage(TestDataSource& db) {
    if (!db.exec(QString::fromUtf8("INSERT INTO adresar (rbr, ime, prezime, mbr, grad) VALUES "
                                   "(1, 'Đorđe', 'Petrović', '1506976710011', 'Beograd'), "
                                   "(2, 'Ana', 'Čolić', '1606976715022', 'Čačak'), "
                                   "(3, 'Marko', 'Ćirić', '3112999710033', 'Niš'), "
                                   "(4, 'Jelena', 'Šarić', '0101000715044', 'Novi Sad'), "
                                   "(5, 'Žika', 'Djokić', '0000000710055', NULL), "
                                   "(6, 'Petar', 'Markovic', '2902004710066', 'Zemun'), "
                                   "(7, 'Mila', 'O''Neil', NULL, 'Beo_grad'), "
                                   "(8, 'Test', 'Back\\slash', '3102990', '50% off')")))
        return false;
    // Bound, as the address book writes: the embedded database's driver reads an emoji in a
    // statement's own text wrongly, but not in a bound value.
    if (!db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, grad) VALUES "
                                "(9, 'Hej!', ?, '1234', ?)"),
                 {QString::fromUtf8("Smeh😀"), QStringLiteral("x'; DROP TABLE adresar; --")}))
        return false;
    for (int i = 1; i <= 37; ++i)
        if (!db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) VALUES "
                                    "(?, 'Q', ?)"),
                     {100 + i, QStringLiteral("Red %1").arg(i, 2, 10, QLatin1Char('0'))}))
            return false;
    if (!db.exec(QStringLiteral(
            "INSERT INTO nalog (rbr, rbr_adresar, datum, ukupno_hem, ukupno_biohem, ukupno_urin, "
            "svega, otkazan) VALUES (21, 1, '2025-03-10', 0, 0, 0, 0, 0), "
            "(22, 2, '2026-02-01', 0, 0, 0, 0, 0), (23, 3, '2025-05-05', 0, 0, 0, 0, 1), "
            "(24, 4, '2026-01-20', 0, 0, 0, 0, 0)")) ||
        !db.exec(QString::fromUtf8(
            "INSERT INTO nalog_stavka (rbr, rbr_nalog, grupa, podgrupa, rbr_nalaza, naziv) VALUES "
            "(31, 21, 1, 0, 4, 'Hemoglobin'), (32, 21, 1, 0, 2, 'Leukociti'), "
            "(33, 21, 1, 1, 4, 'Monociti'), (34, 21, 1, 0, 3, 'Eritrociti'), "
            "(35, 22, 2, 0, 1, 'Glukoza'), (36, 22, 3, 0, 5, 'Proteini'), "
            "(37, 23, 1, 0, 4, 'Hemoglobin'), (38, 24, 1, 0, 4, 'Hemoglobin'), "
            "(39, 24, 2, 0, 13, 'Gvožđe')")) ||
        !db.exec(QString::fromUtf8(
            "INSERT INTO rezultat (rbr_stavka, vrednost, ocena, oznaka, datum) VALUES "
            "(31, '180', 1, '↑', '2025-03-11'), (32, '7,5', 0, NULL, '2025-03-11'), "
            "(33, '12', 1, '↑', '2025-03-11'), (35, '3,1', -1, '↓', '2026-02-02'), "
            "(36, 'negativan', NULL, NULL, '2026-02-02'), (37, '100', -1, '↓', '2025-05-06'), "
            "(38, '140', 0, NULL, '2026-01-21'), (39, '20', 0, NULL, '2026-01-21')")))
        return false;
    return db.exec(QString::fromUtf8(
               "INSERT INTO poseta (rbr, rbr_adresar, datum, lekar) VALUES "
               "(11, 1, '2025-03-10', 'dr Šimić'), (12, 1, '2026-02-01', 'dr Jovanović'), "
               "(13, 2, '2024-05-05', 'dr Šimić'), (14, 3, '2026-01-20', 'dr Đurić'), "
               "(15, 4, '2025-12-31', 'dr Jovanović'), (16, 6, '2023-07-07', NULL)")) &&
           db.exec(QString::fromUtf8(
               "INSERT INTO poseta_polje (rbr_poseta, polje, vrednost) VALUES "
               "(11, 'mle_radnadiag', 'J45 Astma'), (11, 'mle_pusenje', 'Puši 10 dnevno'), "
               "(12, 'mle_radnadiag', 'I10 Hipertenzija'), (13, 'mle_radnadiag', 'J45.0'), "
               "(13, 'mle_maligna_o', 'Otac - karcinom'), (14, 'mle_radnadiag', 'E11 Dijabetes'), "
               "(14, 'mle_hiper', 'Da, od 2019'), (15, 'mle_radnadiag', 'J45'), "
               "(15, 'uo_anemija.sle_opis', 'Blaga'), (16, 'mle_radnadiag', 'K29'), "
               "(16, 'mle_alkohol', 'Ne pije')"));
}
