#pragma once

#include <QString>
#include <QStringList>

// The lines of a PDF's text as a reader gets them (pdftotext -layout, Debian poppler-utils),
// blanks between words made one, empty lines left out. Empty, with error set, when pdftotext
// did not run.
QStringList pdfLines(const QString& pdf, QString& error);
