#include "runtime/core/dynamic_sql.h"

#include "runtime/core/sql_outcome.h"
#include "runtime/core/transaction.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

void DynamicStagingArea::prepare(const QString& text, Transaction& transaction) {
    m_text = text;
    m_transaction = &transaction;
}

DynamicCursor::DynamicCursor() = default;

DynamicCursor::~DynamicCursor() {
    close();
}

void DynamicCursor::declare(DynamicStagingArea& sqlsa) {
    close();
    m_sqlsa = &sqlsa;
}

Result<> DynamicCursor::open(const QVariantList& inputs) {
    close();
    if (!m_sqlsa || !m_sqlsa->transaction())
        return Result<>::failure(QStringLiteral("Kursor nije pripremljen."));
    const Transaction& sqlca = *m_sqlsa->transaction();
    if (const Result<> ready = sqlca.usable(); ready.failed())
        return ready;
    m_query = std::make_unique<QSqlQuery>(QSqlDatabase::database(sqlca.connectionName(), false));
    m_query->setForwardOnly(true);
    const Result<> opened = runPrepared(*m_query, m_sqlsa->text(), inputs);
    if (opened.failed())
        m_query.reset();
    return opened;
}

Result<> DynamicCursor::fetch(QVariantList& row) {
    if (!m_query)
        return Result<>::failure(QStringLiteral("Kursor nije otvoren."),
                                 Result<>::Stage::FetchFailed);
    // A connection lent to another thread meanwhile is not touched, not even by an open cursor.
    if (Result<> ready = m_sqlsa->transaction()->usable(); ready.failed()) {
        ready.stage = Result<>::Stage::FetchFailed;
        return ready;
    }
    if (!m_query->next()) {
        if (m_query->lastError().isValid())
            return failureOf(m_query->lastError(), Result<>::Stage::FetchFailed);
        return Result<>::done(Result<>::NotFound);
    }
    row = currentRow(*m_query);
    return Result<>::done(Result<>::Success, 1);
}

void DynamicCursor::close() {
    if (m_query) {
        m_query->finish();
        m_query.reset();
    }
}

bool DynamicCursor::isOpen() const {
    return m_query != nullptr;
}
