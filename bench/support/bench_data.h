#pragma once

class TestDataSource;

// Fills the throwaway data source of a benchmark with data that looks like a real practice's.

// Address-book entries with record numbers from + 1 to to: Serbian first names and surnames
// (Č, Ć, Dž, Đ, Lj, Nj, Š and Ž among them), unique identity numbers, a city and a telephone
// for most, all in status 1 or 2.
bool fillAddressBook(TestDataSource& db, int from, int to);
// The analysis catalogue: count analyses, four fifths ordinary and one fifth of the leukocyte
// formula, replacing what was there.
bool fillCatalogue(TestDataSource& db, int count);
