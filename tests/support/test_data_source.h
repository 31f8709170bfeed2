#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

// A throwaway data source "MabZet" for one test program: a private ODBC folder (ODBCINI and
// ODBCSYSINI point into it, and the driver is named by its library path, so no data source or
// driver setting of the machine is used) over a fresh database. SQLite by default; PostgreSQL
// when MAB_TEST_ENGINE=postgresql and MAB_TEST_PG_PORT name a running server.
class TestDataSource {
public:
    enum class Engine { SQLite, PostgreSQL };
    enum class Contents { Empty, Schema, SchemaAndSeed };

    TestDataSource();
    ~TestDataSource();

    static Engine engineFromEnvironment();
    Engine engine() const { return m_engine; }
    QString engineName() const;

    // Writes the private ODBC folder and creates the database. With registerMabZet false the
    // folder holds no MabZet at all, as on a machine where it was never set up.
    bool provision(Contents contents = Contents::SchemaAndSeed, bool registerMabZet = true);
    QString errorString() const { return m_error; }

    // A second connection through MabZet, in auto-commit, for reading back what the program wrote
    // and for preparing test data. On PostgreSQL it acts as the tables' owner (mab_owner), while
    // the program logs in as kiro with only the grants of db/postgresql/privileges.sql.
    QSqlDatabase verifier();
    // Runs a statement on the verifier; false on failure, with the database's text in lastError().
    bool exec(const QString& sql, const QVariantList& binds = {});
    QVariant scalar(const QString& sql, const QVariantList& binds = {});
    int count(const QString& table, const QString& where = QString(),
              const QVariantList& binds = {});
    QString lastError() const { return m_error; }
    // Runs every statement of a SQL file of db/ on the verifier.
    bool runScript(const QString& relativePath);

private:
    bool createDatabase();
    bool writeOdbcFolder(bool registerMabZet);
    // The PostgreSQL server's own database, for creating and dropping the test's database.
    QString connectStringForSetup() const;
    void closeVerifier();

    Engine m_engine;
    QTemporaryDir m_dir;
    QString m_databaseName;
    QString m_error;
    QString m_verifierName;
};

// The repository's own folder, for reading db/ scripts in tests.
QString sourceDirectory();
// The schema steps of an engine, relative to the repository, in order: step n is at index n - 1.
QStringList schemaSteps(TestDataSource::Engine engine);
// Splits a SQL script into statements (comments removed).
QStringList splitSqlScript(const QString& script);
