#include "common/window_helpers.h"

namespace common {

std::wstring WindowText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    s.resize(static_cast<size_t>(GetWindowTextW(hwnd, s.data(), n + 1)));
    return s;
}

std::wstring OwnProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: a long path
    }
}

bool HasExStyleBit(HWND hwnd, LONG bit) {
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & bit) == bit;
}

bool WindowAnswers(HWND hwnd, UINT timeoutMs, bool block) {
    DWORD_PTR result = 0;
    UINT flags = SMTO_ABORTIFHUNG | (block ? SMTO_BLOCK : 0);
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, flags, timeoutMs, &result) != 0;
}

int32_t HandleValue(HWND hwnd) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd));
}

HWND WindowOfValue(int32_t value) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(value));
}

void SetExStyleBit(HWND hwnd, LONG bit, bool on) {
    LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    LONG wanted = on ? ex | bit : ex & ~bit;
    if (wanted != ex) SetWindowLongW(hwnd, GWL_EXSTYLE, wanted);
}

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

POINT CentredIn(const RECT& area, SIZE size) {
    return POINT{area.left + (area.right - area.left - size.cx) / 2,
                 area.top + (area.bottom - area.top - size.cy) / 2};
}

void Subclass(HWND control, WNDPROC proc) {
    LONG_PTR original = SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    SetWindowLongPtrW(control, GWLP_USERDATA, original);
}

LRESULT CallOriginal(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return CallWindowProcW(original, control, msg, wp, lp);
}

}  // namespace common
