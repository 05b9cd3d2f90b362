// The version dialog: the hidden main window, shown with an icon, the title,
// the version, an etched line, the credit and OK, fading in over a second.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "common/unique_handle.h"

namespace core {

enum VersionControl : int {
    kVersionOK = 300,  // clear of the menu's command ids
    kVersionIcon,
    kVersionTitle,
    kVersionLabel,
    kVersionLine,
    kVersionCredit,
};

inline constexpr const wchar_t* kVersionTitleText = L"ウィンドウ透過ツール　(Win2000・XP専用)";

class VersionDialog {
  public:
    // `icon` stays the caller's.
    VersionDialog(std::wstring label, HICON icon) : label_(std::move(label)), icon_(icon) {}

    const std::wstring& Label() const { return label_; }
    // Shows `window` as the dialog, centred, and fades it in; the fade runs
    // on its own for its second, no other event is handled meanwhile.
    void Show(HWND window);
    void Hide(HWND window) { ShowWindow(window, SW_HIDE); }
    // Moved to a monitor of another scale: laid out again at `dpi` in the
    // rectangle the system suggests.
    void OnDpiChanged(HWND window, int dpi, const RECT& suggested);
    // The window's WM_DRAWITEM for the icon, the line and the grey credit.
    bool Draw(const DRAWITEMSTRUCT& item) const;

  private:
    // Makes the controls once; later calls change nothing.
    void Create(HWND window);
    // Sizes the window for the dialog at `dpi` and centres it.
    void PlaceCentred(HWND window, int dpi);
    // The font and the controls at `dpi`.
    void Layout(HWND window, int dpi);
    void FitTitle(HWND title, int dpi);
    void FadeIn(HWND window);

    std::wstring label_;
    HICON icon_ = nullptr;  // not owned
    common::unique_hfont font_;
    common::unique_hfont titleFont_;  // smaller, only where the title needs it
    int dpi_ = 0;                     // what the controls are laid out at
};

}  // namespace core
