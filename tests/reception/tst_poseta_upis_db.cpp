// Keeping a reception visit, on the plain functions and a real database without the main window:
// the key of a new visit, the save at the version read, two desks on one visit and on new visits
// at once, a write refused by the database, a patient gone meanwhile, hostile text stored
// exactly, the patient's list newest first, and a patient with visits kept in the address book.
#include "app/mab_oru.h"
#include "domain/addressbook/adresar_upis.h"
#include "domain/reception/poseta_sql.h"
#include "domain/reception/poseta_upis.h"
#include "runtime/core/block_reader.h"
#include "runtime/core/result_columns.h"
#include "runtime/core/transaction.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

using poseta_sql::Polje;
using poseta_upis::Poseta;
using Kraj = Ishod::Kraj;

namespace {

std::unique_ptr<Transaction> desk() {
    auto sqlca = std::make_unique<Transaction>();
    sqlca->autocommit = false;
    sqlca->dbparm = mab_oru::DBParm;
    sqlca->connect();
    return sqlca;
}

const QString Mbr = QStringLiteral("0101990715001");

// Text that has broken stores before: quotes, LIKE's wildcards, line breaks, emoji, right-to-left
// script, a NUL-free control character and a long text.
QStringList hostileTexts() {
    return {QStringLiteral("O'Brien \"navodnici\" ''"),
            QStringLiteral("100% _sve_ \\ [a-z]"),
            QStringLiteral("prvi red\ndrugi red\r\ntreći\n\n"),
            QStringLiteral("  razmaci sa obe strane  "),
            QString::fromUtf8("emoji 😀🩺 i ZWJ 👨‍⚕️"),
            QString::fromUtf8("עברית والعربية mixed"),
            QStringLiteral("čćšžđ ČĆŠŽĐ Ђорђе"),
            QStringLiteral("'); DELETE FROM poseta; --"),
            QStringLiteral("tab\there"),
            QString(10000, QChar(u'ž'))};
}

Poseta nova(int rbrAdresar, const QDate& datum, const QList<Polje>& polja,
            const QString& broj = QStringLiteral("17/2026")) {
    Poseta poseta;
    poseta.rbrAdresar = rbrAdresar;
    poseta.datum = datum;
    poseta.brojProtokola = broj;
    poseta.lekar = QStringLiteral("dr Petrović");
    poseta.polja = polja;
    return poseta;
}

} // namespace

class TestPosetaUpis : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_a;
    std::unique_ptr<Transaction> m_b;

    int visits() { return m_db.count(QStringLiteral("poseta")); }
    int fields() { return m_db.count(QStringLiteral("poseta_polje")); }
    QList<Polje> stored(Transaction& sqlca, int rbr) {
        const Result<QList<Polje>> polja = poseta_sql::polja(sqlca, rbr);
        return polja.value;
    }
    static QList<Polje> sorted(QList<Polje> polja) {
        std::sort(polja.begin(), polja.end(),
                  [](const Polje& a, const Polje& b) { return a.polje < b.polje; });
        return polja;
    }
    bool refuseValue(const QString& value) {
        if (m_db.engine() == TestDataSource::Engine::SQLite)
            return m_db.exec(QStringLiteral("CREATE TRIGGER odbij BEFORE INSERT ON poseta_polje "
                                            "WHEN NEW.vrednost = '%1' BEGIN SELECT "
                                            "RAISE(ABORT, 'odbijeno: %1'); END")
                                 .arg(value));
        return m_db.exec(QStringLiteral("CREATE OR REPLACE FUNCTION odbij() RETURNS trigger AS "
                                        "'BEGIN IF NEW.vrednost = ''%1'' THEN RAISE EXCEPTION "
                                        "''odbijeno: %1''; END IF; RETURN NEW; END' "
                                        "LANGUAGE plpgsql")
                             .arg(value)) &&
               m_db.exec(QStringLiteral("CREATE TRIGGER odbij BEFORE INSERT ON poseta_polje FOR "
                                        "EACH ROW EXECUTE FUNCTION odbij()"));
    }
    void dropRefusal() {
        if (m_db.engine() == TestDataSource::Engine::SQLite) {
            m_db.exec(QStringLiteral("DROP TRIGGER IF EXISTS odbij"));
        } else {
            m_db.exec(QStringLiteral("DROP TRIGGER IF EXISTS odbij ON poseta_polje"));
            m_db.exec(QStringLiteral("DROP FUNCTION IF EXISTS odbij()"));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        m_a = desk();
        m_b = desk();
        QCOMPARE(m_a->usable().sqlcode, 0);
        QCOMPARE(m_b->usable().sqlcode, 0);
        QVERIFY(
            m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status, "
                                     "ulica, grad) VALUES (1, 'Ana', 'Anić', ?, 0, 1, "
                                     "'Njegoševa 5', 'Beograd')"),
                      {Mbr}));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, pol, status) "
                                         "VALUES (2, 'Bora', 'Borić', 1, 1)")));
    }

    void init() {
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM poseta_polje")));
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM poseta")));
        m_a->commit();
        m_b->commit();
    }

    void cleanup() { dropRefusal(); }

    void patientByIdentityNumber_data() {
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<int>("rbr"); // 0: none
        QTest::newRow("the entry's number") << Mbr << 1;
        QTest::newRow("one digit short") << Mbr.left(12) << 0;
        QTest::newRow("a wildcard matches nothing") << QStringLiteral("010199071500%") << 0;
        QTest::newRow("one-character wildcard") << QStringLiteral("010199071500_") << 0;
        QTest::newRow("with a space after") << Mbr + QLatin1Char(' ') << 0;
    }

    void patientByIdentityNumber() {
        QFETCH(QString, mbr);
        QFETCH(int, rbr);
        const Result<QList<poseta_sql::Pacijent>> found = poseta_sql::pacijentPoMbr(*m_a, mbr);
        QVERIFY(!found.failed());
        if (rbr == 0) {
            QVERIFY(found.value.isEmpty());
            return;
        }
        QCOMPARE(found.value.size(), 1);
        QCOMPARE(found.value.first().rbr, rbr);
        QCOMPARE(found.value.first().prezime, QStringLiteral("Anić"));
        QCOMPARE(found.value.first().ulica, QStringLiteral("Njegoševa 5"));
        QCOMPARE(found.value.first().grad, QStringLiteral("Beograd"));
    }

    // Every hostile text, as a field's value and as the protocol number and the doctor, is
    // stored and read back exactly, on insert and on the update that follows.
    void hostileTextKeptExactly() {
        const QStringList texts = hostileTexts();
        QList<Polje> polja;
        for (int i = 0; i < texts.size(); ++i)
            polja << Polje{QStringLiteral("mle_%1").arg(i), texts.at(i)};
        for (const QString& text : texts) {
            Poseta poseta = nova(1, QDate(2026, 12, 9), polja, text);
            poseta.lekar = text;
            const Result<Ishod> first = poseta_upis::sacuvaj(*m_a, poseta);
            QVERIFY2(ishod::kraj(first) == Kraj::Upisano,
                     qPrintable(first.sqlerrtext + first.value.obavestenje));
            QCOMPARE(sorted(stored(*m_a, first.value.rbr)), sorted(polja));
            const Result<QList<poseta_sql::Zaglavlje>> row =
                poseta_sql::zaglavlje(*m_a, first.value.rbr);
            QCOMPARE(row.value.size(), 1);
            QCOMPARE(row.value.first().brojProtokola, text);
            QCOMPARE(row.value.first().lekar, text);

            // Saved again with the values turned round.
            poseta.rbr = first.value.rbr;
            poseta.verzija = first.value.verzija;
            QList<Polje> reversed;
            for (int i = 0; i < polja.size(); ++i)
                reversed << Polje{polja.at(i).polje, polja.at(polja.size() - 1 - i).vrednost};
            poseta.polja = reversed;
            const Result<Ishod> second = poseta_upis::sacuvaj(*m_a, poseta);
            QCOMPARE(int(ishod::kraj(second)), int(Kraj::Upisano));
            QCOMPARE(second.value.verzija, 2);
            QCOMPARE(sorted(stored(*m_b, first.value.rbr)), sorted(reversed));
        }
        QCOMPARE(visits(), int(texts.size()));
    }

    void newVisitGetsItsKeyAndUpdateReplacesFields() {
        const Result<Ishod> first = poseta_upis::sacuvaj(
            *m_a, nova(1, QDate(2026, 12, 1),
                       {{"sle_ime", "Ana"}, {"uo_jetra.cbx_da", "1"}, {"mle_pusenje", "ne"}}));
        QCOMPARE(int(ishod::kraj(first)), int(Kraj::Upisano));
        QVERIFY(first.value.rbr > 0);
        QCOMPARE(first.value.verzija, 1);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT rbr_adresar FROM poseta WHERE rbr = ?"),
                             {first.value.rbr})
                     .toInt(),
                 1);
        QCOMPARE(
            m_db.scalar(QStringLiteral("SELECT datum FROM poseta WHERE rbr = ?"), {first.value.rbr})
                .toString()
                .left(10),
            QStringLiteral("2026-12-01"));

        Poseta again = nova(1, QDate(2026, 12, 2), {{"sle_ime", "Ana"}, {"mle_pusenje", "da"}});
        again.rbr = first.value.rbr;
        again.verzija = first.value.verzija;
        const Result<Ishod> second = poseta_upis::sacuvaj(*m_a, again);
        QCOMPARE(int(ishod::kraj(second)), int(Kraj::Upisano));
        QCOMPARE(second.value.rbr, first.value.rbr);
        QCOMPARE(second.value.verzija, 2);
        // A box unchecked since is gone, not left over from the first save.
        QCOMPARE(sorted(stored(*m_a, first.value.rbr)),
                 sorted({{"sle_ime", "Ana"}, {"mle_pusenje", "da"}}));
        QCOMPARE(visits(), 1);
        // A repeated name keeps its first value, so the key of the fields holds.
        QCOMPARE(poseta_upis::bezPonovljenih({{"a", "1"}, {"b", "2"}, {"a", "3"}}),
                 QList<Polje>({{"a", "1"}, {"b", "2"}}));
    }

    // Both desks read version 1; A saves first, then B: B is told, nothing of A's is lost and
    // nothing of B's is written.
    void twoDesksSameVisit() {
        const Result<Ishod> start =
            poseta_upis::sacuvaj(*m_a, nova(1, QDate(2026, 12, 1), {{"f", "0"}}));
        QCOMPARE(int(ishod::kraj(start)), int(Kraj::Upisano));
        Poseta fromA = nova(1, QDate(2026, 12, 1), {{"f", "A"}});
        Poseta fromB = nova(1, QDate(2026, 12, 1), {{"f", "B"}, {"g", "B"}});
        fromA.rbr = fromB.rbr = start.value.rbr;
        fromA.verzija = fromB.verzija = start.value.verzija;

        Result<Ishod> ofA;
        // A commits after B has started its save and before B's first write.
        const Result<Ishod> ofB = poseta_upis::sacuvaj(
            *m_b, fromB, std::nullopt, [&] { ofA = poseta_upis::sacuvaj(*m_a, fromA); });
        QCOMPARE(int(ishod::kraj(ofA)), int(Kraj::Upisano));
        QCOMPARE(int(ishod::kraj(ofB)), int(Kraj::Obavestenje));
        QCOMPARE(ofB.value.obavestenje, poseta_upis::izmenjenaUMedjuvremenu());
        QCOMPARE(stored(*m_a, start.value.rbr), QList<Polje>({{"f", "A"}}));
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT verzija FROM poseta WHERE rbr = ?"),
                             {start.value.rbr})
                     .toInt(),
                 2);

        // B, one save behind, is told again; then a visit deleted meanwhile says so.
        QCOMPARE(int(ishod::kraj(poseta_upis::sacuvaj(*m_b, fromB))), int(Kraj::Obavestenje));
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM poseta WHERE rbr = ?"), {start.value.rbr}));
        const Result<Ishod> gone = poseta_upis::sacuvaj(*m_b, fromB);
        QCOMPARE(gone.value.obavestenje, poseta_upis::obrisanaUMedjuvremenu());
        QCOMPARE(visits(), 0);
        QCOMPARE(fields(), 0);
    }

    // Two desks save new visits at the same moment, round after round: every visit is kept
    // under a key of its own with its own fields.
    void twoDesksNewVisitsAtOnce() {
        constexpr int Rounds = 25;
        QSet<int> keys;
        for (int round = 0; round < Rounds; ++round) {
            const QList<Polje> ofA{{"desk", QStringLiteral("A%1").arg(round)}};
            const QList<Polje> ofB{{"desk", QStringLiteral("B%1").arg(round)}};
            Result<Ishod> a;
            const Result<Ishod> b =
                poseta_upis::sacuvaj(*m_b, nova(2, QDate(2026, 12, 9), ofB), std::nullopt, [&] {
                    a = poseta_upis::sacuvaj(*m_a, nova(1, QDate(2026, 12, 9), ofA));
                });
            QCOMPARE(int(ishod::kraj(a)), int(Kraj::Upisano));
            QCOMPARE(int(ishod::kraj(b)), int(Kraj::Upisano));
            QVERIFY(a.value.rbr != b.value.rbr);
            QCOMPARE(stored(*m_a, a.value.rbr), ofA);
            QCOMPARE(stored(*m_a, b.value.rbr), ofB);
            keys << a.value.rbr << b.value.rbr;
        }
        QCOMPARE(int(keys.size()), 2 * Rounds);
        QCOMPARE(visits(), 2 * Rounds);
        QCOMPARE(fields(), 2 * Rounds);
    }

    // The database refuses one field's INSERT: neither the new visit nor any field stays, and an
    // update so refused leaves the stored visit as it was.
    void refusedWriteLeavesNothing() {
        const Result<Ishod> kept =
            poseta_upis::sacuvaj(*m_a, nova(1, QDate(2026, 12, 1), {{"f", "prvo"}}));
        QCOMPARE(int(ishod::kraj(kept)), int(Kraj::Upisano));
        QVERIFY2(refuseValue(QStringLiteral("ODBIJ")), qPrintable(m_db.lastError()));

        const QList<Polje> refused{{"a", "1"}, {"b", "ODBIJ"}, {"c", "3"}};
        const Result<Ishod> ofNew =
            poseta_upis::sacuvaj(*m_a, nova(1, QDate(2026, 12, 2), refused));
        QCOMPARE(int(ishod::kraj(ofNew)), int(Kraj::Neupisano));
        QVERIFY2(ofNew.sqlerrtext.contains(QStringLiteral("odbijeno")),
                 qPrintable(ofNew.sqlerrtext));

        Poseta update = nova(1, QDate(2026, 12, 3), refused, QStringLiteral("drugi"));
        update.rbr = kept.value.rbr;
        update.verzija = kept.value.verzija;
        const Result<Ishod> ofUpdate = poseta_upis::sacuvaj(*m_a, update);
        QCOMPARE(int(ishod::kraj(ofUpdate)), int(Kraj::Neupisano));

        QCOMPARE(visits(), 1);
        QCOMPARE(stored(*m_b, kept.value.rbr), QList<Polje>({{"f", "prvo"}}));
        const Result<QList<poseta_sql::Zaglavlje>> row =
            poseta_sql::zaglavlje(*m_b, kept.value.rbr);
        QCOMPARE(row.value.first().verzija, 1);
        QCOMPARE(row.value.first().brojProtokola, QStringLiteral("17/2026"));
        QCOMPARE(row.value.first().datum, QDate(2026, 12, 1));
        // The connection goes on: the next save is written.
        dropRefusal();
        QCOMPARE(int(ishod::kraj(poseta_upis::sacuvaj(*m_a, update))), int(Kraj::Upisano));
    }

    void patientGoneMeanwhile() {
        const Result<Ishod> ishod =
            poseta_upis::sacuvaj(*m_a, nova(999, QDate(2026, 12, 9), {{"f", "x"}}));
        QCOMPARE(int(ishod::kraj(ishod)), int(Kraj::Obavestenje));
        QCOMPARE(ishod.value.obavestenje, poseta_upis::pacijentObrisan());
        QCOMPARE(visits(), 0);
        QCOMPARE(fields(), 0);
    }

    void listNewestFirst() {
        // Saved out of order; same day: the later save first.
        const QList<QPair<QDate, QString>> saves{{QDate(2025, 3, 1), "a"},
                                                 {QDate(2026, 12, 9), "b"},
                                                 {QDate(2024, 1, 31), "c"},
                                                 {QDate(2026, 12, 9), "d"},
                                                 {QDate(2026, 1, 10), "e"}};
        for (const auto& [datum, broj] : saves)
            QCOMPARE(int(ishod::kraj(poseta_upis::sacuvaj(*m_a, nova(1, datum, {}, broj)))),
                     int(Kraj::Upisano));
        poseta_upis::sacuvaj(*m_a, nova(2, QDate(2027, 1, 1), {}, QStringLiteral("other")));
        const Result<QList<poseta_sql::Stavka>> list = poseta_sql::posetePacijenta(*m_b, 1);
        QVERIFY(!list.failed());
        QStringList order;
        for (const poseta_sql::Stavka& stavka : list.value)
            order << stavka.datum.toString(Qt::ISODate) + QLatin1Char(' ') + stavka.brojProtokola;
        QCOMPARE(order, QStringList({"2026-12-09 d", "2026-12-09 b", "2026-01-10 e", "2025-03-01 a",
                                     "2024-01-31 c"}));
        // The list comes through the block reader, not row by row.
        ResultColumns rows;
        QCOMPARE(int(readInBlocks(*m_b, poseta_sql::upitPosetaPacijenta(), {1}, rows).value),
                 int(BlockRead::Read));
        QCOMPARE(int(rows.rowCount()), 5);
    }

    // A patient with visits stays in the address book, and the desk is told why.
    void patientWithVisitsIsNotDeleted() {
        QCOMPARE(
            int(ishod::kraj(poseta_upis::sacuvaj(*m_a, nova(2, QDate(2026, 12, 9), {{"f", "x"}})))),
            int(Kraj::Upisano));
        const Result<Ishod> ishod = adresar_upis::obrisi(*m_a, 2);
        QCOMPARE(int(ishod::kraj(ishod)), int(Ishod::Kraj::Neupisano));
        QVERIFY2(ishod.value.obavestenje.contains(QStringLiteral("posete")),
                 qPrintable(ishod.value.obavestenje));
        QCOMPARE(m_db.count(QStringLiteral("adresar"), QStringLiteral("rbr = 2")), 1);
        QCOMPARE(fields(), 1);
    }
};

QTEST_MAIN(TestPosetaUpis)
#include "tst_poseta_upis_db.moc"
