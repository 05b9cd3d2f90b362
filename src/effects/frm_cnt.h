// frmCnt: the small percentage indicator shown while the middle button fades
// a window. A light-green oval with the percentage, on a white ground that
// the colour key makes see-through; topmost, no taskbar button, never active.
#pragma once

#include <windows.h>

#include <string>

#include "common/unique_handle.h"
#include "common/window_class.h"

namespace effects {

inline constexpr const wchar_t* kIndicatorClass = L"Vitrane.frmCnt";
inline constexpr COLORREF kIndicatorOval = 0xC0FFC0;
inline constexpr COLORREF kIndicatorKey = 0xFFFFFF;

class FrmCnt : public common::Window {
  public:
    FrmCnt() = default;
    ~FrmCnt() override;

    // Creates the form with its top-left corner at (x, y) screen pixels,
    // runs Form_Load and shows it.
    bool Show(int x, int y);
    // Label1's caption.
    void SetCaption(const std::wstring& text);
    HWND Label() const { return label_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Form_Load();
    void CreateLabel();
    int Scale(int pixelsAt96) const;
    void Paint();

    int dpi_ = 96;
    HWND label_ = nullptr;  // a child, destroyed with the form
    std::wstring caption_;
    common::unique_hfont font_;
    common::unique_hbrush ovalBrush_;
};

}  // namespace effects
