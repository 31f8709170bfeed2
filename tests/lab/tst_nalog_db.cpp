// Keeping laboratory orders and their results, on the plain functions and a real database without
// the main window: amounts read back to the cent, lines kept in step with the order, two desks on
// one order and on one order's results, a cancelled order kept and closed to changes, hostile text
// in results stored exactly with its mark, the practice's details, and a patient with orders kept
// in the address book.
#include "app/mab_oru.h"
#include "domain/addressbook/adresar_upis.h"
#include "domain/lab/nalog_upis.h"
#include "domain/lab/ordinacija_sql.h"
#include "domain/lab/rezultat_upis.h"
#include "runtime/core/transaction.h"
#include "tests/support/desk.h"
#include "tests/support/rows.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

using nalog_sql::Stavka;
using Kraj = Ishod::Kraj;
using RKraj = Ishod::Kraj;

namespace {

Decimal d(const char* tekst) {
    return Decimal::fromText(QString::fromLatin1(tekst));
}

Stavka stavka(qint16 podgrupa, qint16 rbr, const QString& naziv, const char* cena) {
    Stavka s;
    s.grupa = 1;
    s.podgrupa = podgrupa;
    s.rbrNalaza = rbr;
    s.naziv = naziv;
    s.cena = d(cena);
    return s;
}

nalog_upis::Nalog nalog(int rbrAdresar, const QList<Stavka>& stavke = {}) {
    nalog_upis::Nalog n;
    n.rbrAdresar = rbrAdresar;
    n.datum = QDate(2026, 12, 9);
    n.popust = QStringLiteral("10");
    n.cenaHem = d("20.00");
    n.ukupnoHem = d("18.00");
    n.ukupnoBiohem = d("120.50");
    n.ukupnoUrin = d("0");
    n.svega = d("138.50");
    n.stavke = stavke;
    return n;
}

// Line keys, names and prices as "podgrupa/rbr naziv cena" (no price: "-"), in order.
QStringList opis(const QList<Stavka>& stavke) {
    QStringList redovi;
    for (const Stavka& s : stavke)
        redovi << QStringLiteral("%1/%2 %3 %4")
                      .arg(s.podgrupa)
                      .arg(s.rbrNalaza)
                      .arg(s.naziv, s.cena ? s.cena->toString(2) : QStringLiteral("-"));
    return redovi;
}

// Text that has broken stores before, as a result's value.
QStringList hostileTexts() {
    return {QStringLiteral("O'Brien \"navodnici\" ''"),
            QStringLiteral("100% _sve_ \\ [a-z]"),
            QStringLiteral("prvi red\ndrugi red\r\ntreći"),
            QStringLiteral("  razmaci  "),
            QString::fromUtf8("😀🩺 ZWJ 👨‍⚕️"),
            QString::fromUtf8("עברית والعربية"),
            QStringLiteral("čćšžđ ČĆŠŽĐ Ђорђе ↓↑"),
            QStringLiteral("'); DELETE FROM rezultat; --"),
            QString(5000, QChar(u'ž'))};
}

} // namespace

class TestNalogDb : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_a;
    std::unique_ptr<Transaction> m_b;

    nalog_sql::Zaglavlje procitan(Transaction& sqlca, int rbr) {
        const Result<QList<nalog_sql::Zaglavlje>> red = nalog_sql::zaglavlje(sqlca, rbr);
        return red.value.value(0);
    }
    rezultat_upis::Nalog ucitan(int rbr) {
        const Result<rezultat_upis::Ucitano> u = rezultat_upis::ucitaj(*m_a, rbr);
        return u.value.nalog.value_or(rezultat_upis::Nalog());
    }
    int sacuvan(const nalog_upis::Nalog& n) {
        const Result<Ishod> ishod = nalog_upis::sacuvaj(*m_a, n);
        return ishod::kraj(ishod) == Kraj::Upisano ? ishod.value.rbr : 0;
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        m_a = connectDesk();
        m_b = connectDesk();
        QCOMPARE(m_a->usable().sqlcode, 0);
        QCOMPARE(m_b->usable().sqlcode, 0);
        // Ana: a woman by the address book; Bora: a man by his identity number alone.
        QVERIFY(
            m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status) "
                                     "VALUES (1, 'Ana', 'Anić', '0101990715001', 0, 1)")));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, status) "
                                         "VALUES (2, 'Bora', 'Borić', '0202985710002', 1)")));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO poseta (rbr, rbr_adresar, datum, lekar) "
                                         "VALUES (7, 1, '2026-12-09', 'dr A'), "
                                         "(8, 2, '2026-12-09', 'dr B')")));
    }

    void init() {
        for (const char* tabela : {"rezultat", "nalog_stavka", "nalog"})
            QVERIFY(m_db.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabela))));
        m_a->commit();
        m_b->commit();
    }

    // Every amount comes back to the cent, on insert and on the update after it.
    void amountsToTheCent_data() {
        QTest::addColumn<QString>("hem");
        QTest::addColumn<QString>("biohem");
        QTest::addColumn<QString>("urin");
        QTest::addColumn<QString>("svega");
        QTest::addColumn<QString>("cenaHem"); // empty: no order window accepted
        QTest::addColumn<QString>("popust");
        row("nothing", "0.00", "0.00", "0.00", "0.00", "", "");
        row("a cent", "0.01", "0.00", "0.00", "0.01", "0.01", "0");
        row("tenths that doubles miss", "0.10", "0.20", "0.00", "0.30", "0.10", "0");
        row("half", "562.50", "120.50", "0.00", "683.00", "750.00", "25");
        row("whole", "675.00", "0.00", "0.00", "675.00", "750.00", "10");
        row("largest the fields take", "999999999999.99", "999999999999.99", "0.01",
            "999999999999.99", "999999999999.99", "0");
        row("all free", "0.00", "0.00", "0.00", "0.00", "120.00", "100");
        row("a total typed by hand", "18.00", "1.00", "2.00", "5.55", "20.00", "10");
    }

    void amountsToTheCent() {
        QFETCH(QString, hem);
        QFETCH(QString, biohem);
        QFETCH(QString, urin);
        QFETCH(QString, svega);
        QFETCH(QString, cenaHem);
        QFETCH(QString, popust);
        nalog_upis::Nalog n = nalog(1, {stavka(0, 1, "Sedimentacija eritrocita", "10.00"),
                                        stavka(1, 3, "Limfociti", "0.01")});
        n.ukupnoHem = Decimal::fromText(hem);
        n.ukupnoBiohem = Decimal::fromText(biohem);
        n.ukupnoUrin = Decimal::fromText(urin);
        n.svega = Decimal::fromText(svega);
        n.cenaHem = cenaHem.isEmpty() ? std::nullopt : std::optional(Decimal::fromText(cenaHem));
        n.popust = popust;
        for (int save = 1; save <= 2; ++save) {
            const Result<Ishod> ishod = nalog_upis::sacuvaj(*m_a, n);
            QCOMPARE(int(ishod::kraj(ishod)), int(Kraj::Upisano));
            QCOMPARE(ishod.value.verzija, save);
            const nalog_sql::Zaglavlje z = procitan(*m_b, ishod.value.rbr);
            const QStringList expected{hem, biohem, urin, svega, cenaHem, popust};
            const QStringList read{z.ukupnoHem.toString(2),
                                   z.ukupnoBiohem.toString(2),
                                   z.ukupnoUrin.toString(2),
                                   z.svega.toString(2),
                                   z.cenaHem ? z.cenaHem->toString(2) : QString(),
                                   z.popust};
            QCOMPARE(read, expected);
            QCOMPARE(z.rbrAdresar, 1);
            QCOMPARE(z.datum, QDate(2026, 12, 9));
            QCOMPARE(opis(nalog_sql::stavke(*m_b, ishod.value.rbr).value),
                     QStringList({"0/1 Sedimentacija eritrocita 10.00", "1/3 Limfociti 0.01"}));
            n.rbr = ishod.value.rbr;
            n.verzija = ishod.value.verzija;
            n.datum = QDate(2027, 1, 1); // a stored order keeps its own date
        }
        QCOMPARE(m_db.count(QStringLiteral("nalog")), 1);
    }

    // Saved again with other analyses: a line taken off goes, unless it holds a result (it stays,
    // off the bill), a line ordered again takes its new price, a new one is added.
    void linesFollowTheOrder() {
        nalog_upis::Nalog n = nalog(1, {stavka(0, 1, "A", "10.00"), stavka(0, 2, "B", "10.00"),
                                        stavka(0, 3, "C", "10.00")});
        const int rbr = sacuvan(n);
        QVERIFY(rbr > 0);
        rezultat_upis::Nalog r = ucitan(rbr);
        QCOMPARE(r.linije.size(), 3);
        r.linije[1].vrednost = QStringLiteral("5");
        const Result<Ishod> upisan =
            rezultat_upis::sacuvaj(*m_a, rbr, 1, r.linije, QDate(2026, 12, 10));
        QVERIFY2(ishod::kraj(upisan) == RKraj::Upisano,
                 qPrintable(upisan.sqlerrtext + upisan.value.obavestenje));

        n.rbr = rbr;
        n.verzija = 1;
        n.stavke = {stavka(0, 1, "A", "12.50"), stavka(1, 4, "D", "10.00")};
        const Result<Ishod> ishod = nalog_upis::sacuvaj(*m_a, n);
        QCOMPARE(int(ishod::kraj(ishod)), int(Kraj::Upisano));
        QCOMPARE(opis(nalog_sql::stavke(*m_b, rbr).value),
                 QStringList({"0/1 A 12.50", "0/2 B -", "1/4 D 10.00"}));
        // A results window that read the order before is told that its lines changed.
        QCOMPARE(procitan(*m_b, rbr).verzijaRezultata, 3);
        QCOMPARE(ucitan(rbr).linije.at(1).vrednost, QStringLiteral("5"));
    }

    // Both desks read version 1; A saves first, then B: B is told, nothing of A's is lost and
    // nothing of B's is written. A cancelled order stays, and takes no further change.
    void twoDesksAndACancelledOrder() {
        const int rbr = sacuvan(nalog(1, {stavka(0, 1, "A", "10.00")}));
        nalog_upis::Nalog odA = nalog(1, {stavka(0, 1, "A", "10.00")});
        nalog_upis::Nalog odB = nalog(1, {stavka(0, 2, "B", "10.00")});
        odA.rbr = odB.rbr = rbr;
        odA.verzija = odB.verzija = 1;
        odA.ukupnoBiohem = d("1.00");
        odB.ukupnoBiohem = d("2.00");
        Result<Ishod> a;
        const Result<Ishod> b =
            nalog_upis::sacuvaj(*m_b, odB, [&] { a = nalog_upis::sacuvaj(*m_a, odA); });
        QCOMPARE(int(ishod::kraj(a)), int(Kraj::Upisano));
        QCOMPARE(int(ishod::kraj(b)), int(Kraj::Obavestenje));
        QCOMPARE(b.value.obavestenje, nalog_upis::izmenjenUMedjuvremenu());
        QCOMPARE(procitan(*m_b, rbr).ukupnoBiohem.toString(2), QStringLiteral("1.00"));
        QCOMPARE(opis(nalog_sql::stavke(*m_b, rbr).value), QStringList({"0/1 A 10.00"}));

        // B cancels at the old version: told; then at the new one: cancelled, and kept.
        QCOMPARE(nalog_upis::otkazi(*m_b, rbr, 1).value.obavestenje,
                 nalog_upis::izmenjenUMedjuvremenu());
        const Result<Ishod> otkazan = nalog_upis::otkazi(*m_b, rbr, 2);
        QCOMPARE(int(ishod::kraj(otkazan)), int(Kraj::Upisano));
        QCOMPARE(otkazan.value.verzija, 3);
        odA.verzija = 3;
        QCOMPARE(nalog_upis::sacuvaj(*m_a, odA).value.obavestenje, nalog_upis::otkazan());
        QCOMPARE(nalog_upis::otkazi(*m_a, rbr, 3).value.obavestenje, nalog_upis::otkazan());
        const Result<QList<nalog_sql::StavkaSpiska>> spisak = nalog_sql::naloziPacijenta(*m_a, 1);
        QCOMPARE(spisak.value.size(), 1);
        QVERIFY(spisak.value.first().otkazan);
        QVERIFY(procitan(*m_a, rbr).otkazan);
        QCOMPARE(procitan(*m_a, rbr).ukupnoBiohem.toString(2), QStringLiteral("1.00"));
        // Its results take no change either.
        rezultat_upis::Nalog r = ucitan(rbr);
        r.linije[0].vrednost = QStringLiteral("1");
        QCOMPARE(
            rezultat_upis::sacuvaj(*m_a, rbr, 1, r.linije, QDate(2026, 12, 10)).value.obavestenje,
            nalog_upis::otkazan());
        QCOMPARE(m_db.count(QStringLiteral("rezultat")), 0);
        // The program's login may not delete an order on the server.
        if (m_db.engine() == TestDataSource::Engine::PostgreSQL) {
            QVERIFY(m_a->execute(QStringLiteral("DELETE FROM nalog WHERE rbr = ?"), {rbr}).sqlcode <
                    0);
            m_a->rollback();
        }
        QCOMPARE(m_db.count(QStringLiteral("nalog")), 1);
    }

    // The list newest first; the visit is named only when it is the patient's.
    void listAndVisit() {
        const QList<std::pair<QDate, int>> dani{
            {QDate(2025, 3, 1), 7}, {QDate(2026, 12, 9), 8}, {QDate(2026, 12, 9), 7}};
        QList<int> kljucevi;
        for (const auto& [datum, poseta] : dani) {
            nalog_upis::Nalog n = nalog(1);
            n.datum = datum;
            n.rbrPoseta = poseta;
            kljucevi << sacuvan(n);
        }
        QList<int> redom;
        for (const nalog_sql::StavkaSpiska& s : nalog_sql::naloziPacijenta(*m_b, 1).value)
            redom << s.rbr;
        QCOMPARE(redom, QList<int>({kljucevi.at(2), kljucevi.at(1), kljucevi.at(0)}));
        QCOMPARE(procitan(*m_b, kljucevi.at(0)).rbrPoseta, std::optional<int>(7));
        QCOMPARE(procitan(*m_b, kljucevi.at(1)).rbrPoseta, std::optional<int>()); // Bora's visit
        QCOMPARE(int(ishod::kraj(nalog_upis::sacuvaj(*m_a, nalog(999)))), int(Kraj::Obavestenje));
    }

    // A patient with orders stays in the address book, and the desk is told why.
    void patientWithOrdersIsNotDeleted() {
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) VALUES "
                                         "(3, 'Cica', 'Cicić')")));
        QVERIFY(sacuvan(nalog(3)) > 0);
        const Result<Ishod> ishod = adresar_upis::obrisi(*m_a, 3);
        QCOMPARE(int(ishod::kraj(ishod)), int(Ishod::Kraj::Neupisano));
        QVERIFY2(ishod.value.obavestenje.contains(QStringLiteral("laboratorijske naloge")),
                 qPrintable(ishod.value.obavestenje));
        QCOMPARE(m_db.count(QStringLiteral("adresar"), QStringLiteral("rbr = 3")), 1);
    }

    // Every hostile text is a result kept exactly; words are never marked, numbers are, for the
    // patient's sex, and the mark is stored with the range it was judged against.
    void resultsKeptExactly() {
        const int rbr = sacuvan(nalog(1, {stavka(0, 4, "Hemoglobin", "10.00")}));
        const QStringList texts = hostileTexts();
        rezultat_upis::Nalog r = ucitan(rbr);
        QCOMPARE(r.pol, ocena::Pol::Zenski);
        int verzija = 1;
        for (const QString& text : texts) {
            r.linije[0].vrednost = text;
            const Result<Ishod> ishod =
                rezultat_upis::sacuvaj(*m_a, rbr, verzija, r.linije, QDate(2026, 12, 10));
            QCOMPARE(int(ishod::kraj(ishod)), int(RKraj::Upisano));
            verzija = ishod.value.verzija;
            QCOMPARE(ucitan(rbr).linije.first().vrednost, text);
            QVERIFY(m_db.scalar(QStringLiteral("SELECT ocena FROM rezultat")).isNull());
        }
        // Ana is a woman: 130 is within 120-160, where a man's 135-175 would mark it.
        for (const auto& [vrednost, ocena, oznaka] : QList<std::tuple<QString, int, QString>>{
                 {"130", 0, ""}, {"165,5", 1, "↑"}, {"119.9", -1, "↓"}}) {
            r = ucitan(rbr);
            r.linije[0].vrednost = vrednost;
            verzija = rezultat_upis::sacuvaj(*m_a, rbr, verzija, r.linije, QDate(2026, 12, 11))
                          .value.verzija;
            QCOMPARE(m_db.scalar(QStringLiteral("SELECT ocena FROM rezultat")).toInt(), ocena);
            QCOMPARE(m_db.scalar(QStringLiteral("SELECT oznaka FROM rezultat")).toString(), oznaka);
            QCOMPARE(ucitan(rbr).linije.first().opseg(), QStringLiteral("120 – 160"));
        }
    }

    // Results of two desks, a line added for a catalogue analysis, an unchanged result that keeps
    // its day, and a value emptied.
    void resultsOfTwoDesks() {
        const int rbr = sacuvan(nalog(2, {stavka(0, 4, "Hemoglobin", "10.00")}));
        rezultat_upis::Nalog r = ucitan(rbr);
        QCOMPARE(r.pol, ocena::Pol::Muski); // by Bora's identity number
        const auto glukoza = nalazi_sql::nadji(r.katalog, 2, 0, 1);
        QVERIFY(glukoza);
        r.linije << rezultat_upis::novaLinija(*glukoza, r.pol);
        r.linije[0].vrednost = QStringLiteral("180");
        r.linije[1].vrednost = QStringLiteral("3,1");
        QCOMPARE(
            int(ishod::kraj(rezultat_upis::sacuvaj(*m_a, rbr, 1, r.linije, QDate(2026, 12, 10)))),
            int(RKraj::Upisano));
        QCOMPARE(opis(nalog_sql::stavke(*m_b, rbr).value),
                 QStringList({"0/4 Hemoglobin 10.00", "0/1 Glukoza -"}));

        // B read version 1 too: told, and A's results stay.
        rezultat_upis::Nalog odB = r;
        odB.linije[0].vrednost = QStringLiteral("1");
        const Result<Ishod> b =
            rezultat_upis::sacuvaj(*m_b, rbr, 1, odB.linije, QDate(2026, 12, 10));
        QCOMPARE(b.value.obavestenje, rezultat_upis::izmenjeniUMedjuvremenu());
        const rezultat_upis::Nalog sada = ucitan(rbr);
        QCOMPARE(sada.linije.at(0).vrednost, QStringLiteral("180"));
        QCOMPARE(ocena::oznaka(sada.linije.at(0).ocena()), QStringLiteral("↑"));
        QCOMPARE(ocena::oznaka(sada.linije.at(1).ocena()), QStringLiteral("↓"));

        // Later: Hemoglobin as it was keeps its day, Glukoza emptied loses its result.
        rezultat_upis::Nalog posle = sada;
        posle.linije[1].vrednost = QStringLiteral("   ");
        QCOMPARE(int(ishod::kraj(
                     rezultat_upis::sacuvaj(*m_a, rbr, 2, posle.linije, QDate(2026, 12, 20)))),
                 int(RKraj::Upisano));
        const rezultat_upis::Nalog kraj = ucitan(rbr);
        QCOMPARE(kraj.linije.at(0).datum, QDate(2026, 12, 10));
        QCOMPARE(kraj.linije.at(1).vrednost, QString());
        QCOMPARE(m_db.count(QStringLiteral("rezultat")), 1);
    }

    // The header every desk prints: saved at the version read; the desk one save behind is told.
    void practiceDetails() {
        const Result<QList<ordinacija_sql::Ordinacija>> prvo = ordinacija_sql::procitaj(*m_a);
        QCOMPARE(prvo.value.size(), 1);
        ordinacija_sql::Ordinacija o{QStringLiteral("Ordinacija „Zdravlje“ d.o.o."),
                                     QStringLiteral("Njegoševa 5, 11000 Beograd"),
                                     QStringLiteral("011/123-456"), prvo.value.first().verzija};
        const Result<Ishod> a = ordinacija_sql::sacuvaj(*m_a, o);
        QCOMPARE(int(ishod::kraj(a)), int(Ishod::Kraj::Upisano));
        QCOMPARE(int(ishod::kraj(ordinacija_sql::sacuvaj(*m_b, o))), int(Ishod::Kraj::Obavestenje));
        o.verzija = a.value.verzija;
        QCOMPARE(ordinacija_sql::procitaj(*m_b).value.value(0), o);
        // On the server the program's login changes them only through the owner's function.
        if (m_db.engine() == TestDataSource::Engine::PostgreSQL) {
            QVERIFY(m_a->execute(QStringLiteral("UPDATE ordinacija SET naziv = 'x'")).sqlcode < 0);
            m_a->rollback();
        }
    }
};

QTEST_MAIN(TestNalogDb)
#include "tst_nalog_db.moc"
