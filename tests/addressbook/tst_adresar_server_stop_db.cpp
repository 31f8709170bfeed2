// The database server stops while the program runs: every action shows the database's message,
// nothing crashes, the form keeps what was typed, and the program still closes cleanly. Runs on
// a private PostgreSQL server of its own, which it stops; the embedded database has no server.
#include "tests/addressbook/adresar_harness.h"

#include <QProcess>

namespace {

QString serverScript() {
    return sourceDirectory() + QStringLiteral("/scripts/pg-test-server.sh");
}

bool runServerScript(const QStringList& arguments) {
    QProcess script;
    script.start(QStringLiteral("bash"), QStringList{serverScript()} + arguments);
    return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit &&
           script.exitCode() == 0;
}

} // namespace

class TestAdresarServerStop : public QObject {
    Q_OBJECT

    QTemporaryDir m_serverDir{QStringLiteral("/tmp/mab-pg-stop.XXXXXX")};
    std::unique_ptr<AdresarHarness> h;
    bool m_serverUp = false;

private slots:
    void initTestCase() {
        if (TestDataSource::engineFromEnvironment() != TestDataSource::Engine::PostgreSQL)
            QSKIP("the embedded database has no server to stop");
        QVERIFY(m_serverDir.isValid());
        const QString port = QString::number(56000 + QCoreApplication::applicationPid() % 900);
        QVERIFY(runServerScript({QStringLiteral("start"), m_serverDir.path(), port}));
        m_serverUp = true;
        qputenv("MAB_TEST_PG_PORT", port.toLatin1());
        h = std::make_unique<AdresarHarness>();
        QVERIFY(h->provision());
    }

    void cleanupTestCase() {
        if (m_serverUp)
            runServerScript({QStringLiteral("stop"), m_serverDir.path()});
    }

    void everyActionReportsAndTheFormStays() {
        QVERIFY(h->start({{1, QStringLiteral("Ana"), QStringLiteral("Antić")}}));
        h->type(QStringLiteral("sle_ime1"), QStringLiteral("Vera"));
        h->type(QStringLiteral("sle_prezime"), QStringLiteral("Vasić"));
        h->type(QStringLiteral("sle_grad1"), QStringLiteral("Zrenjanin"));

        QVERIFY(runServerScript({QStringLiteral("stop"), m_serverDir.path()}));
        m_serverUp = false;

        // Save: the largest key cannot be read (its message box), then the duplicate check
        // cannot run (its notice); nothing claims success.
        h->modals().acknowledge();
        h->press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h->modals().seen().size(), 1);
        QVERIFY(!h->modals().seen().first().text.trimmed().isEmpty());
        QCOMPARE(AdresarHarness::takeNotices(),
                 QStringList{QStringLiteral("Greska pri upitu duplog MBRa!")});
        QCOMPARE(h->text(QStringLiteral("sle_rbr")), QStringLiteral("0"));
        h->modals().clear();

        // Listing again: the list's read reports the database's text.
        h->modals().acknowledge();
        h->modals().click(QStringLiteral("cb_ne")); // if the form's changes are asked about
        h->press(QStringLiteral("cb_svi"));
        QVERIFY(!h->modals().seen().isEmpty());
        for (const ModalSeen& box : h->modals().seen())
            QVERIFY(!box.text.trimmed().isEmpty());
        h->modals().clear();
        AdresarHarness::takeNotices();

        // A second save fails the same way, and the typed values are all still there.
        h->modals().acknowledge();
        h->press(QStringLiteral("cb_sacuvaj"));
        AdresarHarness::takeNotices();
        h->modals().clear();
        QCOMPARE(h->text(QStringLiteral("sle_ime1")), QStringLiteral("Vera"));
        QCOMPARE(h->text(QStringLiteral("sle_prezime")), QStringLiteral("Vasić"));
        QCOMPARE(h->text(QStringLiteral("sle_grad1")), QStringLiteral("Zrenjanin"));

        // The program closes cleanly with its server gone.
        h->modals().click(QStringLiteral("cb_ne"));
        h->fixture.stop();
        QCOMPARE(h->modals().unexpected(), 0);
    }
};

QTEST_MAIN(TestAdresarServerStop)
#include "tst_adresar_server_stop_db.moc"
