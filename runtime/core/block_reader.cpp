#include "runtime/core/block_reader.h"

#include "runtime/core/odbc_describe.h"
#include "runtime/core/result_columns.h"
#include "runtime/core/sql_literals.h"
#include "runtime/core/transaction.h"

#include <QSqlDatabase>
#include <QSqlDriver>

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <memory>
#include <vector>

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager's wide char is UTF-16");

namespace {

// A text column is bound this wide (in UTF-16 units, its terminator included) unless the driver
// declares it narrower. Unbounded columns (TEXT) are declared as huge or unknown; a value that
// does not fit is found by its length indicator and the statement is read again wider.
constexpr SQLULEN FirstTextWidth = 128;
constexpr SQLULEN MostTextWidth = 1 << 20;
// Bound as UTF-8 (see BlockReader::bindTextAsUtf8) a text takes up to three bytes per UTF-16
// unit; an unbounded column gets the bytes a UTF-16 buffer of FirstTextWidth would take.
constexpr SQLULEN Utf8BytesPerUnit = 3;
constexpr SQLULEN FirstUtf8Width = FirstTextWidth * sizeof(SQLWCHAR);

bool succeeded(SQLRETURN r) {
    return r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO;
}

// Every diagnostic record of a handle, joined by spaces, as Qt's ODBC driver joins them, so that
// the user sees the same text on either path.
QString diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    QString result;
    if (!handle)
        return result;
    std::vector<SQLWCHAR> message(SQL_MAX_MESSAGE_LENGTH + 1);
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        SQLRETURN r = SQLGetDiagRecW(type, handle, record, state, &native, message.data(),
                                     SQLSMALLINT(message.size()), &length);
        if (succeeded(r) && length >= SQLSMALLINT(message.size())) {
            message.resize(size_t(length) + 1);
            r = SQLGetDiagRecW(type, handle, record, state, &native, message.data(),
                               SQLSMALLINT(message.size()), &length);
        }
        if (!succeeded(r))
            break;
        qsizetype size = std::min<qsizetype>(length, qsizetype(message.size()) - 1);
        if (size > 0 && message[size - 1] == 0)
            --size;
        const QString text =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(message.data()), size);
        if (result != text) {
            if (!result.isEmpty())
                result += QLatin1Char(' ');
            result += text;
        }
    }
    return result;
}

QString errorText(SQLHDBC connection, SQLHSTMT statement) {
    QStringList parts;
    for (const QString& part :
         {diagnostics(SQL_HANDLE_DBC, connection), diagnostics(SQL_HANDLE_STMT, statement)})
        if (!part.isEmpty())
            parts << part;
    const QString text = parts.join(QLatin1Char(' ')).trimmed();
    return text.isEmpty() ? QStringLiteral("Greška baze podataka bez opisa.") : text;
}

// The connection handle under Qt's ODBC driver, or null for any other driver and while the
// transaction may not be used.
SQLHDBC connectionHandle(const Transaction& transaction) {
    if (transaction.usable().failed())
        return nullptr;
    QSqlDatabase db = QSqlDatabase::database(transaction.connectionName(), false);
    if (db.driverName() != QLatin1String("QODBC"))
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (handle.metaType() != QMetaType::fromType<SQLHANDLE>())
        return nullptr;
    return *static_cast<const SQLHANDLE*>(handle.constData());
}

struct Statement {
    SQLHSTMT handle = nullptr;
    explicit Statement(SQLHDBC connection) {
        if (!succeeded(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle)))
            handle = nullptr;
    }
    ~Statement() {
        if (handle) {
            SQLFreeStmt(handle, SQL_CLOSE);
            SQLFreeHandle(SQL_HANDLE_STMT, handle);
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

// The host variables, bound as Qt's ODBC driver binds them: text as wide characters, numbers as
// integers, a typed NULL as NULL of its type.
struct Parameter {
    SQLSMALLINT cType = SQL_C_WCHAR;
    SQLSMALLINT sqlType = SQL_WVARCHAR;
    SQLULEN size = 0;
    std::u16string text;
    qint64 number = 0;
    SQLLEN indicator = 0;
};

bool toParameters(const QVariantList& inputs, std::vector<Parameter>& parameters) {
    parameters.resize(inputs.size());
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        const QVariant& value = inputs.at(i);
        Parameter& p = parameters[i];
        switch (value.metaType().id()) {
        case QMetaType::QString: {
            const QString text = value.toString();
            p.text.assign(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
            p.size = SQLULEN(text.size()) * sizeof(SQLWCHAR);
            p.sqlType = p.size > 254 ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
            p.indicator = value.isNull() ? SQL_NULL_DATA : SQLLEN(p.size);
            break;
        }
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::LongLong:
            p.number = value.toLongLong();
            p.cType = value.metaType().id() == QMetaType::LongLong ? SQL_C_SBIGINT : SQL_C_SLONG;
            p.sqlType = p.cType == SQL_C_SBIGINT ? SQL_BIGINT : SQL_INTEGER;
            p.indicator = value.isNull() ? SQL_NULL_DATA : 0;
            break;
        default:
            return false;
        }
    }
    return true;
}

struct BoundColumn {
    ResultColumns::Kind kind = ResultColumns::Kind::Text;
    QMetaType integerType;
    // text: code units (UTF-16, or bytes when bound as UTF-8) a value may take, terminator
    // included; 0 until the column is described
    SQLULEN width = 0;
    SQLULEN needed = 0; // text: the widest value seen that did not fit
    // Left uninitialised: a read of a few rows touches only the pages those rows fill.
    std::unique_ptr<char16_t[]> text;
    std::unique_ptr<char[]> utf8;
    std::unique_ptr<qint64[]> integers;
    std::unique_ptr<SQLLEN[]> indicators;
};

enum class Pass { Done, Wider, Failed, Unsupported };

class BlockReader {
public:
    BlockReader(SQLHDBC connection, ResultColumns& rows) : m_connection(connection), m_rows(rows) {}

    Pass run(const QString& sql, std::vector<Parameter>& parameters);
    // Refuses (Unsupported) a result with a column that is not a table's own: a driver that
    // hands rows over as it steps through them types such a column before it has seen a value.
    void requireTableColumns() { m_tableColumnsOnly = true; }
    // Binds text columns as UTF-8, the SQLite driver's own form: it then copies each value as
    // it stores it instead of converting it to UTF-16 in a buffer of its own, and the storage
    // decodes it in one pass. Not for drivers that turn SQL_C_CHAR into a local code page.
    void bindTextAsUtf8() { m_utf8 = true; }
    // The database's message after Pass::Failed.
    QString failure() const { return m_failure; }

private:
    Pass fail(SQLHSTMT statement) {
        m_failure = errorText(m_connection, statement);
        m_rows.clear();
        return Pass::Failed;
    }
    Pass describe(SQLHSTMT statement);
    bool bind(SQLHSTMT statement);
    void take(SQLULEN count);

    SQLHDBC m_connection;
    ResultColumns& m_rows;
    QString m_failure;
    std::vector<BoundColumn> m_columns;
    std::vector<SQLUSMALLINT> m_rowStatus = std::vector<SQLUSMALLINT>(BlockRows);
    bool m_truncated = false;
    bool m_rowFailed = false;
    bool m_tableColumnsOnly = false;
    bool m_utf8 = false;
};

Pass BlockReader::describe(SQLHSTMT statement) {
    SQLSMALLINT count = 0;
    if (!succeeded(SQLNumResultCols(statement, &count)))
        return fail(statement);
    const bool first = m_columns.empty();
    if (first)
        m_columns.resize(size_t(count));
    else if (m_columns.size() != size_t(count))
        return Pass::Unsupported; // the statement changed shape between two passes
    QList<ResultColumns::Kind> kinds;
    QList<QMetaType> integerTypes;
    for (SQLSMALLINT i = 0; i < count; ++i) {
        SQLSMALLINT type = 0;
        SQLULEN size = 0;
        if (!describeResultColumn(statement, SQLUSMALLINT(i + 1), type, size))
            return fail(statement);
        SQLLEN isUnsigned = SQL_FALSE;
        SQLColAttributeW(statement, SQLUSMALLINT(i + 1), SQL_DESC_UNSIGNED, nullptr, 0, nullptr,
                         &isUnsigned);
        if (m_tableColumnsOnly) {
            SQLWCHAR table[128] = {};
            SQLSMALLINT tableLength = 0;
            if (!succeeded(SQLColAttributeW(statement, SQLUSMALLINT(i + 1), SQL_DESC_TABLE_NAME,
                                            table, sizeof table, &tableLength, nullptr)) ||
                tableLength <= 0)
                return Pass::Unsupported;
        }
        BoundColumn& column = m_columns[i];
        switch (type) {
        case SQL_CHAR:
        case SQL_VARCHAR:
        case SQL_LONGVARCHAR:
        case SQL_WCHAR:
        case SQL_WVARCHAR:
        case SQL_WLONGVARCHAR:
            column.kind = ResultColumns::Kind::Text;
            if (first)
                column.width = size > 0 && size < FirstTextWidth
                                   ? (m_utf8 ? size * Utf8BytesPerUnit : size) + 1
                                   : (m_utf8 ? FirstUtf8Width : FirstTextWidth);
            break;
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIT:
        case SQL_BIGINT:
            if (isUnsigned == SQL_TRUE)
                return Pass::Unsupported;
            column.kind = ResultColumns::Kind::Integer;
            column.integerType =
                type == SQL_BIGINT ? QMetaType::fromType<qlonglong>() : QMetaType::fromType<int>();
            break;
        default:
            return Pass::Unsupported;
        }
        kinds << column.kind;
        integerTypes << column.integerType;
    }
    m_rows.reset(kinds, integerTypes);
    return Pass::Done;
}

bool BlockReader::bind(SQLHSTMT statement) {
    for (size_t i = 0; i < m_columns.size(); ++i) {
        BoundColumn& column = m_columns[i];
        column.indicators.reset(new SQLLEN[BlockRows]);
        SQLRETURN r;
        if (column.kind == ResultColumns::Kind::Text && m_utf8) {
            column.utf8.reset(new char[size_t(BlockRows) * column.width]);
            r = SQLBindCol(statement, SQLUSMALLINT(i + 1), SQL_C_CHAR, column.utf8.get(),
                           SQLLEN(column.width), column.indicators.get());
        } else if (column.kind == ResultColumns::Kind::Text) {
            column.text.reset(new char16_t[size_t(BlockRows) * column.width]);
            r = SQLBindCol(statement, SQLUSMALLINT(i + 1), SQL_C_WCHAR, column.text.get(),
                           SQLLEN(column.width * sizeof(SQLWCHAR)), column.indicators.get());
        } else {
            column.integers.reset(new qint64[BlockRows]);
            r = SQLBindCol(statement, SQLUSMALLINT(i + 1), SQL_C_SBIGINT, column.integers.get(),
                           sizeof(qint64), column.indicators.get());
        }
        if (!succeeded(r))
            return false;
    }
    return true;
}

// Copies the rows of one block into the storage; a text that did not fit only records how wide
// it is, for the next pass.
void BlockReader::take(SQLULEN count) {
    for (SQLULEN row = 0; row < count; ++row) {
        if (m_rowStatus[row] == SQL_ROW_NOROW)
            continue;
        if (m_rowStatus[row] == SQL_ROW_ERROR) {
            m_rowFailed = true;
            return;
        }
        for (size_t i = 0; i < m_columns.size(); ++i) {
            BoundColumn& column = m_columns[i];
            const SQLLEN indicator = column.indicators[row];
            if (indicator == SQL_NULL_DATA) {
                if (!m_truncated)
                    m_rows.appendNull(int(i));
                continue;
            }
            if (column.kind == ResultColumns::Kind::Integer) {
                if (!m_truncated)
                    m_rows.appendInteger(int(i), column.integers[row]);
                continue;
            }
            const SQLULEN room = column.width - 1;
            const SQLULEN unit = m_utf8 ? 1 : sizeof(SQLWCHAR);
            if (indicator == SQL_NO_TOTAL || SQLULEN(indicator) / unit > room) {
                const SQLULEN length =
                    indicator == SQL_NO_TOTAL ? column.width * 4 : SQLULEN(indicator) / unit;
                column.needed = std::max(column.needed, length + 1);
                m_truncated = true;
                continue;
            }
            if (m_truncated)
                continue;
            if (m_utf8) {
                const char* value = column.utf8.get() + row * column.width;
                qsizetype length = qsizetype(indicator);
                if (length > 0 && value[length - 1] == 0)
                    --length;
                m_rows.appendUtf8(int(i), value, length);
                continue;
            }
            const char16_t* value = column.text.get() + row * column.width;
            qsizetype length = qsizetype(SQLULEN(indicator) / sizeof(SQLWCHAR));
            // Qt's driver drops one trailing terminator that some drivers count in the length.
            if (length > 0 && value[length - 1] == 0)
                --length;
            m_rows.appendText(int(i), value, length);
        }
        if (!m_truncated)
            m_rows.commitRow();
    }
}

Pass BlockReader::run(const QString& sql, std::vector<Parameter>& parameters) {
    Statement statement(m_connection);
    if (!statement.handle)
        return Pass::Unsupported;
    SQLHSTMT h = statement.handle;
    SQLSetStmtAttr(h, SQL_ATTR_CURSOR_TYPE, SQLPOINTER(SQL_CURSOR_FORWARD_ONLY), SQL_IS_UINTEGER);
    if (SQLSetStmtAttr(h, SQL_ATTR_ROW_ARRAY_SIZE, SQLPOINTER(SQLULEN(BlockRows)),
                       SQL_IS_UINTEGER) != SQL_SUCCESS)
        return Pass::Unsupported; // the driver cannot fetch BlockRows at once
    SQLULEN fetched = 0;
    SQLSetStmtAttr(h, SQL_ATTR_ROW_BIND_TYPE, SQLPOINTER(SQL_BIND_BY_COLUMN), SQL_IS_UINTEGER);
    SQLSetStmtAttr(h, SQL_ATTR_ROW_STATUS_PTR, m_rowStatus.data(), 0);
    SQLSetStmtAttr(h, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0);

    std::u16string text(reinterpret_cast<const char16_t*>(sql.utf16()), size_t(sql.size()));
    if (!succeeded(
            SQLPrepareW(h, reinterpret_cast<SQLWCHAR*>(text.data()), SQLINTEGER(text.size()))))
        return fail(h);
    for (size_t i = 0; i < parameters.size(); ++i) {
        Parameter& p = parameters[i];
        SQLPOINTER data = p.cType == SQL_C_WCHAR ? SQLPOINTER(p.text.data()) : &p.number;
        const SQLLEN length = p.cType == SQL_C_WCHAR ? SQLLEN(p.size) : 0;
        if (!succeeded(SQLBindParameter(h, SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, p.cType, p.sqlType,
                                        p.size, 0, data, length, &p.indicator)))
            return fail(h);
    }
    const SQLRETURN executed = SQLExecute(h);
    if (!succeeded(executed) && executed != SQL_NO_DATA)
        return fail(h);

    const Pass described = describe(h);
    if (described != Pass::Done)
        return described;
    if (!bind(h))
        return Pass::Unsupported; // e.g. a driver without wide characters
    for (;;) {
        fetched = 0;
        const SQLRETURN r = SQLFetch(h);
        if (r == SQL_NO_DATA)
            break;
        if (!succeeded(r))
            return fail(h);
        take(fetched);
        if (m_rowFailed)
            return fail(h);
    }
    if (!m_truncated)
        return Pass::Done;
    for (BoundColumn& column : m_columns) {
        if (column.needed > MostTextWidth)
            return Pass::Unsupported;
        column.width = std::max(column.width, column.needed);
        column.needed = 0;
    }
    m_truncated = false;
    m_rows.clear();
    return Pass::Wider;
}

Result<BlockRead> readPasses(BlockReader& reader, const QString& sql,
                             std::vector<Parameter>& parameters, ResultColumns& rows) {
    // A second pass only when a text was wider than its buffer, and then wide enough for all.
    for (int pass = 0; pass < 3; ++pass) {
        switch (reader.run(sql, parameters)) {
        case Pass::Done:
            return {Result<>::done(Result<>::NotFound, int(rows.rowCount())), BlockRead::Read};
        case Pass::Failed:
            return {Result<>::failure(reader.failure()), BlockRead::Failed};
        case Pass::Unsupported:
            rows.clear();
            return {Result<>::done(), BlockRead::Unsupported};
        case Pass::Wider:
            break;
        }
    }
    rows.clear();
    return {Result<>::done(), BlockRead::Unsupported};
}

// Qt's ODBC driver does not tell SQLite from other databases; the database's own name does.
bool isSQLite(SQLHDBC connection) {
    SQLWCHAR name[32] = {};
    SQLSMALLINT length = 0;
    if (!succeeded(SQLGetInfoW(connection, SQL_DBMS_NAME, name, sizeof name, &length)))
        return false;
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(name))
        .startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive);
}

// Runs read with the connection in auto-commit, between two units of work, as a ROLLBACK of the
// unit (which holds only reads) and the next unit's start would; Qt's ODBC driver keeps no state
// of its own about either, and this way no Qt call is needed off the caller's thread.
template <class Read> void betweenUnits(SQLHDBC connection, bool autocommit, Read read) {
    if (!autocommit) {
        SQLEndTran(SQL_HANDLE_DBC, connection, SQL_ROLLBACK);
        SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT, SQLPOINTER(SQL_AUTOCOMMIT_ON),
                          SQL_IS_UINTEGER);
    }
    read();
    if (!autocommit)
        SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT, SQLPOINTER(SQL_AUTOCOMMIT_OFF),
                          SQL_IS_UINTEGER);
}

} // namespace

BlockReadJob::BlockReadJob(Transaction& transaction)
    : m_connection(connectionHandle(transaction)), m_autocommit(transaction.autocommit),
      // A read outside a unit that holds writes runs between units, in auto-commit: it ends
      // the same way, but the server's driver closes its cursor and ends the transaction in one
      // round trip instead of two, and on SQLite a statement without parameters is then stepped
      // through a block at a time (the data source's StepAPI) instead of first copied whole. A
      // unit that holds writes keeps the read inside it: the read must see them.
      m_betweenUnits(m_connection && !transaction.holdsWrites()),
      m_sqlite(m_connection && isSQLite(m_connection)) {}

Result<BlockRead> BlockReadJob::run(const QString& sql, const QVariantList& inputs,
                                    ResultColumns& rows) const {
    std::vector<Parameter> parameters;
    if (!m_connection || !toParameters(inputs, parameters))
        return {Result<>::done(), BlockRead::Unsupported};
    Result<BlockRead> outcome(Result<>::done(), BlockRead::Unsupported);
    if (m_betweenUnits && m_sqlite) {
        // SQLite steps only through a statement without parameters: the values go in as literals.
        // A result with a computed column is read the usual way, which types it by its values.
        if (const std::optional<QString> plain = sqliteStatementWithLiterals(sql, inputs)) {
            BlockReader stepping(m_connection, rows);
            stepping.requireTableColumns();
            stepping.bindTextAsUtf8();
            std::vector<Parameter> none;
            betweenUnits(m_connection, m_autocommit,
                         [&] { outcome = readPasses(stepping, *plain, none, rows); });
            if (outcome.value != BlockRead::Unsupported)
                return outcome;
        }
    }
    BlockReader reader(m_connection, rows);
    if (m_sqlite)
        reader.bindTextAsUtf8();
    // Not on SQLite: in auto-commit its driver steps through a bound statement too, and then types
    // a computed column as text instead of leaving the read to the usual way.
    if (m_betweenUnits && !m_sqlite) {
        betweenUnits(m_connection, m_autocommit,
                     [&] { outcome = readPasses(reader, sql, parameters, rows); });
        return outcome;
    }
    return readPasses(reader, sql, parameters, rows);
}

Result<BlockRead> readInBlocks(Transaction& transaction, const QString& sql,
                               const QVariantList& inputs, ResultColumns& rows) {
    const Result<BlockRead> outcome = BlockReadJob(transaction).run(sql, inputs, rows);
    // The read is over and its statement freed: no snapshot of it may outlive the user action.
    if (outcome.value != BlockRead::Unsupported)
        transaction.endReading();
    return outcome;
}
