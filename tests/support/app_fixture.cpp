#include "tests/support/app_fixture.h"

#include "runtime/widgets/deferred_build.h"
#include "ui/main/mab_la.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QSqlDatabase>
#include <QTest>

AppFixture::AppFixture() : m_modals(std::make_unique<ModalAnswerer>()) {}

AppFixture::~AppFixture() {
    stop();
}

bool AppFixture::provision(TestDataSource::Contents contents, bool registerMabZet) {
    const bool ok = m_db.provision(contents, registerMabZet);
    if (!ok)
        qWarning("Provisioning the %s data source failed: %s", qPrintable(m_db.engineName()),
                 qPrintable(m_db.errorString()));
    return ok;
}

mab_la* AppFixture::start() {
    startWithoutWaiting();
    waitUntilBuilt();
    return window();
}

bool AppFixture::waitUntilBuilt() {
    mab_la* shown = window();
    if (!shown || !QTest::qWaitForWindowExposed(shown))
        return false;
    // The pages are built a step per turn of the event loop: it turns until they all are.
    QDeadlineTimer deadline(10000);
    while (!DeferredBuild::allBuilt(shown) && !deadline.hasExpired())
        QApplication::processEvents();
    QApplication::processEvents();
    return DeferredBuild::allBuilt(shown);
}

mab_la* AppFixture::startWithoutWaiting() {
    stop();
    m_app = std::make_unique<mab_oru>();
    m_app->create();
    m_app->open(QString());
    return window();
}

void AppFixture::stop() {
    if (!m_app)
        return;
    m_app->destroy();
    m_app.reset();
    QApplication::processEvents();
}

mab_la* AppFixture::window() const {
    return m_app ? m_app->glavniProzor() : nullptr;
}

Transaction& sqlca() {
    Transaction* transaction = app().transakcija();
    if (!transaction)
        qFatal("The program's connection is used before the application object made it.");
    return *transaction;
}

bool programConnectionRemains() {
    return !QSqlDatabase::connectionNames().filter(QStringLiteral("mab-transaction-")).isEmpty();
}
