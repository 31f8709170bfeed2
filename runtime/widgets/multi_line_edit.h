#pragma once

#include <QPlainTextEdit>

// A multi-line edit that reports `modified` when the user (not the program) changes its text.
// Tab moves on to the next control, as in every other field, instead of typing a tab.
class MultiLineEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultiLineEdit(const QString& name, QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    // The program's own change of the text; it is not reported as `modified`.
    void setText(const QString& text);

signals:
    void modified();

private:
    bool m_settingText = false;
};
