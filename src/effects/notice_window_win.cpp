#include "effects/notice_window.h"

#include "common/dpi.h"
#include "effects/indicator_geometry.h"

namespace effects {
namespace {

constexpr UINT_PTR kGoneTimer = 1;
// At 96 DPI: the text's margins, and how far below and right of the cursor's
// hot spot the notice begins, clear of the arrow.
constexpr int kMarginX = 6, kMarginY = 3, kBelowCursor = 20, kRightOfCursor = 4;

RECT WorkAreaAt(POINT p) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &mi);
    return mi.rcWork;
}

}  // namespace

void NoticeWindow::Show(const std::wstring& text) {
    if (hwnd()) DestroyWindow(hwnd());
    text_ = text;
    POINT cursor{};
    GetCursorPos(&cursor);
    int dpi = common::MonitorDpiAt(cursor);
    font_.reset(common::CreateDialogFont(dpi));
    RegisterClassOnce(kNoticeClass, nullptr, nullptr, nullptr);
    RECT r = Place(cursor, dpi);
    // Layered as well: only a layered window lets the mouse through.
    if (!Create(
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
            kNoticeClass, text_.c_str(), WS_POPUP, r.left, r.top, r.right - r.left,
            r.bottom - r.top, nullptr, nullptr))
        return;
    SetLayeredWindowAttributes(hwnd(), 0, 255, LWA_ALPHA);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetTimer(hwnd(), kGoneTimer, kNoticeMs, nullptr);
}

RECT NoticeWindow::Place(POINT cursor, int dpi) {
    SIZE text{};
    {
        common::window_dc dc(nullptr);
        common::scoped_select font(dc.get(), font_.get());
        GetTextExtentPoint32W(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &text);
    }
    int w = text.cx + 2 * ScaleFrom96(kMarginX, dpi);
    int h = text.cy + 2 * ScaleFrom96(kMarginY, dpi);
    int x = cursor.x + ScaleFrom96(kRightOfCursor, dpi);
    int y = cursor.y + ScaleFrom96(kBelowCursor, dpi);
    // Kept on the monitor: above the cursor where there is no room below.
    RECT work = WorkAreaAt(cursor);
    if (x + w > work.right) x = work.right - w;
    if (x < work.left) x = work.left;
    if (y + h > work.bottom) y = cursor.y - ScaleFrom96(kMarginY, dpi) - h;
    if (y < work.top) y = work.top;
    return RECT{x, y, x + w, y + h};
}

void NoticeWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT r{};
    GetClientRect(hwnd(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &r, GetSysColorBrush(COLOR_INFOTEXT));
    {
        common::scoped_select font(dc, font_.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(hwnd(), &ps);
}

LRESULT NoticeWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_TIMER:
            if (wp == kGoneTimer) {
                DestroyWindow(hwnd());
                return 0;
            }
            break;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
    }
    return Default(msg, wp, lp);
}

}  // namespace effects
