// The data-window model on its own, against a real database: it is given the rows the address
// book's list statement read with bound arguments, shows them as a well-behaved item model, and
// holds nothing after a failed read.
#include "app/mab_oru.h"
#include "domain/addressbook/adresar_sql.h"
#include "runtime/core/data_window_model.h"
#include "runtime/core/transaction.h"
#include "tests/support/test_data_source.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <memory>

class TestDataWindowModel : public QObject {
    Q_OBJECT

    TestDataSource m_db;
    std::unique_ptr<Transaction> m_sqlca;
    std::unique_ptr<DataWindowModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

    // The list's rows as the page reads them: its statement, then the model is given the rows.
    int retrieve(const QString& prezime, const QString& status) {
        return m_model->show(adresar_sql::spisak(*m_sqlca, prezime, status));
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_db.provision(), qPrintable(m_db.errorString()));
        QVERIFY(m_db.exec(QStringLiteral(
            "INSERT INTO adresar (rbr, ime, prezime, mbr, pol, status) VALUES "
            "(1, 'Ana', 'Antić', '0101990715001', 0, 1), (2, 'Aca', 'Avramović', NULL, 1, 2), "
            "(3, 'Dejan', 'Dimić', NULL, 1, 1)")));
        m_sqlca = std::make_unique<Transaction>();
        m_sqlca->autocommit = false;
        m_sqlca->dbparm = mab_oru::DBParm;
        QCOMPARE(m_sqlca->connect().sqlcode, 0);

        const auto definition = DataWindowDefinition::load(QStringLiteral("dw_pretraga_adresar"));
        QVERIFY(definition);
        m_model = std::make_unique<DataWindowModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(
            m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_model->setDefinition(*definition);
    }

    void retrievesTheRowsTheArgumentsSelect() {
        QCOMPARE(m_model->columnCount(), 4);
        QCOMPARE(m_model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Adresar Rbr"));
        QCOMPARE(retrieve(QStringLiteral("A%"), QStringLiteral("%")), 2);
        QCOMPARE(m_model->errorText(), QString());
        QStringList surnames{m_model->value(0, QStringLiteral("prezime")).toString(),
                             m_model->value(1, QStringLiteral("prezime")).toString()};
        surnames.sort();
        QCOMPARE(surnames, QStringList({"Antić", "Avramović"}));

        // A NULL shows as an empty cell; numbers stand at the right.
        const int aca = m_model->find(QStringLiteral("prezime"), QStringLiteral("Avramović"));
        QVERIFY(aca >= 0);
        QCOMPARE(m_model->data(m_model->index(aca, 2)).toString(), QString());
        QCOMPARE(m_model->data(m_model->index(aca, 3)).toString(), QStringLiteral("2"));
        QCOMPARE(m_model->data(m_model->index(aca, 3), Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(m_model->find(QStringLiteral("prezime"), QStringLiteral("Dimić")), -1);
        QCOMPARE(m_model->find(QStringLiteral("no such column"), QStringLiteral("Antić")), -1);

        // The status argument narrows the rows by the status's name.
        QCOMPARE(retrieve(QStringLiteral("%"), QStringLiteral("Saradnik")), 1);
        QCOMPARE(m_model->value(0, QStringLiteral("adresar_rbr")).toInt(), 2);
        QVERIFY(m_model->removeRowAt(0));
        QCOMPARE(m_model->rowCount(), 0);
        QVERIFY(!m_model->removeRowAt(0));
    }

    void aFailedReadHoldsNoRows() {
        QCOMPARE(retrieve(QStringLiteral("%"), QStringLiteral("%")), 3);
        m_sqlca->commit(); // holds no lock that would stop the rename
        QVERIFY(m_db.exec(QStringLiteral("ALTER TABLE status RENAME TO status_stari")));
        const int rows = retrieve(QStringLiteral("%"), QStringLiteral("%"));
        m_sqlca->rollback();
        QVERIFY(m_db.exec(QStringLiteral("ALTER TABLE status_stari RENAME TO status")));
        QCOMPARE(rows, -1);
        QCOMPARE(m_model->rowCount(), 0);
        QVERIFY(m_model->errorText().contains(QLatin1String("status")));
    }

    void noConnectionNoRows() {
        DataWindowModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        Transaction unconnected;
        QCOMPARE(
            model.show(adresar_sql::spisak(unconnected, QStringLiteral("%"), QStringLiteral("%"))),
            -1);
        QVERIFY(!model.errorText().isEmpty());
        QCOMPARE(model.rowCount(), 0);
    }

    void cleanupTestCase() {
        m_tester.reset();
        m_model.reset();
        m_sqlca.reset();
    }
};

QTEST_GUILESS_MAIN(TestDataWindowModel)
#include "tst_data_window_model_db.moc"
