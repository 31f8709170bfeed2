#pragma once

#include <QString>

// The message object: the one channel that carries a text into a window being opened and the
// answer of a response window back to its opener.
class MessageObject {
public:
    QString stringparm;
    double doubleparm = 0;
};
