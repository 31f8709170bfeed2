#pragma once

#include "runtime/core/result.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

// The transaction object: the program's one database connection and its unit of work. Every
// statement hands its outcome back at the call (runtime/core/result.h); the connection keeps
// nothing of it, so no caller reads another call's outcome by mistake.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    QString dbms;
    bool autocommit = true;
    QString dbparm;

    // CONNECT: opens the data source named in dbparm ("ConnectString='DSN=..;UID=..;PWD=..;'").
    Result<> connect();
    // DISCONNECT: ends the open unit of work first (SQLite refuses to close inside one).
    void disconnect();
    bool isConnected() const;
    // Whether the data source is a PostgreSQL server (else the embedded database): the two name
    // a new row's generated key in their own ways.
    bool isPostgreSQL() const;

    // SELECT ... INTO: the first row's columns (code 0), none without a row (code 100).
    Result<std::optional<QVariantList>> selectInto(const QString& sql,
                                                   const QVariantList& inputs = {});
    // INSERT, UPDATE, DELETE and other statements without a result set; sqlnrows is the number of
    // rows they touched.
    Result<> execute(const QString& sql, const QVariantList& inputs = {});
    // A write that hands back one row (INSERT ... RETURNING): the row. It counts as a write, so
    // its unit stays open for the caller's COMMIT or ROLLBACK.
    Result<std::optional<QVariantList>> executeReturning(const QString& sql,
                                                         const QVariantList& inputs = {});
    Result<> commit();
    Result<> rollback();
    // Ends a unit of work that holds only reads, so that no snapshot or lock outlives the user
    // action that read. It changes nothing anyone can see; a unit that holds writes is left for
    // the caller's COMMIT or ROLLBACK.
    void endReading();
    // Whether the open unit of work holds an INSERT, UPDATE or DELETE (tried, not only succeeded).
    bool holdsWrites() const { return m_holdsWrites; }

    // Whether statements may run now: a failure with the reason when the connection is not open
    // or is lent to a read on another thread. Every statement, the runtime's cursors and block
    // reads included, asks this first.
    Result<> usable() const;
    // How often the connection has been asked for so far (each statement, fetch and end of a
    // unit, refused ones included): what tells that an action ran no statement at all.
    quint64 uses() const { return m_uses; }

    // The Qt connection name, for the runtime's own cursors and block reads.
    QString connectionName() const { return m_connectionName; }

    // A connection lent to a read on another thread (BackgroundRead) for as long as the loan
    // lives: the thread reaches the connection through ODBC alone, and every use of the
    // transaction meanwhile is refused instead of racing it on the same handle.
    class Loan {
    public:
        explicit Loan(Transaction& transaction);
        ~Loan();
        Loan(const Loan&) = delete;
        Loan& operator=(const Loan&) = delete;

    private:
        Transaction& m_transaction;
    };

private:
    Result<std::optional<QVariantList>> selectRow(const QString& sql, const QVariantList& inputs);
    Result<> beginUnitOfWork();
    Result<> endUnitOfWork(bool keep);

    QString m_connectionName;
    bool m_holdsWrites = false;
    int m_loans = 0;
    mutable quint64 m_uses = 0;
};

// A typed NULL: the ODBC drivers want to know the type of a NULL parameter.
QVariant nullText();
QVariant nullInteger();
// Empty text becomes a typed NULL, anything else stays as it is.
QVariant textOrNull(const QString& text);
