// The "0.00" edit mask: whatever text it is given (a stored value, a computed amount) or takes
// from the keyboard, it shows an amount in its format that it shows the same way again.
#include "fuzz/fuzz_check.h"
#include "runtime/core/convert.h"
#include "runtime/widgets/controls.h"

#include <QApplication>
#include <QValidator>

#include <cmath>

namespace {

EditMask* mask = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    mask = new EditMask(QStringLiteral("em_fuzz"), QStringLiteral("0.00"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);

    mask->setValue(text);
    const QString shown = mask->text();
    FUZZ_CHECK(looksLikeAmount(shown), text + QStringLiteral(" -> ") + shown);
    mask->setValue(shown);
    FUZZ_CHECK(mask->text() == shown, text + QStringLiteral(" -> ") + mask->text());
    // The amount it hands on is the amount it shows, for amounts of the twelve whole digits that
    // the mask takes from the keyboard.
    if (std::fabs(toDouble(shown)) < 1e12)
        FUZZ_CHECK(mask->amount().toString(2) == shown,
                   shown + QStringLiteral(" -> ") + mask->amount().toString(2));

    // Typed text: what the mask's validator lets through shows, on leaving the field, as the
    // typed amount rounded to hundredths.
    QString typed = text;
    int position = int(typed.size());
    if (mask->validator()->validate(typed, position) == QValidator::Acceptable) {
        mask->setText(typed);
        emit mask->editingFinished();
        const QString left = mask->text();
        FUZZ_CHECK(looksLikeAmount(left), typed + QStringLiteral(" -> ") + left);
        const double value = toDouble(typed);
        FUZZ_CHECK(std::fabs(toDouble(left) - value) <= 0.005 + std::fabs(value) * 1e-14,
                   typed + QStringLiteral(" -> ") + left);
    }
    return 0;
}
