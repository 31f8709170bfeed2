#include "runtime/core/sql_literals.h"

namespace {

std::optional<QString> literal(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString: {
        if (value.isNull())
            return QStringLiteral("NULL");
        QString text = value.toString();
        // A lone surrogate has no UTF-8 form: the driver would write something else than was
        // given, so such a text is bound.
        if (text.contains(QChar(0)) || !text.isValidUtf16())
            return std::nullopt;
        text.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::LongLong: {
        if (value.isNull())
            return QStringLiteral("NULL");
        // In parentheses, a negative number after a minus is no comment mark ("1 - -5").
        const qlonglong number = value.toLongLong();
        const QString digits = QString::number(number);
        return number < 0 ? QLatin1Char('(') + digits + QLatin1Char(')') : digits;
    }
    default:
        return std::nullopt;
    }
}

bool startsParameterName(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

std::optional<QString> sqliteStatementWithLiterals(const QString& sql, const QVariantList& inputs) {
    QString result;
    result.reserve(sql.size() + 16 * inputs.size());
    qsizetype next = 0;
    QChar quote; // the quote of the literal or name being copied, or none
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        const QChar after = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
        if (!quote.isNull()) {
            // A doubled quote stands for itself; copying both keeps the literal as it was.
            if (c == quote && after != quote)
                quote = QChar();
            else if (c == quote)
                result += c, ++i;
            result += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('`') || c == QLatin1Char('[') ||
                   (c == QLatin1Char('-') && after == QLatin1Char('-')) ||
                   (c == QLatin1Char('/') && after == QLatin1Char('*')) ||
                   ((c == QLatin1Char(':') || c == QLatin1Char('@') || c == QLatin1Char('$')) &&
                    startsParameterName(after))) {
            return std::nullopt;
        } else if (c == QLatin1Char('?')) {
            if (after.isDigit() || next >= inputs.size())
                return std::nullopt;
            const std::optional<QString> value = literal(inputs.at(next++));
            if (!value)
                return std::nullopt;
            result += *value;
            continue;
        }
        result += c;
    }
    if (!quote.isNull() || next != inputs.size())
        return std::nullopt;
    return result;
}
