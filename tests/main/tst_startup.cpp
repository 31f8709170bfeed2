// Start-up on a throwaway data source: the main window, its tab frame and the two dialogs.
#include "runtime/core/builtins.h"
#include "runtime/core/dates.h"
#include "runtime/core/message.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/deferred_build.h"
#include "runtime/widgets/units.h"
#include "tests/support/app_fixture.h"
#include "ui/appointments/tab_zakazivanje.h"
#include "ui/common/w_da_ne.h"
#include "ui/common/w_obavestenje.h"
#include "ui/main/mab_la.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

class TestStartup : public QObject {
    Q_OBJECT

    AppFixture m_fixture;
    mab_la* m_window = nullptr;

private slots:
    void initTestCase() {
        QVERIFY(m_fixture.provision());
        m_window = m_fixture.start();
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() {
        QCOMPARE(m_fixture.modals().unexpected(), 0);
        QCOMPARE(m_fixture.modals().pending(), 0);
    }

    void connectsWithAutoCommitOff() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("mab-oru"));
        QCOMPARE(sqlca().dbms, QStringLiteral("ODBC"));
        QVERIFY(!sqlca().autocommit);
        QCOMPARE(sqlca().dbparm, QStringLiteral("ConnectString='DSN=MabZet;UID=kiro;PWD=qdxw;'"));
        QVERIFY(sqlca().isConnected());
    }

    void mainWindowIsCentredWithItsFivePages() {
        QCOMPARE(m_window->objectName(), QStringLiteral("mab_la"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("MAB"));
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->menjano());
        QVERIFY(qAbs(unitsWidth(m_window) - 3694) <= 5);
        QVERIFY(qAbs(unitsHeight(m_window) - 2324) <= 4);

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int expectedX =
            UnitsToPixels(centredPosition(PixelsToUnits(screen.width(), UnitDirection::Horizontal),
                                          unitsWidth(m_window)),
                          UnitDirection::Horizontal);
        QVERIFY2(qAbs(m_window->x() - expectedX) <= 1, qPrintable(QString::number(m_window->x())));

        MAB_FIND(tabs, QTabWidget, m_window, "tab_main");
        QCOMPARE(tabs->count(), 5);
        const QStringList labels{"PRIJEM", "ADRESAR", "ZAKAZIVANJE", "LABORATORIJSKE ANALIZE",
                                 "PRETRAŽIVANJE"};
        const QStringList pages{"tab_prijem", "tab_adresar", "tab_zakazivanje", "tab_lab_analize",
                                "tab_pretrazivanje"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tabs->tabText(i), labels.at(i));
            QCOMPARE(tabs->widget(i)->objectName(), pages.at(i));
        }
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabToolTip(1), QStringLiteral("Adresar za idiote"));
        for (int i : {0, 2, 3, 4})
            QVERIFY(tabs->tabToolTip(i).isEmpty());
        QCOMPARE(tabs->font().family(), QStringLiteral("Arial CE"));
    }

    void escapeDoesNotCloseTheMainWindow() {
        QTest::keyClick(m_window, Qt::Key_Escape);
        QVERIFY(m_window->isVisible());
    }

    void questionAnswersDaOrNe() {
        m_fixture.modals().click(QStringLiteral("cb_da"));
        QVERIFY(w_da_ne::pitaj(QStringLiteral("Pitanje?")));
        QCOMPARE(message().stringparm, QStringLiteral("DA"));

        m_fixture.modals().click(QStringLiteral("cb_ne"));
        QVERIFY(!w_da_ne::pitaj(QStringLiteral("Pitanje?")));
        QCOMPARE(message().stringparm, QStringLiteral("NE"));
        QCOMPARE(m_fixture.modals().seen().last().text, QStringLiteral("Pitanje?"));
    }

    void questionLayoutAndEnterAnswersNe() {
        bool layoutOk = false;
        m_fixture.modals().answer([&layoutOk](QWidget* dialog) {
            auto* ne = dialog->findChild<QPushButton*>(QStringLiteral("cb_ne"));
            auto* da = dialog->findChild<QPushButton*>(QStringLiteral("cb_da"));
            layoutOk = ne && da && ne->text() == QLatin1String("NE") &&
                       da->text() == QLatin1String("DA") && ne->x() < da->x() && ne->isDefault() &&
                       !da->isDefault();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        const bool yes = w_da_ne::pitaj(QStringLiteral("Enter?"));
        QVERIFY(!yes);
        QCOMPARE(message().stringparm, QStringLiteral("NE"));
        QVERIFY(layoutOk);
    }

    void closingTheQuestionOtherwiseIsNotDa() {
        // Even a question whose own text is "DA" does not answer yes when closed by its box.
        m_fixture.modals().answer([](QWidget* dialog) { dialog->close(); });
        QVERIFY(!w_da_ne::pitaj(QStringLiteral("DA")));
        QVERIFY(message().stringparm != QLatin1String("DA"));

        m_fixture.modals().answer([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QVERIFY(!w_da_ne::pitaj(QStringLiteral("DA")));
        QVERIFY(message().stringparm != QLatin1String("DA"));
    }

    void questionIsCentred() {
        bool centred = false;
        int widthUnits = 0;
        m_fixture.modals().answer([&](QWidget* dialog) {
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            const int expected = UnitsToPixels(
                centredPosition(PixelsToUnits(screen.width(), UnitDirection::Horizontal),
                                unitsWidth(dialog)),
                UnitDirection::Horizontal);
            centred = qAbs(dialog->x() - expected) <= 1;
            widthUnits = unitsWidth(dialog);
            dialog->findChild<QPushButton*>(QStringLiteral("cb_ne"))->click();
        });
        w_da_ne::pitaj(QStringLiteral("Centar?"));
        QVERIFY(centred);
        QVERIFY2(qAbs(widthUnits - 1362) <= 5, qPrintable(QString::number(widthUnits)));
    }

    void noticeDoesNotBlockItsCaller() {
        w_obavestenje::obavesti(QStringLiteral("Morate uneti ime u adresar!"));
        // The caller is back here while the notice is still open.
        const QList<QWidget*> notices = visibleWindows(QStringLiteral("w_obavestenje"));
        QCOMPARE(notices.size(), 1);
        QWidget* notice = notices.first();
        QVERIFY(!notice->isModal());
        MAB_FIND(text, QPlainTextEdit, notice, "mle_tekst");
        QCOMPARE(text->toPlainText(), QStringLiteral("Morate uneti ime u adresar!"));
        QVERIFY(text->isReadOnly());
        MAB_FIND(ok, QPushButton, notice, "cb_da");
        QCOMPARE(ok->text(), QStringLiteral("Uredu"));
        ok->click();
        QTRY_VERIFY(visibleWindows(QStringLiteral("w_obavestenje")).isEmpty());
    }

    void everyNamedControlIsReachable() {
        for (const char* name : {"tab_main", "tab_prijem", "tab_adresar", "tab_zakazivanje",
                                 "tab_lab_analize", "tab_pretrazivanje"}) {
            QVERIFY2(m_window->findChild<QWidget*>(QString::fromUtf8(name)), name);
        }
    }

    // Once the window is shown and the pending events have run, the controls of the pages
    // nobody has opened yet are there too, each on its own page.
    void laterPagesAreBuiltOnceTheWindowIsShown_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("reception, later inner pages")
            << "tab_prijem"
            << QStringList{"mle_hipertenzija", "ddlb_fiz_aktivnost", "cb_hematologija", "dw_nalazi",
                           "mle_kontrola_napomene"};
        QTest::newRow("appointments")
            << "tab_zakazivanje"
            << QStringList{"st_4", "dw_calendar_1", "dw_calendar_2", "lb_1", "dw_zakazivanje",
                           "st_2", "st_cal_1",      "st_cal_2",      "gb_1", "st_dan"};
        QTest::newRow("laboratory")
            << "tab_lab_analize"
            << QStringList{"em_svega_analize", "pb_hemat_analize", "pb_urin",
                           "em_ukupno_urin",   "pb_hemcen",        "gb_lab_cen"};
        QTest::newRow("search") << "tab_pretrazivanje"
                                << QStringList{"uo_2", "uo_4",     "uo_5",    "uo_6",
                                               "cb_1", "ddlb_lk1", "ddlb_lk3"};
    }

    void laterPagesAreBuiltOnceTheWindowIsShown() {
        QFETCH(QString, page);
        QFETCH(QStringList, controls);
        MAB_FIND(holder, QWidget, m_window, qPrintable(page));
        for (const QString& name : controls)
            QVERIFY2(holder->findChild<QWidget*>(name), qPrintable(name));
    }

    void closingTheMainWindowAsksNothing() {
        m_window->setMenjano(true);
        const qsizetype modalsBefore = m_fixture.modals().seen().size();
        QPointer<mab_la> window = m_window;
        window->close();
        QTRY_VERIFY(!window);
        QCOMPARE(m_fixture.modals().seen().size(), modalsBefore);
        m_fixture.stop();
        QVERIFY(!programConnectionRemains());
        QVERIFY(builtins().message == nullptr);
    }

    // The calendars start on the day the window opened, even when they are built after midnight.
    void laterPagesKeepTheDayTheWindowOpenedOn() {
        setTodayForTesting(QDate(2026, 1, 31));
        mab_la* window = m_fixture.startWithoutWaiting();
        QVERIFY(window);
        setTodayForTesting(QDate(2026, 2, 1));
        QVERIFY(m_fixture.waitUntilBuilt());
        MAB_FIND(caption, QLabel, window, "st_cal_1");
        setTodayForTesting(QDate());
        QCOMPARE(caption->text(), QStringLiteral("Januar 2026"));
        QCOMPARE(window->zakazivanje()->izabraniDan(), QDate(2026, 1, 31));
        QCOMPARE(window->dcaldate(), QDate(2026, 2, 1));
        m_fixture.stop();
    }

    // A click in PRIJEM's first field as the window appears, then keys typed while the later
    // pages are built between them: every key reaches that field, in its order.
    void keysTypedDuringStartUpReachTheirField() {
        mab_la* window = m_fixture.startWithoutWaiting();
        QVERIFY(window);
        QWindow* handle = window->windowHandle();
        for (int turn = 0; turn < 1000 && !handle->isExposed(); ++turn)
            QCoreApplication::processEvents();
        MAB_FIND(field, QLineEdit, window, "sle_ime");
        QTest::mouseClick(field, Qt::LeftButton);
        QString typed;
        while (!DeferredBuild::allBuilt(window) && typed.size() < 100) {
            typed += QLatin1Char(char('a' + typed.size() % 26));
            QTest::keyClick(handle, typed.back().toLatin1());
            QCoreApplication::processEvents();
        }
        QVERIFY2(typed.size() > 3, qPrintable(typed)); // the building went on between the keys
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->text(), typed);
        m_fixture.stop();
    }

    // A page picked before the window's first paint is built as it is shown, controls and all.
    void aPageOpenedAtOnceShowsItsControls() {
        mab_la* window = m_fixture.startWithoutWaiting();
        QVERIFY(window);
        window->tabMain()->setCurrentIndex(3);
        MAB_FIND(hemat, QWidget, window, "pb_hemat_analize");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(hemat->isVisible());
        m_fixture.stop();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
