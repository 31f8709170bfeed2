#include "runtime/core/transaction.h"

#include "runtime/core/sql_outcome.h"

#include <QAtomicInt>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

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
    disconnect();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Transaction::connect() {
    const ConnectParts parts = parseDbParm(dbparm);
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? QSqlDatabase::database(m_connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
    db.setDatabaseName(parts.dsn);
    db.setUserName(parts.uid);
    db.setPassword(parts.pwd);
    if (!db.open()) {
        setFailure(sqlErrorText(db.lastError()));
        return;
    }
    setSuccess();
    m_holdsWrites = false;
    if (!autocommit)
        beginUnitOfWork();
}

void Transaction::disconnect() {
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        return;
    // What was never committed is dropped: the program commits every write it wants kept.
    if (!autocommit)
        db.rollback();
    m_holdsWrites = false;
    db.close();
    setSuccess();
}

bool Transaction::isConnected() const {
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

bool Transaction::isPostgreSQL() const {
    return isConnected() && QSqlDatabase::database(m_connectionName, false).driver()->dbmsType() ==
                                QSqlDriver::PostgreSQL;
}

void Transaction::beginUnitOfWork() {
    // Qt's ODBC driver switches the connection back to auto-commit after commit() and
    // rollback(); opening a new transaction at once keeps AutoCommit off for the whole session.
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    // A failure that already stands (a refused COMMIT) is what the caller needs to see.
    if (!db.transaction() && sqlcode == Success)
        setFailure(sqlErrorText(db.lastError()));
}

std::optional<QVariantList> Transaction::selectRow(const QString& sql, const QVariantList& inputs) {
    if (!isConnected()) {
        setFailure(notConnectedText());
        return std::nullopt;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!runPrepared(query, sql, inputs, *this))
        return std::nullopt;
    if (!query.next()) {
        if (query.lastError().isValid())
            setFailure(sqlErrorText(query.lastError()));
        else
            setSuccess(NotFound);
        return std::nullopt;
    }
    QVariantList row = currentRow(query);
    setSuccess();
    sqlnrows = 1;
    return row;
}

std::optional<QVariantList> Transaction::selectInto(const QString& sql,
                                                    const QVariantList& inputs) {
    std::optional<QVariantList> row = selectRow(sql, inputs);
    endReading();
    return row;
}

void Transaction::execute(const QString& sql, const QVariantList& inputs) {
    if (!isConnected()) {
        setFailure(notConnectedText());
        return;
    }
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    // A refused write counts too: its unit must end in a ROLLBACK before anything else runs.
    m_holdsWrites = !autocommit;
    if (!runPrepared(query, sql, inputs, *this))
        return;
    const int affected = query.numRowsAffected();
    setSuccess();
    sqlnrows = affected;
}

std::optional<QVariantList> Transaction::executeReturning(const QString& sql,
                                                          const QVariantList& inputs) {
    if (isConnected())
        m_holdsWrites = !autocommit;
    return selectRow(sql, inputs);
}

void Transaction::commit() {
    endUnitOfWork(true);
}

void Transaction::rollback() {
    endUnitOfWork(false);
}

void Transaction::endReading() {
    if (autocommit || m_holdsWrites || !isConnected())
        return;
    const int code = sqlcode;
    const QString text = sqlerrtext;
    const int rows = sqlnrows;
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    // Nothing was written, so ROLLBACK and COMMIT end it alike; ROLLBACK cannot fail on a
    // conflict. A connection that is gone reports that at its next real statement.
    db.rollback();
    beginUnitOfWork();
    sqlcode = code;
    sqlerrtext = text;
    sqlnrows = rows;
}

void Transaction::endUnitOfWork(bool keep) {
    if (!isConnected()) {
        setFailure(notConnectedText());
        return;
    }
    if (autocommit) {
        setSuccess();
        return;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    m_holdsWrites = false;
    if (keep ? db.commit() : db.rollback())
        setSuccess();
    else
        setFailure(sqlErrorText(db.lastError()));
    // Whether or not it ended, the next statement must again run inside a unit of work.
    beginUnitOfWork();
}

void Transaction::setFailure(const QString& text) {
    sqlcode = Failure;
    sqlerrtext = text;
    sqlnrows = 0;
}

void Transaction::setSuccess(int code) {
    sqlcode = code;
    sqlerrtext.clear();
    sqlnrows = 0;
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
