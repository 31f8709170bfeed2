// How a laboratory result is judged, as one table on the plain rules: the patient's sex from the
// address book or the identity number, the value read as a number or kept as words, the range of
// that sex (bounds included, either open) and the mark, and the range as the window and the report
// show it.
#include "domain/lab/ocena.h"
#include "tests/support/opseg.h"
#include "tests/support/rows.h"

#include <QTest>

using namespace ocena;

namespace {

const QVariant Nepoznat;               // the address book holds no sex
const QString Muski = "0101990710000"; // digits 10-12: 000
const QString Hb = "135;175", HbZ = "120;160";

} // namespace

class TestLabOcena : public QObject {
    Q_OBJECT

private slots:
    void judged_data() {
        QTest::addColumn<QVariant>("pol"); // adresar.pol
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<QString>("vrednost");
        QTest::addColumn<QString>("muski");
        QTest::addColumn<QString>("zenski");
        QTest::addColumn<QString>("oznaka"); // "↓", "↑", "=" within, "" not judged
        QTest::addColumn<QString>("prikaz");
        // The sex from the identity number, and the address book's when it has one
        row("000 is a man", Nepoznat, Muski, "130", Hb, HbZ, "↓", "135 – 175");
        row("499 is a man", Nepoznat, "0101990714993", "130", Hb, HbZ, "↓", "135 – 175");
        row("500 is a woman", Nepoznat, "0101990715003", "130", Hb, HbZ, "=", "120 – 160");
        row("999 is a woman", Nepoznat, "0101990719993", "165", Hb, HbZ, "↑", "120 – 160");
        row("pol 1 over a woman's number", QVariant(1), "0101990715003", "130", Hb, HbZ, "↓",
            "135 – 175");
        row("pol 0 over a man's number", QVariant(0), Muski, "130", Hb, HbZ, "=", "120 – 160");
        row("pol 0 without a number", QVariant(0), "", "130", Hb, HbZ, "=", "120 – 160");
        row("number too short: both ranges, no mark", Nepoznat, "01019907150", "100", Hb, HbZ, "",
            "M: 135 – 175; Ž: 120 – 160");
        row("letter among digits 10-12", Nepoznat, "010199071a003", "100", Hb, HbZ, "",
            "M: 135 – 175; Ž: 120 – 160");
        row("unknown, one range for both", Nepoznat, "", "12", "4;10", "4;10", "", "4 – 10");
        row("unknown, only the man's range", Nepoznat, "", "12", "4;10", ";", "", "M: 4 – 10");
        // Bounds belong to the range
        row("lower bound", QVariant(1), "", "135", Hb, HbZ, "=", "135 – 175");
        row("upper bound", QVariant(1), "", "175", Hb, HbZ, "=", "135 – 175");
        row("decimal comma below", QVariant(1), "", "134,9", Hb, HbZ, "↓", "135 – 175");
        row("decimal point above", QVariant(1), "", "175.1", Hb, HbZ, "↑", "135 – 175");
        row("five decimals just above", QVariant(1), "", "175,00001", Hb, HbZ, "↑", "135 – 175");
        row("trailing zeros on the bound", QVariant(1), "", "175,00000", Hb, HbZ, "=", "135 – 175");
        row("blanks around", QVariant(1), "", "  150 ", Hb, HbZ, "=", "135 – 175");
        row("plus sign", QVariant(1), "", "+150", Hb, HbZ, "=", "135 – 175");
        row("a huge number", QVariant(1), "", "99999999999999999999", Hb, HbZ, "↑", "135 – 175");
        row("three decimals", QVariant(0), "", "0,52", "0.400;0.520", "0.360;0.480", "↑",
            "0,36 – 0,48");
        row("negative range", QVariant(1), "", "-1", "-1.5;0", "-1.5;0", "=", "-1,5 – 0");
        row("below a negative bound", QVariant(1), "", "-1,6", "-1.5;0", "-1.5;0", "↓", "-1,5 – 0");
        row("minus zero is zero", QVariant(1), "", "-0", "0;1", "0;1", "=", "0 – 1");
        row("open upper bound", QVariant(1), "", "0,9", "1.0;", "1.2;", "↓", "od 1");
        row("open upper bound, high", QVariant(0), "", "5", "1.0;", "1.2;", "=", "od 1,2");
        row("open lower bound", QVariant(1), "", "6", ";5.2", ";5.2", "↑", "do 5,2");
        row("no range", QVariant(1), "", "5", ";", ";", "", "");
        // Words are kept, never judged
        row("words", QVariant(1), "", "negativan", Hb, HbZ, "", "135 – 175");
        row("less than", QVariant(1), "", "<0.5", Hb, HbZ, "", "135 – 175");
        row("exponent", QVariant(1), "", "1e3", Hb, HbZ, "", "135 – 175");
        row("two commas", QVariant(1), "", "1,2,3", Hb, HbZ, "", "135 – 175");
        row("a sign alone", QVariant(1), "", "-", Hb, HbZ, "", "135 – 175");
        row("empty", QVariant(1), "", "", Hb, HbZ, "", "135 – 175");
    }

    void judged() {
        QFETCH(QVariant, pol);
        QFETCH(QString, mbr);
        QFETCH(QString, vrednost);
        QFETCH(QString, muski);
        QFETCH(QString, zenski);
        QFETCH(QString, oznaka);
        QFETCH(QString, prikaz);
        const Pol p = polPacijenta(pol, mbr);
        const Ocena o = oceni(vrednost, p, opsegIz(muski), opsegIz(zenski));
        QCOMPARE(ocena::oznaka(o), oznaka == QLatin1String("=") ? QString() : oznaka);
        QCOMPARE(o == Ocena::UOpsegu, oznaka == QLatin1String("="));
        QCOMPARE(o == Ocena::Nema, oznaka.isEmpty());
        QCOMPARE(opsegTekst(p, opsegIz(muski), opsegIz(zenski)), prikaz);
    }
};

QTEST_MAIN(TestLabOcena)
#include "tst_lab_ocena.moc"
