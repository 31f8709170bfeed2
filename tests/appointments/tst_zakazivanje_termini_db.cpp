// The ZAKAZIVANJE page with bookings, on a page built alone and told to load on a desk of its own:
// the picked day in the sheet, the list box and the caption, bold days, booking, changing and
// cancelling through the booking window and the keyboard, a slot another desk took meanwhile, and
// a booking in the past or on a Sunday, which asks first.
#include "runtime/widgets/static_text.h"
#include "tests/appointments/zakazivanje_harness.h"
#include "ui/appointments/w_zakazivanje_termin.h"

#include <QCompleter>
#include <QPlainTextEdit>

class TestZakazivanjeTermini : public ZakazivanjeHarness {
    Q_OBJECT

private slots:
    void initTestCase() { provision(); }
    void cleanupTestCase() { builtins().message = nullptr; }
    void init() { openPage(); }
    void cleanup() { closePage(); }

    void withNoBookingsTheSheetKeepsItsFixedRows() {
        m_page->ucitaj(*m_sqlca);
        QCOMPARE(m_sheet->model()->rowCount(), 31);
        for (int row = 0; row < 31; ++row) {
            QCOMPARE(m_sheet->model()->index(row, 0).data().toString(),
                     QTime(7, 0).addSecs(row * 1800).toString(QStringLiteral("HH:mm")));
            QCOMPARE(sheetText(row), QString());
        }
        QCOMPARE(m_list->count(), 0);
        QCOMPARE(m_list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(boldCells(m_page->dw_calendar_1()), QList<int>());
        MAB_FIND(caption, StaticText, m_page.get(), "st_dan");
        QCOMPARE(caption->text(), QStringLiteral("utorak, 8. decembar 2026"));
    }

    void thePickedDaysBookingsAndNoOthers() {
        QVERIFY(book(Danas, QTime(9, 30), 1, QStringLiteral("kontrola")));
        QVERIFY(book(Danas, QTime(13, 0), nullInteger(), QStringLiteral("sastanak")));
        QVERIFY(book(Sutra, QTime(10, 0), 2, QString()));
        QVERIFY(book(QDate(2027, 1, 5), QTime(7, 0), 2, QString()));
        m_page->ucitaj(*m_sqlca);
        QCOMPARE(sheetText(5), QStringLiteral("Petrović Ana – kontrola"));
        QCOMPARE(sheetText(12), QStringLiteral("sastanak"));
        QCOMPARE(sheetText(6), QString()); // 10:00 is booked on the 9th only
        QCOMPARE(items(m_list), (QStringList{QStringLiteral("09:30  Petrović Ana  064/333"),
                                             QStringLiteral("13:00  sastanak")}));
        QCOMPARE(boldCells(m_page->dw_calendar_1()), (QList<int>{10, 11}));
        QCOMPARE(boldCells(m_page->dw_calendar_2()), (QList<int>{10})); // Tuesday 5 January 2027

        // Another desk books the 9th; picking it shows that booking too, and only the 9th's.
        QVERIFY(book(Sutra, QTime(22, 0), 1, QStringLiteral("kasno")));
        pick(11);
        QCOMPARE(m_page->izabraniDan(), Sutra);
        MAB_FIND(caption, StaticText, m_page.get(), "st_dan");
        QCOMPARE(caption->text(), QStringLiteral("sreda, 9. decembar 2026"));
        QCOMPARE(sheetText(5), QString());
        QCOMPARE(sheetText(6), QStringLiteral("Đurić Žarko"));
        QCOMPARE(sheetText(30), QStringLiteral("Petrović Ana – kasno"));
        QCOMPARE(items(m_list), (QStringList{QStringLiteral("10:00  Đurić Žarko  011/444"),
                                             QStringLiteral("22:00  Petrović Ana  064/333")}));
        // Coming back to the page reads the day again.
        m_page->hide();
        QVERIFY(book(Sutra, QTime(7, 0), 2, QStringLiteral("rano")));
        m_page->show();
        QCOMPARE(sheetText(0), QStringLiteral("Đurić Žarko – rano"));
        QCOMPARE(m_list->count(), 3);
        // Browsing on: January keeps its bold 5th, February has no bookings.
        MAB_FIND(next, StaticText, m_page.get(), "st_2");
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(boldCells(m_page->dw_calendar_2()), (QList<int>{10}));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(boldCells(m_page->dw_calendar_2()), QList<int>());
    }

    void bookChangeAndCancelWithTheKeyboard() {
        m_page->ucitaj(*m_sqlca);
        pick(11);
        planBooking(QStringLiteral("Đurić Žarko"), QStringLiteral("prvi pregled"));
        keyOnRow(7, Qt::Key_Return); // 10:30
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"),
                            QStringLiteral("datum = ? AND rbr_adresar = 2 AND opis = ?"),
                            {Sutra, QStringLiteral("prvi pregled")}),
                 1);
        QCOMPARE(sheetText(7), QStringLiteral("Đurić Žarko – prvi pregled"));
        QCOMPARE(m_sheet->currentIndex().row(), 7);

        // The same window changes it: another patient, no note.
        planBooking(QStringLiteral("Petrović Ana"), QString());
        QTest::keyClick(m_sheet, Qt::Key_Return);
        QCOMPARE(sheetText(7), QStringLiteral("Petrović Ana"));
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"), QStringLiteral("rbr_adresar = 1")), 1);

        // The arrow keys move over the slots: Down and Up come back to the booking.
        QTest::keyClick(m_sheet, Qt::Key_Down);
        QCOMPARE(m_sheet->currentIndex().row(), 8);
        QTest::keyClick(m_sheet, Qt::Key_Up);
        QCOMPARE(m_sheet->currentIndex().row(), 7);

        // Delete asks; "NE" keeps it, "DA" cancels it: stored, marked, its slot free again.
        m_modals->click(QStringLiteral("cb_ne"));
        QTest::keyClick(m_sheet, Qt::Key_Delete);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"), QStringLiteral("status = 'zakazan'")),
                 1);
        m_modals->click(QStringLiteral("cb_da"));
        QTest::keyClick(m_sheet, Qt::Key_Delete);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"), QStringLiteral("status = 'otkazan'")),
                 1);
        QCOMPARE(sheetText(7), QStringLiteral("Petrović Ana (otkazan)"));
        QCOMPARE(items(m_list),
                 QStringList{QStringLiteral("10:30  Petrović Ana  064/333 (otkazan)")});
        // Delete on a cancelled booking asks nothing; Enter books the free slot anew.
        QTest::keyClick(m_sheet, Qt::Key_Delete);
        QCOMPARE(m_modals->seen().size(), 4);
        planBooking(QStringLiteral("Đurić Žarko"), QString());
        QTest::keyClick(m_sheet, Qt::Key_Return);
        QCOMPARE(sheetText(7), QStringLiteral("Đurić Žarko"));
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje")), 2);
    }

    void aSlotTakenMeanwhileWritesNothing() {
        m_page->ucitaj(*m_sqlca);
        pick(11);
        QCOMPARE(sheetText(10), QString());
        QVERIFY(book(Sutra, QTime(12, 0), 2, QStringLiteral("drugi pult")));
        planBooking(QStringLiteral("Petrović Ana"), QStringLiteral("moj"));
        keyOnRow(10, Qt::Key_Return);
        const QList<QWidget*> notices = visibleWindows(QStringLiteral("w_obavestenje"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first()->findChild<QPlainTextEdit*>()->toPlainText(),
                 QStringLiteral("Termin je u međuvremenu zauzet."));
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje")), 1);
        QCOMPARE(sheetText(10), QStringLiteral("Đurić Žarko – drugi pult"));
    }

    void aNameNotInTheAddressBookIsNotBooked() {
        m_page->ucitaj(*m_sqlca);
        pick(11);
        m_modals->answer([](QWidget* window) {
            window->findChild<QLineEdit*>(QStringLiteral("sle_pacijent"))
                ->setText(QStringLiteral("Nepoznati Neko"));
            window->findChild<QPushButton*>(QStringLiteral("cb_uredu"))->click();
            // The window stays open over its notice; Odustani closes it.
            QVERIFY(window->isVisible());
            window->findChild<QPushButton*>(QStringLiteral("cb_odustani"))->click();
        });
        keyOnRow(3, Qt::Key_Return);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje")), 0);
    }

    void theCompleterOffersPatientsBySurname_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("first letters")
            << "pe" << QStringList{"Petrović Ana (0101990715001)", "Petrović Ana (Niš)"};
        QTest::newRow("letter beyond ASCII") << "Đ" << QStringList{"Đurić Žarko"};
        QTest::newRow("first name") << "Ana" << QStringList{};
        QTest::newRow("without marks")
            << "Petrovic" << QStringList{"Petrović Ana (0101990715001)", "Petrović Ana (Niš)"};
        QTest::newRow("Dj for Đ") << "Djuric" << QStringList{"Đurić Žarko"};
        QTest::newRow("D for Đ") << "duric z" << QStringList{"Đurić Žarko"};
        QTest::newRow("Dj is no D") << "Dje" << QStringList{};
    }
    void theCompleterOffersPatientsBySurname() {
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        // Two entries with one name are told apart by what the desk knows of them.
        TerminUnos unos;
        w_zakazivanje_termin window(
            QStringLiteral("utorak, 8. decembar 2026, 09:30"),
            {{1, QStringLiteral("Petrović"), QStringLiteral("Ana"), QStringLiteral("0101990715001"),
              QStringLiteral("Beograd"), QString()},
             {2, QStringLiteral("Đurić"), QStringLiteral("Žarko"), QString(), QString(), QString()},
             {3, QStringLiteral("Petrović"), QStringLiteral("Ana"), QString(),
              QStringLiteral("Niš"), QString()}},
            unos);
        MAB_FIND(pacijent, QLineEdit, &window, "sle_pacijent");
        QCompleter* completer = pacijent->completer();
        QVERIFY(completer);
        pacijent->setFocus();
        typeText(pacijent, typed);
        QStringList shown;
        for (int i = 0; i < completer->completionModel()->rowCount(); ++i)
            shown << completer->completionModel()->index(i, 0).data().toString();
        QCOMPARE(shown, offered);
    }

    void aBookingAsksFirst_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("question");
        const QString past = QStringLiteral("Termin je u prošlosti. Da li želite da ga ipak "
                                            "zakažete?");
        const QString sunday = QStringLiteral("Nedelja je. Da li želite da ipak zakažete?");
        QTest::newRow("in the past, no") << 9 << "cb_ne" << past; // the 7th
        QTest::newRow("in the past, yes") << 9 << "cb_da" << past;
        QTest::newRow("on a Sunday, no") << 15 << "cb_ne" << sunday; // the 13th
        QTest::newRow("on a Sunday, yes") << 15 << "cb_da" << sunday;
    }
    void aBookingAsksFirst() {
        QFETCH(int, cell);
        QFETCH(QString, answer);
        QFETCH(QString, question);
        m_page->ucitaj(*m_sqlca);
        pick(cell);
        m_modals->click(answer);
        if (answer == QLatin1String("cb_da"))
            planBooking(QString(), QStringLiteral("upis"));
        QTest::mouseDClick(m_sheet->viewport(), Qt::LeftButton, {},
                           m_sheet->visualRect(m_sheet->model()->index(0, 1)).center());
        QCOMPARE(m_modals->seen().first().text, question);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"), QStringLiteral("datum = ?"),
                            {m_page->izabraniDan()}),
                 answer == QLatin1String("cb_da") ? 1 : 0);
    }
};

QTEST_MAIN(TestZakazivanjeTermini)
#include "tst_zakazivanje_termini_db.moc"
