// The hematology order window on the seeded catalogue: opening it, the selection buttons, the
// price panel's arithmetic and "Prihvati" carrying the amount to the laboratory page.
#include "tests/lab/lab_support.h"
#include "ui/lab/tab_lab_analize.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

using namespace lab;

class TestHematologyOrder : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_lab_analize* m_page = nullptr;

    w_hematologija_unos* open() {
        w_hematologija_unos* window = openOrderWindow(m_window);
        if (!window || !QTest::qWaitForWindowExposed(window))
            return nullptr;
        // Focus moves between fields only in the active window.
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window) ? window : nullptr;
    }

    void accept(w_hematologija_unos* window) {
        QPointer<w_hematologija_unos> guard = window;
        QTest::mouseClick(window->uo_cena()->pb_hemanaliza_cene(), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->labAnalize();
        QVERIFY(m_page);
    }

    void cleanup() {
        QVERIFY(closeOrderWindow());
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        QCOMPARE(m_fixture.modals().pending(), 0);
    }

    void opensWithoutBlockingCentredWithItsControls() {
        w_hematologija_unos* window = open();
        // The click has returned while the window is open: it does not block its caller.
        QCOMPARE(visibleWindows(QStringLiteral("w_hematologija_unos")).size(), 1);
        QVERIFY(!window->isModal());
        QVERIFY(window->windowTitle().isEmpty());
        QVERIFY(!window->zatvori);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int expectedX =
            UnitsToPixels(centredPosition(PixelsToUnits(screen.width(), UnitDirection::Horizontal),
                                          unitsWidth(window)),
                          UnitDirection::Horizontal);
        QVERIFY2(qAbs(window->x() - expectedX) <= 1, qPrintable(QString::number(window->x())));

        // The four buttons in one row, left to right, below the lines; the panel below them.
        const QStringList order{"cb_selekt_inverzno", "cb_selekt_leukocit", "cb_selekt_sve",
                                "cb_deselekt_sve"};
        const QStringList texts{"Inverzni izbor", "Leukocitna formula", "Sve analize",
                                "Nijedna analiza"};
        int previousX = -1;
        for (int i = 0; i < order.size(); ++i) {
            MAB_FIND(button, QPushButton, window, order.at(i).toUtf8().constData());
            QCOMPARE(button->text(), texts.at(i));
            QVERIFY(button->x() > previousX);
            QVERIFY(button->y() > window->linije()->parentWidget()->geometry().top());
            previousX = button->x();
        }
        MAB_FIND(box, QGroupBox, window, "gb_hematologija_unos");
        QCOMPARE(box->title(), QStringLiteral("Hematološke analize"));
        MAB_FIND(heading, QLabel, window, "st_leukocitna_formula");
        QCOMPARE(heading->text(), QStringLiteral("Leukocitna formula"));
        QVERIFY(heading->x() >= window->linija(13)->x());
        MAB_FIND(panel, obj_hemanaliza_cena, window, "uo_cena");
        QVERIFY(panel->y() >= box->geometry().bottom());
        QVERIFY(window->rect().contains(panel->geometry()));
    }

    void theButtonBringsTheOpenWindowForward() {
        w_hematologija_unos* window = open();
        obj_hemanaliza_unos* first = window->linija(1);
        first->cbx_raditi()->click();
        QCOMPARE(open(), window);
        QCOMPARE(visibleWindows(QStringLiteral("w_hematologija_unos")).size(), 1);
        QCOMPARE(window->linija(1), first);
        QVERIFY(first->raditi());
        QCOMPARE(window->uoo_broj, qint16(18));
    }

    void closeRequestsAreRefusedUntilAccepted() {
        w_hematologija_unos* window = open();
        window->close();
        QTest::keyClick(window, Qt::Key_Escape);
        Close(window);
        QTest::qWait(50);
        QVERIFY(window->isVisible());
        QCOMPARE(m_page->hematologija(), window);
        QPointer<w_hematologija_unos> guard = window;
        QTest::mouseClick(window->uo_cena()->pb_hemanaliza_cene(), Qt::LeftButton);
        QVERIFY(window->zatvori);
        QTRY_VERIFY(guard.isNull());
    }

    void selectionButtons_data() {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("expected"); // 12 left lines, then 6 right ones
        const QString none(18, QLatin1Char('0'));
        const QString all(18, QLatin1Char('1'));
        QTest::newRow("all") << QList<int>{} << QStringList{"cb_selekt_sve"} << all;
        QTest::newRow("none after all")
            << QList<int>{} << QStringList{"cb_selekt_sve", "cb_deselekt_sve"} << none;
        QTest::newRow("leukocyte formula only")
            << QList<int>{2} << QStringList{"cb_selekt_leukocit"}
            << QStringLiteral("010000000000111111");
        QTest::newRow("leukocyte formula after all")
            << QList<int>{} << QStringList{"cb_selekt_sve", "cb_selekt_leukocit"} << all;
        QTest::newRow("inverse") << QList<int>{1, 12, 14} << QStringList{"cb_selekt_inverzno"}
                                 << QStringLiteral("011111111110101111");
        QTest::newRow("inverse twice restores")
            << QList<int>{1, 12, 14} << QStringList{"cb_selekt_inverzno", "cb_selekt_inverzno"}
            << QStringLiteral("100000000001010000");
    }
    void selectionButtons() {
        QFETCH(QList<int>, ticked);
        QFETCH(QStringList, buttons);
        QFETCH(QString, expected);
        w_hematologija_unos* window = open();
        for (int index : ticked)
            window->linija(index)->cbx_raditi()->click();
        for (const QString& button : buttons)
            clickButton(window, button.toUtf8().constData());
        QCOMPARE(checkPattern(window), expected);
        // Every button ends by recomputing the price of what is checked.
        const int checked = int(expected.count(QLatin1Char('1')));
        QCOMPARE(total(window), QStringLiteral("%1.00").arg(checked * 10));
    }

    void tickingALineByMouseOrKeyboardRecomputes() {
        w_hematologija_unos* window = open();
        QCheckBox* first = window->linija(1)->cbx_raditi();
        QTest::mouseClick(first, Qt::LeftButton, {},
                          QPoint(first->width() / 2, first->height() / 2));
        QCOMPARE(total(window), QStringLiteral("10.00"));
        QVERIFY(first->hasFocus() || QApplication::focusWidget() == first);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->linija(2)->cbx_raditi());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(total(window), QStringLiteral("20.00"));
        QCOMPARE(amount(window), QStringLiteral("20.00"));
    }

    void enterPressesOnlyTheFocusedButton() {
        w_hematologija_unos* window = open();
        EditMask* ukupna = window->uo_cena()->em_hemat_cena_ukupna();
        ukupna->setFocus();
        QTest::keyClick(ukupna, Qt::Key_Return);
        QCOMPARE(checkPattern(window), QString(18, QLatin1Char('0')));
        QVERIFY(window->isVisible());

        MAB_FIND(sve, QPushButton, window, "cb_selekt_sve");
        sve->setFocus();
        QTest::keyClick(sve, Qt::Key_Return);
        QCOMPARE(checkPattern(window), QString(18, QLatin1Char('1')));

        PictureButton* prihvati = window->uo_cena()->pb_hemanaliza_cene();
        prihvati->setFocus();
        QPointer<w_hematologija_unos> guard = window;
        QTest::keyClick(prihvati, Qt::Key_Return);
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("180.00"));
    }

    void workedDiscountExample_data() {
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 %") << "10"
                              << "675.00";
        QTest::newRow("25 %") << "25"
                              << "562.50";
        QTest::newRow("50 %") << "50"
                              << "375.00";
        QTest::newRow("100 %") << "100"
                               << "0.00";
        QTest::newRow("0 %") << "0"
                             << "750.00";
    }
    void workedDiscountExample() {
        QFETCH(QString, discount);
        QFETCH(QString, expected);
        w_hematologija_unos* window = open();
        obj_hemanaliza_cena* panel = window->uo_cena();
        QComboBox* list = panel->ddlb_hem_popust();
        QCOMPARE(list->currentText(), QStringLiteral("0"));
        QVERIFY(panel->procenat.isEmpty());

        panel->unesi_cenu(Decimal::fromText(QStringLiteral("750")));
        QCOMPARE(total(window), QStringLiteral("750.00"));
        QCOMPARE(amount(window), QStringLiteral("750.00")); // nothing picked yet counts as 0 %
        pickDiscount(list, QStringLiteral("25"));           // an earlier pick does not linger
        pickDiscount(list, discount);
        QCOMPARE(panel->procenat, discount);
        QCOMPARE(amount(window), expected);
        QCOMPARE(total(window), QStringLiteral("750.00"));
    }

    void discountListIsUnsortedInItsOrder() {
        QComboBox* list = open()->uo_cena()->ddlb_hem_popust();
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, QStringList({"0", "10", "25", "50", "100"}));
    }

    void pickedDiscountAppliesToLaterTicks() {
        w_hematologija_unos* window = open();
        pickDiscount(window->uo_cena()->ddlb_hem_popust(), QStringLiteral("25"));
        for (int index : {1, 5, 13, 18})
            window->linija(index)->cbx_raditi()->click();
        QCOMPARE(total(window), QStringLiteral("40.00"));
        QCOMPARE(amount(window), QStringLiteral("30.00"));
        window->linija(5)->cbx_raditi()->click();
        QCOMPARE(amount(window), QStringLiteral("22.50"));
    }

    void typedTotalIsDiscountedOnlyAtTheNextPick() {
        w_hematologija_unos* window = open();
        obj_hemanaliza_cena* panel = window->uo_cena();
        pickDiscount(panel->ddlb_hem_popust(), QStringLiteral("10"));
        window->linija(1)->cbx_raditi()->click();
        window->linija(2)->cbx_raditi()->click();
        QCOMPARE(amount(window), QStringLiteral("18.00"));

        EditMask* ukupna = panel->em_hemat_cena_ukupna();
        ukupna->setFocus();
        ukupna->selectAll();
        typeText(ukupna, QStringLiteral("200"));
        QTest::keyClick(ukupna, Qt::Key_Tab);
        QCOMPARE(total(window), QStringLiteral("200.00"));
        QCOMPARE(amount(window), QStringLiteral("18.00"));
        // Picking the entry already shown applies it to the typed total.
        pickDiscount(panel->ddlb_hem_popust(), QStringLiteral("10"));
        QCOMPARE(amount(window), QStringLiteral("180.00"));
        pickDiscount(panel->ddlb_hem_popust(), QStringLiteral("50"));
        QCOMPARE(amount(window), QStringLiteral("100.00"));
    }

    void acceptCarriesTheAmountRecomputesTheBillAndCloses() {
        m_page->em_ukupno_biohem()->setValue(QStringLiteral("120.5"));
        m_page->em_ukupno_urin()->setValue(QStringLiteral("0"));
        w_hematologija_unos* window = open();
        clickButton(window, "cb_selekt_sve");
        pickDiscount(window->uo_cena()->ddlb_hem_popust(), QStringLiteral("50"));
        QCOMPARE(amount(window), QStringLiteral("90.00"));
        accept(window);
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("90.00"));
        QCOMPARE(m_page->em_svega_analize()->text(), QStringLiteral("210.50"));
        QVERIFY(visibleWindows(QStringLiteral("w_hematologija_unos")).isEmpty());

        // A second accept replaces the hematology subtotal; it does not add to it.
        window = open();
        window->linija(3)->cbx_raditi()->click();
        accept(window);
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("10.00"));
        QCOMPARE(m_page->em_svega_analize()->text(), QStringLiteral("130.50"));
    }

    void acceptCarriesWhatTheAmountFieldShows() {
        w_hematologija_unos* window = open();
        window->linija(1)->cbx_raditi()->click();
        EditMask* field = window->uo_cena()->em_hemat_cena_ukupnapopust();
        field->setFocus();
        field->selectAll();
        typeText(field, QStringLiteral("123.4")); // still in the field when Prihvati is pressed
        accept(window);
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("123.40"));

        // With nothing checked the amount field's initial "0.00" is carried.
        m_page->em_ukupno_hem()->setValue(QStringLiteral("99"));
        accept(open());
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("0.00"));
    }

    void secondOpeningBuildsItsOwnLinesFromIndexOne() {
        w_hematologija_unos* first = open();
        QList<QPointer<obj_hemanaliza_unos>> firstLines;
        for (obj_hemanaliza_unos* line : lines(first))
            firstLines << line;
        clickButton(first, "cb_selekt_sve");
        accept(first);
        for (const auto& line : firstLines)
            QVERIFY(line.isNull());

        w_hematologija_unos* second = open();
        QVERIFY(second != nullptr);
        QCOMPARE(second->uoo_broj, qint16(18));
        QVERIFY(second->uoo.at(0).isNull());
        for (int index = 1; index <= 18; ++index) {
            QVERIFY(second->uoo.at(index));
            QCOMPARE(second->uoo.at(index)->window(), second);
        }
        QCOMPARE(checkPattern(second), QString(18, QLatin1Char('0')));
        second->linija(7)->cbx_raditi()->click();
        QCOMPARE(total(second), QStringLiteral("10.00"));
        QCOMPARE(second->uo_cena()->ddlb_hem_popust()->currentText(), QStringLiteral("0"));
        QVERIFY(second->uo_cena()->procenat.isEmpty());
    }
};

QTEST_MAIN(TestHematologyOrder)
#include "tst_hematology_order.moc"
