#pragma once

#include <QString>

// The name the operating system knows the program's user by (the account, not a setting the user
// could change); empty when it cannot tell.
QString computerUserName();
