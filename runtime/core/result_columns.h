#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <vector>

// The rows of a result held column by column: a text column is one UTF-16 buffer with an offset
// per row, an integer column one vector of numbers, each with its NULL flags. Tens of thousands
// of rows then take a few allocations instead of one QVariant per value, and a value becomes a
// QVariant only when someone asks for it. Columns of other types keep their QVariants as they came.
class ResultColumns {
public:
    enum class Kind { Text, Integer, Variant };

    // Drops every row and sets the columns. integerType is the QVariant type an integer column
    // hands out (Qt's ODBC driver gives SQL INTEGER as int, BIGINT as qlonglong).
    void reset(const QList<Kind>& kinds, const QList<QMetaType>& integerTypes = {});
    void clear(); // drops the rows, keeps the columns

    int columnCount() const { return int(m_columns.size()); }
    qsizetype rowCount() const { return m_rows; }
    Kind kind(int column) const { return m_columns.at(column).kind; }

    // The value as a QVariant of the type the plain driver path gives: NULL text is an invalid
    // QVariant, a NULL integer a null QVariant of the column's integer type.
    QVariant value(qsizetype row, int column) const;
    bool isNull(qsizetype row, int column) const;
    // The display text without a QVariant in between: empty for NULL.
    QString text(qsizetype row, int column) const;

    // Filling, one column at a time; a row is complete once every column has its value.
    void appendText(int column, const char16_t* data, qsizetype length);
    // The same for a value in UTF-8: decoded as the drivers decode it for UTF-16 (a leading byte
    // order mark kept); an ill-formed sequence becomes Qt's replacement character.
    void appendUtf8(int column, const char* data, qsizetype length);
    void appendInteger(int column, qint64 value);
    void appendNull(int column);
    void appendVariant(int column, const QVariant& value);
    // Counts a row whose columns have all been appended.
    void commitRow() { ++m_rows; }
    // Appends a whole row of QVariants (Variant columns only, as the plain path fills them).
    void appendRow(const QVariantList& values);

    bool removeRow(qsizetype row);

private:
    struct Column {
        Kind kind = Kind::Variant;
        QMetaType integerType;
        std::vector<char16_t> text;   // Text: every value one after another
        std::vector<quint32> offsets; // Text: where value i starts, one more at the end
        std::vector<qint64> integers; // Integer
        QList<QVariant> variants;     // Variant
        std::vector<std::uint8_t> nulls;
    };

    std::vector<Column> m_columns;
    qsizetype m_rows = 0;
};
