// Base for a window owned by a C++ object: the object is attached at
// WM_NCCREATE and detached at WM_NCDESTROY; everything unhandled goes to
// DefWindowProcW.
#pragma once

#include <windows.h>

#include "common/non_copyable.h"

namespace common {

class Window : NonCopyable {
  public:
    Window() = default;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

  protected:
    // Registers the class once per process (the name must be unique per subclass).
    static bool RegisterClassOnce(const wchar_t* className, HICON icon, HICON smallIcon,
                                  HBRUSH background);
    HWND Create(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x,
                int y, int w, int h, HWND parent, HMENU menu);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

  private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

}  // namespace common
