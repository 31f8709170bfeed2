#pragma once

#include <QStringList>

class TestDataSource;

// Fills the throwaway data source of a benchmark with data that looks like a real practice's.

// Address-book entries with record numbers from + 1 to to: Serbian first names and surnames
// (Č, Ć, Dž, Đ, Lj, Nj, Š and Ž among them), unique identity numbers, a city and a telephone
// for most, all in status 1 or 2.
bool fillAddressBook(TestDataSource& db, int from, int to);
// Settles the data source as one that has been in use after a fill: statistics gathered, the
// write-ahead log folded in, so that no background work of the fill (autovacuum, a checkpoint)
// falls into the timed rounds. tables: those the fill wrote (PostgreSQL vacuums each).
void settle(TestDataSource& db, const QStringList& tables);
// The analysis catalogue: count analyses, four fifths ordinary and one fifth of the leukocyte
// formula, replacing what was there.
bool fillCatalogue(TestDataSource& db, int count);
