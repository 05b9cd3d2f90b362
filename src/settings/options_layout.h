// The options dialog's controls: kind, container, text, tooltip and place.
// No <windows.h>: the dialog creates its windows from this table.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "common/language.h"
#include "common/twips.h"

namespace settings {

// Control ids; the window of a control carries its id, so a test driver in
// another process can find it. IDOK (1) is kept free: the dialog has no
// default button. Cancel is IDCANCEL, which Esc presses.
enum OptionsControl : int {
    kHotkeyFrame = 100,
    kAlphaKeyLabel,
    kAlphaKeyList,
    kAlphaKeyHint,
    kOnTopKeyLabel,
    kOnTopKeyList,
    kOnTopKeyHint,
    kTaskbarKeyLabel,
    kTaskbarKeyList,
    kTaskbarKeyHint,
    kTrayKeyLabel,
    kTrayKeyList,
    kTrayKeyHint,
    kTransparencyFrame,
    kRateLabel,
    kRateList,
    kSmoothFadeCheck,
    kCpuFrame,
    kCpuCheck,
    kDrawColourLabel,
    kDrawColourEdit,
    kDrawColourSample,
    kBackColourLabel,
    kBackColourEdit,
    kBackColourSample,
    kIntervalLabel,
    kIntervalEdit,
    kIntervalUnit,
    kClipFrame,
    kClipCheck,
    kClipEdit,
    kOptionsOK,
    kCreditLabel,
    kGeneralFrame,
    kWholeWindowCheck,
    kRestoreOnExitCheck,
    kStartWithWindowsCheck,
    kLanguageLabel,
    kLanguageList,
    kOptionsCancel = 2,
};

enum class ControlKind {
    Frame,
    Label,
    GreyLabel,
    DropDownList,
    CheckBox,
    Edit,
    MultiLineEdit,
    ColourSample,
    Button
};

struct ControlSpec {
    OptionsControl Id;
    ControlKind Kind;
    int Container;  // the id of the frame it sits in, or 0 for the dialog
    std::wstring_view Text;
    std::wstring_view Tooltip;
    common::TwipsRect Place;  // relative to the container
};

inline constexpr int kOptionsClientWidth = 6090;   // twips
inline constexpr int kOptionsClientHeight = 6255;  // twips, the general group included

// The groups the dialog has always had, with OK, Cancel and the credit, in
// their places; texts in the given language.
std::span<const ControlSpec> OptionsControls(common::Language language = common::kDefaultLanguage);
// The general group below them, which the dialog grew by.
std::span<const ControlSpec> GeneralControls(common::Language language = common::kDefaultLanguage);
// A control of either, its texts in the default language.
const ControlSpec* FindControl(int id);

// The place relative to the dialog's client area.
common::TwipsRect DialogPlace(const ControlSpec& c);

// The controls Tab visits, in order; the general group's come last.
inline constexpr std::array<OptionsControl, 18> kOptionsTabOrder{
    kOptionsOK,          kOptionsCancel,         kRateList,     kClipEdit,        kDrawColourEdit,
    kBackColourEdit,     kIntervalEdit,          kCpuCheck,     kClipCheck,       kAlphaKeyList,
    kOnTopKeyList,       kTaskbarKeyList,        kTrayKeyList,  kSmoothFadeCheck, kWholeWindowCheck,
    kRestoreOnExitCheck, kStartWithWindowsCheck, kLanguageList,
};

}  // namespace settings
