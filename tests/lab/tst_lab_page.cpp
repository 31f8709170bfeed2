// The LABORATORIJSKE ANALIZE page: its controls and pictures, and the bill total.
#include "tests/lab/lab_support.h"
#include "ui/lab/tab_lab_analize.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QtEndian>

class TestLabPage : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;
    tab_lab_analize* m_page = nullptr;

    // Sets a subtotal as another window does: the raw text, no recomputation of its own.
    void setRaw(EditMask* field, const QString& text) { field->setText(text); }

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        m_window = m_fixture.start();
        QVERIFY(m_window);
        m_page = m_window->labAnalize();
        QVERIFY(m_page);
    }

    void cleanup() {
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        QVERIFY(visibleWindows(QStringLiteral("w_hematologija_unos")).isEmpty());
    }

    void pageAndControls() {
        QCOMPARE(m_page->property("tag").toString(), QStringLiteral("laboratorijske_analize"));
        for (const char* name :
             {"em_svega_analize", "em_ukupno_hem", "em_ukupno_biohem", "em_ukupno_urin"}) {
            MAB_FIND(field, EditMask, m_page, name);
            QCOMPARE(field->mask(), QStringLiteral("0.00"));
            QCOMPARE(field->text(), QStringLiteral("0.00")); // the stored "none" shows as 0
            QVERIFY(!field->isReadOnly());
        }
        MAB_FIND(label, QLabel, m_page, "st_9");
        QCOMPARE(label->text(), QStringLiteral("Svega za naplatu"));
        QVERIFY(label->font().bold());
        MAB_FIND(services, QGroupBox, m_page, "gb_lab_anl");
        QCOMPARE(services->title(), QStringLiteral("Usluge"));
        MAB_FIND(prices, QGroupBox, m_page, "gb_lab_cen");
        QCOMPARE(prices->title(), QStringLiteral("Cenovnik usluga"));
        MAB_FIND(total, QGroupBox, m_page, "gb_svega");
        QVERIFY(total->title().isEmpty());

        // Each subtotal stands beside its service button; the bill total sits in its own frame.
        const QList<QPair<const char*, const char*>> beside{{"pb_hemat_analize", "em_ukupno_hem"},
                                                            {"pb_biohemija", "em_ukupno_biohem"},
                                                            {"pb_urin", "em_ukupno_urin"}};
        for (const auto& [buttonName, fieldName] : beside) {
            MAB_FIND(button, PictureButton, m_page, buttonName);
            MAB_FIND(field, EditMask, m_page, fieldName);
            QVERIFY(field->x() > button->geometry().right());
            QVERIFY(field->geometry().center().y() > button->geometry().top());
            QVERIFY(field->geometry().center().y() < button->geometry().bottom());
            QVERIFY(services->geometry().contains(button->geometry()));
        }
        QVERIFY(total->geometry().contains(m_page->em_svega_analize()->geometry()));
        QVERIFY(total->geometry().contains(label->geometry()));
    }

    void pictures_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("tag");
        QTest::newRow("hematology") << "pb_hemat_analize"
                                    << "hemato2.bmp"
                                    << "";
        QTest::newRow("biochemistry") << "pb_biohemija"
                                      << "bioh.bmp"
                                      << "biohemijske_analize";
        QTest::newRow("urine") << "pb_urin"
                               << "urin1.bmp"
                               << "biohemijske_analize";
        QTest::newRow("urine prices") << "pb_urincen"
                                      << "urincen.bmp"
                                      << "";
        QTest::newRow("biochemistry prices") << "pb_biohcen"
                                             << "biohcen.bmp"
                                             << "";
        QTest::newRow("hematology prices") << "pb_hemcen"
                                           << "hemcen1.BMP"
                                           << "";
    }
    void pictures() {
        QFETCH(QString, button);
        QFETCH(QString, picture);
        QFETCH(QString, tag);
        MAB_FIND(pictureButton, PictureButton, m_page, button.toUtf8().constData());
        QCOMPARE(pictureButton->pictureName(), picture);
        QVERIFY(pictureButton->hasPicture());
        QCOMPARE(pictureButton->property("tag").toString(), tag);
        QVERIFY(pictureButton->iconSize().width() <= pictureButton->width());
        QVERIFY(pictureButton->iconSize().height() <= pictureButton->height());

        // Delivered under its stored name as an uncompressed 24-bit bitmap.
        QFile file(QStringLiteral(":/bitmaps/") + picture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        QCOMPARE(header.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(header.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(header.constData() + 30), quint32(0));
    }

    void pictureNamesKeepTheirCase() {
        QVERIFY(QFile::exists(QStringLiteral(":/bitmaps/hemcen1.BMP")));
        QVERIFY(!QFile::exists(QStringLiteral(":/bitmaps/hemcen1.bmp")));
        QVERIFY(!QFile::exists(QStringLiteral(":/bitmaps/HEMATO2.BMP")));
    }

    void billTotal_data() {
        QTest::addColumn<QString>("hem");
        QTest::addColumn<QString>("biohem");
        QTest::addColumn<QString>("urin");
        QTest::addColumn<QString>("expected");
        QTest::newRow("worked example") << "675"
                                        << "120.5"
                                        << "0"
                                        << "795.50";
        QTest::newRow("never filled") << "none"
                                      << "none"
                                      << "none"
                                      << "0.00";
        QTest::newRow("not a number counts as 0") << "abc"
                                                  << "12.25"
                                                  << ""
                                                  << "12.25";
        QTest::newRow("binary sum rounds to the cent") << "0.1"
                                                       << "0.2"
                                                       << "0"
                                                       << "0.30";
        QTest::newRow("half a cent rounds up") << "1.005"
                                               << "0"
                                               << "0"
                                               << "1.01";
        QTest::newRow("large amounts") << "999999.99"
                                       << "0.01"
                                       << "1000000"
                                       << "2000000.00";
    }
    void billTotal() {
        QFETCH(QString, hem);
        QFETCH(QString, biohem);
        QFETCH(QString, urin);
        QFETCH(QString, expected);
        setRaw(m_page->em_ukupno_hem(), hem);
        setRaw(m_page->em_ukupno_biohem(), biohem);
        setRaw(m_page->em_ukupno_urin(), urin);
        m_window->svega_za_naplatu();
        QCOMPARE(m_page->em_svega_analize()->text(), expected);
    }

    void typingIntoASubtotalRecomputes_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("hematology") << "em_ukupno_hem";
        QTest::newRow("biochemistry") << "em_ukupno_biohem";
        QTest::newRow("urine") << "em_ukupno_urin";
    }
    void typingIntoASubtotalRecomputes() {
        QFETCH(QString, field);
        for (EditMask* subtotal :
             {m_page->em_ukupno_hem(), m_page->em_ukupno_biohem(), m_page->em_ukupno_urin()})
            subtotal->setValue(QStringLiteral("100"));
        m_window->svega_za_naplatu();
        MAB_FIND(edited, EditMask, m_page, field.toUtf8().constData());
        edited->selectAll();
        typeText(edited, QStringLiteral("12.5"));
        QCOMPARE(m_page->em_svega_analize()->text(), QStringLiteral("212.50"));
        QTest::keyClick(edited, Qt::Key_Backspace); // "12." is still a number
        QCOMPARE(m_page->em_svega_analize()->text(), QStringLiteral("212.00"));
        edited->selectAll();
        QTest::keyClick(edited, Qt::Key_Delete); // an emptied field counts as 0
        QCOMPARE(m_page->em_svega_analize()->text(), QStringLiteral("200.00"));
    }

    void typingIntoTheBillTotalTriggersNothing() {
        m_page->em_ukupno_hem()->setValue(QStringLiteral("10"));
        m_page->em_ukupno_biohem()->setValue(QStringLiteral("20"));
        m_page->em_ukupno_urin()->setValue(QStringLiteral("0"));
        m_window->svega_za_naplatu();
        EditMask* total = m_page->em_svega_analize();
        total->selectAll();
        typeText(total, QStringLiteral("5"));
        QCOMPARE(total->text(), QStringLiteral("5"));
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("10.00"));

        // The next recomputation overwrites what was typed there.
        m_page->em_ukupno_urin()->selectAll();
        typeText(m_page->em_ukupno_urin(), QStringLiteral("1"));
        QCOMPARE(total->text(), QStringLiteral("31.00"));
    }

    void enterInASubtotalPressesNoButton() {
        auto* tabs = m_window->tabMain();
        tabs->setCurrentWidget(m_page);
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        for (EditMask* field : {m_page->em_ukupno_hem(), m_page->em_ukupno_biohem(),
                                m_page->em_ukupno_urin(), m_page->em_svega_analize()}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        }
        QTest::qWait(20);
        QVERIFY(visibleWindows(QStringLiteral("w_hematologija_unos")).isEmpty());

        // On the button itself Enter opens the order window, as Space does.
        m_page->findChild<PictureButton*>(QStringLiteral("pb_hemat_analize"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(visibleWindows(QStringLiteral("w_hematologija_unos")).size(), 1);
        QVERIFY(lab::closeOrderWindow());
    }

    void theOtherPicturesDoNothing() {
        m_page->em_ukupno_hem()->setValue(QStringLiteral("7"));
        m_window->svega_za_naplatu();
        const QString before = m_page->em_svega_analize()->text();
        const int windows = int(QApplication::topLevelWidgets().size());
        for (const char* name :
             {"pb_biohemija", "pb_urin", "pb_urincen", "pb_biohcen", "pb_hemcen"}) {
            MAB_FIND(button, PictureButton, m_page, name);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(int(QApplication::topLevelWidgets().size()), windows);
        QCOMPARE(m_page->em_svega_analize()->text(), before);
        QCOMPARE(m_page->em_ukupno_hem()->text(), QStringLiteral("7.00"));
    }
};

QTEST_MAIN(TestLabPage)
#include "tst_lab_page.moc"
