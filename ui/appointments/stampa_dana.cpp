#include "ui/appointments/stampa_dana.h"

#include "runtime/widgets/look.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

namespace stampa_dana {

namespace {

QString celija(const QString& tekst) {
    return QStringLiteral("<td>%1</td>").arg(tekst.toHtmlEscaped());
}

} // namespace

void napravi(QTextDocument& dokument, const QString& naslov,
             const QList<zakazivanje_prikaz::RedSpiska>& redovi, const QDate& stampano) {
    QFont font = screenFont(ScreenFont::Arial10);
    font.setPointSize(10);
    dokument.setDefaultFont(font);
    QString html =
        QStringLiteral("<h3>Zakazani pregledi</h3><p><b>%1</b></p>").arg(naslov.toHtmlEscaped());
    if (redovi.isEmpty()) {
        html += QStringLiteral("<p>Nema zakazanih pregleda.</p>");
    } else {
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                               "width=\"100%\"><thead><tr><th align=\"left\">Vreme</th>"
                               "<th align=\"left\">Pacijent</th><th align=\"left\">Telefon</th>"
                               "<th align=\"left\">Napomena</th><th align=\"left\">Status</th>"
                               "</tr></thead>");
        for (const zakazivanje_prikaz::RedSpiska& red : redovi)
            html += QStringLiteral("<tr>") + celija(red.vreme) + celija(red.pacijent) +
                    celija(red.telefon) + celija(red.napomena) + celija(red.status) +
                    QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    html +=
        QStringLiteral("<p>Štampano %1.</p>").arg(stampano.toString(QStringLiteral("dd.MM.yyyy")));
    dokument.setHtml(html);
}

void stampaj(QPrinter& printer, const QString& naslov,
             const QList<zakazivanje_prikaz::RedSpiska>& redovi, const QDate& stampano) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(naslov);
    QTextDocument dokument;
    napravi(dokument, naslov, redovi, stampano);
    dokument.print(&printer);
}

} // namespace stampa_dana
