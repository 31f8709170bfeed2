// Saving an entry with "SAČUVAJ" through the page: what the form writes, the key it shows, a
// refusal's notice, and that whatever the user types arrives in the database, the list and the
// form unchanged. The save's rules themselves are tested in tst_adresar_upis_db.
#include "tests/addressbook/adresar_harness.h"

namespace {

const QStringList OptionalColumns{"s_slovo",     "mbr",     "ulica",      "grad",       "telefon",
                                  "mob_telefon", "fax",     "email",      "firma",      "dept",
                                  "p_ulica",     "p_grad",  "p_telefon1", "p_telefon2", "p_fax",
                                  "p_email",     "napomena"};

} // namespace

class TestAdresarSave : public QObject {
    Q_OBJECT

    AdresarHarness h;

    void newEntry(const QString& ime, const QString& prezime, const QString& mbr = QString()) {
        h.press(QStringLiteral("cb_novi"));
        h.type(QStringLiteral("sle_ime1"), ime);
        h.type(QStringLiteral("sle_prezime"), prezime);
        if (!mbr.isEmpty())
            h.type(QStringLiteral("sle_mbr"), mbr);
    }

private slots:
    void initTestCase() { QVERIFY(h.provision()); }

    void cleanup() {
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.modals().unexpected(), 0);
        QCOMPARE(h.modals().pending(), 0);
        h.modals().clear();
    }

    void namesOnlyGiveNullsAndTheFirstKeyIsOne() {
        QVERIFY(h.start());
        const int status = h.page->rbr_status();
        QCOMPARE(status, 1); // the first status in rbr order
        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Petar"));
        h.type(QStringLiteral("sle_prezime"), QStringLiteral("Petrović"));
        h.press(QStringLiteral("cb_sacuvaj"));

        QCOMPARE(h.rows(), 1);
        // An empty address book has no largest key; its first entry is numbered 1.
        QCOMPARE(h.column(1, QStringLiteral("prezime")).toString(), QStringLiteral("Petrović"));
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QStringLiteral("1"));
        QCOMPARE(h.column(1, QStringLiteral("pol")).toInt(), 0);
        QCOMPARE(h.column(1, QStringLiteral("status")).toInt(), status);
        for (const QString& name : OptionalColumns)
            QVERIFY2(h.column(1, name).isNull(), qPrintable(name));
    }

    void savingTwiceInsertsOnceThenUpdates() {
        QVERIFY(h.start({{7, QStringLiteral("Ana"), QStringLiteral("Antić")}}));
        newEntry(QStringLiteral("Vera"), QStringLiteral("Vasić"));
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QStringLiteral("8"));
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h.rows(), 2);
        h.type(QStringLiteral("sle_grad1"), QStringLiteral("Zrenjanin"));
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h.rows(), 2);
        QCOMPARE(h.column(8, QStringLiteral("grad")).toString(), QStringLiteral("Zrenjanin"));
    }

    // Which forms are refused, and with which notice, is tst_adresar_upis_db's; here the page
    // shows the notice and keeps the form, for a refusal before and one after a statement.
    void refusedFormsWriteNothing_data() {
        QTest::addColumn<QString>("ime");
        QTest::addColumn<QString>("prezime");
        QTest::addColumn<QString>("mbr");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no first name") << ""
                                       << "Perić"
                                       << ""
                                       << "Morate uneti ime u adresar!";
        QTest::newRow("same number as another entry") << "Pera"
                                                      << "Perić"
                                                      << "0101990715001"
                                                      << "Uneli ste dupli MBR!";
    }

    void refusedFormsWriteNothing() {
        QFETCH(QString, ime);
        QFETCH(QString, prezime);
        QFETCH(QString, mbr);
        QFETCH(QString, notice);
        QVERIFY(h.start({{1, QStringLiteral("Ana"), QStringLiteral("Antić"),
                          QStringLiteral("0101990715001")}}));
        newEntry(ime, prezime, mbr);
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(AdresarHarness::takeNotices(), QStringList{notice});
        QCOMPARE(h.rows(), 1);
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QString());
        QCOMPARE(h.text(QStringLiteral("sle_prezime")), prezime); // the form keeps its values
    }

    void typedTextsArriveUnchanged() {
        QVERIFY(h.start());
        const QStringList surnames{"O'Brien",  "100%",  "a_b",         "Đorđević",
                                   "Živković", "Čolić", "x' OR '1'='1"};
        for (const QString& prezime : surnames) {
            newEntry(QStringLiteral("Šćepan'"), prezime);
            h.type(QStringLiteral("mle_napomena"),
                   QStringLiteral("Rekao: \"doći ću\";\n -- sutra"));
            h.press(QStringLiteral("cb_sacuvaj"));
        }
        QCOMPARE(h.rows(), int(surnames.size()));

        h.press(QStringLiteral("cb_svi"));
        QStringList listed = h.surnames();
        listed.sort();
        QStringList expected = surnames;
        expected.sort();
        QCOMPARE(listed, expected);

        h.modals().click(QStringLiteral("cb_ne")); // the form still counts as edited
        for (const QString& prezime : surnames) {
            h.clickRow(h.rowOf(prezime));
            QCOMPARE(h.text(QStringLiteral("sle_prezime")), prezime);
            QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Šćepan'"));
            QCOMPARE(h.text(QStringLiteral("mle_napomena")),
                     QStringLiteral("Rekao: \"doći ću\";\n -- sutra"));
        }
    }
};

QTEST_MAIN(TestAdresarSave)
#include "tst_adresar_save_db.moc"
