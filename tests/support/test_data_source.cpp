#include "tests/support/test_data_source.h"

#include "app/mab_oru.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QString pgHost() {
    const QString host = qEnvironmentVariable("MAB_TEST_PG_HOST");
    return host.isEmpty() ? QStringLiteral("127.0.0.1") : host;
}

QString pgPort() {
    return qEnvironmentVariable("MAB_TEST_PG_PORT");
}

} // namespace

QString sourceDirectory() {
    return QStringLiteral(MAB_SOURCE_DIR);
}

QStringList schemaSteps(TestDataSource::Engine engine) {
    const QString folder = engine == TestDataSource::Engine::PostgreSQL
                               ? QStringLiteral("db/postgresql/steps")
                               : QStringLiteral("db/sqlite/steps");
    QStringList steps =
        QDir(QDir(sourceDirectory()).filePath(folder))
            .entryList({QStringLiteral("[0-9][0-9][0-9]-*.sql")}, QDir::Files, QDir::Name);
    for (QString& step : steps)
        step = folder + QLatin1Char('/') + step;
    return steps;
}

QStringList splitSqlScript(const QString& script) {
    QStringList statements;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")) || trimmed.isEmpty())
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            current = current.trimmed();
            current.chop(1);
            statements << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

TestDataSource::TestDataSource()
    : m_engine(engineFromEnvironment()), m_verifierName(QStringLiteral("mab-test-verifier")) {}

TestDataSource::~TestDataSource() {
    closeVerifier();
    if (m_engine == Engine::PostgreSQL && !m_databaseName.isEmpty()) {
        const QString name = QStringLiteral("mab-test-drop");
        {
            QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
            admin.setDatabaseName(connectStringForSetup());
            if (admin.open())
                QSqlQuery(admin).exec(
                    QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_databaseName));
            admin.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

TestDataSource::Engine TestDataSource::engineFromEnvironment() {
    return qEnvironmentVariable("MAB_TEST_ENGINE")
                       .compare(QLatin1String("postgresql"), Qt::CaseInsensitive) == 0
               ? Engine::PostgreSQL
               : Engine::SQLite;
}

QString TestDataSource::engineName() const {
    return m_engine == Engine::PostgreSQL ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
}

bool TestDataSource::provision(Contents contents, bool registerMabZet) {
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    if (m_engine == Engine::PostgreSQL && pgPort().isEmpty()) {
        m_error = QStringLiteral("MAB_TEST_ENGINE=postgresql needs MAB_TEST_PG_PORT");
        return false;
    }
    // The private ODBC folder comes first: every ODBC call, the set-up's own included, must read
    // it and never the machine's odbcinst.ini.
    m_databaseName = m_engine == Engine::SQLite
                         ? m_dir.filePath(QStringLiteral("mab.db"))
                         : QStringLiteral("mab_test_%1_%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QRandomGenerator::global()->bounded(1000000));
    if (!writeOdbcFolder(registerMabZet) || !createDatabase())
        return false;
    if (contents == Contents::Empty)
        return true;
    // Through the same numbered steps as scripts/upgrade-database.sh, so that the program finds
    // the schema version it needs.
    if (!runScript(QStringLiteral("db/schema_version.sql")))
        return false;
    const QStringList steps = schemaSteps(m_engine);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (!runScript(steps.at(i)) ||
            !exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"), {int(i + 1)}))
            return false;
    }
    if (contents == Contents::SchemaAndSeed && !runScript(QStringLiteral("db/seed.sql")))
        return false;
    if (m_engine == Engine::PostgreSQL &&
        !runScript(QStringLiteral("db/postgresql/privileges.sql")))
        return false;
    closeVerifier();
    return true;
}

bool TestDataSource::createDatabase() {
    if (m_engine == Engine::SQLite)
        return true; // the driver creates the file on the first connection
    const QString name = QStringLiteral("mab-test-create");
    bool ok = false;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        admin.setDatabaseName(connectStringForSetup());
        if (!admin.open()) {
            m_error = admin.lastError().text();
        } else {
            QSqlQuery query(admin);
            ok = query.exec(
                QStringLiteral("CREATE DATABASE %1 OWNER mab_owner").arg(m_databaseName));
            if (!ok)
                m_error = query.lastError().text();
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// The test server's superuser creates and drops the test databases; the program's login may not.
QString TestDataSource::connectStringForSetup() const {
    return QStringLiteral("DRIVER=%1;Servername=%2;Port=%3;Database=postgres;"
                          "Username=postgres;CommLog=0;Debug=0")
        .arg(QStringLiteral(MAB_PSQL_ODBC_DRIVER), pgHost(), pgPort());
}

bool TestDataSource::writeOdbcFolder(bool registerMabZet) {
    QFile drivers(m_dir.filePath(QStringLiteral("odbcinst.ini")));
    QFile sources(m_dir.filePath(QStringLiteral("odbc.ini")));
    if (!drivers.open(QIODevice::WriteOnly) || !sources.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write the private ODBC folder");
        return false;
    }
    // psqlODBC reads its global logging switches from its own driver section; without one here
    // it would leave a communication log in /tmp for every test program.
    drivers.write("[ODBC]\nTrace=No\n\n"
                  "[PostgreSQL Unicode]\nDriver=" MAB_PSQL_ODBC_DRIVER "\nCommLog=0\nDebug=0\n");
    QTextStream out(&sources);
    if (registerMabZet) {
        out << "[MabZet]\n";
        if (m_engine == Engine::SQLite) {
            // As scripts/create-embedded-database.sh registers it (StepAPI: see there).
            out << "Driver=" << MAB_SQLITE_ODBC_DRIVER << "\n"
                << "Database=" << m_databaseName << "\n"
                << "JournalMode=WAL\nTimeout=2000\nStepAPI=1\n";
        } else {
            // As scripts/use-postgresql.sh registers it: results read through a cursor, 1,000
            // rows at a time, without the driver's copy of the whole result.
            out << "Driver=" << MAB_PSQL_ODBC_DRIVER << "\n"
                << "Servername=" << pgHost() << "\nPort=" << pgPort() << "\n"
                << "Database=" << m_databaseName << "\nCommLog=0\nDebug=0\n"
                << "UseDeclareFetch=1\nFetch=1000\n";
        }
    }
    out.flush();
    qputenv("ODBCSYSINI", QFile::encodeName(m_dir.path()));
    qputenv("ODBCINI", QFile::encodeName(sources.fileName()));
    return true;
}

QSqlDatabase TestDataSource::verifier() {
    if (QSqlDatabase::contains(m_verifierName)) {
        QSqlDatabase db = QSqlDatabase::database(m_verifierName, false);
        if (db.isOpen())
            return db;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_verifierName)
                          ? QSqlDatabase::database(m_verifierName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_verifierName);
    db.setDatabaseName(QStringLiteral("MabZet"));
    const bool owner = m_engine == Engine::PostgreSQL;
    db.setUserName(owner ? QStringLiteral("postgres") : QLatin1String(mab_oru::Login.user));
    db.setPassword(owner ? QString() : QLatin1String(mab_oru::Login.password));
    if (!db.open()) {
        m_error = db.lastError().text();
    } else if (owner) {
        // Tests prepare data and faults as the tables' owner; the program stays kiro.
        QSqlQuery setRole(db);
        if (!setRole.exec(QStringLiteral("SET ROLE mab_owner")))
            m_error = setRole.lastError().text();
    }
    return db;
}

void TestDataSource::closeVerifier() {
    if (!QSqlDatabase::contains(m_verifierName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_verifierName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_verifierName);
}

bool TestDataSource::exec(const QString& sql, const QVariantList& binds) {
    QSqlQuery query(verifier());
    if (!query.prepare(sql)) {
        m_error = query.lastError().text();
        return false;
    }
    for (qsizetype i = 0; i < binds.size(); ++i)
        query.bindValue(int(i), binds.at(i));
    if (!query.exec()) {
        m_error = query.lastError().text();
        return false;
    }
    return true;
}

QVariant TestDataSource::scalar(const QString& sql, const QVariantList& binds) {
    QSqlQuery query(verifier());
    query.setForwardOnly(true);
    query.prepare(sql);
    for (qsizetype i = 0; i < binds.size(); ++i)
        query.bindValue(int(i), binds.at(i));
    if (!query.exec() || !query.next()) {
        m_error = query.lastError().text();
        return {};
    }
    QVariant value = query.value(0);
    query.finish();
    return value;
}

int TestDataSource::count(const QString& table, const QString& where, const QVariantList& binds) {
    const QString sql =
        QStringLiteral("SELECT COUNT(*) FROM %1%2")
            .arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where);
    const QVariant value = scalar(sql, binds);
    return value.isValid() ? value.toInt() : -1;
}

bool TestDataSource::runScript(const QString& relativePath) {
    QFile file(QDir(sourceDirectory()).filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1").arg(file.fileName());
        return false;
    }
    const QStringList statements = splitSqlScript(QString::fromUtf8(file.readAll()));
    for (const QString& statement : statements) {
        if (!exec(statement)) {
            m_error = QStringLiteral("%1: %2").arg(statement.left(60), m_error);
            return false;
        }
    }
    return true;
}
