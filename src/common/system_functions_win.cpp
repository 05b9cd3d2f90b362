#include "common/system_functions.h"

namespace common {

void* FindUser32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<void*>(GetProcAddress(user32, name)) : nullptr;
}

}  // namespace common
