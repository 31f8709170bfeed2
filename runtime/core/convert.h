#pragma once

#include <QString>
#include <QVariant>

// Text-to-number conversions as the screens use them: text that is not a number (an empty field,
// an edit mask's stored "none", letters) converts to 0 instead of failing.
double toDouble(const QString& text);
int toInteger(const QString& text);
bool isNumber(const QString& text);

// String(value, format) for the numeric display formats the screens use ("0.00", "0", "#,##0.00").
// Rounds half away from zero on the value's shortest decimal form, so 7.575 shows as 7.58 as a
// cashier expects, not 7.57 as the binary value 7.57499... would give.
QString formatNumber(double value, const QString& format);

// Default number-to-text conversion: the shortest text that reads back as the same value.
QString numberToText(double value);

// A text column as the drivers hand it back: NULL (an invalid QVariant) becomes the empty text.
QString textOfColumn(const QVariant& value);
