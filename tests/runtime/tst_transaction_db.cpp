// The transaction object and the dynamic cursor against a real data source: AutoCommit stays
// off for the whole session, failures carry the database's text, and a failed statement does not
// spoil the connection.
#include "app/mab_oru.h"
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
        auto transaction = connected();
        QCOMPARE(transaction->sqlcode, 0);
        QVERIFY(transaction->isConnected());

        Transaction missing;
        missing.dbparm = QString(mab_oru::DBParm)
                             .replace(QLatin1String("MabZet"), QLatin1String("NoSuchSource"));
        missing.connect();
        QVERIFY(missing.sqlcode < 0);
        QVERIFY(!missing.sqlerrtext.isEmpty());
        // Statements on a connection that never opened fail with a text, they do not crash.
        missing.execute(InsertEntry, {90, QStringLiteral("x")});
        QVERIFY(missing.sqlcode < 0);
        QVERIFY(!missing.sqlerrtext.isEmpty());
        QVERIFY(!missing.selectInto(QStringLiteral("SELECT 1")).has_value());
        QVERIFY(missing.sqlcode < 0);
    }

    void committedWriteIsVisibleToAnotherConnection() {
        auto transaction = connected();
        transaction->execute(InsertEntry, {10, QStringLiteral("Prva")});
        QCOMPARE(transaction->sqlcode, 0);
        transaction->commit();
        QCOMPARE(transaction->sqlcode, 0);
        QCOMPARE(entryCount(10), 1);
    }

    void autoCommitStaysOffAfterCommit() {
        {
            auto transaction = connected();
            transaction->execute(InsertEntry, {11, QStringLiteral("Druga")});
            transaction->commit();
            QCOMPARE(transaction->sqlcode, 0);
            // A write after the COMMIT but without a COMMIT of its own.
            transaction->execute(InsertEntry, {12, QStringLiteral("Treća")});
            QCOMPARE(transaction->sqlcode, 0);
            transaction->execute(QStringLiteral("DELETE FROM adresar WHERE rbr = ?"), {11});
            QCOMPARE(transaction->sqlcode, 0);
        } // the connection ends here without a COMMIT
        QCOMPARE(entryCount(11), 1);
        QCOMPARE(entryCount(12), 0);
    }

    void selectIntoCodes() {
        auto transaction = connected();
        auto row =
            transaction->selectInto(QStringLiteral("SELECT naziv FROM status WHERE rbr = ?"), {1});
        QCOMPARE(transaction->sqlcode, 0);
        QVERIFY(row.has_value());
        QCOMPARE(row->value(0).toString(), QStringLiteral("Pacijent"));

        row = transaction->selectInto(QStringLiteral("SELECT naziv FROM status WHERE rbr = ?"),
                                      {999});
        QCOMPARE(transaction->sqlcode, 100);
        QVERIFY(!row.has_value());

        // MAX over no rows is one row holding NULL.
        row = transaction->selectInto(QStringLiteral("SELECT MAX(rbr) FROM adresar WHERE rbr < 0"));
        QCOMPARE(transaction->sqlcode, 0);
        QVERIFY(row->value(0).isNull());
    }

    void failedStatementLeavesConnectionUsable() {
        QVERIFY2(m_db.exec(InsertEntry, {20, QStringLiteral("Postojeći")}),
                 qPrintable(m_db.lastError()));
        auto transaction = connected();
        transaction->execute(InsertEntry, {20, QStringLiteral("Duplikat ključa")});
        QVERIFY(transaction->sqlcode < 0);
        QVERIFY(!transaction->sqlerrtext.isEmpty());
        transaction->execute(QStringLiteral("SELECT * FROM no_such_table"));
        QVERIFY(transaction->sqlcode < 0);

        transaction->execute(InsertEntry, {13, QStringLiteral("Posle greške")});
        QCOMPARE(transaction->sqlcode, 0);
        transaction->commit();
        QCOMPARE(transaction->sqlcode, 0);
        QCOMPARE(entryCount(13), 1);
    }

    void boundTextIsNeverSql() {
        auto transaction = connected();
        const QString hostile = QStringLiteral("O'Brien', 'x'); DELETE FROM adresar; --");
        transaction->execute(InsertEntry, {14, hostile});
        QCOMPARE(transaction->sqlcode, 0);
        transaction->commit();
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT ime FROM adresar WHERE rbr = 14")).toString(),
                 hostile);
        QCOMPARE(entryCount(20), 1);
    }

    void typedNullsAndUnicodeRoundTrip() {
        auto transaction = connected();
        const QString name = QStringLiteral("Đorđević Živković Čolić ćšž");
        transaction->execute(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, s_slovo, pol) "
                                            "VALUES (?, ?, ?, ?, ?)"),
                             {1, name, QStringLiteral("X"), nullText(), nullInteger()});
        QCOMPARE(transaction->sqlcode, 0);
        transaction->commit();
        auto row = transaction->selectInto(
            QStringLiteral("SELECT ime, s_slovo, pol FROM adresar WHERE rbr = ?"), {1});
        QVERIFY(row.has_value());
        QCOMPARE(row->value(0).toString(), name);
        QVERIFY(row->value(1).isNull());
        QVERIFY(row->value(2).isNull());
    }

    void dynamicCursorFetchesUntilNotFound() {
        auto transaction = connected();
        DynamicStagingArea sqlsa;
        DynamicCursor cursor;
        sqlsa.prepare(QStringLiteral("SELECT rbr, naziv FROM status WHERE rbr <= 3 ORDER BY rbr"),
                      *transaction);
        cursor.declare(sqlsa);
        cursor.open();
        QCOMPARE(transaction->sqlcode, 0);
        QStringList names;
        QVariantList row;
        for (cursor.fetch(row); transaction->sqlcode == 0; cursor.fetch(row))
            names << row.value(1).toString();
        QCOMPARE(transaction->sqlcode, 100);
        QCOMPARE(names, (QStringList{"Pacijent", "Saradnik", "Dobavljač"}));
        cursor.close();

        // Opening a bad statement reports the database's text; fetching then fails too.
        sqlsa.prepare(QStringLiteral("SELECT nothing FROM nowhere"), *transaction);
        cursor.declare(sqlsa);
        cursor.open();
        QVERIFY(transaction->sqlcode < 0);
        QVERIFY(!transaction->sqlerrtext.isEmpty());
        cursor.fetch(row);
        QVERIFY(transaction->sqlcode < 0);
    }
};

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction_db.moc"
