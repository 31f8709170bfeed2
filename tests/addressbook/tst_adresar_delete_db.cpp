// Deleting the loaded entry with "OBRIŠI": the question, the database delete, what the list and
// the form show afterwards, and a delete that the database refuses.
#include "tests/addressbook/adresar_harness.h"

namespace {
const QString Question =
    QString(61, QLatin1Char(' ')) + QStringLiteral("Da li zelite da obrisete podatak?");
const QString Failure = QStringLiteral("GR0020 Greska pri brisanju podatka iz adresara!");
const QList<Osoba> People{{1, "Ana", "Antić"}, {2, "Aca", "Avramović"}, {3, "Dejan", "Dimić"}};
} // namespace

class TestAdresarDelete : public QObject {
    Q_OBJECT

    AdresarHarness h;

    QStringList questions() {
        QStringList texts;
        for (const ModalSeen& seen : h.modals().seen())
            texts << seen.text;
        return texts;
    }
    void expectClearedForm() {
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QString());
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QString());
        QCOMPARE(h.text(QStringLiteral("sle_prezime")), QString());
        QVERIFY(!h.control<QRadioButton>(QStringLiteral("rb_muski"))->isChecked());
        QVERIFY(!h.control<QRadioButton>(QStringLiteral("rb_zenski"))->isChecked());
        QCOMPARE(h.statusField()->selectedIndex(), 0);
    }

private slots:
    void initTestCase() { QVERIFY(h.provision()); }

    void init() {
        QVERIFY(h.start(People));
        h.modals().clear();
    }

    void cleanup() {
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.modals().unexpected(), 0);
        QCOMPARE(h.modals().pending(), 0);
    }

    void withoutALoadedEntryNothingIsAsked() {
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QStringLiteral("0"));
        h.press(QStringLiteral("cb_obrisi"));
        h.press(QStringLiteral("cb_novi"));
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QString());
        h.press(QStringLiteral("cb_obrisi"));
        QCOMPARE(questions(), QStringList());
        QCOMPARE(h.rows(), 3);
    }

    void answerNeDeletesNothing() {
        h.clickRow(h.rowOf(QStringLiteral("Antić")));
        h.modals().click(QStringLiteral("cb_ne"));
        h.press(QStringLiteral("cb_obrisi"));
        QCOMPARE(questions(), QStringList{Question});
        QCOMPARE(h.rows(), 3);
        QCOMPARE(h.surnames().size(), 2);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));
    }

    void theDeletedEntrysOwnRowLeavesTheList() {
        h.clickRow(h.rowOf(QStringLiteral("Avramović")));
        h.modals().click(QStringLiteral("cb_da"));
        h.press(QStringLiteral("cb_obrisi"));
        QCOMPARE(h.rows(QStringLiteral("rbr = 2")), 0);
        QCOMPARE(h.surnames(), QStringList{"Antić"});
        expectClearedForm();

        // After another letter the list's current row is someone else: it stays listed.
        h.clickRow(h.rowOf(QStringLiteral("Antić")));
        h.press(QStringLiteral("cb_d"));
        QCOMPARE(h.list()->getRow(), 1);
        h.modals().click(QStringLiteral("cb_da"));
        h.press(QStringLiteral("cb_obrisi"));
        QCOMPARE(h.rows(QStringLiteral("rbr = 1")), 0);
        QCOMPARE(h.surnames(), QStringList{"Dimić"});
        QCOMPARE(questions(), (QStringList{Question, Question}));
    }

    void aRefusedDeleteKeepsTheEntry() {
        QVERIFY(h.failWrites(QStringLiteral("DELETE"), QStringLiteral("OLD.rbr = 1")));
        QVERIFY(h.launch()); // the program reads the changed schema afresh
        h.clickRow(h.rowOf(QStringLiteral("Antić")));
        h.modals().click(QStringLiteral("cb_da"));
        h.modals().click(QStringLiteral("cb_da")); // the error's own answer is ignored
        h.press(QStringLiteral("cb_obrisi"));
        QCOMPARE(questions(), (QStringList{Question, Failure}));
        QCOMPARE(h.surnames().size(), 2);
        QVERIFY(h.surnames().contains(QStringLiteral("Antić")));
        expectClearedForm();

        // The failed delete is neither committed nor rolled back, so the program's unit of work
        // stays open (on SQLite with the write lock) until the program ends it.
        h.fixture.stop();
        QVERIFY(h.healWrites(QStringLiteral("DELETE")));
        QCOMPARE(h.rows(QStringLiteral("rbr = 1")), 1);
    }
};

QTEST_MAIN(TestAdresarDelete)
#include "tst_adresar_delete_db.moc"
