// Saves a picture of every page of the main window, of the hematology order window and of the two
// small windows, on a throwaway database with the sample people, for checking the screens by eye
// and for the user guide:  mab_screenshot OUTPUT_FOLDER
// The pages show what a desk sees in the middle of its work: an entry loaded in the address book,
// an order with a discount in the order window, and its amount carried into the bill.
// Run it under a real X server (xvfb-run) to see the fonts a desk would see.
#include "domain/appointments/calendar_rules.h"
#include "domain/appointments/zakazivanje_prikaz.h"
#include "domain/appointments/zakazivanje_sql.h"
#include "domain/lab/ordinacija_sql.h"
#include "domain/lab/rezultat_upis.h"
#include "runtime/core/builtins.h"
#include "runtime/core/dates.h"
#include "tests/lab/lab_support.h"
#include "tests/support/app_fixture.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/appointments/w_zakazivanje_termin.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"
#include "ui/lab/nalog_komande.h"
#include "ui/lab/stampa.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/main/mab_la.h"
#include "ui/reception/multi_row_tabs.h"
#include "ui/reception/prijem_posete.h"
#include "ui/reception/tab_prijem.h"
#include "ui/search/tab_pretrazivanje.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

bool save(QWidget* widget, const QString& file) {
    if (!widget->grab().save(file))
        return false;
    printf("%s\n", qPrintable(file));
    return true;
}

// Clicks the first row of the address-book list, which loads that entry into the form.
void loadFirstEntry(mab_la* window) {
    auto* list = window->findChild<QAbstractItemView*>(QStringLiteral("dw_pretraga"));
    if (!list || list->model()->rowCount() == 0)
        return;
    const QRect row = list->visualRect(list->model()->index(0, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
}

// An order of the first four analyses and the whole leukocyte formula with 10 % off: pictures
// the order window, accepts it, and types a biochemistry amount, so the bill total adds up.
bool placeOrder(mab_la* window, const QString& folder) {
    w_hematologija_unos* order = lab::openOrderWindow(window);
    if (!order || !QTest::qWaitForWindowExposed(order))
        return false;
    for (int index = 1; index <= 4; ++index)
        if (obj_hemanaliza_unos* line = order->linija(index))
            QTest::mouseClick(line->cbx_raditi(), Qt::LeftButton, {},
                              QPoint(6, line->cbx_raditi()->height() / 2));
    QTest::mouseClick(order->findChild<QPushButton*>(QStringLiteral("cb_selekt_leukocit")),
                      Qt::LeftButton);
    lab::pickDiscount(order->uo_cena()->ddlb_hem_popust(), QStringLiteral("10"));
    QTest::qWait(200);
    if (!save(order, QDir(folder).filePath(QStringLiteral("w_hematologija_unos.png"))))
        return false;
    QPointer<w_hematologija_unos> guard = order;
    QTest::mouseClick(order->uo_cena()->pb_hemanaliza_cene(), Qt::LeftButton);
    if (!QTest::qWaitFor([&guard] { return guard.isNull(); }, 2000))
        return false;
    // Focus, and with it the field's formatting on leaving, works only in the active window.
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        return false;
    QLineEdit* biohem = window->labAnalize()->em_ukupno_biohem();
    biohem->setFocus();
    biohem->selectAll();
    QTest::keyClicks(biohem, QStringLiteral("120.5"));
    biohem->clearFocus(); // leaving the field formats its amount
    QTest::qWait(50);     // the field selects its amount a moment after it is entered
    biohem->deselect();
    return true;
}

// Two doctors, a day of bookings today for each, and a few on other days of this month and the
// next, so that the appointments page shows a booked day with its statuses and bold days in both
// calendars, and the first patient has bookings past and to come.
bool addSampleBookings(TestDataSource& db) {
    if (!db.exec(QStringLiteral("UPDATE lekar SET naziv = 'dr Milica Jovanović' WHERE rbr = 1")) ||
        !db.exec(QStringLiteral("INSERT INTO lekar (naziv) VALUES ('dr Petar Ilić')")))
        return false;
    const int drugi = db.scalar(QStringLiteral("SELECT MAX(rbr) FROM lekar")).toInt();
    const QDate today = Today();
    const QDate nextMonth = calendar::endofmonth(today).addDays(1);
    struct Booking {
        QDate datum;
        QTime vreme;
        QVariant pacijent;
        QString opis;
        int lekar = 1;
        QString status = QStringLiteral("zakazan");
    };
    const QList<Booking> bookings{
        {today, QTime(8, 0), 1, QStringLiteral("kontrola"), 1, QStringLiteral("dosao")},
        {today, QTime(9, 30), 5, QStringLiteral("prvi pregled")},
        {today, QTime(11, 0), QVariant(), QStringLiteral("sastanak osoblja")},
        {today, QTime(13, 30), 7, QString(), 1, QStringLiteral("nije_dosao")},
        {today, QTime(15, 0), 2, QStringLiteral("pomeren"), 1, QStringLiteral("otkazan")},
        {today, QTime(17, 0), 3, QStringLiteral("nalazi")},
        {today, QTime(9, 30), 8, QStringLiteral("EKG"), drugi},
        {today, QTime(10, 0), 4, QString(), drugi},
        {calendar::startofmonth(today).addDays(2), QTime(10, 0), 2, QString()},
        {calendar::endofmonth(today), QTime(12, 0), 4, QString()},
        {nextMonth.addDays(6), QTime(9, 0), 6, QString()},
        {nextMonth.addDays(13), QTime(9, 0), 8, QString()},
        {nextMonth.addDays(2), QTime(10, 30), 1, QStringLiteral("kontrola posle terapije"), drugi},
        {today.addDays(-40), QTime(9, 0), 1, QStringLiteral("prvi pregled"), 1,
         QStringLiteral("dosao")}};
    for (const Booking& b : bookings)
        if (!db.exec(QStringLiteral("INSERT INTO zakazivanje (datum, vreme, rbr_adresar, opis, "
                                    "rbr_lekar, status) VALUES (?, ?, ?, ?, ?, ?)"),
                     {b.datum, b.vreme,
                      b.pacijent.isNull() ? QVariant(QMetaType::fromType<int>()) : b.pacijent,
                      b.opis, b.lekar, b.status}))
            return b.datum != today; // a slot taken twice (today is the month's end) is no fault
    return true;
}

// The appointments page with its doctor picker open, the first patient's bookings, the doctors'
// window, and the first doctor's day printed to PDF and turned into a picture (pdftoppm).
bool pictureAppointments(AppFixture& fixture, mab_la* window, const QString& folder) {
    tab_zakazivanje* page = window->zakazivanje();
    window->tabMain()->setCurrentWidget(page);
    auto* picker = page->findChild<QComboBox*>(QStringLiteral("ddlb_lekar"));
    picker->showPopup();
    QTest::qWait(300);
    const QPoint at = window->mapToGlobal(QPoint(0, 0));
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(
        0, at.x(), at.y(), window->width(), window->height());
    picker->hidePopup();
    const QString withPicker =
        QDir(folder).filePath(QStringLiteral("3-tab_zakazivanje-lekari.png"));
    if (!screen.save(withPicker))
        return false;
    printf("%s\n", qPrintable(withPicker));

    bool saved = false;
    fixture.modals().answer([&](QWidget* dialog) {
        QTest::qWait(100);
        saved = save(dialog, QDir(folder).filePath(QStringLiteral("w_termini_pacijenta.png")));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    page->terminiPacijenta(1);
    fixture.modals().answer([&](QWidget* dialog) {
        QTest::qWait(100);
        saved = saved && save(dialog, QDir(folder).filePath(QStringLiteral("w_lekari.png")));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    page->urediLekare();

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("dan.pdf")));
    page->stampajDan(printer);
    const QString printed = QDir(folder).filePath(QStringLiteral("3-stampa_dana"));
    const bool converted =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                           QStringLiteral("-singlefile"), printer.outputFileName(), printed}) == 0;
    if (converted)
        printf("%s.png\n", qPrintable(printed));
    return saved && converted;
}

// The booking window as a double click on a slot opens it for a booking being changed.
bool pictureBookingWindow(AppFixture& fixture, const QString& folder) {
    const auto pacijenti = zakazivanje_sql::pacijenti(sqlca());
    TerminUnos unos{5, QStringLiteral("prvi pregled"), std::nullopt};
    bool saved = false;
    fixture.modals().answer([&](QWidget* dialog) {
        QTest::qWait(100);
        saved = save(dialog, QDir(folder).filePath(QStringLiteral("w_zakazivanje_termin.png")));
        dialog->findChild<QPushButton*>(QStringLiteral("cb_odustani"))->click();
    });
    Open<w_zakazivanje_termin>(zakazivanje_prikaz::nazivDana(Today()) + QStringLiteral(", 09:30"),
                               pacijenti.value, unos, false, fixture.window());
    return saved;
}

// A few visits of the sample people with a diagnosis, so that a search over visits finds some.
bool addSampleVisits(TestDataSource& db) {
    const int year = Today().year();
    return db.exec(QStringLiteral("INSERT INTO poseta (rbr, rbr_adresar, datum, lekar) SELECT rbr, "
                                  "rbr, ?, 'dr Šimić' FROM adresar WHERE rbr % 3 = 0"),
                   {QDate(year - 1, 11, 3)}) &&
           db.exec(QStringLiteral("INSERT INTO poseta_polje (rbr_poseta, polje, vrednost) SELECT "
                                  "rbr, 'mle_radnadiag', 'J45 Astma' FROM poseta"));
}

// The search page with two criteria typed in, its query line under the panels: surnames with
// "ić", or a diagnosis "J45" in the two years the page offers.
void typeSearch(mab_la* window) {
    tab_pretrazivanje* page = window->pretrazivanje();
    auto* uo2 = page->findChild<QWidget*>(QStringLiteral("uo_2"));
    auto* uo4 = page->findChild<QWidget*>(QStringLiteral("uo_4"));
    auto* field = uo2->findChild<QComboBox*>(QStringLiteral("ddlb_opsti_podaci"));
    field->setCurrentIndex(1);
    emit field->activated(1);
    uo2->findChild<QLineEdit*>(QStringLiteral("sle_1"))->setText(QStringLiteral("ić"));
    auto* visit = uo4->findChild<QComboBox*>(QStringLiteral("ddlb_2"));
    emit visit->activated(0);
    uo4->findChild<QLineEdit*>(QStringLiteral("sle_1"))->setText(QStringLiteral("J45"));
}

// "Pretraži" pressed on the page typeSearch filled: the results window.
bool pictureResults(mab_la* window, const QString& folder) {
    window->findChild<QTabWidget*>(QStringLiteral("tab_main"))
        ->setCurrentWidget(window->pretrazivanje());
    window->pretrazivanje()->findChild<QPushButton*>(QStringLiteral("cb_1"))->click();
    QTest::qWait(200);
    const QList<QWidget*> results = visibleWindows(QStringLiteral("w_rezultati_pretrage"));
    if (results.isEmpty() ||
        !save(results.first(), QDir(folder).filePath(QStringLiteral("w_rezultati_pretrage.png"))))
        return false;
    results.first()->close();
    return true;
}

// Two visits of a sample patient saved on PRIJEM, the form emptied by "Nova poseta", and the first
// visit reopened from the list: the picture shows it as it was saved, with the list beside it.
bool pictureVisit(mab_la* window, const QString& folder) {
    tab_prijem* page = window->prijem();
    auto field = [page](const char* name) {
        return page->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    auto text = [page](const char* name) {
        return page->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    };
    auto press = [page](const char* name) {
        static_cast<QPushButton*>(page->posete()->komanda(QString::fromLatin1(name)))->click();
        QTest::qWait(50);
    };
    auto* inner = page->tab_2a();
    inner->setCurrentIndex(0);
    field("sle_mb")->setFocus();
    QTest::keyClicks(field("sle_mb"), QStringLiteral("0101990715001")); // Ana Antić
    field("sle_datum")->setText(QStringLiteral("12.11.2026"));
    field("sle_broj_protokola")->setText(QStringLiteral("412/2026"));
    field("sle_lekar")->setText(QStringLiteral("dr Milica Jovanović"));
    field("sle_starost")->setText(QStringLiteral("36"));
    field("sle_visina")->setText(QStringLiteral("168"));
    field("sle_tezina")->setText(QStringLiteral("61"));
    text("mle_skolska_sprema")->setPlainText(QStringLiteral("Visoka stručna sprema, ekonomista"));
    page->findChild<QWidget*>(QStringLiteral("uo_3"))
        ->findChild<QCheckBox*>(QStringLiteral("cbx_da"))
        ->setChecked(true);
    field("sle_radni_staz")->setText(QStringLiteral("11"));
    text("mle_radna_organizacija")->setPlainText(QStringLiteral("Primer d.o.o., Beograd"));
    press("cb_sacuvaj_posetu");
    const int first = page->posete()->rbrPosete().value_or(0);
    press("cb_nova_poseta");
    field("sle_datum")->setText(QStringLiteral("9.12.2026"));
    field("sle_broj_protokola")->setText(QStringLiteral("455/2026"));
    press("cb_sacuvaj_posetu");
    press("cb_nova_poseta");
    if (first == 0)
        return false;
    auto* list = static_cast<QComboBox*>(page->posete()->komanda(QStringLiteral("ddlb_posete")));
    const int index = list->findData(first);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    emit list->activated(index);
    QTest::qWait(200);
    return save(window, QDir(folder).filePath(QStringLiteral("1-tab_prijem-poseta.png")));
}

// The order on the laboratory page saved for the patient of the visit open on PRIJEM: the page with
// its commands, the patient and the order shown; the results window with values typed, two of them
// marked; and the first page of the findings report as "Sačuvaj kao PDF" writes it.
bool pictureOrder(AppFixture& fixture, mab_la* window, const QString& folder) {
    ordinacija_sql::sacuvaj(sqlca(), {QStringLiteral("Ordinacija „Zdravlje“"),
                                      QStringLiteral("Njegoševa 5, 11000 Beograd"),
                                      QStringLiteral("011/123-456"), 1});
    window->tabMain()->setCurrentWidget(window->labAnalize());
    QTest::qWait(200);
    nalog_komande* nalozi = window->labAnalize()->nalozi();
    if (!nalozi->sacuvajNalog() || !nalozi->rbrNaloga())
        return false;
    QTest::qWait(200);
    if (!save(window, QDir(folder).filePath(QStringLiteral("4-tab_lab_analize-nalog.png"))))
        return false;
    bool saved = false;
    fixture.modals().answer([&](QWidget* dialog) {
        auto* tabela = dialog->findChild<QTableWidget*>(QStringLiteral("dw_rezultati"));
        auto* grupa = dialog->findChild<QComboBox*>(QStringLiteral("ddlb_grupa"));
        auto* analiza = dialog->findChild<QComboBox*>(QStringLiteral("ddlb_analiza"));
        auto* dodaj = dialog->findChild<QPushButton*>(QStringLiteral("cb_dodaj"));
        // Glucose from biochemistry and protein from urine, which have no order window.
        for (const auto& [g, a] :
             {std::pair{"Biohemija", "Glukoza"}, std::pair{"Urin", "Proteini"}}) {
            grupa->setCurrentIndex(grupa->findText(QString::fromUtf8(g)));
            analiza->setCurrentIndex(analiza->findText(QString::fromUtf8(a)));
            dodaj->click();
        }
        const QStringList vrednosti{"24", "7,4", "6,8", "negativan"};
        for (int red = 0; red < tabela->rowCount() && red < vrednosti.size(); ++red)
            tabela->item(red, 1)->setText(vrednosti.at(red));
        tabela->setCurrentCell(0, 1);
        QTest::qWait(200);
        saved = save(dialog, QDir(folder).filePath(QStringLiteral("w_rezultati_unos.png")));
        dialog->findChild<QPushButton*>(QStringLiteral("cb_sacuvaj"))->click();
        dialog->findChild<QPushButton*>(QStringLiteral("cb_zatvori"))->click();
    });
    static_cast<QPushButton*>(nalozi->komanda(QStringLiteral("cb_rezultati")))->click();
    if (!saved)
        return false;
    const rezultat_upis::Ucitano ucitano =
        rezultat_upis::ucitaj(sqlca(), *nalozi->rbrNaloga()).value;
    const Result<QList<ordinacija_sql::Ordinacija>> ordinacija = ordinacija_sql::procitaj(sqlca());
    if (!ucitano.nalog || ordinacija.value.isEmpty())
        return false;
    const QString pdf = QDir(folder).filePath(QStringLiteral("nalaz.pdf"));
    if (!stampa::uPdf(izvestaj::nalaz(*ucitano.nalog, ordinacija.value.first(), Today()), pdf))
        return false;
    // One page as a picture (pdftoppm, poppler-utils); the PDF itself is not kept.
    const QString png = QDir(folder).filePath(QStringLiteral("nalaz-pdf"));
    const int done = QProcess::execute(QStringLiteral("pdftoppm"),
                                       {QStringLiteral("-png"), QStringLiteral("-r"),
                                        QStringLiteral("90"), QStringLiteral("-singlefile"),
                                        QStringLiteral("-f"), QStringLiteral("1"), pdf, png});
    QFile::remove(pdf);
    if (done != 0)
        return false;
    printf("%s.png\n", qPrintable(png));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    AppFixture fixture;
    if (!fixture.provision() || !fixture.db().runScript(QStringLiteral("db/sample_people.sql")) ||
        !addSampleBookings(fixture.db()) || !addSampleVisits(fixture.db()))
        return 1;
    mab_la* window = fixture.start();
    if (!window)
        return 1;
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("tab_main"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QTest::qWait(200);
        const QString page = tabs->widget(i)->objectName();
        if (page == QLatin1String("tab_adresar"))
            loadFirstEntry(window);
        else if (page == QLatin1String("tab_lab_analize") && !placeOrder(window, folder))
            return 1;
        else if (page == QLatin1String("tab_pretrazivanje"))
            typeSearch(window);
        QTest::qWait(200);
        if (!save(window, QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(i + 1).arg(page))))
            return 1;
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

    if (!pictureBookingWindow(fixture, folder) || !pictureResults(window, folder) ||
        !pictureAppointments(fixture, window, folder))
        return 1;
    tabs->setCurrentIndex(0);
    if (!pictureVisit(window, folder) || !pictureOrder(fixture, window, folder))
        return 1;

    // The two small windows of the program, as the address book opens them.
    w_obavestenje::obavesti(QStringLiteral("Maticni broj mora imati 13 cifara!"));
    QTest::qWait(200);
    const QList<QWidget*> notices = visibleWindows(QStringLiteral("w_obavestenje"));
    if (notices.isEmpty() || !save(notices.first(), QDir(folder).filePath("w_obavestenje.png")))
        return 1;
    notices.first()->close();
    bool saved = false;
    fixture.modals().answer([&](QWidget* dialog) {
        saved = save(dialog, QDir(folder).filePath(QStringLiteral("w_da_ne.png")));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    w_da_ne::pitaj(QStringLiteral("Da li zelite da snimite promenjene podatke?"));
    if (!saved)
        return 1;
    fixture.stop();
    return 0;
}
