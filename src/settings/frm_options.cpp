#include "settings/frm_options.h"

#include <commctrl.h>

#include "common/dpi.h"
#include "settings/options_layout.h"

namespace settings {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kComboListRows = 12;

std::wstring TextOf(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    s.resize(static_cast<size_t>(GetWindowTextW(hwnd, s.data(), n + 1)));
    return s;
}

struct Made {
    const wchar_t* cls;
    DWORD style;
    DWORD exStyle;
};

Made WindowFor(ControlKind kind) {
    constexpr DWORD tab = WS_TABSTOP | WS_GROUP;
    switch (kind) {
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Label:
        case ControlKind::GreyLabel:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0};
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | BS_MULTILINE | tab, 0};
        case ControlKind::Edit:
            return {L"EDIT", ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineEdit:
            return {L"EDIT",
                    ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL |
                        WS_HSCROLL | tab,
                    WS_EX_CLIENTEDGE};
        case ControlKind::ColourSample:
            return {L"STATIC", SS_OWNERDRAW, 0};
        case ControlKind::Button:
            return {L"BUTTON", BS_PUSHBUTTON | tab, 0};
    }
    return {L"STATIC", 0, 0};
}

// Focusable controls first, in tab order: Tab follows the order of creation.
std::vector<const ControlSpec*> CreationOrder() {
    std::vector<const ControlSpec*> order;
    for (int id : kOptionsTabOrder) order.push_back(FindControl(id));
    for (const auto& c : OptionsControls()) {
        bool inTabOrder = false;
        for (int id : kOptionsTabOrder) inTabOrder = inTabOrder || id == c.Id;
        if (!inTabOrder && c.Kind != ControlKind::Frame) order.push_back(&c);
    }
    // Frames last, beneath what they hold.
    for (const auto& c : OptionsControls())
        if (c.Kind == ControlKind::Frame) order.push_back(&c);
    return order;
}

// A label keeps its place but grows to the right when the font in use needs
// more room than the layout gives, so no caption is cut off.
void FitLabel(HWND label, const common::TwipsRect& place, int dpi) {
    std::wstring text = TextOf(label);
    common::window_dc dc(label);
    common::scoped_select font(dc.get(),
                               reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    common::PixelRect px = common::TwipsToPixels(place, dpi);
    if (size.cx + 1 > px.Width)
        SetWindowPos(label, nullptr, 0, 0, size.cx + 1, px.Height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

FrmOptions::FrmOptions(SettingsStore& store) : store_(store) {}

FrmOptions::~FrmOptions() = default;

bool FrmOptions::Create(HWND owner) {
    RegisterClassOnce(kOptionsClassName, nullptr, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!common::Window::Create(kExStyle, kOptionsClassName, kOptionsCaption.data(), kStyle, 0, 0,
                                100, 100, owner, nullptr))
        return false;
    dpi_ = common::WindowDpi(hwnd());
    font_.reset(common::CreateDialogFont(dpi_));
    CreateControls();
    Layout(dpi_);
    Form_Load();
    return true;
}

void FrmOptions::CreateControls() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                               nullptr, inst, nullptr);
    for (const ControlSpec* c : CreationOrder()) {
        Made m = WindowFor(c->Kind);
        HWND ctl =
            CreateWindowExW(m.exStyle, m.cls, std::wstring(c->Text).c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | m.style, 0, 0, 10, 10, hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->Id)), inst, nullptr);
        if (!ctl) continue;
        if (!c->Tooltip.empty() && tooltip_) {
            std::wstring tip(c->Tooltip);
            TOOLINFOW ti{};
            ti.cbSize = TTTOOLINFOW_V2_SIZE;
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.hwnd = hwnd();
            ti.uId = reinterpret_cast<UINT_PTR>(ctl);
            ti.lpszText = tip.data();
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        }
        if (c->Id == kTxtCol1 || c->Id == kTxtCol2) {
            // Enter must reach the field (there is no default button to take it).
            LONG_PTR old =
                SetWindowLongPtrW(ctl, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColourEditProc));
            SetWindowLongPtrW(ctl, GWLP_USERDATA, old);
        }
    }
}

void FrmOptions::Layout(int dpi) {
    SIZE outer = common::WindowSizeForClient(common::TwipsToPixels(kOptionsClientWidth, dpi),
                                             common::TwipsToPixels(kOptionsClientHeight, dpi),
                                             kStyle, kExStyle, dpi);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& c : OptionsControls()) {
        HWND ctl = Control(c.Id);
        if (!ctl) continue;
        SendMessageW(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        common::TwipsRect place = DialogPlace(c);
        common::PlaceChild(ctl, place, dpi);
        if (c.Kind == ControlKind::Label) FitLabel(ctl, place, dpi);
        if (c.Kind != ControlKind::DropDownList) continue;
        // A list's window height includes its drop-down part; the closed
        // field gets the height of the layout.
        common::PixelRect px = common::TwipsToPixels(place, dpi);
        for (int tries = 0; tries < 3; ++tries) {
            RECT closed{};
            GetWindowRect(ctl, &closed);
            int off = px.Height - (closed.bottom - closed.top);
            int item =
                static_cast<int>(SendMessageW(ctl, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
            if (off == 0 || item + off <= 0) break;
            SendMessageW(ctl, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + off);
        }
        int row = static_cast<int>(SendMessageW(ctl, CB_GETITEMHEIGHT, 0, 0));
        SetWindowPos(ctl, nullptr, px.Left, px.Top, px.Width,
                     px.Height + kComboListRows * (row > 0 ? row : px.Height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (tooltip_) SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void FrmOptions::BuildKeyTable() {
    std::vector<KeyEntry> rows = DefaultKeyTable();
    KeyTable.assign(24, KeyEntry{});
    for (size_t i = 0; i < rows.size(); ++i)
        SetKeyEntry(static_cast<int32_t>(i), rows[i].Code, rows[i].Name);
}

void FrmOptions::SetKeyEntry(int32_t index, int32_t code, const std::wstring& name) {
    if (index < 0 || static_cast<size_t>(index) >= KeyTable.size()) return;
    KeyTable[static_cast<size_t>(index)].Code = code;
    KeyTable[static_cast<size_t>(index)].Name = name;
}

void FrmOptions::Form_Load() {
    BuildKeyTable();
    for (int list : kHotkeyLists) {
        HWND cmb = Control(list);
        SendMessageW(cmb, CB_RESETCONTENT, 0, 0);
        for (const auto& k : KeyTable)
            SendMessageW(cmb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(k.Name.c_str()));
    }
    HWND rates = Control(kCmbAP);
    SendMessageW(rates, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i <= 8; ++i) {
        std::wstring caption = std::to_wstring(9 - i) + L"0%";
        SendMessageW(rates, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }
    ShowValues(LoadOptionsValues(store_, KeyTable));
}

void FrmOptions::ShowValues(const OptionsValues& v) {
    for (size_t i = 0; i < kHotkeyLists.size(); ++i)
        SendMessageW(Control(kHotkeyLists[i]), CB_SETCURSEL, static_cast<WPARAM>(v.KeyIndex[i]), 0);
    SendMessageW(Control(kCmbAP), CB_SETCURSEL, v.RateIndex ? *v.RateIndex : -1, 0);
    SendMessageW(Control(kChkSMS), BM_SETCHECK, v.Sms ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Control(kChkCPU), BM_SETCHECK, v.Cpu ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(Control(kChkClip), BM_SETCHECK, v.Clip ? BST_CHECKED : BST_UNCHECKED, 0);
    SetWindowTextW(Control(kTxtClip), v.ClipText.c_str());
    SetWindowTextW(Control(kTxtTime), v.CpuTime.c_str());
    SetWindowTextW(Control(kTxtCol1), v.Col1Text.c_str());
    SetWindowTextW(Control(kTxtCol2), v.Col2Text.c_str());
    // Confirmed as Enter would, so the samples show the loaded colours.
    int16_t enter = 13;
    txtCol1_KeyPress(enter);
    txtCol2_KeyPress(enter);
}

OptionsValues FrmOptions::ReadControls() const {
    OptionsValues v;
    for (size_t i = 0; i < kHotkeyLists.size(); ++i)
        v.KeyIndex[i] =
            static_cast<int>(SendMessageW(Control(kHotkeyLists[i]), CB_GETCURSEL, 0, 0));
    int rate = static_cast<int>(SendMessageW(Control(kCmbAP), CB_GETCURSEL, 0, 0));
    if (rate >= 0 && rate <= 8) v.RateIndex = rate;
    v.Sms = SendMessageW(Control(kChkSMS), BM_GETCHECK, 0, 0) == BST_CHECKED;
    v.Cpu = SendMessageW(Control(kChkCPU), BM_GETCHECK, 0, 0) == BST_CHECKED;
    v.Clip = SendMessageW(Control(kChkClip), BM_GETCHECK, 0, 0) == BST_CHECKED;
    v.ClipText = TextOf(Control(kTxtClip));
    v.CpuTime = TextOf(Control(kTxtTime));
    v.Col1Text = TextOf(Control(kTxtCol1));
    v.Col2Text = TextOf(Control(kTxtCol2));
    v.Shape1 = shape1_;
    v.Shape2 = shape2_;
    return v;
}

void FrmOptions::txtCol1_KeyPress(int16_t& keyAscii) {
    if (keyAscii == 13) SetSample(kShape1, ConfirmColour(TextOf(Control(kTxtCol1)), shape1_));
}

void FrmOptions::txtCol2_KeyPress(int16_t& keyAscii) {
    if (keyAscii == 13) SetSample(kShape2, ConfirmColour(TextOf(Control(kTxtCol2)), shape2_));
}

void FrmOptions::SetSample(int id, uint32_t colour) {
    (id == kShape1 ? shape1_ : shape2_) = colour;
    InvalidateRect(Control(id), nullptr, FALSE);
}

void FrmOptions::DrawSample(const DRAWITEMSTRUCT& item) const {
    uint32_t colour = item.CtlID == static_cast<UINT>(kShape1) ? shape1_ : shape2_;
    common::unique_hbrush fill(CreateSolidBrush(static_cast<COLORREF>(colour)));
    FillRect(item.hDC, &item.rcItem, fill.get());
    FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void FrmOptions::cmdOK_Click() {
    WriteOptionsValues(store_, ReadControls(), KeyTable);
    Hide();
}

void FrmOptions::cmdCancel_Click() {
    Hide();
}

void FrmOptions::Hide() {
    ShowWindow(hwnd(), SW_HIDE);
    // A click sent from elsewhere is handled inside GetMessage, which would
    // wait on: wake the modal loop so it ends now.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void FrmOptions::MoveFocus(HWND to) {
    if (!to) return;
    if (SendMessageW(to, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(to, EM_SETSEL, 0, -1);
    SetFocus(to);
}

void FrmOptions::EnterWithoutDefault() {
    // No default button: Enter presses only the button that has the focus.
    HWND focus = GetFocus();
    if (focus == Control(kCmdOK)) {
        cmdOK_Click();
    } else if (focus == Control(kCmdCancel)) {
        cmdCancel_Click();
    }
}

bool FrmOptions::ShowModal() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(hwnd(), &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOW);
    lastFocus_ = Control(kCmdOK);
    SetForegroundWindow(hwnd());
    SetFocus(lastFocus_);
    // Everything else keeps running: the loop dispatches every message of
    // this thread (the CPU graph's timer included).
    MSG msg;
    while (hwnd() && IsWindowVisible(hwnd())) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (!IsDialogMessageW(hwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

void FrmOptions::BringToFront() {
    if (!hwnd() || !IsWindowVisible(hwnd())) return;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

LRESULT FrmOptions::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case kCmdOK:
                    if (HIWORD(wp) == BN_CLICKED) cmdOK_Click();
                    return 0;
                case IDCANCEL:  // the button, or Esc
                    if (HIWORD(wp) == BN_CLICKED) cmdCancel_Click();
                    return 0;
                case IDOK:  // Enter outside a field that takes it
                    EnterWithoutDefault();
                    return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item->CtlID == static_cast<UINT>(kShape1) ||
                item->CtlID == static_cast<UINT>(kShape2)) {
                DrawSample(*item);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == Control(kLabel4)) {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_ACTIVATE:
            // As a dialog does: the focus goes back to the control that had it
            // (OK at first), not to the window itself.
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
            } else {
                SetFocus(lastFocus_ ? lastFocus_ : Control(kCmdOK));
            }
            return 0;
        case WM_NEXTDLGCTL:
            // Sent by a multi-line field for Tab; a plain window must move the focus itself.
            MoveFocus(LOWORD(lp) ? reinterpret_cast<HWND>(wp)
                                 : GetNextDlgTabItem(hwnd(), GetFocus(), wp != 0));
            return 0;
        case WM_CLOSE:
            // The close box writes nothing, like Cancel.
            cmdCancel_Click();
            return 0;
        case 0x02E0: {  // WM_DPICHANGED: moved to a monitor of another scale
            dpi_ = HIWORD(wp);
            font_.reset(common::CreateDialogFont(dpi_));
            Layout(dpi_);
            const auto* suggested = reinterpret_cast<const RECT*>(lp);
            SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
    }
    return Default(msg, wp, lp);
}

LRESULT CALLBACK FrmOptions::ColourEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    if (msg == WM_GETDLGCODE) {
        LRESULT code = CallWindowProcW(original, edit, msg, wp, lp);
        const MSG* m = reinterpret_cast<const MSG*>(lp);
        if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    if (msg == WM_CHAR) {
        auto* form = static_cast<FrmOptions*>(
            reinterpret_cast<common::Window*>(GetWindowLongPtrW(GetParent(edit), GWLP_USERDATA)));
        if (form) {
            auto key = static_cast<int16_t>(wp);
            if (GetDlgCtrlID(edit) == kTxtCol1) {
                form->txtCol1_KeyPress(key);
            } else {
                form->txtCol2_KeyPress(key);
            }
        }
    }
    return CallWindowProcW(original, edit, msg, wp, lp);
}

}  // namespace settings
