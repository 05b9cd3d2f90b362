// Owning wrappers for Win32 handles: one template, one deleter per kind.
#pragma once

#include <windows.h>

#include <utility>

namespace common {

template <typename T, typename Deleter, T Invalid = T{}>
class unique_handle {
  public:
    unique_handle() = default;
    explicit unique_handle(T value) : value_(value) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& other) noexcept : value_(other.release()) {}
    unique_handle& operator=(unique_handle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~unique_handle() { reset(); }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Invalid; }
    T release() { return std::exchange(value_, Invalid); }
    void reset(T value = Invalid) {
        T old = std::exchange(value_, value);
        if (old != Invalid) Deleter{}(old);
    }

  private:
    T value_ = Invalid;
};

struct IconDeleter {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct MenuDeleter {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct GdiDeleter {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcDeleter {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct HandleDeleter {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct KeyDeleter {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
struct WindowDeleter {
    void operator()(HWND h) const { DestroyWindow(h); }
};
struct FontDeleter {
    void operator()(HFONT h) const { DeleteObject(h); }
};
struct BitmapDeleter {
    void operator()(HBITMAP h) const { DeleteObject(h); }
};
struct BrushDeleter {
    void operator()(HBRUSH h) const { DeleteObject(h); }
};

using unique_hicon = unique_handle<HICON, IconDeleter>;
using unique_hmenu = unique_handle<HMENU, MenuDeleter>;
using unique_hdc = unique_handle<HDC, DcDeleter>;
using unique_hbitmap = unique_handle<HBITMAP, BitmapDeleter>;
using unique_hfont = unique_handle<HFONT, FontDeleter>;
using unique_hbrush = unique_handle<HBRUSH, BrushDeleter>;
using unique_handle_t = unique_handle<HANDLE, HandleDeleter>;
using unique_hkey = unique_handle<HKEY, KeyDeleter>;
using unique_hwnd = unique_handle<HWND, WindowDeleter>;

// A DC from GetDC, released to its window.
class window_dc {
  public:
    explicit window_dc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    ~window_dc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// SelectObject undone at scope end.
class scoped_select {
  public:
    scoped_select(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    scoped_select(const scoped_select&) = delete;
    scoped_select& operator=(const scoped_select&) = delete;
    ~scoped_select() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace common
