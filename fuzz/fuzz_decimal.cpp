// Money: a price read from text or from a double keeps its value, shows with the places asked for
// and reads back unchanged; sums never overflow into nonsense.
#include "fuzz/fuzz_check.h"
#include "runtime/core/convert.h"
#include "runtime/core/decimal.h"

#include <algorithm>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const Decimal price = Decimal::fromText(text);

    // The default text and the four-place text are exact: they read back as the same amount.
    FUZZ_CHECK(Decimal::fromText(price.toString()) == price, text);
    FUZZ_CHECK(Decimal::fromText(price.toString(Decimal::Places)) == price, text);
    FUZZ_CHECK(std::isfinite(price.toDouble()), text);
    // Two places: rounded by at most half a hundredth.
    const QString shown = price.toString(2);
    FUZZ_CHECK(looksLikeAmount(shown), text + QStringLiteral(" -> ") + shown);
    const qint64 roundedAway = (Decimal::fromText(shown) - price).scaled();
    FUZZ_CHECK(roundedAway >= -50 && roundedAway <= 50, text + QStringLiteral(" -> ") + shown);

    // Text that is a plain amount within a price's range is taken at its value.
    static const QRegularExpression plain(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    const double typed = toDouble(text);
    if (plain.match(text).hasMatch() && std::fabs(typed) < 1e9)
        FUZZ_CHECK(std::fabs(price.toDouble() - typed) <= 0.00005 + std::fabs(typed) * 1e-15, text);

    // Sums of lines stay exact and never wrap around.
    const Decimal twice = price + price;
    FUZZ_CHECK((twice - price) == price, text);
    FUZZ_CHECK((price.scaled() >= 0) == (twice.scaled() >= 0), text);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        for (int places = 0; places <= Decimal::Places; ++places) {
            const Decimal fromDouble = Decimal::fromDouble(raw, places);
            const QString label = QString::number(raw, 'g', 17);
            FUZZ_CHECK(std::isfinite(fromDouble.toDouble()), label);
            if (std::isfinite(raw) && std::fabs(raw) < 1e13)
                // Rounded on the value's 15-digit form (so 0.12499999999999713, a computed
                // 0.125, gives 0.13): off by at most half a place plus that form's last digit.
                FUZZ_CHECK(std::fabs(fromDouble.toDouble() - raw) <=
                               0.5 * std::pow(10.0, -places) +
                                   std::max(1.0, std::fabs(raw)) * 1e-14,
                           label);
        }
    }
    return 0;
}
