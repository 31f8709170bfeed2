#include "runtime/widgets/visible_width.h"

#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// QLineEdit keeps this margin on each side of its text, and one pixel for the cursor.
constexpr int TextMargin = 2;
constexpr int CursorWidth = 1;

class VisibleWidthValidator : public QValidator {
public:
    explicit VisibleWidthValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int&) const override {
        return (!m_edit || fitsVisibleWidth(m_edit, input)) ? Acceptable : Invalid;
    }

private:
    QPointer<QLineEdit> m_edit;
};

} // namespace

bool fitsVisibleWidth(const QLineEdit* edit, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    const int available =
        contents.width() - margins.left() - margins.right() - 2 * TextMargin - CursorWidth;
    return edit->fontMetrics().horizontalAdvance(text) <= available;
}

void stopAtVisibleWidth(QLineEdit* edit) {
    edit->setValidator(new VisibleWidthValidator(edit));
}
