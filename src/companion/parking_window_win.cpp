#include "companion/parking_window.h"

#include <string>

#include "common/companion_contract.h"
#include "common/message_filter.h"
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

Event MenuEventOf(UINT chosen) {
    switch (chosen) {
        case kMenuShow:
            return Event::MenuShow;
        case kMenuPark:
            return Event::MenuPark;
        case kMenuTakeOut:
            return Event::MenuTakeOut;
        default:
            return Event::MenuDismissed;
    }
}

}  // namespace

ParkingWindow::ParkingWindow(HWND target, int32_t targetHandle, common::Language language,
                             common::FunctionFinder user32)
    : target_(target), targetHandle_(targetHandle), language_(language), user32_(user32) {}

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
    // Run with administrator rights, the companion still hears the shell (its
    // restart, the icon's clicks) and a Vitrane without them.
    common::LetThroughFromLowerIntegrity(
        hwnd(), {tray_->ShellRestartMessage(), kTrayCallbackMessage, common::kReleaseMessage},
        user32_);
    // When the shell is not ready (a restart of it, a busy logon), the icon
    // tries again a while; the target is hidden only once the icon is in.
    if (tray_->Show()) Feed(Event::IconAdded);
    SetTimer(hwnd(), kWatchTimer, kWatchIntervalMs, nullptr);
    return true;
}

void ParkingWindow::CreateTrayIcon() {
    frames_ = MakeFrameIcons(target_);
    tray_.emplace(hwnd(), kTrayIconId, kTrayCallbackMessage, kTrayRetryTimer);
    tray_->SetTip(common::WindowText(target_));
    shownFrame_ = kFrameCount;
    tray_->SetIcon(frames_[kFrameCount - 1].get());
}

bool ParkingWindow::OnIconMessage(UINT msg, WPARAM wp) {
    const bool wasAdded = tray_->Added();
    if (!tray_->HandleMessage(msg, wp)) return false;
    if (tray_->GaveUp()) {
        Feed(Event::IconGivenUp);
    } else if (tray_->Added() != wasAdded) {
        Feed(tray_->Added() ? Event::IconAdded : Event::IconLost);
    }
    return true;
}

std::optional<Event> ParkingWindow::RequestOf(UINT msg, WPARAM wp, LPARAM lp) const {
    switch (ActionFor(msg, wp, lp)) {
        case Action::Toggle:
            return Event::IconClicked;
        case Action::OpenMenu:
            return Event::IconRightClicked;
        case Action::Release:
            return Event::ReleaseAsked;
        case Action::None:
            break;
    }
    return std::nullopt;
}

TargetSeen ParkingWindow::Seen() const {
    // One query while nothing changes: the style says minimized and visible
    // at once, and a window that is gone answers 0 (no real window has a
    // style of 0 that stays so, and IsWindow then has the last word).
    auto style = static_cast<DWORD>(GetWindowLongW(target_, GWL_STYLE));
    return {style != 0 || IsWindow(target_), (style & WS_MINIMIZE) != 0, (style & WS_VISIBLE) != 0};
}

bool ParkingWindow::Feed(Event event) {
    return Carry(rules_.On(event, Seen(), GetTickCount()));
}

bool ParkingWindow::Carry(const Tasks& tasks) {
    for (Task task : tasks) {
        if (task == Task::Stop) return false;
        Carry(task);
    }
    return true;
}

void ParkingWindow::Carry(Task task) {
    using A = Task;
    switch (task) {
        case A::BringBack:
            if (ShowTarget()) AnimateTrayIcon(Motion::Rise);
            Feed(Event::Handled);
            break;
        case A::Park:
        case A::Hide:
            HideTarget(task == A::Park);
            Feed(Event::Handled);
            break;
        case A::OpenMenu:
            OpenMenu();
            Feed(Event::Handled);
            break;
        case A::Sink:
            AnimateTrayIcon(Motion::Sink);
            break;
        case A::ShowMinimized:
            ShowTargetMinimized();
            break;
        case A::Record:
            RecordParked();
            break;
        case A::Forget:
            ForgetParked();
            break;
        case A::GiveBack:
            GiveTargetBack();
            break;
        case A::StopWatching:
            KillTimer(hwnd(), kWatchTimer);
            break;
        case A::CloseMenu:
            EndMenu();
            break;
        case A::DeleteIcon:
            tray_->Delete();
            break;
        case A::Quit:
            PostQuitMessage(0);
            break;
        case A::Stop:
            break;
    }
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
        if (!Feed(Event::CallReturned)) return;
        ShowFrame(frames[i]);
    }
}

bool ParkingWindow::TargetAnswers() {
    // Showing and hiding another program's window wait for that program: one
    // that does not answer would freeze the icon and every way out with it.
    bool answers = common::WindowAnswers(target_, kAnswerTimeoutMs);
    return Feed(Event::CallReturned) && answers;
}

bool ParkingWindow::ShowTarget() {
    if (!TargetAnswers()) return false;
    ShowWindow(target_, SW_SHOW);
    if (!Feed(Event::TargetCallReturned)) return false;
    ShowWindow(target_, SW_SHOWNORMAL);
    if (!Feed(Event::TargetCallReturned)) return false;
    Feed(Event::TargetBack);
    return true;
}

bool ParkingWindow::HideTarget(bool minimizeFirst) {
    if (!TargetAnswers()) return false;
    Feed(Event::Hiding);
    if (minimizeFirst) {
        ShowWindow(target_, SW_MINIMIZE);
        if (!Feed(Event::TargetCallReturned)) return false;
    }
    ShowWindow(target_, SW_HIDE);
    if (!Feed(Event::TargetCallReturned)) return false;
    Feed(Event::Hidden);
    return true;
}

void ParkingWindow::GiveTargetBack() {
    if (!IsWindow(target_)) {
        Feed(Event::TargetBack);
        return;
    }
    if (common::WindowAnswers(target_, kAnswerTimeoutMs, true)) {
        ShowWindow(target_, SW_SHOW);
        ShowWindow(target_, SW_SHOWNORMAL);
        Feed(Event::TargetBack);
        return;
    }
    // Its program does not answer: the two calls wait in its queue for when
    // it does, and the record stays (or is written again, when an earlier
    // give-back had removed it) for Vitrane to see to it as well.
    ShowWindowAsync(target_, SW_SHOW);
    ShowWindowAsync(target_, SW_SHOWNORMAL);
    Feed(Event::TargetNotBack);
}

void ParkingWindow::ShowTargetMinimized() {
    // Not activated: the user is busy elsewhere; the window only gets its
    // taskbar button back until the icon returns.
    if (common::WindowAnswers(target_, kAnswerTimeoutMs, true)) {
        ShowWindow(target_, SW_SHOWMINNOACTIVE);
    } else {
        ShowWindowAsync(target_, SW_SHOWMINNOACTIVE);
    }
}

void ParkingWindow::RecordParked() {
    DWORD owner = 0;
    GetWindowThreadProcessId(target_, &owner);
    // Should the write fail, the window is still given back on every way out
    // of this companion; only the safety net for its death is missing.
    common::WriteParked({targetHandle_, owner, common::OwnProcessId(), ownStart_});
}

void ParkingWindow::ForgetParked() {
    common::RemoveParked(targetHandle_, common::OwnProcessId());
}

void ParkingWindow::OpenMenu() {
    common::unique_hmenu menu = BuildCompanionMenu(language_);
    Feed(MenuEventOf(common::TrackPopupAtCursor(hwnd(), menu.get())));
}

void ParkingWindow::TakeOut() {
    Feed(Event::LoopEnded);
}

LRESULT ParkingWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Until the icon exists (start-up's own cross-process calls let sent
    // messages in) everything is only passed on.
    if (!tray_) return Default(msg, wp, lp);
    // The watchdog and the ways out of the program act even while a handler
    // is running (the popup menu pumps messages), so no path leaves the
    // target hidden once the companion is gone.
    if (!rules_.Ended() && OnIconMessage(msg, wp)) return 0;
    switch (msg) {
        case WM_TIMER:
            if (wp != kWatchTimer) break;
            Feed(Event::Tick);
            return 0;
        case WM_CLOSE:
            Feed(Event::Closed);
            return 0;
        case WM_QUERYENDSESSION:
            // Only a question: the end may yet be cancelled, and then
            // everything must be as it was.
            return TRUE;
        case WM_ENDSESSION:
            // The end is certain now (TRUE) or was cancelled (FALSE).
            if (wp) Feed(Event::SessionEnding);
            return 0;
        default:
            break;
    }
    if (auto request = RequestOf(msg, wp, lp)) Feed(*request);
    return Default(msg, wp, lp);
}

}  // namespace companion
