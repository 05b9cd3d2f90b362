// The small percentage indicator shown while the middle button fades
// a window. A light-green oval with the percentage, on a white ground that
// the colour key makes see-through; topmost, no taskbar button, never active.
#pragma once

#include <windows.h>

#include <string>

#include "common/unique_handle.h"
#include "common/window_class.h"

namespace effects {

inline constexpr const wchar_t* kIndicatorClass = L"Vitrane.FadeIndicator";
inline constexpr COLORREF kIndicatorOval = 0xC0FFC0;
inline constexpr COLORREF kIndicatorKey = 0xFFFFFF;

class FadeIndicator : public common::Window {
  public:
    FadeIndicator() = default;
    ~FadeIndicator() override;

    // Creates the indicator with its top-left corner at (x, y) screen
    // pixels and shows it.
    bool Show(int x, int y);
    // The percentage shown.
    void SetCaption(const std::wstring& text);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Build();
    void CreateLabel();
    int Scale(int pixelsAt96) const;
    void Paint();

    int dpi_ = 96;
    HWND label_ = nullptr;  // a child, destroyed with the window
    std::wstring caption_;
    common::unique_hfont font_;
    common::unique_hbrush ovalBrush_;
};

}  // namespace effects
