#include "runtime/widgets/multi_line_edit.h"

MultiLineEdit::MultiLineEdit(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            emit modified();
    });
}

void MultiLineEdit::setText(const QString& text) {
    m_settingText = true;
    setPlainText(text);
    m_settingText = false;
}
