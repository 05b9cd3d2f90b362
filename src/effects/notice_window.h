// A short notice near the cursor saying why an effect did nothing. It goes by
// itself after about two seconds; every click goes through it to the window
// below, and it never takes the focus.
#pragma once

#include <windows.h>

#include <string>

#include "common/unique_handle.h"
#include "common/window_class.h"

namespace effects {

inline constexpr const wchar_t* kNoticeClass = L"Vitrane.Notice";
inline constexpr UINT kNoticeMs = 2000;

class NoticeWindow : public common::Window {
  public:
    NoticeWindow() = default;
    ~NoticeWindow() override = default;

    // Shows `text` near the cursor; a notice still showing makes way for it.
    void Show(const std::wstring& text);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    RECT Place(POINT cursor, int dpi);
    void Paint();

    std::wstring text_;
    common::unique_hfont font_;
};

}  // namespace effects
