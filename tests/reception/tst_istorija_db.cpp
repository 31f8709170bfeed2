// The history of changes, kept by the database's triggers on both engines: a visit's field changed
// or emptied, its date changed, an address-book entry changed or deleted, each naming the desk;
// a save that changes nothing leaves no trace; the program's login cannot change or delete it.
#include "domain/addressbook/adresar_upis.h"
#include "domain/history/istorija_sql.h"
#include "domain/reception/poseta_upis.h"
#include "runtime/core/transaction.h"
#include "tests/support/desk.h"
#include "tests/support/rows.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

using poseta_sql::Polje;

class TestIstorija : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_sqlca;
    QString m_pult;
    int m_rbrPosete = 0;
    int m_verzija = 0;

    // Saves visit 1's date and fields over what it held.
    void save(const QDate& datum, const QList<Polje>& polja) {
        poseta_upis::Poseta p;
        if (m_rbrPosete)
            p.rbr = m_rbrPosete;
        p.verzija = m_verzija;
        p.rbrAdresar = 1;
        p.datum = datum;
        p.polja = polja;
        const Result<Ishod> ishod = poseta_upis::sacuvaj(*m_sqlca, p);
        QVERIFY2(ishod::kraj(ishod) == Ishod::Kraj::Upisano,
                 qPrintable(ishod.sqlerrtext + ishod.value.obavestenje));
        m_rbrPosete = ishod.value.rbr;
        m_verzija = ishod.value.verzija;
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        QVERIFY(
            m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status, "
                                     "grad) VALUES (1, 'Ana', 'Anić', '0101990715001', 0, 1, "
                                     "'Beograd'), (2, 'Bora', 'Borić', NULL, 1, 1, 'Niš')")));
        m_sqlca = connectDesk();
        QCOMPARE(m_sqlca->usable().sqlcode, 0);
        if (m_db.engine() == TestDataSource::Engine::SQLite) {
            m_pult = QStringLiteral("pult-test");
            istorija_sql::postaviPult(*m_sqlca, m_pult);
        } else {
            // The server names the desk by the connection: asked here of the connection itself.
            const std::optional<QVariantList> ime =
                m_sqlca
                    ->selectInto(QStringLiteral("SELECT current_setting('application_name'), "
                                                "session_user"))
                    .value;
            QVERIFY(ime);
            m_pult =
                ime->at(0).toString().isEmpty() ? ime->at(1).toString() : ime->at(0).toString();
            m_sqlca->commit();
        }
        save(QDate(2026, 3, 1), {{QStringLiteral("mle_radnadiag"), QStringLiteral("J45")},
                                 {QStringLiteral("mle_pusenje"), QStringLiteral("ne")}});
    }

    // Each step after the one before, on visit 1 and entries 1 and 2; the newest rows of the
    // record's history as "field: old value (izmena|brisanje)", newest first.
    void changes_data() {
        QTest::addColumn<QString>("korak");
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<int>("rbr");
        QTest::addColumn<QStringList>("najnovije");
        row("a field changed", "dg J46", "poseta", 0, QStringList{"mle_radnadiag: J45 (izmena)"});
        row("the same save again leaves no trace", "dg J46", "poseta", 0,
            QStringList{"mle_radnadiag: J45 (izmena)"});
        row("a field emptied", "no smoking", "poseta", 0,
            QStringList{"mle_pusenje: ne (brisanje)", "mle_radnadiag: J45 (izmena)"});
        row("the date changed", "date", "poseta", 0,
            QStringList{"datum: 2026-03-01 (izmena)", "mle_pusenje: ne (brisanje)"});
        row("an entry changed", "city", "adresar", 1, QStringList{"grad: Beograd (izmena)"});
        row("an entry deleted", "delete 2", "adresar", 2,
            QStringList{"grad: Niš (brisanje)", "ime: Bora (brisanje)", "pol: 1 (brisanje)",
                        "prezime: Borić (brisanje)", "status: 1 (brisanje)"});
    }
    void changes() {
        QFETCH(QString, korak);
        QFETCH(QString, tabela);
        QFETCH(int, rbr);
        QFETCH(QStringList, najnovije);
        const QList<Polje> dg{{QStringLiteral("mle_radnadiag"), QStringLiteral("J46")}};
        if (korak == QLatin1String("dg J46"))
            save(QDate(2026, 3, 1), dg + QList<Polje>{{"mle_pusenje", "ne"}});
        else if (korak == QLatin1String("no smoking"))
            save(QDate(2026, 3, 1), dg);
        else if (korak == QLatin1String("date"))
            save(QDate(2026, 3, 2), dg);
        else if (korak == QLatin1String("city")) {
            AdresarUnos unos;
            unos.ime = QStringLiteral("Ana");
            unos.prezime = QStringLiteral("Anić");
            unos.mbr = QStringLiteral("0101990715001");
            unos.pol = 0;
            unos.grad = QStringLiteral("Novi Sad");
            QCOMPARE(ishod::kraj(adresar_upis::sacuvaj(*m_sqlca, unos, 1, 1)),
                     Ishod::Kraj::Upisano);
        } else {
            QCOMPARE(ishod::kraj(adresar_upis::obrisi(*m_sqlca, 2)), Ishod::Kraj::Upisano);
        }
        const Result<QList<istorija_sql::Promena>> promene =
            tabela == QLatin1String("poseta") ? istorija_sql::istorijaPosete(*m_sqlca, m_rbrPosete)
                                              : istorija_sql::istorijaUnosa(*m_sqlca, rbr);
        QVERIFY2(!promene.failed(), qPrintable(promene.sqlerrtext));
        QStringList procitano;
        // Rows of one statement come in the engine's own order: they are compared sorted.
        QList<istorija_sql::Promena> redovi = promene.value.mid(0, najnovije.size());
        for (const istorija_sql::Promena& p : redovi) {
            procitano << QStringLiteral("%1: %2 (%3)")
                             .arg(p.polje, p.staraVrednost, p.obrisano ? "brisanje" : "izmena");
            QCOMPARE(p.pult, m_pult);
            QVERIFY(p.kada.isValid());
        }
        if (korak.startsWith(QLatin1String("delete")))
            procitano.sort();
        QCOMPARE(procitano, najnovije);
    }

    // The program's login may add to the history (through the triggers) but never rewrite it.
    void loginCannotRewrite_data() {
        QTest::addColumn<QString>("naredba");
        row("UPDATE", "UPDATE istorija SET stara_vrednost = 'prepravljeno'");
        row("DELETE", "DELETE FROM istorija");
        row("INSERT", "INSERT INTO istorija (tabela, rbr_zapisa, polje, radnja) "
                      "VALUES ('poseta', 1, 'x', 'izmena')");
    }
    void loginCannotRewrite() {
        QFETCH(QString, naredba);
        const int before = m_db.count(QStringLiteral("istorija"));
        QVERIFY(before > 0);
        const int code = m_sqlca->execute(naredba).sqlcode;
        m_sqlca->rollback();
        if (m_db.engine() == TestDataSource::Engine::SQLite &&
            naredba.startsWith(QLatin1String("INSERT"))) {
            // One user's own file: there the triggers keep it from being changed, not written.
            QVERIFY(code == 0);
            return;
        }
        QVERIFY2(code < 0, qPrintable(naredba));
        QCOMPARE(m_db.count(QStringLiteral("istorija")), before);
        QCOMPARE(m_db.count(QStringLiteral("istorija"), QStringLiteral("stara_vrednost = ?"),
                            {QStringLiteral("prepravljeno")}),
                 0);
    }
};

QTEST_MAIN(TestIstorija)
#include "tst_istorija_db.moc"
