// Corvel's one notification-area icon (id 0, callback 1025).
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string_view>

namespace companion {

class TrayRecord {
  public:
    // The tip is cut to 63 UTF-16 units on a character boundary.
    TrayRecord(HWND owner, std::wstring_view tip);
    TrayRecord(const TrayRecord&) = delete;
    TrayRecord& operator=(const TrayRecord&) = delete;
    ~TrayRecord();

    void SetIcon(HICON icon) { data_.hIcon = icon; }
    // Results are not acted upon: without a notification area the program
    // runs on without a visible icon.
    // True when the shell took the icon.
    bool Add();
    void Modify();
    void Delete();

  private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
};

}  // namespace companion
