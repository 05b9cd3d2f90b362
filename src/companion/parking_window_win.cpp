#include "companion/parking_window.h"

#include <string>
#include <utility>

#include "common/companion_contract.h"
#include "common/parked_registry.h"
#include "common/window_helpers.h"
#include "companion/companion_menu.h"
#include "companion/corvel_resources.h"
#include "companion/message_actions.h"
#include "companion/window_icon.h"

namespace companion {
namespace {

constexpr wchar_t kClassName[] = L"CorvelParkingWindow";
constexpr UINT kTrayIconId = 0;
constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchIntervalMs = 1;
constexpr UINT_PTR kTrayRetryTimer = 2;
constexpr DWORD kAnimationPause = 100;

}  // namespace

ParkingWindow::ParkingWindow(HWND target, int32_t targetHandle, common::Language language)
    : target_(target), targetHandle_(targetHandle), language_(language) {}

bool ParkingWindow::Open() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HICON appIcon = LoadIconW(inst, MAKEINTRESOURCEW(IDI_CORVEL));
    if (!RegisterClassOnce(kClassName, appIcon, appIcon, nullptr)) return false;
    // A plain hidden popup: no system menu, no taskbar button, never shown.
    std::wstring caption = common::CompanionCaption(targetHandle_);
    if (!Create(0, kClassName, caption.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr)) {
        return false;
    }
    ownStart_ = common::ProcessStartTime(GetCurrentProcess());
    CreateTrayIcon();
    SetTimer(hwnd(), kWatchTimer, kWatchIntervalMs, nullptr);
    return true;
}

void ParkingWindow::CreateTrayIcon() {
    frames_ = MakeFrameIcons(target_);
    tray_.emplace(hwnd(), kTrayIconId, kTrayCallbackMessage, kTrayRetryTimer);
    tray_->SetTip(common::WindowText(target_));
    shownFrame_ = kFrameCount;
    tray_->SetIcon(frames_[kFrameCount - 1].get());
    // Without its icon a parked window has no way back: when the shell is
    // not ready (a restart of it, a busy logon), the icon tries again a while.
    tray_->Show();
}

void ParkingWindow::ShowFrame(int frame) {
    shownFrame_ = frame;
    tray_->SetIcon(frames_[frame - 1].get());
    tray_->Modify();
}

void ParkingWindow::AnimateTrayIcon(Motion motion) {
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

bool ParkingWindow::TargetAnswers() {
    // Showing and hiding another program's window wait for that program: one
    // that does not answer would freeze the icon and every way out with it.
    return common::WindowAnswers(target_, kAnswerTimeoutMs) && !ended_;
}

bool ParkingWindow::EndArrived() {
    if (!ended_) return false;
    // The take-out ran inside the call just made, and that call may have
    // hidden the target again after it: give it back once more.
    GiveTargetBack();
    return true;
}

bool ParkingWindow::ShowTarget() {
    if (!TargetAnswers()) return false;
    ShowWindow(target_, SW_SHOW);
    if (EndArrived()) return false;
    ShowWindow(target_, SW_SHOWNORMAL);
    if (EndArrived()) return false;
    ForgetParked();
    return true;
}

bool ParkingWindow::HideTarget() {
    if (!TargetAnswers()) return false;
    // Recorded first: a companion that dies half-way still leaves word of it.
    RecordParked();
    ShowWindow(target_, SW_MINIMIZE);
    if (EndArrived()) return false;
    ShowWindow(target_, SW_HIDE);
    return !EndArrived();
}

void ParkingWindow::GiveTargetBack() {
    if (!IsWindow(target_)) {
        ForgetParked();
        return;
    }
    if (common::WindowAnswers(target_, kAnswerTimeoutMs, true)) {
        ShowWindow(target_, SW_SHOW);
        ShowWindow(target_, SW_SHOWNORMAL);
        ForgetParked();
        return;
    }
    // Its program does not answer: the two calls wait in its queue for when
    // it does, and the record stays (or is written again, when an earlier
    // give-back had removed it) for Vitrane to see to it as well.
    ShowWindowAsync(target_, SW_SHOW);
    ShowWindowAsync(target_, SW_SHOWNORMAL);
    if (!recorded_ && !IsWindowVisible(target_)) RecordParked();
}

void ParkingWindow::RecordParked() {
    DWORD owner = 0;
    GetWindowThreadProcessId(target_, &owner);
    // Should the write fail, the window is still given back on every way out
    // of this companion; only the safety net for its death is missing.
    recorded_ = common::WriteParked({targetHandle_, owner, common::OwnProcessId(), ownStart_});
}

void ParkingWindow::ForgetParked() {
    if (!recorded_) return;
    common::RemoveParked(targetHandle_, common::OwnProcessId());
    recorded_ = false;
}

void ParkingWindow::Toggle() {
    // Only the minimized bit decides; a parked window is minimized and hidden.
    if (GetWindowLongW(target_, GWL_STYLE) & WS_MINIMIZE) {
        BringBack();
    } else {
        Park();
    }
}

void ParkingWindow::BringBack() {
    if (ShowTarget()) AnimateTrayIcon(Motion::Rise);
}

void ParkingWindow::Park() {
    if (HideTarget()) AnimateTrayIcon(Motion::Sink);
}

void ParkingWindow::Release() {
    // A second pass (a watchdog tick, a session end or WM_CLOSE arriving while
    // the first runs) finds everything done and must not touch it again.
    if (ended_) return;
    TakeOut();
    PostQuitMessage(0);
}

void ParkingWindow::TakeOut() {
    if (ended_) return;
    ended_ = true;
    GiveTargetBack();
    KillTimer(hwnd(), kWatchTimer);
    if (menuOpen_) EndMenu();
    if (tray_) tray_->Delete();
}

void ParkingWindow::OpenMenu() {
    common::unique_hmenu menu = BuildCompanionMenu(language_);
    menuOpen_ = true;
    UINT chosen = common::TrackPopupAtCursor(hwnd(), menu.get());
    menuOpen_ = false;
    if (ended_) return;
    switch (chosen) {
        case kMenuShow:
            BringBack();
            break;
        case kMenuPark:
            Park();
            break;
        case kMenuTakeOut:
            Release();
            break;
        default:
            break;
    }
}

void ParkingWindow::OnWatchTick() {
    if (ended_) return;
    // One query a tick while nothing changes: the style says minimized and
    // visible at once, and a window that is gone answers 0 (no real window
    // has a style of 0 that stays so, and IsWindow then has the last word).
    auto style = static_cast<DWORD>(GetWindowLongW(target_, GWL_STYLE));
    if (style == 0 && !IsWindow(target_)) {
        Release();
        return;
    }
    if (style & WS_MINIMIZE) {
        // A parked window is hidden already; hiding it again on every tick
        // would cost a cross-process call each millisecond for nothing.
        if (style & WS_VISIBLE) {
            // A click or a menu taken in while the probe or the hide waits
            // would show the window only for this hide to take it away
            // again: the user's requests wait for the tick (endings do not).
            const bool busy = std::exchange(inWindowProc_, true);
            const bool answers = TargetAnswers();
            if (answers) {
                RecordParked();
                ShowWindow(target_, SW_HIDE);
            }
            inWindowProc_ = busy;
            // One that does not answer is hidden on a later tick.
            if (!answers || EndArrived()) return;
        }
        AnimateTrayIcon(Motion::Sink);
    } else if (recorded_ && (style & WS_VISIBLE)) {
        // Its own program brought it back: should this companion die now,
        // the window is not one it hid.
        ForgetParked();
    }
}

LRESULT ParkingWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Until the icon exists (start-up's own cross-process calls let sent
    // messages in) everything is only passed on.
    if (!tray_) return Default(msg, wp, lp);
    // The watchdog and the ways out of the program act even while a handler
    // is running (the popup menu pumps messages), so no path leaves the
    // target hidden once the companion is gone.
    if (!ended_ && tray_->HandleMessage(msg, wp)) return 0;
    switch (msg) {
        case WM_TIMER:
            if (wp != kWatchTimer) break;
            OnWatchTick();
            return 0;
        case WM_CLOSE:
            Release();
            return 0;
        case WM_QUERYENDSESSION:
            // Only a question: the end may yet be cancelled, and then
            // everything must be as it was.
            return TRUE;
        case WM_ENDSESSION:
            // The end is certain now (TRUE) or was cancelled (FALSE).
            if (wp) Release();
            return 0;
        default:
            break;
    }
    if (!inWindowProc_ && !ended_) {
        inWindowProc_ = true;
        switch (ActionFor(msg, wp, lp)) {
            case Action::Toggle:
                Toggle();
                break;
            case Action::OpenMenu:
                OpenMenu();
                break;
            case Action::Release:
                Release();
                break;
            case Action::None:
                break;
        }
        inWindowProc_ = false;
    }
    return Default(msg, wp, lp);
}

}  // namespace companion
