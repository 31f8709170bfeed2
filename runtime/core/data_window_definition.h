#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One column of a data window: its name, the heading shown above it, its declared type
// ("char(51)", "number") and its display width in window units.
struct DataWindowColumn {
    QString name;
    QString heading;
    QString type;
    int width = 0;

    bool isNumber() const { return type == QLatin1String("number"); }
};

// A data-window definition as the program carries it: the query with one `?` per retrieval
// argument, in the order of the arguments, and the columns of its result in order.
struct DataWindowDefinition {
    QString name;
    QString select;
    QStringList arguments;
    QList<DataWindowColumn> columns;

    int columnIndex(const QString& columnName) const;

    // Reads the definition compiled into the program (:/datawindows/<name>.json).
    static std::optional<DataWindowDefinition> load(const QString& name, QString* error = nullptr);
};
