#pragma once
// A data row on one line: its name, then its values in the order of the table's columns. A text
// given as a literal lands in a QString column, as with QTest's own operator<<.
#include <QTest>

template <typename... T> void row(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}
