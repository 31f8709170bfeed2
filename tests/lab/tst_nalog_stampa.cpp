// The printed findings report and bill as a reader gets them: each made into a PDF file as
// "Sačuvaj kao PDF" makes it, its text read back with pdftotext (poppler-utils) and compared with
// the lines written out here by hand: the practice's header, the patient and the order, the table
// with values, units, ranges and marks, the bill's sums, Serbian letters, and text that looks like
// markup printed as it was typed. The page is A4.
#include "domain/lab/izvestaj.h"
#include "tests/support/opseg.h"
#include "tests/support/pdf_text.h"
#include "tests/support/rows.h"
#include "ui/lab/stampa.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using rezultat_upis::Linija;

Linija linija(const QString& naziv, const QString& vrednost, const QString& jedinica,
              const QString& muski, const QString& zenski, ocena::Pol pol,
              const char* cena = nullptr) {
    Linija l;
    l.stavka.naziv = naziv;
    if (cena)
        l.stavka.cena = Decimal::fromText(QString::fromLatin1(cena));
    l.vrednost = vrednost;
    l.jedMere = jedinica;
    l.muski = opsegIz(muski);
    l.zenski = opsegIz(zenski);
    l.pol = pol;
    return l;
}

// Ana Anić, order 12 of 9 December 2026: hemoglobin high, leukocytes within, protein in words,
// iron low; two analyses priced on the bill.
rezultat_upis::Nalog ana(ocena::Pol pol, const QString& mbr) {
    rezultat_upis::Nalog n;
    n.pacijent = {1, QStringLiteral("Ana"), QStringLiteral("Anić"), mbr, QVariant()};
    n.pol = pol;
    n.zaglavlje.rbr = 12;
    n.zaglavlje.datum = QDate(2026, 12, 9);
    n.zaglavlje.popust = QStringLiteral("10");
    n.zaglavlje.cenaHem = Decimal::fromText(QStringLiteral("20"));
    n.zaglavlje.ukupnoHem = Decimal::fromText(QStringLiteral("18"));
    n.zaglavlje.ukupnoBiohem = Decimal::fromText(QStringLiteral("120.5"));
    n.zaglavlje.svega = Decimal::fromText(QStringLiteral("138.5"));
    n.linije = {linija("Hemoglobin", "165,5", "g/L", "135;175", "120;160", pol, "10"),
                linija("Leukociti", "7,5", "10^9/L", "4;10", "4;10", pol, "10.00"),
                linija("Proteini", "negativan", "", ";", ";", pol),
                linija("Gvožđe", "5", "µmol/L", "10.7;28.6", "6.6;26.0", pol)};
    return n;
}

const ordinacija_sql::Ordinacija Ordinacija{QStringLiteral("Ordinacija „Zdravlje“"),
                                            QStringLiteral("Njegoševa 5, 11000 Beograd"),
                                            QStringLiteral("011/123-456"), 1};
const QDate Danas(2026, 12, 10);

} // namespace

Q_DECLARE_METATYPE(rezultat_upis::Nalog)

class TestNalogStampa : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void printed_data() {
        QTest::addColumn<bool>("racun");
        QTest::addColumn<rezultat_upis::Nalog>("nalog");
        QTest::addColumn<QStringList>("lines");  // in this order, among the others
        QTest::addColumn<QStringList>("absent"); // nowhere
        const QStringList header{"Ordinacija „Zdravlje“", "Njegoševa 5, 11000 Beograd",
                                 "Telefon: 011/123-456"};
        const QStringList patient{"Pacijent: Anić Ana", "Matični broj: 0101990715001",
                                  "Datum rođenja: 01.01.1990", "Nalog broj: 12",
                                  "Datum naloga: 09.12.2026"};
        row("report, a woman", false, ana(ocena::Pol::Zenski, "0101990715001"),
            header + QStringList{"Laboratorijski nalaz"} + patient +
                QStringList{"Analiza Rezultat Jedinica Referentne vrednosti",
                            "Hemoglobin 165,5 g/L 120 – 160 ↑", "Leukociti 7,5 10^9/L 4 – 10",
                            "Proteini negativan", "Gvožđe 5 µmol/L 6,6 – 26 ↓",
                            "Datum štampe: 10.12.2026"},
            QStringList{"135", "Pol:", "Cena"});
        row("report, sex unknown: both ranges, no mark", false, ana(ocena::Pol::Nepoznat, ""),
            QStringList{"Pacijent: Anić Ana", "Pol: nepoznat",
                        "Hemoglobin 165,5 g/L M: 135 – 175; Ž: 120 – 160",
                        "Leukociti 7,5 10^9/L 4 – 10"},
            QStringList{"↑", "↓", "Matični broj", "Datum rođenja"});
        row("bill", true, ana(ocena::Pol::Zenski, "0101990715001"),
            header + QStringList{"Račun"} + patient +
                QStringList{"Analiza Cena", "Hemoglobin 10.00", "Leukociti 10.00",
                            "Ukupna cena: 20.00", "Popust: 10 %", "Hematologija: 18.00",
                            "Biohemija: 120.50", "Urin: 0.00", "Svega za naplatu: 138.50",
                            "Datum štampe: 10.12.2026"},
            QStringList{"Proteini", "Gvožđe", "negativan", "165"});
        rezultat_upis::Nalog otkazan = ana(ocena::Pol::Muski, "0202985710002");
        otkazan.zaglavlje.otkazan = true;
        otkazan.zaglavlje.rbr = 13;
        otkazan.pacijent.prezime = QStringLiteral("<b>O'Brien & \"Đokić\"</b>");
        otkazan.linije = {
            linija("Hemoglobin", "<i>%1</i>", "g/L", "135;175", "120;160", ocena::Pol::Muski)};
        row("markup as typed, a cancelled order", false, otkazan,
            QStringList{"Pacijent: <b>O'Brien & \"Đokić\"</b> Ana", "Datum rođenja: 02.02.1985",
                        "Nalog broj: 13 (otkazan)", "Hemoglobin <i>%1</i> g/L 135 – 175",
                        "Nalog je otkazan."},
            QStringList{"↑"});
        row("no practice's details yet", false, ana(ocena::Pol::Zenski, "0101990715001"),
            QStringList{"Laboratorijski nalaz", "Pacijent: Anić Ana"},
            QStringList{"Telefon", "Ordinacija"});
    }

    void printed() {
        QFETCH(bool, racun);
        QFETCH(rezultat_upis::Nalog, nalog);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, absent);
        const ordinacija_sql::Ordinacija ordinacija =
            QString::fromLatin1(QTest::currentDataTag()).startsWith(QLatin1String("no practice"))
                ? ordinacija_sql::Ordinacija()
                : Ordinacija;
        const izvestaj::Dokument dokument = racun ? izvestaj::racun(nalog, ordinacija, Danas)
                                                  : izvestaj::nalaz(nalog, ordinacija, Danas);
        const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        QString error;
        QVERIFY2(stampa::uPdf(dokument, pdf, &error), qPrintable(error));
        const QStringList text = pdfLines(pdf, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        qsizetype at = 0;
        for (const QString& line : lines) {
            const qsizetype found = text.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("\"%1\" not found after line %2 of:\n%3")
                                                .arg(line)
                                                .arg(at)
                                                .arg(text.join(QLatin1Char('\n')))));
            at = found + 1;
        }
        for (const QString& word : absent)
            QVERIFY2(!text.join(QLatin1Char('\n')).contains(word), qPrintable(word));

        QProcess pdfinfo;
        pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(pdfinfo.waitForFinished(30000));
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QRegularExpression(
                     QStringLiteral("Page size:\\s+595[\\d.]* x 84[12][\\d.]* pts \\(A4\\)"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
    }

    // A file that cannot be written is told, not passed over.
    void unwritableFile() {
        QString error;
        QVERIFY(!stampa::uPdf(izvestaj::nalaz(ana(ocena::Pol::Zenski, ""), Ordinacija, Danas),
                              m_dir.filePath(QStringLiteral("nema/takve/fascikle.pdf")), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestNalogStampa)
#include "tst_nalog_stampa.moc"
