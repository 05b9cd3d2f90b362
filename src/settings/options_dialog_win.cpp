#include "settings/options_dialog.h"

#include <commctrl.h>

#include "clip/clip_entries.h"
#include "common/dpi.h"
#include "common/ui_texts.h"
#include "common/window_helpers.h"
#include "effects/alpha_rate.h"
#include "settings/hotkey_slots.h"
#include "settings/options_layout.h"

namespace settings {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kComboListRows = 12;

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

// Every control of the dialog, its texts in `language`.
std::vector<const ControlSpec*> AllControls(common::Language language) {
    std::vector<const ControlSpec*> all;
    for (auto table : {OptionsControls(language), GeneralControls(language)})
        for (const auto& c : table) all.push_back(&c);
    return all;
}

bool InTabOrder(int id) {
    for (int tab : kOptionsTabOrder)
        if (tab == id) return true;
    return false;
}

// Focusable controls first, in tab order: Tab follows the order of creation.
std::vector<const ControlSpec*> CreationOrder(common::Language language) {
    const std::vector<const ControlSpec*> all = AllControls(language);
    std::vector<const ControlSpec*> order;
    for (int id : kOptionsTabOrder)
        for (const ControlSpec* c : all)
            if (c->Id == id) order.push_back(c);
    for (const ControlSpec* c : all)
        if (!InTabOrder(c->Id) && c->Kind != ControlKind::Frame) order.push_back(c);
    // Frames last, beneath what they hold.
    for (const ControlSpec* c : all)
        if (c->Kind == ControlKind::Frame) order.push_back(c);
    return order;
}

void SetCheck(HWND box, bool on) {
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A label keeps its place but grows to the right when the font in use needs
// more room than the layout gives, so no caption is cut off.
void FitLabel(HWND label, const common::TwipsRect& place, int dpi) {
    std::wstring text = common::WindowText(label);
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

OptionsDialog::OptionsDialog(SettingsStore& store, common::Language language, RunEntry& run)
    : store_(store), language_(language), run_(run) {}

OptionsDialog::~OptionsDialog() = default;

bool OptionsDialog::Create(HWND owner) {
    RegisterClassOnce(kOptionsClassName, nullptr, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    std::wstring caption(common::TextOf(language_, common::UiText::OptionsCaption));
    if (!common::Window::Create(kExStyle, kOptionsClassName, caption.c_str(), kStyle, 0, 0, 100,
                                100, owner, nullptr))
        return false;
    dpi_ = common::WindowDpi(hwnd());
    font_.reset(common::CreateDialogFont(dpi_));
    CreateControls();
    Layout(dpi_);
    FillLists();
    return true;
}

void OptionsDialog::CreateControls() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                               nullptr, inst, nullptr);
    for (const ControlSpec* c : CreationOrder(language_)) {
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
        if (c->Id == kDrawColourEdit || c->Id == kBackColourEdit) {
            // Enter must reach the field (there is no default button to take it).
            common::Subclass(ctl, &ColourEditProc);
        }
    }
}

void OptionsDialog::Layout(int dpi) {
    SIZE outer = common::WindowSizeForClient(common::TwipsToPixels(kOptionsClientWidth, dpi),
                                             common::TwipsToPixels(kOptionsClientHeight, dpi),
                                             kStyle, kExStyle, dpi);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlSpec* spec : AllControls(language_)) {
        const ControlSpec& c = *spec;
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

void OptionsDialog::FillLists() {
    for (const HotkeySlot& slot : kHotkeySlots) {
        HWND cmb = Control(slot.List);
        SendMessageW(cmb, CB_RESETCONTENT, 0, 0);
        for (const auto& k : keys_)
            SendMessageW(cmb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(k.Name.c_str()));
    }
    HWND rates = Control(kRateList);
    SendMessageW(rates, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < effects::kRateCount; ++i) {
        std::wstring caption = effects::RateCaption(i);
        SendMessageW(rates, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }
    // Each language by its own name.
    HWND languages = Control(kLanguageList);
    SendMessageW(languages, CB_RESETCONTENT, 0, 0);
    for (common::Language l : common::kLanguages) {
        std::wstring name(common::TextOf(l, common::UiText::LanguageName));
        SendMessageW(languages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ShowValues(LoadOptionsValues(store_, keys_));
    startShown_ = StartsWithWindows(run_);
    SetCheck(Control(kStartWithWindowsCheck), startShown_);
}

void OptionsDialog::ShowValues(const OptionsValues& v) {
    for (size_t i = 0; i < kHotkeySlots.size(); ++i)
        SendMessageW(Control(kHotkeySlots[i].List), CB_SETCURSEL,
                     static_cast<WPARAM>(v.KeyIndex[i]), 0);
    SendMessageW(Control(kRateList), CB_SETCURSEL, v.RateIndex ? *v.RateIndex : -1, 0);
    SetCheck(Control(kSmoothFadeCheck), v.SmoothAlpha);
    SetCheck(Control(kCpuCheck), v.Cpu);
    SetCheck(Control(kClipCheck), v.Clip);
    SetCheck(Control(kWholeWindowCheck), v.WholeWindow);
    SetCheck(Control(kRestoreOnExitCheck), v.RestoreOnExit);
    SendMessageW(Control(kLanguageList), CB_SETCURSEL,
                 static_cast<WPARAM>(common::LanguageIndex(v.Language)), 0);
    SetWindowTextW(Control(kClipEdit), v.ClipText.c_str());
    SetWindowTextW(Control(kIntervalEdit), v.CpuTime.c_str());
    SetWindowTextW(Control(kDrawColourEdit), v.DrawColourText.c_str());
    SetWindowTextW(Control(kBackColourEdit), v.BackColourText.c_str());
    // Confirmed as Enter would, so the samples show the loaded colours.
    ConfirmColourField(kDrawColourEdit);
    ConfirmColourField(kBackColourEdit);
}

OptionsValues OptionsDialog::ReadControls() const {
    OptionsValues v;
    for (size_t i = 0; i < kHotkeySlots.size(); ++i)
        v.KeyIndex[i] =
            static_cast<int>(SendMessageW(Control(kHotkeySlots[i].List), CB_GETCURSEL, 0, 0));
    int rate = static_cast<int>(SendMessageW(Control(kRateList), CB_GETCURSEL, 0, 0));
    if (rate >= 0 && rate < effects::kRateCount) v.RateIndex = rate;
    v.SmoothAlpha = IsChecked(Control(kSmoothFadeCheck));
    v.Cpu = IsChecked(Control(kCpuCheck));
    v.Clip = IsChecked(Control(kClipCheck));
    v.WholeWindow = IsChecked(Control(kWholeWindowCheck));
    v.RestoreOnExit = IsChecked(Control(kRestoreOnExitCheck));
    v.Language = common::LanguageAt(
        static_cast<int>(SendMessageW(Control(kLanguageList), CB_GETCURSEL, 0, 0)));
    v.ClipText = common::WindowText(Control(kClipEdit));
    v.CpuTime = common::WindowText(Control(kIntervalEdit));
    v.DrawColourText = common::WindowText(Control(kDrawColourEdit));
    v.BackColourText = common::WindowText(Control(kBackColourEdit));
    v.DrawSample = drawSample_;
    v.BackSample = backSample_;
    return v;
}

void OptionsDialog::ConfirmColourField(int edit) {
    int sample = edit == kDrawColourEdit ? kDrawColourSample : kBackColourSample;
    uint32_t& shown = edit == kDrawColourEdit ? drawSample_ : backSample_;
    SetSample(sample, ConfirmColour(common::WindowText(Control(edit)), shown));
}

void OptionsDialog::SetSample(int id, uint32_t colour) {
    (id == kDrawColourSample ? drawSample_ : backSample_) = colour;
    InvalidateRect(Control(id), nullptr, FALSE);
}

void OptionsDialog::DrawSample(const DRAWITEMSTRUCT& item) const {
    uint32_t colour =
        item.CtlID == static_cast<UINT>(kDrawColourSample) ? drawSample_ : backSample_;
    common::unique_hbrush fill(CreateSolidBrush(static_cast<COLORREF>(colour)));
    FillRect(item.hDC, &item.rcItem, fill.get());
    FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void OptionsDialog::OnOK() {
    WriteOptionsValues(store_, ReadControls(), keys_);
    ApplyStartWithWindows(run_, startShown_, IsChecked(Control(kStartWithWindowsCheck)));
    Hide();
}

void OptionsDialog::OnCancel() {
    Hide();
}

void OptionsDialog::Hide() {
    ShowWindow(hwnd(), SW_HIDE);
    // A click sent from elsewhere is handled inside GetMessage, which would
    // wait on: wake the modal loop so it ends now.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void OptionsDialog::MoveFocus(HWND to) {
    if (!to) return;
    if (SendMessageW(to, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(to, EM_SETSEL, 0, -1);
    SetFocus(to);
}

void OptionsDialog::EnterWithoutDefault() {
    // No default button: Enter presses only the button that has the focus.
    HWND focus = GetFocus();
    if (focus == Control(kOptionsOK)) {
        OnOK();
    } else if (focus == Control(kOptionsCancel)) {
        OnCancel();
    }
}

bool OptionsDialog::ShowModal() {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    POINT at = common::CentredIn(common::WorkArea(), SIZE{r.right - r.left, r.bottom - r.top});
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOW);
    lastFocus_ = Control(kOptionsOK);
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

void OptionsDialog::BringToFront() {
    if (!hwnd() || !IsWindowVisible(hwnd())) return;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

void OptionsDialog::ShowRate(int index) {
    SendMessageW(Control(kRateList), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void OptionsDialog::AppendClipEntry(std::wstring_view entry) {
    HWND edit = Control(kClipEdit);
    auto joined = clip::AppendClip(common::WindowText(edit), entry);
    if (!joined) return;
    SetWindowTextW(edit, joined->c_str());
    // The new entry comes into view at the end.
    SendMessageW(edit, EM_SETSEL, joined->size(), static_cast<LPARAM>(joined->size()));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

LRESULT OptionsDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case kOptionsOK:
                    if (HIWORD(wp) == BN_CLICKED) OnOK();
                    return 0;
                case IDCANCEL:  // the button, or Esc
                    if (HIWORD(wp) == BN_CLICKED) OnCancel();
                    return 0;
                case IDOK:  // Enter outside a field that takes it
                    EnterWithoutDefault();
                    return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item->CtlID == static_cast<UINT>(kDrawColourSample) ||
                item->CtlID == static_cast<UINT>(kBackColourSample)) {
                DrawSample(*item);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == Control(kCreditLabel)) {
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
                SetFocus(lastFocus_ ? lastFocus_ : Control(kOptionsOK));
            }
            return 0;
        case WM_NEXTDLGCTL:
            // Sent by a multi-line field for Tab; a plain window must move the focus itself.
            MoveFocus(LOWORD(lp) ? reinterpret_cast<HWND>(wp)
                                 : GetNextDlgTabItem(hwnd(), GetFocus(), wp != 0));
            return 0;
        case WM_CLOSE:
            // The close box writes nothing, like Cancel.
            OnCancel();
            return 0;
        case common::kWmDpiChanged: {
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

LRESULT CALLBACK OptionsDialog::ColourEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETDLGCODE) {
        LRESULT code = common::CallOriginal(edit, msg, wp, lp);
        const MSG* m = reinterpret_cast<const MSG*>(lp);
        if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && m->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    if (msg == WM_CHAR && wp == VK_RETURN) {
        auto* dialog = static_cast<OptionsDialog*>(
            reinterpret_cast<common::Window*>(GetWindowLongPtrW(GetParent(edit), GWLP_USERDATA)));
        if (dialog) dialog->ConfirmColourField(GetDlgCtrlID(edit));
    }
    return common::CallOriginal(edit, msg, wp, lp);
}

}  // namespace settings
