#include "runtime/cursor_reader.h"

#include "runtime/builtins.h"
#include "runtime/dynamic_sql.h"
#include "runtime/message_box.h"
#include "runtime/transaction.h"

int readThroughCursor(DynamicCursor& dyn_cursor, const QString& text,
                      const std::function<void()>& opened,
                      const std::function<void(const QVariantList&)>& row) {
    Transaction& transaction = sqlca();
    sqlsa().prepare(text, transaction);
    dyn_cursor.declare(sqlsa());
    dyn_cursor.open();
    if (transaction.sqlcode < 0) {
        const int code = transaction.sqlcode;
        MessageBox(QStringLiteral("DataBase Error!"), transaction.sqlerrtext);
        return code;
    }
    if (opened)
        opened();

    QVariantList columns;
    while (transaction.sqlcode == Transaction::Success) {
        dyn_cursor.fetch(columns);
        if (transaction.sqlcode == Transaction::Success) {
            if (row)
                row(columns);
        } else if (transaction.sqlcode < 0) {
            const int code = transaction.sqlcode;
            MessageBox(QStringLiteral("DataBase Error"), transaction.sqlerrtext);
            dyn_cursor.close();
            return code;
        }
    }
    const int code = transaction.sqlcode;
    dyn_cursor.close();
    return code;
}
