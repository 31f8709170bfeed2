// Not a timing: shows the ADRESAR page on the sample people and saves a picture of it, so that the
// layout can be checked by eye (texts not cut, nothing overlapping). Run under a real or virtual
// display, e.g. xvfb-run -a -s "-screen 0 1280x1024x24" bench/bench_adresar_screenshot [file.png]
#include "tests/support/app_fixture.h"
#include "ui/main/mab_la.h"

#include <QTabWidget>

namespace {
QString outputPath = QStringLiteral("/tmp/adresar.png");
}

class BenchAdresarScreenshot : public QObject {
    Q_OBJECT

    AppFixture m_fixture;

private slots:
    void savesThePage() {
        QVERIFY(m_fixture.provision());
        QVERIFY2(m_fixture.db().runScript(QStringLiteral("db/sample_people.sql")),
                 qPrintable(m_fixture.db().lastError()));
        mab_la* window = m_fixture.start();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        MAB_FIND(tabs, QTabWidget, window, "tab_main");
        tabs->setCurrentIndex(1);
        QTest::qWait(200);
        QVERIFY(window->grab().save(outputPath));
        qInfo("Saved %s", qPrintable(outputPath));
        QCOMPARE(m_fixture.modals().unexpected(), 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (arguments.size() > 1 && arguments.last().endsWith(QLatin1String(".png")))
        outputPath = arguments.takeLast();
    BenchAdresarScreenshot bench;
    return QTest::qExec(&bench, arguments);
}

#include "bench_adresar_screenshot.moc"
