// Text-to-number conversions and the numeric display formats: any text converts to a finite
// number, and every number shows as digits that read back as that number, rounded to the format.
#include "fuzz/fuzz_check.h"
#include "runtime/core/convert.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

struct Format {
    QString mask;
    int places;
    QRegularExpression shape;
};

const Format formats[] = {
    {QStringLiteral("0.00"), 2, QRegularExpression(QStringLiteral("^-?\\d+\\.\\d\\d$"))},
    {QStringLiteral("0"), 0, QRegularExpression(QStringLiteral("^-?\\d+$"))},
    {QStringLiteral("#,##0.00"), 2,
     QRegularExpression(QStringLiteral("^-?\\d{1,3}(,\\d\\d\\d)*\\.\\d\\d$"))},
};

// The shown text is the value rounded to the format's places, on its 15-digit form: the bound
// is half a place plus that form's last digit, which grows with the value.
bool showsValue(const QString& shown, double value, int places) {
    const double back = toDouble(QString(shown).remove(QLatin1Char(',')));
    const double bound = 0.5 * std::pow(10.0, -places) + std::max(1.0, std::fabs(value)) * 1e-14;
    return std::fabs(back - value) <= bound * (1 + 1e-9);
}

void checkFormats(double value, const QString& input) {
    for (const Format& format : formats) {
        const QString shown = formatNumber(value, format.mask);
        FUZZ_CHECK(format.shape.match(shown).hasMatch(), input + QStringLiteral(" -> ") + shown);
        if (std::isfinite(value))
            FUZZ_CHECK(showsValue(shown, value, format.places),
                       input + QStringLiteral(" -> ") + shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const double value = toDouble(text);
    FUZZ_CHECK(std::isfinite(value), text);
    FUZZ_CHECK(isNumber(text) || value == 0.0, text);

    const int integer = toInteger(text);
    if (std::fabs(value) < 2147483647.0)
        FUZZ_CHECK(std::fabs(integer - value) < 1.0, text);
    else
        FUZZ_CHECK(integer == (value > 0 ? std::numeric_limits<int>::max()
                                         : std::numeric_limits<int>::min()),
                   text);

    checkFormats(value, text);
    const double reread = toDouble(numberToText(value));
    FUZZ_CHECK(std::fabs(reread - value) <= std::fabs(value) * 1e-14, text);

    // The same bytes taken as a double reach the values no typed text gives: the largest, the
    // smallest, infinities and NaN, as a computed total may be.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkFormats(raw, QString::number(raw, 'g', 17));
    }
    return 0;
}
