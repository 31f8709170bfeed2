// The ZAKAZIVANJE page with bookings, on a page built alone and told to load on a desk of its own:
// the picked day in the sheet, the list box and the caption, bold days, booking, changing and
// cancelling through the booking window and the keyboard, a slot another desk took meanwhile, and
// a booking in the past. Today is Tuesday 8 December 2026: December starts on a Tuesday (cell 3),
// so the 7th is cell 9, the 8th cell 10 and the 9th cell 11 of the left calendar.
#include "app/mab_oru.h"
#include "runtime/core/builtins.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/dates.h"
#include "runtime/core/message.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/calendar_data_window.h"
#include "runtime/widgets/static_text.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/test_data_source.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/appointments/w_zakazivanje_termin.h"

#include <QCompleter>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <memory>

namespace {

const QDate Danas(2026, 12, 8);
const QDate Sutra(2026, 12, 9);

QStringList items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QList<int> boldCells(CalendarDataWindow* calendar) {
    QList<int> cells;
    for (int cell = 1; cell <= 42; ++cell)
        if (calendar->calendarModel()->indexOfCell(cell).data(CalendarModel::WeightRole) == 700)
            cells << cell;
    return cells;
}

} // namespace

class TestZakazivanjeTermini : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    MessageObject m_message; // the dialogs' channel, which the application object would own
    std::unique_ptr<Transaction> m_sqlca;
    std::unique_ptr<ModalAnswerer> m_modals;
    std::unique_ptr<tab_zakazivanje> m_page;
    QTableView* m_sheet = nullptr;
    QListWidget* m_list = nullptr;

    bool book(const QDate& datum, const QTime& vreme, const QVariant& rbrAdresar,
              const QString& opis) {
        return m_db.exec(QStringLiteral("INSERT INTO zakazivanje (datum, vreme, rbr_adresar, opis) "
                                        "VALUES (?, ?, ?, ?)"),
                         {datum, vreme, rbrAdresar, opis});
    }
    QString sheetText(int row) { return m_sheet->model()->index(row, 1).data().toString(); }
    void pick(int cell) {
        CalendarDataWindow* calendar = m_page->dw_calendar_1();
        QTest::mouseClick(
            calendar->viewport(), Qt::LeftButton, {},
            calendar->visualRect(calendar->calendarModel()->indexOfCell(cell)).center());
    }
    void keyOnRow(int row, Qt::Key key) {
        m_sheet->setFocus();
        m_sheet->setCurrentIndex(m_sheet->model()->index(row, 0));
        QTest::keyClick(m_sheet, key);
    }
    // Plans the booking window's answer: the patient and note typed, then "Uredu".
    void planBooking(const QString& pacijent, const QString& opis) {
        m_modals->answer([pacijent, opis](QWidget* window) {
            QCOMPARE(window->objectName(), QStringLiteral("w_zakazivanje_termin"));
            window->findChild<QLineEdit*>(QStringLiteral("sle_pacijent"))->setText(pacijent);
            window->findChild<QLineEdit*>(QStringLiteral("sle_opis"))->setText(opis);
            window->findChild<QPushButton*>(QStringLiteral("cb_uredu"))->click();
        });
    }

private slots:
    void cleanupTestCase() { builtins().message = nullptr; }

    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        builtins().message = &m_message;
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, pol, status, "
                                         "telefon, mob_telefon) VALUES "
                                         "(1, 'Ana', 'Petrović', 0, 1, '011/222', '064/333'), "
                                         "(2, 'Žarko', 'Đurić', 1, 1, '011/444', NULL)")));
        m_sqlca = std::make_unique<Transaction>();
        m_sqlca->autocommit = false;
        m_sqlca->dbparm = mab_oru::DBParm;
        m_sqlca->connect();
        QCOMPARE(m_sqlca->sqlcode, 0);
    }

    void init() {
        setTodayForTesting(Danas);
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM zakazivanje")));
        m_modals = std::make_unique<ModalAnswerer>();
        m_page = std::make_unique<tab_zakazivanje>();
        m_page->resize(900, 560);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        m_sheet = m_page->findChild<QTableView*>(QStringLiteral("dw_zakazivanje"));
        m_list = m_page->findChild<QListWidget*>(QStringLiteral("lb_1"));
        QVERIFY(m_sheet && m_list);
    }

    void cleanup() {
        QCOMPARE(m_modals->pending(), 0);
        QCOMPARE(m_modals->unexpected(), 0);
        for (QWidget* notice : visibleWindows(QStringLiteral("w_obavestenje")))
            notice->close();
        m_page.reset();
        m_modals.reset();
        setTodayForTesting(QDate());
    }

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

        // Delete asks; "NE" keeps it, "DA" cancels it.
        m_modals->click(QStringLiteral("cb_ne"));
        QTest::keyClick(m_sheet, Qt::Key_Delete);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje")), 1);
        m_modals->click(QStringLiteral("cb_da"));
        QTest::keyClick(m_sheet, Qt::Key_Delete);
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje")), 0);
        QCOMPARE(sheetText(7), QString());
        QCOMPARE(m_list->count(), 0);
        // Delete on a free slot asks nothing.
        QTest::keyClick(m_sheet, Qt::Key_Delete);
        QCOMPARE(m_modals->seen().size(), 4);
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
            << "pe" << QStringList{"Petrović Ana (1)", "Petrović Ana (3)"};
        QTest::newRow("letter beyond ASCII") << "Đ" << QStringList{"Đurić Žarko"};
        QTest::newRow("first name") << "Ana" << QStringList{};
        QTest::newRow("without marks")
            << "Petrovic" << QStringList{"Petrović Ana (1)", "Petrović Ana (3)"};
        QTest::newRow("Dj for Đ") << "Djuric" << QStringList{"Đurić Žarko"};
        QTest::newRow("D for Đ") << "duric z" << QStringList{"Đurić Žarko"};
        QTest::newRow("Dj is no D") << "Dje" << QStringList{};
    }
    void theCompleterOffersPatientsBySurname() {
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        // Two entries with one name are told apart by their record number.
        TerminUnos unos;
        w_zakazivanje_termin window(QStringLiteral("utorak, 8. decembar 2026, 09:30"),
                                    {{1, QStringLiteral("Petrović"), QStringLiteral("Ana")},
                                     {2, QStringLiteral("Đurić"), QStringLiteral("Žarko")},
                                     {3, QStringLiteral("Petrović"), QStringLiteral("Ana")}},
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

    void aBookingInThePastAsksFirst_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("no") << "cb_ne";
        QTest::newRow("yes") << "cb_da";
    }
    void aBookingInThePastAsksFirst() {
        QFETCH(QString, answer);
        m_page->ucitaj(*m_sqlca);
        pick(9); // the 7th
        m_modals->click(answer);
        if (answer == QLatin1String("cb_da"))
            planBooking(QString(), QStringLiteral("upis unazad"));
        QTest::mouseDClick(m_sheet->viewport(), Qt::LeftButton, {},
                           m_sheet->visualRect(m_sheet->model()->index(0, 1)).center());
        QCOMPARE(m_modals->seen().first().text,
                 QStringLiteral("Termin je u prošlosti. Da li želite da ga ipak zakažete?"));
        QCOMPARE(m_db.count(QStringLiteral("zakazivanje"), QStringLiteral("datum = ?"),
                            {QDate(2026, 12, 7)}),
                 answer == QLatin1String("cb_da") ? 1 : 0);
    }
};

QTEST_MAIN(TestZakazivanjeTermini)
#include "tst_zakazivanje_termini_db.moc"
