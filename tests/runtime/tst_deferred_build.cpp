// Parts of a window built later: after the window's first paint, or when a part is about to be
// shown, whichever comes first, and never twice.
#include "runtime/widgets/deferred_build.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>

class TestDeferredBuild : public QObject {
    Q_OBJECT

    // A window with two stacked pages; the second one's label is built later.
    struct Window {
        QWidget window;
        QStackedWidget* stack = new QStackedWidget(&window);
        QWidget* first = new QWidget;
        QWidget* second = new QWidget;
        int builds = 0;

        Window() {
            (new QVBoxLayout(&window))->addWidget(stack);
            stack->addWidget(first);
            stack->addWidget(second);
            new DeferredBuild({second}, [this] {
                ++builds;
                auto* label = new QLabel(QStringLiteral("later"), second);
                label->setObjectName(QStringLiteral("st_later"));
            });
            window.resize(200, 100);
        }
        QLabel* label() const { return second->findChild<QLabel*>(QStringLiteral("st_later")); }
    };

private slots:
    void builtAfterTheFirstPaintAndOnlyOnce() {
        Window w;
        DeferredBuild::afterFirstPaint(&w.window);
        QCOMPARE(w.builds, 0);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QTRY_COMPARE(w.builds, 1);
        QVERIFY(w.label());
        QVERIFY(!w.label()->isVisible()); // its page is still hidden
        w.stack->setCurrentIndex(1);
        DeferredBuild::buildAll(&w.window);
        QCOMPARE(w.builds, 1);
        QVERIFY(w.label()->isVisible());
    }

    void openedBeforeTheFirstPaintShowsItsControls() {
        Window w;
        DeferredBuild::afterFirstPaint(&w.window);
        w.window.show();
        // Picked before any event ran: built as it is shown, its label shown with it.
        w.stack->setCurrentIndex(1);
        QCOMPARE(w.builds, 1);
        QVERIFY(w.label()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCoreApplication::processEvents();
        QCOMPARE(w.builds, 1);
    }

    // Steps run one per turn of the event loop after the first paint; a page shown midway gets
    // the rest at once, and no step runs twice.
    void stepsRunAPerTurnAndTheRestWhenShown() {
        Window w;
        QWidget* third = new QWidget;
        w.stack->addWidget(third);
        QStringList ran;
        new DeferredBuild({third}, {[&] { ran << "a"; }, [&] { ran << "b"; }, [&] { ran << "c"; }});
        DeferredBuild::afterFirstPaint(&w.window);
        w.window.show();
        for (int turn = 0; turn < 100 && ran.isEmpty(); ++turn)
            QCoreApplication::processEvents();
        QCOMPARE(ran, QStringList{"a"});
        w.stack->setCurrentIndex(2);
        QCOMPARE(ran, (QStringList{"a", "b", "c"}));
        for (int turn = 0; turn < 5; ++turn)
            QCoreApplication::processEvents();
        QCOMPARE(ran, (QStringList{"a", "b", "c"}));
        QCOMPARE(w.builds, 1); // the other page's part, built in a turn of its own
    }

    void askedForBeforeShowing() {
        Window w;
        QVERIFY(!w.label());
        DeferredBuild::buildAll(w.second);
        QCOMPARE(w.builds, 1);
        QVERIFY(w.label());
        // Built while hidden, the label shows with its page like any other control.
        w.window.show();
        w.stack->setCurrentIndex(1);
        QVERIFY(w.label()->isVisible());
    }
};

QTEST_MAIN(TestDeferredBuild)
#include "tst_deferred_build.moc"
