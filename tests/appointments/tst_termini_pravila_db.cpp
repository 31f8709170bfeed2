// The rules of a doctor's slot on the plain functions and a real database: when a slot is free,
// what a move does (also when another desk gets there first), a change of status or note made
// after another desk's, the doctors' list, a patient deleted with bookings, and a new patient
// booked in one step.
#include "domain/addressbook/adresar_upis.h"
#include "domain/appointments/lekar_sql.h"
#include "domain/appointments/lekar_upis.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "domain/appointments/zakazivanje_upis.h"
#include "runtime/core/transaction.h"
#include "tests/support/desk.h"
#include "tests/support/rows.h"
#include "tests/support/test_data_source.h"

#include <QTest>

#include <memory>

using zakazivanje_upis::Mesto;
using Kraj = Ishod::Kraj;

namespace {

const QDate Dan(2027, 3, 9);
const QTime Devet(9, 0);

} // namespace

class TestTerminiPravila : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_a;
    std::unique_ptr<Transaction> m_b;
    int m_drugi = 0; // the second doctor; the first is 1

    // A booking stored through the second connection, as another desk left it; its key.
    int book(int lekar, const QDate& datum, const QTime& vreme, const QString& status,
             const QVariant& pacijent = 1) {
        if (!m_db.exec(QStringLiteral("INSERT INTO zakazivanje (rbr_lekar, datum, vreme, "
                                      "rbr_adresar, status, opis) VALUES (?, ?, ?, ?, ?, 'x')"),
                       {lekar, datum, vreme, pacijent, status}))
            return 0;
        return m_db.scalar(QStringLiteral("SELECT MAX(rbr) FROM zakazivanje")).toInt();
    }
    // Where booking rbr is: "doctor day time status version", the doctor as 1 or 2.
    QString where(int rbr) {
        const auto t = zakazivanje_sql::termin(*m_b, rbr).value;
        if (t.isEmpty())
            return QStringLiteral("gone");
        return QStringLiteral("%1 %2 %3 %4 v%5")
            .arg(t.first().rbrLekar == 1 ? 1 : 2)
            .arg(Dan.daysTo(t.first().datum))
            .arg(t.first().vreme.toString(QStringLiteral("HH:mm")),
                 status_termina::kod(t.first().status))
            .arg(t.first().verzija);
    }
    int lekar(int broj) const { return broj == 1 ? 1 : m_drugi; }
    // What another desk does meanwhile: books the slot for patient 2, or moves (to the next day),
    // cancels, notes or deletes booking b; true when it was written. Nothing for "".
    bool anotherDesk(const QString& what, int b, const Mesto& slot) {
        Result<Ishod> drugi;
        if (what.isEmpty())
            return true;
        if (what == QLatin1String("obrisi"))
            return m_db.exec(QStringLiteral("DELETE FROM zakazivanje WHERE rbr = ?"), {b});
        if (what == QLatin1String("zakazi"))
            drugi = zakazivanje_upis::zakazi(*m_b, slot, 2, QString());
        else if (what == QLatin1String("premesti"))
            drugi = zakazivanje_upis::premesti(*m_b, b, 1, Mesto{1, Dan.addDays(1), Devet});
        else if (what == QLatin1String("otkazi"))
            drugi = zakazivanje_upis::postaviStatus(*m_b, b, 1, status_termina::Status::Otkazan);
        else if (what == QLatin1String("napomena"))
            drugi = zakazivanje_upis::izmeni(*m_b, b, 1, 1, QStringLiteral("drugi pult"));
        return ishod::kraj(drugi) == Kraj::Upisano;
    }
    // No bookings, the two patients, and the doctors "Lekar" (1) and "dr Drugi".
    bool clean() {
        if (!m_db.exec(QStringLiteral("DELETE FROM zakazivanje")) ||
            !m_db.exec(QStringLiteral("DELETE FROM adresar WHERE rbr > 2")) ||
            !m_db.exec(QStringLiteral("DELETE FROM lekar WHERE rbr > 1")) ||
            !m_db.exec(QStringLiteral("UPDATE lekar SET naziv = 'Lekar' WHERE rbr = 1")) ||
            !m_db.exec(QStringLiteral("INSERT INTO lekar (naziv) VALUES ('dr Drugi')")))
            return false;
        m_drugi = m_db.scalar(QStringLiteral("SELECT MAX(rbr) FROM lekar")).toInt();
        return m_drugi > 1;
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        m_a = connectDesk();
        m_b = connectDesk();
        QCOMPARE(m_a->usable().sqlcode, 0);
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, pol, status) "
                                         "VALUES (1, 'Ana', 'Petrović', 0, 1), "
                                         "(2, 'Žarko', 'Đurić', 1, 1)")));
    }

    void init() { QVERIFY(clean()); }

    // A booking of doctor 1 on Dan at 09:00 next to a booking already stored: allowed or not, by
    // the program's booking and by the database alone.
    void slotRule_data() {
        QTest::addColumn<int>("lekarPre");
        QTest::addColumn<int>("danPre");
        QTest::addColumn<QTime>("vremePre");
        QTest::addColumn<QString>("statusPre");
        QTest::addColumn<bool>("moze");
        row("same slot, booked", 1, 0, Devet, "zakazan", false);
        row("same slot, came", 1, 0, Devet, "dosao", false);
        row("same slot, did not come", 1, 0, Devet, "nije_dosao", false);
        row("same slot, cancelled", 1, 0, Devet, "otkazan", true);
        row("another doctor at the same time", 2, 0, Devet, "zakazan", true);
        row("same doctor, next day", 1, 1, Devet, "zakazan", true);
        row("same doctor, half an hour later", 1, 0, QTime(9, 30), "zakazan", true);
    }
    void slotRule() {
        QFETCH(int, lekarPre);
        QFETCH(int, danPre);
        QFETCH(QTime, vremePre);
        QFETCH(QString, statusPre);
        QFETCH(bool, moze);
        QVERIFY(book(lekar(lekarPre), Dan.addDays(danPre), vremePre, statusPre, 2));
        const Result<Ishod> ishod =
            zakazivanje_upis::zakazi(*m_a, Mesto{1, Dan, Devet}, 1, QString());
        QCOMPARE(ishod::kraj(ishod), moze ? Kraj::Upisano : Kraj::Obavestenje);
        QCOMPARE(ishod.value.obavestenje, moze ? QString() : zakazivanje_upis::zauzet());
        // The database keeps the rule by itself.
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM zakazivanje WHERE rbr_adresar = 1")));
        QCOMPARE(book(1, Dan, Devet, QStringLiteral("zakazan")) != 0, moze);
    }

    // Booking B (doctor 1, Dan, 09:00) moves to a target; what is in the target first, and what
    // another desk does between the check and the write, decide where B ends.
    void moves_data() {
        QTest::addColumn<int>("ciljLekar");
        QTest::addColumn<int>("ciljDan");
        QTest::addColumn<QTime>("ciljVreme");
        QTest::addColumn<QString>("uCilju");    // a booking of the target's doctor there first
        QTest::addColumn<QString>("drugiPult"); // what another desk does meanwhile
        QTest::addColumn<QString>("obavestenje");
        QTest::addColumn<QString>("gde"); // where B is afterwards
        const QTime deset(10, 0);
        row("free, same day", 1, 0, deset, "", "", "", "1 0 10:00 zakazan v2");
        row("free, another day", 1, 5, Devet, "", "", "", "1 5 09:00 zakazan v2");
        row("to another doctor", 2, 0, Devet, "", "", "", "2 0 09:00 zakazan v2");
        row("taken by another doctor's booking", 2, 0, deset, "zakazan", "",
            zakazivanje_upis::zauzet(), "1 0 09:00 zakazan v1");
        row("taken by the same doctor's visit", 1, 0, deset, "dosao", "",
            zakazivanje_upis::zauzet(), "1 0 09:00 zakazan v1");
        row("held by a cancelled booking", 1, 0, deset, "otkazan", "", "", "1 0 10:00 zakazan v2");
        row("taken meanwhile at another desk", 1, 0, deset, "", "zakazi",
            zakazivanje_upis::zauzet(), "1 0 09:00 zakazan v1");
        row("moved meanwhile at another desk", 1, 0, deset, "", "premesti",
            zakazivanje_upis::izmenjenUMedjuvremenu(), "1 1 09:00 zakazan v2");
        row("cancelled meanwhile at another desk", 1, 0, deset, "", "otkazi",
            zakazivanje_upis::izmenjenUMedjuvremenu(), "1 0 09:00 otkazan v2");
    }
    void moves() {
        QFETCH(int, ciljLekar);
        QFETCH(int, ciljDan);
        QFETCH(QTime, ciljVreme);
        QFETCH(QString, uCilju);
        QFETCH(QString, drugiPult);
        QFETCH(QString, obavestenje);
        QFETCH(QString, gde);
        const int b = book(1, Dan, Devet, QStringLiteral("zakazan"));
        QVERIFY(b);
        const Mesto cilj{lekar(ciljLekar), Dan.addDays(ciljDan), ciljVreme};
        if (!uCilju.isEmpty())
            QVERIFY(book(cilj.rbrLekar, cilj.datum, cilj.vreme, uCilju, 2));
        auto meanwhile = [&] { QVERIFY(anotherDesk(drugiPult, b, cilj)); };
        const Result<Ishod> ishod = zakazivanje_upis::premesti(*m_a, b, 1, cilj, meanwhile);
        QCOMPARE(ishod.value.obavestenje, obavestenje);
        QCOMPARE(ishod::kraj(ishod), obavestenje.isEmpty() ? Kraj::Upisano : Kraj::Obavestenje);
        QCOMPARE(where(b), gde);
        QVERIFY(!m_a->holdsWrites());
    }

    // A status or a note written on what a desk read: after another desk's change it is told
    // and nothing is written.
    void changes_data() {
        QTest::addColumn<QString>("pre");       // the booking's status as stored
        QTest::addColumn<QString>("drugiPult"); // another desk's change after the read
        QTest::addColumn<QString>("promena");   // this desk's: a status code, or "napomena"
        QTest::addColumn<QString>("obavestenje");
        QTest::addColumn<QString>("gde");
        row("came", "zakazan", "", "dosao", "", "1 0 09:00 dosao v2");
        row("did not come", "zakazan", "", "nije_dosao", "", "1 0 09:00 nije_dosao v2");
        row("cancelled, slot free", "zakazan", "", "otkazan", "", "1 0 09:00 otkazan v2");
        row("booked again, slot still free", "otkazan", "", "zakazan", "", "1 0 09:00 zakazan v2");
        row("booked again, slot taken since", "otkazan", "zakazi", "zakazan",
            zakazivanje_upis::zauzet(), "1 0 09:00 otkazan v1");
        row("note after another desk's note", "zakazan", "napomena", "napomena",
            zakazivanje_upis::izmenjenUMedjuvremenu(), "1 0 09:00 zakazan v2");
        row("cancelled twice", "zakazan", "otkazi", "otkazan",
            zakazivanje_upis::izmenjenUMedjuvremenu(), "1 0 09:00 otkazan v2");
        row("booking gone", "zakazan", "obrisi", "dosao", zakazivanje_upis::terminObrisan(),
            "gone");
    }
    void changes() {
        QFETCH(QString, pre);
        QFETCH(QString, drugiPult);
        QFETCH(QString, promena);
        QFETCH(QString, obavestenje);
        QFETCH(QString, gde);
        const int b = book(1, Dan, Devet, pre);
        QVERIFY(b);
        QVERIFY(anotherDesk(drugiPult, b, Mesto{1, Dan, Devet}));
        const Result<Ishod> ishod =
            promena == QLatin1String("napomena")
                ? zakazivanje_upis::izmeni(*m_a, b, 1, 1, QStringLiteral("moja"))
                : zakazivanje_upis::postaviStatus(*m_a, b, 1, *status_termina::izKoda(promena));
        QCOMPARE(ishod.value.obavestenje, obavestenje);
        QCOMPARE(where(b), gde);
        if (drugiPult == QLatin1String("napomena"))
            QCOMPARE(zakazivanje_sql::termin(*m_b, b).value.first().opis,
                     QStringLiteral("drugi pult"));
    }

    // Deleting a patient: refused only for a booking still to come (the notice names it); the
    // others keep the patient's name. The dates are the database's own today's neighbours.
    void deletingAPatient_data() {
        QTest::addColumn<int>("dana"); // from today
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("obrisan");
        row("booked for later", 3, "zakazan", false);
        row("booked for today", 0, "zakazan", false);
        row("cancelled for later", 3, "otkazan", true);
        row("past", -3, "zakazan", true);
        row("came, long ago", -2000, "dosao", true);
    }
    void deletingAPatient() {
        QFETCH(int, dana);
        QFETCH(QString, status);
        QFETCH(bool, obrisan);
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, pol, status) "
                                         "VALUES (9, 'Ivo', 'Odlazić', 1, 1)")));
        const QDate datum = QDate::currentDate().addDays(dana);
        const int b = book(lekar(2), datum, QTime(11, 30), status, 9);
        QVERIFY(b);
        const Result<Ishod> ishod = adresar_upis::obrisi(*m_a, 9);
        QCOMPARE(m_db.count(QStringLiteral("adresar"), QStringLiteral("rbr = 9")), obrisan ? 0 : 1);
        QCOMPARE(ishod::kraj(ishod), obrisan ? Ishod::Kraj::Upisano : Ishod::Kraj::Neupisano);
        QCOMPARE(ishod.value.obavestenje,
                 obrisan ? QString()
                         : QStringLiteral("Pacijent ima zakazane termine: %1 u 11:30 (dr Drugi). "
                                          "Otkažite ih ili premestite, pa ga obrišite iz adresara.")
                               .arg(datum.toString(QStringLiteral("dd.MM.yyyy"))));
        // The booking stays either way, with the name when the entry went.
        const zakazivanje_sql::Termin t = zakazivanje_sql::termin(*m_b, b).value.value(0);
        QCOMPARE(t.rbr, b);
        QCOMPARE(t.rbrAdresar, obrisan ? std::nullopt : std::optional<int>(9));
        QCOMPARE(t.sacuvanoIme, obrisan ? QStringLiteral("Odlazić Ivo") : QString());
    }

    void doctors_data() {
        QTest::addColumn<QString>("radnja");
        QTest::addColumn<QString>("naziv");
        QTest::addColumn<bool>("saTerminom"); // the second doctor has a (cancelled) booking
        QTest::addColumn<QString>("obavestenje");
        QTest::addColumn<QStringList>("lekari");
        const QStringList oba{"Lekar", "dr Drugi"};
        row("added", "dodaj", "  dr Treći ", false, "",
            QStringList{"Lekar", "dr Drugi", "dr Treći"});
        row("no name", "dodaj", "   ", false, "Upišite ime lekara.", oba);
        row("a name on the list", "dodaj", "dr Drugi", false, "Lekar „dr Drugi” je već na spisku.",
            oba);
        row("renamed", "preimenuj", "dr Nova", false, "", QStringList{"Lekar", "dr Nova"});
        row("renamed to another's name", "preimenuj", "Lekar", false,
            "Lekar „Lekar” je već na spisku.", oba);
        row("removed", "obrisi", "", false, "", QStringList{"Lekar"});
        row("with bookings, cancelled ones too", "obrisi", "", true,
            "Lekar ima termine (i otkazane): ostaje na spisku, a njegove termine možete "
            "premestiti drugom lekaru.",
            oba);
        row("the last one", "obrisi last", "", false, "Na spisku mora ostati bar jedan lekar.",
            QStringList{"Lekar"});
    }
    void doctors() {
        QFETCH(QString, radnja);
        QFETCH(QString, naziv);
        QFETCH(bool, saTerminom);
        QFETCH(QString, obavestenje);
        QFETCH(QStringList, lekari);
        if (saTerminom)
            QVERIFY(book(m_drugi, Dan, Devet, QStringLiteral("otkazan")));
        Result<Ishod> ishod;
        if (radnja == QLatin1String("dodaj"))
            ishod = lekar_upis::dodaj(*m_a, naziv);
        else if (radnja == QLatin1String("preimenuj"))
            ishod = lekar_upis::preimenuj(*m_a, m_drugi, naziv);
        else if (radnja == QLatin1String("obrisi"))
            ishod = lekar_upis::obrisi(*m_a, m_drugi);
        else {
            QVERIFY(m_db.exec(QStringLiteral("DELETE FROM lekar WHERE rbr = ?"), {m_drugi}));
            ishod = lekar_upis::obrisi(*m_a, 1);
        }
        QCOMPARE(ishod.value.obavestenje, obavestenje);
        QStringList stored;
        for (const lekar_sql::Lekar& l : lekar_sql::lekari(*m_b).value)
            stored << l.naziv;
        QCOMPARE(stored, lekari);
    }

    // A patient who phones for the first time: the address-book entry and the booking are written
    // together, or neither is.
    void aNewPatientBookedInOneStep_data() {
        QTest::addColumn<QString>("prezime");
        QTest::addColumn<bool>("drugiPultPrvi");
        QTest::addColumn<QString>("obavestenje");
        row("booked", "Novaković", false, "");
        row("slot taken meanwhile", "Novaković", true, zakazivanje_upis::zauzet());
        row("no surname", "", false, "Za novog pacijenta upišite prezime i ime.");
    }
    void aNewPatientBookedInOneStep() {
        QFETCH(QString, prezime);
        QFETCH(bool, drugiPultPrvi);
        QFETCH(QString, obavestenje);
        const int pre = m_db.count(QStringLiteral("adresar"));
        const Mesto mesto{m_drugi, Dan, Devet};
        const Result<Ishod> ishod = zakazivanje_upis::zakaziNovog(
            *m_a, mesto, {prezime, QStringLiteral("Nada"), QStringLiteral("064 555 1234")},
            QStringLiteral("prvi put"), [&] {
                if (drugiPultPrvi)
                    QCOMPARE(ishod::kraj(zakazivanje_upis::zakazi(*m_b, mesto, 1, QString())),
                             Kraj::Upisano);
            });
        QCOMPARE(ishod.value.obavestenje, obavestenje);
        const bool upisan = obavestenje.isEmpty();
        QCOMPARE(m_db.count(QStringLiteral("adresar")), pre + (upisan ? 1 : 0));
        QCOMPARE(ishod.value.rbrAdresar > 2, upisan);
        if (!upisan)
            return;
        QCOMPARE(m_db.count(QStringLiteral("adresar"),
                            QStringLiteral("rbr = ? AND prezime = 'Novaković' AND ime = 'Nada' "
                                           "AND telefon = '064 555 1234'"),
                            {ishod.value.rbrAdresar}),
                 1);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"),
                            QStringLiteral("rbr_adresar = ? AND rbr_lekar = ? AND opis = ?"),
                            {ishod.value.rbrAdresar, m_drugi, QStringLiteral("prvi put")}),
                 1);
    }
};

QTEST_GUILESS_MAIN(TestTerminiPravila)
#include "tst_termini_pravila_db.moc"
