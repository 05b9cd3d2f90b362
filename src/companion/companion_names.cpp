#include "companion/companion_names.h"

namespace companion {

std::wstring CompanionCaption(int32_t targetHandle) {
    return L"Corvel-" + std::to_wstring(targetHandle);
}

std::wstring CompanionMutexName(int32_t targetHandle) {
    return L"Local\\Corvel-" + std::to_wstring(targetHandle);
}

}  // namespace companion
