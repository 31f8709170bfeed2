// The address book with other writers: another connection committing while the program holds its
// own open, writes the database refuses, two desks saving at the same moment, an entry deleted
// under an open form, and saves cut short by killing the program. Each "desk" is a connection of
// its own driving the program's save and delete functions.
#include "domain/addressbook/adresar_sql.h"
#include "domain/addressbook/adresar_upis.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/core/transaction.h"
#include "tests/addressbook/adresar_forma.h"
#include "tests/addressbook/write_failures.h"
#include "tests/support/desk.h"

#include <QProcess>
#include <QTest>

#include <csignal>
#include <memory>
#include <unistd.h>

using Kraj = Ishod::Kraj;

namespace {

// A 13-character identity number of its own for each round and desk.
QString mbrOf(int round, int desk) {
    return QStringLiteral("%1%2").arg(round, 12, 10, QLatin1Char('0')).arg(desk);
}

// Run as a child process: saves one entry and kills itself at once, before anything else runs.
// "commit" saves through the program's save (which commits); "nocommit" only inserts.
[[noreturn]] void childSaveAndDie(const QByteArray& mode) {
    auto sqlca = connectDesk();
    if (mode == "commit") {
        const Result<Ishod> ishod = adresar_upis::sacuvaj(
            *sqlca, forma(QStringLiteral("Trajna"), QStringLiteral("Ana")), 0, 1);
        if (ishod::kraj(ishod) != Kraj::Upisano)
            _exit(2);
    } else {
        AdresarUnos unos = forma(QStringLiteral("Prolazna"), QStringLiteral("Ana"));
        unos.rbr = 900;
        unos.status = 1;
        if (adresar_sql::unesi(*sqlca, unos).sqlcode != Result<>::Success)
            _exit(2);
    }
    ::kill(::getpid(), SIGKILL);
    _exit(3);
}

} // namespace

class TestAdresarDesks : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_a;
    std::unique_ptr<Transaction> m_b;
    int m_concurrentSaves = 0;
    int m_faults = 0;

    bool postgres() const { return m_db.engine() == TestDataSource::Engine::PostgreSQL; }
    int rows(const QString& where = QString()) {
        return m_db.count(QStringLiteral("adresar"), where);
    }
    bool empty() { return m_db.exec(QStringLiteral("DELETE FROM adresar")); }
    bool store(int rbr, const QString& prezime, const QString& mbr = QString()) {
        return m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status) "
                                        "VALUES (?, 'Ime', ?, ?, 1, 1)"),
                         {rbr, prezime, textOrNull(mbr)});
    }
    // Another desk writes and commits at once: it waits for no lock the program holds.
    bool otherDeskWrites() {
        return m_db.exec(QStringLiteral("UPDATE status SET naziv = naziv WHERE rbr = 1"));
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        m_a = connectDesk();
        QCOMPARE(m_a->usable().sqlcode, 0);
        m_b = connectDesk();
        QCOMPARE(m_b->usable().sqlcode, 0);
    }

    void cleanup() {
        // A failed test leaves no trigger behind to fail the next one.
        for (const char* operation : {"INSERT", "UPDATE", "DELETE"})
            m_db.exec(QStringLiteral("DROP TRIGGER IF EXISTS kvar_%1%2")
                          .arg(QLatin1String(operation),
                               postgres() ? QStringLiteral(" ON adresar") : QString()));
        if (postgres())
            m_db.exec(QStringLiteral("DROP TRIGGER IF EXISTS kvar_potvrde ON adresar"));
    }

    void cleanupTestCase() {
        qInfo("concurrent saves tried: %d, faults injected: %d", m_concurrentSaves, m_faults);
    }

    void anotherWriterCommitsWhileTheProgramIsOpen_data() {
        QTest::addColumn<bool>("afterAFailedSave");
        QTest::newRow("after a read") << false;
        QTest::newRow("after a failed save") << true;
    }
    void anotherWriterCommitsWhileTheProgramIsOpen() {
        QFETCH(bool, afterAFailedSave);
        QVERIFY(empty());
        QVERIFY(store(1, QStringLiteral("Antić")));
        // The program reads (as at start-up), then another connection commits.
        QVERIFY(adresar_sql::najveciRbr(*m_a).value == 1);
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) "
                                         "VALUES (2, 'Bora', 'Borić')")));
        if (afterAFailedSave) {
            QVERIFY(failWrites(m_db, QStringLiteral("INSERT"), QStringLiteral("NEW.ime = 'Kvar'")));
            ++m_faults;
            QCOMPARE(ishod::kraj(adresar_upis::sacuvaj(*m_a, forma("Kvar", "Kvarić"), 0, 1)),
                     Kraj::Neupisano);
            QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) "
                                             "VALUES (3, 'Cica', 'Cicić')")));
            QVERIFY(healWrites(m_db, QStringLiteral("INSERT")));
        }
        const int first = afterAFailedSave ? 4 : 3;
        Result<Ishod> ishod = adresar_upis::sacuvaj(*m_a, forma("Vera", "Vasić"), 0, 1);
        QCOMPARE(ishod::kraj(ishod), Kraj::Upisano);
        QCOMPARE(ishod.value.rbr, first);
        ishod = adresar_upis::sacuvaj(*m_a, forma("Vera", "Vasić-Novak"), first, 1);
        QCOMPARE(ishod::kraj(ishod), Kraj::Upisano);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT prezime FROM adresar WHERE rbr = ?"), {first})
                     .toString(),
                 QStringLiteral("Vasić-Novak"));
        QCOMPARE(ishod::kraj(adresar_upis::obrisi(*m_a, first)), Ishod::Kraj::Upisano);
        QCOMPARE(rows(), first - 1);
    }

    void aRefusedWriteLeavesNothingBehind_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("condition");
        QTest::newRow("INSERT") << "INSERT"
                                << "NEW.ime = 'Kvar'";
        QTest::newRow("UPDATE") << "UPDATE"
                                << "NEW.ime = 'Kvar'";
        QTest::newRow("DELETE") << "DELETE"
                                << "OLD.rbr = 1";
        QTest::newRow("unique identity number") << ""
                                                << "";
    }
    void aRefusedWriteLeavesNothingBehind() {
        QFETCH(QString, operation);
        QFETCH(QString, condition);
        QVERIFY(empty());
        QVERIFY(store(1, QStringLiteral("Antić"), QStringLiteral("0101990715001")));
        if (!operation.isEmpty())
            QVERIFY(failWrites(m_db, operation, condition));
        ++m_faults;
        // Earlier uncommitted work of the unit goes with the refused write. (Not before the
        // constraint's case: there another desk writes in the middle of the save, and the
        // embedded database would keep it waiting for this unit's lock.)
        if (!operation.isEmpty()) {
            QCOMPARE(m_a->execute(QStringLiteral("UPDATE adresar SET napomena = ? WHERE rbr = 1"),
                                  {QStringLiteral("Privremeni")})
                         .sqlcode,
                     0);
        }
        if (operation == QLatin1String("DELETE")) {
            const Result<Ishod> ishod = adresar_upis::obrisi(*m_a, 1);
            QCOMPARE(ishod::kraj(ishod), Ishod::Kraj::Neupisano);
            QVERIFY2(ishod.sqlerrtext.contains(QLatin1String("upis odbijen")),
                     qPrintable(ishod.sqlerrtext));
        } else if (operation.isEmpty()) {
            // The number is taken by a row the check cannot see yet: the constraint refuses.
            const Result<Ishod> ishod =
                adresar_upis::sacuvaj(*m_a, forma("Ana", "Antić", "0202990715002"), 0, 1, [this] {
                    QVERIFY(store(50, QStringLiteral("Drugi"), QStringLiteral("0202990715002")));
                });
            QCOMPARE(ishod::kraj(ishod), Kraj::Obavestenje);
            QCOMPARE(ishod.value.obavestenje, QStringLiteral("Uneli ste dupli MBR!"));
        } else {
            const Result<Ishod> ishod = adresar_upis::sacuvaj(
                *m_a, forma("Kvar", "Kvarić"), operation == QLatin1String("UPDATE") ? 1 : 0, 1);
            QCOMPARE(ishod::kraj(ishod), Kraj::Neupisano);
            QVERIFY2(ishod.sqlerrtext.contains(QLatin1String("upis odbijen")),
                     qPrintable(ishod.sqlerrtext));
            QCOMPARE(ishod.value.rbr, 0);
        }
        // No lock stays: another connection writes at once, and nothing of the unit was kept.
        QVERIFY2(otherDeskWrites(), qPrintable(m_db.lastError()));
        QCOMPARE(rows(QStringLiteral("napomena IS NOT NULL")), 0);
        QCOMPARE(rows(QStringLiteral("ime = 'Kvar'")), 0);
        if (!operation.isEmpty())
            QVERIFY(healWrites(m_db, operation));
        // The connection is usable at once: the next save is stored.
        const Result<Ishod> next =
            adresar_upis::sacuvaj(*m_a, forma("Ispravan", "Ispravnić"), 0, 1);
        QCOMPARE(ishod::kraj(next), Kraj::Upisano);
        QCOMPARE(rows(QStringLiteral("ime = 'Ispravan'")), 1);
    }

    void aRefusedCommitIsAFailedSave() {
        if (!postgres())
            QSKIP("the embedded database checks every constraint before COMMIT");
        QVERIFY(empty());
        // A check put off to COMMIT time refuses the whole unit there.
        QVERIFY(m_db.exec(QStringLiteral("CREATE OR REPLACE FUNCTION kvar_potvrde() RETURNS "
                                         "trigger AS 'BEGIN RAISE EXCEPTION ''potvrda odbijena''; "
                                         "END' LANGUAGE plpgsql")));
        QVERIFY(m_db.exec(QStringLiteral(
            "CREATE CONSTRAINT TRIGGER kvar_potvrde AFTER INSERT OR UPDATE ON adresar "
            "DEFERRABLE INITIALLY DEFERRED FOR EACH ROW WHEN (NEW.ime = 'Kvar') "
            "EXECUTE FUNCTION kvar_potvrde()")));
        ++m_faults;
        const Result<Ishod> ishod = adresar_upis::sacuvaj(*m_a, forma("Kvar", "Kvarić"), 0, 1);
        QVERIFY(m_db.exec(QStringLiteral("DROP TRIGGER kvar_potvrde ON adresar")));
        QCOMPARE(ishod::kraj(ishod), Kraj::Neupisano);
        QVERIFY2(ishod.sqlerrtext.contains(QLatin1String("potvrda odbijena")),
                 qPrintable(ishod.sqlerrtext));
        QCOMPARE(ishod.value.rbr, 0); // the form must not take a key that was never stored
        QCOMPARE(rows(), 0);
        QCOMPARE(adresar_upis::sacuvaj(*m_a, forma("Ana", "Antić"), 0, 1).value.rbr, 1);
    }

    void twoDesksSaveAtTheSameMoment_data() {
        QTest::addColumn<bool>("sameNumber");
        QTest::newRow("different people") << false;
        QTest::newRow("same identity number") << true;
    }
    void twoDesksSaveAtTheSameMoment() {
        QFETCH(bool, sameNumber);
        QVERIFY(empty());
        const int rounds = 25;
        int refused = 0;
        for (int round = 1; round <= rounds; ++round) {
            const QString mbrA = mbrOf(round, 1);
            const QString mbrB = sameNumber ? mbrA : mbrOf(round, 2);
            // Desk A has read the largest key and checked the number; desk B does the same and
            // commits before A's INSERT runs. Every other round B saves first and A second, so
            // both desks end up on each side.
            Transaction& first = round % 2 ? *m_a : *m_b;
            Transaction& second = round % 2 ? *m_b : *m_a;
            Result<Ishod> ishodDrugog;
            const Result<Ishod> ishodPrvog = adresar_upis::sacuvaj(
                first, forma(QStringLiteral("Prvi%1").arg(round), QStringLiteral("Pultić"), mbrA),
                0, 1, [&] {
                    if (ishodDrugog.value.rbr == 0)
                        ishodDrugog =
                            adresar_upis::sacuvaj(second,
                                                  forma(QStringLiteral("Drugi%1").arg(round),
                                                        QStringLiteral("Pultić"), mbrB),
                                                  0, 1);
                });
            m_concurrentSaves += 2;
            QCOMPARE(ishod::kraj(ishodDrugog), Kraj::Upisano);
            if (sameNumber) {
                QCOMPARE(ishod::kraj(ishodPrvog), Kraj::Obavestenje);
                QCOMPARE(ishodPrvog.value.obavestenje, QStringLiteral("Uneli ste dupli MBR!"));
                ++refused;
                QCOMPARE(rows(QStringLiteral("mbr = '%1'").arg(mbrA)), 1);
            } else {
                QCOMPARE(ishod::kraj(ishodPrvog), Kraj::Upisano);
                QVERIFY(ishodPrvog.value.rbr != ishodDrugog.value.rbr);
            }
        }
        // Every entry stored once, under keys 1, 2, 3 ... without a gap.
        const int expected = sameNumber ? rounds : 2 * rounds;
        QCOMPARE(rows(), expected);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT COUNT(DISTINCT ime) FROM adresar")).toInt(),
                 expected);
        QCOMPARE(m_db.scalar(QStringLiteral("SELECT MAX(rbr) FROM adresar")).toInt(), expected);
        QCOMPARE(refused, sameNumber ? rounds : 0);
    }

    void keysTakenOnEveryTryGiveUpWithTheDatabasesText() {
        QVERIFY(empty());
        int tries = 0;
        const Result<Ishod> ishod =
            adresar_upis::sacuvaj(*m_a, forma("Uporna", "Upornić"), 0, 1, [&] {
                ++tries;
                // Another desk takes the very key just read, every time.
                QVERIFY(store(tries, QStringLiteral("Brži")));
            });
        m_concurrentSaves += tries;
        QCOMPARE(tries, adresar_upis::NajvisePokusaja);
        QCOMPARE(ishod::kraj(ishod), Kraj::Neupisano);
        QVERIFY(!ishod.sqlerrtext.isEmpty());
        QCOMPARE(rows(QStringLiteral("ime = 'Uporna'")), 0);
        QVERIFY(otherDeskWrites());
    }

    void anEntryDeletedMeanwhile_data() {
        QTest::addColumn<bool>("beforeTheChecks");
        QTest::newRow("before the save") << true;
        QTest::newRow("between check and update") << false;
    }
    void anEntryDeletedMeanwhile() {
        QFETCH(bool, beforeTheChecks);
        QVERIFY(empty());
        QVERIFY(store(1, QStringLiteral("Antić")));
        QVERIFY(store(2, QStringLiteral("Babić")));
        auto deleteIt = [this] {
            QVERIFY(m_db.exec(QStringLiteral("DELETE FROM adresar WHERE rbr = 1")));
        };
        if (beforeTheChecks)
            deleteIt();
        const Result<Ishod> ishod = adresar_upis::sacuvaj(
            *m_a, forma("Ana", "Antić-Izmenjena", "0101990715001"), 1, 1, [&] {
                if (!beforeTheChecks)
                    deleteIt();
            });
        QCOMPARE(ishod::kraj(ishod), Kraj::Obavestenje);
        QCOMPARE(ishod.value.obavestenje, adresar_upis::obrisanUMedjuvremenu());
        QCOMPARE(rows(), 1);
        QCOMPARE(rows(QStringLiteral("prezime = 'Antić-Izmenjena'")), 0);
        QVERIFY(otherDeskWrites());
    }

    void theSessionIsIdleBetweenActions() {
        if (!postgres())
            QSKIP("the server's view of its sessions is PostgreSQL's");
        QVERIFY(empty());
        QVERIFY(store(1, QStringLiteral("Antić")));
        const auto pid = m_a->selectInto(QStringLiteral("SELECT pg_backend_pid()")).value;
        QVERIFY(pid);
        // Asked by the other desk: a session's state is shown only to its own login.
        auto state = [&] {
            const auto row =
                m_b->selectInto(QStringLiteral("SELECT state FROM pg_stat_activity WHERE pid = ?"),
                                {pid->first().toInt()})
                    .value;
            return row ? row->first().toString() : QString();
        };
        QCOMPARE(state(), QStringLiteral("idle"));
        adresar_sql::najveciRbr(*m_a);
        QCOMPARE(state(), QStringLiteral("idle"));
        // A list read, in blocks (texts and integers) and through the cursor (other types).
        for (const char* list :
             {"SELECT rbr, prezime FROM adresar", "SELECT rbr, 1.5 FROM adresar"}) {
            DynamicStagingArea staging;
            DynamicCursor cursor;
            int listed = 0;
            const Result<> read = readRows(cursor, staging, *m_a, QString::fromLatin1(list), {},
                                           nullptr, [&](const QVariantList&) { ++listed; });
            QVERIFY(!read.failed());
            QCOMPARE(listed, 1);
            QCOMPARE(state(), QStringLiteral("idle"));
        }
        QCOMPARE(ishod::kraj(adresar_upis::sacuvaj(*m_a, forma("Bora", "Borić"), 0, 1)),
                 Kraj::Upisano);
        QCOMPARE(state(), QStringLiteral("idle"));
        QVERIFY(failWrites(m_db, QStringLiteral("INSERT"), QStringLiteral("NEW.ime = 'Kvar'")));
        ++m_faults;
        QCOMPARE(ishod::kraj(adresar_upis::sacuvaj(*m_a, forma("Kvar", "Kvarić"), 0, 1)),
                 Kraj::Neupisano);
        QVERIFY(healWrites(m_db, QStringLiteral("INSERT")));
        QCOMPARE(state(), QStringLiteral("idle"));
        // A write not yet committed is what "idle in transaction" is for.
        m_a->execute(QStringLiteral("UPDATE adresar SET napomena = napomena WHERE rbr = 1"));
        adresar_sql::najveciRbr(*m_a);
        QCOMPARE(state(), QStringLiteral("idle in transaction"));
        m_a->rollback();
        QCOMPARE(state(), QStringLiteral("idle"));
    }

    void killedAtOnceAfterTheSave_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("kept");
        QTest::newRow("committed save") << "commit" << 1;
        QTest::newRow("insert without commit") << "nocommit" << 0;
    }
    void killedAtOnceAfterTheSave() {
        QFETCH(QString, mode);
        QFETCH(int, kept);
        QVERIFY(empty());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--save-and-die"), mode});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit); // killed, not ended
        ++m_faults;
        QCOMPARE(rows(), kept);
        // Whatever the killed program held, another desk writes at once.
        QVERIFY(otherDeskWrites());
        QCOMPARE(ishod::kraj(adresar_upis::sacuvaj(*m_a, forma("Posle", "Pada"), 0, 1)),
                 Kraj::Upisano);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--save-and-die") == 0) {
        QCoreApplication app(argc, argv);
        childSaveAndDie(argv[2]);
    }
    QCoreApplication app(argc, argv);
    TestAdresarDesks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_adresar_desks_db.moc"
