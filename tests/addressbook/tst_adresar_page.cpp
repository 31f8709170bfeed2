// The ADRESAR page as built: control names, texts, the letter row's order, the tab order, the two
// status lists, and a layout in which no text is cut and no control covers another.
#include "tests/addressbook/adresar_harness.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

class TestAdresarPage : public QObject {
    Q_OBJECT

    AdresarHarness h;

    static QImage picture(const DropDownPictureList* list, int index) {
        return list->itemIcon(index).pixmap(14, 14).toImage();
    }

private slots:
    void initTestCase() {
        QVERIFY(h.provision());
        QVERIFY(h.start({{1, "Ana", "Antić"}}));
    }

    void cleanup() { QCOMPARE(h.modals().unexpected(), 0); }

    void letterRowInAlphabetOrder() {
        obj_slova* bar = h.page->slova();
        QCOMPARE(bar->objectName(), QStringLiteral("uo_slova"));
        QList<QPushButton*> top;
        for (QPushButton* button : bar->findChildren<QPushButton*>())
            if (button->y() == 0)
                top << button;
        std::sort(top.begin(), top.end(),
                  [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
        QStringList names, captions;
        for (QPushButton* button : top) {
            names << button->objectName();
            captions << button->text();
        }
        QCOMPARE(
            captions.join(QLatin1Char(',')),
            QStringLiteral("A,B,C,Č,Ć,D,Dž,Đ,E,F,G,H,I,J,K,L,Lj,M,N,Nj,O,P,R,S,Š,T,U,V,Ž,Z, SVI "));
        QCOMPARE(names.join(QLatin1Char(',')),
                 QStringLiteral("cb_a,cb_b,cb_c,cb_č,cb_ć,cb_d,cb_dž,cb_đ,cb_e,cb_f,cb_g,cb_11,"
                                "cb_12,cb_7,cb_8,cb_9,cb_lj,cb_m,cb_n,cb_nj,cb_o,cb_p,cb_r,cb_s,"
                                "cb_š,cb_t,cb_u,cb_v,cb_ž,cb_z,cb_svi"));
        for (QPushButton* button : top)
            QCOMPARE(button->font().family(), QStringLiteral("Arial"));

        // Second row: the three commands from the left, the status filter at the right.
        QCOMPARE(bar->cb_novi->text(), QStringLiteral("NOVI"));
        QCOMPARE(bar->cb_sacuvaj->text(), QStringLiteral("SAČUVAJ"));
        QCOMPARE(bar->cb_obrisi->text(), QStringLiteral("OBRIŠI"));
        QCOMPARE(bar->cb_novi->property("tag").toString(), QStringLiteral("otvori novi"));
        QVERIFY(bar->cb_novi->x() < bar->cb_sacuvaj->x());
        QVERIFY(bar->cb_sacuvaj->x() < bar->cb_obrisi->x());
        QVERIFY(bar->cb_obrisi->geometry().right() < bar->ddplb_status->x());
        QVERIFY(bar->cb_novi->y() > top.first()->geometry().bottom());
        for (QPushButton* command : {bar->cb_novi, bar->cb_sacuvaj, bar->cb_obrisi}) {
            QCOMPARE(command->font().family(), QStringLiteral("Arial CE"));
            QVERIFY(command->font().bold());
        }
    }

    void tabOrderFollowsTheScreen() {
        QStringList expected;
        for (const obj_slova::Slovo& letter : obj_slova::slova())
            expected << QString::fromUtf8(letter.control);
        expected << "cb_svi"
                 << "cb_novi"
                 << "cb_sacuvaj"
                 << "cb_obrisi"
                 << "ddplb_status"
                 << "dw_pretraga"
                 << "sle_ime1"
                 << "sle_sslovo"
                 << "sle_prezime"
                 << "sle_mbr"
                 << "rb_zenski"
                 << "rb_muski"
                 << "ddplb_status"
                 << "sle_ulica1"
                 << "sle_grad1"
                 << "sle_telefon"
                 << "sle_mob_tel"
                 << "sle_fax"
                 << "sle_email"
                 << "sle_firma"
                 << "sle_dept"
                 << "sle_p_ulica"
                 << "sle_p_grad"
                 << "sle_p_telefon1"
                 << "sle_p_telefon2"
                 << "sle_p_fax"
                 << "sle_p_email"
                 << "mle_napomena";
        QStringList chain;
        QWidget* widget = h.button(QStringLiteral("cb_a"));
        while (widget && chain.size() < expected.size()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(h.page) &&
                !widget->objectName().startsWith(QLatin1String("qt_")))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
    }

    void statusListsAtStart() {
        // The editor's filter: "Svi" and the statuses, three distinct pictures, every status.
        DropDownPictureList* filter = h.statusFilter();
        QCOMPARE(filter->totalItems(), 6);
        QCOMPARE(filter->text(1), QStringLiteral("Svi"));
        QCOMPARE(filter->selectedIndex(), 1);
        QCOMPARE(h.page->slova()->gruupa, QStringLiteral("%"));
        QCOMPARE(filter->pictureCount(), 3);
        QVERIFY(picture(filter, 0) != picture(filter, 1));
        QVERIFY(picture(filter, 1) != picture(filter, 2));
        QVERIFY(picture(filter, 0) != picture(filter, 2));

        // The form's field: the statuses in rbr order, unsorted, the first one chosen.
        DropDownPictureList* field = h.statusField();
        QStringList names;
        for (int i = 1; i <= field->totalItems(); ++i)
            names << field->text(i);
        QCOMPARE(names, (QStringList{"Pacijent", "Saradnik", "Dobavljač", "Lekar", "Prijatelj"}));
        QCOMPARE(field->selectedIndex(), 1);
        QCOMPARE(int(h.page->rbr_status()), 1);
        QVERIFY(picture(field, 0) != picture(field, 1));
        QVERIFY(!h.window->menjano());
    }

    void formTexts() {
        const QList<std::pair<const char*, const char*>> labels{
            {"st_ime1", "Ime:"},    {"st_prezime1", "Prezime:"}, {"st_mb1", "Matični broj:"},
            {"st_8", "Pol:"},       {"st_6", "Status:"},         {"st_1", "Ulica:"},
            {"st_3", "Grad:"},      {"st_68", "telefon:"},       {"st_133", "mob.tel.:"},
            {"st_134", "fax:"},     {"st_135", "e-mail:"},       {"st_209", "Firma"},
            {"st_203", "dept.:"},   {"st_5", "Ulica:"},          {"st_204", "Grad:"},
            {"st_205", "telefon:"}, {"st_206", "telefon:"},      {"st_207", "fax:"},
            {"st_208", "e-mail:"},  {"st_7", "Napomena:"}};
        for (const auto& [name, text] : labels) {
            MAB_FIND(label, QLabel, h.page, name);
            QCOMPARE(label->text(), QString::fromUtf8(text));
        }
        MAB_FIND(zenski, QRadioButton, h.page, "rb_zenski");
        MAB_FIND(muski, QRadioButton, h.page, "rb_muski");
        QCOMPARE(zenski->text(), QStringLiteral("Ženski"));
        QCOMPARE(muski->text(), QStringLiteral("Muški"));
        MAB_FIND(personal, QGroupBox, h.page, "gb_imeiprezime1");
        MAB_FIND(home, QGroupBox, h.page, "gb_2");
        MAB_FIND(work, QGroupBox, h.page, "gb_33");
        QCOMPARE(personal->title(), QString());
        QCOMPARE(home->title(), QStringLiteral("Kućna adresa"));
        QCOMPARE(work->title(), QStringLiteral("Adresa na poslu"));

        MAB_FIND(rbr, QLineEdit, h.page, "sle_rbr");
        QVERIFY(!rbr->isVisibleTo(h.page));
        QVERIFY(rbr->isReadOnly());
        QCOMPARE(rbr->text(), QStringLiteral("0"));

        QCOMPARE(h.list()->dataObject(), QStringLiteral("dw_pretraga_adresar"));
        QStringList headings;
        for (int column = 0; column < h.list()->model()->columnCount(); ++column)
            headings << h.list()->model()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"Ime", "Prezime", "Mbr", "Adresar Rbr"}));
    }

    void textsFitAndNothingOverlaps() {
        const QRect page = h.page->rect();
        QList<QWidget*> controls;
        for (QWidget* child : h.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisibleTo(h.page))
                continue;
            QVERIFY2(page.contains(child->geometry()), qPrintable(child->objectName()));
            if (!qobject_cast<QGroupBox*>(child))
                controls << child;
        }
        for (qsizetype i = 0; i < controls.size(); ++i)
            for (qsizetype j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!controls.at(i)->geometry().intersects(controls.at(j)->geometry()),
                         qPrintable(controls.at(i)->objectName() + QLatin1String(" / ") +
                                    controls.at(j)->objectName()));

        for (QLabel* label : h.page->findChildren<QLabel*>())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        for (QRadioButton* button : h.page->findChildren<QRadioButton*>())
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable(button->objectName()));
        for (QPushButton* button : h.page->findChildren<QPushButton*>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 6 <= button->width(),
                     qPrintable(button->objectName()));
        QHeaderView* header = h.list()->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
            const QString heading =
                h.list()->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header->fontMetrics().horizontalAdvance(heading) + 8 <=
                         header->sectionSize(column),
                     qPrintable(heading));
        }
        // The list's columns fit beside each other without a horizontal scroll bar.
        QVERIFY(!h.list()->horizontalScrollBar()->isVisible());
    }

    void fieldsTakeOnlyWhatTheyShow() {
        h.type(QStringLiteral("sle_sslovo"), QStringLiteral("ABCDEFGH"));
        const QString initial = h.text(QStringLiteral("sle_sslovo"));
        QVERIFY2(!initial.isEmpty() && initial.size() < 4, qPrintable(initial));
        h.type(QStringLiteral("sle_mbr"), QStringLiteral("0101990715001234"));
        QCOMPARE(h.text(QStringLiteral("sle_mbr")), QStringLiteral("0101990715001234"));
        // What the program puts in is shown whole, however long.
        const QString longName(80, QLatin1Char('x'));
        h.field(QStringLiteral("sle_ime1"))->setText(longName);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), longName);
        h.press(QStringLiteral("cb_novi"));
    }

    void enterPressesOnlyAFocusedButton() {
        // Enter in a field must not run a save (or a delete) of a half-typed entry.
        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Pera"));
        QTest::keyClick(h.field(QStringLiteral("sle_ime1")), Qt::Key_Return);
        QCOMPARE(AdresarHarness::takeNotices(), QStringList());
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QStringLiteral("Pera"));
        h.button(QStringLiteral("cb_novi"))->setFocus();
        QTest::keyClick(h.button(QStringLiteral("cb_novi")), Qt::Key_Return);
        QCOMPARE(h.text(QStringLiteral("sle_ime1")), QString());
    }
};

QTEST_MAIN(TestAdresarPage)
#include "tst_adresar_page.moc"
