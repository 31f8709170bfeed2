#pragma once

// What the laboratory tests share: opening and closing the order window as the user does,
// picking a discount from the list, and reading the lines back.
#include "app/mab_oru.h"
#include "runtime/core/builtins.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/controls.h"
#include "runtime/widgets/picture_button.h"
#include "runtime/widgets/units.h"
#include "tests/support/app_fixture.h"
#include "ui/lab/obj_hemanaliza_cena.h"
#include "ui/lab/obj_hemanaliza_unos.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/lab/w_hematologija_unos.h"
#include "ui/main/mab_la.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace lab {

// Clicks the laboratory page's hematology button; the window is open when this returns.
inline w_hematologija_unos* openOrderWindow(mab_la* window) {
    auto* button = window->findChild<QPushButton*>(QStringLiteral("pb_hemat_analize"));
    if (!button)
        return nullptr;
    button->click();
    return window->labAnalize()->hematologija();
}

// Lets the open order window go, as its accept does, without writing to the laboratory page.
inline bool closeOrderWindow() {
    const QList<QWidget*> open = visibleWindows(QStringLiteral("w_hematologija_unos"));
    if (open.isEmpty())
        return true;
    QPointer<w_hematologija_unos> window = qobject_cast<w_hematologija_unos*>(open.first());
    window->zatvori = true;
    Close(window);
    return QTest::qWaitFor([&window] { return window.isNull(); }, 2000);
}

// Picks a discount as a user does: opens the list, moves to the entry and presses Enter.
inline void pickDiscount(QComboBox* list, const QString& text) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(list->findText(text), 0));
    QTest::keyClick(view, Qt::Key_Return);
}

inline void clickButton(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QString::fromUtf8(name));
    QVERIFY2(button, name);
    button->click();
}

// The lines of the open window in index order (uoo[1] .. uoo[uoo_broj]).
inline QList<obj_hemanaliza_unos*> lines(const w_hematologija_unos* window) {
    QList<obj_hemanaliza_unos*> result;
    for (int index = 1; index <= window->uoo_broj; ++index)
        result << window->linija(index);
    return result;
}

// Names of the lines standing in the column at unit position x, top to bottom.
inline QStringList column(const w_hematologija_unos* window, int x) {
    QList<obj_hemanaliza_unos*> found;
    for (obj_hemanaliza_unos* line : lines(window))
        if (line && qAbs(unitsX(line) - x) <= 5)
            found << line;
    std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->y() < b->y(); });
    QStringList names;
    for (obj_hemanaliza_unos* line : found)
        names << line->sle_hemoglobin_lhk()->text();
    return names;
}

// Check states of the lines as "1"/"0" in index order, for comparing patterns.
inline QString checkPattern(const w_hematologija_unos* window) {
    QString pattern;
    for (obj_hemanaliza_unos* line : lines(window))
        pattern += line && line->raditi() ? QLatin1Char('1') : QLatin1Char('0');
    return pattern;
}

inline QString total(const w_hematologija_unos* window) {
    return window->uo_cena()->em_hemat_cena_ukupna()->text();
}

inline QString amount(const w_hematologija_unos* window) {
    return window->uo_cena()->em_hemat_cena_ukupnapopust()->text();
}

// Ends the program's unit of work, so that it sees catalogue changes made by the test's own
// connection and holds no lock that would stop them.
inline void endProgramUnitOfWork() {
    sqlca().commit();
}

} // namespace lab
