// Every page by keyboard alone and through the accessibility interface: Tab and Shift+Tab walk
// each page's controls once and leave it, no control keeps the focus, every control a user types
// into or presses has a name, and the reception form's painted tabs and the calendars' days can
// be read.
#include "runtime/core/dates.h"
#include "runtime/widgets/static_text.h"
#include "tests/support/app_fixture.h"
#include "ui/main/mab_la.h"
#include "ui/reception/multi_row_tabs.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QStringList InnerTabs{QStringLiteral("Generalije"),
                            QStringLiteral("Porodična anamneza"),
                            QStringLiteral("Lična anamneza"),
                            QStringLiteral("Navike"),
                            QStringLiteral("Antropometrijsko-funkcionalni nalaz"),
                            QStringLiteral("Dijagnoza"),
                            QStringLiteral("Laboratorijske analize"),
                            QStringLiteral("Kontrola"),
                            QStringLiteral("Konsultacije iz oblasti ishrane")};

// A control a user types into, picks from or presses.
bool takesInput(const QWidget* widget) {
    if (qobject_cast<const QHeaderView*>(widget))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const MultiRowTabs*>(widget) ||
           // A static text that reports clicks is pressed like a button, unless it is disabled.
           (qobject_cast<const StaticText*>(widget) && widget->isEnabled()) ||
           (qobject_cast<const QAbstractScrollArea*>(widget) &&
            widget->focusPolicy() != Qt::NoFocus);
}

// The page's controls, leaving out the parts of a control (a drop-down list's popup, a table's
// header) and what the program hides for good.
QList<QWidget*> controlsOf(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (widget->isHidden() || !takesInput(widget) || widget->isWindow())
            continue;
        bool part = false;
        for (QWidget* up = widget->parentWidget(); up && up != page; up = up->parentWidget())
            part = part || (takesInput(up) && !qobject_cast<const MultiRowTabs*>(up)) ||
                   up->isWindow();
        if (!part)
            controls << widget;
    }
    return controls;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString describe(QWidget* widget) {
    if (!widget)
        return QStringLiteral("(none)");
    const QString parent =
        widget->parentWidget() ? widget->parentWidget()->objectName() : QString();
    return parent + QLatin1Char('.') + widget->objectName();
}

bool inside(QWidget* widget, QWidget* page) {
    return widget && (widget == page || page->isAncestorOf(widget));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    QTabWidget* m_main = nullptr;
    MultiRowTabs* m_inner = nullptr;

    QWidget* page(const QString& name) const { return m_window->findChild<QWidget*>(name); }

    // Shows a page (and an inner page of the reception form) and puts the focus on the main tab
    // bar, from where Tab enters the page.
    QWidget* open(const QString& pageName, int inner) {
        QWidget* shown = page(pageName);
        m_main->setCurrentWidget(shown);
        if (inner >= 0)
            m_inner->setCurrentIndex(inner);
        m_main->tabBar()->setFocus();
        QCoreApplication::processEvents();
        return shown;
    }

    QWidget* press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        return QApplication::focusWidget();
    }

private slots:
    void initTestCase() {
        // With people in the address book its list has rows whose cells Tab could walk.
        QVERIFY(m_fixture.provision());
        QVERIFY(m_fixture.db().runScript(QStringLiteral("db/sample_people.sql")));
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_main = m_window->findChild<QTabWidget*>(QStringLiteral("tab_main"));
        m_inner = m_window->findChild<MultiRowTabs*>(QStringLiteral("tab_2a"));
        QVERIFY(m_main && m_inner);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        m_inner->setCurrentIndex(0);
        m_main->setCurrentIndex(0);
    }

    void tabWalk_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("inner");
        QTest::addColumn<QString>("first"); // where Tab enters the page
        for (int i = 0; i < InnerTabs.size(); ++i)
            QTest::addRow("PRIJEM, %s", qPrintable(InnerTabs.at(i)))
                << QStringLiteral("tab_prijem") << i << QStringLiteral("sle_lekar");
        QTest::newRow("ADRESAR") << QStringLiteral("tab_adresar") << -1 << QStringLiteral("cb_a");
        QTest::newRow("ZAKAZIVANJE")
            << QStringLiteral("tab_zakazivanje") << -1 << QStringLiteral("dw_zakazivanje");
        QTest::newRow("LABORATORIJSKE ANALIZE")
            << QStringLiteral("tab_lab_analize") << -1 << QStringLiteral("pb_hemat_analize");
        QTest::newRow("PRETRAŽIVANJE")
            << QStringLiteral("tab_pretrazivanje") << -1 << QStringLiteral("cb_1");
    }

    // From the tab bar, Tab enters the page, stops at every control that Tab may stop at once,
    // and leaves the page; Shift+Tab walks the same stops backwards.
    void tabWalk() {
        QFETCH(QString, page);
        QFETCH(int, inner);
        QFETCH(QString, first);
        QWidget* shown = open(page, inner);

        QList<QWidget*> stops;
        for (QWidget* widget : shown->findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() && !widget->focusProxy() &&
                (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
                stops << widget;
        QVERIFY(!stops.isEmpty());

        QList<QWidget*> forward;
        for (QWidget* at = press(Qt::Key_Tab); inside(at, shown); at = press(Qt::Key_Tab)) {
            QVERIFY2(!forward.contains(at),
                     qPrintable(QStringLiteral("Tab came back to %1 after %2 stops")
                                    .arg(describe(at))
                                    .arg(forward.size())));
            forward << at;
        }
        QVERIFY(!forward.isEmpty());
        QCOMPARE(forward.first()->objectName(), first);
        // Of a group of radio buttons Tab stops at one; the arrow keys pick among them.
        int reached = 0;
        for (QWidget* stop : std::as_const(stops)) {
            auto* radio = qobject_cast<QRadioButton*>(stop);
            const bool groupReached =
                radio && radio->group() &&
                std::any_of(forward.begin(), forward.end(), [radio](QWidget* at) {
                    return radio->group()->buttons().contains(qobject_cast<QAbstractButton*>(at));
                });
            QVERIFY2(forward.contains(stop) || groupReached,
                     qPrintable(QStringLiteral("Tab never reached %1").arg(describe(stop))));
            reached += forward.contains(stop) ? 1 : 0;
        }
        QCOMPARE(forward.size(), reached);

        m_main->tabBar()->setFocus();
        QList<QWidget*> backward;
        for (QWidget* at = press(Qt::Key_Backtab);
             inside(at, shown) && backward.size() <= stops.size(); at = press(Qt::Key_Backtab))
            backward.prepend(at);
        QCOMPARE(backward, forward);
    }

    void noControlKeepsFocus_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("inner");
        for (int i = 0; i < InnerTabs.size(); ++i)
            QTest::addRow("PRIJEM, %s", qPrintable(InnerTabs.at(i)))
                << QStringLiteral("tab_prijem") << i;
        for (const char* name :
             {"tab_adresar", "tab_zakazivanje", "tab_lab_analize", "tab_pretrazivanje"})
            QTest::newRow(name) << QString::fromLatin1(name) << -1;
    }

    // Any control that takes the focus, by Tab or by a click only (the calendars, the yes/no
    // boxes), hands it on with Tab and with Shift+Tab.
    void noControlKeepsFocus() {
        QFETCH(QString, page);
        QFETCH(int, inner);
        QWidget* shown = open(page, inner);
        int checked = 0;
        for (QWidget* widget : shown->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled() ||
                widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
                continue;
            for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                widget->setFocus(Qt::MouseFocusReason);
                QCOMPARE(QApplication::focusWidget(), widget);
                QTest::keyClick(widget, key);
                QVERIFY2(QApplication::focusWidget() != widget,
                         qPrintable(QStringLiteral("%1 keeps the focus").arg(describe(widget))));
            }
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // A calendar in which a day was picked gives the keyboard back on Tab, and its arrow keys
    // still move between its days.
    void calendarArrowsStayInside() {
        open(QStringLiteral("tab_zakazivanje"), -1);
        auto* calendar = m_window->findChild<QAbstractItemView*>(QStringLiteral("dw_calendar_1"));
        QVERIFY(calendar);
        const QModelIndex cell = calendar->model()->index(2, 3);
        QTest::mouseClick(calendar->viewport(), Qt::LeftButton, {},
                          calendar->visualRect(cell).center());
        QCOMPARE(QApplication::focusWidget(), calendar);
        QCOMPARE(calendar->currentIndex(), cell);
        QTest::keyClick(calendar, Qt::Key_Right);
        QCOMPARE(calendar->currentIndex(), calendar->model()->index(2, 4));
        QTest::keyClick(calendar, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != calendar);
    }

    // Every control has a name; a few are checked for the words a listener hears.
    void everyControlNamed_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("PRIJEM") << QStringLiteral("tab_prijem");
        QTest::newRow("ADRESAR") << QStringLiteral("tab_adresar");
        QTest::newRow("ZAKAZIVANJE") << QStringLiteral("tab_zakazivanje");
        QTest::newRow("LABORATORIJSKE ANALIZE") << QStringLiteral("tab_lab_analize");
        QTest::newRow("PRETRAŽIVANJE") << QStringLiteral("tab_pretrazivanje");
    }

    void everyControlNamed() {
        QFETCH(QString, page);
        const QList<QWidget*> controls = controlsOf(this->page(page));
        QStringList unnamed;
        for (QWidget* control : controls)
            if (accessibleName(control).trimmed().isEmpty())
                unnamed << describe(control);
        qInfo("%s: %lld of %lld controls named", qPrintable(page),
              qlonglong(controls.size() - unnamed.size()), qlonglong(controls.size()));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void namesRead_data() {
        QTest::addColumn<QString>("holder"); // the control's parent, for names that repeat
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("edit after its caption") << "tab_prijem"
                                                << "sle_adresa" << QStringLiteral("Poštanski broj");
        QTest::newRow("edit in a box") << "tab_2"
                                       << "mle_maligna_o" << QStringLiteral("Maligna oboljenja");
        QTest::newRow("yes") << "uo_jetra"
                             << "cbx_da" << QStringLiteral("Oboljenje jetre: Da");
        QTest::newRow("no") << "uo_3"
                            << "cbx_ne" << QStringLiteral("Zaposlen: Ne");
        QTest::newRow("description") << "uo_ulkus"
                                     << "sle_opis" << QStringLiteral("Ulkusna bolest: opis");
        QTest::newRow("drop-down in a box")
            << "tab_8"
            << "ddlb_fiz_aktivnost" << QStringLiteral("Fizička aktivnost");
        QTest::newRow("address book field") << "tab_adresar"
                                            << "sle_prezime" << QStringLiteral("Prezime:");
        QTest::newRow("status list") << "tab_adresar"
                                     << "ddplb_status" << QStringLiteral("Status");
        QTest::newRow("work address") << "tab_adresar"
                                      << "sle_p_grad" << QStringLiteral("Adresa na poslu: Grad");
        QTest::newRow("amount") << "tab_lab_analize"
                                << "em_svega_analize" << QStringLiteral("Svega za naplatu");
        QTest::newRow("picture button") << "tab_lab_analize"
                                        << "pb_urin" << QStringLiteral("Urin");
        QTest::newRow("search panel") << "uo_4"
                                      << "pocetna_godina" << QStringLiteral("Kriterijum 2: Od");
        QTest::newRow("search value") << "uo_6"
                                      << "ddlb_3" << QStringLiteral("Kriterijum 4: Vrednost");
        QTest::newRow("visit list under the inner pages")
            << "obj_posete_spisak"
            << "ddlb_posete" << QStringLiteral("Posete pacijenta");
        QTest::newRow("history of the visit")
            << "obj_posete_spisak"
            << "cb_istorija_izmena" << QStringLiteral("Istorija izmena");
        QTest::newRow("day sheet") << "tab_zakazivanje"
                                   << "dw_zakazivanje" << QStringLiteral("Zakazivanje pregleda");
    }

    void namesRead() {
        QFETCH(QString, holder);
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto* parent = m_window->findChild<QWidget*>(holder);
        QVERIFY(parent);
        auto* widget = parent->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
        QVERIFY(widget);
        QCOMPARE(accessibleName(widget), name);
    }

    // The painted tabs of the reception form: nine, in order, the open one selected, and a press
    // through the interface opens its page.
    void innerTabsExposed() {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(m_inner);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::PageTabList);
        QCOMPARE(list->childCount(), InnerTabs.size() + 1); // the tabs, then the pages
        for (int open : {0, 4, 8}) {
            m_inner->setCurrentIndex(open);
            for (int i = 0; i < InnerTabs.size(); ++i) {
                QAccessibleInterface* tab = list->child(i);
                QVERIFY(tab && tab->isValid());
                QCOMPARE(tab->role(), QAccessible::PageTab);
                QCOMPARE(tab->text(QAccessible::Name), InnerTabs.at(i));
                QCOMPARE(tab->state().selected, i == open);
                QCOMPARE(tab->parent(), list);
                QCOMPARE(list->indexOfChild(tab), i);
            }
        }
        QAccessibleInterface* third = list->child(2);
        QAccessibleActionInterface* action = third->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_inner->currentIndex(), 2);
        QVERIFY(third->state().selected);
        // A point on a tab finds that tab.
        const QRect rect = list->child(5)->rect();
        QCOMPARE(list->childAt(rect.center().x(), rect.center().y()), list->child(5));
    }

    // The calendar's days read as full dates, the calendar by its month.
    void calendarReadsDates() {
        static const char* const months[] = {"januar",    "februar", "mart",     "april",
                                             "maj",       "jun",     "jul",      "avgust",
                                             "septembar", "oktobar", "novembar", "decembar"};
        const QDate today = Today();
        auto* calendar = m_window->findChild<QWidget*>(QStringLiteral("dw_calendar_1"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(calendar);
        QVERIFY(iface && iface->tableInterface());
        QString month = QString::fromLatin1(months[today.month() - 1]);
        QCOMPARE(
            iface->text(QAccessible::Name),
            QStringLiteral("%1%2 %3").arg(month.at(0).toUpper(), month.mid(1)).arg(today.year()));
        const int cell = QDate(today.year(), today.month(), 1).dayOfWeek() % 7 + today.day() - 1;
        // A click on today frames it again, whatever an earlier test picked.
        auto* view = qobject_cast<QAbstractItemView*>(calendar);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(cell / 7, cell % 7)).center());
        QAccessibleInterface* day = iface->tableInterface()->cellAt(cell / 7, cell % 7);
        QVERIFY(day);
        QCOMPARE(day->text(QAccessible::Name),
                 QStringLiteral("%1. %2 %3").arg(today.day()).arg(month).arg(today.year()));
        // Today is the framed day, and the only selected one.
        QVERIFY(day->state().selected);
        QAccessibleInterface* other =
            iface->tableInterface()->cellAt((cell + 7) % 42 / 7, cell % 7);
        QVERIFY(other && !other->state().selected);
        QCOMPARE(iface->tableInterface()->selectedCellCount(), 1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
