#include "ui/lab/stampa.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

namespace stampa {

namespace {

// Escaped, its line breaks kept as breaks.
QString html(const QString& tekst) {
    QString escaped = tekst.toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    escaped.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    return escaped;
}

QString celija(const QString& oznaka, const QString& tekst, bool desno, bool istaknuta = false) {
    return QStringLiteral("<%1%2>%3</%1>")
        .arg(oznaka,
             desno ? QStringLiteral(" align=\"right\"")
                   : (istaknuta ? QStringLiteral(" align=\"center\" style=\"font-size:12pt; "
                                                 "font-weight:bold\"")
                                : QString()),
             html(tekst));
}

QString parovi(const QList<izvestaj::Stavka>& stavke, bool desno) {
    QString tekst = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\"%1>")
                        .arg(desno ? QStringLiteral(" align=\"right\"") : QString());
    for (const izvestaj::Stavka& s : stavke)
        tekst += QStringLiteral("<tr><td>%1:</td><td%2><b>%3</b></td></tr>")
                     .arg(html(s.naziv), desno ? QStringLiteral(" align=\"right\"") : QString(),
                          html(s.vrednost));
    return tekst + QStringLiteral("</table>");
}

QString telo(const izvestaj::Dokument& d) {
    QString tekst = QStringLiteral("<html><body>");
    if (!d.ordinacija.isEmpty()) {
        tekst += QStringLiteral("<p><span style=\"font-size:14pt; font-weight:bold\">%1</span>")
                     .arg(html(d.ordinacija.first()));
        for (qsizetype i = 1; i < d.ordinacija.size(); ++i)
            tekst += QStringLiteral("<br>") + html(d.ordinacija.at(i));
        tekst += QStringLiteral("</p><hr>");
    }
    tekst += QStringLiteral("<p align=\"center\" style=\"font-size:14pt; font-weight:bold; "
                            "margin-top:8px; margin-bottom:8px\">%1</p>")
                 .arg(html(d.naslov));
    tekst += parovi(d.podaci, false) + QStringLiteral("<br>");
    tekst += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                            "cellpadding=\"4\" style=\"border-collapse:collapse\"><thead><tr>");
    for (int i = 0; i < d.kolone.size(); ++i)
        tekst += celija(QStringLiteral("th"), d.kolone.at(i), d.brojevi.contains(i));
    tekst += QStringLiteral("</tr></thead>");
    for (const QStringList& red : d.redovi) {
        tekst += QStringLiteral("<tr>");
        for (int i = 0; i < red.size(); ++i)
            tekst += celija(QStringLiteral("td"), red.at(i), d.brojevi.contains(i), i == d.oznake);
        tekst += QStringLiteral("</tr>");
    }
    tekst += QStringLiteral("</table>");
    if (!d.zbirovi.isEmpty())
        tekst += QStringLiteral("<br>") + parovi(d.zbirovi, true);
    if (!d.napomena.isEmpty())
        tekst += QStringLiteral("<p>%1</p>").arg(html(d.napomena));
    tekst += QStringLiteral("<br><p>%1</p></body></html>").arg(html(d.odstampano));
    return tekst;
}

} // namespace

std::unique_ptr<QTextDocument> dokument(const izvestaj::Dokument& sadrzaj) {
    auto dokument = std::make_unique<QTextDocument>();
    dokument->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    dokument->setHtml(telo(sadrzaj));
    return dokument;
}

void pripremi(QPrinter& stampac) {
    stampac.setPageSize(QPageSize(QPageSize::A4));
    stampac.setPageOrientation(QPageLayout::Portrait);
    stampac.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
}

void odstampaj(const izvestaj::Dokument& sadrzaj, QPrinter& stampac) {
    dokument(sadrzaj)->print(&stampac);
}

bool uPdf(const izvestaj::Dokument& sadrzaj, const QString& datoteka, QString* greska) {
    // The printer's own engine does not say when the file cannot be written: try the file first.
    QFile proba(datoteka);
    if (!proba.open(QIODevice::WriteOnly)) {
        if (greska)
            *greska = proba.errorString();
        return false;
    }
    proba.close();
    QPrinter stampac(QPrinter::HighResolution);
    stampac.setOutputFormat(QPrinter::PdfFormat);
    stampac.setOutputFileName(datoteka);
    stampac.setCreator(QStringLiteral("MAB"));
    stampac.setDocName(sadrzaj.naslov);
    pripremi(stampac);
    odstampaj(sadrzaj, stampac);
    if (QFileInfo(datoteka).size() == 0) {
        if (greska)
            *greska = QStringLiteral("PDF nije upisan.");
        return false;
    }
    return true;
}

} // namespace stampa
