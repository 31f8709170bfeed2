// Every figure of the program beside its floor, measured in one run on one throwaway data source
// (the embedded database, or PostgreSQL with MAB_TEST_ENGINE=postgresql), each repeated and
// reported as a median. bench/run.sh builds and runs this and prints the table.
//     QT_QPA_PLATFORM=offscreen bench_figures [REPEATS]
// Output: one tab-separated line per figure: figure, median, floor, ratio, target.
#include "bench/support/bench_data.h"
#include "bench/support/children.h"
#include "bench/support/lab_orders.h"
#include "bench/support/picking_a_day.h"
#include "bench/support/search_first_page.h"
#include "bench/support/start_up.h"
#include "bench/support/visits.h"
#include "domain/addressbook/adresar_sql.h"
#include "runtime/widgets/list_data_window.h"
#include "tests/support/app_fixture.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/lab/w_hematologija_unos.h"
#include "ui/main/mab_la.h"

#include "app/mab_oru.h"
#include "runtime/core/builtins.h"
#include "runtime/widgets/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int FullBook = 32767;
int repeats = 7;

using children::median;
using children::program;
using children::runChild;

// Milliseconds of each of `rounds` runs of step (default: repeats), after one not counted.
QList<double> timed(const std::function<void()>& step, const std::function<void()>& after = {},
                    int rounds = 0) {
    QList<double> times;
    for (int round = 0; round <= (rounds > 0 ? rounds : repeats); ++round) {
        QElapsedTimer timer;
        timer.start();
        step();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (round > 0)
            times << ms;
        if (after)
            after();
    }
    return times;
}

QList<double> floorRead(const QString& sql, const QString& slovo, int reads = 0) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program("floor_odbc_read"), {sql, slovo, QStringLiteral("%"),
                                               QString::number((reads > 0 ? reads : repeats) + 1)});
    process.waitForFinished(600000);
    QList<double> times;
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) // the first read warms up
        times << lines.at(i).split(' ').value(0).toDouble();
    if (times.isEmpty())
        qFatal("floor_odbc_read gave no figure");
    return times;
}

QString engine;

void row(const QString& figure, double value, double floor, const char* unit, double target) {
    children::row(engine, figure, value, floor, unit, target);
}

class Figures {
public:
    bool run();

private:
    QPushButton* button(const char* name) {
        return m_window->adresar()->slova()->findChild<QPushButton*>(QString::fromUtf8(name));
    }
    void press(const char* name) {
        button(name)->click();
        QApplication::processEvents(); // painted, too
    }
    bool startProgram();
    QList<double> saves(int existing);
    QList<double> orderWindow();

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
};

bool Figures::startProgram() {
    m_window = m_fixture.start();
    if (!m_window)
        return false;
    m_window->findChild<QTabWidget*>(QStringLiteral("tab_main"))->setCurrentIndex(1);
    return QTest::qWaitForWindowExposed(m_window);
}

// Saving a new entry: the form filled, SAČUVAJ pressed. The entry is removed again untimed.
QList<double> Figures::saves(int existing) {
    int serial = 0;
    auto field = [this](const char* name) {
        return m_window->adresar()->findChild<QLineEdit*>(QString::fromUtf8(name));
    };
    auto fill = [&] {
        button("cb_novi")->click();
        field("sle_ime1")->setText(QStringLiteral("Ljiljana"));
        field("sle_prezime")->setText(QStringLiteral("Đurđević"));
        field("sle_mbr")->setText(QString::number(2000000000000LL + ++serial));
    };
    fill();
    const QList<double> times = timed(
        [&] { press("cb_sacuvaj"); },
        [&] {
            if (m_fixture.db().count(QStringLiteral("adresar")) != existing + 1)
                qFatal("the save did not add the entry");
            m_fixture.db().exec(QStringLiteral("DELETE FROM adresar WHERE rbr > ?"), {existing});
            fill();
        },
        // A save takes well under a millisecond on SQLite: more rounds, or the noise of a
        // shared machine decides the figure.
        repeats * 5);
    return times;
}

QList<double> Figures::orderWindow() {
    tab_lab_analize* page = m_window->labAnalize();
    return timed([page] {
        w_hematologija_unos* window = page->otvoriHematologiju();
        QCoreApplication::processEvents(); // first layout and paint
        window->zatvori = true;
        Close(window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}

bool Figures::run() {
    if (!m_fixture.provision())
        return false;
    TestDataSource& db = m_fixture.db();
    engine = db.engineName();
    QList<double> emptyPeak;
    for (int i = 0; i < repeats; ++i)
        emptyPeak << runChild(program("mab_probe"), {QStringLiteral("start")}).peakMiB;

    if (!fillAddressBook(db, 0, 100) || !fillCatalogue(db, 20) || !startProgram())
        return false;
    const double save100 = median(saves(100));
    const double lines20 = median(orderWindow()) / 20;
    m_fixture.stop();
    if (!fillCatalogue(db, 500) || !startProgram())
        return false;
    const double lines500 = median(orderWindow()) / 500;
    m_fixture.stop();

    if (!fillAddressBook(db, 100, FullBook - 1) || !startProgram())
        return false;
    const double save32766 = median(saves(FullBook - 1));
    m_fixture.stop();
    if (!fillAddressBook(db, FullBook - 1, FullBook) || !startProgram())
        return false;
    const double svi = median(timed([&] { press("cb_svi"); }));
    if (m_window->adresar()->lista()->rowCount() != FullBook)
        qFatal("\" SVI \" did not list every entry");
    const double letter = median(timed([&] { press("cb_s"); }));
    const int letterRows = m_window->adresar()->lista()->rowCount();
    m_fixture.stop();

    const QString sql = adresar_sql::upitSpiska();
    const double sviFloor = median(floorRead(sql, QStringLiteral("%")));
    const double letterFloor = median(floorRead(sql, QStringLiteral("S%")));

    QList<double> sviPeak;
    const start_up::Rounds startUp = start_up::measure(sql, repeats, [&] {
        sviPeak << runChild(program("mab_probe"), {QStringLiteral("svi")}).peakMiB;
    });

    row(QStringLiteral("\" SVI \", 32,767 entries"), svi, sviFloor, "ms", 1.5);
    row(QStringLiteral("letter \"S\", %1 of 32,767 entries").arg(letterRows), letter, letterFloor,
        "ms", 1.5);
    start_up::printRows(engine, startUp);
    row(QStringLiteral("peak memory after \" SVI \" / empty book"), median(sviPeak),
        median(emptyPeak), "MiB", 1.2);
    row(QStringLiteral("saving a new entry, 32,766 / 100 entries"), save32766, save100, "ms", 1.2);
    row(QStringLiteral("order window per line, 500 / 20 analyses"), lines500, lines20, "ms", 1.2);
    row(QStringLiteral("picking a day, 50,000 / 100 bookings"),
        median(pickingADay(m_fixture, 50000, repeats * 3)),
        median(pickingADay(m_fixture, 100, repeats * 3)), "ms", 1.2);
    // A save takes a few milliseconds: more rounds, as for the address book's save.
    const double visit100k = median(visits_bench::savingAVisit(m_fixture, 100000, repeats * 5));
    const double visit100 = median(visits_bench::savingAVisit(m_fixture, 100, repeats * 5));
    row(QStringLiteral("saving a visit, 100,000 / 100 visits"), visit100k, visit100, "ms", 1.2);
    const double list200 = median(visits_bench::readingTheList(m_fixture, 200, repeats * 5));
    row(QStringLiteral("a patient's 200 visits"), list200,
        median(floorRead(visits_bench::floorStatement(), QString::number(visits_bench::Patient),
                         repeats * 5)),
        "ms", 1.5);
    const double order100k = median(orders_bench::savingAnOrder(m_fixture, 100000, repeats * 5));
    const double order100 = median(orders_bench::savingAnOrder(m_fixture, 100, repeats * 5));
    row(QStringLiteral("saving an order, 100,000 / 100 orders"), order100k, order100, "ms", 1.2);
    const double open100k = median(orders_bench::openingAnOrder(m_fixture, 100000, repeats * 5));
    const double open100 = median(orders_bench::openingAnOrder(m_fixture, 100, repeats * 5));
    row(QStringLiteral("opening an order, 100,000 / 100 orders"), open100k, open100, "ms", 1.2);
    row(QStringLiteral("PDF of a 30-line report, against a bare text document"),
        median(orders_bench::reportPdf(repeats)), median(orders_bench::barePdf(repeats)), "ms", 0);
    // Last: filling and keeping 100,000 visits must not weigh on the figures before it.
    fillVisits(db, 100000, FullBook);
    const double search = median(firstPages(QDate(2026, 6, 15), repeats));
    row(QStringLiteral("first search page, 2 criteria, 100,000 visits"), search,
        median(firstPagesFloor(QDate(2026, 6, 15), repeats)), "ms", 1.5);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc > 1)
        repeats = qMax(1, atoi(argv[1]));
    Figures figures;
    return figures.run() ? 0 : 1;
}
