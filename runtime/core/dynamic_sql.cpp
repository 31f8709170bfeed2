#include "runtime/core/dynamic_sql.h"

#include "runtime/core/sql_outcome.h"
#include "runtime/core/transaction.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

void DynamicStagingArea::prepare(const QString& text, Transaction& transaction) {
    m_text = text;
    m_transaction = &transaction;
    transaction.setSuccess();
}

DynamicCursor::DynamicCursor() = default;

DynamicCursor::~DynamicCursor() {
    close();
}

void DynamicCursor::declare(DynamicStagingArea& sqlsa) {
    close();
    m_sqlsa = &sqlsa;
}

void DynamicCursor::open(const QVariantList& inputs) {
    close();
    if (!m_sqlsa || !m_sqlsa->transaction())
        return;
    Transaction& sqlca = *m_sqlsa->transaction();
    if (!sqlca.isConnected()) {
        sqlca.setFailure(notConnectedText());
        return;
    }
    m_query = std::make_unique<QSqlQuery>(QSqlDatabase::database(sqlca.connectionName(), false));
    m_query->setForwardOnly(true);
    if (!runPrepared(*m_query, m_sqlsa->text(), inputs, sqlca)) {
        m_query.reset();
        return;
    }
    sqlca.setSuccess();
}

void DynamicCursor::fetch(QVariantList& row) {
    if (!m_sqlsa || !m_sqlsa->transaction())
        return;
    Transaction& sqlca = *m_sqlsa->transaction();
    if (!m_query) {
        sqlca.setFailure(QStringLiteral("Kursor nije otvoren."));
        return;
    }
    if (!m_query->next()) {
        if (m_query->lastError().isValid())
            sqlca.setFailure(sqlErrorText(m_query->lastError()));
        else
            sqlca.setSuccess(Transaction::NotFound);
        return;
    }
    row = currentRow(*m_query);
    sqlca.setSuccess();
    sqlca.sqlnrows = 1;
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
