// Saves a picture of every page of the main window, on a throwaway database with the sample
// people, for checking the screens by eye:  mab_screenshot OUTPUT_FOLDER
// Run it under a real X server (xvfb-run) to see the fonts a desk would see.
#include "tests/support/app_fixture.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"
#include "ui/main/mab_la.h"
#include "ui/reception/multi_row_tabs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    AppFixture fixture;
    if (!fixture.provision() || !fixture.db().runScript(QStringLiteral("db/sample_people.sql")))
        return 1;
    mab_la* window = fixture.start();
    if (!window)
        return 1;
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("tab_main"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QTest::qWait(200);
        const QString file = QDir(folder).filePath(
            QStringLiteral("%1-%2.png").arg(i + 1).arg(tabs->widget(i)->objectName()));
        if (!window->grab().save(file))
            return 1;
        printf("%s\n", qPrintable(file));
    }

    // The reception form's inner pages, each with the header above it.
    tabs->setCurrentIndex(0);
    auto* inner = window->findChild<MultiRowTabs*>(QStringLiteral("tab_2a"));
    for (int i = 0; i < inner->count(); ++i) {
        inner->setCurrentIndex(i);
        QTest::qWait(100);
        const QString file = QDir(folder).filePath(
            QStringLiteral("1.%1-%2.png").arg(i + 1).arg(inner->widget(i)->objectName()));
        if (!window->grab().save(file))
            return 1;
        printf("%s\n", qPrintable(file));
    }
    inner->setCurrentIndex(0);

    // The hematology order window as the laboratory page opens it, two lines checked and a
    // discount picked, so that the price panel shows its amounts.
    tabs->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("tab_lab_analize")));
    window->findChild<QPushButton*>(QStringLiteral("pb_hemat_analize"))->click();
    QTest::qWait(200);
    const QList<QWidget*> orders = visibleWindows(QStringLiteral("w_hematologija_unos"));
    if (orders.isEmpty())
        return 1;
    const QList<QCheckBox*> boxes = orders.first()->findChildren<QCheckBox*>();
    for (int i = 0; i < 2 && i < boxes.size(); ++i)
        boxes.at(i)->click();
    auto* discount = orders.first()->findChild<QComboBox*>(QStringLiteral("ddlb_hem_popust"));
    discount->setCurrentIndex(1);
    emit discount->activated(1);
    QTest::qWait(100);
    if (!orders.first()->grab().save(QDir(folder).filePath("w_hematologija_unos.png")))
        return 1;
    printf("%s\n", qPrintable(QDir(folder).filePath("w_hematologija_unos.png")));
    // "Prihvati" hands the amount to the laboratory page and closes the window.
    orders.first()->findChild<QPushButton*>(QStringLiteral("pb_hemanaliza_cene"))->click();
    QTest::qWait(200);
    if (!window->grab().save(QDir(folder).filePath("4-tab_lab_analize-prihvaceno.png")))
        return 1;

    // The two small windows of the program, as the address book opens them.
    w_obavestenje::obavesti(QStringLiteral("Maticni broj mora imati 13 cifara!"));
    QTest::qWait(200);
    const QList<QWidget*> notices = visibleWindows(QStringLiteral("w_obavestenje"));
    if (notices.isEmpty() ||
        !notices.first()->grab().save(QDir(folder).filePath("w_obavestenje.png")))
        return 1;
    notices.first()->close();
    bool saved = false;
    fixture.modals().answer([&](QWidget* dialog) {
        saved = dialog->grab().save(QDir(folder).filePath(QStringLiteral("w_da_ne.png")));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    w_da_ne::pitaj(QStringLiteral("Da li zelite da snimite promenjene podatke?"));
    if (!saved)
        return 1;
    fixture.stop();
    return 0;
}
