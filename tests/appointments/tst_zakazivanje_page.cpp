// The ZAKAZIVANJE page on fixed dates: start-up state, month browsing, picking days, the day
// sheet, and that nothing on the page reaches the database. Today is Wednesday 14 June 2000:
// June 2000 starts on a Thursday (cell 5, today in cell 18), May on a Monday (cell 2), July on a
// Saturday (cell 7), August on a Tuesday (cell 3), September on a Friday (cell 6).
#include "runtime/core/builtins.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/dates.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/beep.h"
#include "runtime/widgets/calendar_data_window.h"
#include "runtime/widgets/static_text.h"
#include "tests/support/app_fixture.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/main/mab_la.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>

#include <memory>

using Cells = QList<int>;

namespace {

const QDate Today_ = QDate(2000, 6, 14);

Cells framed(CalendarDataWindow* calendar) {
    Cells cells;
    for (int cell = 1; cell <= 42; ++cell)
        if (calendar->calendarModel()->indexOfCell(cell).data(CalendarModel::BorderRole) == 5)
            cells << cell;
    return cells;
}

// The cell that shows day 1: read through the model, as assistive tools read the grid.
int firstDayCell(CalendarDataWindow* calendar) {
    for (int cell = 1; cell <= 42; ++cell)
        if (calendar->calendarModel()->indexOfCell(cell).data(Qt::EditRole).toInt() == 1)
            return cell;
    return 0;
}

QPoint cellCentre(CalendarDataWindow* calendar, int cell) {
    return calendar->visualRect(calendar->calendarModel()->indexOfCell(cell)).center();
}

} // namespace

class TestZakazivanjePage : public QObject {
    Q_OBJECT

    std::unique_ptr<tab_zakazivanje> m_page;
    std::unique_ptr<QAbstractItemModelTester> m_tester1, m_tester2;

    CalendarDataWindow* calendar(int number) {
        return number == 1 ? m_page->dw_calendar_1() : m_page->dw_calendar_2();
    }

    // Runs user actions separated by blanks: "<" and ">" click the arrows; "1:N" clicks cell N of
    // calendar 1, "h1" its header band; a leading "d" makes it a double click as a mouse sends it
    // (two clicks and the double click), a leading "D" sends the double-click event alone, and a
    // leading "k" moves the keyboard to the cell and presses Enter.
    void perform(const QString& actions) {
        static const QRegularExpression pattern(QStringLiteral("^([dDk]?)(h?)([12])(?::(\\d+))?$"));
        for (const QString& action : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (action == QLatin1String("<") || action == QLatin1String(">")) {
                const QString name =
                    action == QLatin1String("<") ? QStringLiteral("st_4") : QStringLiteral("st_2");
                MAB_FIND(arrow, StaticText, m_page.get(), qPrintable(name));
                QTest::mouseClick(arrow, Qt::LeftButton);
                continue;
            }
            const QRegularExpressionMatch match = pattern.match(action);
            QVERIFY2(match.hasMatch(), qPrintable(action));
            CalendarDataWindow* target = calendar(match.captured(3).toInt());
            QWidget* surface = match.captured(2).isEmpty() ? target->viewport()
                                                           : target->horizontalHeader()->viewport();
            const QPoint at = match.captured(2).isEmpty()
                                  ? cellCentre(target, match.captured(4).toInt())
                                  : QPoint(surface->width() / 2, surface->height() / 2);
            if (match.captured(1) == QLatin1String("d")) {
                QTest::mouseDClick(surface, Qt::LeftButton, {}, at);
            } else if (match.captured(1) == QLatin1String("D")) {
                QMouseEvent event(QEvent::MouseButtonDblClick, at, surface->mapToGlobal(at),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(surface, &event);
            } else if (match.captured(1) == QLatin1String("k")) {
                target->setCurrentIndex(
                    target->calendarModel()->indexOfCell(match.captured(4).toInt()));
                QTest::keyClick(target, Qt::Key_Return);
            } else {
                QTest::mouseClick(surface, Qt::LeftButton, {}, at);
            }
        }
    }

private slots:
    void init() {
        setTodayForTesting(Today_);
        m_page = std::make_unique<tab_zakazivanje>();
        m_tester1 = std::make_unique<QAbstractItemModelTester>(calendar(1)->calendarModel());
        m_tester2 = std::make_unique<QAbstractItemModelTester>(calendar(2)->calendarModel());
        m_page->resize(900, 560);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    void cleanup() {
        m_tester1.reset();
        m_tester2.reset();
        m_page.reset();
        setTodayForTesting(QDate());
    }

    void startUp() {
        QCOMPARE(m_page->dcaldate(), QDate(2000, 7, 1));
        QCOMPARE(m_page->icalhilite(), qint16(0));
        auto* model = calendar(1)->calendarModel();
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(model->columnCount(), 7);
        const QStringList header{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
        for (int column = 0; column < 7; ++column)
            QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), header.at(column));
        // Display format "## ": a day with a trailing blank, an empty cell shows nothing.
        QCOMPARE(model->indexOfCell(18).data().toString(), QStringLiteral("14 "));
        QCOMPARE(model->indexOfCell(4).data().toString(), QString());
        QVERIFY(!(model->flags(model->indexOfCell(18)) & Qt::ItemIsEditable));
        QVERIFY(calendar(1)->geometry().right() < calendar(2)->geometry().left());
    }

    void browseAndPick_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QDate>("held");
        QTest::addColumn<int>("hilite");
        QTest::addColumn<Cells>("frames1");
        QTest::addColumn<Cells>("frames2");
        QTest::addColumn<QString>("caption1");
        QTest::addColumn<QString>("caption2");
        QTest::addColumn<int>("firstDay1");
        QTest::addColumn<int>("firstDay2");
        QTest::addColumn<int>("beeps");

        const QDate july1(2000, 7, 1);
        QTest::newRow("start-up: today framed, next month without a frame")
            << "" << july1 << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("first previous month shows this month again")
            << "<" << QDate(2000, 6, 30) << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("second previous month shows the month before")
            << "< <" << QDate(2000, 5, 31) << 0 << Cells{18} << Cells{} << "Maj 2000"
            << "Jul 2000" << 2 << 7 << 0;
        QTest::newRow("next month advances the right calendar")
            << ">" << QDate(2000, 8, 1) << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Avgust 2000" << 5 << 3 << 0;
        QTest::newRow("each next month advances it again")
            << "> >" << QDate(2000, 9, 1) << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Septembar 2000" << 5 << 6 << 0;
        QTest::newRow("header clicks change nothing")
            << "h1 h2" << july1 << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("empty cells change nothing")
            << "1:1 2:6 2:38 1:42" << july1 << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("day 15 while the held date is in June; today's frame stays")
            << "< 1:19" << QDate(2000, 6, 15) << 19 << Cells{18, 19} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("day in the held date's month")
            << "2:16" << QDate(2000, 7, 10) << 16 << Cells{18} << Cells{16} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("Enter picks the keyboard's cell")
            << "k2:16" << QDate(2000, 7, 10) << 16 << Cells{18} << Cells{16} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("the other calendar picks the day under the pointer")
            << "1:24" << QDate(2000, 6, 20) << 24 << Cells{18, 24} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("a second pick moves the frame")
            << "2:16 2:20" << QDate(2000, 7, 14) << 20 << Cells{18} << Cells{20} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("previous month after a pick frames the last day on the left")
            << "2:16 <" << QDate(2000, 6, 30) << 34 << Cells{18, 34} << Cells{16} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("next month after a pick frames the first day on the right")
            << "1:24 >" << QDate(2000, 7, 1) << 7 << Cells{18, 24} << Cells{7} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 0;
        QTest::newRow("previous month after a pick on the left moves the left frame")
            << "1:24 <" << QDate(2000, 5, 31) << 32 << Cells{18, 32} << Cells{} << "Maj 2000"
            << "Jul 2000" << 2 << 7 << 0;
        QTest::newRow("double click on the picked day beeps once")
            << "2:16 d2:16" << QDate(2000, 7, 10) << 16 << Cells{18} << Cells{16} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 1;
        QTest::newRow("double click by itself changes nothing")
            << "2:16 D2:20 D1:19" << QDate(2000, 7, 10) << 16 << Cells{18} << Cells{16}
            << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 2;
        QTest::newRow("double click on the header or an empty cell")
            << "dh1 d2:2" << july1 << 0 << Cells{18} << Cells{} << "Jun 2000"
            << "Jul 2000" << 5 << 7 << 2;
    }

    void browseAndPick() {
        QFETCH(QString, actions);
        QFETCH(QDate, held);
        QFETCH(int, hilite);
        QFETCH(Cells, frames1);
        QFETCH(Cells, frames2);
        QFETCH(QString, caption1);
        QFETCH(QString, caption2);
        QFETCH(int, firstDay1);
        QFETCH(int, firstDay2);
        QFETCH(int, beeps);

        const int beepsBefore = beepsGiven();
        perform(actions);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_page->dcaldate(), held);
        QCOMPARE(int(m_page->icalhilite()), hilite);
        QCOMPARE(framed(calendar(1)), frames1);
        QCOMPARE(framed(calendar(2)), frames2);
        MAB_FIND(st_cal_1, QLabel, m_page.get(), "st_cal_1");
        MAB_FIND(st_cal_2, QLabel, m_page.get(), "st_cal_2");
        QCOMPARE(st_cal_1->text(), caption1);
        QCOMPARE(st_cal_2->text(), caption2);
        QCOMPARE(firstDayCell(calendar(1)), firstDay1);
        QCOMPARE(firstDayCell(calendar(2)), firstDay2);
        QCOMPARE(beepsGiven() - beepsBefore, beeps);
    }

    void oneRepaintPerMonthChange() {
        QSignalSpy left(calendar(1)->calendarModel(), &QAbstractItemModel::dataChanged);
        QSignalSpy right(calendar(2)->calendarModel(), &QAbstractItemModel::dataChanged);
        perform(QStringLiteral(">"));
        QCOMPARE(right.count(), 1);
        perform(QStringLiteral("2:16 >")); // with a frame tracked, the frame moves in the same go
        QCOMPARE(right.count(), 3);        // one for the pick, one for the month
        QCOMPARE(left.count(), 0);
    }

    void daySheetIsFixed() {
        MAB_FIND(sheet, QTableView, m_page.get(), "dw_zakazivanje");
        MAB_FIND(list, QListWidget, m_page.get(), "lb_1");
        MAB_FIND(group, QGroupBox, m_page.get(), "gb_1");
        QCOMPARE(group->title(), QStringLiteral("Zakazivanje pregleda"));
        QCOMPARE(m_page->property("tag").toString(), QStringLiteral("Zakazivanje bolidima"));
        QCOMPARE(sheet->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Sat"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        for (QWidget* control : m_page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control != group)
                QVERIFY2(group->geometry().contains(control->geometry()),
                         qPrintable(control->objectName()));

        for (const QString& actions :
             {QString(), QStringLiteral("2:16"), QStringLiteral("< < 1:9")}) {
            perform(actions);
            QCOMPARE(sheet->model()->rowCount(), 31);
            QCOMPARE(sheet->model()->index(0, 0).data().toString(), QStringLiteral("07:00"));
            QCOMPARE(sheet->model()->index(1, 0).data().toString(), QStringLiteral("07:30"));
            QCOMPARE(sheet->model()->index(30, 0).data().toString(), QStringLiteral("22:00"));
            QCOMPARE(list->count(), 0);
        }
        QCOMPARE(sheet->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    // In the running program: mab_la's calendar variables are the page's state, its entry points
    // reach the page, and browsing, picking and clicking on the page only read: no unit of work
    // holds a write afterwards and no table changed.
    void inTheProgramThePageOnlyReads() {
        AppFixture fixture;
        QVERIFY(fixture.provision());
        mab_la* window = fixture.start();
        QVERIFY(window);
        tab_zakazivanje* page = window->zakazivanje();
        window->tabMain()->setCurrentWidget(page);
        QCOMPARE(window->dcaldate(), QDate(2000, 7, 1));
        QCOMPARE(window->icalhilite(), qint16(0));
        const int people = fixture.db().count(QStringLiteral("adresar"));
        const int bookings = fixture.db().count(QStringLiteral("zakazivanje"));

        MAB_FIND(next, StaticText, page, "st_2");
        MAB_FIND(previous, StaticText, page, "st_4");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(previous, Qt::LeftButton);
        CalendarDataWindow* right = page->dw_calendar_2();
        QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, cellCentre(right, 16));
        QTest::mouseDClick(right->viewport(), Qt::LeftButton, {}, cellCentre(right, 16));
        // August (from cell 3) on the right, July on the left: cell 16 is 14 August.
        QCOMPARE(window->dcaldate(), QDate(2000, 8, 14));
        QCOMPARE(window->icalhilite(), qint16(16));
        window->showmonth(page->dw_calendar_1());
        QCOMPARE(framed(page->dw_calendar_1()), (Cells{16, 18}));
        MAB_FIND(list, QListWidget, page, "lb_1");
        list->selectAll();
        MAB_FIND(sheet, QTableView, page, "dw_zakazivanje");
        QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {},
                          sheet->visualRect(sheet->model()->index(3, 0)).center());

        QVERIFY(!sqlca().holdsWrites());
        QCOMPARE(fixture.db().count(QStringLiteral("adresar")), people);
        QCOMPARE(fixture.db().count(QStringLiteral("zakazivanje")), bookings);
        QCOMPARE(fixture.modals().unexpected(), 0);
        fixture.stop();
    }
};

QTEST_MAIN(TestZakazivanjePage)
#include "tst_zakazivanje_page.moc"
