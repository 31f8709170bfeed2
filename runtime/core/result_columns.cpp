#include "runtime/core/result_columns.h"

void ResultColumns::reset(const QList<Kind>& kinds, const QList<QMetaType>& integerTypes) {
    m_columns.assign(kinds.size(), Column());
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        m_columns[i].kind = kinds.at(i);
        m_columns[i].integerType =
            i < integerTypes.size() ? integerTypes.at(i) : QMetaType::fromType<int>();
    }
    clear();
}

void ResultColumns::clear() {
    for (Column& column : m_columns) {
        column.text.clear();
        column.offsets.assign(1, 0);
        column.integers.clear();
        column.variants.clear();
        column.nulls.clear();
    }
    m_rows = 0;
}

QVariant ResultColumns::value(qsizetype row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= columnCount())
        return {};
    const Column& c = m_columns[column];
    switch (c.kind) {
    case Kind::Text:
        return c.nulls[row] ? QVariant() : QVariant(text(row, column));
    case Kind::Integer: {
        if (c.nulls[row])
            return QVariant(c.integerType);
        const qint64 number = c.integers[row];
        if (c.integerType == QMetaType::fromType<int>())
            return QVariant(int(number));
        QVariant wide(number);
        wide.convert(c.integerType);
        return wide;
    }
    case Kind::Variant:
        return c.variants.at(row);
    }
    return {};
}

bool ResultColumns::isNull(qsizetype row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= columnCount())
        return true;
    const Column& c = m_columns[column];
    return c.kind == Kind::Variant ? c.variants.at(row).isNull() : c.nulls[row] != 0;
}

QString ResultColumns::text(qsizetype row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= columnCount())
        return {};
    const Column& c = m_columns[column];
    switch (c.kind) {
    case Kind::Text:
        if (c.nulls[row])
            return {};
        return QString(reinterpret_cast<const QChar*>(c.text.data() + c.offsets[row]),
                       c.offsets[row + 1] - c.offsets[row]);
    case Kind::Integer:
        return c.nulls[row] ? QString() : QString::number(c.integers[row]);
    case Kind::Variant: {
        const QVariant& v = c.variants.at(row);
        return v.isNull() ? QString() : v.toString();
    }
    }
    return {};
}

void ResultColumns::appendText(int column, const char16_t* data, qsizetype length) {
    Column& c = m_columns[column];
    c.text.insert(c.text.end(), data, data + length);
    c.offsets.push_back(quint32(c.text.size()));
    c.nulls.push_back(0);
}

void ResultColumns::appendInteger(int column, qint64 value) {
    Column& c = m_columns[column];
    c.integers.push_back(value);
    c.nulls.push_back(0);
}

void ResultColumns::appendNull(int column) {
    Column& c = m_columns[column];
    switch (c.kind) {
    case Kind::Text:
        c.offsets.push_back(quint32(c.text.size()));
        break;
    case Kind::Integer:
        c.integers.push_back(0);
        break;
    case Kind::Variant:
        c.variants.append(QVariant());
        return;
    }
    c.nulls.push_back(1);
}

void ResultColumns::appendVariant(int column, const QVariant& value) {
    m_columns[column].variants.append(value);
}

void ResultColumns::appendRow(const QVariantList& values) {
    for (int i = 0; i < columnCount(); ++i)
        appendVariant(i, i < values.size() ? values.at(i) : QVariant());
    commitRow();
}

bool ResultColumns::removeRow(qsizetype row) {
    if (row < 0 || row >= m_rows)
        return false;
    for (Column& c : m_columns) {
        switch (c.kind) {
        case Kind::Text: {
            const quint32 begin = c.offsets[row];
            const quint32 length = c.offsets[row + 1] - begin;
            c.text.erase(c.text.begin() + begin, c.text.begin() + begin + length);
            c.offsets.erase(c.offsets.begin() + row + 1);
            for (auto it = c.offsets.begin() + row + 1; it != c.offsets.end(); ++it)
                *it -= length;
            break;
        }
        case Kind::Integer:
            c.integers.erase(c.integers.begin() + row);
            break;
        case Kind::Variant:
            c.variants.removeAt(row);
            continue;
        }
        c.nulls.erase(c.nulls.begin() + row);
    }
    --m_rows;
    return true;
}
