#pragma once
// The reception form's fields as the tests find them: every named control that holds a value,
// under the key its value is stored by (a toggle's controls carry the toggle's name first).
#include "ui/common/obj_da_ne.h"
#include "ui/common/obj_da_ne_opis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

enum class Kind { Line, Multi, Box, List };

struct Field {
    QString name;
    Kind kind;
    QWidget* widget;
};

inline QList<Field> fieldsOf(QWidget* page) {
    QList<Field> fields;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || qobject_cast<QComboBox*>(widget->parentWidget()))
            continue;
        QString name = widget->objectName();
        QWidget* parent = widget->parentWidget();
        if (qobject_cast<obj_da_ne*>(parent) || qobject_cast<obj_da_ne_opis*>(parent))
            name = parent->objectName() + QLatin1Char('.') + name;
        if (qobject_cast<QLineEdit*>(widget))
            fields << Field{name, Kind::Line, widget};
        else if (qobject_cast<QPlainTextEdit*>(widget))
            fields << Field{name, Kind::Multi, widget};
        else if (qobject_cast<QCheckBox*>(widget))
            fields << Field{name, Kind::Box, widget};
        else if (qobject_cast<QComboBox*>(widget))
            fields << Field{name, Kind::List, widget};
    }
    return fields;
}
