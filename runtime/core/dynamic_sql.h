#pragma once

#include "runtime/core/result.h"

#include <QString>
#include <QVariantList>

#include <memory>

class QSqlQuery;
class Transaction;

// Staging area: holds a statement text prepared at run time and the transaction it runs on.
class DynamicStagingArea {
public:
    // PREPARE sqlsa FROM text USING transaction.
    void prepare(const QString& text, Transaction& transaction);
    QString text() const { return m_text; }
    Transaction* transaction() const { return m_transaction; }

private:
    QString m_text;
    Transaction* m_transaction = nullptr;
};

// A dynamic cursor declared on a staging area: open, fetch row by row, close. It behaves like the
// embedded cursor: each step's outcome tells 0 (row), 100 (end) or < 0 (failure, with the text).
class DynamicCursor {
public:
    DynamicCursor();
    ~DynamicCursor();
    DynamicCursor(const DynamicCursor&) = delete;
    DynamicCursor& operator=(const DynamicCursor&) = delete;

    // DECLARE cursor DYNAMIC CURSOR FOR sqlsa.
    void declare(DynamicStagingArea& sqlsa);
    // OPEN DYNAMIC cursor [USING inputs].
    Result<> open(const QVariantList& inputs = {});
    // FETCH cursor INTO row: fills row with the next row's columns.
    Result<> fetch(QVariantList& row);
    // CLOSE cursor.
    void close();
    bool isOpen() const;

private:
    DynamicStagingArea* m_sqlsa = nullptr;
    std::unique_ptr<QSqlQuery> m_query;
};
