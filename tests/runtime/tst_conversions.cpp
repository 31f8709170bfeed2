// Number conversions, money and dates: the arithmetic every screen relies on; values written
// into a statement as SQLite literals; and texts read as UTF-8 into a list's storage.
#include "runtime/core/convert.h"
#include "runtime/core/dates.h"
#include "runtime/core/decimal.h"
#include "runtime/core/result_columns.h"
#include "runtime/core/sql_literals.h"
#include "runtime/core/transaction.h"
#include "runtime/core/unit_arithmetic.h"

#include <QTest>

#include <limits>

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("integer") << "675" << 675.0;
        QTest::newRow("decimal") << "120.5" << 120.5;
        QTest::newRow("padded") << "  12.25 " << 12.25;
        QTest::newRow("negative") << "-3.5" << -3.5;
        QTest::newRow("stored none") << "none" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters after digits") << "12abc" << 0.0;
        QTest::newRow("comma is no decimal point") << "1,5" << 0.0;
        QTest::newRow("infinity text") << "1e999" << 0.0;
    }
    void textToNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(toDouble(text), expected);
    }

    void integerConversionSaturates() {
        QCOMPARE(toInteger(QStringLiteral("42")), 42);
        QCOMPARE(toInteger(QStringLiteral("")), 0);
        QCOMPARE(toInteger(QStringLiteral("9999999999")), 2147483647);
    }

    void displayFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two places") << 795.5 << "0.00"
                                    << "795.50";
        QTest::newRow("half up that binary would round down") << 7.575 << "0.00"
                                                              << "7.58";
        QTest::newRow("1.005") << 1.005 << "0.00"
                               << "1.01";
        QTest::newRow("half away from zero, negative") << -2.345 << "0.00"
                                                       << "-2.35";
        QTest::newRow("zero") << 0.0 << "0.00"
                              << "0.00";
        QTest::newRow("tiny negative is zero") << -0.001 << "0.00"
                                               << "0.00";
        QTest::newRow("no places") << 2.5 << "0"
                                   << "3";
        QTest::newRow("grouping") << 1234567.891 << "#,##0.00"
                                  << "1,234,567.89";
        QTest::newRow("large amount") << 123456789.125 << "0.00"
                                      << "123456789.13";
        // Beyond the range of an exact amount these once overflowed into a wrong figure.
        QTest::newRow("sixteen digits") << 9999999999999999.0 << "0.00"
                                        << "10000000000000000.00";
        QTest::newRow("sixteen digits, negative, grouped") << -2.5e15 << "#,##0.00"
                                                           << "-2,500,000,000,000,000.00";
        QTest::newRow("rounds up to fifteen digits") << 99999999999999.996 << "0.00"
                                                     << "100000000000000.00";
    }
    void displayFormat() {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(formatNumber(value, format), expected);
    }

    void decimalSumsAreExact() {
        Decimal sum;
        for (int i = 0; i < 10; ++i)
            sum += Decimal::fromText(QStringLiteral("0.10"));
        QCOMPARE(sum, Decimal::fromText(QStringLiteral("1")));
        QCOMPARE(sum.toString(2), QStringLiteral("1.00"));
        QCOMPARE(Decimal::fromText(QStringLiteral("10.00")).toString(), QStringLiteral("10"));
        QCOMPARE(Decimal::fromText(QStringLiteral("12.50")).toString(), QStringLiteral("12.5"));
        QCOMPARE(Decimal::fromText(QStringLiteral("abc")), Decimal());
        QCOMPARE(Decimal::fromDouble(0.1 + 0.2, 2).toString(2), QStringLiteral("0.30"));
        QCOMPARE(Decimal::fromText(QStringLiteral("-0.755")).toString(2), QStringLiteral("-0.76"));
        // Past fourteen whole digits a text or double is no amount (it once overflowed).
        QCOMPARE(Decimal::fromText(QStringLiteral("000000000000000012.5")).toString(),
                 QStringLiteral("12.5"));
        QCOMPARE(Decimal::fromText(QStringLiteral("9999999999999999")), Decimal());
        QCOMPARE(Decimal::fromDouble(4.827131984655926e15), Decimal());
        QCOMPARE(Decimal::fromText(QStringLiteral("99999999999999.9999999")).toString(),
                 QStringLiteral("100000000000000"));
        QCOMPARE(Decimal::fromText(QStringLiteral("100000000000000.0001")), Decimal());
        const Decimal most = Decimal::fromText(QStringLiteral("99999999999999.9999"));
        QCOMPARE(most.toString(2), QStringLiteral("100000000000000.00"));
        Decimal many;
        for (int i = 0; i < 10; ++i)
            many += most;
        QVERIFY(many.scaled() > 0);
        QCOMPARE(Decimal::fromScaled(std::numeric_limits<qint64>::min()).toString(0),
                 QStringLiteral("-922337203685478"));
    }

    void dayNumberCountsFromSunday() {
        QCOMPARE(DayNumber(QDate(2026, 12, 6)), 1);  // a Sunday
        QCOMPARE(DayNumber(QDate(2026, 12, 12)), 7); // a Saturday
        QCOMPARE(Day(QDate(2026, 2, 28)), 28);
        QCOMPARE(RelativeDate(QDate(2026, 2, 28), 1), QDate(2026, 3, 1));
        QCOMPARE(RelativeDate(QDate(2024, 3, 1), -1), QDate(2024, 2, 29));
    }

    void dateOfColumn_data() {
        QTest::addColumn<QVariant>("column");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("a date") << QVariant(QDate(2026, 12, 9)) << QDate(2026, 12, 9);
        QTest::newRow("ISO text") << QVariant(QStringLiteral("2026-12-09")) << QDate(2026, 12, 9);
        QTest::newRow("a time after it")
            << QVariant(QStringLiteral("2024-02-29 00:00:00")) << QDate(2024, 2, 29);
        QTest::newRow("no 29 February in 2026")
            << QVariant(QStringLiteral("2026-02-29")) << QDate();
        QTest::newRow("month 13") << QVariant(QStringLiteral("2026-13-01")) << QDate();
        QTest::newRow("a letter in the day") << QVariant(QStringLiteral("2026-12-0x")) << QDate();
        QTest::newRow("short") << QVariant(QStringLiteral("2026-1-9")) << QDate();
        QTest::newRow("NULL") << QVariant() << QDate();
    }

    void dateOfColumn() {
        QFETCH(QVariant, column);
        QFETCH(QDate, expected);
        QCOMPARE(::dateOfColumn(column), expected);
    }

    void todayCanBePinned() {
        setTodayForTesting(QDate(2027, 1, 31));
        QCOMPARE(Today(), QDate(2027, 1, 31));
        setTodayForTesting(QDate());
        QCOMPARE(Today(), QDate::currentDate());
    }

    void centringArithmetic_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("expected");
        QTest::newRow("even excess") << 6000 << 3694 << 1153;
        QTest::newRow("odd excess of one truncates to 0") << 3695 << 3694 << 0;
        QTest::newRow("odd excess of five") << 105 << 100 << 2;
        QTest::newRow("larger than screen by three") << 100 << 103 << -1;
        QTest::newRow("larger than screen by seven") << 3000 << 3007 << -3;
        QTest::newRow("same size") << 1362 << 1362 << 0;
    }
    void centringArithmetic() {
        QFETCH(int, screen);
        QFETCH(int, window);
        QFETCH(int, expected);
        QCOMPARE(int(centredPosition(screen, window)), expected);
    }

    void sqliteLiterals_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("inputs");
        QTest::addColumn<QString>("expected"); // empty: the caller must bind
        const QString list =
            QStringLiteral("SELECT ime FROM adresar WHERE prezime LIKE ? AND x = ?");
        QTest::newRow("letter and number")
            << list << QVariantList{QStringLiteral("Đ%"), 7}
            << QStringLiteral("SELECT ime FROM adresar WHERE prezime LIKE 'Đ%' AND x = 7");
        QTest::newRow("quotes doubled, marks inside a text stay text")
            << list << QVariantList{QStringLiteral("x' OR '1'='1"), QStringLiteral("?;{fn}")}
            << QStringLiteral("SELECT ime FROM adresar WHERE prezime LIKE 'x'' OR ''1''=''1' "
                              "AND x = '?;{fn}'");
        QTest::newRow("typed NULLs")
            << list << QVariantList{nullText(), nullInteger()}
            << QStringLiteral("SELECT ime FROM adresar WHERE prezime LIKE NULL AND x = NULL");
        QTest::newRow("a mark in the statement's own literal is no mark")
            << QStringLiteral("SELECT 'a?''b' || ? FROM t") << QVariantList{QStringLiteral("c")}
            << QStringLiteral("SELECT 'a?''b' || 'c' FROM t");
        QTest::newRow("NUL in a text")
            << list << QVariantList{QStringLiteral("a\0b"), 1} << QString();
        QTest::newRow("a lone surrogate in a text")
            << list << QVariantList{QStringLiteral("a") + QChar(0xD800), 1} << QString();
        QTest::newRow("a negative number after a minus is no comment")
            << QStringLiteral("SELECT 1 - ?") << QVariantList{-5}
            << QStringLiteral("SELECT 1 - (-5)");
        QTest::newRow("a date") << list << QVariantList{QStringLiteral("A%"), QDate(2026, 1, 2)}
                                << QString();
        QTest::newRow("too few inputs") << list << QVariantList{QStringLiteral("A%")} << QString();
        QTest::newRow("too many inputs")
            << list << QVariantList{QStringLiteral("A%"), 1, 2} << QString();
        QTest::newRow("numbered mark")
            << QStringLiteral("SELECT ?1") << QVariantList{1} << QString();
        QTest::newRow("named parameter")
            << QStringLiteral("SELECT :ime, ?") << QVariantList{1} << QString();
        QTest::newRow("comment") << QStringLiteral("SELECT ? -- ?") << QVariantList{1} << QString();
        QTest::newRow("unclosed quote")
            << QStringLiteral("SELECT ?, 'a") << QVariantList{1} << QString();
    }
    void sqliteLiterals() {
        QFETCH(QString, sql);
        QFETCH(QVariantList, inputs);
        QFETCH(QString, expected);
        QCOMPARE(sqliteStatementWithLiterals(sql, inputs).value_or(QString()), expected);
    }
    // Texts the embedded database hands over as UTF-8 (given here in hex) are stored as its
    // driver's own conversion gave them (a leading byte order mark kept), ill-formed ones as
    // QString::fromUtf8 decodes them (expected empty); the value after each must not change.
    void utf8TextIsStoredAsQtDecodesIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << QByteArray("50657472") << "Petr";
        QTest::newRow("two-byte letters") << QByteArray("c4906f72c491c5a0") << "ĐorđŠ";
        QTest::newRow("byte order mark kept, three bytes")
            << QByteArray("efbbbfe282ac35") << QChar(0xFEFF) + QStringLiteral("€5");
        QTest::newRow("four bytes, two units")
            << QByteArray("61f09d849e") << QString::fromUtf16(u"a\U0001D11E");
        QTest::newRow("ill-formed after a byte order mark")
            << QByteArray("efbbbf80") << QString(QChar(0xFEFF)) + QChar(0xFFFD);
        QTest::newRow("lone continuation byte") << QByteArray("618063") << QString();
        QTest::newRow("encoded surrogate") << QByteArray("78eda080") << QString();
        QTest::newRow("cut short") << QByteArray("c5a0c5") << QString();
        QTest::newRow("past U+10FFFF") << QByteArray("f490808061") << QString();
    }
    void utf8TextIsStoredAsQtDecodesIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        bytes = QByteArray::fromHex(bytes);
        if (expected.isEmpty())
            expected = QString::fromUtf8(bytes);
        ResultColumns rows;
        rows.reset({ResultColumns::Kind::Text});
        for (const QByteArray& value : {bytes, QByteArray("next")}) {
            rows.appendUtf8(0, value.constData(), value.size());
            rows.commitRow();
        }
        QCOMPARE(rows.text(0, 0), expected);
        QCOMPARE(rows.text(1, 0), QStringLiteral("next"));
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
