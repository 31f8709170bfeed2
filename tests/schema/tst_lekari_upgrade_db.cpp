// A database with bookings from before the practice had a list of doctors, brought forward by the
// newest step: one doctor, every booking that doctor's, booked, at its first version, and the slot
// unique per doctor from then on.
#include "tests/support/test_data_source.h"

#include <QRegularExpression>
#include <QTest>

class TestLekariUpgrade : public QObject {
    Q_OBJECT

    TestDataSource m_db;

private slots:
    void existingBookingsBelongToTheFirstDoctor() {
        QVERIFY2(m_db.provision(TestDataSource::Contents::Empty), qPrintable(m_db.errorString()));
        const QStringList steps = schemaSteps(m_db.engine());
        const qsizetype doktori =
            steps.indexOf(QRegularExpression(QStringLiteral(".*/\\d{3}-lekari\\.sql$")));
        QVERIFY(doktori > 0);
        QVERIFY(m_db.runScript(QStringLiteral("db/schema_version.sql")));
        for (qsizetype i = 0; i < doktori; ++i)
            QVERIFY2(m_db.runScript(steps.at(i)), qPrintable(m_db.lastError()));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) VALUES "
                                         "(1, 'Ana', 'Petrović')")));
        QVERIFY(
            m_db.exec(QStringLiteral("INSERT INTO zakazivanje (datum, vreme, opis, rbr_adresar) "
                                     "VALUES (?, ?, 'kontrola', 1), (?, ?, NULL, NULL)"),
                      {QDate(2019, 5, 6), QTime(9, 30), QDate(2027, 1, 4), QTime(7, 0)}));

        QVERIFY2(m_db.runScript(steps.at(doktori)), qPrintable(m_db.lastError()));
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM lekar")).toInt(), 1);
        const int prvi = m_db.scalar(QStringLiteral("SELECT MIN(rbr) FROM lekar")).toInt();
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"),
                            QStringLiteral("rbr_lekar = ? AND status = 'zakazan' AND verzija = 1 "
                                           "AND pacijent IS NULL"),
                            {prvi}),
                 2);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"),
                            QStringLiteral("rbr_adresar = 1 AND opis = 'kontrola' AND datum = ?"),
                            {QDate(2019, 5, 6)}),
                 1);
        // A second doctor may now see a patient at the same time; the first may not twice.
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO lekar (naziv) VALUES ('dr Drugi')")));
        const QString slot =
            QStringLiteral("INSERT INTO zakazivanje (rbr_lekar, datum, vreme) VALUES (?, ?, ?)");
        QVERIFY(m_db.exec(slot, {prvi + 1, QDate(2027, 1, 4), QTime(7, 0)}));
        QVERIFY(!m_db.exec(slot, {prvi, QDate(2027, 1, 4), QTime(7, 0)}));
    }
};

QTEST_GUILESS_MAIN(TestLekariUpgrade)
#include "tst_lekari_upgrade_db.moc"
