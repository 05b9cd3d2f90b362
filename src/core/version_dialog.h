// The version dialog: the hidden main window, shown with an icon, the title,
// the version, an etched line, the credit and OK, fading in over a second.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "common/unique_handle.h"
#include "core/version_text.h"

namespace core {

enum VersionControl : int {
    kVersionOK = 300,  // clear of the menu's command ids
    kVersionIcon,
    kVersionTitle,
    kVersionLabel,
    kVersionLine,
    kVersionCredit,
};

class VersionDialog {
  public:
    // `icon` stays the caller's.
    VersionDialog(VersionTexts texts, HICON icon) : texts_(std::move(texts)), icon_(icon) {}

    const std::wstring& Label() const { return texts_.Label; }
    const VersionTexts& Texts() const { return texts_; }
    // New texts (another language): the window's caption and, once made,
    // its controls show them at once.
    void SetTexts(HWND window, VersionTexts texts);
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

    VersionTexts texts_;
    HICON icon_ = nullptr;  // not owned
    common::unique_hfont font_;
    common::unique_hfont titleFont_;  // smaller, only where the title needs it
    int dpi_ = 0;                     // what the controls are laid out at
};

}  // namespace core
