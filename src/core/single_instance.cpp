#include "core/single_instance.h"

#include <string>

namespace core {

SingleInstance::SingleInstance() {
    // Per session ("Local\") and per user name, so two users of one
    // terminal server each get their own instance.
    wchar_t user[257] = L"";
    DWORD len = 257;
    if (!GetUserNameW(user, &len)) user[0] = L'\0';
    std::wstring name = L"Local\\Vitrane.LayeredWindow.";
    name += user;
    mutex_.reset(CreateMutexW(nullptr, FALSE, name.c_str()));
    first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

}  // namespace core
