#include "runtime/core/transaction.h"

#include "runtime/core/sql_outcome.h"

#include <QAtomicInt>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QtGlobal>

namespace {

QAtomicInt connectionCounter;

struct ConnectParts {
    QString dsn;
    QString uid;
    QString pwd;
};

// DBParm holds "ConnectString='DSN=x;UID=y;PWD=z;'". Qt's ODBC driver prepends "DSN=" to a plain
// database name itself, so the string is split into its parts here.
ConnectParts parseDbParm(const QString& dbparm) {
    ConnectParts parts;
    QRegularExpression quoted(QStringLiteral("ConnectString\\s*=\\s*'([^']*)'"),
                              QRegularExpression::CaseInsensitiveOption);
    const auto match = quoted.match(dbparm);
    const QString connectString = match.hasMatch() ? match.captured(1) : dbparm;
    for (const QString& item : connectString.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = item.left(eq).trimmed().toUpper();
        const QString value = item.mid(eq + 1).trimmed();
        if (key == QLatin1String("DSN"))
            parts.dsn = value;
        else if (key == QLatin1String("UID"))
            parts.uid = value;
        else if (key == QLatin1String("PWD"))
            parts.pwd = value;
    }
    return parts;
}

} // namespace

Transaction::Transaction()
    : m_connectionName(
          QStringLiteral("mab-transaction-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {}

Transaction::~Transaction() {
    Q_ASSERT(m_loans == 0);
    disconnect();
    QSqlDatabase::removeDatabase(m_connectionName);
}

Result<> Transaction::usable() const {
    ++m_uses;
    if (m_loans > 0)
        return Result<>::failure(QStringLiteral(
            "Veza sa bazom podataka je zauzeta čitanjem koje još traje; pokušajte ponovo."));
    if (!isConnected())
        return Result<>::failure(notConnectedText());
    return Result<>::done();
}

Result<> Transaction::connect() {
    if (m_loans > 0)
        return usable();
    const ConnectParts parts = parseDbParm(dbparm);
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
    db.setDatabaseName(parts.dsn);
    db.setUserName(parts.uid);
    db.setPassword(parts.pwd);
    if (!db.open())
        return failureOf(db.lastError());
    m_holdsWrites = false;
    return autocommit ? Result<>::done() : beginUnitOfWork();
}

void Transaction::disconnect() {
    if (m_loans > 0 || !QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        return;
    // What was never committed is dropped: the program commits every write it wants kept.
    if (!autocommit)
        db.rollback();
    m_holdsWrites = false;
    db.close();
}

bool Transaction::isConnected() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

bool Transaction::isPostgreSQL() const {
    return isConnected() && QSqlDatabase::database(m_connectionName, false).driver()->dbmsType() ==
                                QSqlDriver::PostgreSQL;
}

Result<> Transaction::beginUnitOfWork() {
    // Qt's ODBC driver switches the connection back to auto-commit after commit() and
    // rollback(); opening a new transaction at once keeps AutoCommit off for the whole session.
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction())
        return failureOf(db.lastError());
    return Result<>::done();
}

Result<std::optional<QVariantList>> Transaction::selectRow(const QString& sql,
                                                           const QVariantList& inputs) {
    if (const Result<> ready = usable(); ready.failed())
        return ready;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (const Result<> run = runPrepared(query, sql, inputs); run.failed())
        return run;
    if (!query.next()) {
        if (query.lastError().isValid())
            return failureOf(query.lastError());
        return Result<>::done(Result<>::NotFound);
    }
    return {Result<>::done(Result<>::Success, 1), currentRow(query)};
}

Result<std::optional<QVariantList>> Transaction::selectInto(const QString& sql,
                                                            const QVariantList& inputs) {
    Result<std::optional<QVariantList>> row = selectRow(sql, inputs);
    endReading();
    return row;
}

Result<> Transaction::execute(const QString& sql, const QVariantList& inputs) {
    if (const Result<> ready = usable(); ready.failed())
        return ready;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    // A refused write counts too: its unit must end in a ROLLBACK before anything else runs.
    m_holdsWrites = !autocommit;
    if (const Result<> run = runPrepared(query, sql, inputs); run.failed())
        return run;
    return Result<>::done(Result<>::Success, query.numRowsAffected());
}

Result<std::optional<QVariantList>> Transaction::executeReturning(const QString& sql,
                                                                  const QVariantList& inputs) {
    if (usable().succeeded())
        m_holdsWrites = !autocommit;
    return selectRow(sql, inputs);
}

Result<> Transaction::commit() {
    return endUnitOfWork(true);
}

Result<> Transaction::rollback() {
    return endUnitOfWork(false);
}

void Transaction::endReading() {
    if (autocommit || m_holdsWrites || usable().failed())
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    // Nothing was written, so ROLLBACK and COMMIT end it alike; ROLLBACK cannot fail on a
    // conflict. A connection that is gone reports that at its next real statement.
    db.rollback();
    beginUnitOfWork();
}

Result<> Transaction::endUnitOfWork(bool keep) {
    if (const Result<> ready = usable(); ready.failed())
        return ready;
    if (autocommit)
        return Result<>::done();
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    m_holdsWrites = false;
    const Result<> ended =
        (keep ? db.commit() : db.rollback()) ? Result<>::done() : failureOf(db.lastError());
    // Whether or not it ended, the next statement must again run inside a unit of work. A refused
    // COMMIT is what the caller needs to see, before a failure to begin the next unit.
    const Result<> next = beginUnitOfWork();
    return ended.failed() ? ended : next;
}

Transaction::Loan::Loan(Transaction& transaction) : m_transaction(transaction) {
    ++m_transaction.m_loans;
}

Transaction::Loan::~Loan() {
    --m_transaction.m_loans;
}

QVariant nullText() {
    return QVariant(QMetaType::fromType<QString>());
}

QVariant nullInteger() {
    return QVariant(QMetaType::fromType<int>());
}

QVariant textOrNull(const QString& text) {
    return text.isEmpty() ? nullText() : QVariant(text);
}
