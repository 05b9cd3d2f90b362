#include "core/single_instance.h"

#include "core/instance_mutex.h"

namespace core {

static_assert(kErrorAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kErrorAlreadyExists == ERROR_ALREADY_EXISTS);

std::wstring InstanceMutexName() {
    // Per session ("Local\") and per user name, so two users of one
    // terminal server each get their own instance.
    wchar_t user[257] = L"";
    DWORD len = 257;
    if (!GetUserNameW(user, &len)) user[0] = L'\0';
    return std::wstring(L"Local\\Vitrane.LayeredWindow.") + user;
}

SingleInstance::SingleInstance() {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, InstanceMutexName().c_str());
    DWORD error = GetLastError();
    mutex_.reset(mutex);
    first_ = !AnotherInstanceRuns(mutex != nullptr, error);
}

}  // namespace core
