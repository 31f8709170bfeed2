// The PRIJEM page: every control of the reception form, its start-up state, the yes/no toggles,
// the tab order, and the laboratory buttons that do nothing.
#include "domain/reception/polja_posete.h"
#include "runtime/core/builtins.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/units.h"
#include "tests/reception/form_fields.h"
#include "tests/support/app_fixture.h"
#include "ui/common/obj_da_ne.h"
#include "ui/common/obj_da_ne_opis.h"
#include "ui/main/mab_la.h"
#include "ui/reception/multi_row_tabs.h"
#include "ui/reception/tab_prijem.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>

namespace {

struct Expected {
    const char* page;
    const char* name;
    const char* kind; // class the control must be (or derive from)
    const char* caption;
    int points; // 0: the control keeps its own fonts
};

// Every control of the form, page by page in creation order.
const Expected Controls[] = {
    {"tab_prijem", "sle_datum", "SingleLineEdit", "", 9},
    {"tab_prijem", "st_datum", "QLabel", "Datum", 10},
    {"tab_prijem", "tab_2a", "MultiRowTabs", "", 10},
    {"tab_prijem", "sle_lekar", "SingleLineEdit", "", 9},
    {"tab_prijem", "sle_broj_protokola", "SingleLineEdit", "", 9},
    {"tab_prijem", "st_lekar", "QLabel", "Lekar", 9},
    {"tab_prijem", "st_broj_protokola", "QLabel", "Broj protokola", 10},
    {"tab_prijem", "sle_broj_ulice", "SingleLineEdit", "21", 10},
    {"tab_prijem", "st_broj_ulice", "QLabel", "Broj", 9},
    {"tab_prijem", "sle_grad", "SingleLineEdit", "Beograd", 9},
    {"tab_prijem", "st_grad", "QLabel", "Grad", 9},
    {"tab_prijem", "sle_4", "SingleLineEdit", "", 9},
    {"tab_prijem", "st_prezime", "QLabel", "Prezime", 9},
    {"tab_prijem", "sle_ime", "SingleLineEdit", "", 10},
    {"tab_prijem", "st_ime", "QLabel", "Ime", 10},
    {"tab_prijem", "st_adresa", "QLabel", "Adresa ", 10},
    {"tab_prijem", "sle_adresa", "SingleLineEdit", "11000 ", 10},
    {"tab_prijem", "st_pbroj", "QLabel", "Poštanski broj", 10},
    {"tab_prijem", "st_ulica", "QLabel", "Ulica", 10},
    {"tab_prijem", "sle_ulica", "SingleLineEdit", "", 10},
    {"tab_prijem", "st_mb", "QLabel", "Matični broj", 10},
    {"tab_prijem", "sle_mb", "SingleLineEdit", "", 10},
    {"tab_prijem", "gb_protokol", "QGroupBox", "", 9},
    {"tab_prijem", "gb_imeiprezime", "QGroupBox", "", 10},

    {"tabpage_22", "gb_gen", "QGroupBox", "", 10},
    {"tabpage_22", "gb_zaposlenje", "QGroupBox", "Podaci o zaposlenju", 10},
    {"tabpage_22", "st_zaposlen", "QLabel", "Zaposlen", 10},
    {"tabpage_22", "st_sarost", "QLabel", "Godine starosti", 10},
    {"tabpage_22", "sle_starost", "SingleLineEdit", "", 10},
    {"tabpage_22", "st_visina", "QLabel", "Visina (cm)", 10},
    {"tabpage_22", "sle_visina", "SingleLineEdit", "", 9},
    {"tabpage_22", "st_tezina", "QLabel", "Težina (kg)", 10},
    {"tabpage_22", "sle_tezina", "SingleLineEdit", "", 9},
    {"tabpage_22", "mle_skolska_sprema", "MultiLineEdit", "", 10},
    {"tabpage_22", "st_sprema", "QLabel", "Školska sprema-Zanimanje", 10},
    {"tabpage_22", "st_zaposlenje", "QLabel", "Zaposlen", 10},
    {"tabpage_22", "uo_3", "obj_da_ne", "", 0},
    {"tabpage_22", "st_radni_staz", "QLabel", "Radni staž", 10},
    {"tabpage_22", "sle_radni_staz", "SingleLineEdit", "", 10},
    {"tabpage_22", "mle_radna_organizacija", "MultiLineEdit", "", 10},
    {"tabpage_22", "st_imefirme", "QLabel", "Naziv radne organizacije", 10},

    {"tab_2", "mle_maligna_o", "MultiLineEdit", "", 10},
    {"tab_2", "mle_hipertenzija", "MultiLineEdit", "", 10},
    {"tab_2", "mle_gojaznost", "MultiLineEdit", "", 10},
    {"tab_2", "mle_apopleksija", "MultiLineEdit", "", 10},
    {"tab_2", "mle_bolesti_kvs", "MultiLineEdit", "", 10},
    {"tab_2", "mle_dijabetis", "MultiLineEdit", "", 10},
    {"tab_2", "gb_maligna_o", "QGroupBox", "Maligna oboljenja", 10},
    {"tab_2", "gb_hipertenzija", "QGroupBox", "Hipertenzija", 10},
    {"tab_2", "gb_gojaznost", "QGroupBox", "Gojaznost", 10},
    {"tab_2", "gb_apopleksija", "QGroupBox", "Apopleksija", 10},
    {"tab_2", "gb_bolesti_kvs", "QGroupBox", "Bolesti KVS", 10},
    {"tab_2", "gb_dijabetis", "QGroupBox", "Dijabetis mellitus", 10},

    {"tab_3", "mle_napomene", "MultiLineEdit", "", 10},
    {"tab_3", "mle_oks", "MultiLineEdit", "", 10},
    {"tab_3", "mle_obes", "MultiLineEdit", "", 10},
    {"tab_3", "mle_hiper", "MultiLineEdit", "", 10},
    {"tab_3", "mle_dokvs", "MultiLineEdit", "", 10},
    {"tab_3", "uo_gastroenteritis", "obj_da_ne_opis", "", 0},
    {"tab_3", "uo_opstipacija", "obj_da_ne_opis", "", 0},
    {"tab_3", "uo_ulkus", "obj_da_ne_opis", "", 0},
    {"tab_3", "uo_zucni_putevi", "obj_da_ne_opis", "", 0},
    {"tab_3", "uo_jetra", "obj_da_ne_opis", "", 0},
    {"tab_3", "uo_diabetes", "obj_da_ne_opis", "", 0},
    {"tab_3", "uo_anemija", "obj_da_ne_opis", "", 0},
    {"tab_3", "gb_anemija", "QGroupBox", "Anemija", 10},
    {"tab_3", "gb_oks", "QGroupBox", "Oboljenja kičmenog stuba i lokomotornog aparata", 10},
    {"tab_3", "gb_obes", "QGroupBox", "Ostala oboljenja endokrinog sistema", 10},
    {"tab_3", "gb_diabetes_mellitus_la", "QGroupBox", "Diabetes mellitus", 10},
    {"tab_3", "gb_hipertenzijala", "QGroupBox", "Hipertenzija", 10},
    {"tab_3", "gb_dokvs", "QGroupBox", "Degenerativna oboljenja KVS", 10},
    {"tab_3", "gb_oboljenje_jetre", "QGroupBox", "Oboljenje jetre", 10},
    {"tab_3", "gb_ozp", "QGroupBox", "Oboljenje žučnih puteva", 10},
    {"tab_3", "gb_ulkusna_bolest", "QGroupBox", "Ulkusna bolest", 10},
    {"tab_3", "gb_gastroenetritis", "QGroupBox", "Gastroenetritis", 10},
    {"tab_3", "gb_opstipacija", "QGroupBox", "Opstipacija", 10},
    {"tab_3", "gb_gojazno", "QGroupBox", "Gojaznost", 10},
    {"tab_3", "gb_napomene", "QGroupBox", "Napomene", 10},

    {"tab_8", "mle_pusenje", "MultiLineEdit", "", 10},
    {"tab_8", "mle_alkohol", "MultiLineEdit", "", 10},
    {"tab_8", "ddlb_fiz_aktivnost", "QComboBox", "", 10},
    {"tab_8", "st_br_obroka", "QLabel", "Broj obroka", 10},
    {"tab_8", "sle_br_obroka", "SingleLineEdit", "", 10},
    {"tab_8", "st_hrana_izbor", "QLabel", "Izbor namirnica", 10},
    {"tab_8", "sle_hrana_izbor", "SingleLineEdit", "", 10},
    {"tab_8", "st_harana_priprema", "QLabel", "Način pripremanja", 10},
    {"tab_8", "sle_hrana_priprema", "SingleLineEdit", "", 10},
    {"tab_8", "gb_alkohol", "QGroupBox", "Da li konzumirate alkohol i koliko često", 10},
    {"tab_8", "gb_pusenje", "QGroupBox", "Da li pušite i koliko cigareta dnevno", 10},
    {"tab_8", "gb_fiz_aktivnost", "QGroupBox", "Fizička aktivnost", 10},
    {"tab_8", "gb_ishrana", "QGroupBox", "Ishrana", 10},

    {"tab_11", "dw_afn", "QScrollArea", "", 10},
    {"tab_12", "mle_radnadiag", "MultiLineEdit", "", 10},
    {"tab_labanalize", "cb_urin", "CommandButton", "Urin", 10},
    {"tab_labanalize", "cb_hematologija", "CommandButton", "Hematologija", 10},
    {"tab_labanalize", "cb_biohemija", "CommandButton", "Biohemija", 10},

    {"tab_15", "mle_kontrola_napomene", "MultiLineEdit", "", 10},
    {"tab_15", "st_kontrola_napomene", "QLabel", "Napomene", 10},
    {"tab_15", "dw_nalazi", "QScrollArea", "", 10},
    {"tab_15", "st_nalazi", "QLabel", "Sa nalazima", 10},
    {"tab_15", "sle_datum_kontrole", "SingleLineEdit", "", 10},
    {"tab_15", "st_kontrola_datum", "QLabel", "Datum kontrole", 10},
};

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return edit->toPlainText();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText();
    return {};
}

// Where Tab lands, by name; a description field is named by its toggle.
QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("(none)");
    if (focus->objectName() == QLatin1String("sle_opis"))
        return focus->parentWidget()->objectName() + QStringLiteral(".sle_opis");
    return focus->objectName();
}

} // namespace

class TestReceptionForm : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_prijem* m_page = nullptr;
    MultiRowTabs* m_tabs = nullptr;

    QStringList tabThrough(QWidget* start, int presses) {
        start->setFocus(Qt::TabFocusReason);
        QStringList visited{focusName()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusName();
        }
        return visited;
    }

    // Everything a user can change on the whole window, as text.
    QStringList windowState() const {
        QStringList state;
        for (const QWidget* widget : m_window->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (auto* box = qobject_cast<const QCheckBox*>(widget))
                state << name + (box->isChecked() ? ":1" : ":0");
            else if (auto* tabs = qobject_cast<const QTabWidget*>(widget))
                state << name + QString::number(tabs->currentIndex());
            else if (qobject_cast<const QLineEdit*>(widget) ||
                     qobject_cast<const QPlainTextEdit*>(widget) ||
                     qobject_cast<const QComboBox*>(widget))
                state << name + "=" + captionOf(widget);
        }
        state << QString::number(m_tabs->currentIndex());
        return state;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->prijem();
        QVERIFY(m_page);
        m_tabs = m_page->tab_2a();
        QVERIFY(m_tabs);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        m_tabs->setCurrentIndex(0);
    }

    // Runs first, before any other test has picked a page.
    // Every control of the form that holds a value has a stored key in the table of stored
    // fields, every key names a control, and the keys are the ones visits have always been
    // stored under (the control's name, a toggle's first).
    void storedFieldTable() {
        QSet<QString> controls;
        for (const Field& field : fieldsOf(m_window->prijem()))
            controls << field.name;
        QSet<QString> inTable;
        for (const polja_posete::Polje& polje : polja_posete::sva()) {
            inTable << QString::fromLatin1(polje.kontrola);
            QCOMPARE(QString::fromLatin1(polje.kljuc), QString::fromLatin1(polje.kontrola));
        }
        QCOMPARE(inTable.size(), int(polja_posete::sva().size()));
        for (const QString& control : std::as_const(controls))
            QVERIFY2(inTable.contains(control), qPrintable(control + " has no stored key"));
        for (const QString& key : std::as_const(inTable))
            QVERIFY2(controls.contains(key), qPrintable(key + " names no control"));
    }

    void startsOnGeneralije() {
        auto* main = m_window->findChild<QTabWidget*>(QStringLiteral("tab_main"));
        QCOMPARE(main->currentWidget(), m_page);
        QCOMPARE(m_tabs->currentIndex(), 0);
        QCOMPARE(m_tabs->tabText(0), QStringLiteral("Generalije"));
        QVERIFY(m_tabs->widget(0)->isVisible());
    }

    void controls_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("points");
        for (const Expected& control : Controls)
            QTest::newRow(control.name) << control.page << control.kind
                                        << QString::fromUtf8(control.caption) << control.points;
    }

    void controls() {
        QFETCH(QString, page);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(int, points);
        MAB_FIND(pageWidget, QWidget, m_window, page.toUtf8().constData());
        MAB_FIND(widget, QWidget, pageWidget, QTest::currentDataTag());
        QCOMPARE(widget->parentWidget(), pageWidget);
        QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
        QCOMPARE(captionOf(widget), caption);
        if (points)
            QCOMPARE(widget->font().pointSize(), points);
        // Captions show in full.
        if (qobject_cast<QLabel*>(widget))
            QVERIFY(widget->sizeHint().width() <= widget->width());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            QVERIFY(group->fontMetrics().horizontalAdvance(caption) + 16 <= group->width());
    }

    void innerPagesInOrder() {
        const QStringList labels{"Generalije",
                                 "Porodična anamneza",
                                 "Lična anamneza",
                                 "Navike",
                                 "Antropometrijsko-funkcionalni nalaz",
                                 "Dijagnoza",
                                 "Laboratorijske analize",
                                 "Kontrola",
                                 "Konsultacije iz oblasti ishrane"};
        const QStringList names{"tabpage_22",     "tab_2",  "tab_3",
                                "tab_8",          "tab_11", "tab_12",
                                "tab_labanalize", "tab_15", "tabpage_konsultacije_izhrana"};
        QCOMPARE(m_tabs->count(), labels.size());
        for (int i = 0; i < m_tabs->count(); ++i) {
            QCOMPARE(m_tabs->tabText(i), labels.at(i));
            QCOMPARE(m_tabs->widget(i)->objectName(), names.at(i));
            // One width for all, wide enough for every label, in more than one row.
            QCOMPARE(m_tabs->tabRect(i).width(), m_tabs->tabRect(0).width());
            QVERIFY(m_tabs->fontMetrics().horizontalAdvance(labels.at(i)) <
                    m_tabs->tabRect(i).width());
        }
        QVERIFY(m_tabs->rowCount() > 1);
        QVERIFY(m_tabs->widget(8)->findChildren<QWidget*>().isEmpty());

        // Picked by mouse, then by arrow keys on the focused control.
        QTest::mouseClick(m_tabs, Qt::LeftButton, {}, m_tabs->tabRect(4).center());
        QCOMPARE(m_tabs->currentIndex(), 4);
        m_tabs->setFocus();
        QTest::keyClick(m_tabs, Qt::Key_Right);
        QCOMPARE(m_tabs->currentIndex(), 5);
        QTest::keyClick(m_tabs, Qt::Key_Left);
        QTest::keyClick(m_tabs, Qt::Key_Left);
        QCOMPARE(m_tabs->currentIndex(), 3);
        // Ctrl+Tab from a field of the page moves on too.
        MAB_FIND(meals, QLineEdit, m_tabs->widget(3), "sle_br_obroka");
        meals->setFocus();
        QTest::keyClick(meals, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(m_tabs->currentIndex(), 4);
    }

    void tabsMeasureANewLabelOrFontAgain() {
        MultiRowTabs tabs(QStringLiteral("tabs"));
        tabs.resize(400, 300);
        auto everyLabelFits = [&tabs] {
            for (int i = 0; i < tabs.count(); ++i)
                if (tabs.fontMetrics().horizontalAdvance(tabs.tabText(i)) >=
                    tabs.tabRect(i).width())
                    return false;
            return true;
        };
        for (const char* label : {"Prvi", "Drugi", "Treći", "Četvrti", "Peti", "Šesti"})
            tabs.addTab(new QWidget, QString::fromUtf8(label));
        QVERIFY(everyLabelFits());
        QFont larger = tabs.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        tabs.setFont(larger);
        QVERIFY(everyLabelFits());
        tabs.addTab(new QWidget, QStringLiteral("Konsultacije iz oblasti ishrane"));
        QVERIFY(everyLabelFits());
    }

    void layoutPeculiarities() {
        // Narrowed toggles keep their boxes and cut the description at the new right edge.
        const QList<QPair<const char*, int>> narrowed{
            {"uo_gastroenteritis", 485}, {"uo_opstipacija", 443}, {"uo_anemija", 485}};
        for (const auto& [name, width] : narrowed) {
            MAB_FIND(toggle, obj_da_ne_opis, m_page, name);
            QVERIFY(qAbs(unitsWidth(toggle) - width) <= 5);
            QVERIFY(toggle->rect().contains(toggle->cbx_ne()->geometry()));
            QVERIFY(toggle->sle_opis()->geometry().right() > toggle->width());
        }
        MAB_FIND(full, obj_da_ne_opis, m_page, "uo_jetra");
        QVERIFY(qAbs(unitsWidth(full) - 1422) <= 5);
        QVERIFY(full->rect().contains(full->sle_opis()->geometry()));
        MAB_FIND(pair, obj_da_ne, m_page, "uo_3");
        QVERIFY(qAbs(unitsWidth(pair) - 512) <= 5);
        QVERIFY(pair->cbx_da()->x() < pair->cbx_ne()->x());

        MAB_FIND(gojazno, QGroupBox, m_page, "gb_gojazno");
        QVERIFY(!gojazno->isEnabled());
        MAB_FIND(nalazi, QWidget, m_page, "dw_nalazi");
        QVERIFY(!nalazi->isEnabled());
        MAB_FIND(hidden, QLabel, m_page, "st_zaposlen");
        QVERIFY(!hidden->parentWidget()->rect().intersects(hidden->geometry()));
        MAB_FIND(activity, QComboBox, m_page, "ddlb_fiz_aktivnost");
        QCOMPARE(activity->count(), 2);
        QCOMPARE(activity->itemText(0), QStringLiteral("Aktivan"));
        QCOMPARE(activity->itemText(1), QStringLiteral("Neaktivan"));
        QCOMPARE(activity->currentIndex(), -1);
    }

    void togglesTakeBothAnswers() {
        m_tabs->setCurrentIndex(2);
        MAB_FIND(toggle, obj_da_ne_opis, m_page, "uo_jetra");
        QCheckBox* da = toggle->cbx_da();
        QCheckBox* ne = toggle->cbx_ne();
        QVERIFY(!da->isChecked() && !ne->isChecked());
        QTest::mouseClick(da, Qt::LeftButton, {}, da->rect().center());
        QTest::mouseClick(ne, Qt::LeftButton, {}, ne->rect().center());
        QVERIFY(da->isChecked());
        QVERIFY(ne->isChecked());
        QTest::mouseClick(da, Qt::LeftButton, {}, da->rect().center());
        QVERIFY(!da->isChecked());
        QVERIFY(ne->isChecked());
    }

    void tabbingPersonalHistoryStopsInFieldsOnly() {
        m_tabs->setCurrentIndex(2);
        // Once round the whole window, back to the inner tab.
        QStringList visited = tabThrough(m_tabs, 40);
        visited = visited.mid(0, visited.indexOf(QStringLiteral("tab_2a"), 1));
        const QStringList expected{"tab_2a",
                                   "mle_hiper",
                                   "uo_gastroenteritis.sle_opis",
                                   "uo_opstipacija.sle_opis",
                                   "uo_zucni_putevi.sle_opis",
                                   "uo_anemija.sle_opis",
                                   "uo_ulkus.sle_opis",
                                   "uo_diabetes.sle_opis",
                                   "mle_obes",
                                   "mle_oks",
                                   "mle_dokvs",
                                   "mle_napomene",
                                   "uo_jetra.sle_opis"};
        QCOMPARE(visited.mid(0, expected.size()), expected);
        QVERIFY(visited.filter(QStringLiteral("cbx_")).isEmpty());
        // A click still reaches a box, Tab never does.
        for (const QCheckBox* box : m_page->findChildren<QCheckBox*>()) {
            QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
            QVERIFY(box->focusPolicy() & Qt::ClickFocus);
        }
    }

    void headerTabOrder() {
        MAB_FIND(lekar, QLineEdit, m_page, "sle_lekar");
        const QStringList expected{
            "sle_lekar", "sle_ime",        "sle_adresa", "sle_ulica", "sle_broj_protokola",
            "sle_datum", "sle_broj_ulice", "sle_grad",   "sle_4",     "sle_mb",
            "tab_2a",    "sle_starost"};
        QCOMPARE(tabThrough(lekar, int(expected.size()) - 1), expected);
    }

    void labButtonsDoNothing() {
        m_tabs->setCurrentIndex(6);
        MAB_FIND(ime, QLineEdit, m_page, "sle_ime");
        ime->setText(QStringLiteral("Probni"));
        // Any statement would count as a use of the connection.
        const quint64 untouched = sqlca().uses();
        const int people = m_fixture.db().count(QStringLiteral("adresar"));
        const QStringList before = windowState();
        const int windows = int(QApplication::topLevelWidgets().size());

        for (const char* name : {"cb_urin", "cb_hematologija", "cb_biohemija"}) {
            MAB_FIND(button, QAbstractButton, m_page, name);
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(button, Qt::Key_Return);
        }
        QTest::qWait(50);
        QCOMPARE(windowState(), before);
        QCOMPARE(int(QApplication::topLevelWidgets().size()), windows);
        QCOMPARE(sqlca().uses(), untouched);
        QCOMPARE(m_fixture.db().count(QStringLiteral("adresar")), people);
        ime->clear();
    }
};

QTEST_MAIN(TestReceptionForm)
#include "tst_reception_form.moc"
