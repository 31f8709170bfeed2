// The block reader against the plain cursor on a real data source: for a few thousand rows with
// Serbian letters, empty texts, NULLs and texts wider than any first buffer, both give the same
// rows, values, types and NULLs, and a read that fails half-way gives the same message.
#include "app/mab_oru.h"
#include "runtime/core/background_read.h"
#include "runtime/core/block_reader.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/core/result_columns.h"
#include "runtime/core/transaction.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr int RowCount = 3000;

const QStringList Names = {QStringLiteral("Čedomir"), QStringLiteral("Ćirilo"),
                           QStringLiteral("Džemal"),  QStringLiteral("Đorđe"),
                           QStringLiteral("Ljubica"), QStringLiteral("Njegoš"),
                           QStringLiteral("Šćepan"),  QStringLiteral("Žarko"),
                           QStringLiteral("Ana"),     QString(QLatin1String(""))};

// Row i's note: NULL, empty, short, or (now and then) far wider than a first buffer.
QVariant note(int i) {
    if (i % 7 == 0)
        return nullText();
    if (i % 7 == 1)
        return QString(QLatin1String(""));
    const int length = i == 1777 ? 5000 : i % 500 == 3 ? 300 : i % 40;
    return QStringLiteral("šđčćž ").repeated(length / 6 + 1).left(length) + QString::number(i);
}

struct Plain {
    QList<QVariantList> rows;
    int sqlcode = 0;
    QString error;
};

} // namespace

class TestBlockReader : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_sqlca;

    Plain readPlain(const QString& sql, const QVariantList& inputs) {
        Plain result;
        DynamicStagingArea staging;
        staging.prepare(sql, *m_sqlca);
        DynamicCursor cursor;
        cursor.declare(staging);
        Result<> step = cursor.open(inputs);
        QVariantList row;
        while (step.sqlcode == 0) {
            step = cursor.fetch(row);
            if (step.sqlcode == 0)
                result.rows << row;
        }
        result.sqlcode = step.sqlcode;
        result.error = step.sqlerrtext;
        cursor.close();
        return result;
    }

    // Row 2500 cannot be computed; the rows before it read fine.
    QString failingHalfWay() const {
        const QString failing = m_db.engine() == TestDataSource::Engine::SQLite
                                    ? QStringLiteral("abs(-9223372036854775807 - 1)")
                                    : QStringLiteral("1 / (id - 2500)");
        return QStringLiteral("SELECT id, CASE WHEN id = 2500 THEN %1 ELSE id END AS vrednost "
                              "FROM proba ORDER BY id")
            .arg(failing);
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(TestDataSource::Contents::Schema), qPrintable(m_db.errorString()));
        QVERIFY2(m_db.exec(QStringLiteral("CREATE TABLE proba (id INTEGER NOT NULL, "
                                          "ime VARCHAR(20), napomena TEXT, broj SMALLINT, "
                                          "veliki BIGINT)")),
                 qPrintable(m_db.lastError()));
        // On PostgreSQL the program's login reads and writes only what it was granted.
        if (m_db.engine() == TestDataSource::Engine::PostgreSQL)
            QVERIFY2(m_db.exec(QStringLiteral("GRANT SELECT, INSERT ON proba TO kiro")),
                     qPrintable(m_db.lastError()));
        QVERIFY(m_db.verifier().transaction());
        for (int i = 1; i <= RowCount; ++i) {
            const QString name = Names.at(i % Names.size());
            QVERIFY2(m_db.exec(QStringLiteral("INSERT INTO proba VALUES (?, ?, ?, ?, ?)"),
                               {i, i % 13 == 0 ? nullText() : QVariant(name), note(i),
                                i % 11 == 0 ? nullInteger() : QVariant(i % 300 - 150),
                                i % 17 == 0 ? QVariant(QMetaType::fromType<qlonglong>())
                                            : QVariant(qlonglong(i) * 100000000000LL)}),
                     qPrintable(m_db.lastError()));
        }
        QVERIFY(m_db.verifier().commit());
        // Texts around the widths a first buffer holds, in UTF-16 units and in UTF-8 bytes.
        QVERIFY2(m_db.exec(QStringLiteral(
                     "CREATE TABLE znakovi (id INTEGER NOT NULL, tekst TEXT, kratak VARCHAR(5))")),
                 qPrintable(m_db.lastError()));
        if (m_db.engine() == TestDataSource::Engine::PostgreSQL)
            QVERIFY(m_db.exec(QStringLiteral("GRANT SELECT ON znakovi TO kiro")));
        const QString a = QStringLiteral("a"), zh = QStringLiteral("ž");
        const QList<QVariantList> znakovi = {
            {1, QStringLiteral("Ana"), QStringLiteral("€€€€€")},
            {2, a.repeated(255), QString::fromUtf16(u"\U0001D11E").repeated(5)},
            {4, zh.repeated(128), QStringLiteral("ŠĐČĆŽ")},
            {5, zh.repeated(127) + a, QString(QLatin1String(""))},
            {6, QString::fromUtf16(u"početak \U0001D11E ključ"), QStringLiteral("ab")},
            {7, a.repeated(600) + QStringLiteral("š"), a}};
        for (const QVariantList& red : znakovi)
            QVERIFY2(m_db.exec(QStringLiteral("INSERT INTO znakovi VALUES (?, ?, ?)"), red),
                     qPrintable(m_db.lastError()));

        m_sqlca = std::make_unique<Transaction>();
        m_sqlca->autocommit = false;
        m_sqlca->dbparm = mab_oru::DBParm;
        QCOMPARE(m_sqlca->connect().sqlcode, 0);
    }

    void sameRowsAsThePlainCursor_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("inputs");
        QTest::addColumn<int>("expectedRows");
        const QString all = QStringLiteral("SELECT id, ime, napomena, broj, veliki FROM proba");
        QTest::newRow("every row")
            << all + QStringLiteral(" ORDER BY id") << QVariantList() << RowCount;
        QTest::newRow("a letter as parameter")
            << all + QStringLiteral(" WHERE ime LIKE ? ORDER BY id")
            << QVariantList{QStringLiteral("Đ%")} << 277;
        QTest::newRow("text and number parameters")
            << all + QStringLiteral(" WHERE napomena LIKE ? AND id > ? ORDER BY id")
            << QVariantList{QStringLiteral("šđ%"), 2900} << 69;
        // On SQLite the values are written into the statement (see sqliteStatementWithLiterals):
        // a quote or a mark in a text must stay part of that text. Ids 1-100 less NULL names
        // (every 13th) and NULL notes (every 7th), 91 being both.
        QTest::newRow("texts with quotes and marks")
            << all +
                   QStringLiteral(" WHERE ime <> ? AND napomena NOT LIKE ? AND id <= ? ORDER BY id")
            << QVariantList{QStringLiteral("x' OR '1'='1"), QStringLiteral("%?{d%"), 100} << 80;
        QTest::newRow("no row") << all + QStringLiteral(" WHERE id < 0") << QVariantList() << 0;
        QTest::newRow("the list's own join")
            << QStringLiteral("SELECT p.ime, p.napomena, p.id FROM proba p INNER JOIN proba q "
                              "ON q.id = p.id + 1 WHERE p.id <= ? ORDER BY p.id")
            << QVariantList{2500} << 2500;
        QTest::newRow("texts at and past a first buffer's width")
            << QStringLiteral("SELECT id, tekst, kratak FROM znakovi WHERE id > ? ORDER BY id")
            << QVariantList{0} << 6;
    }

    void sameRowsAsThePlainCursor() {
        QFETCH(QString, sql);
        QFETCH(QVariantList, inputs);
        QFETCH(int, expectedRows);

        const Plain plain = readPlain(sql, inputs);
        QCOMPARE(plain.sqlcode, 100);
        QCOMPARE(plain.rows.size(), expectedRows);

        // The program's row loop reads in blocks now and must hand over the very same rows.
        QList<QVariantList> looped;
        DynamicStagingArea staging;
        DynamicCursor cursor;
        const Result<> outcome = readRows(cursor, staging, *m_sqlca, sql, inputs, nullptr,
                                          [&looped](const QVariantList& row) { looped << row; });
        QCOMPARE(outcome.sqlcode, 100);
        QCOMPARE(looped, plain.rows);

        ResultColumns fast;
        const Result<BlockRead> read = readInBlocks(*m_sqlca, sql, inputs, fast);
        QCOMPARE(read.value, BlockRead::Read);
        QCOMPARE(read.sqlcode, 100);
        QCOMPARE(fast.rowCount(), plain.rows.size());
        for (qsizetype row = 0; row < plain.rows.size(); ++row) {
            const QVariantList& expected = plain.rows.at(row);
            QCOMPARE(fast.columnCount(), expected.size());
            for (int column = 0; column < expected.size(); ++column) {
                const QVariant got = fast.value(row, column);
                const QByteArray where = QByteArray("row ") + QByteArray::number(row) +
                                         ", column " + QByteArray::number(column);
                QVERIFY2(got.metaType() == expected.at(column).metaType(), where);
                QVERIFY2(got.isNull() == expected.at(column).isNull(), where);
                QVERIFY2(got == expected.at(column), where);
            }
        }
    }

    void seesTheConnectionsUncommittedWrite() {
        // A read of a unit that holds no writes may run between two units of work; the unit
        // after it must still hold the write below until the rollback.
        ResultColumns before;
        QCOMPARE(
            readInBlocks(*m_sqlca, QStringLiteral("SELECT id FROM proba WHERE id = ?"), {1}, before)
                .value,
            BlockRead::Read);
        QCOMPARE(before.rowCount(), 1);
        QCOMPARE(m_sqlca
                     ->execute(QStringLiteral("INSERT INTO proba (id, ime) VALUES (?, ?)"),
                               {RowCount + 1, QStringLiteral("Nikola Đurić")})
                     .sqlcode,
                 0);
        ResultColumns fast;
        QCOMPARE(readInBlocks(*m_sqlca, QStringLiteral("SELECT ime FROM proba WHERE id = ?"),
                              {RowCount + 1}, fast)
                     .value,
                 BlockRead::Read);
        QCOMPARE(fast.rowCount(), 1);
        QCOMPARE(fast.text(0, 0), QStringLiteral("Nikola Đurić"));
        m_sqlca->rollback();
        QCOMPARE(m_db.count(QStringLiteral("proba")), RowCount);
    }

    void failureHalfWayGivesTheSameMessage() {
        const QString sql = failingHalfWay();
        const Plain plain = readPlain(sql, {});
        QVERIFY(plain.sqlcode < 0);
        QVERIFY(!plain.error.isEmpty());

        ResultColumns fast;
        const Result<BlockRead> read = readInBlocks(*m_sqlca, sql, {}, fast);
        QCOMPARE(read.value, BlockRead::Failed);
        QVERIFY(read.sqlcode < 0);
        QCOMPARE(read.sqlerrtext, plain.error);
        QCOMPARE(fast.rowCount(), 0);

        // The cursor loop hands over the rows before the failure, as the cursor always did.
        DynamicStagingArea staging;
        DynamicCursor cursor;
        qsizetype handed = 0;
        const Result<> outcome = readRows(cursor, staging, *m_sqlca, sql, {}, nullptr,
                                          [&handed](const QVariantList&) { ++handed; });
        QCOMPARE(outcome.sqlerrtext, plain.error);
        QCOMPARE(handed, plain.rows.size());

        // The connection goes on working after the failure.
        QCOMPARE(
            readInBlocks(*m_sqlca, QStringLiteral("SELECT COUNT(*) FROM proba"), {}, fast).value,
            BlockRead::Read);
        QCOMPARE(fast.value(0, 0).toInt(), RowCount);
    }

    void aReadOnAThreadOfItsOwn() {
        const QString sql = QStringLiteral("SELECT id, ime, napomena FROM proba ORDER BY id");
        const Result<ResultColumns> here = readResult(*m_sqlca, sql);
        Result<ResultColumns> there = BackgroundRead(*m_sqlca, sql).result();
        QCOMPARE(there.value.rowCount(), RowCount);
        QCOMPARE(there.sqlcode, here.sqlcode);
        for (const int row : {0, 1776, RowCount - 1})
            for (int column = 0; column < 3; ++column)
                QCOMPARE(there.value.value(row, column), here.value.value(row, column));

        // A failure there is reported as here, and the connection goes on working.
        const QString failing = failingHalfWay();
        const Plain plain = readPlain(failing, {});
        there = BackgroundRead(*m_sqlca, failing).result();
        QCOMPARE(there.sqlerrtext, plain.error);
        QCOMPARE(there.value.rowCount(), plain.rows.size());
        QCOMPARE(
            readResult(*m_sqlca, QStringLiteral("SELECT COUNT(*) FROM proba")).value.value(0, 0),
            QVariant(RowCount));
    }

    // While a read runs on a thread of its own, the connection is that thread's alone: every other
    // way in is refused at once with a failure, and none of it reaches the database.
    void aConnectionLentToAReadRefusesEveryOtherUse() {
        const QString sql = QStringLiteral("SELECT id, ime, napomena FROM proba ORDER BY id");
        const QVariantList late{RowCount + 2, QStringLiteral("Kasni")};
        const QString insert = QStringLiteral("INSERT INTO proba (id, ime) VALUES (?, ?)");
        const QList<std::pair<const char*, std::function<Result<>()>>> uses{
            {"a write", [&] { return m_sqlca->execute(insert, late); }},
            {"a singleton select", [&] { return m_sqlca->selectInto(sql).outcome(); }},
            {"a read", [&] { return readResult(*m_sqlca, sql).outcome(); }},
            {"a COMMIT", [&] { return m_sqlca->commit(); }},
            {"a cursor",
             [&] {
                 DynamicStagingArea staging;
                 staging.prepare(sql, *m_sqlca);
                 DynamicCursor cursor;
                 cursor.declare(staging);
                 return cursor.open();
             }},
            {"another read on a thread", [&] { return BackgroundRead(*m_sqlca, sql).result(); }},
        };
        BackgroundRead reading(*m_sqlca, sql);
        for (const auto& [name, use] : uses) {
            const Result<> refused = use();
            QVERIFY2(refused.failed(), name);
            QVERIFY2(refused.sqlerrtext.contains(QLatin1String("zauzeta")),
                     qPrintable(refused.sqlerrtext));
        }
        const Result<ResultColumns> read = reading.result();
        QCOMPARE(read.sqlcode, 100);
        QCOMPARE(read.value.rowCount(), RowCount);
        // Given back, the connection works as before, and the refused write was never made.
        QCOMPARE(m_sqlca->selectInto(QStringLiteral("SELECT COUNT(*) FROM proba")).value->value(0),
                 QVariant(RowCount));
    }

    void otherColumnTypesAreLeftToThePlainPath() {
        ResultColumns fast;
        QCOMPARE(readInBlocks(*m_sqlca, QStringLiteral("SELECT 1.5 FROM proba"), {}, fast).value,
                 BlockRead::Unsupported);
        QCOMPARE(fast.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBlockReader)
#include "tst_block_reader_db.moc"
