// One notification-area icon, deleted when its owner lets go of it.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace core {

class TrayIcon {
  public:
    TrayIcon(HWND owner, UINT id, UINT callbackMessage);
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // The icon stays owned by the caller and must outlive its use by the shell.
    void SetIcon(HICON icon) { data_.hIcon = icon; }
    HICON Icon() const { return data_.hIcon; }
    void SetTip(const std::wstring& tip);  // cut to 63 characters

    bool Add();
    bool Modify();
    bool Delete();
    bool Added() const { return added_; }
    // Leaves the icon to the shell (the system is ending the session).
    void Abandon() { added_ = false; }

  private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
};

}  // namespace core
