// The search's rules on plain values: the folding table, the escaped pattern, the birth date in
// the identity number and the age, what is refused, the query and the page in words, and a
// statement that carries none of the user's text.
#include "domain/search/pravila.h"
#include "domain/search/pretraga_sql.h"
#include "kriterijum_k.h"

#include <QTest>

using namespace pretraga;

class TestPretragaPravila : public QObject {
    Q_OBJECT

private slots:
    void folding_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("sklopljen");
        QTest::newRow("č ć Č Ć") << "čćČĆ"
                                 << "cccc";
        QTest::newRow("š Š ž Ž") << "šŠžŽ"
                                 << "sszz";
        QTest::newRow("đ Đ") << "Đorđe"
                             << "djordje";
        QTest::newRow("DJ") << "DJ"
                            << "dj";
        QTest::newRow("ASCII capitals") << "PETROVIĆ"
                                        << "petrovic";
        QTest::newRow("combining caron") << QString::fromUtf8("c\u030Cas") << "cas";
        QTest::newRow("other letters stay") << "ÉÜ ß"
                                            << "ÉÜ ß";
        QTest::newRow("signs stay") << "%_!\\'"
                                    << "%_!\\'";
        QTest::newRow("emoji stays") << "A😀"
                                     << "a😀";
    }

    void folding() {
        QFETCH(QString, tekst);
        QFETCH(QString, sklopljen);
        QCOMPARE(sklopi(tekst), sklopljen);
    }

    void pattern_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("plain, trimmed") << "  Petr "
                                        << "%petr%";
        QTest::newRow("percent") << "50%"
                                 << "%50!%%";
        QTest::newRow("underscore") << "a_b"
                                    << "%a!_b%";
        QTest::newRow("escape sign") << "hej!"
                                     << "%hej!!%";
        QTest::newRow("backslash and quote") << "\\'"
                                             << "%\\'%";
    }

    void pattern() {
        QFETCH(QString, tekst);
        QFETCH(QString, pattern);
        QCOMPARE(uzorak(tekst), pattern);
    }

    void birthDate_data() {
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("9GG is 19GG") << "3112999710033" << QDate(1999, 12, 31);
        QTest::newRow("0GG is 20GG") << "0101000715044" << QDate(2000, 1, 1);
        QTest::newRow("seven digits are enough") << "1506976" << QDate(1976, 6, 15);
        QTest::newRow("29 February of a leap year") << "2902004710066" << QDate(2004, 2, 29);
        QTest::newRow("29 February otherwise") << "2902001710066" << QDate();
        QTest::newRow("31 April") << "3104990710066" << QDate();
        QTest::newRow("month 13") << "0113990710066" << QDate();
        QTest::newRow("day 0") << "0001990710066" << QDate();
        QTest::newRow("1GG is no century") << "0101199710066" << QDate();
        QTest::newRow("8GG is no century") << "0101899710066" << QDate();
        QTest::newRow("too short") << "150697" << QDate();
        QTest::newRow("letters") << "15a6976710011" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }

    void birthDate() {
        QFETCH(QString, mbr);
        QFETCH(QDate, datum);
        const std::optional<QDate> procitan = datumRodjenja(mbr);
        QCOMPARE(procitan.value_or(QDate()), datum);
    }

    void age_data() {
        QTest::addColumn<QDate>("rodjen");
        QTest::addColumn<QDate>("danas");
        QTest::addColumn<int>("godine");
        QTest::newRow("birthday today") << QDate(1976, 6, 15) << QDate(2026, 6, 15) << 50;
        QTest::newRow("birthday tomorrow") << QDate(1976, 6, 16) << QDate(2026, 6, 15) << 49;
        QTest::newRow("29 February, on 28 February")
            << QDate(2004, 2, 29) << QDate(2025, 2, 28) << 20;
        QTest::newRow("29 February, on 1 March") << QDate(2004, 2, 29) << QDate(2025, 3, 1) << 21;
        QTest::newRow("born today") << QDate(2026, 6, 15) << QDate(2026, 6, 15) << 0;
    }

    void age() {
        QFETCH(QDate, rodjen);
        QFETCH(QDate, danas);
        QFETCH(int, godine);
        QCOMPARE(starost(rodjen, danas), godine);
        // The range the statement uses agrees with the age on both sides of the birthday.
        const RasponRodjenja tacno = rasponRodjenja(godine, Vrednost::Normalna, danas);
        QVERIFY(*tacno.posle < rodjen && rodjen <= *tacno.najkasnije);
        const RasponRodjenja starije = rasponRodjenja(godine, Vrednost::Vece, danas);
        QVERIFY(!starije.posle && rodjen > *starije.najkasnije);
        const RasponRodjenja mladje = rasponRodjenja(godine, Vrednost::Manje, danas);
        QVERIFY(!mladje.najkasnije && rodjen <= *mladje.posle);
    }

    void refused_data() {
        QTest::addColumn<QList<Kriterijum>>("paneli");
        QTest::addColumn<QString>("poruka");
        QTest::newRow("nothing typed")
            << QList<Kriterijum>{k(Polje::Ime, ""), k(Polje::Grad, "  ")} << "bar jedan";
        QTest::newRow("laboratory runs")
            << QList<Kriterijum>{k(Polje::Ime, "a"), k(Polje::Urin, "x")} << "";
        QTest::newRow("laboratory alone, no text: any analysis of the group")
            << QList<Kriterijum>{k(Polje::Ime, ""), k(Polje::Biohemija, "")} << "";
        QTest::newRow("laboratory, Od after Do")
            << QList<Kriterijum>{k(Polje::Hematologija, "", Veznik::I, 2026, 2025)}
            << "„Od“ (2026) je posle godine „Do“ (2025)";
        QTest::newRow("age in words")
            << QList<Kriterijum>{k(Polje::Starost, "četrdeset")} << "celim brojem godina";
        QTest::newRow("negative age")
            << QList<Kriterijum>{k(Polje::Starost, "-3")} << "celim brojem godina";
        QTest::newRow("Od after Do")
            << QList<Kriterijum>{k(Polje::Dg, "j45", Veznik::I, 2026, 2025)}
            << "„Od“ (2026) je posle godine „Do“ (2025)";
        QTest::newRow("years of a patient field do not matter")
            << QList<Kriterijum>{k(Polje::Ime, "a", Veznik::I, 2026, 2025)} << "";
    }

    void refused() {
        QFETCH(QList<Kriterijum>, paneli);
        QFETCH(QString, poruka);
        const QString zasto = zastoNe(paneli);
        if (poruka.isEmpty())
            QCOMPARE(zasto, QString());
        else
            QVERIFY2(zasto.contains(poruka), qPrintable(zasto));
    }

    void inWords_data() {
        QTest::addColumn<QList<Kriterijum>>("paneli");
        QTest::addColumn<QString>("upit");
        QTest::newRow("example") << QList<Kriterijum>{k(Polje::Prezime, "petr"),
                                                      k(Polje::Dg, "J45", Veznik::ILI)}
                                 << "Prezime sadrži „petr“ ILI Dg sadrži „J45“ (posete 2025-2026)";
        QTest::newRow("empty panels and their connectors skipped")
            << QList<Kriterijum>{k(Polje::Ime, ""), k(Polje::Grad, "Niš", Veznik::NE),
                                 k(Polje::Ime, ""), k(Polje::Lekar, "Đurić", Veznik::I, 1999, 2000)}
            << "NE Grad sadrži „Niš“ I Lekar sadrži „Đurić“ (posete 1999-2000)";
        QTest::newRow("NE on the only filled panel says except")
            << QList<Kriterijum>{k(Polje::Prezime, ""), k(Polje::Prezime, "petrovic", Veznik::NE)}
            << "NE Prezime sadrži „petrovic“";
        QTest::newRow("empty panels skipped, I on the first filled one unused")
            << QList<Kriterijum>{k(Polje::Ime, ""), k(Polje::Grad, "Niš", Veznik::I)}
            << "Grad sadrži „Niš“";
        QTest::newRow("ages")
            << QList<Kriterijum>{k(Polje::Starost, "40", Veznik::ILI, 2025, 2026, Vrednost::Vece),
                                 k(Polje::Starost, "60", Veznik::NE, 2025, 2026, Vrednost::Manje),
                                 k(Polje::Starost, "50", Veznik::ILI, 2025, 2026, Vrednost::Sve)}
            << "Starost veća od 40 NE Starost manja od 60 ILI Starost tačno 50";
        QTest::newRow("nothing") << QList<Kriterijum>{k(Polje::Ime, "")} << "";
        QTest::newRow("laboratory, an analysis and any analysis")
            << QList<Kriterijum>{k(Polje::Hematologija, " hemo ", Veznik::ILI, 2025, 2026,
                                   Vrednost::Vece),
                                 k(Polje::Urin, "", Veznik::I, 2024, 2026, Vrednost::Sve),
                                 k(Polje::LeukocitarnaFormula, "%1", Veznik::NE, 2026, 2026,
                                   Vrednost::Manje),
                                 k(Polje::Biohemija, "glu", Veznik::ILI)}
            << "Hematologija sadrži „hemo“, vrednost iznad granica (nalozi 2025-2026) I Urin, bilo "
               "koja analiza, bilo koja vrednost (nalozi 2024-2026) NE Leukocitarna formula sadrži "
               "„%1“, vrednost ispod granica (nalozi 2026-2026) ILI Biohemija sadrži „glu“, "
               "vrednost "
               "u granicama (nalozi 2025-2026)";
    }

    void inWords() {
        QFETCH(QList<Kriterijum>, paneli);
        QFETCH(QString, upit);
        QCOMPARE(upitRecima(paneli), upit);
    }

    void pageInWords() {
        QCOMPARE(opisStrane(1, 10, 37), QStringLiteral("1-10 od 37"));
        QCOMPARE(opisStrane(31, 7, 37), QStringLiteral("31-37 od 37"));
        QCOMPARE(opisStrane(1, 0, 0), QStringLiteral("Nema rezultata."));
    }

    // The user's text reaches the statement only as bound values, one for every marker.
    void statementCarriesNoUserText() {
        const QString hostile = QStringLiteral("x'); DELETE FROM adresar; --");
        const QList<Kriterijum> paneli{k(Polje::Prezime, hostile), k(Polje::Dg, hostile, Veznik::I),
                                       k(Polje::Starost, "30", Veznik::NE),
                                       k(Polje::Lekar, hostile, Veznik::ILI),
                                       k(Polje::Biohemija, hostile, Veznik::I)};
        const pretraga_sql::Naredba naredba =
            pretraga_sql::sastavi(paneli, QDate(2026, 6, 15), 20, 10);
        QVERIFY(!naredba.tekst.contains(QStringLiteral("DELETE")));
        QCOMPARE(naredba.tekst.count(QLatin1Char('?')), naredba.vrednosti.size());
        QVERIFY(
            naredba.vrednosti.contains(QVariant(QStringLiteral("%x'); delete from adresar; --%"))));
    }
};

QTEST_MAIN(TestPretragaPravila)
#include "tst_pretraga_pravila.moc"
