#include "tests/support/pdf_text.h"

#include <QProcess>

QStringList pdfLines(const QString& pdf, QString& error) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        error = QStringLiteral("pdftotext (Debian poppler-utils) did not run: ") +
                pdftotext.errorString() + QString::fromLocal8Bit(pdftotext.readAllStandardError());
        return {};
    }
    QStringList lines;
    for (QString line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')) {
        line = line.simplified();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}
