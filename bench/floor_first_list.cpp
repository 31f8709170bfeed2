// The floor of start-up for a program that must show its first list: a bare Qt program with a
// five-page tab widget that connects to MabZet through the ODBC API with the program's own
// connect string, reads the list query in blocks of 1,000 rows (columns bound as UTF-16) into
// a list view on the second page, as the program holds its "A" list there, and shows the window.
//     floor_first_list "SELECT ... ? ... ?" ARG1 ARG2
// It prints "exposed" once its window is on the screen, "shown" once its first frame is painted,
// "answered" and "settled", and "built" with its longest turn of the event loop, as the program
// does (bench/support/first_frame.h), then quits; the caller times it.
#include "bench/support/first_frame.h"
#include "runtime/core/odbc_describe.h"
#include <QAbstractTableModel>

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>

#include <sql.h>
#include <sqlext.h>

#include <cstdio>
#include <vector>

namespace {

constexpr SQLULEN Block = 1000;
constexpr SQLULEN Width = 128;

// Every row of the list, column by column: texts as QString, integers as integers.
class ListModel : public QAbstractTableModel {
public:
    std::vector<QStringList> texts;
    std::vector<std::vector<qint64>> numbers;
    std::vector<bool> isNumber;
    int rows = 0;

    int rowCount(const QModelIndex& = {}) const override { return rows; }
    int columnCount(const QModelIndex& = {}) const override { return int(isNumber.size()); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole)
            return {};
        const size_t column = size_t(index.column());
        if (isNumber[column])
            return numbers[column][size_t(index.row())];
        return texts[column].at(index.row());
    }
};

void fail(SQLSMALLINT type, SQLHANDLE handle, const char* what) {
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLGetDiagRecA(type, handle, 1, state, &native, text, sizeof text, &length);
    std::fprintf(stderr, "floor_first_list: %s: %s %s\n", what, state, text);
    std::exit(1);
}

// Reads the query to its end into the model.
void readList(SQLHDBC dbc, const QString& query, const QString (&arguments)[2], ListModel& model) {
    SQLHSTMT stmt = nullptr;
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
    SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, SQLPOINTER(Block), 0);
    SQLULEN fetched = 0;
    SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0);
    std::u16string sql = query.toStdU16String();
    if (!SQL_SUCCEEDED(SQLPrepareW(stmt, reinterpret_cast<SQLWCHAR*>(sql.data()), SQL_NTS)))
        fail(SQL_HANDLE_STMT, stmt, "prepare");
    std::u16string values[2] = {arguments[0].toStdU16String(), arguments[1].toStdU16String()};
    SQLLEN valueLength[2];
    for (int i = 0; i < 2; ++i) {
        valueLength[i] = SQLLEN(values[i].size() * 2);
        SQLBindParameter(stmt, SQLUSMALLINT(i + 1), SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                         values[i].size() * 2, 0, values[i].data(), valueLength[i],
                         &valueLength[i]);
    }
    if (!SQL_SUCCEEDED(SQLExecute(stmt)))
        fail(SQL_HANDLE_STMT, stmt, "execute");

    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    const size_t count = size_t(columns);
    model.texts.resize(count);
    model.numbers.resize(count);
    model.isNumber.resize(count);
    std::vector<std::vector<char16_t>> buffers(count);
    std::vector<std::vector<long long>> numbers(count);
    std::vector<SQLULEN> widths(count);
    std::vector<std::vector<SQLLEN>> indicators(count, std::vector<SQLLEN>(Block));
    for (SQLSMALLINT c = 0; c < columns; ++c) {
        SQLSMALLINT type = 0;
        SQLULEN size = 0;
        if (!describeResultColumn(stmt, SQLUSMALLINT(c + 1), type, size))
            fail(SQL_HANDLE_STMT, stmt, "describe");
        model.isNumber[c] = type == SQL_INTEGER || type == SQL_SMALLINT || type == SQL_BIGINT;
        if (model.isNumber[c]) {
            numbers[c].resize(Block);
            SQLBindCol(stmt, SQLUSMALLINT(c + 1), SQL_C_SBIGINT, numbers[c].data(), 8,
                       indicators[c].data());
        } else {
            widths[c] = size > 0 && size < Width ? size + 1 : Width;
            buffers[c].resize(Block * widths[c]);
            SQLBindCol(stmt, SQLUSMALLINT(c + 1), SQL_C_WCHAR, buffers[c].data(),
                       SQLLEN(widths[c] * 2), indicators[c].data());
        }
    }
    SQLRETURN r;
    while (SQL_SUCCEEDED(r = SQLFetch(stmt))) {
        for (size_t c = 0; c < count; ++c)
            for (SQLULEN row = 0; row < fetched; ++row) {
                const SQLLEN length = indicators[c][row];
                if (model.isNumber[c]) {
                    model.numbers[c].push_back(length == SQL_NULL_DATA ? 0 : numbers[c][row]);
                } else {
                    const char16_t* text = buffers[c].data() + row * widths[c];
                    model.texts[c].append(length == SQL_NULL_DATA
                                              ? QString()
                                              : QString::fromUtf16(text, qsizetype(length / 2)));
                }
            }
        model.rows += int(fetched);
    }
    if (r != SQL_NO_DATA)
        fail(SQL_HANDLE_STMT, stmt, "fetch");
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: floor_first_list SQL ARG1 ARG2\n");
        return 2;
    }
    QApplication application(argc, argv);
    FirstFrame frame;
    const QStringList arguments = QApplication::arguments();

    SQLHENV env = nullptr;
    SQLHDBC dbc = nullptr;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, SQLPOINTER(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    SQLCHAR connect[] = "DSN=MabZet;UID=kiro;PWD=qdxw;";
    if (!SQL_SUCCEEDED(SQLDriverConnectA(dbc, nullptr, connect, SQL_NTS, nullptr, 0, nullptr,
                                         SQL_DRIVER_NOPROMPT)))
        fail(SQL_HANDLE_DBC, dbc, "connect");

    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    auto* model = new ListModel;
    readList(dbc, arguments.at(1), {arguments.at(2), arguments.at(3)}, *model);
    for (const char* page : {"PRIJEM", "ADRESAR", "ZAKAZIVANJE", "LAB. ANALIZE", "PRETRAŽIVANJE"})
        tabs->addTab(new QWidget, QString::fromUtf8(page));
    auto* list = new QTableView(tabs->widget(1));
    list->setModel(model);
    model->setParent(list);
    list->setGeometry(0, 0, 400, 300);
    window.setCentralWidget(tabs);
    window.resize(808, 581);
    window.show();
    if (!frame.wait(60000))
        return 1;
    QApplication::processEvents();
    std::printf("settled\n");
    std::fflush(stdout);
    if (!frame.waitUntilBuilt(60000)) // nothing to build: until the posted event is answered
        return 1;

    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return 0;
}
