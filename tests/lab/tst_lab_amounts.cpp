// Amounts nobody meant to type in the laboratory page's subtotals: whatever the subtotal masks
// hold, the bill total is a number with two decimals, never "nan" or "inf".
#include "runtime/widgets/controls.h"
#include "tests/support/app_fixture.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/main/mab_la.h"

#include <QRegularExpression>
#include <QTest>

class TestLabAmounts : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_lab_analize* m_page = nullptr;
    int m_tried = 0;

    QList<EditMask*> subtotals() const {
        return {m_page->em_ukupno_hem(), m_page->em_ukupno_biohem(), m_page->em_ukupno_urin()};
    }
    static bool isAmount(const QString& text) {
        static const QRegularExpression amount(QStringLiteral("^-?[0-9]+\\.[0-9]{2}$"));
        return amount.match(text).hasMatch();
    }

    // Whether shown is typed with some characters left out.
    static bool keptInOrder(const QString& shown, const QString& typed) {
        qsizetype at = 0;
        for (const QChar c : shown) {
            at = typed.indexOf(c, at);
            if (at < 0)
                return false;
            ++at;
        }
        return true;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->labAnalize();
        QVERIFY(m_page);
    }

    void cleanupTestCase() { qInfo("amount inputs tried: %d", m_tried); }

    void theTotalIsAlwaysAnAmount_data() {
        QTest::addColumn<QString>("value");
        for (const char* value :
             {"abc", "12,50", "1e5", "-25", "-0.005", "1e308", "1e400", "-1e400", "nan", "inf",
              "-inf", "0x10", " 7 ", "", "   ", "12.50.3", "99999999999999999999999999999",
              "1.7976931348623157e308"})
            QTest::newRow(value) << QString::fromLatin1(value);
    }
    void theTotalIsAlwaysAnAmount() {
        QFETCH(QString, value);
        // The value in one subtotal, then in all three at once (sums that overflow).
        for (int filled = 1; filled <= 3; ++filled) {
            for (int i = 0; i < 3; ++i)
                subtotals()[i]->setText(i < filled ? value : QStringLiteral("10"));
            m_window->svega_za_naplatu();
            const QString total = m_page->em_svega_analize()->text();
            QVERIFY2(isAmount(total), qPrintable(total));
            m_window->svega_za_naplatu();
            QCOMPARE(m_page->em_svega_analize()->text(), total); // the same every time
            ++m_tried;
        }
        // Typed, as the user does: the mask and the recomputation after every key.
        EditMask* typed = m_page->em_ukupno_hem();
        typed->setFocus();
        typed->selectAll();
        QTest::keyClick(typed, Qt::Key_Delete);
        QTest::keyClicks(typed, value);
        // The field shows no more than was typed (its mask may refuse keys); only the total is
        // computed, and it stays an amount.
        QVERIFY2(keptInOrder(typed->text(), value), qPrintable(typed->text()));
        QVERIFY2(isAmount(m_page->em_svega_analize()->text()),
                 qPrintable(m_page->em_svega_analize()->text()));
        ++m_tried;
    }
};

QTEST_MAIN(TestLabAmounts)
#include "tst_lab_amounts.moc"
