// The laboratory bill's money rules on their own: line sums, the discount, the bill total. The
// expected figures are worked out by hand.
#include "domain/lab/racun.h"

#include <QTest>

class TestRacun : public QObject {
    Q_OBJECT

private slots:
    void lineSumsAreExact_data() {
        QTest::addColumn<QStringList>("prices");
        QTest::addColumn<QString>("total");
        QTest::newRow("none") << QStringList{} << "0.00";
        QTest::newRow("ten default lines") << QStringList(10, QStringLiteral("10.00")) << "100.00";
        QTest::newRow("tenths that doubles miss")
            << QStringList{"0.10", "0.20", "0.10", "0.20", "0.10", "0.20", "0.10"} << "1.00";
    }
    void lineSumsAreExact() {
        QFETCH(QStringList, prices);
        QFETCH(QString, total);
        QList<Decimal> cene;
        for (const QString& price : prices)
            cene << Decimal::fromText(price);
        QCOMPARE(racun::ukupnaCena(cene).toString(2), total);
        QCOMPARE(racun::podrazumevanaCena().toString(2), QStringLiteral("10.00"));
    }

    void discount_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<double>("toPay");
        QTest::newRow("no pick yet") << "750"
                                     << "" << 750.0;
        QTest::newRow("0") << "750"
                           << "0" << 750.0;
        QTest::newRow("10") << "750"
                            << "10" << 675.0;
        QTest::newRow("25") << "750"
                            << "25" << 562.5;
        QTest::newRow("50 of an odd total") << "120.50"
                                            << "50" << 60.25;
        QTest::newRow("100") << "123.45"
                             << "100" << 0.0;
        QTest::newRow("a total that is no number") << "none"
                                                   << "25" << 0.0;
    }
    void discount() {
        QFETCH(QString, total);
        QFETCH(QString, percent);
        QFETCH(double, toPay);
        QCOMPARE(racun::zaNaplatu(total, percent), toPay);
    }

    void billTotal_data() {
        QTest::addColumn<QStringList>("subtotals");
        QTest::addColumn<QString>("total");
        QTest::newRow("three amounts") << QStringList{"675", "120.5", "0"} << "795.50";
        QTest::newRow("never filled") << QStringList{"none", "none", "none"} << "0.00";
        QTest::newRow("one typed, two never filled")
            << QStringList{"none", "1500.25", "none"} << "1500.25";
        QTest::newRow("a refund") << QStringList{"100", "-25.5", "0"} << "74.50";
    }
    void billTotal() {
        QFETCH(QStringList, subtotals);
        QFETCH(QString, total);
        QCOMPARE(racun::svegaZaNaplatu(subtotals.at(0), subtotals.at(1), subtotals.at(2)), total);
    }
};

QTEST_GUILESS_MAIN(TestRacun)
#include "tst_racun.moc"
