#include "common/tray_icon.h"

#include <string>

#include "common/text.h"

namespace common {
namespace {

constexpr UINT kRetryMs = 1500;
constexpr int kRetries = 40;  // about a minute

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callbackMessage, UINT_PTR retryTimer)
    : retryTimer_(retryTimer), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    // The first layout: every shell from Windows 95 on reads it, and the
    // larger ones depend on the headers' target version.
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
}

TrayIcon::~TrayIcon() {
    StopRetrying();
    if (added_) Remove();
}

void TrayIcon::SetTip(std::wstring_view tip) {
    std::wstring cut = CutUtf16(tip, 63);
    wmemset(data_.szTip, L'\0', 64);
    wmemcpy(data_.szTip, cut.c_str(), cut.size());
}

bool TrayIcon::Add() {
    added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE;
    if (added_) {
        shellWindow_ = FindWindowW(kShellTrayClass, nullptr);
        StopRetrying();
    }
    return added_;
}

bool TrayIcon::Show() {
    gaveUp_ = false;
    if (Add()) return true;
    retriesLeft_ = kRetries;
    SetTimer(data_.hWnd, retryTimer_, kRetryMs, nullptr);
    return false;
}

bool TrayIcon::Modify(bool readd) {
    if (Shell_NotifyIconW(NIM_MODIFY, &data_)) return true;
    if (!readd) return false;
    // A retry under way goes on should the shell refuse this add too.
    Remove();
    return Add();
}

bool TrayIcon::Delete() {
    StopRetrying();
    return Remove();
}

bool TrayIcon::Remove() {
    added_ = false;
    return Shell_NotifyIconW(NIM_DELETE, &data_) != FALSE;
}

void TrayIcon::StopRetrying() {
    KillTimer(data_.hWnd, retryTimer_);
    retriesLeft_ = 0;
}

bool TrayIcon::HandleMessage(UINT msg, WPARAM wp) {
    if (taskbarCreated_ && msg == taskbarCreated_) {
        // The shell restarted: the icon it had is gone; bring back the current one.
        Abandon();
        Show();
        return true;
    }
    if (msg == WM_TIMER && wp == retryTimer_) {
        // A tick already queued when the retries stopped is left alone: the
        // icon may be in by now, and a second add would be refused.
        if (retriesLeft_ > 0 && !Add() && --retriesLeft_ <= 0) {
            StopRetrying();
            gaveUp_ = true;
        }
        return true;
    }
    return false;
}

UINT TrackPopupAtCursor(HWND owner, HMENU menu) {
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_LEFTBUTTON, at.x,
                       at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace common
