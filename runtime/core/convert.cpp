#include "runtime/core/convert.h"

#include "runtime/core/decimal.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

const QRegularExpression& numberPattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return pattern;
}

} // namespace

bool isNumber(const QString& text) {
    return numberPattern().match(text.trimmed()).hasMatch();
}

double toDouble(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!isNumber(trimmed))
        return 0.0;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int toInteger(const QString& text) {
    const double value = toDouble(text);
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return int(value);
}

QString formatNumber(double value, const QString& format) {
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    const int places = point < 0 ? 0 : int(format.size() - point - 1);
    const bool grouping = format.contains(QLatin1Char(','));
    // From 15 whole digits on, a double carries no cents to round and leaves the decimal's range:
    // its plain decimal form is shown instead.
    const QString rounded =
        std::isfinite(value) && std::fabs(value) > std::pow(10.0, Decimal::WholeDigits)
            ? QString::number(value, 'f', places)
            : Decimal::fromDouble(value, places).toString(places);
    if (!grouping)
        return rounded;
    QString whole = rounded.section(QLatin1Char('.'), 0, 0);
    const QString fraction = point < 0 ? QString() : rounded.section(QLatin1Char('.'), 1, 1);
    const bool negative = whole.startsWith(QLatin1Char('-'));
    if (negative)
        whole.remove(0, 1);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char(','));
    return (negative ? QStringLiteral("-") : QString()) + whole +
           (places > 0 ? QStringLiteral(".") + fraction : QString());
}

QString numberToText(double value) {
    return QString::number(value, 'g', 15);
}

QString textOfColumn(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}
