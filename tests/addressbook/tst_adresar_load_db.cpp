// Loading an entry by clicking its list row, and the question about unsaved edits before another
// entry replaces them.
#include "tests/addressbook/adresar_harness.h"

namespace {
const QString Question = QStringLiteral("Da li zelite da snimite promenjene podatke?");
const QVariant NoText = QVariant(QMetaType::fromType<QString>());
} // namespace

class TestAdresarLoad : public QObject {
    Q_OBJECT

    AdresarHarness h;

    int ana() const { return h.rowOf(QStringLiteral("Antić")); }
    int aca() const { return h.rowOf(QStringLiteral("Avramović")); }
    bool checked(const char* name) const {
        return h.control<QRadioButton>(QString::fromUtf8(name))->isChecked();
    }
    QStringList selectedRows() const {
        QStringList rows;
        for (int row = 1; row <= h.list()->rowCount(); ++row)
            if (h.list()->isSelected(row))
                rows << h.list()->getItemString(row, QStringLiteral("prezime"));
        return rows;
    }
    QStringList questions() {
        QStringList texts;
        for (const ModalSeen& seen : h.modals().seen())
            texts << seen.text;
        return texts;
    }

private slots:
    void initTestCase() { QVERIFY(h.provision()); }

    // Ana: female, Lekar (4), several columns filled. Aca: sex never stored, Saradnik (2).
    void init() {
        QVERIFY(h.start(
            {{1,
              QStringLiteral("Ana"),
              QStringLiteral("Antić"),
              QStringLiteral("0101990715001"),
              4,
              0,
              {{"s_slovo", "M"},
               {"grad", "Beograd"},
               {"p_email", "ana@primer.test"},
               {"napomena", "prvi red\ndrugi red"}}},
             {2, QStringLiteral("Aca"), QStringLiteral("Avramović"), NoText, 2, QVariant()}}));
        h.modals().clear();
    }

    void cleanup() {
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.modals().unexpected(), 0);
        QCOMPARE(h.modals().pending(), 0);
    }

    void clickLoadsWithoutAQuestion() {
        QCOMPARE(h.list()->rowCount(), 2);
        h.clickRow(ana());
        QCOMPARE(questions(), QStringList());
        QCOMPARE(selectedRows(), QStringList{"Antić"});
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QStringLiteral("1"));
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));
        QCOMPARE(h.text(QStringLiteral("sle_sslovo")), QStringLiteral("M"));
        QCOMPARE(h.text(QStringLiteral("sle_mbr")), QStringLiteral("0101990715001"));
        QCOMPARE(h.text(QStringLiteral("sle_grad1")), QStringLiteral("Beograd"));
        QCOMPARE(h.text(QStringLiteral("sle_p_email")), QStringLiteral("ana@primer.test"));
        QCOMPARE(h.text(QStringLiteral("sle_ulica1")), QString()); // NULL shows empty
        QCOMPARE(h.text(QStringLiteral("mle_napomena")), QStringLiteral("prvi red\ndrugi red"));
        QVERIFY(checked("rb_zenski") && !checked("rb_muski"));
        QCOMPARE(h.statusField()->currentText(), QStringLiteral("Lekar"));
        QVERIFY(!h.window->menjano());

        // A row whose sex was never stored shows as male; the form holds only the new row.
        h.clickRow(aca());
        QCOMPARE(questions(), QStringList());
        QCOMPARE(selectedRows(), QStringList{"Avramović"});
        QVERIFY(checked("rb_muski") && !checked("rb_zenski"));
        QCOMPARE(h.text(QStringLiteral("sle_grad1")), QString());
        QCOMPARE(h.text(QStringLiteral("mle_napomena")), QString());
        QCOMPARE(h.statusField()->currentText(), QStringLiteral("Saradnik"));

        // Enter on the current row loads it as a click does.
        h.list()->setFocus();
        h.list()->setRow(ana());
        QTest::keyClick(h.list(), Qt::Key_Return);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));
    }

    void answerNeDropsTheEdits() {
        h.clickRow(ana());
        h.type(QStringLiteral("sle_grad1"), QStringLiteral("Niš"));
        QVERIFY(h.window->menjano());
        h.modals().click(QStringLiteral("cb_ne"));
        h.clickRow(aca());
        QCOMPARE(questions(), QStringList{Question});
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Aca"));
        QCOMPARE(h.column(1, QStringLiteral("grad")).toString(), QStringLiteral("Beograd"));
        QVERIFY(!h.window->menjano());
    }

    void answerDaSavesThenLoads() {
        h.clickRow(ana());
        h.type(QStringLiteral("mle_napomena"), QStringLiteral("kontrola"));
        h.modals().click(QStringLiteral("cb_da"));
        h.clickRow(aca());
        QCOMPARE(questions(), QStringList{Question});
        QCOMPARE(h.column(1, QStringLiteral("napomena")).toString(), QStringLiteral("kontrola"));
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Aca"));

        // A new entry is inserted by the same answer.
        h.press(QStringLiteral("cb_novi"));
        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Bojan"));
        h.type(QStringLiteral("sle_prezime"), QStringLiteral("Babić"));
        h.modals().click(QStringLiteral("cb_da"));
        h.clickRow(ana());
        QCOMPARE(h.rows(QStringLiteral("prezime = ?"), {QStringLiteral("Babić")}), 1);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));
    }

    void middleInitialAndSexAreNoChange() {
        h.clickRow(ana());
        h.type(QStringLiteral("sle_sslovo"), QStringLiteral("J"));
        h.clickSex(true);
        QVERIFY(checked("rb_muski"));
        QVERIFY(!h.window->menjano());
        h.clickRow(aca());
        QCOMPARE(questions(), QStringList());
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Aca"));
    }

    void clickBelowTheRowsLoadsNothing() {
        h.clickRow(ana());
        h.clickRow(0);
        QCOMPARE(selectedRows(), QStringList());
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));

        // With edits the question still comes first.
        h.type(QStringLiteral("sle_grad1"), QStringLiteral("Niš"));
        h.modals().click(QStringLiteral("cb_ne"));
        h.clickRow(0);
        QCOMPARE(questions(), QStringList{Question});
        QCOMPARE(h.text(QStringLiteral("sle_grad1")), QStringLiteral("Niš"));
    }

    void doubleClickOnlyHighlights() {
        h.clickRow(ana());
        ListDataWindow* view = h.list();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                           view->visualRect(view->model()->index(aca() - 1, 0)).center());
        QCOMPARE(selectedRows(), QStringList{"Avramović"});
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));
    }

    void pickingAStatusIsAChange() {
        h.clickRow(ana());
        AdresarHarness::pick(h.statusField(), QStringLiteral("Prijatelj"));
        QVERIFY(h.window->menjano());
        QCOMPARE(int(h.page->rbr_status()), 5);
        h.modals().click(QStringLiteral("cb_ne"));
        h.clickRow(aca());
        QCOMPARE(questions(), QStringList{Question});
    }

    void aLoadedEntryKeepsItsStatus() {
        // A status picked for some other entry must not travel into the next one loaded.
        AdresarHarness::pick(h.statusField(), QStringLiteral("Prijatelj"));
        h.modals().click(QStringLiteral("cb_ne"));
        h.clickRow(ana());
        QCOMPARE(int(h.page->rbr_status()), 4);
        h.type(QStringLiteral("sle_grad1"), QStringLiteral("Valjevo"));
        h.press(QStringLiteral("cb_sacuvaj"));
        QCOMPARE(h.column(1, QStringLiteral("grad")).toString(), QStringLiteral("Valjevo"));
        QCOMPARE(h.column(1, QStringLiteral("status")).toInt(), 4);
    }

    void theKeyIsReadAsANumberOnly() {
        h.clickRow(ana());
        // Text that is not a number selects no row; nothing else of it reaches the database.
        QCOMPARE(h.window->popunipodatke(QStringLiteral("2 OR 1=1")), 0);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Ana"));
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QString()); // the next save inserts
        QCOMPARE(h.window->popunipodatke(QStringLiteral("2")), 1);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Aca"));
    }
};

QTEST_MAIN(TestAdresarLoad)
#include "tst_adresar_load_db.moc"
