// The schema version as the program reads it at start-up, on both engines: the version it needs is
// the newest step of both engines, and a database at any other version is named in a box that
// says what to run.
#include "app/mab_oru.h"
#include "app/schema_check.h"
#include "domain/schema/schema_sql.h"
#include "runtime/core/transaction.h"
#include "tests/support/app_fixture.h"

#include <QFileInfo>
#include <QTest>

using schema_sql::PotrebnaVerzija;
using Stanje = schema_sql::VerzijaSeme::Stanje;

class TestSchemaVersion : public QObject {
    Q_OBJECT

    AppFixture m_fixture;

    // Leaves these rows in schema_version; no rows at all drops the table, as in a database made
    // before versions were recorded.
    bool setVersions(const QList<int>& versions) {
        TestDataSource& db = m_fixture.db();
        if (versions.isEmpty())
            return db.exec(QStringLiteral("DROP TABLE schema_version"));
        if (!db.runScript(QStringLiteral("db/schema_version.sql")) ||
            (db.engine() == TestDataSource::Engine::PostgreSQL &&
             !db.runScript(QStringLiteral("db/postgresql/privileges.sql"))) ||
            !db.exec(QStringLiteral("DELETE FROM schema_version")))
            return false;
        for (int version : versions)
            if (!db.exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"),
                         {version}))
                return false;
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(m_fixture.provision()); }

    void neededVersionIsTheNewestStepOfBothEngines() {
        const QStringList sqlite = schemaSteps(TestDataSource::Engine::SQLite);
        const QStringList postgresql = schemaSteps(TestDataSource::Engine::PostgreSQL);
        QCOMPARE(sqlite.size(), PotrebnaVerzija);
        QCOMPARE(postgresql.size(), PotrebnaVerzija);
        for (int i = 0; i < PotrebnaVerzija; ++i) {
            const QString name = QFileInfo(sqlite.at(i)).fileName();
            QVERIFY2(name.startsWith(QStringLiteral("%1-").arg(i + 1, 3, 10, QLatin1Char('0'))),
                     qPrintable(name));
            QCOMPARE(QFileInfo(postgresql.at(i)).fileName(), name);
        }
    }

    void startUpNamesAnOlderDatabase() {
        QVERIFY2(setVersions({1}), qPrintable(m_fixture.db().lastError()));
        for (int i = 0; i < 5; ++i)
            m_fixture.modals().acknowledge();
        QVERIFY(m_fixture.start());
        m_fixture.stop();
        const QList<ModalSeen> seen = m_fixture.modals().seen();
        m_fixture.modals().clear();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().title, QStringLiteral("Verzija baze podataka"));
        QVERIFY2(seen.first().text.contains(
                     QStringLiteral("verzije 1, a ovaj program traži verziju %1. Zatvorite MAB i "
                                    "pokrenite scripts/upgrade-database.sh")
                         .arg(PotrebnaVerzija)),
                 qPrintable(seen.first().text));
    }

    void readsTheVersion_data() {
        QTest::addColumn<QList<int>>("versions");
        QTest::addColumn<int>("stanje");
        QTest::addColumn<int>("verzija");
        QTest::addColumn<QString>("poruka"); // a part of the start-up's text
        const int n = PotrebnaVerzija;
        QTest::newRow("needed") << QList<int>{n} << int(Stanje::Tekuca) << n << QString();
        QTest::newRow("older, every step recorded")
            << QList<int>{n - 1, 1} << int(Stanje::Starija) << n - 1
            << QStringLiteral("scripts/upgrade-database.sh");
        QTest::newRow("newer") << QList<int>{n, n + 1} << int(Stanje::Novija) << n + 1
                               << QStringLiteral("novije od verzije %1").arg(n);
        QTest::newRow("no version recorded") << QList<int>{} << int(Stanje::Neprocitana) << 0
                                             << QStringLiteral("scripts/upgrade-database.sh");
    }

    void readsTheVersion() {
        QFETCH(QList<int>, versions);
        QFETCH(int, stanje);
        QFETCH(int, verzija);
        QFETCH(QString, poruka);
        QVERIFY2(setVersions(versions), qPrintable(m_fixture.db().lastError()));
        Transaction sqlca;
        sqlca.autocommit = false;
        sqlca.dbparm = mab_oru::DBParm;
        QCOMPARE(sqlca.connect().sqlcode, 0);

        const Result<schema_sql::VerzijaSeme> ishod = schema_sql::procitajVerziju(sqlca);
        QCOMPARE(int(ishod.value.stanje), stanje);
        QCOMPARE(ishod.value.verzija, verzija);
        const QString text = porukaOVerzijiSeme(ishod);
        QCOMPARE(text.isEmpty(), poruka.isEmpty());
        QVERIFY2(text.contains(poruka), qPrintable(text));
        if (ishod.value.stanje == Stanje::Neprocitana) {
            QVERIFY(ishod.sqlcode < 0);
            QVERIFY2(!ishod.sqlerrtext.isEmpty() && text.contains(ishod.sqlerrtext),
                     qPrintable(text));
        }
        // The session reads on as before, also after a failed read.
        const Result<std::optional<QVariantList>> row =
            sqlca.selectInto(QStringLiteral("SELECT COUNT(*) FROM status"));
        QVERIFY2(row.value && row.value->value(0).toInt() == 5, qPrintable(row.sqlerrtext));
    }
};

QTEST_MAIN(TestSchemaVersion)
#include "tst_schema_version_db.moc"
