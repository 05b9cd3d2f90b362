#include "common/message_filter.h"

namespace common {
namespace {

using ForWindowFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using ForProcessFn = BOOL(WINAPI*)(UINT, DWORD);
constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW for the window, MSGFLT_ADD for the process

}  // namespace

void LetThroughFromLowerIntegrity(HWND window, std::initializer_list<UINT> messages,
                                  FunctionFinder find) {
    auto forWindow = reinterpret_cast<ForWindowFn>(find("ChangeWindowMessageFilterEx"));
    auto forProcess =
        forWindow ? nullptr : reinterpret_cast<ForProcessFn>(find("ChangeWindowMessageFilter"));
    for (UINT message : messages) {
        // A refusal (a process of low integrity may not change its filter)
        // leaves the program as it was without it.
        if (forWindow) {
            forWindow(window, message, kAllow, nullptr);
        } else if (forProcess) {
            forProcess(message, kAllow);
        }
    }
}

}  // namespace common
