// The search's one statement on both databases against the fixed address book of
// pretraga_podaci.h: every field, connector and folding rule, years, ages around a birthday and
// the 1999/2000 identity numbers, hostile text, and paging. Expected entries are written out by
// hand as "rbr" or "rbr@newest matching visit", in the order the results show them.
#include "app/mab_oru.h"
#include "domain/search/pravila.h"
#include "domain/search/pretraga_sql.h"
#include "runtime/core/builtins.h"
#include "runtime/core/transaction.h"
#include "tests/domain/kriterijum_k.h"
#include "tests/search/pretraga_podaci.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

using namespace pretraga;

namespace {

using Paneli = QList<Kriterijum>;

Kriterijum starost(const QString& godine, Vrednost vrednost, Veznik veznik = Veznik::ILI) {
    return k(Polje::Starost, godine, veznik, 2025, 2026, vrednost);
}

Kriterijum posete(Polje polje, const QString& tekst, int od, int do_, Veznik veznik = Veznik::ILI) {
    return k(polje, tekst, veznik, od, do_);
}

// The 37 paging entries "Red 01" to "Red 37" in their order.
QString redovi() {
    QStringList rbr;
    for (int i = 101; i <= 137; ++i)
        rbr << QString::number(i);
    return rbr.join(QLatin1Char(' '));
}

// A laboratory group's criterion over the orders of 2024-2026.
Kriterijum nalaz(Polje polje, const QString& analiza, Vrednost vrednost,
                 Veznik veznik = Veznik::ILI, int od = 2024, int do_ = 2026) {
    return k(polje, analiza, veznik, od, do_, vrednost);
}

QString shown(const Result<pretraga_sql::Strana>& strana) {
    QStringList entries;
    for (const pretraga_sql::Pogodak& pogodak : strana.value.pogoci)
        entries << (pogodak.rbrPosete
                        ? QStringLiteral("%1@%2").arg(pogodak.rbr).arg(*pogodak.rbrPosete)
                        : QString::number(pogodak.rbr));
    return entries.join(QLatin1Char(' '));
}

} // namespace

class TestPretragaDb : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_sqlca;

    Result<pretraga_sql::Strana> search(const Paneli& paneli, int preskoci = 0,
                                        int naStrani = 100) {
        return pretraga_sql::trazi(
            *m_sqlca, pretraga_sql::sastavi(paneli, PretragaDanas, preskoci, naStrani));
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        QVERIFY2(upisiPodatkePretrage(m_db), qPrintable(m_db.lastError()));
        m_sqlca = std::make_unique<Transaction>();
        m_sqlca->autocommit = false;
        m_sqlca->dbparm = mab_oru::DBParm;
        QCOMPARE(m_sqlca->connect().sqlcode, 0);
    }

    void criteria_data() {
        QTest::addColumn<Paneli>("paneli");
        QTest::addColumn<QString>("expected");
        const auto ILI = Veznik::ILI, I = Veznik::I, NE = Veznik::NE;
        // Folding, both ways
        QTest::newRow("Prezime without marks") << Paneli{k(Polje::Prezime, "petrovic")} << "1";
        QTest::newRow("Prezime in capitals with marks")
            << Paneli{k(Polje::Prezime, "PETROVIĆ")} << "1";
        QTest::newRow("Ime: dj finds Đ") << Paneli{k(Polje::Ime, "dj")} << "1";
        QTest::newRow("Ime: Đ finds Đ") << Paneli{k(Polje::Ime, "Đ")} << "1";
        QTest::newRow("Prezime: DJ finds Dj") << Paneli{k(Polje::Prezime, "DJ")} << "5";
        QTest::newRow("Prezime: đo finds Djo") << Paneli{k(Polje::Prezime, "đo")} << "5";
        QTest::newRow("Prezime: c finds c, č, ć")
            << Paneli{k(Polje::Prezime, "c")} << "8 3 2 5 6 1 4";
        QTest::newRow("Prezime: ić finds ic") << Paneli{k(Polje::Prezime, "ić")} << "3 2 5 6 1 4";
        QTest::newRow("Prezime: s finds š") << Paneli{k(Polje::Prezime, "s")} << "8 4 9";
        QTest::newRow("Ime: Z finds Ž") << Paneli{k(Polje::Ime, "Z")} << "5";
        QTest::newRow("Grad") << Paneli{k(Polje::Grad, "beograd")} << "1";
        QTest::newRow("Grad: cačak finds Čačak") << Paneli{k(Polje::Grad, "cačak")} << "2";
        // Age on 15 June 2026
        QTest::newRow("Starost: birthday today")
            << Paneli{starost("50", Vrednost::Normalna)} << "1";
        QTest::newRow("Starost: birthday tomorrow")
            << Paneli{starost("49", Vrednost::Normalna)} << "2";
        QTest::newRow("Starost: born 1999 and 2000")
            << Paneli{starost(" 26 ", Vrednost::Normalna)} << "3 4";
        QTest::newRow("Starost veće") << Paneli{starost("49", Vrednost::Vece)} << "1";
        QTest::newRow("Starost veće, two") << Paneli{starost("26", Vrednost::Vece)} << "2 1";
        QTest::newRow("Starost manje") << Paneli{starost("26", Vrednost::Manje)} << "6";
        QTest::newRow("Starost sve asks exactly, 29 February")
            << Paneli{starost("22", Vrednost::Sve)} << "6";
        // Visits and their years
        QTest::newRow("Dg in the years")
            << Paneli{posete(Polje::Dg, "j45", 2025, 2026)} << "1@11 4@15";
        QTest::newRow("Dg, wider years")
            << Paneli{posete(Polje::Dg, "j45", 2024, 2026)} << "2@13 1@11 4@15";
        QTest::newRow("Dg, a year without it")
            << Paneli{posete(Polje::Dg, "j45", 2026, 2026)} << "";
        QTest::newRow("Dg, one year") << Paneli{posete(Polje::Dg, "J45", 2024, 2024)} << "2@13";
        QTest::newRow("Dg, 31 December counts")
            << Paneli{posete(Polje::Dg, "j45", 2025, 2025)} << "1@11 4@15";
        QTest::newRow("Lekar") << Paneli{posete(Polje::Lekar, "simic", 2024, 2026)} << "2@13 1@11";
        QTest::newRow("Lekar: the newest matching visit")
            << Paneli{posete(Polje::Lekar, "DR", 2024, 2026)} << "3@14 2@13 1@12 4@15";
        QTest::newRow("Porodična anamneza")
            << Paneli{posete(Polje::PorodicnaAnamneza, "karcinom", 2024, 2026)} << "2@13";
        QTest::newRow("Lična anamneza, an edit")
            << Paneli{posete(Polje::LicnaAnamneza, "2019", 2024, 2026)} << "3@14";
        QTest::newRow("Lična anamneza, a yes/no field")
            << Paneli{posete(Polje::LicnaAnamneza, "blaga", 2024, 2026)} << "4@15";
        QTest::newRow("Navike") << Paneli{posete(Polje::Navike, "pusi", 2025, 2026)} << "1@11";
        QTest::newRow("Navike, old year")
            << Paneli{posete(Polje::Navike, "ne pije", 2023, 2023)} << "6@16";
        QTest::newRow("Navike, outside the years")
            << Paneli{posete(Polje::Navike, "ne pije", 2025, 2026)} << "";
        QTest::newRow("Dg reads only the diagnosis")
            << Paneli{posete(Polje::Dg, "karcinom", 2020, 2026)} << "";
        QTest::newRow("Porodična anamneza reads only its page")
            << Paneli{posete(Polje::PorodicnaAnamneza, "j45", 2020, 2026)} << "";
        // Connectors, left to right
        QTest::newRow("ILI") << Paneli{k(Polje::Prezime, "petrovic"),
                                       k(Polje::Prezime, "colic", ILI)}
                             << "2 1";
        QTest::newRow("I") << Paneli{k(Polje::Prezime, "c"), k(Polje::Grad, "beograd", I)} << "1";
        QTest::newRow("NE") << Paneli{k(Polje::Prezime, "c"), k(Polje::Grad, "beograd", NE)}
                            << "8 3 2 5 6 4";
        QTest::newRow("NE keeps an entry without a city")
            << Paneli{k(Polje::Prezime, "djokic"), k(Polje::Grad, "a", NE)} << "5";
        QTest::newRow("NE keeps entries without a birth date")
            << Paneli{k(Polje::Prezime, "c"), starost("26", Vrednost::Normalna, NE)} << "8 2 5 6 1";
        QTest::newRow("left to right, not I before ILI")
            << Paneli{k(Polje::Prezime, "petrovic"), k(Polje::Prezime, "colic", ILI),
                      k(Polje::Grad, "cacak", I)}
            << "2";
        QTest::newRow("I over two visits")
            << Paneli{posete(Polje::Dg, "j45", 2024, 2026),
                      posete(Polje::Lekar, "jovanovic", 2024, 2026, I)}
            << "1@12 4@15";
        QTest::newRow("NE on visits shows no visit")
            << Paneli{k(Polje::Prezime, "c"), posete(Polje::Dg, "j45", 2024, 2026, NE)}
            << "8 3 5 6";
        QTest::newRow("entry ILI visit")
            << Paneli{k(Polje::Prezime, "smeh"), posete(Polje::Dg, "e11", 2026, 2026, ILI)}
            << "3@14 9";
        QTest::newRow("empty panels skipped, I on the first filled one unused")
            << Paneli{k(Polje::Prezime, ""), k(Polje::Prezime, "petrovic", I),
                      k(Polje::Grad, "   ", I), k(Polje::Prezime, "colic", ILI)}
            << "2 1";
        // "NE" on the first filled panel: everyone except its matches
        QTest::newRow("NE on the only filled panel")
            << Paneli{k(Polje::Prezime, ""), k(Polje::Prezime, "petrovic", NE)}
            << "8 3 2 5 6 7 " + redovi() + " 4 9";
        QTest::newRow("NE first, then I")
            << Paneli{k(Polje::Prezime, "   "), k(Polje::Prezime, "petrovic", NE),
                      k(Polje::Grad, "a", I)}
            << "2 7 4 9";
        QTest::newRow("NE first on visits shows no visit")
            << Paneli{k(Polje::Prezime, ""), posete(Polje::Dg, "j45", 2024, 2026, NE),
                      k(Polje::Prezime, "ic", I)}
            << "3 5 6";
        QTest::newRow("NE first, then ILI a visit")
            << Paneli{k(Polje::Ime, ""), k(Polje::Prezime, "c", NE),
                      posete(Polje::Dg, "j45", 2025, 2026, ILI), k(Polje::Ime, "q", NE)}
            << "7 1@11 4@15 9";
        QTest::newRow("connector beside an empty panel skipped")
            << Paneli{k(Polje::Prezime, "c"), k(Polje::Grad, "", NE), k(Polje::Grad, "beograd", I)}
            << "1";
        QTest::newRow("four panels")
            << Paneli{k(Polje::Prezime, "c"), starost("20", Vrednost::Vece, I),
                      k(Polje::Grad, "nis", NE), k(Polje::Ime, "hej", ILI)}
            << "2 6 1 4 9";
        // Laboratory results: the group, the analysis, the value class and the orders' years
        const auto Sve = Vrednost::Sve, Normalna = Vrednost::Normalna, Vece = Vrednost::Vece,
                   Manje = Vrednost::Manje;
        QTest::newRow("Hematologija, any result")
            << Paneli{nalaz(Polje::Hematologija, "", Sve)} << "1 4";
        QTest::newRow("Hematologija normalna")
            << Paneli{nalaz(Polje::Hematologija, "", Normalna)} << "1 4";
        QTest::newRow("Hematologija veće") << Paneli{nalaz(Polje::Hematologija, "", Vece)} << "1";
        QTest::newRow("Hematologija manje: a cancelled order counts for nothing")
            << Paneli{nalaz(Polje::Hematologija, "", Manje)} << "";
        QTest::newRow("an analysis by part of its name")
            << Paneli{nalaz(Polje::Hematologija, "hemo", Vece)} << "1";
        QTest::newRow("an analysis in capitals, normal")
            << Paneli{nalaz(Polje::Hematologija, "HEMOGLOBIN", Normalna)} << "4";
        QTest::newRow("an ordered analysis without a result")
            << Paneli{nalaz(Polje::Hematologija, "eritrociti", Sve)} << "";
        QTest::newRow("Leukocitarna formula veće")
            << Paneli{nalaz(Polje::LeukocitarnaFormula, "", Vece)} << "1";
        QTest::newRow("the blood count is not the leukocyte formula")
            << Paneli{nalaz(Polje::LeukocitarnaFormula, "leuko", Sve)} << "";
        QTest::newRow("Biohemija manje") << Paneli{nalaz(Polje::Biohemija, "", Manje)} << "2";
        QTest::newRow("Biohemija: dj finds đ")
            << Paneli{nalaz(Polje::Biohemija, "gvozdje", Normalna)} << "4";
        QTest::newRow("Biohemija: đ finds đ")
            << Paneli{nalaz(Polje::Biohemija, "GVOŽĐE", Sve)} << "4";
        QTest::newRow("Urin: words are a result") << Paneli{nalaz(Polje::Urin, "prot", Sve)} << "2";
        QTest::newRow("Urin: words are never normal")
            << Paneli{nalaz(Polje::Urin, "", Normalna)} << "";
        QTest::newRow("the years are the order's")
            << Paneli{nalaz(Polje::Biohemija, "", Manje, Veznik::ILI, 2025, 2025)} << "";
        QTest::newRow("the years reach the order")
            << Paneli{nalaz(Polje::Hematologija, "", Vece, Veznik::ILI, 2025, 2025)} << "1";
        QTest::newRow("NE a laboratory result")
            << Paneli{k(Polje::Prezime, "c"), nalaz(Polje::Hematologija, "", Sve, Veznik::NE)}
            << "8 3 2 5 6";
        QTest::newRow("a visit I a result")
            << Paneli{posete(Polje::Dg, "j45", 2024, 2026),
                      nalaz(Polje::Hematologija, "", Sve, Veznik::I)}
            << "1@11 4@15";
        QTest::newRow("a wildcard in the analysis finds only itself")
            << Paneli{nalaz(Polje::Biohemija, "%", Sve)} << "";
        // Hostile text finds only itself
        QTest::newRow("%") << Paneli{k(Polje::Grad, "%")} << "8";
        QTest::newRow("0%") << Paneli{k(Polje::Grad, "0%")} << "8";
        QTest::newRow("_") << Paneli{k(Polje::Grad, "_")} << "7";
        QTest::newRow("_ nowhere") << Paneli{k(Polje::Prezime, "_")} << "";
        QTest::newRow("a_") << Paneli{k(Polje::Prezime, "a_")} << "";
        QTest::newRow("%% nowhere") << Paneli{k(Polje::Ime, "%%")} << "";
        QTest::newRow("quote") << Paneli{k(Polje::Prezime, "'")} << "7";
        QTest::newRow("backslash") << Paneli{k(Polje::Prezime, "\\")} << "8";
        QTest::newRow("backslash percent") << Paneli{k(Polje::Prezime, "\\%")} << "";
        QTest::newRow("escape sign") << Paneli{k(Polje::Ime, "!")} << "9";
        QTest::newRow("SQL") << Paneli{k(Polje::Grad, "'; DROP TABLE adresar; --")} << "9";
        QTest::newRow("SQL always true") << Paneli{k(Polje::Prezime, "' OR '1'='1")} << "";
        QTest::newRow("emoji") << Paneli{k(Polje::Prezime, "😀")} << "9";
        QTest::newRow("emoji in visits") << Paneli{posete(Polje::Dg, "😀", 1995, 2026)} << "";
    }

    void criteria() {
        QFETCH(Paneli, paneli);
        QFETCH(QString, expected);
        QVERIFY(zastoNe(paneli).isEmpty());
        const Result<pretraga_sql::Strana> strana = search(paneli);
        QVERIFY2(!strana.failed(), qPrintable(strana.sqlerrtext));
        QCOMPARE(shown(strana), expected);
        QCOMPARE(strana.value.ukupno,
                 expected.isEmpty() ? 0 : int(expected.count(QLatin1Char(' ')) + 1));
        // Nothing the user typed changed the data.
        QCOMPARE(m_db.count(QStringLiteral("adresar")), 46);
    }

    void resultColumns() {
        const Result<pretraga_sql::Strana> strana =
            search({posete(Polje::Dg, "j45", 2025, 2026), k(Polje::Prezime, "šar", Veznik::I)});
        QCOMPARE(strana.value.pogoci.size(), 1);
        const pretraga_sql::Pogodak& pogodak = strana.value.pogoci.first();
        QCOMPARE(pogodak.prezime, QStringLiteral("Šarić"));
        QCOMPARE(pogodak.ime, QStringLiteral("Jelena"));
        QCOMPARE(pogodak.mbr, QStringLiteral("0101000715044"));
        QCOMPARE(pogodak.grad, QStringLiteral("Novi Sad"));
        QCOMPARE(pogodak.datumPosete, QDate(2025, 12, 31));
    }

    // The folded copies follow the address book's and the visits' writes.
    void copiesFollowWrites() {
        QVERIFY(
            m_db.exec(QString::fromUtf8("UPDATE adresar SET prezime = 'Žužić' WHERE rbr = 137")));
        QCOMPARE(shown(search({k(Polje::Prezime, "zuzic")})), QStringLiteral("137"));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO poseta (rbr, rbr_adresar, datum, lekar) "
                                         "VALUES (17, 137, '2026-03-03', 'dr Ćosić')")));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO poseta_polje (rbr_poseta, polje, vrednost) "
                                         "VALUES (17, 'mle_radnadiag', 'Č99')")));
        QCOMPARE(shown(search({posete(Polje::Lekar, "cosic", 2026, 2026)})),
                 QStringLiteral("137@17"));
        QVERIFY(m_db.exec(
            QStringLiteral("UPDATE poseta_polje SET vrednost = 'Đ98' WHERE rbr_poseta = 17")));
        QCOMPARE(shown(search({posete(Polje::Dg, "c99", 2026, 2026)})), QString());
        QCOMPARE(shown(search({posete(Polje::Dg, "dj98", 2026, 2026)})), QStringLiteral("137@17"));
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM poseta WHERE rbr = 17")));
        QCOMPARE(shown(search({posete(Polje::Dg, "dj98", 2026, 2026)})), QString());
        QCOMPARE(
            m_db.count(QStringLiteral("poseta_polje_trazenje"), QStringLiteral("rbr_poseta = 17")),
            0);
        QVERIFY(m_db.exec(QStringLiteral("UPDATE adresar SET prezime = 'Red 37' WHERE rbr = 137")));
        QCOMPARE(shown(search({k(Polje::Prezime, "zuzic")})), QString());
    }

    void paging_data() {
        QTest::addColumn<int>("naStrani");
        QTest::addColumn<QList<int>>("firsts");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("10") << 10 << QList<int>{101, 111, 121, 131}
                            << QStringList{"1-10 od 37", "11-20 od 37", "21-30 od 37",
                                           "31-37 od 37"};
        QTest::newRow("20") << 20 << QList<int>{101, 121}
                            << QStringList{"1-20 od 37", "21-37 od 37"};
        QTest::newRow("50") << 50 << QList<int>{101} << QStringList{"1-37 od 37"};
        QTest::newRow("100") << 100 << QList<int>{101} << QStringList{"1-37 od 37"};
    }

    void paging() {
        QFETCH(int, naStrani);
        QFETCH(QList<int>, firsts);
        QFETCH(QStringList, texts);
        QList<int> seen;
        for (int strana = 0; strana < firsts.size(); ++strana) {
            const pretraga_sql::Strana rezultat =
                search({k(Polje::Prezime, "red ")}, strana * naStrani, naStrani).value;
            QCOMPARE(rezultat.ukupno, 37);
            QCOMPARE(rezultat.pogoci.first().rbr, firsts.at(strana));
            QCOMPARE(
                opisStrane(strana * naStrani + 1, int(rezultat.pogoci.size()), rezultat.ukupno),
                texts.at(strana));
            for (const pretraga_sql::Pogodak& pogodak : rezultat.pogoci)
                seen << pogodak.rbr;
        }
        QCOMPARE(seen.size(), 37);
        QCOMPARE(seen.first(), 101);
        QCOMPARE(seen.last(), 137);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    }
};

QTEST_MAIN(TestPretragaDb)
#include "tst_pretraga_db.moc"
