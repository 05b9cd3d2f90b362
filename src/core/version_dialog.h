// The controls the main form shows when it serves as the version dialog:
// icon, title, version, etched line, credit and OK.
#pragma once

#include <windows.h>

#include <string>

#include "common/unique_handle.h"

namespace core {

enum VersionControl : int {
    kVersionOK = 300,  // cmdOK; clear of the menu's command ids
    kVersionIcon,      // picIcon
    kVersionTitle,     // lblTitle
    kVersionLabel,     // lblVersion
    kVersionLine,      // Line1(0) and Line1(1)
    kVersionCredit,    // Label4
};

inline constexpr const wchar_t* kVersionTitleText = L"ウィンドウ透過ツール　(Win2000・XP専用)";

class VersionDialog {
  public:
    // Makes the controls on `form` once; later calls change nothing.
    void Create(HWND form, const std::wstring& versionText, HICON icon);
    // Sizes the form for the dialog at its DPI, centres it and places the controls.
    void Layout(HWND form);
    // The form's WM_DRAWITEM for the icon, the line and the grey credit.
    bool Draw(const DRAWITEMSTRUCT& item) const;

  private:
    void FitTitle(HWND title, int dpi);

    HICON icon_ = nullptr;  // the form's, not owned
    common::unique_hfont font_;
    common::unique_hfont titleFont_;  // smaller, only where the title needs it
    int fontDpi_ = 0;
};

}  // namespace core
