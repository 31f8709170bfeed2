#pragma once

#include "runtime/core/result.h"

#include <QString>

// MessageBox(title, text): a modal box with one OK button; returns once the user has pressed it.
int MessageBox(const QString& title, const QString& text);

// Shows a failed read as the screens report it: "DataBase Error!" when the cursor could not be
// opened, "DataBase Error" when a fetch failed, each with the database's text. A read that
// finished shows nothing. Returns the read's SQL code.
int reportReadFailure(const Result<>& outcome);
