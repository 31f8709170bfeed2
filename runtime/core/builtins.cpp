#include "runtime/core/builtins.h"

#include <QtGlobal>

Builtins& builtins() {
    static Builtins instance;
    return instance;
}

namespace {

template <typename T> T& required(T* object, const char* name) {
    if (!object)
        qFatal("The global object %s is used before it was created.", name);
    return *object;
}

} // namespace

MessageObject& message() {
    return required(builtins().message, "message");
}
