#pragma once

#include "domain/lab/izvestaj.h"

#include <QString>

#include <memory>

class QPrinter;
class QTextDocument;

// A report or bill on paper: one text document laid out for A4, which feeds both the printer and
// the PDF file, so that both show the same. Readable at 100 %: 10-point text, the practice's name
// larger.
namespace stampa {

std::unique_ptr<QTextDocument> dokument(const izvestaj::Dokument& sadrzaj);

// A4 upright, 20 mm margins left and right, 15 mm top and bottom.
void pripremi(QPrinter& stampac);

// Prints on a printer the print dialog has set up.
void odstampaj(const izvestaj::Dokument& sadrzaj, QPrinter& stampac);

// Writes the PDF file; false with the reason when it cannot be written.
bool uPdf(const izvestaj::Dokument& sadrzaj, const QString& datoteka, QString* greska = nullptr);

} // namespace stampa
