// The calendar arithmetic: month grids, start and end of month, captions. Expected cells come
// from a printed calendar, not from the code under test.
#include "domain/appointments/calendar_rules.h"

#include <QTest>

class TestCalendarRules : public QObject {
    Q_OBJECT

private slots:
    void monthGrid_data() {
        QTest::addColumn<QDate>("day"); // any day of the month
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("days");
        QTest::newRow("starts on Sunday, February 2026") << QDate(2026, 2, 17) << 1 << 28;
        QTest::newRow("starts on Saturday, 31 days, August 2026") << QDate(2026, 8, 31) << 7 << 31;
        QTest::newRow("starts on Saturday, 30 days, November 2025")
            << QDate(2025, 11, 1) << 7 << 30;
        QTest::newRow("June 2000, Thursday") << QDate(2000, 6, 14) << 5 << 30;
        QTest::newRow("leap February 2000") << QDate(2000, 2, 29) << 3 << 29;
        QTest::newRow("leap February 2024") << QDate(2024, 2, 1) << 5 << 29;
        QTest::newRow("February 1900, no leap day") << QDate(1900, 2, 10) << 5 << 28;
        QTest::newRow("February 2100, no leap day") << QDate(2100, 2, 28) << 2 << 28;
        QTest::newRow("December 2026") << QDate(2026, 12, 31) << 3 << 31;
    }

    void monthGrid() {
        QFETCH(QDate, day);
        QFETCH(int, firstCell);
        QFETCH(int, days);
        const auto cells = calendar::monthCells(day);
        for (int cell = 1; cell <= 42; ++cell) {
            const bool holdsDay = cell >= firstCell && cell < firstCell + days;
            QCOMPARE(cells[cell - 1], holdsDay ? cell - firstCell + 1 : 0);
        }
        // The frame of each day lands on the cell that shows it.
        QCOMPARE(calendar::dayCell(day), firstCell + day.day() - 1);
    }

    void monthEnds_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::newRow("December into the next year")
            << QDate(2026, 12, 15) << QDate(2026, 12, 1) << QDate(2026, 12, 31);
        QTest::newRow("last day of December")
            << QDate(1999, 12, 31) << QDate(1999, 12, 1) << QDate(1999, 12, 31);
        QTest::newRow("first of January")
            << QDate(2027, 1, 1) << QDate(2027, 1, 1) << QDate(2027, 1, 31);
        QTest::newRow("leap 2024") << QDate(2024, 2, 10) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("leap 2000") << QDate(2000, 2, 1) << QDate(2000, 2, 1) << QDate(2000, 2, 29);
        QTest::newRow("no leap 1900")
            << QDate(1900, 2, 28) << QDate(1900, 2, 1) << QDate(1900, 2, 28);
        QTest::newRow("no leap 2023")
            << QDate(2023, 2, 28) << QDate(2023, 2, 1) << QDate(2023, 2, 28);
        QTest::newRow("31st of a 31-day month")
            << QDate(2026, 1, 31) << QDate(2026, 1, 1) << QDate(2026, 1, 31);
        QTest::newRow("30-day month")
            << QDate(2026, 4, 30) << QDate(2026, 4, 1) << QDate(2026, 4, 30);
    }

    void monthEnds() {
        QFETCH(QDate, day);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QCOMPARE(calendar::startofmonth(day), start);
        QCOMPARE(calendar::endofmonth(day), end);
    }

    void captions_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("caption");
        QTest::newRow("June") << QDate(2000, 6, 30) << "Jun 2000";
        QTest::newRow("July") << QDate(2000, 7, 1) << "Jul 2000";
        QTest::newRow("January") << QDate(2027, 1, 5) << "Januar 2027";
        QTest::newRow("August") << QDate(2026, 8, 1) << "Avgust 2026";
        QTest::newRow("December") << QDate(2026, 12, 8) << "Decembar 2026";
    }

    void captions() {
        QFETCH(QDate, day);
        QFETCH(QString, caption);
        QCOMPARE(calendar::monthCaption(day), caption);
    }
};

QTEST_APPLESS_MAIN(TestCalendarRules)
#include "tst_calendar_rules.moc"
