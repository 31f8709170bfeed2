// Visits kept on PRIJEM, through the page's controls: every field of the form saved and reopened
// exactly (each control kind, hostile text), the patient found by identity number or added through
// the question, the date rule, writes refused by the database, two desks on one visit, the save
// question before edits would be dropped, the commands' place and keys, and a user who never saves.
#include "app/mab_oru.h"
#include "domain/reception/poseta_datum.h"
#include "domain/reception/poseta_upis.h"
#include "domain/search/pretraga_sql.h"
#include "runtime/core/builtins.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"
#include "tests/domain/kriterijum_k.h"
#include "tests/reception/form_fields.h"
#include "tests/support/app_fixture.h"
#include "ui/common/obj_da_ne.h"
#include "ui/common/obj_da_ne_opis.h"
#include "ui/main/mab_la.h"
#include "ui/reception/multi_row_tabs.h"
#include "ui/reception/prijem_posete.h"
#include "ui/reception/tab_prijem.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>

#include <memory>

namespace {

const QString Mbr = QStringLiteral("0101990715001");
const QString BoraMbr = QStringLiteral("0303990715003");

// Texts that have broken forms and stores before.
QStringList hostileTexts() {
    return {QStringLiteral("O'Brien \"navodnici\" ''"),
            QStringLiteral("100% _sve_ \\ [a-z]"),
            QStringLiteral("prvi red\ndrugi red\n\ntreći\n"),
            QStringLiteral("  razmaci sa obe strane  "),
            QString::fromUtf8("emoji 😀🩺 i 👨‍⚕️"),
            QString::fromUtf8("עברית والعربية mixed"),
            QStringLiteral("čćšžđ ČĆŠŽĐ Ђорђе"),
            QStringLiteral("'); DELETE FROM poseta_polje; --"),
            QString::fromUtf8("no-break\u00A0space, line\u2028separator, soft\u00ADhyphen"),
            QString(10000, QChar(u'ž')),
            QStringLiteral("x")};
}

QString valueOf(const Field& field) {
    switch (field.kind) {
    case Kind::Line:
        return static_cast<QLineEdit*>(field.widget)->text();
    case Kind::Multi: // the document's own characters: toPlainText() drops a no-break space
        return static_cast<QPlainTextEdit*>(field.widget)
            ->document()
            ->toRawText()
            .replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    case Kind::Box:
        return static_cast<QCheckBox*>(field.widget)->isChecked() ? "checked" : "unchecked";
    case Kind::List:
        return QString::number(static_cast<QComboBox*>(field.widget)->currentIndex());
    }
    return {};
}

} // namespace

class TestPrijemPosete : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_prijem* m_page = nullptr;
    prijem_posete* m_posete = nullptr;
    int m_fieldsRoundTripped = 0;

    TestDataSource& db() { return m_fixture.db(); }
    int visits() { return db().count(QStringLiteral("poseta")); }
    int fields() { return db().count(QStringLiteral("poseta_polje")); }
    QWidget* command(const char* name) { return m_posete->komanda(QString::fromLatin1(name)); }
    void press(const char* name) {
        static_cast<QAbstractButton*>(command(name))->click();
        QApplication::processEvents();
    }
    QComboBox* list() { return static_cast<QComboBox*>(command("ddlb_posete")); }
    QLineEdit* edit(const char* name) {
        return m_page->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* multi(const char* name) {
        return m_page->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    QMap<QString, QString> formState() {
        QMap<QString, QString> state;
        for (const Field& field : fieldsOf(m_page))
            state.insert(field.name, valueOf(field));
        return state;
    }
    // Picks visit rbr in the list as the desk would.
    bool pickVisit(int rbr) {
        const int index = list()->findData(rbr);
        if (index < 0)
            return false;
        list()->setCurrentIndex(index);
        emit list()->activated(index);
        QApplication::processEvents();
        return true;
    }
    // Types over a field's text as the desk would, key by key.
    void retype(const char* name, const QString& text) {
        edit(name)->setFocus();
        edit(name)->selectAll();
        typeText(edit(name), text);
    }
    // Types a full identity number as the desk would, so that it names the patient.
    void typeMb(const QString& mb) {
        edit("sle_mb")->clear();
        edit("sle_mb")->setFocus();
        typeText(edit("sle_mb"), mb);
    }
    QStringList takeNotices() {
        QStringList texts;
        for (QWidget* notice : visibleWindows(QStringLiteral("w_obavestenje"))) {
            texts << modalText(notice);
            notice->close();
        }
        QApplication::processEvents();
        return texts;
    }
    // A fresh visit with the form's edits given up.
    void startOver() {
        if (m_posete->imaIzmenaPosete())
            m_fixture.modals().click(QStringLiteral("cb_ne"));
        press("cb_nova_poseta");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
    }
    bool refuseValue(const QString& value) {
        if (db().engine() == TestDataSource::Engine::SQLite)
            return db().exec(QStringLiteral("CREATE TRIGGER odbij BEFORE INSERT ON poseta_polje "
                                            "WHEN NEW.vrednost = '%1' BEGIN SELECT "
                                            "RAISE(ABORT, 'odbijeno'); END")
                                 .arg(value));
        return db().exec(QStringLiteral("CREATE OR REPLACE FUNCTION odbij() RETURNS trigger AS "
                                        "'BEGIN IF NEW.vrednost = ''%1'' THEN RAISE EXCEPTION "
                                        "''odbijeno''; END IF; RETURN NEW; END' LANGUAGE plpgsql")
                             .arg(value)) &&
               db().exec(QStringLiteral("CREATE TRIGGER odbij BEFORE INSERT ON poseta_polje FOR "
                                        "EACH ROW EXECUTE FUNCTION odbij()"));
    }
    void dropRefusal() {
        if (db().engine() == TestDataSource::Engine::SQLite)
            db().exec(QStringLiteral("DROP TRIGGER IF EXISTS odbij"));
        else
            db().exec(QStringLiteral("DROP TRIGGER IF EXISTS odbij ON poseta_polje"));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        QVERIFY(
            db().exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status, "
                                     "ulica, grad) VALUES (1, 'Ana', 'Anić', ?, 0, 1, "
                                     "'Njegoševa 5', 'Novi Sad')"),
                      {Mbr}));
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->prijem();
        m_posete = m_page->posete();
        QVERIFY(m_posete);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void init() { m_fixture.modals().clear(); }

    void cleanup() {
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        QCOMPARE(takeNotices(), QStringList());
        dropRefusal();
    }

    // Before anything else: the form as it always was, and nothing read.
    void userWhoNeverSavesSendsNothing() {
        const quint64 untouched = sqlca().uses();
        auto* inner = m_page->tab_2a();
        for (const Field& field : fieldsOf(m_page)) {
            for (int i = 0; i < inner->count(); ++i)
                if (inner->widget(i)->isAncestorOf(field.widget))
                    inner->setCurrentIndex(i);
            // The surname and the identity number look the patient up, the doctor's name the
            // practice's doctors: the new lookups.
            if (field.name == "sle_4" || field.name == "sle_mb" || field.name == "sle_lekar")
                continue;
            if (field.kind == Kind::Line || field.kind == Kind::Multi) {
                field.widget->setFocus();
                typeText(field.widget, QStringLiteral("ž1"));
            } else if (field.kind == Kind::Box) {
                QTest::mouseClick(field.widget, Qt::LeftButton, {},
                                  QPoint(4, field.widget->height() / 2));
            } else {
                static_cast<QComboBox*>(field.widget)->setCurrentIndex(1);
            }
        }
        inner->setCurrentIndex(0);
        QCOMPARE(sqlca().uses(), untouched);
        QCOMPARE(visits(), 0);
        QVERIFY(m_posete->imaIzmena());
        startOver();
        QVERIFY(!m_posete->imaIzmena());
    }

    void commandsBesideTheTabsOnPrijemOnly() {
        auto* tabs = m_window->tabMain();
        QWidget* corner = tabs->cornerWidget(Qt::TopRightCorner);
        QCOMPARE(corner, m_posete->komande());
        QCOMPARE(static_cast<QAbstractButton*>(command("cb_nova_poseta"))->text(),
                 QStringLiteral("Nova poseta"));
        QCOMPARE(static_cast<QAbstractButton*>(command("cb_sacuvaj_posetu"))->text(),
                 QStringLiteral("Sačuvaj posetu"));
        QVERIFY(list());
        QVERIFY(corner->isVisible());
        QVERIFY(corner->height() <= tabs->tabBar()->height());
        // Every page's label shows in full beside the list, without scroll arrows.
        QTabBar* bar = tabs->tabBar();
        QVERIFY(bar->tabRect(bar->count() - 1).right() < bar->width());
        QVERIFY(bar->mapTo(m_window, QPoint(bar->width(), 0)).x() <=
                corner->mapTo(m_window, QPoint()).x());
        for (const char* name : {"cb_nova_poseta", "cb_sacuvaj_posetu"})
            QCOMPARE(command(name)->parentWidget(), corner);
        // The visit list and its history in the strip under the inner pages, inside the page.
        QWidget* strip = list()->parentWidget();
        QCOMPARE(strip->objectName(), QStringLiteral("obj_posete_spisak"));
        QCOMPARE(command("cb_istorija_izmena")->parentWidget(), strip);
        QVERIFY(strip->isVisible());
        const QRect page(m_page->mapTo(m_window, QPoint()), m_page->size());
        QVERIFY(page.contains(QRect(strip->mapTo(m_window, QPoint()), strip->size())));
        // The page keeps its place and size with the commands shown or not.
        const QRect shown(m_page->mapTo(m_window, QPoint()), m_page->size());
        const QPoint field = edit("sle_datum")->mapTo(m_window, QPoint());
        corner->hide();
        QApplication::processEvents();
        QCOMPARE(QRect(m_page->mapTo(m_window, QPoint()), m_page->size()), shown);
        QCOMPARE(edit("sle_datum")->mapTo(m_window, QPoint()), field);
        tabs->setCurrentIndex(1);
        QVERIFY(!corner->isVisible());
        QVERIFY(!strip->isVisible());
        tabs->setCurrentIndex(0);
        QVERIFY(corner->isVisible());
        QVERIFY(strip->isVisible());
    }

    void patientFoundByIdentityNumber() {
        typeMb(Mbr.left(12));
        QVERIFY(!m_posete->rbrPacijenta());
        QVERIFY(!list()->isEnabled());
        typeText(edit("sle_mb"), Mbr.right(1));
        QCOMPARE(m_posete->rbrPacijenta(), std::optional<int>(1));
        QCOMPARE(edit("sle_ime")->text(), QStringLiteral("Ana"));
        QCOMPARE(edit("sle_4")->text(), QStringLiteral("Anić"));
        QCOMPARE(edit("sle_ulica")->text(), QStringLiteral("Njegoševa 5"));
        QCOMPARE(edit("sle_grad")->text(), QStringLiteral("Novi Sad"));
        QVERIFY(list()->isEnabled());
        QCOMPARE(list()->count(), 0);
    }

    // Round after round every field takes a value the test makes up (each hostile text lands in
    // every text field once), is saved, the form is emptied, and the visit reopened from the list
    // shows every field exactly as it was.
    void everyFieldRoundTrips() {
        const QStringList texts = hostileTexts();
        const QStringList dates{"9.12.2026", "09.12.2026", "1.2.2025", "29.02.2024"};
        for (int round = 0; round < texts.size(); ++round) {
            press("cb_nova_poseta"); // saved or reopened as it was: no question
            int i = 0;
            for (const Field& field : fieldsOf(m_page)) {
                ++i;
                if (field.name == "sle_mb")
                    continue; // names the patient
                const QString text = texts.at((i + round) % texts.size());
                if (field.name == "sle_datum")
                    static_cast<QLineEdit*>(field.widget)->setText(dates.at(round % dates.size()));
                else if (field.kind == Kind::Line)
                    static_cast<QLineEdit*>(field.widget)->setText(text);
                else if (field.kind == Kind::Multi)
                    static_cast<QPlainTextEdit*>(field.widget)->setPlainText(text);
                else if (field.kind == Kind::Box)
                    static_cast<QCheckBox*>(field.widget)->setChecked((i + round) % 3 != 0);
                else
                    static_cast<QComboBox*>(field.widget)->setCurrentIndex((i + round) % 3 - 1);
            }
            const QMap<QString, QString> saved = formState();
            const int before = visits();
            press("cb_sacuvaj_posetu");
            QCOMPARE(visits(), before + 1);
            const int rbr = m_posete->rbrPosete().value_or(0);
            QVERIFY(rbr > 0);
            // Stored exactly as typed: a multi-line field's text, character for character.
            for (const Field& field : fieldsOf(m_page))
                if (field.kind == Kind::Multi && !saved.value(field.name).isEmpty())
                    QCOMPARE(db().scalar(QStringLiteral("SELECT vrednost FROM poseta_polje "
                                                        "WHERE rbr_poseta = ? AND polje = ?"),
                                         {rbr, field.name})
                                 .toString(),
                             saved.value(field.name));
            QCOMPARE(formState(), saved);

            press("cb_nova_poseta"); // saved: no question
            QVERIFY(formState() != saved);
            QCOMPARE(edit("sle_datum")->text(), QString());
            QCOMPARE(edit("sle_mb")->text(), Mbr);
            QVERIFY(pickVisit(rbr));
            const QMap<QString, QString> reopened = formState();
            for (auto it = saved.cbegin(); it != saved.cend(); ++it)
                QVERIFY2(reopened.value(it.key()) == it.value(),
                         qPrintable(QStringLiteral("round %1, %2: %3 chars back, %4 saved")
                                        .arg(round)
                                        .arg(it.key())
                                        .arg(reopened.value(it.key()).size())
                                        .arg(it.value().size())));
            QCOMPARE(reopened, saved);
            QVERIFY(!m_posete->imaIzmena());
            m_fieldsRoundTripped += int(saved.size());
        }
        // Newest first in the list: the last round's date (29.02.2024) is the oldest.
        QCOMPARE(list()->count(), int(texts.size()));
        QVERIFY(list()->itemText(0).startsWith(QStringLiteral("09.12.2026")));
        qInfo("fields round-tripped: %d over %d rounds (%d controls)", m_fieldsRoundTripped,
              int(texts.size()), m_fieldsRoundTripped / int(texts.size()));
    }

    // The search asks for a visit's fields by the names a save stores them under: a visit saved
    // here is found by each visit field of the search, and by no other field's text.
    void savedVisitIsFoundBySearch() {
        startOver();
        typeMb(Mbr);
        QCOMPARE(m_posete->rbrPacijenta(), std::optional<int>(1));
        edit("sle_lekar")->setText(QStringLiteral("dr Zlatković"));
        multi("mle_radnadiag")->setPlainText(QStringLiteral("J45.9 astma"));
        multi("mle_maligna_o")->setPlainText(QStringLiteral("majka, karcinom dojke"));
        m_page->findChild<QWidget*>(QStringLiteral("uo_anemija"))
            ->findChild<QLineEdit*>(QStringLiteral("sle_opis"))
            ->setText(QStringLiteral("sideropenijska"));
        multi("mle_pusenje")->setPlainText(QStringLiteral("bivši pušač"));
        press("cb_sacuvaj_posetu");
        const std::optional<int> rbr = m_posete->rbrPosete();
        QVERIFY(rbr);

        using pretraga::Polje;
        const struct {
            Polje polje;
            const char* tekst;
            bool nadjen;
        } cases[] = {
            {Polje::Lekar, "ZLATKOV", true},
            {Polje::Dg, "j45.9", true},
            {Polje::PorodicnaAnamneza, "karcinom", true},
            {Polje::LicnaAnamneza, "sideropen", true},
            {Polje::Navike, "bivsi pusac", true},
            {Polje::Dg, "karcinom", false},
            {Polje::Navike, "sideropen", false},
        };
        const int year = Today().year();
        for (const auto& c : cases) {
            pretraga::Kriterijum kriterijum;
            kriterijum.polje = c.polje;
            kriterijum.tekst = QString::fromUtf8(c.tekst);
            kriterijum.od = year;
            kriterijum.do_ = year;
            const Result<pretraga_sql::Strana> strana =
                pretraga_sql::trazi(sqlca(), pretraga_sql::sastavi({kriterijum}, Today(), 0, 10));
            QVERIFY(!strana.failed());
            QCOMPARE(strana.value.ukupno, c.nadjen ? 1 : 0);
            if (c.nadjen)
                QCOMPARE(strana.value.pogoci.first().rbrPosete, rbr);
        }
    }

    void emptyDateIsTodayAndBadDateIsRefused() {
        startOver();
        multi("mle_radnadiag")->setPlainText(QStringLiteral("dijagnoza"));
        const int before = visits();
        for (const char* bad : {"31.02.2026", "2026-12-09", "9.12.26", "danas"}) {
            edit("sle_datum")->setText(QString::fromLatin1(bad));
            const QMap<QString, QString> state = formState();
            press("cb_sacuvaj_posetu");
            QCOMPARE(takeNotices(), QStringList{poseta_datum::losDatum()});
            QCOMPARE(visits(), before);
            QCOMPARE(formState(), state);
        }
        edit("sle_datum")->clear();
        press("cb_sacuvaj_posetu");
        QCOMPARE(visits(), before + 1);
        QCOMPARE(edit("sle_datum")->text(), poseta_datum::prikazi(Today()));
        QCOMPARE(db().scalar(QStringLiteral("SELECT datum FROM poseta WHERE rbr = ?"),
                             {*m_posete->rbrPosete()})
                     .toString()
                     .left(10),
                 Today().toString(Qt::ISODate));
    }

    void patientAddedThroughTheQuestion() {
        startOver();
        const QString mb = QStringLiteral("2002002002002");
        typeMb(mb);
        QVERIFY(!m_posete->rbrPacijenta());
        edit("sle_ime")->setText(QStringLiteral("Đorđe"));
        edit("sle_4")->setText(QStringLiteral("Šćekić"));
        edit("sle_ulica")->setText(QStringLiteral("Kralja Petra"));
        edit("sle_broj_ulice")->setText(QStringLiteral("21"));
        multi("mle_radnadiag")->setPlainText(QStringLiteral("prva poseta"));
        const int people = db().count(QStringLiteral("adresar"));
        const int before = visits();

        // NE: nothing written, the form as it was.
        QMap<QString, QString> state = formState();
        m_fixture.modals().click(QStringLiteral("cb_ne"));
        press("cb_sacuvaj_posetu");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(m_fixture.modals().seen().last().text, poseta_upis::pitanjeZaPacijenta());
        QCOMPARE(db().count(QStringLiteral("adresar")), people);
        QCOMPARE(visits(), before);
        QCOMPARE(formState(), state);

        // DA with no surname: the address book's own notice, and nothing written.
        edit("sle_4")->clear();
        state = formState();
        m_fixture.modals().click(QStringLiteral("cb_da"));
        press("cb_sacuvaj_posetu");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(takeNotices(), QStringList{QStringLiteral("Morate uneti prezime u adresar!")});
        QCOMPARE(db().count(QStringLiteral("adresar")), people);
        QCOMPARE(visits(), before);
        QCOMPARE(formState(), state);

        // DA: the entry (status Pacijent), then the visit for it.
        edit("sle_4")->setText(QStringLiteral("Šćekić"));
        m_fixture.modals().click(QStringLiteral("cb_da"));
        press("cb_sacuvaj_posetu");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(db().count(QStringLiteral("adresar")), people + 1);
        const int rbr =
            db().scalar(QStringLiteral("SELECT rbr FROM adresar WHERE mbr = ?"), {mb}).toInt();
        QCOMPARE(db().scalar(QStringLiteral("SELECT prezime FROM adresar WHERE rbr = ?"), {rbr})
                     .toString(),
                 QStringLiteral("Šćekić"));
        QCOMPARE(
            db().scalar(QStringLiteral("SELECT status FROM adresar WHERE rbr = ?"), {rbr}).toInt(),
            1);
        QCOMPARE(db().scalar(QStringLiteral("SELECT ulica FROM adresar WHERE rbr = ?"), {rbr})
                     .toString(),
                 QStringLiteral("Kralja Petra 21"));
        QCOMPARE(visits(), before + 1);
        QCOMPARE(db().scalar(QStringLiteral("SELECT rbr_adresar FROM poseta WHERE rbr = ?"),
                             {*m_posete->rbrPosete()})
                     .toInt(),
                 rbr);
        QCOMPARE(list()->count(), 1);
    }

    // A field the database refuses: no visit, no field, and the form keeps everything.
    void refusedWriteKeepsTheForm() {
        QVERIFY2(refuseValue(QStringLiteral("ODBIJ")), qPrintable(db().lastError()));
        for (bool existing : {false, true}) {
            if (!existing)
                startOver();
            multi("mle_alkohol")->setPlainText(QStringLiteral("ODBIJ"));
            const QMap<QString, QString> state = formState();
            const int before = visits();
            const int stored = fields();
            m_fixture.modals().acknowledge();
            press("cb_sacuvaj_posetu");
            QTRY_COMPARE(m_fixture.modals().pending(), 0);
            QVERIFY(m_fixture.modals().seen().last().text.contains(QStringLiteral("odbijeno")));
            QCOMPARE(visits(), before);
            QCOMPARE(fields(), stored);
            QCOMPARE(formState(), state);
            // Then as an edit of a stored visit.
            multi("mle_alkohol")->clear();
            press("cb_sacuvaj_posetu");
            QCOMPARE(visits(), existing ? before : before + 1);
        }
    }

    // Another desk saves the visit this desk has open: this desk's save is told, writes nothing,
    // keeps its form; the other desk's visit is as that desk saved it.
    void secondDeskIsTold() {
        startOver();
        multi("mle_radnadiag")->setPlainText(QStringLiteral("prva"));
        press("cb_sacuvaj_posetu");
        const int rbr = *m_posete->rbrPosete();

        Transaction other;
        other.autocommit = false;
        other.dbparm = mab_oru::DBParm;
        other.connect();
        poseta_upis::Poseta theirs;
        theirs.rbr = rbr;
        theirs.verzija = 1;
        theirs.rbrAdresar = 1;
        theirs.datum = QDate(2026, 12, 9);
        theirs.polja = {{"mle_radnadiag", "druga desk"}};
        QCOMPARE(int(ishod::kraj(poseta_upis::sacuvaj(other, theirs))), int(Ishod::Kraj::Upisano));

        multi("mle_radnadiag")->setPlainText(QStringLiteral("moja izmena"));
        const QMap<QString, QString> state = formState();
        press("cb_sacuvaj_posetu");
        QCOMPARE(takeNotices(), QStringList{poseta_upis::izmenjenaUMedjuvremenu()});
        QCOMPARE(formState(), state);
        QCOMPARE(
            db().scalar(QStringLiteral("SELECT vrednost FROM poseta_polje WHERE rbr_poseta = ? "
                                       "AND polje = 'mle_radnadiag'"),
                        {rbr})
                .toString(),
            QStringLiteral("druga desk"));
        QCOMPARE(
            db().count(QStringLiteral("poseta_polje"), QStringLiteral("rbr_poseta = ?"), {rbr}), 1);
        startOver();
    }

    void saveQuestionBeforeEditsAreDropped() {
        startOver();
        const int before = visits();
        multi("mle_radnadiag")->setPlainText(QStringLiteral("nesačuvano"));
        // Nova poseta, NE: dropped.
        m_fixture.modals().click(QStringLiteral("cb_ne"));
        press("cb_nova_poseta");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(m_fixture.modals().seen().last().text, poseta_upis::pitanjeZaCuvanje());
        QCOMPARE(multi("mle_radnadiag")->toPlainText(), QString());
        QCOMPARE(visits(), before);
        // Nova poseta, DA: saved, then a new one.
        multi("mle_radnadiag")->setPlainText(QStringLiteral("sačuvati"));
        m_fixture.modals().click(QStringLiteral("cb_da"));
        press("cb_nova_poseta");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(visits(), before + 1);
        QCOMPARE(multi("mle_radnadiag")->toPlainText(), QString());
        const int saved = db().scalar(QStringLiteral("SELECT MAX(rbr) FROM poseta")).toInt();

        // Another visit, DA with a date that cannot be saved: the form stays as it was.
        multi("mle_radnadiag")->setPlainText(QStringLiteral("ostaje"));
        edit("sle_datum")->setText(QStringLiteral("32.1.2026"));
        m_fixture.modals().click(QStringLiteral("cb_da"));
        QVERIFY(pickVisit(saved));
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(takeNotices(), QStringList{poseta_datum::losDatum()});
        QCOMPARE(multi("mle_radnadiag")->toPlainText(), QStringLiteral("ostaje"));
        QCOMPARE(list()->currentIndex(), -1);

        // Closing the program: DA with the same date keeps the window open; NE lets it close.
        m_fixture.modals().click(QStringLiteral("cb_da"));
        QVERIFY(!m_window->closequery());
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(takeNotices(), QStringList{poseta_datum::losDatum()});
        m_fixture.modals().click(QStringLiteral("cb_ne"));
        QVERIFY(m_window->closequery());
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(visits(), before + 1);
        // With nothing edited there is no question.
        QVERIFY(m_window->closequery());
    }

    void keysAndTheEntryPoint() {
        startOver();
        auto* inner = m_page->tab_2a();
        inner->setCurrentIndex(7);
        QPlainTextEdit* notes = multi("mle_kontrola_napomene");
        notes->setFocus();
        typeText(notes, QStringLiteral("kontrola za 7 dana"));
        const int before = visits();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(notes, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(visits(), before + 1);
        const int rbr = *m_posete->rbrPosete();
        QTest::keyClick(notes, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(notes->toPlainText(), QString());
        QVERIFY(!m_posete->rbrPosete());

        // The search's way in: from another page, to PRIJEM with the visit shown.
        m_window->tabMain()->setCurrentIndex(1);
        QVERIFY(m_window->otvoriPosetu(rbr));
        QCOMPARE(m_window->tabMain()->currentWidget(), m_page);
        QCOMPARE(notes->toPlainText(), QStringLiteral("kontrola za 7 dana"));
        QCOMPARE(list()->itemData(list()->currentIndex()).toInt(), rbr);
        // A visit that is not there: told, the form stays.
        QVERIFY(!m_window->otvoriPosetu(999999));
        QCOMPARE(takeNotices().size(), 1);
        QCOMPARE(notes->toPlainText(), QStringLiteral("kontrola za 7 dana"));
        inner->setCurrentIndex(0);
    }

    // A surname picked from the suggestions names the patient as the identity number does.
    void surnameCompleterNamesThePatient() {
        startOver();
        edit("sle_mb")->clear();
        edit("sle_4")->clear();
        edit("sle_4")->setFocus();
        typeText(edit("sle_4"), QStringLiteral("Ani"));
        QCompleter* completer = edit("sle_4")->completer();
        QVERIFY(completer);
        QTRY_VERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->completionCount(), 1);
        QCOMPARE(completer->currentCompletion(), QStringLiteral("Anić Ana (%1)").arg(Mbr));
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QTRY_COMPARE(m_posete->rbrPacijenta(), std::optional<int>(1));
        QCOMPARE(edit("sle_4")->text(), QStringLiteral("Anić"));
        QCOMPARE(edit("sle_mb")->text(), Mbr);
        QVERIFY(list()->count() > 0);

        // An open visit: the same patient's number typed again keeps it; another patient's
        // number makes the form a new visit for that patient, and the stored one stays as it was.
        m_fixture.modals().click(QStringLiteral("cb_ne")); // the header's edits are dropped
        QVERIFY(pickVisit(list()->itemData(0).toInt()));
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        const int opened = *m_posete->rbrPosete();
        const int before = visits();
        typeMb(Mbr);
        multi("mle_radnadiag")->setPlainText(QStringLiteral("ista"));
        press("cb_sacuvaj_posetu");
        QCOMPARE(*m_posete->rbrPosete(), opened);
        QCOMPARE(visits(), before);
        typeMb(QStringLiteral("2002002002002"));
        QCOMPARE(edit("sle_4")->text(), QStringLiteral("Šćekić"));
        press("cb_sacuvaj_posetu");
        QCOMPARE(visits(), before + 1);
        QVERIFY(*m_posete->rbrPosete() != opened);
        QCOMPARE(
            db().scalar(QStringLiteral("SELECT rbr_adresar FROM poseta WHERE rbr = ?"), {opened})
                .toInt(),
            1);
    }

    // Changing the patient of an open visit, every way the desk can: the edits are saved for the
    // first patient (DA) or dropped (NE), and the second patient's visit starts with every
    // clinical field at its default and keeps nothing of the first one's.
    void switchingPatientStartsAnEmptyVisit_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("answer");
        for (const char* how : {"identity number", "picked suggestion", "name typed over"})
            for (const char* answer : {"cb_da", "cb_ne"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(how, answer)))
                    << QString::fromLatin1(how) << QString::fromLatin1(answer);
    }
    void switchingPatientStartsAnEmptyVisit() {
        QFETCH(QString, how);
        QFETCH(QString, answer);
        if (db().count(QStringLiteral("adresar"), QStringLiteral("rbr = 50")) == 0)
            QVERIFY(db().exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, "
                                             "status) VALUES (50, 'Bora', 'Borić', ?, 1, 1)"),
                              {BoraMbr}));
        startOver();
        typeMb(Mbr);
        QCOMPARE(m_posete->rbrPacijenta(), std::optional<int>(1));
        const QStringList header{"sle_ime",   "sle_4",    "sle_mb",        "sle_adresa",
                                 "sle_ulica", "sle_grad", "sle_broj_ulice"};
        QMap<QString, QString> defaults;
        for (const Field& field : fieldsOf(m_page))
            if (!header.contains(field.name))
                defaults.insert(field.name, valueOf(field));
        QVERIFY(defaults.size() > 50);
        // Every clinical field filled for Ana.
        for (const Field& field : fieldsOf(m_page)) {
            if (header.contains(field.name))
                continue;
            const QString text = field.name == QLatin1String("sle_datum")
                                     ? QStringLiteral("01.12.2026")
                                     : QStringLiteral("Ana-") + field.name;
            if (field.kind == Kind::Line)
                static_cast<QLineEdit*>(field.widget)->setText(text);
            else if (field.kind == Kind::Multi)
                static_cast<QPlainTextEdit*>(field.widget)->setPlainText(text);
            else if (field.kind == Kind::Box)
                static_cast<QCheckBox*>(field.widget)->setChecked(true);
            else
                static_cast<QComboBox*>(field.widget)->setCurrentIndex(0);
        }
        const int anasVisits =
            db().count(QStringLiteral("poseta"), QStringLiteral("rbr_adresar = 1"));
        const int entries = db().count(QStringLiteral("adresar"));

        m_fixture.modals().click(answer); // the save question
        if (how == QLatin1String("identity number")) {
            typeMb(BoraMbr);
        } else if (how == QLatin1String("picked suggestion")) {
            retype("sle_4", QStringLiteral("B")); // the question comes here
            QTRY_COMPARE(m_fixture.modals().pending(), 0);
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window));
            edit("sle_4")->setFocus();
            typeText(edit("sle_4"), QStringLiteral("ori"));
            QCompleter* completer = edit("sle_4")->completer();
            QTRY_VERIFY(completer->popup()->isVisible());
            QTest::keyClick(completer->popup(), Qt::Key_Down);
            QTest::keyClick(completer->popup(), Qt::Key_Return);
        } else {
            retype("sle_ime", QStringLiteral("Cveta"));
            edit("sle_4")->setText(QStringLiteral("Cvetković"));
            edit("sle_mb")->clear();
        }
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        if (how != QLatin1String("name typed over"))
            QTRY_COMPARE(m_posete->rbrPacijenta(), std::optional<int>(50));
        QCOMPARE(db().count(QStringLiteral("poseta"), QStringLiteral("rbr_adresar = 1")),
                 anasVisits + (answer == QLatin1String("cb_da") ? 1 : 0));
        if (answer == QLatin1String("cb_da")) // saved for Ana, with Ana's header
            QCOMPARE(db().scalar(QStringLiteral("SELECT f.vrednost FROM poseta_polje f WHERE "
                                                "f.polje = 'sle_ime' AND f.rbr_poseta = (SELECT "
                                                "MAX(rbr) FROM poseta WHERE rbr_adresar = 1)"))
                         .toString(),
                     QStringLiteral("Ana"));
        QVERIFY(!m_posete->rbrPosete());
        for (const Field& field : fieldsOf(m_page))
            if (!header.contains(field.name))
                QVERIFY2(valueOf(field) == defaults.value(field.name), qPrintable(field.name));

        // The second patient's visit, saved: nothing of Ana's in it.
        multi("mle_radnadiag")->setPlainText(QStringLiteral("druga dijagnoza"));
        if (how == QLatin1String("name typed over"))
            m_fixture.modals().click(QStringLiteral("cb_da")); // add Cveta to the address book
        press("cb_sacuvaj_posetu");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        const int rbr = m_posete->rbrPosete().value_or(0);
        QVERIFY(rbr > 0);
        const int patient =
            db().scalar(QStringLiteral("SELECT rbr_adresar FROM poseta WHERE rbr = ?"), {rbr})
                .toInt();
        QVERIFY(patient != 1);
        QCOMPARE(db().count(QStringLiteral("adresar")),
                 entries + (how == QLatin1String("name typed over") ? 1 : 0));
        QCOMPARE(db().count(QStringLiteral("poseta_polje"),
                            QStringLiteral("rbr_poseta = ? AND (vrednost LIKE 'Ana-%' OR "
                                           "vrednost = '01.12.2026')"),
                            {rbr}),
                 0);
        if (how == QLatin1String("name typed over")) {
            QVERIFY(db().exec(QStringLiteral("DELETE FROM poseta WHERE rbr = ?"), {rbr}));
            QVERIFY(db().exec(QStringLiteral("DELETE FROM adresar WHERE rbr = ?"), {patient}));
        }
    }

    // A patient typed by hand who is in the address book already is offered, not added again;
    // the surname suggestions know entries added since, letters folded.
    void knownPatientTypedByHandIsOffered() {
        startOver();
        retype("sle_ime", QStringLiteral("Ana"));
        edit("sle_4")->setText(QStringLiteral("Anic"));
        edit("sle_mb")->clear();
        QVERIFY(!m_posete->rbrPacijenta());
        multi("mle_radnadiag")->setPlainText(QStringLiteral("ruku"));
        const int entries = db().count(QStringLiteral("adresar"));
        m_fixture.modals().answer([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("w_slicni_pacijenti"));
            auto* list = modal->findChild<QTreeWidget*>(QStringLiteral("lb_slicni"));
            QVERIFY(list);
            QCOMPARE(list->topLevelItemCount(), 1);
            QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Anić"));
            QCOMPARE(list->topLevelItem(0)->text(2), Mbr);
            modal->findChild<QAbstractButton*>(QStringLiteral("cb_izaberi"))->click();
        });
        press("cb_sacuvaj_posetu");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(db().count(QStringLiteral("adresar")), entries);
        QCOMPARE(m_posete->rbrPacijenta(), std::optional<int>(1));
        QCOMPARE(edit("sle_4")->text(), QStringLiteral("Anić"));

        // Added at another desk meanwhile: offered once PRIJEM is opened again.
        QVERIFY(db().exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime) VALUES "
                                         "(61, 'Đina', 'Đukić')")));
        m_window->tabMain()->setCurrentIndex(1);
        m_window->tabMain()->setCurrentIndex(0);
        m_fixture.modals().click(QStringLiteral("cb_ne")); // none: the visit was just saved
        retype("sle_4", QStringLiteral("Djuk"));
        QCompleter* completer = edit("sle_4")->completer();
        QTRY_VERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->completionModel()->rowCount(), 1);
        QCOMPARE(completer->completionModel()->index(0, 0).data().toString(),
                 QStringLiteral("Đukić Đina"));
        completer->popup()->hide();
        m_fixture.modals().clear();
    }

    // The visit list shows whole lines, its drop-down the longest; the open visit's history
    // lists what its saves changed, newest first.
    void visitListAndHistory() {
        startOver();
        typeMb(Mbr);
        edit("sle_broj_protokola")->setText(QStringLiteral("1234/2026-dugi"));
        multi("mle_radnadiag")->setPlainText(QStringLiteral("prva"));
        press("cb_sacuvaj_posetu");
        QVERIFY(command("cb_istorija_izmena")->isEnabled());
        multi("mle_radnadiag")->setPlainText(QStringLiteral("druga"));
        press("cb_sacuvaj_posetu");
        const QFontMetrics metrics = list()->fontMetrics();
        int longest = 0;
        for (int i = 0; i < list()->count(); ++i)
            longest = qMax(longest, metrics.horizontalAdvance(list()->itemText(i)));
        QVERIFY(list()->currentText().contains(QStringLiteral("1234/2026-dugi")));
        QVERIFY2(list()->width() > longest, qPrintable(QString::number(list()->width())));
        QVERIFY(list()->view()->minimumWidth() > longest);
        m_fixture.modals().answer([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("w_istorija_izmena"));
            auto* rows = modal->findChild<QTreeWidget*>(QStringLiteral("lb_istorija"));
            QVERIFY(rows);
            QCOMPARE(rows->topLevelItemCount(), 1);
            QCOMPARE(rows->topLevelItem(0)->text(2), QStringLiteral("Radna dijagnoza"));
            QCOMPARE(rows->topLevelItem(0)->text(3), QStringLiteral("prva"));
            modal->findChild<QAbstractButton*>(QStringLiteral("cb_zatvori"))->click();
        });
        press("cb_istorija_izmena");
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        press("cb_nova_poseta");
        QVERIFY(!command("cb_istorija_izmena")->isEnabled());
    }
};

QTEST_MAIN(TestPrijemPosete)
#include "tst_prijem_posete_db.moc"
