#include "core/frm_p2hwnd.h"

#include "clip/clip_entries.h"
#include "clip/clipboard.h"
#include "clip/input_box.h"
#include "core/version_fade.h"
#include "core/version_text.h"
#include "cpumon/cpu_graph.h"
#include "settings/frm_options.h"

namespace core {
namespace {

enum TimerId : UINT_PTR { kTimer1 = 1, kTimer2 = 2, kTrayRetry = 3 };

constexpr UINT kTrayRetryMs = 1500;
constexpr int kTrayRetries = 40;  // about a minute

HICON LoadAppIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

}  // namespace

FrmP2hWnd::FrmP2hWnd(settings::SettingsStore& store, cpumon::CpuCounters& counters,
                     common::FileVersion version)
    : store_(store), counters_(counters), version_(version) {}

FrmP2hWnd::~FrmP2hWnd() = default;

bool FrmP2hWnd::Form_Load() {
    staticIcon_.reset(LoadAppIcon(GetSystemMetrics(SM_CXSMICON)));
    if (!staticIcon_) staticIcon_.reset(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
    appIcon_.reset(LoadAppIcon(GetSystemMetrics(SM_CXICON)));
    RegisterClassOnce(kMainClassName, appIcon_.get(), staticIcon_.get(),
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // A hidden top-level window: message-only windows miss the shell's broadcasts.
    if (!Create(0, kMainClassName, L"バージョン情報", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                CW_USEDEFAULT, CW_USEDEFAULT, 280, 120, nullptr, nullptr))
        return false;
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

    settings::StartupSettings s = settings::LoadStartupSettings(store_);
    HotkeySettings = s.Hotkeys;
    VersionLabel = core::VersionLabel(version_);

    tray_ = std::make_unique<TrayIcon>(hwnd(), 0, kTrayCallback);
    tray_->SetIcon(staticIcon_.get());
    tray_->SetTip(TrayTooltip(version_, cpuMeter_.GetCpuLoad(counters_)));
    AddTrayIcon();

    AlphaIndex = s.AlphaIndex;
    menu_.CheckRate(AlphaIndex);
    EnableTimer2(s.CpuMonitor);
    SmsMode = s.SmoothAlpha ? 0 : -1;
    menu_.SetClipVisible(s.ClipMenu);
    SetTimer2Interval(s.CpuInterval);
    cpuDraw_ = s.CpuDrawColour;
    cpuBack_ = s.CpuBackColour;
    SetClipMenu();
    companionWatch_.Start();
    EnableTimer1(true);
    return true;
}

void FrmP2hWnd::AddTrayIcon() {
    if (tray_->Add()) {
        KillTimer(hwnd(), kTrayRetry);
        return;
    }
    // Started at logon before the taskbar exists: try again for a while.
    addRetriesLeft_ = kTrayRetries;
    SetTimer(hwnd(), kTrayRetry, kTrayRetryMs, nullptr);
}

void FrmP2hWnd::OnTaskbarCreated() {
    // Explorer restarted: the icon it had is gone; bring back the current one.
    if (tray_->Added()) tray_->Abandon();
    AddTrayIcon();
}

void FrmP2hWnd::EnableTimer1(bool on) {
    timer1_ = on;
    if (on)
        SetTimer(hwnd(), kTimer1, 1, nullptr);
    else
        KillTimer(hwnd(), kTimer1);
}

void FrmP2hWnd::EnableTimer2(bool on) {
    timer2_ = on;
    if (on)
        SetTimer(hwnd(), kTimer2, static_cast<UINT>(timer2Interval_), nullptr);
    else
        KillTimer(hwnd(), kTimer2);
}

void FrmP2hWnd::SetTimer2Interval(int32_t ms) {
    timer2Interval_ = ms;
    if (timer2_) SetTimer(hwnd(), kTimer2, static_cast<UINT>(ms), nullptr);
}

void FrmP2hWnd::SetClipMenu() {
    menu_.SetClipItems(clip::ClipEntries(store_.Read(settings::Key::ClipText)));
}

void FrmP2hWnd::Timer1_Timer() {
    hotkeys_.Poll(HotkeySettings, AlphaIndex);
    sms_.Step(SmsMode);
}

void FrmP2hWnd::SetSmsMode(int32_t mode) {
    SmsMode = mode;
    if (mode == -1) sms_.Abandon();
}

void FrmP2hWnd::Timer2_Timer() {
    // No event pump here: WM_TIMER is made only when no other message waits,
    // so the pending events have run already, and a pump would let the next
    // tick run inside this one.
    cpumon::PushLoad(CpuHistory, cpuMeter_.GetCpuLoad(counters_));
    common::unique_hicon icon =
        graphIcons_.Make(cpumon::RenderCpuGraph(CpuHistory, cpuDraw_, cpuBack_));
    if (!icon) return;
    tray_->SetIcon(icon.get());
    if (!tray_->Modify()) {
        // The shell has lost the icon: bring it back with the current graph.
        tray_->Delete();
        if (tray_->Add()) KillTimer(hwnd(), kTrayRetry);
    }
    graphIcon_ = std::move(icon);  // the previous graph goes once the shell has this one
}

void FrmP2hWnd::SetCpuColours(uint32_t draw, uint32_t back) {
    cpuDraw_ = draw;
    cpuBack_ = back;
}

void FrmP2hWnd::ShowStaticTrayIcon() {
    if (!tray_) return;
    tray_->SetIcon(staticIcon_.get());
    tray_->Modify();
    graphIcon_.reset();
}

void FrmP2hWnd::mnuAP_Click(int16_t index) {
    menu_.UncheckAllRates();
    menu_.CheckRate(index);
    AlphaIndex = index;
    store_.Write(settings::Key::Alpha, std::to_wstring(index));
}

void FrmP2hWnd::mnuclip_Click(int16_t index) {
    // A clipboard held by another program past the short retry is given up.
    if (const std::wstring* text = menu_.ClipText(index)) clip::WriteClipboardText(hwnd(), *text);
}

void FrmP2hWnd::mnuAdd_Click() {
    // The tray menu still opens while the box waits; one box is enough.
    if (inputBoxOpen_) return;
    inputBoxOpen_ = true;
    std::wstring entered = clip::InputBox(L"登録する文字を入力してください。", L"入力",
                                          clip::ReadClipboardText(hwnd()));
    inputBoxOpen_ = false;
    // Read after the box: the list may have changed while it was open.
    if (auto stored = clip::AppendClip(store_.Read(settings::Key::ClipText), entered)) {
        store_.Write(settings::Key::ClipText, *stored);
        SetClipMenu();
    }
}

void FrmP2hWnd::mnuOption_Click() {
    // One dialog at a time: choosing the item again brings the open one forward.
    if (options_) {
        options_->BringToFront();
        return;
    }
    auto dialog = std::make_unique<settings::FrmOptions>(store_);
    EnableTimer1(false);
    bool running = true;
    if (dialog->Create(hwnd())) {
        options_ = dialog.get();
        running = dialog->ShowModal();
        options_ = nullptr;
    }
    dialog.reset();
    if (!running || !hwnd()) return;  // 終了 was chosen meanwhile: nothing more to apply
    ResumePolling();
    ApplyOptions();
}

void FrmP2hWnd::ApplyOptions() {
    using settings::Key;
    // Each step stands alone: a value that cannot be used leaves its target
    // as it was, and an on/off value that cannot be read counts as off.
    if (auto v = settings::ReadNumber(store_, Key::UseAlpha)) HotkeySettings.AlphaKey = *v;
    if (auto v = settings::ReadNumber(store_, Key::UseOnTop)) HotkeySettings.OnTopKey = *v;
    if (auto v = settings::ReadNumber(store_, Key::UseShowTask)) HotkeySettings.TaskbarKey = *v;
    if (auto v = settings::ReadNumber(store_, Key::UseCorvel)) HotkeySettings.TrayParkKey = *v;
    if (auto v = settings::ReadAlphaIndex(store_)) AlphaIndex = *v;
    mnuAP_Click(static_cast<int16_t>(AlphaIndex));
    if (settings::ReadSwitch(store_, Key::UseCpuMon).value_or(false)) {
        EnableTimer2(true);
    } else {
        EnableTimer2(false);
        ShowStaticTrayIcon();
    }
    SetSmsMode(settings::ReadSwitch(store_, Key::UseSmsAlpha).value_or(false) ? 0 : -1);
    menu_.SetClipVisible(settings::ReadSwitch(store_, Key::UseClipboard).value_or(false));
    if (auto ms = settings::ReadInterval(store_)) SetTimer2Interval(*ms);
    auto draw = settings::ReadColour(store_, Key::CpuCol1);
    auto back = settings::ReadColour(store_, Key::CpuCol2);
    SetCpuColours(draw.value_or(cpuDraw_), back.value_or(cpuBack_));
    SetClipMenu();
}

void FrmP2hWnd::ResumePolling() {
    // Polling stays off while either dialog is still open.
    if (!options_ && !IsWindowVisible(hwnd())) EnableTimer1(true);
}

void FrmP2hWnd::mnuVer_Click() {
    EnableTimer1(false);
    versionDialog_.Create(hwnd(), VersionLabel, appIcon_.get());
    versionDialog_.Layout(hwnd());
    LONG_PTR ex = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd(), 0, 0, LWA_ALPHA);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(GetDlgItem(hwnd(), kVersionOK));
    // The fade runs on its own for its second: no other event is handled.
    // GetTickCount differences stay right across its wrap.
    DWORD start = GetTickCount();
    for (uint32_t t = 0; t < kFadeMs; t = ElapsedMs(start, GetTickCount())) {
        SetLayeredWindowAttributes(hwnd(), 0, static_cast<BYTE>(FadeAlpha(t)), LWA_ALPHA);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(10);
    }
    SetLayeredWindowAttributes(hwnd(), 0, kFadeEndAlpha, LWA_ALPHA);
}

void FrmP2hWnd::cmdOK_Click() {
    ShowWindow(hwnd(), SW_HIDE);
    ResumePolling();
}

void FrmP2hWnd::mnuEnd_Click() {
    tray_->Delete();
    DestroyWindow(hwnd());
}

void FrmP2hWnd::Form_MouseMove(LPARAM trayMessage) {
    // The tray's notification carries the mouse message in lParam. The menu
    // opens on the right button's release (and on the keyboard's context
    // menu), never while the form is shown as the version dialog.
    UINT mouse = static_cast<UINT>(trayMessage);
    if (mouse != WM_RBUTTONUP && mouse != WM_CONTEXTMENU) return;
    if (IsWindowVisible(hwnd()) || menuOpen_) return;
    menuOpen_ = true;
    UINT cmd = menu_.Track(hwnd());
    menuOpen_ = false;
    if (cmd) RunCommand(cmd);
}

void FrmP2hWnd::RunCommand(UINT id) {
    if (id >= kMenuRateFirst && id < kMenuRateFirst + 9) {
        mnuAP_Click(static_cast<int16_t>(id - kMenuRateFirst));
    } else if (id > kMenuClipFirst) {
        mnuclip_Click(static_cast<int16_t>(id - kMenuClipFirst));
    } else if (id == kMenuAdd) {
        mnuAdd_Click();
    } else if (id == kMenuOption) {
        mnuOption_Click();
    } else if (id == kMenuVersion) {
        mnuVer_Click();
    } else if (id == kMenuEnd) {
        mnuEnd_Click();
    } else if (id == kVersionOK) {
        cmdOK_Click();
    }
}

LRESULT FrmP2hWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (taskbarCreated_ && msg == taskbarCreated_) {
        OnTaskbarCreated();
        return 0;
    }
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!IsWindowVisible(hwnd())) Form_MouseMove(lp);
            return 0;
        case WM_TIMER:
            if (wp == kTimer1) {
                Timer1_Timer();
            } else if (wp == kTimer2) {
                Timer2_Timer();
            } else if (wp == kTrayRetry) {
                if (tray_->Add() || --addRetriesLeft_ <= 0) KillTimer(hwnd(), kTrayRetry);
            }
            return 0;
        case WM_COMMAND:
            RunCommand(LOWORD(wp));
            return 0;
        case WM_DRAWITEM:
            if (versionDialog_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_CLOSE:
            // The close box of the version dialog hides it; the program goes on.
            cmdOK_Click();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The system is ending: leave the icon to the shell.
            if (wp) {
                tray_->Abandon();
                DestroyWindow(hwnd());
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Default(msg, wp, lp);
}

}  // namespace core
