#pragma once

class MessageObject;

// The runtime's built-in global object: the message object, which carries a text into the dialogs
// w_da_ne and w_obavestenje and w_da_ne's answer back. The application object creates and destroys
// it; the dialogs reach it through here. The connection is no global: the application object holds
// it and the screens are handed it.
struct Builtins {
    MessageObject* message = nullptr;
};

Builtins& builtins();

// The message object. Using it before the application object has created it is a programming
// error and aborts with a clear message instead of crashing on a null pointer.
MessageObject& message();
