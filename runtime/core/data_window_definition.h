#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// One column of a data window: its name, the heading shown above it, its declared type
// ("char(51)", "number", "time"), its display width in window units and its display format.
struct DataWindowColumn {
    QString name;
    QString heading;
    QString type;
    int width = 0;
    QString format;

    bool isNumber() const { return type == QLatin1String("number"); }
    bool isTime() const { return type == QLatin1String("time"); }
};

// A data-window definition as the program carries it: the columns of the rows it shows, in order,
// and perhaps stored rows, which the data window shows until it is given others. The statement
// that reads its rows is its area's (domain/<area>/<area>_sql), not the definition's.
struct DataWindowDefinition {
    QString name;
    QList<DataWindowColumn> columns;
    QList<QVariantList> rows;

    int columnIndex(const QString& columnName) const;

    // Reads the definition compiled into the program (:/datawindows/<name>.json).
    static std::optional<DataWindowDefinition> load(const QString& name, QString* error = nullptr);
};
