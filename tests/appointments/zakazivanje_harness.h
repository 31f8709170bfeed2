#pragma once
// The ZAKAZIVANJE page built alone and told to load on a desk of its own, over a throwaway
// database with two patients: bookings stored as another desk would, the calendars clicked, the
// sheet's keys pressed and the booking window answered. Today is Tuesday 8 December 2026:
// December starts on a Tuesday (cell 3), so the 7th is cell 9, the 8th cell 10 and the 9th cell
// 11 of the left calendar.
#include "runtime/core/builtins.h"
#include "runtime/core/calendar_model.h"
#include "runtime/core/dates.h"
#include "runtime/core/message.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/calendar_data_window.h"
#include "tests/support/desk.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/test_data_source.h"
#include "ui/appointments/tab_zakazivanje.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

inline const QDate Danas(2026, 12, 8);
inline const QDate Sutra(2026, 12, 9);

inline QStringList items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

inline QList<int> boldCells(CalendarDataWindow* calendar) {
    QList<int> cells;
    for (int cell = 1; cell <= 42; ++cell)
        if (calendar->calendarModel()->indexOfCell(cell).data(CalendarModel::WeightRole) == 700)
            cells << cell;
    return cells;
}

class ZakazivanjeHarness : public QObject {
protected:
    TestDataSource m_db;
    MessageObject m_message; // the dialogs' channel, which the application object would own
    std::unique_ptr<Transaction> m_sqlca;
    std::unique_ptr<ModalAnswerer> m_modals;
    std::unique_ptr<tab_zakazivanje> m_page;
    QTableView* m_sheet = nullptr;
    QListWidget* m_list = nullptr;

    // Ana Petrović (1, mobile 064/333) and Žarko Đurić (2, telephone 011/444), and the desk.
    void provision() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        builtins().message = &m_message;
        QVERIFY(m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, pol, status, "
                                         "telefon, mob_telefon) VALUES "
                                         "(1, 'Ana', 'Petrović', 0, 1, '011/222', '064/333'), "
                                         "(2, 'Žarko', 'Đurić', 1, 1, '011/444', NULL)")));
        m_sqlca = connectDesk();
        QCOMPARE(m_sqlca->usable().sqlcode, 0);
    }
    // No bookings, no doctor but the first, the two patients; the page built and shown.
    void openPage() {
        setTodayForTesting(Danas);
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM zakazivanje")));
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM lekar WHERE rbr > 1")));
        QVERIFY(m_db.exec(QStringLiteral("DELETE FROM adresar WHERE rbr > 2")));
        m_modals = std::make_unique<ModalAnswerer>();
        m_page = std::make_unique<tab_zakazivanje>();
        m_page->resize(900, 560);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        m_sheet = m_page->findChild<QTableView*>(QStringLiteral("dw_zakazivanje"));
        m_list = m_page->findChild<QListWidget*>(QStringLiteral("lb_1"));
        QVERIFY(m_sheet && m_list);
    }
    // Every planned answer used, nothing unplanned, the notices closed.
    void closePage() {
        QCOMPARE(m_modals->pending(), 0);
        QCOMPARE(m_modals->unexpected(), 0);
        for (QWidget* notice : visibleWindows(QStringLiteral("w_obavestenje")))
            notice->close();
        m_page.reset();
        m_modals.reset();
        setTodayForTesting(QDate());
    }

    bool book(const QDate& datum, const QTime& vreme, const QVariant& rbrAdresar,
              const QString& opis, int lekar = 1, const QString& status = "zakazan") {
        return m_db.exec(QStringLiteral("INSERT INTO zakazivanje (datum, vreme, rbr_adresar, opis, "
                                        "rbr_lekar, status) VALUES (?, ?, ?, ?, ?, ?)"),
                         {datum, vreme, rbrAdresar, opis, lekar, status});
    }
    // A second doctor, "dr Druga", after "Lekar"; its key.
    int secondDoctor() {
        if (!m_db.exec(QStringLiteral("INSERT INTO lekar (naziv) VALUES ('dr Druga')")))
            return 0;
        return m_db.scalar(QStringLiteral("SELECT MAX(rbr) FROM lekar")).toInt();
    }
    QComboBox* doctorPicker() {
        return m_page->findChild<QComboBox*>(QStringLiteral("ddlb_lekar"));
    }
    QString sheetText(int row) { return m_sheet->model()->index(row, 1).data().toString(); }
    void pick(int cell, CalendarDataWindow* calendar = nullptr) {
        if (!calendar)
            calendar = m_page->dw_calendar_1();
        QTest::mouseClick(
            calendar->viewport(), Qt::LeftButton, {},
            calendar->visualRect(calendar->calendarModel()->indexOfCell(cell)).center());
    }
    void keyOnRow(int row, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        m_sheet->setFocus();
        m_sheet->setCurrentIndex(m_sheet->model()->index(row, 0));
        QTest::keyClick(m_sheet, key, modifiers);
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
};
