#pragma once

class MessageObject;
class Transaction;
class DynamicDescriptionArea;
class DynamicStagingArea;
class ErrorObject;

// The runtime's built-in global objects. The application object creates and destroys them
// (in its create and destroy events); the runtime and the screens reach them through here.
struct Builtins {
    MessageObject* message = nullptr;
    Transaction* sqlca = nullptr;
    DynamicDescriptionArea* sqlda = nullptr;
    DynamicStagingArea* sqlsa = nullptr;
    ErrorObject* error = nullptr;
};

Builtins& builtins();

// Shorthands for the screens. Using one before the application object has created it is a
// programming error and aborts with a clear message instead of crashing on a null pointer.
MessageObject& message();
Transaction& sqlca();
DynamicStagingArea& sqlsa();
