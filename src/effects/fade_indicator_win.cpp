#include "effects/fade_indicator.h"

namespace effects {
namespace {

// The face is asked for by name; where it is missing, the Japanese character
// set and fixed pitch let the font mapper take the nearest Japanese fixed font.
HFONT IndicatorFont(int height) {
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

}  // namespace

FadeIndicator::~FadeIndicator() {
    // Before the font and brush go: the label must not outlive them.
    if (hwnd()) DestroyWindow(hwnd());
}

bool FadeIndicator::Show(POINT cursor, int dpi) {
    RegisterClassOnce(kIndicatorClass, nullptr, nullptr,
                      static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    geometry_ = IndicatorGeometryAt(dpi);
    const IndicatorGeometry& g = geometry_;
    // Never activated: taking the focus from the window being faded would
    // also make the system re-read the held button. Transparent to the mouse
    // (which takes a layered window): the release under the cursor goes to
    // the window below, as the press did.
    if (!Create(
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
            kIndicatorClass, L"", WS_POPUP, cursor.x - g.CursorX, cursor.y - g.CursorY, g.Width,
            g.Height, nullptr, nullptr))
        return false;
    Build();
    return true;
}

void FadeIndicator::Build() {
    font_.reset(IndicatorFont(geometry_.FontHeight));
    ovalBrush_.reset(CreateSolidBrush(kIndicatorOval));
    CreateLabel();
    SetLayeredWindowAttributes(hwnd(), kIndicatorKey, 255, LWA_COLORKEY);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void FadeIndicator::CreateLabel() {
    caption_ = L"100%";
    const IndicatorGeometry& g = geometry_;
    SIZE text{g.LabelWidth, g.LabelHeight};
    {
        common::window_dc dc(hwnd());
        common::scoped_select font(dc.get(), font_.get());
        GetTextExtentPoint32W(dc.get(), caption_.c_str(), static_cast<int>(caption_.size()), &text);
    }
    label_ = CreateWindowExW(0, L"STATIC", caption_.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT,
                             g.LabelLeft, g.LabelTop, text.cx, text.cy, hwnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void FadeIndicator::SetCaption(const std::wstring& text) {
    // Only a change is drawn: the gesture sets it on every tick.
    if (text == caption_) return;
    caption_ = text;
    SetWindowTextW(label_, caption_.c_str());
}

void FadeIndicator::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    {
        common::scoped_select brush(dc, ovalBrush_.get());
        common::scoped_select pen(dc, GetStockObject(BLACK_PEN));
        Ellipse(dc, 0, 0, geometry_.OvalWidth, geometry_.OvalHeight);
    }
    EndPaint(hwnd(), &ps);
}

LRESULT FadeIndicator::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CTLCOLORSTATIC: {
            // The label lies wholly inside the oval: its box is the oval's colour.
            HDC dc = reinterpret_cast<HDC>(wp);
            SetBkColor(dc, kIndicatorOval);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(ovalBrush_.get());
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
    }
    return Default(msg, wp, lp);
}

}  // namespace effects
