#include "runtime/widgets/controls.h"

#include "runtime/core/convert.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

SingleLineEdit::SingleLineEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, &SingleLineEdit::modified);
}

EditMask::EditMask(const QString& name, const QString& mask, QWidget* parent)
    : QLineEdit(parent), m_mask(mask) {
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const qsizetype point = mask.indexOf(QLatin1Char('.'));
    m_places = point < 0 ? 0 : int(mask.size() - point - 1);
    const QString pattern = m_places > 0
                                ? QStringLiteral("^-?\\d{0,12}(\\.\\d{0,%1})?$").arg(m_places)
                                : QStringLiteral("^-?\\d{0,12}$");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    connect(this, &QLineEdit::textEdited, this, &EditMask::modified);
    connect(this, &QLineEdit::editingFinished, this, &EditMask::reformat);
    reformat();
}

void EditMask::setValue(const QString& text) {
    setText(formatNumber(toDouble(text), m_mask));
}

Decimal EditMask::amount() const {
    return Decimal::fromDouble(toDouble(text()), m_places);
}

void EditMask::reformat() {
    const QString formatted = formatNumber(toDouble(text()), m_mask);
    if (formatted != text())
        setText(formatted);
}

void EditMask::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Selected after the click that brought the focus has placed the cursor.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
