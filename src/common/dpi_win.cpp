#include "common/dpi.h"

#include "common/system_functions.h"
#include "common/unique_handle.h"

namespace common {
namespace {

template <typename Fn>
Fn User32Function(const char* name) {
    return reinterpret_cast<Fn>(FindUser32Function(name));
}

// shcore.dll (Windows 8.1 on) is loaded from the system folder once and kept
// for the life of the process.
template <typename Fn>
Fn ShcoreFunction(const char* name) {
    HMODULE shcore = GetModuleHandleW(L"shcore.dll");
    if (!shcore) {
        wchar_t path[MAX_PATH];
        UINT n = GetSystemDirectoryW(path, MAX_PATH);
        if (n == 0 || n + 12 >= MAX_PATH) return nullptr;
        lstrcpyW(path + n, L"\\shcore.dll");
        shcore = LoadLibraryW(path);
    }
    return shcore ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(shcore, name)))
                  : nullptr;
}

}  // namespace

int ScreenDpi() {
    window_dc screen(nullptr);
    int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && hwnd) {
        UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int MonitorDpiAt(POINT p) {
    using MonitorFromPointFn = HMONITOR(WINAPI*)(POINT, DWORD);
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    static const auto monitorFromPoint = User32Function<MonitorFromPointFn>("MonitorFromPoint");
    static const auto getDpiForMonitor = ShcoreFunction<GetDpiForMonitorFn>("GetDpiForMonitor");
    if (monitorFromPoint && getDpiForMonitor) {
        UINT x = 0, y = 0;
        HMONITOR monitor = monitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
        if (monitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0)
            return static_cast<int>(y);
    }
    return ScreenDpi();
}

SIZE WindowSizeForClient(int clientW, int clientH, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, clientW, clientH};
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void PlaceChild(HWND child, const TwipsRect& r, int dpi) {
    PixelRect p = TwipsToPixels(r, dpi);
    SetWindowPos(child, nullptr, p.Left, p.Top, p.Width, p.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT CreateDialogFont(int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(9, dpi, 72);
    lf.lfWeight = FW_NORMAL;
    // Asking for the Japanese character set finds a face with the glyphs on
    // any system, even where this face is missing.
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(lf.lfFaceName, L"MS UI Gothic", LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

}  // namespace common
