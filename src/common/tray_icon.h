// One notification-area icon of a hidden top-level window: added, changed
// and deleted through the shell, brought back when the shell restarts, and
// added again for a while when the shell is not ready yet (a program started
// at logon). The destructor deletes an icon the shell took.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string_view>

#include "common/non_copyable.h"

namespace common {

// The class of the shell's taskbar window, which holds the notification area.
inline constexpr const wchar_t* kShellTrayClass = L"Shell_TrayWnd";

class TrayIcon : NonCopyable {
  public:
    // `retryTimer` is a timer id of `owner`'s that this icon may use.
    TrayIcon(HWND owner, UINT id, UINT callbackMessage, UINT_PTR retryTimer);
    ~TrayIcon();

    // The icon stays owned by the caller and must outlive its use by the shell.
    void SetIcon(HICON icon) { data_.hIcon = icon; }
    HICON Icon() const { return data_.hIcon; }
    HWND Owner() const { return data_.hWnd; }
    void SetTip(std::wstring_view tip);  // cut to 63 characters

    // Adds the icon; when the shell refuses, tries again every 1.5 s for
    // about a minute. True when the shell took it now.
    bool Show();
    // Shows the current icon and tip. With `readd`, an icon the shell has
    // lost is deleted and added again.
    bool Modify(bool readd = false);
    // Takes the icon away and stops trying to add it.
    bool Delete();
    bool Added() const { return added_; }
    // True once the shell has refused the icon for as long as it was tried;
    // a new Show (the shell's restart) tries again.
    bool GaveUp() const { return gaveUp_; }
    // Adding again on the retry timer after the shell refused.
    bool Retrying() const { return retriesLeft_ > 0; }
    // The notification area window the icon was last added to.
    HWND ShellWindow() const { return shellWindow_; }
    // Leaves the icon to the shell (the session is ending).
    void Abandon() { added_ = false; }

    // The owner's window procedure passes every message here first; true
    // when it was the icon's own (the shell's restart, the retry timer).
    bool HandleMessage(UINT msg, WPARAM wp);
    // The shell's "TaskbarCreated", which HandleMessage answers.
    UINT ShellRestartMessage() const { return taskbarCreated_; }

  private:
    bool Add();
    bool Remove();
    void StopRetrying();

    NOTIFYICONDATAW data_{};
    bool added_ = false;
    bool gaveUp_ = false;
    HWND shellWindow_ = nullptr;
    UINT_PTR retryTimer_;
    int retriesLeft_ = 0;
    UINT taskbarCreated_;
};

// Runs `menu` at the cursor for `owner` and gives the chosen command, or 0.
// The owner comes to the foreground first, or the menu would not close on a
// click elsewhere; the WM_NULL after it lets the shell's next click through.
UINT TrackPopupAtCursor(HWND owner, HMENU menu);

}  // namespace common
