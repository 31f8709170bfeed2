#pragma once

#include <QString>
#include <QVariantList>

#include <functional>

class DynamicCursor;

// Reads a statement through a dynamic cursor on sqlca, the way every list of the program is
// filled: the text is prepared in sqlsa, dyn_cursor is declared on it and opened, `opened` runs
// once the cursor is open, and `row` gets every fetched row in fetch order. A cursor that cannot
// be opened is shown as "DataBase Error!" with the database's text (the cursor is left as it
// is); a failed fetch as "DataBase Error", after which the cursor is closed and the rows handed
// over so far stay. Returns the SQL code that ended the read: 100 after the last row, or the
// negative code of a failure the user has already been shown.
int readThroughCursor(DynamicCursor& dyn_cursor, const QString& text,
                      const std::function<void()>& opened,
                      const std::function<void(const QVariantList&)>& row);
