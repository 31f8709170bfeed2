// The ADRESAR page on its own, without the main window: building it reads nothing, and it reads
// its statuses and first list only when told to load.
#include "app/mab_oru.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/list_data_window.h"
#include "runtime/widgets/picture_list.h"
#include "tests/support/test_data_source.h"
#include "ui/addressbook/obj_slova.h"
#include "ui/addressbook/tab_adresar.h"

#include <QTest>

class TestAdresarAlone : public QObject {
    Q_OBJECT

    TestDataSource m_db;

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        QVERIFY(
            m_db.exec(QStringLiteral("INSERT INTO adresar (rbr, ime, prezime, status) "
                                     "VALUES (1, 'Ana', 'Antić', 2), (2, 'Bora', 'Babić', 1)")));
    }

    void buildsWithoutReadingAndReadsWhenToldTo() {
        Transaction sqlca;
        sqlca.autocommit = false;
        sqlca.dbparm = mab_oru::DBParm;
        QCOMPARE(sqlca.connect().sqlcode, 0);
        // Any statement would count as a use of the connection.
        const quint64 untouched = sqlca.uses();

        tab_adresar page(sqlca);
        QCOMPARE(sqlca.uses(), untouched);
        auto* status = page.findChild<DropDownPictureList*>(QStringLiteral("ddplb_status"),
                                                            Qt::FindDirectChildrenOnly);
        QVERIFY(status);
        QCOMPARE(status->totalItems(), 0);
        QCOMPARE(page.slova()->ddplb_status->totalItems(), 0);
        QCOMPARE(page.lista()->rowCount(), 0);

        page.ucitaj();
        QCOMPARE(status->totalItems(), 5);
        QCOMPARE(status->text(1), QStringLiteral("Pacijent"));
        QCOMPARE(int(page.rbr_status()), 1);
        // "Svi", then the same five statuses from the same read.
        QCOMPARE(page.slova()->ddplb_status->totalItems(), 6);
        QCOMPARE(page.slova()->ddplb_status->text(1), QStringLiteral("Svi"));
        QCOMPARE(page.slova()->ddplb_status->text(6), status->text(5));
        QCOMPARE(page.lista()->rowCount(), 1);
        QCOMPARE(page.lista()->getItemString(1, QStringLiteral("prezime")),
                 QStringLiteral("Antić"));
        QVERIFY(!page.menjano());
    }
};

QTEST_MAIN(TestAdresarAlone)
#include "tst_adresar_alone_db.moc"
