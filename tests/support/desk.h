#pragma once

#include "runtime/core/transaction.h"

#include <memory>

// Another desk: a connection of its own through MabZet, made as the program makes its own (the
// program's login, manual commit), for tests that have several desks write at once.
std::unique_ptr<Transaction> connectDesk();
