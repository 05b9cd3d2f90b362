// frmOptions: the modal options dialog. It shows every setting, writes all
// of them on OK and nothing on Cancel; applying them is the caller's part.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/unique_handle.h"
#include "common/window_class.h"
#include "settings/key_table.h"
#include "settings/options_values.h"
#include "settings/settings_store.h"

namespace settings {

inline constexpr const wchar_t* kOptionsClassName = L"Vitrane.frmOptions";

class FrmOptions : public common::Window {
  public:
    explicit FrmOptions(SettingsStore& store);
    ~FrmOptions() override;

    // Creates the dialog hidden and runs Form_Load; false if the window
    // could not be made. The owner keeps the dialog off the taskbar.
    bool Create(HWND owner);
    // Shows it centred with the focus on OK and runs its own message loop
    // until the dialog hides itself. False when the program is quitting
    // (the quit message is posted again for the outer loop).
    bool ShowModal();
    // For a second "<<<設定>>>" while this one is open.
    void BringToFront();

    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
    HWND Tooltips() const { return tooltip_; }
    uint32_t Shape1Colour() const { return shape1_; }
    uint32_t Shape2Colour() const { return shape2_; }

    // Handlers.
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    void txtCol1_KeyPress(int16_t& keyAscii);
    void txtCol2_KeyPress(int16_t& keyAscii);

    std::vector<KeyEntry> KeyTable;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void BuildKeyTable();
    void SetKeyEntry(int32_t index, int32_t code, const std::wstring& name);
    void CreateControls();
    void Layout(int dpi);
    void ShowValues(const OptionsValues& v);
    OptionsValues ReadControls() const;
    void SetSample(int id, uint32_t colour);
    void DrawSample(const DRAWITEMSTRUCT& item) const;
    void EnterWithoutDefault();
    void MoveFocus(HWND to);
    void Hide();
    static LRESULT CALLBACK ColourEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp);

    SettingsStore& store_;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    common::unique_hfont font_;
    int dpi_ = 96;
    uint32_t shape1_ = 0x00FF00;
    uint32_t shape2_ = 0x000000;
};

}  // namespace settings
