// Bookings with several desks: two connections book through the program's own booking function at
// the same moment (both past their checks, one INSERT after the other's COMMIT), two threads that
// book and move into one doctor's slot together, a day read back after another desk booked,
// hostile notes, and a patient deleted from under a booking.
#include "domain/appointments/zakazivanje_sql.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "runtime/core/transaction.h"
#include "tests/support/desk.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <barrier>
#include <memory>
#include <thread>

using Kraj = Ishod::Kraj;

namespace {

const QDate Dan(2026, 12, 8);
constexpr int Lekar = 1; // the doctor every database has from the start

QTime slot(int index) { // 0 .. 30 over the half-hour grid
    return QTime(7, 0).addSecs(index * 30 * 60);
}

zakazivanje_upis::Mesto mesto(const QDate& datum, const QTime& vreme, int lekar = Lekar) {
    return {lekar, datum, vreme};
}

} // namespace

class TestZakazivanjeDesks : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_a;
    std::unique_ptr<Transaction> m_b;
    int m_sameSlotRounds = 0;
    int m_otherSlotRounds = 0;
    int m_threadRounds = 0;
    int m_moveRounds = 0;
    int m_movesWon = 0;
    int m_lost = 0;

    int stored(const QString& where = QString(), const QVariantList& binds = {}) {
        return m_db.count(QStringLiteral("zakazivanje"), where, binds);
    }
    bool empty() { return m_db.exec(QStringLiteral("DELETE FROM zakazivanje")); }
    bool patient(int rbr, const QString& prezime, const QString& ime) {
        return m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, pol, status, "
                                        "telefon, mob_telefon) VALUES (?, ?, ?, 1, 1, ?, ?)"),
                         {rbr, ime, prezime, QStringLiteral("011/%1").arg(rbr), nullText()});
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        m_a = connectDesk();
        QCOMPARE(m_a->usable().sqlcode, 0);
        m_b = connectDesk();
        QCOMPARE(m_b->usable().sqlcode, 0);
        QVERIFY(patient(1, QStringLiteral("Petrović"), QStringLiteral("Ana")));
        QVERIFY(patient(2, QStringLiteral("Đurić"), QStringLiteral("Žarko")));
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO lekar (naziv) VALUES ('Drugi lekar')")));
    }

    void cleanupTestCase() {
        qInfo("one desk between the other's check and write: same slot %d rounds (%d bookings "
              "tried), other slots %d rounds (%d tried); two threads released together: %d rounds "
              "(%d tried); booking and moving into one slot: %d rounds (%d won by the move); "
              "bookings lost: %d",
              m_sameSlotRounds, 2 * m_sameSlotRounds, m_otherSlotRounds, 2 * m_otherSlotRounds,
              m_threadRounds, 2 * m_threadRounds, m_moveRounds, m_movesWon, m_lost);
    }

    void twoDesksBookAtTheSameMoment_data() {
        QTest::addColumn<bool>("sameSlot");
        QTest::newRow("same slot") << true;
        QTest::newRow("different slots") << false;
    }
    void twoDesksBookAtTheSameMoment() {
        QFETCH(bool, sameSlot);
        QVERIFY(empty());
        const int rounds = 62; // every slot of two days, each desk first in turn
        for (int round = 0; round < rounds; ++round) {
            const QDate datum = Dan.addDays(round / 31);
            const QTime vreme = slot(round % 31);
            // The other slot: the same time a week later.
            const QDate datumB = sameSlot ? datum : datum.addDays(7);
            Transaction& first = round % 2 ? *m_a : *m_b;
            Transaction& second = round % 2 ? *m_b : *m_a;
            // Both desks have found the slot free; the second books and commits before the
            // first one's INSERT runs.
            Result<Ishod> drugi;
            bool drugiZakazao = false;
            const Result<Ishod> prvi = zakazivanje_upis::zakazi(
                first, mesto(datum, vreme), 1, QStringLiteral("prvi %1").arg(round), [&] {
                    drugi = zakazivanje_upis::zakazi(second, mesto(datumB, vreme), 2,
                                                     QStringLiteral("drugi %1").arg(round));
                    drugiZakazao = true;
                });
            QVERIFY(drugiZakazao);
            QCOMPARE(ishod::kraj(drugi), Kraj::Upisano);
            if (sameSlot) {
                ++m_sameSlotRounds;
                QCOMPARE(ishod::kraj(prvi), Kraj::Obavestenje);
                QCOMPARE(prvi.value.obavestenje, QStringLiteral("Termin je u međuvremenu zauzet."));
                QCOMPARE(stored(QStringLiteral("datum = ? AND opis = ?"),
                                {datum, QStringLiteral("drugi %1").arg(round)}),
                         1);
            } else {
                ++m_otherSlotRounds;
                QCOMPARE(ishod::kraj(prvi), Kraj::Upisano);
            }
        }
        // Exactly one booking per slot taken twice, both where the slots differed.
        const int expected = sameSlot ? m_sameSlotRounds : 2 * m_otherSlotRounds;
        m_lost += expected - stored();
        QCOMPARE(stored(), expected);
        QCOMPARE(stored(QStringLiteral("opis LIKE 'prvi%'")), sameSlot ? 0 : m_otherSlotRounds);
        // No desk holds a lock: another connection writes at once.
        QVERIFY2(m_db.exec(QStringLiteral("UPDATE zakazivanje SET opis = opis")),
                 qPrintable(m_db.lastError()));
    }

    // Two desks on threads of their own, released together each round: whichever the database
    // takes first is stored, the other is told the slot is taken.
    void twoThreadsBookTogether_data() {
        QTest::addColumn<bool>("sameSlot");
        QTest::newRow("same slot") << true;
        QTest::newRow("different slots") << false;
    }
    void twoThreadsBookTogether() {
        QFETCH(bool, sameSlot);
        QVERIFY(empty());
        const int rounds = 310; // every slot of ten days
        std::barrier start(2);
        QList<Result<Ishod>> ishodi[2];
        auto pult = [&](int broj) {
            auto sqlca = connectDesk();
            for (int round = 0; round < rounds; ++round) {
                const QDate datum = Dan.addDays(20 + round / 31 + (sameSlot ? 0 : 100 * broj));
                start.arrive_and_wait();
                ishodi[broj] << zakazivanje_upis::zakazi(*sqlca, mesto(datum, slot(round % 31)),
                                                         broj + 1,
                                                         QStringLiteral("pult %1").arg(broj));
            }
        };
        std::thread prvi(pult, 0), drugi(pult, 1);
        prvi.join();
        drugi.join();
        m_threadRounds += rounds;
        QCOMPARE(ishodi[0].size(), rounds);
        QCOMPARE(ishodi[1].size(), rounds);
        for (int round = 0; round < rounds; ++round) {
            const int upisano = int(ishod::kraj(ishodi[0].at(round)) == Kraj::Upisano) +
                                int(ishod::kraj(ishodi[1].at(round)) == Kraj::Upisano);
            QCOMPARE(upisano, sameSlot ? 1 : 2);
            for (const QList<Result<Ishod>>& ishod : ishodi)
                if (ishod::kraj(ishod.at(round)) != Kraj::Upisano)
                    QCOMPARE(ishod.at(round).value.obavestenje, zakazivanje_upis::zauzet());
        }
        const int expected = sameSlot ? rounds : 2 * rounds;
        m_lost += qMax(0, expected - stored());
        QCOMPARE(stored(), expected);
    }

    // Two desks on threads of their own, released together each round: one books a slot of the
    // first doctor, the other moves the second doctor's booking of another day into that slot.
    // One of them gets it, the other is told it is taken; the booking that could not move stays
    // where it was.
    void twoThreadsBookAndMoveIntoOneSlot() {
        QVERIFY(empty());
        const int rounds = 310;
        const int drugi = m_db.scalar(QStringLiteral("SELECT MAX(rbr) FROM lekar")).toInt();
        auto cilj = [](int round) {
            return mesto(Dan.addDays(400 + round / 31), slot(round % 31));
        };
        QList<int> premesta;
        for (int round = 0; round < rounds; ++round) {
            const zakazivanje_upis::Mesto odakle =
                mesto(Dan.addDays(600 + round / 31), slot(round % 31), drugi);
            QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_a, odakle, 2,
                                                          QStringLiteral("seli %1").arg(round))),
                     Kraj::Upisano);
            premesta << zakazivanje_sql::rbrTermina(*m_a, drugi, odakle.datum, odakle.vreme)
                            .value.value_or(0);
        }
        std::barrier start(2);
        QList<Result<Ishod>> ishodi[2];
        auto pult = [&](int broj) {
            auto sqlca = connectDesk();
            for (int round = 0; round < rounds; ++round) {
                start.arrive_and_wait();
                ishodi[broj] << (broj == 0 ? zakazivanje_upis::zakazi(*sqlca, cilj(round), 1,
                                                                      QStringLiteral("novi"))
                                           : zakazivanje_upis::premesti(*sqlca, premesta.at(round),
                                                                        1, cilj(round)));
            }
        };
        std::thread knjizi(pult, 0), seli(pult, 1);
        knjizi.join();
        seli.join();
        m_moveRounds += rounds;
        int zakazano = 0;
        for (int round = 0; round < rounds; ++round) {
            const bool prvi = ishod::kraj(ishodi[0].at(round)) == Kraj::Upisano;
            const bool drugiPult = ishod::kraj(ishodi[1].at(round)) == Kraj::Upisano;
            QCOMPARE(int(prvi) + int(drugiPult), 1);
            QCOMPARE((prvi ? ishodi[1] : ishodi[0]).at(round).value.obavestenje,
                     zakazivanje_upis::zauzet());
            zakazano += int(prvi);
            // The moved booking is in the slot, or still where it was.
            QCOMPARE(m_db.count(QStringLiteral("zakazivanje"),
                                QStringLiteral("rbr = ? AND rbr_lekar = ?"),
                                {premesta.at(round), drugiPult ? Lekar : drugi}),
                     1);
        }
        m_movesWon += rounds - zakazano;
        m_lost += qMax(0, rounds + zakazano - stored());
        QCOMPARE(stored(), rounds + zakazano);
        QCOMPARE(stored(QStringLiteral("opis LIKE 'seli%'")), rounds);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT rbr_lekar, datum, vreme "
                                            "FROM zakazivanje WHERE status <> 'otkazan' GROUP BY "
                                            "rbr_lekar, datum, vreme HAVING COUNT(*) > 1) AS d"))
                     .toInt(),
                 0);
    }

    void theDayReadsItsOwnBookingsOnly() {
        QVERIFY(empty());
        QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_a, mesto(Dan, QTime(9, 30)), 1,
                                                      QStringLiteral("kontrola"))),
                 Kraj::Upisano);
        QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_a, mesto(Dan, QTime(7, 0)), {},
                                                      QStringLiteral("sastanak"))),
                 Kraj::Upisano);
        QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_a, mesto(Dan.addDays(1), QTime(9, 30)), 2,
                                                      QString())),
                 Kraj::Upisano);
        Result<QList<zakazivanje_sql::Termin>> dan = zakazivanje_sql::terminiDana(*m_a, Lekar, Dan);
        QVERIFY(!dan.failed());
        QCOMPARE(dan.value.size(), 2);
        QCOMPARE(dan.value.at(0).vreme, QTime(7, 0));
        QCOMPARE(dan.value.at(0).rbrAdresar, std::nullopt);
        QCOMPARE(dan.value.at(1).vreme, QTime(9, 30));
        QCOMPARE(dan.value.at(1).prezime, QStringLiteral("Petrović"));
        QCOMPARE(dan.value.at(1).telefon, QStringLiteral("011/1"));
        QCOMPARE(dan.value.at(1).datum, Dan);
        QCOMPARE(zakazivanje_sql::zauzetiDani(*m_a, Lekar, Dan.addDays(-7), Dan.addDays(7)).value,
                 QList<QDate>({Dan, Dan.addDays(1)}));
        // Another desk books: the next read of the day shows it.
        QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_b, mesto(Dan, QTime(22, 0)), 2,
                                                      QStringLiteral("kasno"))),
                 Kraj::Upisano);
        dan = zakazivanje_sql::terminiDana(*m_a, Lekar, Dan);
        QCOMPARE(dan.value.size(), 3);
        QCOMPARE(dan.value.at(2).ime, QStringLiteral("Žarko"));
    }

    void hostileNotesAreKeptExactly_data() {
        QTest::addColumn<QString>("opis");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"doktor\" '; DROP TABLE adresar; --");
        QTest::newRow("patterns") << QStringLiteral("100% _ \\ %_");
        QTest::newRow("line breaks") << QStringLiteral("prvi red\ndrugi red\r\ntreći\tkraj");
        QTest::newRow("emoji") << QStringLiteral("zub 🦷 👨‍⚕️");
        QTest::newRow("right to left") << QStringLiteral("\u202Eשלום مرحبا\u202C");
        QTest::newRow("10,000 characters") << QString(10000, QChar(0x0161));
        QTest::newRow("blanks around") << QStringLiteral("  ");
    }
    void hostileNotesAreKeptExactly() {
        QFETCH(QString, opis);
        QVERIFY(empty());
        QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_a, mesto(Dan, QTime(12, 0)), 1, opis)),
                 Kraj::Upisano);
        const auto dan = zakazivanje_sql::terminiDana(*m_b, Lekar, Dan);
        QCOMPARE(dan.value.size(), 1);
        QCOMPARE(dan.value.at(0).opis, opis);
        QCOMPARE(ishod::kraj(zakazivanje_upis::izmeni(*m_a, dan.value.at(0).rbr,
                                                      dan.value.at(0).verzija, {}, opis + opis)),
                 Kraj::Upisano);
        QCOMPARE(zakazivanje_sql::terminiDana(*m_b, Lekar, Dan).value.at(0).opis, opis + opis);
    }

    void aPatientDeletedMeanwhileIsRefused_data() {
        QTest::addColumn<bool>("afterTheCheck");
        QTest::newRow("before the booking") << false;
        QTest::newRow("between check and insert") << true;
    }
    void aPatientDeletedMeanwhileIsRefused() {
        QFETCH(bool, afterTheCheck);
        QVERIFY(empty());
        QVERIFY(patient(77, QStringLiteral("Nestalić"), QStringLiteral("Ivo")));
        auto obrisi = [this] {
            QVERIFY(m_db.exec(QStringLiteral("DELETE FROM adresar WHERE rbr = 77")));
        };
        if (!afterTheCheck)
            obrisi();
        const Result<Ishod> ishod =
            zakazivanje_upis::zakazi(*m_a, mesto(Dan, QTime(8, 0)), 77, QString(),
                                     afterTheCheck ? obrisi : std::function<void()>());
        QCOMPARE(ishod::kraj(ishod), Kraj::Obavestenje);
        QCOMPARE(ishod.value.obavestenje, zakazivanje_upis::pacijentObrisan());
        QCOMPARE(stored(), 0);
        // A change to a patient who is gone is refused the same way.
        QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_a, mesto(Dan, QTime(8, 0)), 1, QString())),
                 Kraj::Upisano);
        const int rbr =
            zakazivanje_sql::rbrTermina(*m_a, Lekar, Dan, QTime(8, 0)).value.value_or(0);
        QCOMPARE(zakazivanje_upis::izmeni(*m_a, rbr, 1, 77, QString()).value.obavestenje,
                 zakazivanje_upis::pacijentObrisan());
        QCOMPARE(stored(QStringLiteral("rbr_adresar = 1")), 1);
    }

    void theDatabaseKeepsTheGrid_data() {
        QTest::addColumn<QString>("vreme");
        QTest::newRow("quarter past") << "09:15:00";
        QTest::newRow("before seven") << "06:30:00";
        QTest::newRow("after ten") << "22:30:00";
    }
    void theDatabaseKeepsTheGrid() {
        QFETCH(QString, vreme);
        QVERIFY(empty());
        QVERIFY(!m_db.exec(
            QStringLiteral("INSERT INTO zakazivanje (rbr_lekar, datum, vreme) VALUES (?, ?, ?)"),
            {Lekar, Dan, QTime::fromString(vreme, QStringLiteral("HH:mm:ss"))}));
        QCOMPARE(stored(), 0);
    }
};

QTEST_GUILESS_MAIN(TestZakazivanjeDesks)
#include "tst_zakazivanje_desks_db.moc"
