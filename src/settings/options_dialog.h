// The modal options dialog. It shows every setting, writes all
// of them on OK and nothing on Cancel; applying them is the caller's part.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/language.h"
#include "common/unique_handle.h"
#include "common/window_class.h"
#include "settings/key_table.h"
#include "settings/options_values.h"
#include "settings/registry_run_entry.h"
#include "settings/settings_store.h"

namespace settings {

inline constexpr const wchar_t* kOptionsClassName = L"Vitrane.OptionsDialog";

class OptionsDialog : public common::Window {
  public:
    // Shown in `language` (the one in force when it opens); the box that
    // starts the program with Windows reads and changes `run`.
    explicit OptionsDialog(SettingsStore& store,
                           common::Language language = common::kDefaultLanguage,
                           RunEntry& run = ProgramRunEntry());
    ~OptionsDialog() override;

    // Creates the dialog hidden with the stored values; false if the window
    // could not be made. The owner keeps the dialog off the taskbar.
    bool Create(HWND owner);
    // Shows it centred with the focus on OK and runs its own message loop
    // until the dialog hides itself. False when the program is quitting
    // (the quit message is posted again for the outer loop).
    bool ShowModal();
    // For a second "<<<設定>>>" while this one is open.
    void BringToFront();
    // What the tray menu changes while the dialog is open shows in its
    // controls, so that OK keeps it: the rate picked, a clip text added
    // (appended to the clip list as shown, edits included).
    void ShowRate(int index);
    void AppendClipEntry(std::wstring_view entry);

    HWND Control(int id) const { return GetDlgItem(hwnd(), id); }
    HWND Tooltips() const { return tooltip_; }
    uint32_t DrawColourSample() const { return drawSample_; }
    uint32_t BackColourSample() const { return backSample_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void FillLists();
    // OK writes every value and hides the dialog; Cancel only hides it.
    void OnOK();
    void OnCancel();
    // Enter in a colour field: its sample takes the colour typed, if it is one.
    void ConfirmColourField(int edit);
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
    const common::Language language_;
    RunEntry& run_;
    const std::vector<KeyEntry> keys_ = DefaultKeyTable(language_);
    bool startShown_ = false;  // the start-with-Windows box as the dialog showed it
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    common::unique_hfont font_;
    int dpi_ = 96;
    uint32_t drawSample_ = 0x00FF00;
    uint32_t backSample_ = 0x000000;
};

}  // namespace settings
