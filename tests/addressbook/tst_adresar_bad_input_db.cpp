// Hostile and awkward text in every field of the address-book form: what a field shows is what is
// stored and what comes back when the entry is loaded, or the save is refused with a message and
// writes nothing. Values go in as a paste does, so the fields' visible-width limit applies.
#include "tests/addressbook/adresar_harness.h"

namespace {

const QStringList NameFields{"sle_ime1", "sle_prezime"};
const QStringList OtherFields{"sle_sslovo",     "sle_ulica1",  "sle_grad1",   "sle_telefon",
                              "sle_mob_tel",    "sle_fax",     "sle_email",   "sle_firma",
                              "sle_dept",       "sle_p_ulica", "sle_p_grad",  "sle_p_telefon1",
                              "sle_p_telefon2", "sle_p_fax",   "sle_p_email", "mle_napomena"};

} // namespace

class TestAdresarBadInput : public QObject {
    Q_OBJECT

    AdresarHarness h;
    int m_tried = 0;
    int m_stored = 0;
    int m_refused = 0;

    void paste(const QString& name, const QString& value) {
        if (QLineEdit* edit = h.field(name)) {
            edit->setFocus();
            edit->selectAll();
            edit->insert(value);
        } else {
            auto* text = h.control<QPlainTextEdit>(name);
            QVERIFY2(text, qPrintable(name));
            text->setFocus();
            text->selectAll();
            text->insertPlainText(value);
        }
    }

private slots:
    void initTestCase() { QVERIFY(h.provision()); }

    void cleanupTestCase() {
        qInfo("bad inputs tried: %d (stored and loaded back: %d, refused with a message: %d)",
              m_tried, m_stored, m_refused);
    }

    void storedAsShownOrRefused_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("fields");
        const QList<QPair<const char*, QString>> values{
            {"empty", QString()},
            {"10000 characters", QString(10000, QLatin1Char('m'))},
            {"apostrophes", QStringLiteral("O'Brien ''")},
            {"double quotes", QStringLiteral("\"citat\" \"")},
            {"backslashes", QStringLiteral("C:\\put\\ \\'")},
            {"percent", QStringLiteral("100% %")},
            {"underscore", QStringLiteral("a_b _")},
            {"line breaks", QStringLiteral("prvi\ndrugi\r\ntreci")},
            {"outside the BMP", QStringLiteral("😀𝄞𠀋")},
            {"right to left", QStringLiteral("שלום مرحبا")},
            {"SQL", QStringLiteral("x'); DELETE FROM adresar; --")},
            {"13 characters of SQL", QStringLiteral("1' OR '1'='1")},
        };
        for (const auto& [name, value] : values) {
            QTest::addRow("%s in the names", name) << value << NameFields;
            QTest::addRow("%s in the identity number", name)
                << value << QStringList{QStringLiteral("sle_mbr")};
            QTest::addRow("%s in the other fields", name) << value << OtherFields;
        }
    }
    void storedAsShownOrRefused() {
        QFETCH(QString, value);
        QFETCH(QStringList, fields);
        QVERIFY(h.start());
        h.type(QStringLiteral("sle_ime1"), QStringLiteral("Ana"));
        h.type(QStringLiteral("sle_prezime"), QStringLiteral("Antić"));
        QMap<QString, QString> shown;
        for (const QString& field : fields) {
            paste(field, value);
            shown[field] = h.text(field);
            ++m_tried;
        }

        h.modals().acknowledge(); // a message box, if the database refuses
        h.press(QStringLiteral("cb_sacuvaj"));
        const QStringList notices = AdresarHarness::takeNotices();
        const QList<ModalSeen> boxes = h.modals().seen();
        h.modals().clear();
        QCOMPARE(h.modals().unexpected(), 0);

        if (!notices.isEmpty() || !boxes.isEmpty()) {
            // Refused: the user is told why, nothing is written, the form keeps the values.
            const QString why = notices.isEmpty() ? boxes.first().text : notices.first();
            QVERIFY(!why.trimmed().isEmpty());
            QCOMPARE(h.rows(), 0);
            for (const QString& field : fields)
                QCOMPARE(h.text(field), shown[field]);
            m_refused += int(fields.size());
            return;
        }
        QCOMPARE(h.rows(), 1);
        const int rbr = h.text(QStringLiteral("sle_rbr")).toInt();
        QVERIFY(rbr > 0);

        // Loaded back into a fresh program, each field shows exactly what it showed.
        QVERIFY(h.launch());
        h.press(QStringLiteral("cb_svi")); // the list starts at one letter; show every entry
        QCOMPARE(h.list()->rowCount(), 1);
        h.clickRow(1);
        QCOMPARE(h.text(QStringLiteral("sle_rbr")), QString::number(rbr));
        for (const QString& field : fields)
            QCOMPARE(h.text(field), shown[field]);
        m_stored += int(fields.size());
    }
};

QTEST_MAIN(TestAdresarBadInput)
#include "tst_adresar_bad_input_db.moc"
