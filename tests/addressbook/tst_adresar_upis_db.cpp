// The rules of saving and deleting an address-book entry, on the plain functions and a real
// database, without the main window: which forms are refused and with which notice, which key a
// new entry gets, what is committed, and what a refused statement leaves behind.
#include "app/mab_oru.h"
#include "domain/addressbook/adresar_upis.h"
#include "runtime/core/transaction.h"
#include "tests/addressbook/adresar_forma.h"
#include "tests/addressbook/write_failures.h"

#include <QTest>

#include <memory>

class TestAdresarUpis : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_sqlca;

    // Empties the address book and stores (rbr, prezime, mbr) rows through the second connection.
    bool prepare(const QList<std::tuple<int, QString, QString>>& rows = {}) {
        if (!m_db.exec(QStringLiteral("DELETE FROM adresar")))
            return false;
        for (const auto& [rbr, prezime, mbr] : rows)
            if (!m_db.exec(
                    QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status) "
                                   "VALUES (?, 'Ime', ?, ?, 1, 1)"),
                    {rbr, prezime,
                     mbr.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(mbr)}))
                return false;
        return true;
    }
    int rows(const QString& where = QString()) {
        return m_db.count(QStringLiteral("adresar"), where);
    }
    QVariant column(int rbr, const QString& name) {
        return m_db.scalar(QStringLiteral("SELECT %1 FROM adresar WHERE rbr = ?").arg(name), {rbr});
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        m_sqlca = std::make_unique<Transaction>();
        m_sqlca->autocommit = false;
        m_sqlca->dbparm = mab_oru::DBParm;
        QCOMPARE(m_sqlca->connect().sqlcode, 0);
    }

    void init() {
        m_sqlca->commit(); // a fresh unit of work that sees what the test prepared
    }

    void refusedFormsWriteNothing_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QString>("prezime");
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<int>("postojeci");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no first name") << ""
                                       << "Perić"
                                       << "" << 0 << "Morate uneti ime u adresar!";
        QTest::newRow("no surname") << "Pera"
                                    << ""
                                    << "" << 0 << "Morate uneti prezime u adresar!";
        QTest::newRow("12 characters")
            << "Pera"
            << "Perić"
            << "010199071500" << 0 << "Maticni broj mora imati 13 cifara!";
        QTest::newRow("14 characters")
            << "Pera"
            << "Perić"
            << "01019907150012" << 0 << "Maticni broj mora imati 13 cifara!";
        QTest::newRow("same number as another entry")
            << "Pera"
            << "Perić"
            << "0101990715001" << 0 << "Uneli ste dupli MBR!";
        QTest::newRow("update to another entry's number")
            << "Aca"
            << "Avramović"
            << "0101990715001" << 2 << "Uneli ste dupli MBR!";
    }
    void refusedFormsWriteNothing() {
        QFETCH(QString, ime);
        QFETCH(QString, prezime);
        QFETCH(QString, mbr);
        QFETCH(int, postojeci);
        QFETCH(QString, notice);
        QVERIFY(prepare({{1, "Antić", "0101990715001"}, {2, "Avramović", "0202990715002"}}));
        const Result<Ishod> ishod =
            adresar_upis::sacuvaj(*m_sqlca, forma(ime, prezime, mbr), postojeci, 1);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Obavestenje);
        QCOMPARE(ishod.value.obavestenje, notice);
        QVERIFY(ishod.value.upozorenje.isEmpty());
        QCOMPARE(rows(), 2);
        QCOMPARE(column(2, QStringLiteral("mbr")).toString(), QStringLiteral("0202990715002"));
    }

    void aNewEntryTakesTheNextKeyAndIsCommitted() {
        QVERIFY(prepare({{7, "Antić", ""}}));
        Result<Ishod> ishod = adresar_upis::sacuvaj(*m_sqlca, forma("Vera", "Vasić"), 0, 3);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Upisano);
        QCOMPARE(ishod.value.rbr, 8);
        // Seen by the second connection: committed.
        QCOMPARE(column(8, QStringLiteral("prezime")).toString(), QStringLiteral("Vasić"));
        QCOMPARE(column(8, QStringLiteral("status")).toInt(), 3);

        // An empty book has no largest key: its first entry is numbered 1.
        QVERIFY(prepare());
        m_sqlca->commit();
        ishod = adresar_upis::sacuvaj(*m_sqlca, forma("Petar", "Petrović"), 0, 1);
        QCOMPARE(ishod.value.rbr, 1);
        QCOMPARE(rows(), 1);
    }

    void identityNumbersThatPass() {
        QVERIFY(prepare({{1, "Antić", "0101990715001"}}));
        // Only the length is checked: a 13-character value with letters and a space passes.
        QCOMPARE(
            adresar_upis::sacuvaj(*m_sqlca, forma("Ivan", "Ivić", "AB12 5678XY90"), 0, 1).value.rbr,
            2);
        // Entries without a number never count as duplicates of each other.
        QCOMPARE(adresar_upis::sacuvaj(*m_sqlca, forma("Jovan", "Jović"), 0, 1).value.rbr, 3);
        QCOMPARE(adresar_upis::sacuvaj(*m_sqlca, forma("Jelena", "Jović"), 0, 1).value.rbr, 4);
        // An update keeps its own number: that is no duplicate.
        const Result<Ishod> ishod =
            adresar_upis::sacuvaj(*m_sqlca, forma("Ana", "Antić-Pirot", "0101990715001"), 1, 1);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Upisano);
        QCOMPARE(ishod.value.rbr, 1);
        QCOMPARE(rows(), 4);
        QCOMPARE(rows(QStringLiteral("mbr IS NULL")), 2);
        QCOMPARE(column(1, QStringLiteral("prezime")).toString(), QStringLiteral("Antić-Pirot"));
    }

    void noNewKeyPast32767() {
        QVERIFY(prepare({{32767, "Zorić", ""}}));
        Result<Ishod> ishod = adresar_upis::sacuvaj(*m_sqlca, forma("Novi", "Nikolić"), 0, 1);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Obavestenje);
        QCOMPARE(ishod.value.obavestenje,
                 QStringLiteral("Adresar je pun: redni broj novog unosa bio bi veći od 32767!"));
        QCOMPARE(rows(), 1);
        // The entry that holds the last key can still be changed.
        ishod = adresar_upis::sacuvaj(*m_sqlca, forma("Zadnji", "Zorić-Sombor"), 32767, 1);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Upisano);
        QCOMPARE(column(32767, QStringLiteral("prezime")).toString(),
                 QStringLiteral("Zorić-Sombor"));
    }

    void aRefusedWriteCommitsNothing() {
        QVERIFY(prepare());
        QVERIFY(failWrites(m_db, QStringLiteral("INSERT"), QStringLiteral("NEW.ime = 'Kvar'")));
        m_sqlca->commit();
        // Earlier work of this unit that nobody has committed yet stays uncommitted.
        m_sqlca->execute(QStringLiteral("INSERT INTO status (rbr, naziv) VALUES (?, ?)"),
                         {6, QStringLiteral("Privremeni")});
        const Result<Ishod> ishod = adresar_upis::sacuvaj(*m_sqlca, forma("Kvar", "Kvarić"), 0, 1);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Neupisano);
        QVERIFY2(ishod.sqlerrtext.contains(QLatin1String("upis odbijen")),
                 qPrintable(ishod.sqlerrtext));
        QCOMPARE(rows(), 0);
        QCOMPARE(m_db.count(QStringLiteral("status"), QStringLiteral("rbr = 6")), 0);
        m_sqlca->rollback();
        QVERIFY(healWrites(m_db, QStringLiteral("INSERT")));
    }

    void anUnreadableBookIsReportedBeforeTheNotice() {
        QVERIFY(m_db.exec(QStringLiteral("ALTER TABLE adresar RENAME TO adresar_stari")));
        m_sqlca->commit();
        const Result<Ishod> ishod = adresar_upis::sacuvaj(*m_sqlca, forma("Pera", "Perić"), 0, 1);
        m_sqlca->rollback();
        QVERIFY(m_db.exec(QStringLiteral("ALTER TABLE adresar_stari RENAME TO adresar")));
        QVERIFY(!ishod.value.upozorenje.isEmpty());
        QVERIFY(!ishod.value.upozorenje.isEmpty());
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Obavestenje);
        QCOMPARE(ishod.value.obavestenje, QStringLiteral("Greska pri upitu duplog MBRa!"));
    }

    void deleting() {
        QCOMPARE(adresar_upis::pitanjeZaBrisanje(),
                 QString(61, QLatin1Char(' ')) +
                     QStringLiteral("Da li zelite da obrisete podatak?"));
        QVERIFY(prepare({{1, "Antić", ""}, {2, "Avramović", ""}}));
        m_sqlca->commit();
        Result<Ishod> ishod = adresar_upis::obrisi(*m_sqlca, 2);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Upisano);
        QCOMPARE(rows(), 1); // committed: the second connection no longer sees it
        QCOMPARE(rows(QStringLiteral("rbr = 1")), 1);

        QVERIFY(failWrites(m_db, QStringLiteral("DELETE"), QStringLiteral("OLD.rbr = 1")));
        m_sqlca->commit();
        ishod = adresar_upis::obrisi(*m_sqlca, 1);
        QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Neupisano);
        QCOMPARE(adresar_upis::neobrisano(),
                 QStringLiteral("GR0020 Greska pri brisanju podatka iz adresara!"));
        QVERIFY2(ishod.sqlerrtext.contains(QLatin1String("upis odbijen")),
                 qPrintable(ishod.sqlerrtext));
        QCOMPARE(rows(), 1);
        m_sqlca->rollback();
        QVERIFY(healWrites(m_db, QStringLiteral("DELETE")));
    }
};

QTEST_GUILESS_MAIN(TestAdresarUpis)
#include "tst_adresar_upis_db.moc"
