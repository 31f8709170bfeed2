// The search in the running program over the fixed address book of pretraga_podaci.h: the bold
// caption of the field list picked last, the query line, the results window with its pages, Enter
// and a double click opening the entry in ADRESAR, "Otvori posetu" naming the visit, a laboratory
// group's criterion, and the criteria that are refused with a message and run nothing.
#include "runtime/core/builtins.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/drop_down_list.h"
#include "tests/search/pretraga_podaci.h"
#include "tests/support/app_fixture.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/main/mab_la.h"
#include "ui/reception/tab_prijem.h"
#include "ui/search/obj_pretrazivanje.h"
#include "ui/search/tab_pretrazivanje.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

class TestRezultatiPretrage : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_pretrazivanje* m_page = nullptr;

    obj_pretrazivanje* panel(const char* name) {
        return m_page->findChild<obj_pretrazivanje*>(QString::fromLatin1(name));
    }
    // Picks an item of a panel's list as the user does, with the keyboard.
    void pick(QWidget* uo, const char* list, const QString& item) {
        auto* box = uo->findChild<DropDownListBox*>(QString::fromLatin1(list));
        box->setFocus();
        const int target = box->findText(item);
        QVERIFY(target >= 0);
        box->setCurrentIndex(target == 0 ? 1 : target - 1);
        QTest::keyClick(box, target == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(box->currentText(), item);
    }
    void type(obj_pretrazivanje* uo, const QString& text) {
        auto* edit = uo->findChild<QLineEdit*>(QStringLiteral("sle_1"));
        edit->clear();
        typeText(edit, text);
    }
    QWidget* results() {
        return m_page->findChild<QWidget*>(QStringLiteral("w_rezultati_pretrage"));
    }
    QStringList column(QTableWidget* list, int c) {
        QStringList texts;
        for (int r = 0; r < list->rowCount(); ++r)
            texts << list->item(r, c)->text();
        return texts;
    }
    void closeResults() {
        while (QWidget* window = results())
            delete window;
    }

private slots:
    void initTestCase() {
        setTodayForTesting(PretragaDanas);
        QVERIFY(m_fixture.provision());
        QVERIFY2(upisiPodatkePretrage(m_fixture.db()), qPrintable(m_fixture.db().lastError()));
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->pretrazivanje();
        m_window->tabMain()->setCurrentWidget(m_page);
    }

    void cleanupTestCase() {
        closeResults();
        m_fixture.stop();
        setTodayForTesting(QDate());
    }

    void cleanup() {
        closeResults();
        // A panel on a laboratory group takes part even empty: back to the first list.
        for (const char* name : {"uo_2", "uo_4", "uo_5", "uo_6"}) {
            type(panel(name), QString());
            pick(panel(name), "ddlb_3", QStringLiteral("normalna"));
            pick(panel(name), "ddlb_opsti_podaci", QStringLiteral("Ime"));
        }
        m_window->tabMain()->setCurrentWidget(m_page);
        QCOMPARE(m_fixture.modals().unexpected(), 0);
    }

    void captionAndQueryLine() {
        obj_pretrazivanje* uo2 = panel("uo_2");
        MAB_FIND(opsti, QLabel, uo2, "opsti_podaci_1");
        MAB_FIND(pregled, QLabel, uo2, "opsti_podaci_2");
        MAB_FIND(lab, QLabel, uo2, "opsti_podaci_3");
        QVERIFY(opsti->font().bold() && !pregled->font().bold() && !lab->font().bold());
        pick(uo2, "ddlb_2", QStringLiteral("Dg"));
        QVERIFY(!opsti->font().bold() && pregled->font().bold() && !lab->font().bold());
        pick(uo2, "pocetna_godina", QStringLiteral("2024"));
        type(uo2, QStringLiteral("j45"));
        type(panel("uo_5"), QStringLiteral("Petr"));
        pick(panel("uo_5"), "ddlb_opsti_podaci", QStringLiteral("Prezime"));
        pick(m_page, "ddlb_lk2", QStringLiteral("NE"));
        MAB_FIND(upit, QLabel, m_page, "st_upit");
        QCOMPARE(upit->text(),
                 QStringLiteral("Dg sadrži „j45“ (posete 2024-2026) NE Prezime sadrži „Petr“"));
        pick(m_page, "ddlb_lk2", QStringLiteral("ILI"));
        pick(uo2, "ddlb_opsti_podaci", QStringLiteral("Ime"));
        QVERIFY(opsti->font().bold() && !pregled->font().bold());
    }

    // Enter and a double click open the entry in ADRESAR; "Otvori posetu" names the visit.
    void opensEntryAndVisit() {
        obj_pretrazivanje* uo2 = panel("uo_2");
        pick(uo2, "ddlb_2", QStringLiteral("Dg"));
        pick(uo2, "pocetna_godina", QStringLiteral("2024"));
        type(uo2, QStringLiteral("J45"));
        MAB_FIND(pretrazi, QPushButton, m_page, "cb_1");
        QTest::mouseClick(pretrazi, Qt::LeftButton);
        QWidget* window = results();
        QVERIFY(window && window->isVisible());
        MAB_FIND(list, QTableWidget, window, "dw_rezultati");
        QCOMPARE(column(list, 0), (QStringList{"Čolić", "Petrović", "Šarić"}));
        QCOMPARE(column(list, 2), (QStringList{"1606976715022", "1506976710011", "0101000715044"}));
        QCOMPARE(column(list, 4), (QStringList{"05.05.2024", "10.03.2025", "31.12.2025"}));
        MAB_FIND(strana, QLabel, window, "st_strana");
        QCOMPARE(strana->text(), QStringLiteral("1-3 od 3"));

        QSignalSpy posete(m_page, &tab_pretrazivanje::otvoriPosetu);
        list->setCurrentCell(2, 0);
        MAB_FIND(posetu, QPushButton, window, "cb_otvori_posetu");
        QTest::mouseClick(posetu, Qt::LeftButton);
        QCOMPARE(posete.size(), 1);
        QCOMPARE(posete.first().first().toInt(), 15);
        QCOMPARE(m_window->tabMain()->currentWidget(), m_window->prijem()); // the visit opened
        MAB_FIND(anemija, QWidget, m_window->prijem(), "uo_anemija");
        MAB_FIND(opis, QLineEdit, anemija, "sle_opis");
        QCOMPARE(opis->text(), QStringLiteral("Blaga"));

        list->setCurrentCell(1, 0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(m_window->tabMain()->currentWidget(), m_window->adresar());
        QCOMPARE(m_window->adresar()->rbrText(), QStringLiteral("1"));
        MAB_FIND(ime, QLineEdit, m_window->adresar(), "sle_ime1");
        QCOMPARE(ime->text(), QStringLiteral("Đorđe"));

        list->setCurrentCell(0, 0);
        const QRect cell = list->visualItemRect(list->item(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_window->adresar()->rbrText(), QStringLiteral("1")); // a click only selects
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_window->adresar()->rbrText(), QStringLiteral("2"));
    }

    void pages() {
        obj_pretrazivanje* uo2 = panel("uo_2");
        pick(uo2, "ddlb_opsti_podaci", QStringLiteral("Prezime"));
        pick(uo2, "opseg_za_prikazivanje", QStringLiteral("10"));
        type(uo2, QStringLiteral("red "));
        MAB_FIND(pretrazi, QPushButton, m_page, "cb_1");
        QTest::mouseClick(pretrazi, Qt::LeftButton);
        QWidget* window = results();
        QVERIFY(window);
        MAB_FIND(list, QTableWidget, window, "dw_rezultati");
        MAB_FIND(strana, QLabel, window, "st_strana");
        MAB_FIND(prethodna, QPushButton, window, "cb_prethodna");
        MAB_FIND(sledeca, QPushButton, window, "cb_sledeca");
        MAB_FIND(posetu, QPushButton, window, "cb_otvori_posetu");
        QCOMPARE(strana->text(), QStringLiteral("1-10 od 37"));
        QVERIFY(!prethodna->isEnabled() && sledeca->isEnabled() && !posetu->isEnabled());
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(sledeca, Qt::LeftButton);
        QCOMPARE(strana->text(), QStringLiteral("31-37 od 37"));
        QCOMPARE(list->rowCount(), 7);
        QCOMPARE(list->item(6, 0)->text(), QStringLiteral("Red 37"));
        QVERIFY(prethodna->isEnabled() && !sledeca->isEnabled());
        QTest::mouseClick(prethodna, Qt::LeftButton);
        QCOMPARE(strana->text(), QStringLiteral("21-30 od 37"));
        QCOMPARE(list->item(0, 0)->text(), QStringLiteral("Red 21"));
    }

    // A laboratory group runs as the others do: its query line, and the patient with such a result.
    void laboratoryResults() {
        obj_pretrazivanje* uo2 = panel("uo_2");
        pick(uo2, "ddlb_anmneza", QStringLiteral("Hematologija"));
        pick(uo2, "pocetna_godina", QStringLiteral("2025"));
        pick(uo2, "ddlb_3", QStringLiteral("veće"));
        type(uo2, QStringLiteral("hemo"));
        MAB_FIND(upit, QLabel, m_page, "st_upit");
        QCOMPARE(upit->text(), QStringLiteral("Hematologija sadrži „hemo“, vrednost iznad granica "
                                              "(nalozi 2025-2026)"));
        MAB_FIND(pretrazi, QPushButton, m_page, "cb_1");
        QTest::mouseClick(pretrazi, Qt::LeftButton);
        QWidget* window = results();
        QVERIFY(window);
        MAB_FIND(list, QTableWidget, window, "dw_rezultati");
        QCOMPARE(column(list, 0), QStringList{"Petrović"});
        QCOMPARE(m_fixture.modals().seen().size(), 0);
    }

    void noResults() {
        type(panel("uo_6"), QStringLiteral("nema takvog"));
        MAB_FIND(pretrazi, QPushButton, m_page, "cb_1");
        QTest::mouseClick(pretrazi, Qt::LeftButton);
        QWidget* window = results();
        QVERIFY(window);
        MAB_FIND(strana, QLabel, window, "st_strana");
        QCOMPARE(strana->text(), QStringLiteral("Nema rezultata."));
        MAB_FIND(list, QTableWidget, window, "dw_rezultati");
        QCOMPARE(list->rowCount(), 0);
    }

    void refused_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("Od after Do") << "pocetna_godina"
                                     << "2026"
                                     << "j45"
                                     << "posle godine „Do“";
        QTest::newRow("nothing typed") << "ddlb_2"
                                       << "Dg"
                                       << ""
                                       << "bar jedan";
    }

    void refused() {
        QFETCH(QString, list);
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, message);
        obj_pretrazivanje* uo4 = panel("uo_4");
        pick(uo4, "ddlb_2", QStringLiteral("Dg"));
        pick(uo4, qPrintable(list), item);
        if (list == QStringLiteral("pocetna_godina"))
            pick(uo4, "krajnja_godina", QStringLiteral("2025"));
        type(uo4, text);
        const quint64 untouched = sqlca().uses();
        m_fixture.modals().acknowledge();
        MAB_FIND(pretrazi, QPushButton, m_page, "cb_1");
        QTest::mouseClick(pretrazi, Qt::LeftButton);
        QTRY_COMPARE(m_fixture.modals().pending(), 0);
        QVERIFY2(modalTextSeen(message), qPrintable(message));
        QCOMPARE(sqlca().uses(), untouched);
        QVERIFY(!results());
        pick(uo4, "krajnja_godina", QStringLiteral("2026"));
        pick(uo4, "pocetna_godina", QStringLiteral("2025"));
    }

private:
    bool modalTextSeen(const QString& text) {
        const QList<ModalSeen> seen = m_fixture.modals().seen();
        return !seen.isEmpty() && seen.last().text.contains(text);
    }
};

QTEST_MAIN(TestRezultatiPretrage)
#include "tst_rezultati_pretrage_db.moc"
