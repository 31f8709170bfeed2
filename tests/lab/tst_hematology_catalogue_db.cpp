// The order window's lines as the catalogue `nalazi` gives them, on both database engines:
// which rows become lines and where they stand, and what the user sees when reading fails.
#include "domain/lab/nalazi_sql.h"
#include "runtime/core/cursor_reader.h"
#include "runtime/core/dynamic_sql.h"
#include "runtime/widgets/message_box.h"
#include "tests/lab/lab_support.h"

#include <QFile>
#include <QScrollArea>
#include <QScrollBar>

using namespace lab;

namespace {

struct Row {
    int grupa;
    int podgrupa;
    int rbr;
    QString naziv;
};

const QStringList SeededLeft{"Sedimentacija eritrocita",
                             "Leukociti",
                             "Eritrociti",
                             "Hemoglobin",
                             "Hematokrit",
                             "MCV",
                             "MCH",
                             "MCHC",
                             "RDW",
                             "Trombociti",
                             "MPV",
                             "Retikulociti"};
const QStringList SeededRight{
    "Neutrofilni granulociti", "Nesegmentovani granulociti", "Limfociti", "Monociti",
    "Eozinofilni granulociti", "Bazofilni granulociti"};

} // namespace

class TestHematologyCatalogue : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    bool m_tableMoved = false; // nalazi renamed to nalazi_t
    bool m_viewMade = false;   // a view named nalazi stands in its place

    bool setCatalogue(const QList<Row>& rows) {
        endProgramUnitOfWork();
        if (!m_fixture.db().exec(QStringLiteral("DELETE FROM nalazi")))
            return false;
        for (const Row& row : rows)
            if (!m_fixture.db().exec(
                    QStringLiteral("INSERT INTO nalazi (grupa, podgrupa, rbr, naziv, jed_mere) "
                                   "VALUES (?, ?, ?, ?, 'x')"),
                    {row.grupa, row.podgrupa, row.rbr, row.naziv}))
                return false;
        return true;
    }

    // Puts the seeded catalogue back (the seed's other rows are still there).
    bool restoreSeed() {
        endProgramUnitOfWork();
        if (!m_fixture.db().exec(QStringLiteral("DELETE FROM nalazi")))
            return false;
        QFile seed(sourceDirectory() + QStringLiteral("/db/seed.sql"));
        if (!seed.open(QIODevice::ReadOnly))
            return false;
        for (const QString& statement : splitSqlScript(QString::fromUtf8(seed.readAll())))
            if (statement.startsWith(QLatin1String("INSERT INTO nalazi")) &&
                !m_fixture.db().exec(statement))
                return false;
        return true;
    }

    bool moveCatalogueTable() {
        endProgramUnitOfWork();
        m_tableMoved = m_fixture.db().exec(QStringLiteral("ALTER TABLE nalazi RENAME TO nalazi_t"));
        return m_tableMoved;
    }

    // Puts a view named nalazi in place of the table; `naziv` is the view's name column, an
    // expression that fails for the rows the test wants to fail on.
    bool replaceCatalogueByView(const QString& naziv) {
        if (!moveCatalogueTable())
            return false;
        m_viewMade = m_fixture.db().exec(
            QStringLiteral("CREATE VIEW nalazi AS SELECT grupa, podgrupa, rbr, %1 AS naziv, "
                           "jed_mere, ref_m_nizi, ref_m_visi, ref_z_nizi, ref_z_visi FROM nalazi_t")
                .arg(naziv));
        // On PostgreSQL the program's login reads only what it was granted.
        if (m_viewMade && m_fixture.db().engine() == TestDataSource::Engine::PostgreSQL)
            return m_fixture.db().exec(QStringLiteral("GRANT SELECT ON nalazi TO kiro"));
        return m_viewMade;
    }

    // Every test starts from the seeded catalogue in its table.
    bool restoreCatalogue() {
        endProgramUnitOfWork();
        if (m_viewMade && !m_fixture.db().exec(QStringLiteral("DROP VIEW nalazi")))
            return false;
        m_viewMade = false;
        if (m_tableMoved &&
            !m_fixture.db().exec(QStringLiteral("ALTER TABLE nalazi_t RENAME TO nalazi")))
            return false;
        m_tableMoved = false;
        return restoreSeed();
    }

    // An expression that fails while a row is read when `condition` holds, and is the name
    // otherwise: an integer overflow in SQLite, a division by zero in PostgreSQL.
    QString failingNameWhen(const QString& condition) {
        const QString failure = m_fixture.db().engine() == TestDataSource::Engine::SQLite
                                    ? QStringLiteral("abs(-9223372036854775807 - 1)")
                                    : QStringLiteral("CAST(1 / (rbr - rbr) AS VARCHAR)");
        return QStringLiteral("CASE WHEN %1 THEN %2 ELSE naziv END").arg(condition, failure);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        m_window = m_fixture.start();
        QVERIFY(m_window);
    }

    void cleanup() {
        QVERIFY(closeOrderWindow());
        QVERIFY(restoreCatalogue());
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        QCOMPARE(m_fixture.modals().pending(), 0);
        m_fixture.modals().clear();
    }

    void seededCatalogueFillsBothColumnsInRbrOrder() {
        w_hematologija_unos* window = openOrderWindow(m_window);
        QVERIFY(window);
        QCOMPARE(column(window, w_hematologija_unos::LeftColumnX), SeededLeft);
        QCOMPARE(column(window, w_hematologija_unos::RightColumnX), SeededRight);
        QCOMPARE(window->uoo_broj, qint16(18));
        QCOMPARE(window->pocetak_leukocita, qint16(13));
        QVERIFY(m_fixture.modals().seen().isEmpty());

        // The k-th line of each column at y = 100k + 100 inside the line area, 1691 x 104 units;
        // every line costs 10.00 and starts unchecked; nothing is priced yet.
        const QList<obj_hemanaliza_unos*> all = lines(window);
        for (int index = 1; index <= 18; ++index) {
            obj_hemanaliza_unos* line = all.at(index - 1);
            QVERIFY(line);
            const int k = index <= 12 ? index : index - 12;
            QVERIFY2(qAbs(unitsY(line) - w_hematologija_unos::lineY(k)) <= 4,
                     qPrintable(QStringLiteral("line %1 at y %2").arg(index).arg(unitsY(line))));
            QVERIFY(qAbs(unitsWidth(line) - 1691) <= 5);
            QVERIFY(qAbs(unitsHeight(line) - 104) <= 4);
            QCOMPARE(line->parentWidget(), window->linije());
            QCOMPARE(line->sle_hemat_cena()->text(), QStringLiteral("10.00"));
            QVERIFY(line->sle_hemat_cena()->isReadOnly());
            QVERIFY(line->sle_hemoglobin_lhk()->isReadOnly());
            QVERIFY(line->cbx_raditi()->text().isEmpty());
            QVERIFY(!line->raditi());
        }
        QCOMPARE(total(window), QStringLiteral("0.00"));
        QCOMPARE(amount(window), QStringLiteral("0.00"));
    }

    void onlyGroupOneSubgroupsZeroAndOneAppear() {
        QVERIFY(setCatalogue({{1, 0, 3, "C"},
                              {2, 0, 1, "grupa 2"},
                              {1, 0, 1, "A"},
                              {1, 2, 1, "podgrupa 2"},
                              {1, 1, 2, "L2"},
                              {1, 0, 2, "B"},
                              {0, 1, 1, "grupa 0"},
                              {1, 1, 1, "L1"},
                              {1, -1, 1, "podgrupa -1"}}));
        w_hematologija_unos* window = openOrderWindow(m_window);
        QCOMPARE(column(window, w_hematologija_unos::LeftColumnX), QStringList({"A", "B", "C"}));
        QCOMPARE(column(window, w_hematologija_unos::RightColumnX), QStringList({"L1", "L2"}));
        QCOMPARE(window->uoo_broj, qint16(5));
        QCOMPARE(window->pocetak_leukocita, qint16(4));
    }

    void sameNameGivesTwoLines() {
        QVERIFY(setCatalogue(
            {{1, 0, 1, "Hemoglobin"}, {1, 0, 2, "Hemoglobin"}, {1, 1, 1, "Hemoglobin"}}));
        w_hematologija_unos* window = openOrderWindow(m_window);
        QCOMPARE(column(window, w_hematologija_unos::LeftColumnX),
                 QStringList({"Hemoglobin", "Hemoglobin"}));
        QCOMPARE(column(window, w_hematologija_unos::RightColumnX), QStringList({"Hemoglobin"}));
        clickButton(window, "cb_selekt_sve");
        QCOMPARE(total(window), QStringLiteral("30.00"));
    }

    void emptyCatalogueGivesNoLinesAndNoMessage() {
        QVERIFY(setCatalogue({{2, 0, 1, "druga grupa"}}));
        w_hematologija_unos* window = openOrderWindow(m_window);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->uoo_broj, qint16(0));
        QVERIFY(window->findChildren<obj_hemanaliza_unos*>().isEmpty());
        QVERIFY(m_fixture.modals().seen().isEmpty());
        for (const char* button :
             {"cb_selekt_sve", "cb_selekt_inverzno", "cb_selekt_leukocit", "cb_deselekt_sve"}) {
            clickButton(window, button);
            QCOMPARE(total(window), QStringLiteral("0.00"));
        }
    }

    void withoutLeukocyteFormulaItsButtonChecksNothing() {
        QVERIFY(setCatalogue({{1, 0, 1, "A"}, {1, 0, 2, "B"}}));
        w_hematologija_unos* window = openOrderWindow(m_window);
        QCOMPARE(window->pocetak_leukocita, qint16(3));
        clickButton(window, "cb_selekt_leukocit");
        QCOMPARE(checkPattern(window), QStringLiteral("00"));
        QCOMPARE(total(window), QStringLiteral("0.00"));
    }

    void linesBeyondTheWindowCanBeScrolledTo() {
        QList<Row> rows;
        for (int rbr = 1; rbr <= 40; ++rbr)
            rows << Row{1, 0, rbr, QStringLiteral("Analiza %1").arg(rbr)};
        QVERIFY(setCatalogue(rows));
        w_hematologija_unos* window = openOrderWindow(m_window);
        obj_hemanaliza_unos* last = window->linija(40);
        QVERIFY(last);
        QVERIFY(qAbs(unitsY(last) - w_hematologija_unos::lineY(40)) <= 4);
        QVERIFY(window->linije()->height() > last->geometry().bottom());

        // Tabbing down to the last check box scrolls it into view.
        auto* area = window->findChild<QScrollArea*>();
        QVERIFY(area);
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
        last->cbx_raditi()->setFocus();
        area->ensureWidgetVisible(last);
        const QPoint inViewport = last->mapTo(area->viewport(), QPoint(0, last->height() - 1));
        QVERIFY(area->viewport()->rect().contains(inViewport));
        QTest::keyClick(last->cbx_raditi(), Qt::Key_Space);
        QCOMPARE(total(window), QStringLiteral("10.00"));
    }

    void missingTableShowsTheOpenErrorAndLoadsNothing() {
        // A first, complete opening: 18 lines, then the window goes.
        w_hematologija_unos* first = openOrderWindow(m_window);
        QVERIFY(first);
        QCOMPARE(first->uoo_broj, qint16(18));
        QVERIFY(closeOrderWindow());

        QVERIFY(moveCatalogueTable());
        m_fixture.modals().acknowledge();
        w_hematologija_unos* window = openOrderWindow(m_window);
        QVERIFY(window && window->isVisible());

        // One message only: the leukocyte-formula query never runs after the first failed.
        QCOMPARE(m_fixture.modals().seen().size(), 1);
        QCOMPARE(m_fixture.modals().seen().first().title, QStringLiteral("DataBase Error!"));
        QVERIFY(!m_fixture.modals().seen().first().text.isEmpty());
        QVERIFY(window->findChildren<obj_hemanaliza_unos*>().isEmpty());
        QCOMPARE(window->uoo_broj, qint16(0));
        QCOMPARE(window->pocetak_leukocita, qint16(0));

        // No button reaches a line of the earlier window.
        for (const char* button : {"cb_selekt_sve", "cb_selekt_leukocit", "cb_selekt_inverzno"}) {
            clickButton(window, button);
            QCOMPARE(total(window), QStringLiteral("0.00"));
        }
    }

    void failedLeukocyteQueryKeepsTheLeftColumn() {
        QVERIFY(replaceCatalogueByView(failingNameWhen(QStringLiteral("podgrupa = 1"))));
        m_fixture.modals().acknowledge();
        w_hematologija_unos* window = openOrderWindow(m_window);
        QCOMPARE(m_fixture.modals().seen().size(), 1);
        QCOMPARE(m_fixture.modals().seen().first().title, QStringLiteral("DataBase Error!"));
        QCOMPARE(column(window, w_hematologija_unos::LeftColumnX), SeededLeft);
        QVERIFY(column(window, w_hematologija_unos::RightColumnX).isEmpty());
        QCOMPARE(window->pocetak_leukocita, qint16(0));

        // "Leukocitna formula" has nothing to check and touches no line of the left column.
        clickButton(window, "cb_selekt_leukocit");
        QCOMPARE(checkPattern(window), QString(12, QLatin1Char('0')));
        QCOMPARE(total(window), QStringLiteral("0.00"));
        clickButton(window, "cb_selekt_sve");
        QCOMPARE(total(window), QStringLiteral("120.00"));
    }

    void failedFetchEndsTheLoadAndKeepsTheRowsReadBefore() {
        // Neither engine's driver lets a row fail after the cursor has opened (both read the
        // result when it opens), so the fetch is made to fail by closing the cursor under it.
        DynamicCursor dyn_cursor;
        DynamicStagingArea staging;
        QStringList names;
        bool opened = false;
        const Result<> outcome = readRows(
            dyn_cursor, staging, sqlca(), nalazi_sql::hematologija, {}, [&] { opened = true; },
            [&](const QVariantList& row) {
                names << nalazi_sql::nalazIzReda(row).naziv;
                if (names.size() == 2)
                    dyn_cursor.close();
            });
        QVERIFY(opened);
        QVERIFY(outcome.sqlcode < 0);
        QCOMPARE(outcome.stage, Result<>::Stage::FetchFailed);
        QCOMPARE(names, SeededLeft.mid(0, 2));
        // The statement unit shows nothing; the window that reads reports the failure.
        QVERIFY(m_fixture.modals().seen().isEmpty());
        m_fixture.modals().acknowledge();
        QCOMPARE(reportReadFailure(outcome), outcome.sqlcode);
        QCOMPARE(m_fixture.modals().seen().size(), 1);
        QCOMPARE(m_fixture.modals().seen().first().title, QStringLiteral("DataBase Error"));
        QCOMPARE(m_fixture.modals().seen().first().text, outcome.sqlerrtext);
    }

    void rowsCarryTheirColumnsInSelectOrder() {
        endProgramUnitOfWork();
        QVERIFY(m_fixture.db().exec(QStringLiteral("DELETE FROM nalazi")));
        QVERIFY(m_fixture.db().exec(QStringLiteral(
            "INSERT INTO nalazi VALUES (1, 1, 7, 'Limfociti', '%', 20.5, 45, 0.125, 44.750)")));
        const Result<QList<nalaz>> read =
            nalazi_sql::ucitaj(sqlca(), nalazi_sql::leukocitna_formula);
        const Result<>& outcome = read;
        const QList<nalaz>& rows = read.value;
        QCOMPARE(outcome.sqlcode, int(Result<>::NotFound));
        QCOMPARE(rows.size(), 1);
        const nalaz& row = rows.first();
        QCOMPARE(row.grupa, qint16(1));
        QCOMPARE(row.podgrupa, qint16(1));
        QCOMPARE(row.rbr, qint16(7));
        QCOMPARE(row.naziv, QStringLiteral("Limfociti"));
        QCOMPARE(row.jed_mere, QStringLiteral("%"));
        QCOMPARE(row.ref_m_nizi.toString(), QStringLiteral("20.5"));
        QCOMPARE(row.ref_m_visi.toString(), QStringLiteral("45"));
        QCOMPARE(row.ref_z_nizi.toString(), QStringLiteral("0.125"));
        QCOMPARE(row.ref_z_visi.toString(), QStringLiteral("44.75"));
    }
};

QTEST_MAIN(TestHematologyCatalogue)
#include "tst_hematology_catalogue_db.moc"
