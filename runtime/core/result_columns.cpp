#include "runtime/core/result_columns.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Well-formed UTF-8 into UTF-16, as the drivers' own conversion to UTF-16 gives it (a leading
// byte order mark is kept as the character it is); -1 at the first ill-formed sequence (an overlong
// form, a surrogate, past U+10FFFF, cut short). Written out because the list's values are short and
// mostly ASCII, where the general decoder's set-up per call costs more than the decoding.
qsizetype decodeUtf8(const unsigned char* in, qsizetype length, char16_t* out) {
    const unsigned char* const end = in + length;
    char16_t* const begin = out;
    while (in < end) {
        const unsigned lead = *in;
        if (lead < 0x80) {
            *out++ = char16_t(lead);
            ++in;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            if (end - in < 2 || !isContinuation(in[1]))
                return -1;
            *out++ = char16_t(((lead & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            if (end - in < 3 || !isContinuation(in[1]) || !isContinuation(in[2]))
                return -1;
            const unsigned code = ((lead & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F);
            if (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))
                return -1;
            *out++ = char16_t(code);
            in += 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            if (end - in < 4 || !isContinuation(in[1]) || !isContinuation(in[2]) ||
                !isContinuation(in[3]))
                return -1;
            const unsigned code = ((lead & 0x07) << 18) | ((in[1] & 0x3F) << 12) |
                                  ((in[2] & 0x3F) << 6) | (in[3] & 0x3F);
            if (code < 0x10000 || code > 0x10FFFF)
                return -1;
            *out++ = char16_t(0xD800 + ((code - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
            in += 4;
        } else {
            return -1;
        }
    }
    return out - begin;
}

} // namespace

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

void ResultColumns::appendUtf8(int column, const char* data, qsizetype length) {
    Column& c = m_columns[column];
    // A UTF-8 value never takes more UTF-16 units than it has bytes: decoded in place, then cut
    // to what it took.
    const size_t start = c.text.size();
    c.text.resize(start + size_t(length));
    char16_t* out = c.text.data() + start;
    qsizetype units = decodeUtf8(reinterpret_cast<const unsigned char*>(data), length, out);
    if (units < 0) {
        // What no writer of the program stores: Qt's decoder, with its replacement characters.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                         QStringDecoder::Flag::Stateless);
        const QString decoded = decoder(QByteArrayView(data, length));
        std::copy_n(reinterpret_cast<const char16_t*>(decoded.utf16()), decoded.size(), out);
        units = decoded.size();
    }
    c.text.resize(start + size_t(units));
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
