#include "app/mab_oru.h"

#include "app/schema_check.h"
#include "domain/history/istorija_sql.h"
#include "runtime/core/builtins.h"
#include "runtime/core/message.h"
#include "runtime/core/os_user.h"
#include "runtime/core/transaction.h"
#include "runtime/widgets/font_database_fill.h"
#include "runtime/widgets/look.h"
#include "runtime/widgets/window.h"
#include "ui/main/mab_la.h"

#include <QCoreApplication>

namespace {
mab_oru* runningApplication = nullptr;
}

const QString mab_oru::DBMS = QStringLiteral("ODBC");
const QString mab_oru::DBParm = QStringLiteral("ConnectString='DSN=MabZet;UID=%1;PWD=%2;'")
                                    .arg(QLatin1String(Login.user), QLatin1String(Login.password));

mab_oru::mab_oru() {
    Q_ASSERT(!runningApplication);
    runningApplication = this;
}

mab_oru::~mab_oru() {
    destroy();
    runningApplication = nullptr;
}

mab_oru& app() {
    if (!runningApplication)
        qFatal("No application object is running.");
    return *runningApplication;
}

::mab_la* mab_oru::glavniProzor() const {
    return qobject_cast<::mab_la*>(mab_la.data());
}

void mab_oru::create() {
    QCoreApplication::setApplicationName(QStringLiteral("mab-oru"));
    installFontSubstitutions();
    // Fills while the connection opens and the address book reads; the window is built after.
    m_fontDatabaseFill = std::make_unique<FontDatabaseFill>();
    builtins().message = new MessageObject;
    m_sqlca = std::make_unique<Transaction>();
}

void mab_oru::open(const QString& commandline) {
    Q_UNUSED(commandline) // the command line is accepted and ignored
    Transaction& transaction = *m_sqlca;
    transaction.dbms = DBMS;
    transaction.autocommit = false;
    transaction.dbparm = DBParm;
    // The outcome is not tested here: without a database the main window opens all the same and
    // each screen reports its own failed statements.
    transaction.connect();
    // A database at another schema version is named before any screen reads it.
    if (transaction.isConnected())
        proveriVerzijuSeme(transaction);
    // The embedded database's history names the desk by the computer's user; a server knows its
    // desks by their connections.
    if (transaction.isConnected() && !transaction.isPostgreSQL())
        istorija_sql::postaviPult(transaction, computerUserName());
    mab_la = Open<::mab_la>(transaction);
    // The program ends when its main window closes, even if a notice is still open.
    QObject::connect(mab_la, &QObject::destroyed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

void mab_oru::destroy() {
    if (mab_la)
        delete mab_la.data();
    m_sqlca.reset(); // also ends the open unit of work and closes the connection
    delete builtins().message;
    builtins().message = nullptr;
    m_fontDatabaseFill.reset();
}
