#include "runtime/core/os_user.h"

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

QString computerUserName() {
#if defined(Q_OS_UNIX)
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
#endif
    return {};
}
