#pragma once

#include <QString>

class QLineEdit;

// Horizontal auto-scroll switched off: the edit takes only as much typed or pasted text as it can
// show in its visible width, and refuses the keystroke that would not fit. No limit in characters
// is set, and text the program puts in is not cut.
void stopAtVisibleWidth(QLineEdit* edit);

// Whether text fits into the edit's visible width in the edit's font.
bool fitsVisibleWidth(const QLineEdit* edit, const QString& text);
