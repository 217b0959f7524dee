#include "platform/local_clock.h"

#include "platform/win32.h"

namespace tarnwick::platform {

DateTime localNow() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

} // namespace tarnwick::platform
