#include "runtime/core/data_window_definition.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>

int DataWindowDefinition::columnIndex(const QString& columnName) const {
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns.at(i).name == columnName)
            return int(i);
    return -1;
}

std::optional<DataWindowDefinition> DataWindowDefinition::load(const QString& name,
                                                               QString* error) {
    auto fail = [error](const QString& text) -> std::optional<DataWindowDefinition> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    QFile file(QStringLiteral(":/datawindows/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("No data window definition %1").arg(name));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject())
        return fail(QStringLiteral("%1: %2").arg(name, parseError.errorString()));

    const QJsonObject root = document.object();
    DataWindowDefinition definition;
    definition.name = root.value(QLatin1String("name")).toString(name);
    for (const QJsonValue value : root.value(QLatin1String("columns")).toArray()) {
        const QJsonObject column = value.toObject();
        definition.columns << DataWindowColumn{column.value(QLatin1String("name")).toString(),
                                               column.value(QLatin1String("heading")).toString(),
                                               column.value(QLatin1String("type")).toString(),
                                               column.value(QLatin1String("width")).toInt(),
                                               column.value(QLatin1String("format")).toString()};
    }
    for (const QJsonValue value : root.value(QLatin1String("rows")).toArray()) {
        QVariantList row = value.toArray().toVariantList();
        for (qsizetype i = 0; i < row.size() && i < definition.columns.size(); ++i)
            if (definition.columns.at(i).isTime())
                row[i] = QTime::fromString(row.at(i).toString(), QStringLiteral("hh:mm"));
        definition.rows << row;
    }
    if (definition.columns.isEmpty())
        return fail(QStringLiteral("%1: no columns").arg(name));
    return definition;
}
