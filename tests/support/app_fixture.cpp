#include "tests/support/app_fixture.h"

#include "ui/main/mab_la.h"

#include <QApplication>
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
    mab_la* shown = startWithoutWaiting();
    if (shown && QTest::qWaitForWindowExposed(shown))
        QApplication::processEvents();
    return window();
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
