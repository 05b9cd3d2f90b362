// The small percentage indicator shown while the middle button fades
// a window. A light-green oval with the percentage, on a white ground that
// the colour key makes see-through; topmost, no taskbar button, never active,
// and the mouse goes through it.
#pragma once

#include <windows.h>

#include <string>

#include "common/unique_handle.h"
#include "common/window_class.h"
#include "effects/indicator_geometry.h"

namespace effects {

inline constexpr const wchar_t* kIndicatorClass = L"Vitrane.FadeIndicator";
inline constexpr COLORREF kIndicatorOval = 0xC0FFC0;
inline constexpr COLORREF kIndicatorKey = 0xFFFFFF;

class FadeIndicator : public common::Window {
  public:
    FadeIndicator() = default;
    ~FadeIndicator() override;

    // Creates the indicator around the cursor at `cursor` (screen pixels),
    // sized for `dpi`, and shows it.
    bool Show(POINT cursor, int dpi);
    // The percentage shown.
    void SetCaption(const std::wstring& text);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Build();
    void CreateLabel();
    void Paint();

    IndicatorGeometry geometry_;
    HWND label_ = nullptr;  // a child, destroyed with the window
    std::wstring caption_;
    common::unique_hfont font_;
    common::unique_hbrush ovalBrush_;
};

}  // namespace effects
