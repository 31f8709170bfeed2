// The floor of a list read: the same query on the same data source, read to the end through the
// ODBC API used well (columns bound as UTF-16, 1,000 rows a fetch), with nothing above it.
//     floor_odbc_read "SELECT ... ? ... ?" ARG1 ARG2 ... REPEATS
// (every argument bound as text)
// prints one line per read: milliseconds, rows and the CPU milliseconds of the read. The data
// source is MabZet as ODBCINI names it.
#include "runtime/core/odbc_describe.h"

#include <sql.h>
#include <sqlext.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr SQLULEN Block = 1000;
constexpr SQLULEN Width = 128;

std::u16string wide(const char* utf8) {
    // The arguments are UTF-8; letters outside ASCII take two or three bytes.
    std::u16string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p;) {
        char32_t c = *p++;
        if (c >= 0xE0) {
            c = ((c & 0x0F) << 12) | ((p[0] & 0x3F) << 6) | (p[1] & 0x3F);
            p += 2;
        } else if (c >= 0xC0) {
            c = ((c & 0x1F) << 6) | (p[0] & 0x3F);
            p += 1;
        }
        out.push_back(char16_t(c));
    }
    return out;
}

void fail(SQLSMALLINT type, SQLHANDLE handle, const char* what) {
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLGetDiagRecA(type, handle, 1, state, &native, text, sizeof text, &length);
    std::fprintf(stderr, "floor_odbc_read: %s: %s %s\n", what, state, text);
    std::exit(1);
}

// The process's CPU time, which a busy machine does not inflate as it does the wall clock.
double cpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: floor_odbc_read SQL ARG1 ARG2 ... REPEATS\n");
        return 2;
    }
    std::u16string sql = wide(argv[1]);
    std::vector<std::u16string> arguments;
    for (int i = 2; i < argc - 1; ++i)
        arguments.push_back(wide(argv[i]));
    const int repeats = std::atoi(argv[argc - 1]);

    SQLHENV env = nullptr;
    SQLHDBC dbc = nullptr;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, SQLPOINTER(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    SQLCHAR connect[] = "DSN=MabZet;UID=kiro;PWD=qdxw;";
    if (!SQL_SUCCEEDED(SQLDriverConnectA(dbc, nullptr, connect, SQL_NTS, nullptr, 0, nullptr,
                                         SQL_DRIVER_NOPROMPT)))
        fail(SQL_HANDLE_DBC, dbc, "connect");

    for (int round = 0; round < repeats; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const double startCpu = cpuMs();
        SQLHSTMT stmt = nullptr;
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, SQLPOINTER(Block), 0);
        SQLULEN fetched = 0;
        SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0);
        if (!SQL_SUCCEEDED(SQLPrepareW(stmt, reinterpret_cast<SQLWCHAR*>(sql.data()), SQL_NTS)))
            fail(SQL_HANDLE_STMT, stmt, "prepare");
        std::vector<SQLLEN> argumentLength(arguments.size());
        for (size_t i = 0; i < arguments.size(); ++i) {
            argumentLength[i] = SQLLEN(arguments[i].size() * 2);
            SQLBindParameter(stmt, SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                             arguments[i].size() * 2, 0, arguments[i].data(), argumentLength[i],
                             &argumentLength[i]);
        }
        if (!SQL_SUCCEEDED(SQLExecute(stmt)))
            fail(SQL_HANDLE_STMT, stmt, "execute");
        // Each column bound as what it is: integers as integers, texts as UTF-16 as wide as
        // the driver declares them (at most Width).
        SQLSMALLINT columns = 0;
        SQLNumResultCols(stmt, &columns);
        const size_t count = size_t(columns);
        std::vector<std::vector<char16_t>> buffers(count);
        std::vector<std::vector<long long>> numbers(count);
        std::vector<std::vector<SQLLEN>> indicators(count, std::vector<SQLLEN>(Block));
        for (SQLSMALLINT c = 0; c < columns; ++c) {
            SQLSMALLINT type = 0;
            SQLULEN size = 0;
            if (!describeResultColumn(stmt, SQLUSMALLINT(c + 1), type, size))
                fail(SQL_HANDLE_STMT, stmt, "describe");
            if (type == SQL_INTEGER || type == SQL_SMALLINT || type == SQL_BIGINT) {
                numbers[c].resize(Block);
                SQLBindCol(stmt, SQLUSMALLINT(c + 1), SQL_C_SBIGINT, numbers[c].data(), 8,
                           indicators[c].data());
            } else {
                const SQLULEN width = size > 0 && size < Width ? size + 1 : Width;
                buffers[c].resize(Block * width);
                SQLBindCol(stmt, SQLUSMALLINT(c + 1), SQL_C_WCHAR, buffers[c].data(),
                           SQLLEN(width * 2), indicators[c].data());
            }
        }
        long rows = 0;
        SQLRETURN r;
        while (SQL_SUCCEEDED(r = SQLFetch(stmt)))
            rows += long(fetched);
        if (r != SQL_NO_DATA)
            fail(SQL_HANDLE_STMT, stmt, "fetch");
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        std::printf("%.3f %ld %.3f\n", took.count(), rows, cpuMs() - startCpu);
    }
    SQLEndTran(SQL_HANDLE_DBC, dbc, SQL_ROLLBACK);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return 0;
}
