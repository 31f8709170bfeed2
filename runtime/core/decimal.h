#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <optional>

// An exact decimal with up to four places, for money: line prices and their sums never pass
// through binary floating point, so ten lines of 10.00 are exactly 100.00.
class Decimal {
public:
    static constexpr int Places = 4;
    // Amounts reach at most 10^WholeDigits, once rounded; text or a double beyond that is no
    // amount and gives 0, as text that is no number does.
    static constexpr int WholeDigits = 14;

    constexpr Decimal() = default;
    static Decimal fromScaled(qint64 scaled) {
        Decimal d;
        d.m_scaled = scaled;
        return d;
    }
    // Parses "12", "12.5", "-0.75"; text that is no number gives 0.
    static Decimal fromText(const QString& text);
    // Rounds the double's shortest decimal form to `places` places, half away from zero.
    static Decimal fromDouble(double value, int places = Places);

    double toDouble() const;
    // Fixed number of places, rounded half away from zero.
    QString toString(int places) const;
    // Default conversion: no trailing zeros beyond what the value needs ("10", "12.5").
    QString toString() const;

    qint64 scaled() const { return m_scaled; }

    // Sums stop at the largest amount instead of wrapping round to a wrong sign.
    Decimal operator+(Decimal other) const { return saturated(m_scaled, other.m_scaled, false); }
    Decimal operator-(Decimal other) const { return saturated(m_scaled, other.m_scaled, true); }
    Decimal& operator+=(Decimal other) { return *this = *this + other; }
    bool operator==(const Decimal& other) const = default;
    auto operator<=>(const Decimal& other) const = default;

private:
    static Decimal saturated(qint64 a, qint64 b, bool subtract);

    qint64 m_scaled = 0; // value × 10^Places
};

// A NUMERIC column as the drivers hand it back: its text ("562.50", "675"), or a double taken at
// its shortest decimal form, not at its binary value. None for NULL.
std::optional<Decimal> decimalOfColumn(const QVariant& value);
