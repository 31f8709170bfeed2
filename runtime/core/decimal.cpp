#include "runtime/core/decimal.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

constexpr qint64 scale() {
    qint64 s = 1;
    for (int i = 0; i < Decimal::Places; ++i)
        s *= 10;
    return s;
}

qint64 pow10(int n) {
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Rounds a non-negative decimal digit string "123456" with `fractionDigits` digits after the
// point to `places` places, half away from zero; the result is scaled by 10^Places. `whole` is at
// most 10^WholeDigits, so the scaled value fits.
qint64 roundDigits(const QString& whole, QString fraction, int places) {
    const bool roundUp = fraction.size() > places && fraction.at(places) >= QLatin1Char('5');
    fraction = fraction.left(places).leftJustified(places, QLatin1Char('0'));
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    value = value * pow10(places) + (places > 0 ? fraction.toLongLong() : 0);
    if (roundUp)
        ++value;
    return value * pow10(Decimal::Places - places);
}

} // namespace

Decimal Decimal::fromText(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)(\\d*)(?:\\.(\\d*))?$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch() || (match.captured(2).isEmpty() && match.captured(3).isEmpty()))
        return {};
    QString whole = match.captured(2);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.size() > WholeDigits + 1 || whole.toLongLong() > pow10(WholeDigits))
        return {};
    const qint64 magnitude = roundDigits(whole, match.captured(3), Places);
    if (magnitude > pow10(WholeDigits + Places))
        return {};
    return fromScaled(match.captured(1) == QLatin1String("-") ? -magnitude : magnitude);
}

Decimal Decimal::fromDouble(double value, int places) {
    if (!std::isfinite(value) || std::fabs(value) > pow10(WholeDigits))
        return {};
    places = qBound(0, places, int(Places));
    // 15 significant digits is the shortest form that every double reads back from unchanged
    // for the values money takes; rounding that text avoids the binary representation error.
    const QString text = QString::number(std::fabs(value), 'f',
                                         15 - qMin(15, int(std::log10(std::fabs(value) + 1)) + 1));
    const QString whole = text.section(QLatin1Char('.'), 0, 0);
    const QString fraction = text.section(QLatin1Char('.'), 1, 1);
    const qint64 magnitude = roundDigits(whole, fraction, places);
    if (magnitude > pow10(WholeDigits + Places))
        return {};
    return fromScaled(value < 0 ? -magnitude : magnitude);
}

double Decimal::toDouble() const {
    return double(m_scaled) / double(scale());
}

QString Decimal::toString(int places) const {
    places = qBound(0, places, int(Places));
    const qint64 step = pow10(Places - places);
    // Unsigned, so that even the most negative scaled value has a magnitude.
    quint64 magnitude = m_scaled < 0 ? 0 - quint64(m_scaled) : quint64(m_scaled);
    magnitude = (magnitude + quint64(step) / 2) / quint64(step); // half away from zero
    const quint64 divisor = quint64(pow10(places));
    QString text = QString::number(magnitude / divisor);
    if (places > 0)
        text += QLatin1Char('.') +
                QString::number(magnitude % divisor).rightJustified(places, QLatin1Char('0'));
    if (m_scaled < 0 && magnitude != 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

Decimal Decimal::saturated(qint64 a, qint64 b, bool subtract) {
    qint64 result;
    const bool overflow =
        subtract ? __builtin_sub_overflow(a, b, &result) : __builtin_add_overflow(a, b, &result);
    if (overflow)
        result = (subtract ? b < 0 : b > 0) ? std::numeric_limits<qint64>::max()
                                            : -std::numeric_limits<qint64>::max();
    return fromScaled(result);
}

QString Decimal::toString() const {
    QString text = toString(Places);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

std::optional<Decimal> decimalOfColumn(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return Decimal::fromDouble(value.toDouble());
    return Decimal::fromText(value.toString());
}
