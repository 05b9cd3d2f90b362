#include "companion/corvel_form.h"

#include <string>

#include "common/parked_registry.h"
#include "companion/companion_menu.h"
#include "common/companion_contract.h"
#include "companion/message_actions.h"
#include "companion/corvel_resources.h"
#include "companion/window_icon.h"

namespace companion {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 1;
constexpr UINT_PTR kTrayRetry = 2;
constexpr UINT kTrayRetryMs = 1500;
constexpr int kTrayRetries = 40;  // about a minute
constexpr DWORD kAnimationPause = 100;
constexpr int kTitleBuffer = 1000;

std::wstring WindowTitle(HWND window) {
    std::wstring title(kTitleBuffer, L'\0');
    int length = GetWindowTextW(window, title.data(), kTitleBuffer);
    title.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return title;
}

}  // namespace

CorvelForm::CorvelForm(HWND target, int32_t targetHandle)
    : target_(target), targetHandle_(targetHandle) {}

bool CorvelForm::Form_Load() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HICON appIcon = LoadIconW(inst, MAKEINTRESOURCEW(IDI_CORVEL));
    if (!RegisterClassOnce(L"CorvelForm", appIcon, appIcon, nullptr)) return false;
    // A plain hidden popup: no system menu, no taskbar button, never shown.
    std::wstring caption = common::CompanionCaption(targetHandle_);
    if (!Create(0, L"CorvelForm", caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr)) {
        return false;
    }
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    ownStart_ = common::ProcessStartTime(GetCurrentProcess());
    MakeTrayIcon();
    SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
    return true;
}

void CorvelForm::MakeTrayIcon() {
    frames_ = MakeFrameIcons(target_);
    tray_.emplace(hwnd(), WindowTitle(target_));
    shownFrame_ = kFrameCount;
    tray_->SetIcon(frames_[kFrameCount - 1].get());
    AddTrayIcon();
}

void CorvelForm::AddTrayIcon() {
    // Without its icon a parked window has no way back: when the shell is
    // not ready (a restart of it, a busy logon), try again for a while.
    if (tray_->Add()) {
        KillTimer(hwnd(), kTrayRetry);
        return;
    }
    addRetriesLeft_ = kTrayRetries;
    SetTimer(hwnd(), kTrayRetry, kTrayRetryMs, nullptr);
}

void CorvelForm::ShowFrame(int frame) {
    shownFrame_ = frame;
    tray_->SetIcon(frames_[frame - 1].get());
    tray_->Modify();
}

void CorvelForm::AnimateTrayIcon(Motion motion) {
    auto frames = AnimationFrames(shownFrame_, motion);
    for (size_t i = 0; i < frames.size(); ++i) {
        // Not pumping here on purpose: clicks and ticks wait until the icon
        // has reached its end frame, so it never stops half-way.
        if (i > 0) Sleep(kAnimationPause);
        // Sent messages still arrive while the shell takes each modify; one
        // of them may have taken the icon away already.
        if (ended_) return;
        ShowFrame(frames[i]);
    }
}

bool CorvelForm::TargetAnswers() {
    // Showing and hiding another program's window wait for that program: one
    // that does not answer would freeze the icon and every way out with it.
    DWORD_PTR result = 0;
    bool answers = SendMessageTimeoutW(target_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                                       &result) != 0;
    return answers && !ended_;
}

bool CorvelForm::EndArrived() {
    if (!ended_) return false;
    // The take-out ran inside the call just made, and that call may have
    // hidden the target again after it: give it back once more.
    GiveTargetBack();
    return true;
}

bool CorvelForm::ShowTarget() {
    if (!TargetAnswers()) return false;
    ShowWindow(target_, SW_SHOW);
    if (EndArrived()) return false;
    ShowWindow(target_, SW_SHOWNORMAL);
    if (EndArrived()) return false;
    ForgetParked();
    return true;
}

bool CorvelForm::HideTarget() {
    if (!TargetAnswers()) return false;
    // Recorded first: a companion that dies half-way still leaves word of it.
    RecordParked();
    ShowWindow(target_, SW_MINIMIZE);
    if (EndArrived()) return false;
    ShowWindow(target_, SW_HIDE);
    return !EndArrived();
}

void CorvelForm::GiveTargetBack() {
    if (!IsWindow(target_)) {
        ForgetParked();
        return;
    }
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(target_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs,
                            &result)) {
        ShowWindow(target_, SW_SHOW);
        ShowWindow(target_, SW_SHOWNORMAL);
        ForgetParked();
        return;
    }
    // Its program does not answer: the two calls wait in its queue for when
    // it does, and the record stays for Vitrane to see to it as well.
    ShowWindowAsync(target_, SW_SHOW);
    ShowWindowAsync(target_, SW_SHOWNORMAL);
}

void CorvelForm::RecordParked() {
    DWORD owner = 0;
    GetWindowThreadProcessId(target_, &owner);
    common::WriteParked({targetHandle_, owner, common::OwnProcessId(), ownStart_});
    recorded_ = true;
}

void CorvelForm::ForgetParked() {
    if (!recorded_) return;
    common::RemoveParked(targetHandle_, common::OwnProcessId());
    recorded_ = false;
}

void CorvelForm::Toggle() {
    // Only the minimized bit decides; a parked window is minimized and hidden.
    if (GetWindowLongW(target_, GWL_STYLE) & WS_MINIMIZE) {
        M_viewmenu_Click();
    } else {
        M_corvel_Click();
    }
}

void CorvelForm::M_viewmenu_Click() {
    if (ShowTarget()) AnimateTrayIcon(Motion::Rise);
}

void CorvelForm::M_corvel_Click() {
    if (HideTarget()) AnimateTrayIcon(Motion::Sink);
}

void CorvelForm::M_outtray_Click() {
    // A second pass (a watchdog tick, a session end or WM_CLOSE arriving while
    // the first runs) finds everything done and must not touch it again.
    if (ended_) return;
    TakeOut();
    PostQuitMessage(0);
}

void CorvelForm::TakeOut() {
    if (ended_) return;
    ended_ = true;
    GiveTargetBack();
    KillTimer(hwnd(), kTimer1);
    if (menuOpen_) EndMenu();
    if (tray_) tray_->Delete();
}

void CorvelForm::OpenMenu() {
    common::unique_hmenu menu = BuildCompanionMenu();
    menuOpen_ = true;
    UINT chosen = TrackCompanionMenu(hwnd(), menu.get());
    menuOpen_ = false;
    if (ended_) return;
    switch (chosen) {
        case kMenuView:
            M_viewmenu_Click();
            break;
        case kMenuHide:
            M_corvel_Click();
            break;
        case kMenuOutTray:
            M_outtray_Click();
            break;
        default:
            break;
    }
}

void CorvelForm::Timer1_Timer() {
    if (ended_) return;
    // One query a tick while nothing changes: the style says minimized and
    // visible at once, and a window that is gone answers 0 (no real window
    // has a style of 0 that stays so, and IsWindow then has the last word).
    auto style = static_cast<DWORD>(GetWindowLongW(target_, GWL_STYLE));
    if (style == 0 && !IsWindow(target_)) {
        M_outtray_Click();
        return;
    }
    if (style & WS_MINIMIZE) {
        // A parked window is hidden already; hiding it again on every tick
        // would cost a cross-process call each millisecond for nothing.
        if (style & WS_VISIBLE) {
            // One that does not answer is hidden on a later tick.
            if (!TargetAnswers()) return;
            RecordParked();
            ShowWindow(target_, SW_HIDE);
            if (EndArrived()) return;
        }
        AnimateTrayIcon(Motion::Sink);
    } else if (recorded_ && (style & WS_VISIBLE)) {
        // Its own program brought it back: should this companion die now,
        // the window is not one it hid.
        ForgetParked();
    }
}

LRESULT CorvelForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Until the icon exists (start-up's own cross-process calls let sent
    // messages in) everything is only passed on.
    if (!tray_) return Default(msg, wp, lp);
    // The watchdog and the ways out of the program act even while a handler
    // is running (the popup menu pumps messages), so no path leaves the
    // target hidden once the companion is gone.
    switch (msg) {
        case WM_TIMER:
            if (wp == kTrayRetry) {
                if (ended_ || tray_->Add() || --addRetriesLeft_ <= 0) KillTimer(hwnd(), kTrayRetry);
                return 0;
            }
            if (wp != kTimer1) break;
            Timer1_Timer();
            return 0;
        case WM_CLOSE:
            M_outtray_Click();
            return 0;
        case WM_QUERYENDSESSION:
            // Only a question: the end may yet be cancelled, and then
            // everything must be as it was.
            return TRUE;
        case WM_ENDSESSION:
            // The end is certain now (TRUE) or was cancelled (FALSE).
            if (wp) M_outtray_Click();
            return 0;
        default:
            break;
    }
    if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
        // The shell restarted: the icon comes back with the frame it showed.
        if (!ended_) AddTrayIcon();
    } else if (!inWindowProc_ && !ended_) {
        inWindowProc_ = true;
        switch (ActionFor(msg, wp, lp)) {
            case Action::Toggle:
                Toggle();
                break;
            case Action::OpenMenu:
                OpenMenu();
                break;
            case Action::Release:
                M_outtray_Click();
                break;
            case Action::None:
                break;
        }
        inWindowProc_ = false;
    }
    return Default(msg, wp, lp);
}

}  // namespace companion
