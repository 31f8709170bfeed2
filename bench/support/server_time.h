#pragma once

// Where a PostgreSQL server's time goes while bench_desks runs: pg_stat_statements by statement,
// and the plan log of auto_explain, which names the SELECT behind each cursor. The driver reads
// every result through a cursor (UseDeclareFetch), so pg_stat_statements sees the reads only as
// "fetch 1000 in ...": the plan log tells them apart. Both need their libraries preloaded
// (bench/desks.sh starts the server so); without them, nothing is shown.
#include "app/mab_oru.h"
#include "tests/support/test_data_source.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QThread>

#include <algorithm>

namespace server_time {

// Creating, resetting and reading the statistics and changing the server's settings take a
// superuser: the verifier logs in as one and acts as the tables' owner, so it steps out of that
// role for these alone.
inline bool asSuperuser(TestDataSource& db, const QString& sql) {
    db.exec(QStringLiteral("RESET ROLE"));
    const bool done = db.exec(sql);
    db.exec(QStringLiteral("SET ROLE mab_owner"));
    return done;
}

inline bool keepStatements(TestDataSource& db) {
    return asSuperuser(db, QStringLiteral("CREATE EXTENSION IF NOT EXISTS pg_stat_statements")) &&
           asSuperuser(db, QStringLiteral("SELECT pg_stat_statements_reset()"));
}

inline void resetStatements(TestDataSource& db) {
    asSuperuser(db, QStringLiteral("SELECT pg_stat_statements_reset()"));
}

// A statement's text as one line, with what changes from call to call folded: the cursor's name,
// the values the driver wrote into it, the BEGIN and FETCH sent with a cursor's declaration.
inline QString folded(QString text) {
    static const QRegularExpression cursor(QStringLiteral("SQL_CUR0x[0-9a-f]+"));
    static const QRegularExpression literal(QStringLiteral("'(?:[^']|'')*'"));
    static const QRegularExpression number(QStringLiteral("\\b[0-9]+\\b"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    static const QRegularExpression sentWith(QStringLiteral("^BEGIN;|;fetch [0-9]+ in .*$"));
    return text.replace(sentWith, QString())
        .replace(cursor, QStringLiteral("SQL_CUR"))
        .replace(literal, QStringLiteral("'?'"))
        .replace(number, QStringLiteral("?"))
        .replace(space, QStringLiteral(" "))
        .trimmed()
        .left(240);
}

// One line of a table of statements: calls, total and mean milliseconds, text.
struct Statement {
    qint64 calls = 0;
    double ms = 0;
    QString text;
};

inline QStringList lines(const char* kind, const QString& run, QList<Statement> statements,
                         int shown = 12) {
    std::sort(statements.begin(), statements.end(),
              [](const Statement& a, const Statement& b) { return a.ms > b.ms; });
    QStringList out;
    for (const Statement& s : statements.mid(0, shown))
        out << QString::asprintf("%s\t%s\t%lld\t%.0f ms\t%.3f ms\t%s", kind, qPrintable(run),
                                 s.calls, s.ms, s.calls ? s.ms / s.calls : 0.0, qPrintable(s.text));
    return out;
}

// pg_stat_statements since the last reset: the desks' top-level statements in this database (what a
// trigger runs is inside its statement's time); server: their total execution time.
inline QStringList statements(TestDataSource& db, const QString& run, double* server) {
    db.exec(QStringLiteral("RESET ROLE"));
    QSqlQuery query(db.verifier());
    QHash<QString, Statement> byText;
    *server = 0;
    query.prepare(QStringLiteral("SELECT calls, total_exec_time, query FROM pg_stat_statements "
                                 "WHERE toplevel AND userid = CAST(CAST(? AS text) AS regrole) AND "
                                 "dbid = (SELECT oid FROM pg_database WHERE datname = "
                                 "current_database())"));
    query.addBindValue(QString::fromLatin1(mab_oru::Login.user));
    if (query.exec())
        while (query.next()) {
            Statement& s = byText[folded(query.value(2).toString())];
            s.text = folded(query.value(2).toString());
            s.calls += query.value(0).toLongLong();
            s.ms += query.value(1).toDouble();
            *server += query.value(1).toDouble();
        }
    db.exec(QStringLiteral("SET ROLE mab_owner"));
    return lines("statement", run, byText.values());
}

// Every plan logged from now on (on) or none (off), with a mark in the log where it begins or
// ends; the server takes the setting on its next reload, which the desks' sessions see at their
// next statement.
inline bool logPlans(TestDataSource& db, const QString& run, bool on) {
    const QString mark = QStringLiteral("DO $$BEGIN RAISE LOG 'bench_desks %1 %2'; END$$")
                             .arg(on ? QStringLiteral("begins") : QStringLiteral("ends"), run);
    const bool set =
        asSuperuser(db, on ? QStringLiteral("ALTER SYSTEM SET auto_explain.log_min_duration = 0")
                           : QStringLiteral("ALTER SYSTEM RESET auto_explain.log_min_duration")) &&
        asSuperuser(db, QStringLiteral("SELECT pg_reload_conf()"));
    QThread::msleep(500);
    return set && db.exec(mark);
}

// The plans logged between the marks of run in the server's log: each statement's execution
// time (a cursor's over all its fetches) by its text.
inline QStringList plans(const QString& logPath, const QString& run) {
    QFile log(logPath);
    if (logPath.isEmpty() || !log.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression duration(QStringLiteral("duration: ([0-9.]+) ms  plan:"));
    QHash<QString, Statement> byText;
    bool inRun = false;
    double pending = -1;
    while (!log.atEnd()) {
        const QString line = QString::fromUtf8(log.readLine());
        if (line.contains(QStringLiteral("bench_desks begins ") + run))
            inRun = true;
        else if (line.contains(QStringLiteral("bench_desks ends ") + run))
            break;
        if (!inRun)
            continue;
        if (const QRegularExpressionMatch m = duration.match(line); m.hasMatch())
            pending = m.captured(1).toDouble();
        else if (const qsizetype at = line.indexOf(QStringLiteral("Query Text: "));
                 at >= 0 && pending >= 0) {
            const QString text = folded(line.mid(at + 12));
            Statement& s = byText[text];
            s.text = text;
            ++s.calls;
            s.ms += pending;
            pending = -1;
        }
    }
    return lines("plan", run, byText.values());
}

} // namespace server_time
