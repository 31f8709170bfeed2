#pragma once

#include <sql.h>
#include <sqlext.h>

// The SQL type and size of a result column, as a block reader binds it. psqlODBC answers
// SQLDescribeCol, which also reports whether the column may be NULL, by looking the result's
// tables up in the catalogue: a query that costs more than reading a short list. The
// descriptor's type and length it reads from the result itself; a driver that does not give
// them is asked the usual way (with a name buffer, which psqlODBC insists on). It is the verbose
// SQL_DESC_TYPE, not SQL_DESC_CONCISE_TYPE, because psqlODBC answers the concise type with the
// same catalogue query; the two differ only for dates, times and intervals (SQL_DATETIME,
// SQL_INTERVAL), which a block reader does not bind.
inline bool describeResultColumn(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT& type,
                                 SQLULEN& size) {
    SQLLEN descType = 0, length = 0;
    if (SQL_SUCCEEDED(
            SQLColAttributeW(statement, column, SQL_DESC_TYPE, nullptr, 0, nullptr, &descType)) &&
        SQL_SUCCEEDED(
            SQLColAttributeW(statement, column, SQL_DESC_LENGTH, nullptr, 0, nullptr, &length))) {
        type = SQLSMALLINT(descType);
        size = length > 0 ? SQLULEN(length) : 0;
        return true;
    }
    SQLWCHAR name[256];
    SQLSMALLINT nameLength = 0, digits = 0, nullable = 0;
    return SQL_SUCCEEDED(SQLDescribeColW(statement, column, name, 256, &nameLength, &type, &size,
                                         &digits, &nullable));
}
