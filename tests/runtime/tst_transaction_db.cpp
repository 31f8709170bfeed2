// The transaction object and the dynamic cursor against a real data source: AutoCommit stays
// off for the whole session, failures carry the database's text, and a failed statement does not
// spoil the connection.
#include "app/mab_oru.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/core/transaction.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

namespace {
// Writes go to adresar, the one table the program's login may write on PostgreSQL.
const QString InsertEntry =
    QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) VALUES (?, ?, 'Proba')");
} // namespace

class TestTransaction : public QObject {
    Q_OBJECT

    TestDataSource m_db;

    std::unique_ptr<Transaction> connected() {
        auto transaction = std::make_unique<Transaction>();
        transaction->dbms = QStringLiteral("ODBC");
        transaction->autocommit = false;
        transaction->dbparm = mab_oru::DBParm;
        transaction->connect();
        return transaction;
    }

    int entryCount(int rbr) {
        return m_db.count(QStringLiteral("adresar"), QStringLiteral("rbr = ?"), {rbr});
    }

private slots:
    void initTestCase() { QVERIFY2(m_db.provision(), qPrintable(m_db.errorString())); }

    void connectReportsSuccessAndFailure() {
        Transaction transaction;
        transaction.autocommit = false;
        transaction.dbparm = mab_oru::DBParm;
        QCOMPARE(transaction.connect().sqlcode, 0);
        QVERIFY(transaction.isConnected());

        Transaction missing;
        missing.dbparm = QString(mab_oru::DBParm)
                             .replace(QLatin1String("MabZet"), QLatin1String("NoSuchSource"));
        const Result<> connected = missing.connect();
        QVERIFY(connected.sqlcode < 0);
        QVERIFY(!connected.sqlerrtext.isEmpty());
        // Statements on a connection that never opened fail with a text, they do not crash.
        const Result<> written = missing.execute(InsertEntry, {90, QStringLiteral("x")});
        QVERIFY(written.sqlcode < 0);
        QVERIFY(!written.sqlerrtext.isEmpty());
        const Result<std::optional<QVariantList>> read =
            missing.selectInto(QStringLiteral("SELECT 1"));
        QVERIFY(!read.value.has_value());
        QVERIFY(read.sqlcode < 0);
    }

    void committedWriteIsVisibleToAnotherConnection() {
        auto transaction = connected();
        QCOMPARE(transaction->execute(InsertEntry, {10, QStringLiteral("Prva")}).sqlcode, 0);
        QCOMPARE(transaction->commit().sqlcode, 0);
        QCOMPARE(entryCount(10), 1);
    }

    void autoCommitStaysOffAfterCommit() {
        {
            auto transaction = connected();
            transaction->execute(InsertEntry, {11, QStringLiteral("Druga")});
            QCOMPARE(transaction->commit().sqlcode, 0);
            // A write after the COMMIT but without a COMMIT of its own.
            QCOMPARE(transaction->execute(InsertEntry, {12, QStringLiteral("Treća")}).sqlcode, 0);
            QCOMPARE(transaction->execute(QStringLiteral("DELETE FROM adresar WHERE rbr = ?"), {11})
                         .sqlcode,
                     0);
        } // the connection ends here without a COMMIT
        QCOMPARE(entryCount(11), 1);
        QCOMPARE(entryCount(12), 0);
    }

    void selectIntoCodes() {
        auto transaction = connected();
        auto row =
            transaction->selectInto(QStringLiteral("SELECT naziv FROM status WHERE rbr = ?"), {1});
        QCOMPARE(row.sqlcode, 0);
        QVERIFY(row.value.has_value());
        QCOMPARE(row.value->value(0).toString(), QStringLiteral("Pacijent"));

        row = transaction->selectInto(QStringLiteral("SELECT naziv FROM status WHERE rbr = ?"),
                                      {999});
        QCOMPARE(row.sqlcode, 100);
        QVERIFY(!row.value.has_value());

        // MAX over no rows is one row holding NULL.
        row = transaction->selectInto(QStringLiteral("SELECT MAX(rbr) FROM adresar WHERE rbr < 0"));
        QCOMPARE(row.sqlcode, 0);
        QVERIFY(row.value->value(0).isNull());
    }

    void failedStatementLeavesConnectionUsable() {
        QVERIFY2(m_db.exec(InsertEntry, {20, QStringLiteral("Postojeći")}),
                 qPrintable(m_db.lastError()));
        auto transaction = connected();
        const Result<> duplicate =
            transaction->execute(InsertEntry, {20, QStringLiteral("Duplikat ključa")});
        QVERIFY(duplicate.sqlcode < 0);
        QVERIFY(!duplicate.sqlerrtext.isEmpty());
        QVERIFY(transaction->execute(QStringLiteral("SELECT * FROM no_such_table")).sqlcode < 0);

        QCOMPARE(transaction->execute(InsertEntry, {13, QStringLiteral("Posle greške")}).sqlcode,
                 0);
        QCOMPARE(transaction->commit().sqlcode, 0);
        QCOMPARE(entryCount(13), 1);
    }

    // How each engine's refusal comes back at the call: a negative code, the database's own words
    // (a fragment of each engine's wording), no rows counted, and the statement as not run. The
    // runtime's own refusals read alike on both.
    void failuresOfBothEngines_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("inputs");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<QString>("postgresql");
        const QString insert = QStringLiteral(
            "INSERT INTO adresar (rbr, ime, prezime, mbr) VALUES (?, ?, 'Proba', ?)");
        QTest::newRow("key taken") << "execute" << insert << QVariantList{30, "Drugi", nullText()}
                                   << "UNIQUE constraint failed: adresar.rbr"
                                   << "duplicate key value violates unique constraint";
        QTest::newRow("identity number taken")
            << "execute" << insert << QVariantList{31, "Drugi", "3030303030303"}
            << "UNIQUE constraint failed: adresar.mbr"
            << "duplicate key value violates unique constraint";
        QTest::newRow("name missing")
            << "execute"
            << "INSERT INTO adresar (rbr, prezime) VALUES (?, 'Proba')" << QVariantList{32}
            << "NOT NULL constraint failed: adresar.ime"
            << "null value in column \"ime\"";
        QTest::newRow("not a statement")
            << "execute"
            << "UPDATE adresar SET WHERE rbr = ?" << QVariantList{30} << "syntax error"
            << "syntax error";
        QTest::newRow("column unknown, one row") << "selectInto"
                                                 << "SELECT nema FROM adresar WHERE rbr = ?"
                                                 << QVariantList{30} << "no such column: nema"
                                                 << "column \"nema\" does not exist";
        QTest::newRow("table unknown, rows")
            << "readResult"
            << "SELECT ime FROM nema" << QVariantList() << "no such table: nema"
            << "relation \"nema\" does not exist";
        QTest::newRow("no connection")
            << "unconnected"
            << "SELECT ime FROM adresar" << QVariantList() << "Nema veze sa bazom podataka"
            << "Nema veze sa bazom podataka";
    }
    void failuresOfBothEngines() {
        QFETCH(QString, call);
        QFETCH(QString, sql);
        QFETCH(QVariantList, inputs);
        QFETCH(QString, sqlite);
        QFETCH(QString, postgresql);
        if (entryCount(30) == 0)
            QVERIFY2(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr) "
                                              "VALUES (30, 'Prvi', 'Proba', '3030303030303')")),
                     qPrintable(m_db.lastError()));
        auto transaction = connected();
        Transaction unconnected;
        Result<> outcome;
        if (call == QLatin1String("execute"))
            outcome = transaction->execute(sql, inputs);
        else if (call == QLatin1String("selectInto"))
            outcome = transaction->selectInto(sql, inputs);
        else if (call == QLatin1String("readResult"))
            outcome = readResult(*transaction, sql, inputs);
        else
            outcome = readResult(unconnected, sql, inputs);
        const QString& words =
            m_db.engine() == TestDataSource::Engine::SQLite ? sqlite : postgresql;
        QVERIFY(outcome.sqlcode < 0);
        QVERIFY2(outcome.sqlerrtext.contains(words), qPrintable(outcome.sqlerrtext));
        QCOMPARE(outcome.sqlnrows, 0);
        QCOMPARE(outcome.stage, Result<>::Stage::OpenFailed);
        // Nothing of it stays behind: the next statement on the connection reads its own outcome.
        const auto row =
            transaction->selectInto(QStringLiteral("SELECT ime FROM adresar WHERE rbr = ?"), {30});
        QCOMPARE(row.sqlcode, 0);
        QVERIFY(row.sqlerrtext.isEmpty());
        QCOMPARE(row.value->value(0).toString(), QStringLiteral("Prvi"));
    }

    void boundTextIsNeverSql() {
        auto transaction = connected();
        const QString hostile = QStringLiteral("O'Brien', 'x'); DELETE FROM adresar; --");
        QCOMPARE(transaction->execute(InsertEntry, {14, hostile}).sqlcode, 0);
        transaction->commit();
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT ime FROM adresar WHERE rbr = 14")).toString(),
                 hostile);
        QCOMPARE(entryCount(20), 1);
    }

    void typedNullsAndUnicodeRoundTrip() {
        auto transaction = connected();
        const QString name = QStringLiteral("Đorđević Živković Čolić ćšž");
        QCOMPARE(transaction
                     ->execute(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, s_slovo, "
                                              "pol) VALUES (?, ?, ?, ?, ?)"),
                               {1, name, QStringLiteral("X"), nullText(), nullInteger()})
                     .sqlcode,
                 0);
        transaction->commit();
        const auto row = transaction->selectInto(
            QStringLiteral("SELECT ime, s_slovo, pol FROM adresar WHERE rbr = ?"), {1});
        QVERIFY(row.value.has_value());
        QCOMPARE(row.value->value(0).toString(), name);
        QVERIFY(row.value->value(1).isNull());
        QVERIFY(row.value->value(2).isNull());
    }

    void dynamicCursorFetchesUntilNotFound() {
        auto transaction = connected();
        DynamicStagingArea sqlsa;
        DynamicCursor cursor;
        sqlsa.prepare(QStringLiteral("SELECT rbr, naziv FROM status WHERE rbr <= 3 ORDER BY rbr"),
                      *transaction);
        cursor.declare(sqlsa);
        QCOMPARE(cursor.open().sqlcode, 0);
        QStringList names;
        QVariantList row;
        Result<> fetched;
        for (fetched = cursor.fetch(row); fetched.sqlcode == 0; fetched = cursor.fetch(row))
            names << row.value(1).toString();
        QCOMPARE(fetched.sqlcode, 100);
        QCOMPARE(names, (QStringList{"Pacijent", "Saradnik", "Dobavljač"}));
        cursor.close();

        // Opening a bad statement reports the database's text; fetching then fails too.
        sqlsa.prepare(QStringLiteral("SELECT nothing FROM nowhere"), *transaction);
        cursor.declare(sqlsa);
        const Result<> opened = cursor.open();
        QVERIFY(opened.sqlcode < 0);
        QVERIFY(!opened.sqlerrtext.isEmpty());
        QVERIFY(cursor.fetch(row).sqlcode < 0);
    }
};

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction_db.moc"
