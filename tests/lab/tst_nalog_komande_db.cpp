// The laboratory page's order commands in the running program: three beside the tab labels on that
// page only (reception's corner given back), the patient and the orders readable below the groups,
// the patient of reception's visit by default, an order saved with Ctrl+S and shown again with its
// figures identical, the order window reopening its analyses, results typed with their marks, a
// cancelled order, and a desk that never uses any of it seeing the page as before.
#include "domain/lab/nalog_upis.h"
#include "tests/lab/lab_support.h"
#include "ui/lab/nalog_komande.h"
#include "ui/lab/tab_lab_analize.h"
#include "ui/reception/prijem_posete.h"
#include "ui/reception/tab_prijem.h"

#include <QCompleter>
#include <QGroupBox>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableWidget>

namespace {

const QString Mbr = QStringLiteral("0101990715001");

// The width a drop-down list leaves for its text.
int textRoom(QComboBox* list) {
    if (list->isEditable())
        return list->lineEdit()->width();
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
        .width();
}

} // namespace

class TestNalogKomande : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_lab_analize* m_page = nullptr;
    nalog_komande* m_nalozi = nullptr;

    TestDataSource& db() { return m_fixture.db(); }
    QTabWidget* tabs() { return m_window->tabMain(); }
    template <class T = QWidget> T* komanda(const char* ime) {
        return qobject_cast<T*>(m_nalozi->komanda(QString::fromLatin1(ime)));
    }
    QStringList iznosi() {
        return {m_page->em_ukupno_hem()->text(), m_page->em_ukupno_biohem()->text(),
                m_page->em_ukupno_urin()->text(), m_page->em_svega_analize()->text()};
    }
    // Ctrl+key with the focus on the page, as a desk presses it.
    void ctrl(Qt::Key key) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_page->em_ukupno_urin()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }
    QStringList takeNotices() {
        QStringList texts;
        for (QWidget* notice : visibleWindows(QStringLiteral("w_obavestenje"))) {
            texts << modalText(notice);
            notice->close();
        }
        return texts;
    }
    // Two analyses and 10 % off in the order window, accepted; 120.5 typed for biochemistry.
    void orderTwoAnalyses() {
        w_hematologija_unos* order = lab::openOrderWindow(m_window);
        QVERIFY(order);
        order->linija(1)->setRaditi(true);
        order->linija(4)->setRaditi(true);
        order->sracunaj_cenu();
        lab::pickDiscount(order->uo_cena()->ddlb_hem_popust(), QStringLiteral("10"));
        QPointer<w_hematologija_unos> guard = order;
        order->uo_cena()->pb_hemanaliza_cene()->click();
        QVERIFY(QTest::qWaitFor([&guard] { return guard.isNull(); }, 2000));
        m_page->em_ukupno_biohem()->setValue(QStringLiteral("120.5"));
        emit m_page->em_ukupno_biohem()->modified();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        QVERIFY(
            db().exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status) "
                                     "VALUES (1, 'Ana', 'Anić', ?, 0, 1)"),
                      {Mbr}));
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->labAnalize();
        m_nalozi = m_page->nalozi();
        QVERIFY(m_nalozi);
    }

    void init() { m_fixture.modals().clear(); }

    void cleanup() {
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        QCOMPARE(takeNotices(), QStringList());
        tabs()->setCurrentIndex(0);
    }

    // Before anything else: the page as it always was, nothing stored, no question on the way.
    void desksThatNeverUseOrders() {
        tabs()->setCurrentWidget(m_page);
        QVERIFY(!komanda("cb_nov_nalog")->isVisible() && !komanda("cb_otkazi_nalog")->isVisible());
        QCOMPARE(iznosi(), QStringList({"0.00", "0.00", "0.00", "0.00"}));
        m_page->em_ukupno_urin()->setText(QStringLiteral("40"));
        emit m_page->em_ukupno_urin()->modified();
        QCOMPARE(m_page->em_svega_analize()->text(), QStringLiteral("40.00"));
        QVERIFY(m_window->closequery()); // no question: a new order was never kept
        QCOMPARE(db().count(QStringLiteral("nalog")), 0);
        m_page->em_ukupno_urin()->setValue(QStringLiteral("none"));
        m_page->svega_za_naplatu();
    }

    void commandsBesideTheTabsOnTheLaboratoryPageOnly() {
        QWidget* prijem = m_window->prijem()->posete()->komande();
        QCOMPARE(tabs()->cornerWidget(Qt::TopRightCorner), prijem);
        tabs()->setCurrentWidget(m_page);
        QWidget* ugao = tabs()->cornerWidget(Qt::TopRightCorner);
        QCOMPARE(ugao, m_nalozi->komande());
        QVERIFY(ugao->isVisible() && !prijem->isVisible());
        QVERIFY(ugao->height() <= tabs()->tabBar()->height());
        for (const char* ime : {"cb_sacuvaj_nalog", "cb_rezultati", "cb_stampaj"})
            QCOMPARE(komanda(ime)->parentWidget(), ugao);
        // The patient and the orders on the page, below its groups, at the window's first size
        // wide enough for a long name with its identity number and for a cancelled order.
        const int grupe =
            m_page->findChild<QGroupBox*>(QStringLiteral("gb_lab_anl"))->geometry().bottom();
        for (const auto& [ime, tekst] :
             {std::pair{"ddlb_lab_pacijent", "Aleksandrović Aleksandra (0101990715001)"},
              std::pair{"ddlb_nalozi", "31.12.2026  br. 12345  otkazan"}}) {
            auto* lista = komanda<QComboBox>(ime);
            QVERIFY2(m_page->isAncestorOf(lista), ime);
            const QRect mesto(lista->mapTo(m_page, QPoint()), lista->size());
            QVERIFY2(lista->isVisible() && m_page->rect().contains(mesto) && mesto.top() > grupe,
                     ime);
            QVERIFY2(textRoom(lista) >=
                         lista->fontMetrics().horizontalAdvance(QString::fromUtf8(tekst)),
                     ime);
        }
        QCOMPARE(komanda<QPushButton>("cb_sacuvaj_nalog")->text(), QStringLiteral("Sačuvaj nalog"));
        QCOMPARE(komanda<QPushButton>("cb_rezultati")->text(), QStringLiteral("Rezultati"));
        QCOMPARE(komanda<QPushButton>("cb_stampaj")->text(), QStringLiteral("Štampaj"));
        // Every page's label shows in full beside the commands.
        QTabBar* bar = tabs()->tabBar();
        QVERIFY(bar->tabRect(bar->count() - 1).right() < bar->width());
        QVERIFY(bar->mapTo(m_window, QPoint(bar->width(), 0)).x() <=
                ugao->mapTo(m_window, QPoint()).x());
        tabs()->setCurrentIndex(1);
        QVERIFY(!ugao->isVisible() && !prijem->isVisible() && !m_nalozi->traka()->isVisible());
        tabs()->setCurrentIndex(0);
        QCOMPARE(tabs()->cornerWidget(Qt::TopRightCorner), prijem);
        QVERIFY(prijem->isVisible() && !ugao->isVisible());
    }

    void noPatientNoOrder() {
        tabs()->setCurrentWidget(m_page);
        QVERIFY(!m_nalozi->rbrPacijenta());
        ctrl(Qt::Key_S);
        QCOMPARE(takeNotices(), QStringList{nalog_upis::bezPacijenta()});
        QCOMPARE(db().count(QStringLiteral("nalog")), 0);
    }

    // The patient of reception; an order saved with Ctrl+S, a new one emptied, the first shown
    // again with every figure as it was, and its analyses checked in the order window.
    void savedAndShownAgain() {
        auto* mb = m_window->prijem()->findChild<QLineEdit*>(QStringLiteral("sle_mb"));
        mb->setFocus();
        typeText(mb, Mbr);
        QCOMPARE(m_window->prijem()->posete()->rbrPacijenta(), std::optional<int>(1));
        tabs()->setCurrentWidget(m_page);
        QCOMPARE(m_nalozi->rbrPacijenta(), std::optional<int>(1));
        QCOMPARE(komanda<QComboBox>("ddlb_lab_pacijent")->currentText(),
                 QStringLiteral("Anić Ana (0101990715001)"));

        orderTwoAnalyses();
        const QStringList shown = iznosi();
        QCOMPARE(shown, QStringList({"18.00", "120.50", "0.00", "138.50"}));
        ctrl(Qt::Key_S);
        QVERIFY(m_nalozi->rbrNaloga());
        const int rbr = *m_nalozi->rbrNaloga();
        QCOMPARE(db().scalar(QStringLiteral("SELECT popust FROM nalog")).toString(),
                 QStringLiteral("10"));
        QCOMPARE(db().count(QStringLiteral("nalog_stavka"), QStringLiteral("rbr_nalog = ?"), {rbr}),
                 2);
        QVERIFY(komanda("cb_nov_nalog")->isVisible());

        // Nov nalog: the page empties; the list still holds the saved order.
        komanda<QPushButton>("cb_nov_nalog")->click();
        QCOMPARE(iznosi(), QStringList({"0.00", "0.00", "0.00", "0.00"}));
        QVERIFY(!komanda("cb_nov_nalog")->isVisible());
        auto* spisak = komanda<QComboBox>("ddlb_nalozi");
        QCOMPARE(spisak->count(), 1);
        emit spisak->activated(0);
        QCOMPARE(iznosi(), shown);
        QCOMPARE(m_nalozi->rbrNaloga(), std::optional<int>(rbr));
        QVERIFY(!m_nalozi->imaIzmena());

        w_hematologija_unos* order = lab::openOrderWindow(m_window);
        QVERIFY(order);
        QCOMPARE(lab::checkPattern(order).left(5), QStringLiteral("10010"));
        QCOMPARE(order->uo_cena()->ddlb_hem_popust()->currentText(), QStringLiteral("10"));
        QCOMPARE(lab::amount(order), QStringLiteral("18.00"));
        QVERIFY(lab::closeOrderWindow());
    }

    // Results typed in the window: the mark shows at once and is stored with the result.
    void resultsWithTheirMarks() {
        tabs()->setCurrentWidget(m_page);
        QVERIFY(m_nalozi->rbrNaloga());
        QString mark;
        m_fixture.modals().answer([&mark](QWidget* window) {
            auto* tabela = window->findChild<QTableWidget*>(QStringLiteral("dw_rezultati"));
            tabela->item(1, 1)->setText(QStringLiteral("140")); // Hemoglobin: 120-160
            // Sedimentacija (2-20 for women) still in its cell's editor when "Sačuvaj" is pressed
            // by its key, which leaves the focus where it is.
            tabela->setCurrentCell(0, 1);
            tabela->editItem(tabela->item(0, 1));
            auto* editor = tabela->viewport()->findChild<QLineEdit*>();
            QVERIFY(editor);
            editor->setText(QStringLiteral("1"));
            window->findChild<QPushButton*>(QStringLiteral("cb_sacuvaj"))->click();
            mark = tabela->item(0, 4)->text() + tabela->item(1, 4)->text();
            window->findChild<QPushButton*>(QStringLiteral("cb_zatvori"))->click();
        });
        komanda<QPushButton>("cb_rezultati")->click();
        QCOMPARE(m_fixture.modals().pending(), 0);
        QCOMPARE(mark, QStringLiteral("↓"));
        QCOMPARE(db().count(QStringLiteral("rezultat")), 2);
        QCOMPARE(db().scalar(QStringLiteral("SELECT oznaka FROM rezultat WHERE vrednost = '1'"))
                     .toString(),
                 QStringLiteral("↓"));
    }

    // Cancelled after a question: kept, named so in the list, closed to saves.
    void cancelled() {
        tabs()->setCurrentWidget(m_page);
        QVERIFY(m_nalozi->rbrNaloga());
        m_fixture.modals().click(QStringLiteral("cb_da"));
        komanda<QPushButton>("cb_otkazi_nalog")->click();
        QCOMPARE(m_fixture.modals().pending(), 0);
        QVERIFY(
            komanda<QComboBox>("ddlb_nalozi")->currentText().endsWith(QStringLiteral("otkazan")));
        QVERIFY(!komanda("cb_otkazi_nalog")->isEnabled());
        QCOMPARE(db().scalar(QStringLiteral("SELECT otkazan FROM nalog")).toInt(), 1);
        m_page->em_ukupno_urin()->setValue(QStringLiteral("5"));
        ctrl(Qt::Key_S);
        QCOMPARE(takeNotices(), QStringList{nalog_upis::otkazan()});
        QCOMPARE(db().count(QStringLiteral("nalog")), 1);
        // Closing asks about reception's unsaved form, then about the unsaved change of the order
        // shown; NE to both lets the program close.
        m_fixture.modals().click(QStringLiteral("cb_ne"));
        m_fixture.modals().click(QStringLiteral("cb_ne"));
        QVERIFY(m_window->closequery());
        QCOMPARE(m_fixture.modals().pending(), 0);
    }

    // Another patient picked by a surname typed without its marks: the page starts a new order.
    // The picker read the address book before the patient was added; the page opened again
    // offers the new entry.
    void patientPickedByFoldedSurname() {
        tabs()->setCurrentWidget(m_page);
        komanda<QComboBox>("ddlb_lab_pacijent")->showPopup();
        komanda<QComboBox>("ddlb_lab_pacijent")->hidePopup();
        tabs()->setCurrentIndex(0);
        QVERIFY(db().exec(QString::fromUtf8("INSERT INTO adresar (rbr, ime, prezime, status) "
                                            "VALUES (2, 'Bora', 'Đurić', 1)")));
        tabs()->setCurrentWidget(m_page);
        auto* birac = komanda<QComboBox>("ddlb_lab_pacijent");
        birac->lineEdit()->setFocus();
        birac->lineEdit()->clear();
        typeText(birac->lineEdit(), QStringLiteral("djuric"));
        QAbstractItemView* predlozi = birac->completer()->popup();
        QTRY_VERIFY(predlozi->isVisible());
        QCOMPARE(predlozi->model()->rowCount(), 1);
        predlozi->setCurrentIndex(predlozi->model()->index(0, 0));
        QTest::keyClick(predlozi, Qt::Key_Return);
        QTRY_COMPARE(m_nalozi->rbrPacijenta(), std::optional<int>(2));
        QCOMPARE(birac->currentText(), QStringLiteral("Đurić Bora"));
        QVERIFY(!m_nalozi->rbrNaloga());
        QCOMPARE(iznosi(), QStringList({"0.00", "0.00", "0.00", "0.00"}));
        QCOMPARE(komanda<QComboBox>("ddlb_nalozi")->count(), 0);
    }
};

QTEST_MAIN(TestNalogKomande)
#include "tst_nalog_komande_db.moc"
