#include "common/window_class.h"

namespace common {

Window::~Window() {
    if (hwnd_) {
        // Detach first so no message reaches a half-destroyed object.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::RegisterClassOnce(const wchar_t* className, HICON icon, HICON smallIcon,
                               HBRUSH background) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(inst, className, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::Thunk;
    wc.hInstance = inst;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

HWND Window::Create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    int x, int y, int w, int h, HWND parent, HMENU menu) {
    return CreateWindowExW(exStyle, className, title, style, x, y, w, h, parent, menu,
                           GetModuleHandleW(nullptr), this);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return Default(msg, wp, lp);
}

LRESULT CALLBACK Window::Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        LRESULT r = self->HandleMessage(msg, wp, lp);
        self->hwnd_ = nullptr;
        return r;
    }
    return self->HandleMessage(msg, wp, lp);
}

}  // namespace common
