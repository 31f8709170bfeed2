#include "tests/support/desk.h"

#include "app/mab_oru.h"

std::unique_ptr<Transaction> connectDesk() {
    auto sqlca = std::make_unique<Transaction>();
    sqlca->autocommit = false;
    sqlca->dbparm = mab_oru::DBParm;
    sqlca->connect();
    return sqlca;
}
