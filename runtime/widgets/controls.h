#pragma once

#include "runtime/core/decimal.h"

#include <QLineEdit>
#include <QString>

// A single-line edit that reports `modified` when the user (not the program) changes its text.
class SingleLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SingleLineEdit(const QString& name, QWidget* parent = nullptr);

signals:
    void modified();
};

// An edit mask with a numeric display format such as "0.00". It always shows its value in that
// format; text that is no number (the stored "none" of a field never filled) shows and counts as
// 0. Typing is limited to numbers; the field re-formats itself when the user leaves it, and
// `modified` tells of every change the user makes. Entering the field selects its amount, so that
// typing replaces it: the formatted "0.00" already has both decimals and would take no digit.
class EditMask : public QLineEdit {
    Q_OBJECT

public:
    EditMask(const QString& name, const QString& mask, QWidget* parent = nullptr);

    QString mask() const { return m_mask; }
    // Sets the value from a text ("675", "562.5", "none") and shows it in the mask's format.
    // QLineEdit::setText stays as it is: it puts a text in unformatted, as another window may.
    void setValue(const QString& text);
    // The amount as the field shows it, also while the user is still typing in it: its text as a
    // number (0 for no number), rounded to the mask's places.
    Decimal amount() const;

signals:
    void modified();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void reformat();

    QString m_mask;
    int m_places = 0;
};
