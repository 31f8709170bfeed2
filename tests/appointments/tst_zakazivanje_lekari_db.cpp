// The ZAKAZIVANJE page of a practice with two doctors, by the desk's own means: the doctor picker,
// a day picked with the keyboard alone, statuses and a move by keys, the printed day read back
// from its PDF, a patient's bookings opening their day, and a new patient booked from the window.
#include "runtime/widgets/static_text.h"
#include "tests/appointments/zakazivanje_harness.h"
#include "tests/support/pdf_text.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

class TestZakazivanjeLekari : public ZakazivanjeHarness {
    Q_OBJECT

    int m_druga = 0;

    QList<int> framed(CalendarDataWindow* calendar) {
        QList<int> cells;
        for (int cell = 1; cell <= 42; ++cell)
            if (calendar->calendarModel()->border(cell) == 5)
                cells << cell;
        return cells;
    }
    QString status(const QString& where) {
        return m_db.scalar(QStringLiteral("SELECT status FROM zakazivanje WHERE ") + where)
            .toString();
    }

private slots:
    void initTestCase() { provision(); }
    void cleanupTestCase() { builtins().message = nullptr; }
    void init() {
        openPage();
        m_druga = secondDoctor();
        QVERIFY(m_druga > 1);
    }
    void cleanup() { closePage(); }

    void eachDoctorHasADayOfTheirOwn() {
        QVERIFY(book(Danas, QTime(9, 30), 1, QStringLiteral("kontrola")));
        QVERIFY(book(Danas, QTime(9, 30), 2, QStringLiteral("druga"), m_druga));
        QVERIFY(book(Sutra, QTime(10, 0), 2, QString(), m_druga));
        m_page->ucitaj(*m_sqlca);
        QComboBox* lekar = doctorPicker();
        QCOMPARE(lekar->count(), 2);
        QCOMPARE(lekar->currentText(), QStringLiteral("Lekar"));
        QCOMPARE(sheetText(5), QStringLiteral("Petrović Ana – kontrola"));
        QCOMPARE(boldCells(m_page->dw_calendar_1()), QList<int>{10});
        // The picker changes with the arrow keys, as a drop-down list does.
        lekar->setFocus();
        QTest::keyClick(lekar, Qt::Key_Down);
        QCOMPARE(m_page->izabraniLekar(), m_druga);
        QCOMPARE(sheetText(5), QStringLiteral("Đurić Žarko – druga"));
        QCOMPARE(items(m_list), QStringList{QStringLiteral("09:30  Đurić Žarko  011/444")});
        QCOMPARE(boldCells(m_page->dw_calendar_1()), (QList<int>{10, 11}));
        // A day picked shows the picked doctor's bookings of it.
        pick(11);
        QCOMPARE(sheetText(6), QStringLiteral("Đurić Žarko"));
        QCOMPARE(sheetText(5), QString());
    }

    // Ctrl+K, the arrows, Page Up and Page Down move the frame; Enter picks the day and gives the
    // keyboard back to the sheet, which names the day to a screen reader.
    void aDayPickedWithTheKeyboard() {
        m_page->ucitaj(*m_sqlca);
        CalendarDataWindow* left = m_page->dw_calendar_1();
        CalendarDataWindow* right = m_page->dw_calendar_2();
        MAB_FIND(caption, StaticText, m_page.get(), "st_cal_2");
        // Each key goes where the keyboard is, as the user's keys do.
        auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        m_sheet->setFocus();
        press(Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), left);
        QCOMPARE(framed(left), QList<int>{10}); // the 8th, the day picked
        press(Qt::Key_Right);                   // the 9th
        press(Qt::Key_Down);                    // the 16th
        QCOMPARE(framed(left), QList<int>{18});
        press(Qt::Key_PageDown); // 16 January, on the right (from cell 6)
        QCOMPARE(QApplication::focusWidget(), right);
        QCOMPARE(framed(right), QList<int>{21});
        QCOMPARE(framed(left), QList<int>{});
        press(Qt::Key_PageDown); // February, which the right calendar now shows
        QCOMPARE(caption->text(), QStringLiteral("Februar 2027"));
        QCOMPARE(framed(right), QList<int>{17}); // 16 February, from cell 2
        press(Qt::Key_PageUp);
        press(Qt::Key_PageUp); // 16 December, on the left again
        QCOMPARE(QApplication::focusWidget(), left);
        press(Qt::Key_Left);
        press(Qt::Key_Up); // the 8th
        press(Qt::Key_Right);
        QCOMPARE(m_page->izabraniDan(), Danas); // nothing picked yet
        press(Qt::Key_Return);
        QCOMPARE(m_page->izabraniDan(), QDate(2026, 12, 9));
        QCOMPARE(QApplication::focusWidget(), m_sheet);
        QCOMPARE(m_sheet->accessibleDescription(), QStringLiteral("sreda, 9. decembar 2026"));
        // Escape goes back to the sheet and picks nothing.
        press(Qt::Key_K, Qt::ControlModifier);
        press(Qt::Key_Down);
        press(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), m_sheet);
        QCOMPARE(m_page->izabraniDan(), QDate(2026, 12, 9));
    }

    void statusesAndAMoveByKeys() {
        QVERIFY(book(Sutra, QTime(9, 30), 1, QStringLiteral("kontrola")));
        QVERIFY(book(Sutra, QTime(10, 0), 2, QString()));
        m_page->ucitaj(*m_sqlca);
        pick(11);
        keyOnRow(5, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(sheetText(5), QStringLiteral("Petrović Ana – kontrola (došao)"));
        QCOMPARE(status(QStringLiteral("rbr_adresar = 1")), QStringLiteral("dosao"));
        QTest::keyClick(m_sheet, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(sheetText(5), QStringLiteral("Petrović Ana – kontrola (nije došao)"));
        QTest::keyClick(m_sheet, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(sheetText(5), QStringLiteral("Petrović Ana – kontrola"));

        // Žarko's 10:00 goes to dr Druga on the 10th at 08:00.
        keyOnRow(6, Qt::Key_X, Qt::ControlModifier);
        MAB_FIND(premestanje, StaticText, m_page.get(), "st_premestanje");
        QVERIFY(premestanje->isVisible());
        QVERIFY2(premestanje->text().startsWith(QStringLiteral("Premešta se: Đurić Žarko, sreda, "
                                                               "9. decembar 2026 u 10:00 (Lekar)")),
                 qPrintable(premestanje->text()));
        doctorPicker()->setFocus();
        QTest::keyClick(doctorPicker(), Qt::Key_Down);
        pick(12);
        keyOnRow(2, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!premestanje->isVisible());
        QCOMPARE(sheetText(2), QStringLiteral("Đurić Žarko"));
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"),
                            QStringLiteral("rbr_adresar = 2 AND rbr_lekar = ? AND datum = ? AND "
                                           "vreme = ? AND verzija = 2"),
                            {m_druga, QDate(2026, 12, 10), QTime(8, 0)}),
                 1);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje")), 2);
    }

    // The picked doctor's day, to PDF, read back as text: heading, one line per booking (the
    // cancelled one too), the day it was printed; the other doctor's booking is not on it.
    void thePrintedDay() {
        QVERIFY(book(Sutra, QTime(9, 30), 1, QStringLiteral("kontrola")));
        QVERIFY(book(Sutra, QTime(7, 0), QVariant(QMetaType::fromType<int>()),
                     QStringLiteral("sastanak")));
        QVERIFY(book(Sutra, QTime(10, 0), 2, QString(), 1, QStringLiteral("otkazan")));
        QVERIFY(book(Sutra, QTime(9, 30), 2, QStringLiteral("druga"), m_druga));
        m_page->ucitaj(*m_sqlca);
        pick(11);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("dan.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        m_page->stampajDan(printer);

        QString error;
        QCOMPARE(pdfLines(pdf, error),
                 (QStringList{QStringLiteral("Zakazani pregledi"),
                              QStringLiteral("Lekar – sreda, 9. decembar 2026"),
                              QStringLiteral("Vreme Pacijent Telefon Napomena Status"),
                              QStringLiteral("07:00 sastanak zakazan"),
                              QStringLiteral("09:30 Petrović Ana 064/333 kontrola zakazan"),
                              QStringLiteral("10:00 Đurić Žarko 011/444 otkazan"),
                              QStringLiteral("Štampano 08.12.2026."),
                              QStringLiteral("1")})); // the page's number
    }

    // From another page: the patient's bookings, the upcoming first; Enter on one shows its
    // doctor's day on the sheet at its time.
    void aPatientsBookingsOpenTheirDay() {
        QVERIFY(book(QDate(2026, 11, 2), QTime(8, 0), 1, QStringLiteral("prvi")));
        QVERIFY(book(QDate(2027, 1, 5), QTime(11, 0), 1, QStringLiteral("druga"), m_druga));
        QVERIFY(
            book(Sutra, QTime(9, 30), 1, QStringLiteral("kontrola"), 1, QStringLiteral("otkazan")));
        QVERIFY(book(Sutra, QTime(12, 0), 2, QString()));
        m_page->ucitaj(*m_sqlca);
        QSignalSpy shown(m_page.get(), &tab_zakazivanje::pokaziMe);
        QStringList seen;
        m_modals->answer([&seen](QWidget* window) {
            QCOMPARE(window->objectName(), QStringLiteral("w_termini_pacijenta"));
            auto* list = window->findChild<QTreeWidget*>(QStringLiteral("dw_termini"));
            QVERIFY(list);
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                QStringList columns;
                for (int c = 0; c < list->columnCount(); ++c)
                    columns << list->topLevelItem(i)->text(c);
                seen << columns.join(QLatin1Char('|'));
            }
            list->setCurrentItem(list->topLevelItem(1));
            QTest::keyClick(list, Qt::Key_Return);
        });
        m_page->terminiPacijenta(1);
        QCOMPARE(seen, (QStringList{QStringLiteral("09.12.2026|09:30|Lekar|kontrola|otkazan"),
                                    QStringLiteral("05.01.2027|11:00|dr Druga|druga|zakazan"),
                                    QStringLiteral("02.11.2026|08:00|Lekar|prvi|zakazan")}));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(m_page->izabraniDan(), QDate(2027, 1, 5));
        QCOMPARE(doctorPicker()->currentText(), QStringLiteral("dr Druga"));
        QCOMPARE(m_sheet->currentIndex().row(), 8);
        QCOMPARE(sheetText(8), QStringLiteral("Petrović Ana – druga"));
        QCOMPARE(framed(m_page->dw_calendar_2()), QList<int>{10}); // January starts on a Friday
    }

    // A new patient who phones: surname, name and telephone in the booking window; the entry and
    // the booking are written together.
    void aNewPatientFromTheBookingWindow() {
        m_page->ucitaj(*m_sqlca);
        pick(11);
        m_modals->answer([](QWidget* window) {
            auto set = [window](const char* name, const QString& text) {
                window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
            };
            set("sle_novi_prezime", QStringLiteral("Novaković"));
            set("sle_novi_ime", QStringLiteral("Nada"));
            set("sle_novi_telefon", QStringLiteral("064 555 1234"));
            set("sle_opis", QStringLiteral("prvi put"));
            window->findChild<QPushButton*>(QStringLiteral("cb_uredu"))->click();
        });
        keyOnRow(4, Qt::Key_Return);
        QCOMPARE(sheetText(4), QStringLiteral("Novaković Nada – prvi put"));
        QCOMPARE(m_db.count(QStringLiteral("adresar"),
                            QStringLiteral("prezime = 'Novaković' AND telefon = '064 555 1234'")),
                 1);
        QCOMPARE(items(m_list), QStringList{QStringLiteral("09:00  Novaković Nada  064 555 1234")});
    }
};

QTEST_MAIN(TestZakazivanjeLekari)
#include "tst_zakazivanje_lekari_db.moc"
