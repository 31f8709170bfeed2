// The search criterion panel and the PRETRAŽIVANJE page: preselected lists on fixed dates, the
// panel colours, and no statement before "Pretraži".
#include "runtime/core/builtins.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/drop_down_list.h"
#include "runtime/widgets/look.h"
#include "tests/support/app_fixture.h"
#include "ui/main/mab_la.h"
#include "ui/search/obj_pretrazivanje.h"
#include "ui/search/tab_pretrazivanje.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const char* const Labels[] = {"opsti_podaci_1", "opsti_podaci_2", "opsti_podaci_3", "st_od",
                              "st_do",          "st_opseg",       "st_vrednost"};
const char* const Controls[] = {
    "sle_1",  "pocetna_godina", "krajnja_godina", "opseg_za_prikazivanje", "ddlb_opsti_podaci",
    "ddlb_2", "ddlb_anmneza",   "ddlb_3"};

// What the user sees selected or typed anywhere below root.
QStringList choices(QWidget* root) {
    QStringList seen;
    for (auto* list : root->findChildren<DropDownListBox*>())
        seen << list->objectName() + QLatin1Char('=') + list->currentText();
    for (auto* edit : root->findChildren<QLineEdit*>())
        seen << edit->objectName() + QLatin1Char('=') + edit->text();
    return seen;
}

QColor shownColour(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

} // namespace

class TestPretrazivanje : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setTodayForTesting(QDate()); }

    void yearLists_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("lastYear");
        QTest::newRow("2000") << QDate(2000, 6, 14) << "1999"
                              << "2000"
                              << "2000";
        QTest::newRow("2001") << QDate(2001, 1, 1) << "2000"
                              << "2001"
                              << "2001";
        QTest::newRow("2026") << QDate(2026, 12, 31) << "2025"
                              << "2026"
                              << "2026";
        QTest::newRow("1995: no year before the first") << QDate(1995, 5, 5) << ""
                                                        << "1995"
                                                        << "1995";
    }

    void yearLists() {
        QFETCH(QDate, today);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, lastYear);
        setTodayForTesting(today);
        obj_pretrazivanje panel(QStringLiteral("uo_2"));
        MAB_FIND(pocetna, DropDownListBox, &panel, "pocetna_godina");
        MAB_FIND(krajnja, DropDownListBox, &panel, "krajnja_godina");
        for (DropDownListBox* list : {pocetna, krajnja}) {
            const QStringList years = list->items();
            QCOMPARE(years.first(), QStringLiteral("1995"));
            QCOMPARE(years.last(), lastYear);
            QCOMPARE(years.size(), lastYear.toInt() - 1995 + 1);
            QVERIFY(list->sorted());
        }
        QCOMPARE(pocetna->currentText(), start);
        QCOMPARE(pocetna->selectedIndex() == 0, start.isEmpty());
        QCOMPARE(krajnja->currentText(), end);
        QCOMPARE(pocetna->property("tag").toString(), QStringLiteral("Početna godina"));
        QCOMPARE(krajnja->property("tag").toString(), QStringLiteral("Krajnja godinas"));
    }

    void otherLists_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("selected");
        QTest::newRow("show per") << "opseg_za_prikazivanje" << QStringList{"10", "20", "50", "100"}
                                  << "10";
        QTest::newRow("general data")
            << "ddlb_opsti_podaci" << QStringList{"Ime", "Prezime", "Starost", "Grad"} << "Ime";
        QTest::newRow("examination")
            << "ddlb_2"
            << QStringList{"Dg", "Porodična anamneza", "Lična anamneza", "Navike", "Lekar"} << "Dg";
        QTest::newRow("laboratory, sorted")
            << "ddlb_anmneza"
            << QStringList{"Biohemija", "Hematologija", "Leukocitarna formula", "Urin"}
            << "Biohemija";
        QTest::newRow("value class starts on its second item")
            << "ddlb_3" << QStringList{"sve", "normalna", "veće", "manje"} << "normalna";
    }

    void otherLists() {
        QFETCH(QString, list);
        QFETCH(QStringList, items);
        QFETCH(QString, selected);
        obj_pretrazivanje panel(QStringLiteral("uo_2"));
        MAB_FIND(box, DropDownListBox, &panel, qPrintable(list));
        QCOMPARE(box->items(), items);
        QCOMPARE(box->currentText(), selected);
        QVERIFY(!box->isEditable());
    }

    void promenaBoje() {
        obj_pretrazivanje panel(QStringLiteral("uo_2"));
        panel.resize(700, 90);
        QHash<QString, QPalette> before;
        for (const char* name : Controls) {
            MAB_FIND(control, QWidget, &panel, name);
            before.insert(QString::fromLatin1(name), control->palette());
        }
        const QColor colour(12, 200, 34);
        panel.promena_boje(RGB(12, 200, 34));

        QCOMPARE(shownColour(&panel, QPoint(panel.width() - 8, panel.height() - 8)), colour);
        for (const char* name : Labels) {
            MAB_FIND(label, QLabel, &panel, name);
            QCOMPARE(shownColour(label, QPoint(label->width() - 2, label->height() - 2)), colour);
        }
        for (const char* name : Controls) {
            MAB_FIND(control, QWidget, &panel, name);
            const QPalette& old = before.value(QString::fromLatin1(name));
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                QCOMPARE(control->palette().color(role), old.color(role));
        }
    }

    // The page in the running program: coloured panels joined by "ILI", and no statement before
    // "Pretraži" is pressed. Every statement leaves its SQL code on the transaction, so a code no
    // statement sets survives only if none ran.
    void searchPage() {
        setTodayForTesting(QDate(2000, 6, 14));
        AppFixture fixture;
        QVERIFY(fixture.provision());
        mab_la* window = fixture.start();
        QVERIFY(window);
        tab_pretrazivanje* page = window->pretrazivanje();
        window->tabMain()->setCurrentWidget(page);
        QCOMPARE(page->property("tag").toString(), QStringLiteral("Pretrazivanje"));

        const QList<QPair<const char*, QColor>> panels{{"uo_2", QColor(219, 186, 149)},
                                                       {"uo_4", QColor(216, 203, 186)},
                                                       {"uo_5", QColor(230, 219, 234)},
                                                       {"uo_6", QColor(189, 210, 213)}};
        for (const auto& [name, colour] : panels) {
            MAB_FIND(panel, obj_pretrazivanje, page, name);
            QCOMPARE(panel->palette().color(QPalette::Window), colour);
            for (const char* labelName : Labels) {
                MAB_FIND(label, QLabel, panel, labelName);
                QCOMPARE(label->palette().color(QPalette::Window), colour);
            }
        }
        QVERIFY(!page->findChild<QWidget*>(QStringLiteral("uo_3")));
        for (const char* name : {"ddlb_lk1", "ddlb_lk2", "ddlb_lk3"}) {
            MAB_FIND(connector, DropDownListBox, page, name);
            QCOMPARE(connector->items(), (QStringList{"I", "ILI", "NE"}));
            QCOMPARE(connector->currentText(), QStringLiteral("ILI"));
        }

        MAB_FIND(pretrazi, QPushButton, page, "cb_1");
        QCOMPARE(pretrazi->text(), QStringLiteral("Pretraži"));
        MAB_FIND(uo5, obj_pretrazivanje, page, "uo_5");
        MAB_FIND(klasa, DropDownListBox, uo5, "ddlb_3");
        klasa->setCurrentIndex(2);
        MAB_FIND(text, QLineEdit, uo5, "sle_1");
        typeText(text, QStringLiteral("Đorđe"));
        const QStringList chosen = choices(page);
        const int people = fixture.db().count(QStringLiteral("adresar"));
        const quint64 untouched = sqlca().uses();
        for (const char* name : {"ddlb_lk1", "ddlb_lk2", "ddlb_lk3"}) {
            MAB_FIND(connector, DropDownListBox, page, name);
            connector->setCurrentIndex(0);
            connector->setCurrentIndex(1);
        }
        QTest::qWait(50);
        QCOMPARE(sqlca().uses(), untouched);
        QCOMPARE(choices(page), chosen);
        MAB_FIND(upit, QLabel, page, "st_upit");
        QCOMPARE(upit->text(), QStringLiteral("Ime sadrži „Đorđe“"));

        QTest::mouseClick(pretrazi, Qt::LeftButton);
        QVERIFY(sqlca().uses() != untouched);
        auto* rezultati = page->findChild<QWidget*>(QStringLiteral("w_rezultati_pretrage"));
        QVERIFY(rezultati && rezultati->isVisible());
        MAB_FIND(strana, QLabel, rezultati, "st_strana");
        QCOMPARE(strana->text(), QStringLiteral("Nema rezultata."));
        rezultati->close();
        QCOMPARE(choices(page), chosen);
        QCOMPARE(window->tabMain()->currentWidget(), page);
        QCOMPARE(fixture.db().count(QStringLiteral("adresar")), people);
        QCOMPARE(fixture.modals().unexpected(), 0);
        fixture.stop();
    }
};

QTEST_MAIN(TestPretrazivanje)
#include "tst_pretrazivanje.moc"
