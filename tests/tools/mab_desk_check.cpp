// The program at work on the desk's own data source MabZet, not a throwaway one: it starts as its
// entry point does, its address book lists the entry "Anić" that the caller stored, and "SAČUVAJ"
// saves a new entry "Dara Deskić", with no database error shown on the way. The server-access
// test runs it on a desk that reaches the server with its certificate, and reads the entry back.
#include "tests/addressbook/adresar_harness.h"

class DeskCheck : public QObject {
    Q_OBJECT

    AdresarHarness h;

private slots:
    void listsAndSaves() {
        QVERIFY(h.launch());
        QVERIFY2(h.surnames().contains(QStringLiteral("Anić")), qPrintable(h.surnames().join(',')));
        h.press(QStringLiteral("cb_novi"));
        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Dara"));
        h.type(QStringLiteral("sle_prezime"), QStringLiteral("Deskić"));
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.modals().unexpected(), 0);
        QVERIFY(!h.text(QStringLiteral("sle_rbr")).isEmpty()); // the key the save gave it
    }
};

QTEST_MAIN(DeskCheck)
#include "mab_desk_check.moc"
