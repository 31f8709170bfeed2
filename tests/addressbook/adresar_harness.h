#pragma once
// Drives the ADRESAR page as the receptionist does: typing into its fields, pressing the editor
// bar's buttons, clicking list rows, picking from the status lists, and reading back through a
// second connection what the program wrote.
#include "app/mab_oru.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/picture_list.h"
#include "tests/addressbook/write_failures.h"
#include "tests/support/app_fixture.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/main/mab_la.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

// An entry put into the database before the program starts.
struct Osoba {
    int rbr;
    QString ime;
    QString prezime;
    QVariant mbr = QVariant(QMetaType::fromType<QString>());
    QVariant status = 1;
    QVariant pol = 1;
    QVariantMap more = {}; // further columns by name
};

class AdresarHarness {
public:
    AppFixture fixture;
    mab_la* window = nullptr;
    tab_adresar* page = nullptr;

    TestDataSource& db() { return fixture.db(); }
    ModalAnswerer& modals() { return fixture.modals(); }

    bool provision() { return fixture.provision(); }

    // Empties the address book, stores the given people and starts the program afresh on the
    // ADRESAR page. False (with a warning) when something went wrong.
    bool start(const QList<Osoba>& people = {}) {
        fixture.stop();
        window = nullptr;
        page = nullptr;
        if (!db().exec(QStringLiteral("DELETE FROM adresar")))
            return fail(db().lastError());
        for (const Osoba& p : people)
            if (!store(p))
                return false;
        return launch();
    }

    // Starts the program afresh on the database as it is.
    bool launch() {
        fixture.stop();
        window = fixture.start();
        if (!window)
            return fail(QStringLiteral("no main window"));
        window->findChild<QTabWidget*>(QStringLiteral("tab_main"))->setCurrentIndex(1);
        page = window->adresar();
        return QTest::qWaitForWindowExposed(window);
    }

    bool store(const Osoba& p) {
        if (!db().exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, status, pol) "
                                      "VALUES (?, ?, ?, ?, ?, ?)"),
                       {p.rbr, p.ime, p.prezime, p.mbr,
                        p.status.isNull() ? QVariant(QMetaType::fromType<int>()) : p.status,
                        p.pol.isNull() ? QVariant(QMetaType::fromType<int>()) : p.pol}))
            return fail(db().lastError());
        for (auto it = p.more.cbegin(); it != p.more.cend(); ++it)
            if (!db().exec(QStringLiteral("UPDATE adresar SET %1 = ? WHERE rbr = ?").arg(it.key()),
                           {it.value(), p.rbr}))
                return fail(db().lastError());
        return true;
    }

    template <typename T = QLineEdit> T* control(const QString& name) const {
        return page->findChild<T*>(name);
    }
    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }
    QString text(const QString& name) const {
        if (auto* edit = field(name))
            return edit->text();
        if (auto* edit = control<QPlainTextEdit>(name))
            return edit->toPlainText();
        return QStringLiteral("<no %1>").arg(name);
    }
    QPushButton* button(const QString& name) const {
        return page->slova()->findChild<QPushButton*>(name);
    }
    ListDataWindow* list() const { return page->lista(); }
    // The form's status field (the page's own, not the editor bar's filter).
    DropDownPictureList* statusField() const {
        return page->findChild<DropDownPictureList*>(QStringLiteral("ddplb_status"),
                                                     Qt::FindDirectChildrenOnly);
    }
    DropDownPictureList* statusFilter() const { return page->slova()->ddplb_status; }

    // Types at the end of a field, as the user does (clearing it first when asked to).
    void type(const QString& name, const QString& text, bool replace = true) {
        QWidget* target = field(name);
        if (!target)
            target = control<QPlainTextEdit>(name);
        QVERIFY2(target, qPrintable(name));
        target->setFocus();
        if (replace) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_Delete);
        }
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(target, Qt::Key_Return);
            typeText(target, lines.at(i));
        }
    }

    void press(const QString& name) {
        QPushButton* b = button(name);
        QVERIFY2(b, qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void clickSex(bool male) {
        auto* b =
            control<QRadioButton>(male ? QStringLiteral("rb_muski") : QStringLiteral("rb_zenski"));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    // Clicks list row `row` (from 1); 0 clicks the empty space below the last row.
    void clickRow(int row) {
        ListDataWindow* view = list();
        QPoint point;
        if (row > 0) {
            point = view->visualRect(view->model()->index(row - 1, 1)).center();
        } else {
            const int below =
                view->rowCount() > 0
                    ? view->visualRect(view->model()->index(view->rowCount() - 1, 1)).bottom() + 8
                    : 8;
            point = QPoint(20, below);
        }
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    }

    // The row of the list that shows this surname, 0 when none does.
    int rowOf(const QString& prezime) const {
        return list()->find(QStringLiteral("prezime"), prezime);
    }

    // The surnames the list shows, in its order.
    QStringList surnames() const {
        QStringList names;
        for (int row = 1; row <= list()->rowCount(); ++row)
            names << list()->getItemString(row, QStringLiteral("prezime"));
        return names;
    }

    // Picks an item of a status list from its opened list, as the user does with the mouse.
    static void pick(DropDownPictureList* list, const QString& text) {
        const int target = list->findText(text);
        QVERIFY2(target >= 0, qPrintable(text));
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());
        const QModelIndex index = list->model()->index(target, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(list->currentIndex(), target);
    }

    // The texts of the notices now open; closes them.
    static QStringList takeNotices() {
        QStringList texts;
        for (QWidget* notice : visibleWindows(QStringLiteral("w_obavestenje"))) {
            texts << modalText(notice);
            notice->close();
        }
        QApplication::processEvents();
        return texts;
    }

    int rows(const QString& where = QString(), const QVariantList& binds = {}) {
        return db().count(QStringLiteral("adresar"), where, binds);
    }
    QVariant column(int rbr, const QString& name) {
        return db().scalar(QStringLiteral("SELECT %1 FROM adresar WHERE rbr = ?").arg(name), {rbr});
    }

    bool failWrites(const QString& operation, const QString& condition) {
        return ::failWrites(db(), operation, condition);
    }
    bool healWrites(const QString& operation) { return ::healWrites(db(), operation); }

private:
    static bool fail(const QString& why) {
        qWarning("%s", qPrintable(why));
        return false;
    }
};
