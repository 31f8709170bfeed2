#pragma once

#include <QString>

// MessageBox(title, text): a modal box with one OK button; returns once the user has pressed it.
int MessageBox(const QString& title, const QString& text);
