// What the address book shows when the database refuses a statement, and what survives.
#include "tests/addressbook/adresar_harness.h"

#include "runtime/core/builtins.h"
#include "runtime/core/transaction.h"

class TestAdresarFailures : public QObject {
    Q_OBJECT

    AdresarHarness h;

private slots:
    void initTestCase() { QVERIFY(h.provision()); }

    void init() { h.modals().clear(); }

    void cleanup() {
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.modals().unexpected(), 0);
        QCOMPARE(h.modals().pending(), 0);
    }

    void unreadableStatusesAtStartUp() {
        h.fixture.stop();
        QVERIFY(h.db().exec(QStringLiteral("ALTER TABLE status RENAME TO status_stari")));
        // The form's status field, the list and the editor's filter each report their failure.
        for (int i = 0; i < 3; ++i)
            h.modals().acknowledge();
        const bool started = h.start({{1, "Ana", "Antić"}});
        QVERIFY(h.db().exec(QStringLiteral("ALTER TABLE status_stari RENAME TO status")));
        QVERIFY(started);
        const QList<ModalSeen> seen = h.modals().seen();
        QCOMPARE(seen.size(), 3);
        for (const ModalSeen& box : seen) {
            QCOMPARE(box.title, QStringLiteral("DataBase Error!"));
            QVERIFY2(box.text.contains(QLatin1String("status")), qPrintable(box.text));
        }
        QCOMPARE(h.statusField()->totalItems(), 0);
        QCOMPARE(int(h.page->rbr_status()), 0);
        QCOMPARE(h.statusFilter()->totalItems(), 0);
        QCOMPARE(h.list()->rowCount(), 0);
    }

    void aStatusThatCannotBeLookedUp() {
        QVERIFY(h.start({{1, "Ana", "Antić"}}));
        QCOMPARE(int(h.page->rbr_status()), 1);
        // Another desk renames a status after this one has listed it.
        QVERIFY(h.db().exec(QStringLiteral("UPDATE status SET naziv = 'Lekarka' WHERE rbr = 4")));
        sqlca().commit(); // the program sees committed changes from its next unit of work on
        h.modals().click(QStringLiteral("cb_ne"));
        AdresarHarness::pick(h.statusField(), QStringLiteral("Lekar"));
        QVERIFY(h.db().exec(QStringLiteral("UPDATE status SET naziv = 'Lekar' WHERE rbr = 4")));
        QCOMPARE(h.modals().seen().size(), 1);
        QCOMPARE(h.modals().seen().first().objectName, QStringLiteral("w_da_ne"));
        QCOMPARE(h.modals().seen().first().text,
                 QStringLiteral("GR0120 Greska pri upitu nad STATUS tabelom!"));
        QCOMPARE(int(h.page->rbr_status()), 1);
        QVERIFY(h.window->menjano());
    }

    void aRefusedInsert() {
        QVERIFY(h.start({{5, "Ana", "Antić"}}));
        h.fixture.stop();
        QVERIFY(h.failWrites(QStringLiteral("INSERT"), QStringLiteral("NEW.ime = 'Kvar'")));
        QVERIFY(h.launch());
        // Some earlier work of this unit that nobody has committed yet.
        QCOMPARE(sqlca()
                     .execute(QStringLiteral("UPDATE adresar SET napomena = ? WHERE rbr = 5"),
                              {QStringLiteral("Privremeni")})
                     .sqlcode,
                 0);

        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Kvar"));
        h.type(QStringLiteral("sle_prezime"), QStringLiteral("Kvarić"));
        h.modals().acknowledge();
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h.modals().seen().size(), 1);
        QCOMPARE(h.modals().seen().first().title, QString());
        QVERIFY2(h.modals().seen().first().text.contains(QLatin1String("upis odbijen")),
                 qPrintable(h.modals().seen().first().text));
        QCOMPARE(h.rows(), 1);
        QCOMPARE(h.rows(QStringLiteral("napomena IS NOT NULL")), 0); // no COMMIT
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Kvar"));
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QStringLiteral("0"));

        // The refused save rolled its unit back, lock and earlier work with it; the connection
        // goes on working: the corrected form saves and commits.
        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Ispravan"));
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h.rows(), 2);
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QStringLiteral("6"));
        QCOMPARE(h.rows(QStringLiteral("napomena IS NOT NULL")), 0);

        h.fixture.stop();
        QVERIFY(h.healWrites(QStringLiteral("INSERT")));
    }
};

QTEST_MAIN(TestAdresarFailures)
#include "tst_adresar_failures_db.moc"
