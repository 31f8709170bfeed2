// The "0.00" edit mask as a cashier uses it: the shown amount, typing over it, leaving the field.
#include "runtime/widgets/controls.h"

#include <QSignalSpy>
#include <QTest>

class TestEditMask : public QObject {
    Q_OBJECT

private slots:
    void showsTwoDecimalsAndNoneAsZero_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("never filled") << "none"
                                      << "0.00";
        QTest::newRow("whole") << "675"
                               << "675.00";
        QTest::newRow("one decimal") << "562.5"
                                     << "562.50";
        QTest::newRow("half away from zero") << "7.575"
                                             << "7.58";
        QTest::newRow("letters") << "abc"
                                 << "0.00";
        // A computed amount past the decimal range once overflowed into a wrong figure.
        QTest::newRow("fifteen digits") << "999999999999999"
                                        << "999999999999999.00";
        QTest::newRow("beyond a double") << "1e999"
                                         << "0.00";
    }
    void showsTwoDecimalsAndNoneAsZero() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        EditMask mask(QStringLiteral("em"), QStringLiteral("0.00"));
        mask.setValue(stored);
        QCOMPARE(mask.text(), shown);
    }

    void typingReplacesTheShownAmount() {
        QWidget window;
        auto* first = new EditMask(QStringLiteral("em_first"), QStringLiteral("0.00"), &window);
        auto* mask = new EditMask(QStringLiteral("em_amount"), QStringLiteral("0.00"), &window);
        mask->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        first->setFocus();
        QSignalSpy modified(mask, &EditMask::modified);

        QTest::mouseClick(mask, Qt::LeftButton, {}, QPoint(mask->width() - 4, mask->height() / 2));
        QTRY_COMPARE(mask->selectedText(), QStringLiteral("0.00"));
        QTest::keyClicks(mask, QStringLiteral("120.5"));
        QCOMPARE(mask->text(), QStringLiteral("120.5"));
        QVERIFY(modified.count() >= 1);

        // Leaving the field shows the amount in the mask's format.
        QTest::keyClick(mask, Qt::Key_Tab);
        QCOMPARE(mask->text(), QStringLiteral("120.50"));

        // A third decimal or a letter is not taken.
        mask->setFocus(Qt::OtherFocusReason);
        mask->deselect();
        mask->end(false);
        QTest::keyClicks(mask, QStringLiteral("7x"));
        QCOMPARE(mask->text(), QStringLiteral("120.50"));
    }
};

QTEST_MAIN(TestEditMask)
#include "tst_edit_mask.moc"
