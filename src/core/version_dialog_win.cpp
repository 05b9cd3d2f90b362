#include "core/version_dialog.h"

#include "common/dpi.h"
#include "common/window_helpers.h"
#include "core/version_fade.h"

namespace core {
namespace {

constexpr int kClientWidth = 4080;  // twips
constexpr int kClientHeight = 1410;

struct Place {
    int id;
    const wchar_t* cls;
    DWORD style;
    common::TwipsRect twips;
};

constexpr Place kPlaces[] = {
    {kVersionOK, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, {2640, 960, 1305, 345}},
    {kVersionIcon, L"STATIC", SS_OWNERDRAW, {210, 180, 540, 540}},
    {kVersionTitle, L"STATIC", SS_LEFT | SS_NOPREFIX, {900, 180, 3120, 180}},
    {kVersionLabel, L"STATIC", SS_LEFT | SS_NOPREFIX, {2160, 480, 1785, 225}},
    // Both strokes of the etched line, 60..4000 at 825 and 75..4000 at 840.
    {kVersionLine, L"STATIC", SS_OWNERDRAW, {60, 825, 3940, 30}},
    {kVersionCredit, L"STATIC", SS_OWNERDRAW, {120, 1020, 1755, 180}},
};

LRESULT CALLBACK OkButtonProc(HWND button, UINT msg, WPARAM wp, LPARAM lp) {
    // The window is no dialog: Enter and Esc press OK here themselves.
    if (msg == WM_KEYDOWN && (wp == VK_RETURN || wp == VK_ESCAPE)) {
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(kVersionOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        return 0;
    }
    if (msg == WM_GETDLGCODE) return common::CallOriginal(button, msg, wp, lp) | DLGC_WANTALLKEYS;
    return common::CallOriginal(button, msg, wp, lp);
}

void Stroke(HDC dc, COLORREF colour, int x0, int x1, int y) {
    RECT r{x0, y, x1, y + 1};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

void VersionDialog::SetTexts(HWND window, VersionTexts texts) {
    texts_ = std::move(texts);
    SetWindowTextW(window, texts_.Caption.c_str());
    if (!GetDlgItem(window, kVersionOK)) return;  // made with them when first shown
    SetWindowTextW(GetDlgItem(window, kVersionOK), texts_.OK.c_str());
    SetWindowTextW(GetDlgItem(window, kVersionTitle), texts_.Title.c_str());
    SetWindowTextW(GetDlgItem(window, kVersionLabel), texts_.Label.c_str());
    InvalidateRect(GetDlgItem(window, kVersionCredit), nullptr, TRUE);
    if (dpi_) Layout(window, dpi_);
}

void VersionDialog::Show(HWND window) {
    Create(window);
    int dpi = common::WindowDpi(window);
    PlaceCentred(window, dpi);
    Layout(window, dpi);
    FadeIn(window);
}

void VersionDialog::OnDpiChanged(HWND window, int dpi, const RECT& suggested) {
    if (!GetDlgItem(window, kVersionOK)) return;  // never shown: laid out when it is
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout(window, dpi);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void VersionDialog::FadeIn(HWND window) {
    common::SetExStyleBit(window, WS_EX_LAYERED, true);
    SetLayeredWindowAttributes(window, 0, 0, LWA_ALPHA);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, kVersionOK));
    // GetTickCount differences stay right across its wrap.
    DWORD start = GetTickCount();
    for (uint32_t t = 0; t < kFadeMs; t = ElapsedMs(start, GetTickCount())) {
        SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(FadeAlpha(t)), LWA_ALPHA);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(10);
    }
    SetLayeredWindowAttributes(window, 0, kFadeEndAlpha, LWA_ALPHA);
}

void VersionDialog::Create(HWND window) {
    if (GetDlgItem(window, kVersionOK)) return;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    for (const Place& p : kPlaces) {
        const wchar_t* text = p.id == kVersionOK      ? texts_.OK.c_str()
                              : p.id == kVersionTitle ? texts_.Title.c_str()
                              : p.id == kVersionLabel ? texts_.Label.c_str()
                                                      : L"";
        HWND ctl =
            CreateWindowExW(0, p.cls, text, WS_CHILD | WS_VISIBLE | p.style, 0, 0, 10, 10, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)), inst, nullptr);
        if (ctl && p.id == kVersionOK) common::Subclass(ctl, &OkButtonProc);
    }
}

void VersionDialog::PlaceCentred(HWND window, int dpi) {
    auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    SIZE outer =
        common::WindowSizeForClient(common::TwipsToPixels(kClientWidth, dpi),
                                    common::TwipsToPixels(kClientHeight, dpi), style, exStyle, dpi);
    POINT at = common::CentredIn(common::WorkArea(), outer);
    SetWindowPos(window, nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void VersionDialog::Layout(HWND window, int dpi) {
    if (!font_ || dpi_ != dpi) {
        font_.reset(common::CreateDialogFont(dpi));
        dpi_ = dpi;
    }
    for (const Place& p : kPlaces) {
        HWND ctl = GetDlgItem(window, p.id);
        SendMessageW(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        common::PlaceChild(ctl, p.twips, dpi);
    }
    FitTitle(GetDlgItem(window, kVersionTitle), dpi);
}

void VersionDialog::FitTitle(HWND title, int dpi) {
    // The title may run to the dialog's right edge; where even that is too
    // narrow for the font in use, it gets a smaller font instead of being cut.
    int room = common::TwipsToPixels(kClientWidth, dpi) - common::TwipsToPixels(900, dpi);
    SIZE size{};
    {
        common::window_dc dc(title);
        common::scoped_select font(dc.get(), font_.get());
        GetTextExtentPoint32W(dc.get(), texts_.Title.c_str(), static_cast<int>(texts_.Title.size()),
                              &size);
    }
    RECT r{};
    GetWindowRect(title, &r);
    SetWindowPos(title, nullptr, 0, 0, room, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (size.cx <= room) return;
    LOGFONTW lf{};
    GetObjectW(font_.get(), sizeof(lf), &lf);
    lf.lfHeight = MulDiv(lf.lfHeight, room, size.cx + 2);
    titleFont_.reset(CreateFontIndirectW(&lf));
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), TRUE);
}

bool VersionDialog::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    switch (item.CtlID) {
        case kVersionIcon:
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            DrawIconEx(dc, r.left, r.top, icon_, r.right - r.left, r.bottom - r.top, 0, nullptr,
                       DI_NORMAL);
            return true;
        case kVersionLine: {
            // Grey above white, the white one a pixel further right: an etched groove.
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            int inset = common::TwipsToPixels(75, dpi_) - common::TwipsToPixels(60, dpi_);
            Stroke(dc, RGB(128, 128, 128), r.left, r.right, r.top);
            Stroke(dc, RGB(255, 255, 255), r.left + inset, r.right, r.top + 1);
            return true;
        }
        case kVersionCredit: {
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            RECT text = r;
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
            common::scoped_select font(dc, font_.get());
            DrawTextW(dc, texts_.Credit.c_str(), static_cast<int>(texts_.Credit.size()), &text,
                      DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            return true;
        }
    }
    return false;
}

}  // namespace core
