#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

// The transaction object: the program's one database connection. Every statement reports its
// outcome in sqlcode (0 success, 100 no (more) rows, negative on error) and, on error, the
// database's own message in sqlerrtext, so that callers can react exactly as the screens expect.
class Transaction {
public:
    static constexpr int Success = 0;
    static constexpr int NotFound = 100;
    static constexpr int Failure = -1;

    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    QString dbms;
    bool autocommit = true;
    QString dbparm;

    int sqlcode = Success;
    QString sqlerrtext;
    int sqlnrows = 0;

    // CONNECT: opens the data source named in dbparm ("ConnectString='DSN=..;UID=..;PWD=..;'").
    void connect();
    // DISCONNECT: ends the open unit of work first (SQLite refuses to close inside one).
    void disconnect();
    bool isConnected() const;
    // Whether the data source is a PostgreSQL server (else the embedded database): the two name
    // a new row's generated key in their own ways.
    bool isPostgreSQL() const;

    // SELECT ... INTO: the first row's columns, or nothing when there is no row or an error.
    std::optional<QVariantList> selectInto(const QString& sql, const QVariantList& inputs = {});
    // INSERT, UPDATE, DELETE and other statements without a result set.
    void execute(const QString& sql, const QVariantList& inputs = {});
    // A write that hands back one row (INSERT ... RETURNING): the row, or nothing on failure. It
    // counts as a write, so its unit stays open for the caller's COMMIT or ROLLBACK.
    std::optional<QVariantList> executeReturning(const QString& sql,
                                                 const QVariantList& inputs = {});
    void commit();
    void rollback();
    // Ends a unit of work that holds only reads, so that no snapshot or lock outlives the user
    // action that read. It changes nothing anyone can see and leaves sqlcode as it was; a unit
    // that holds writes is left for the caller's COMMIT or ROLLBACK.
    void endReading();
    // Whether the open unit of work holds an INSERT, UPDATE or DELETE (tried, not only succeeded).
    bool holdsWrites() const { return m_holdsWrites; }

    // The Qt connection name, for the runtime's own cursors and data windows.
    QString connectionName() const { return m_connectionName; }

    // Records a failure found by the runtime itself (not reported by the database).
    void setFailure(const QString& text);
    void setSuccess(int code = Success);

private:
    std::optional<QVariantList> selectRow(const QString& sql, const QVariantList& inputs);
    void beginUnitOfWork();
    void endUnitOfWork(bool keep);

    QString m_connectionName;
    bool m_holdsWrites = false;
};

// A typed NULL: the ODBC drivers want to know the type of a NULL parameter.
QVariant nullText();
QVariant nullInteger();
// Empty text becomes a typed NULL, anything else stays as it is.
QVariant textOrNull(const QString& text);
